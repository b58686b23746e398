// The help content that comes with the program: every topic a window opens
// stands as a node of its structure, every node has its page, every link
// between pages leads to a page, and the structure files read back as written.
#include "core/calc/knaptabel.h"
#include "core/info/struktur.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString strukturRod() {
    return QStringLiteral(TAVLIX_KILDEMAPPE "/data/Tavlixmappe/Struktur");
}

QByteArray laes(const QString& sti) {
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstHjaelpemner : public QObject {
    Q_OBJECT

    void hent(TStruktur& s, const QString& navn) {
        const QString d = strukturRod() + u'/' + navn;
        s.Strukturfile = d + u"/struktur.txt"_s;
        s.Datafile = d + u"/data.txt"_s;
        s.Infomappe = d + u"/tekstfiler/"_s;
        s.DataOn = true;
        QVERIFY2(s.HentStruktur(), qPrintable(d));
    }

private Q_SLOTS:
    void emnerFindes_data() {
        QTest::addColumn<QString>("struktur");
        QTest::addColumn<QStringList>("emner");
        QStringList info = {
            // F1 and the menu, the pages, the expression window, the browser.
            u"Tavlix"_s, u"Information"_s, u"Udtryk og formelsprog"_s, u"Formelstruktur"_s,
            u"Andengradsligning"_s, u"Ligninger"_s, u"Statistik"_s,
            // The other windows.
            u"Grafer og ligninger"_s, u"Zoom og fokusering"_s, u"Funktioner"_s, u"Primtal"_s,
            u"Struktur konstruktøren"_s, u"Informationsstruktur"_s,
            // The calculator keys' right-click topics.
            u"Trigonometriske funktioner"_s, u"Den naturlige logaritme"_s, u"Titalslogaritmen"_s,
            u"Fakultet"_s, u"Potens og rod beregning"_s, u"Mod funktion"_s,
            u"Anvendelse af parenteser"_s, u"Anvendelse af hukommelse"_s, u"Operator prioritet"_s,
            u"Pi"_s, u"Procent beregning"_s, u"Reciprok"_s, u"Negate"_s};
        for (const TKnap& k : TKnaptabel::alle())
            if (!k.emne.isEmpty() && !info.contains(k.emne)) info << k.emne;
        QTest::newRow("Info") << "Info" << info;
        QTest::newRow("Enhedsinformation") << "Enhedsinformation"
                                           << QStringList{u"SI-enheder"_s,
                                                          u"Andre enheder"_s,
                                                          u"Gamle danske enheder"_s,
                                                          u"Effekt"_s,
                                                          u"Energi"_s,
                                                          u"Hastighed"_s,
                                                          u"Længde"_s,
                                                          u"Andre længdeenheder"_s,
                                                          u"Gamle længdeenheder"_s,
                                                          u"Rumfang"_s,
                                                          u"Andre rumfangsenheder"_s,
                                                          u"Tid"_s,
                                                          u"Tryk"_s,
                                                          u"Vægt_Masse"_s,
                                                          u"Andre vægtenheder"_s,
                                                          u"Temperatur"_s,
                                                          u"Vinkel"_s};
    }
    void emnerFindes() {
        QFETCH(QString, struktur);
        QFETCH(QStringList, emner);
        TStruktur s;
        hent(s, struktur);
        QSet<QString> noder;
        for (const TStrukturNode* n : s.preorden())
            noder << n->tekst;
        for (const QString& e : emner)
            QVERIFY2(noder.contains(e), qPrintable(e));
    }

    void siderOgLinks_data() {
        QTest::addColumn<QString>("struktur");
        QTest::newRow("Info") << "Info";
        QTest::newRow("Enhedsinformation") << "Enhedsinformation";
    }
    void siderOgLinks() {
        QFETCH(QString, struktur);
        TStruktur s;
        hent(s, struktur);
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#:]+)\""));
        for (const TStrukturNode* n : s.preorden()) {
            const QString side = s.dokument(n);
            QVERIFY2(QFileInfo(side).isFile(), qPrintable(side));
            const QString html = QString::fromUtf8(laes(side));
            QVERIFY2(html.contains(QStringLiteral("<h1>") + n->tekst.toHtmlEscaped()),
                     qPrintable(n->tekst));
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString maal = QUrl::fromPercentEncoding(it.next().captured(1).toUtf8());
                QVERIFY2(QFileInfo(s.Infomappe + maal).isFile(),
                         qPrintable(n->tekst + u" -> "_s + maal));
            }
        }
    }

    void filerneLaesesSomSkrevet() {
        for (const char* navn : {"Info", "Enhedsinformation"}) {
            TStruktur s;
            hent(s, QString::fromLatin1(navn));
            QCOMPARE(TStruktur::skrivTrae(s.topNoder()).toUtf8(),
                     QString::fromLatin1(laes(s.Strukturfile)).toUtf8());
            QCOMPARE(laes(s.Datafile).count("\r\n"), qsizetype(s.antal()));
        }
    }
};

QTEST_GUILESS_MAIN(TstHjaelpemner)
#include "tst_hjaelpemner.moc"
