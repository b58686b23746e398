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
        s.Strukturfile = d + "/struktur.txt";
        s.Datafile = d + "/data.txt";
        s.Infomappe = d + "/tekstfiler/";
        s.DataOn = true;
        QVERIFY2(s.HentStruktur(), qPrintable(d));
    }

private Q_SLOTS:
    void emnerFindes_data() {
        QTest::addColumn<QString>("struktur");
        QTest::addColumn<QStringList>("emner");
        QStringList info = {// F1 and the menu, the pages, the expression window, the browser.
                            "Tavlix", "Information", "Udtryk og formelsprog", "Formelstruktur",
                            "Andengradsligning", "Ligninger", "Statistik",
                            // The other windows.
                            "Grafer og ligninger", "Zoom og fokusering", "Funktioner", "Primtal",
                            "Struktur konstruktøren", "Informationsstruktur",
                            // The calculator keys' right-click topics.
                            "Trigonometriske funktioner", "Den naturlige logaritme",
                            "Titalslogaritmen", "Fakultet", "Potens og rod beregning",
                            "Mod funktion", "Anvendelse af parenteser", "Anvendelse af hukommelse",
                            "Operator prioritet", "Pi", "Procent beregning", "Reciprok", "Negate"};
        for (const TKnap& k : TKnaptabel::alle())
            if (!k.emne.isEmpty() && !info.contains(k.emne)) info << k.emne;
        QTest::newRow("Info") << "Info" << info;
        QTest::newRow("Enhedsinformation") << "Enhedsinformation"
                                           << QStringList{"SI-enheder",
                                                          "Andre enheder",
                                                          "Gamle danske enheder",
                                                          "Effekt",
                                                          "Energi",
                                                          "Hastighed",
                                                          "Længde",
                                                          "Andre længdeenheder",
                                                          "Gamle længdeenheder",
                                                          "Rumfang",
                                                          "Andre rumfangsenheder",
                                                          "Tid",
                                                          "Tryk",
                                                          "Vægt_Masse",
                                                          "Andre vægtenheder",
                                                          "Temperatur",
                                                          "Vinkel"};
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
                         qPrintable(n->tekst + " -> " + maal));
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
