#include "beskedoptager.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/hjaelp.h"
#include "core/common/programmapper.h"
#include "core/other/andetmodel.h"

#include <memory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// The help topics asked for, as "structure|topic" (with "|uden fokus" when
// the browser is not to take the focus).
struct HjaelpOptager : THjaelp {
    QStringList emner;
    void Information(const QString& emne) override { emner << u"Info.txt|"_s + emne; }
    void Enhedsinformation(const QString& emne, bool fokus) override {
        emner << u"Enhedsinformation.txt|"_s + emne + (fokus ? u""_s : u"|uden fokus"_s);
    }
    void HelpInfo(const QString& struktur, const QString& emne) override {
        emner << struktur + u'|' + emne;
    }
};

// The other-functions window over a temporary data folder.
struct Andet {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    HjaelpOptager hjaelp;
    bool visHint = true;
    std::unique_ptr<TAndetModel> m;

    explicit Andet(const QStringList& linjer = {}) {
        QDir(dir.path()).mkpath(QStringLiteral("Egenskaber"));
        const TProgramMapper mapper = TProgramMapper::fra(dir.path());
        if (!linjer.isEmpty()) {
            QFile f(mapper.optDir + QStringLiteral("andet.txt"));
            f.open(QIODevice::WriteOnly);
            f.write(linjer.join(QStringLiteral("\r\n")).toLatin1());
        }
        m = std::make_unique<TAndetModel>(
            hjaelp, [this] { return visHint; }, mapper, huk, regner, beskeder);
        m->FormCreate();
    }
};

class TstAndetModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void udenFilErDerStandarder() {
        Andet a;
        QVERIFY(a.m->centrer);
        QCOMPARE(a.m->aktivSide, int(TAndetModel::Enhedskonvertering));
        QVERIFY(!a.m->enheder.visEinfo);
        QVERIFY(a.beskeder.boxe.isEmpty());
        QVERIFY(a.m->datoer.idagCaption.startsWith(QStringLiteral("I dag: ")));
    }

    void filenLaesesOgSkrives() {
        Andet a({u"120"_s, u"240"_s, u"500"_s, u"0"_s, u"1"_s});
        QVERIFY(!a.m->centrer);
        QCOMPARE(a.m->vinduesPos, QPoint(240, 120));
        QCOMPARE(a.m->hoejde, 500);
        QCOMPARE(a.m->aktivSide, int(TAndetModel::Talsystemer));
        QVERIFY(a.m->enheder.visEinfo);
        a.m->flyttet(QPoint(10, 20));
        a.m->bogChange(TAndetModel::Datoer);
        a.m->enheder.visEinfoClick(false);
        a.m->gemOpt();
        QFile f(a.m->optFilnavn);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("20\r\n10\r\n500\r\n1\r\n0\r\n"));
    }

    void kortFilStopperVedLinjen() {
        Andet a({u"120"_s, u"240"_s, u"x"_s, u"0"_s, u"1"_s});
        QCOMPARE(a.beskeder.boxe.size(), 1);
        QCOMPARE(a.beskeder.boxe[0].art, QStringLiteral("fejl"));
        QCOMPARE(a.m->vinduesPos, QPoint(240, 120)); // the lines before stay
        QCOMPARE(a.m->aktivSide, int(TAndetModel::Enhedskonvertering));
    }

    void tasterKunPaaTalsystemsiden() {
        Andet a;
        QVERIFY(!a.m->FormKeyPress(u'1'));
        a.m->bogChange(TAndetModel::Talsystemer);
        QVERIFY(a.m->FormKeyPress(u'1'));
        QVERIFY(!a.m->FormKeyPress(u'A'));
        QCOMPARE(a.m->talsystemer.inputEdit, QStringLiteral("1"));
    }

    void hjaelpGaarTilBrowseren() {
        Andet a;
        a.m->talsystemer.spmTalsystemerKnapClick();
        a.m->datoer.spmDatoerKnapClick();
        a.m->enheder.feltGoHoejreklik();
        QCOMPARE(a.hjaelp.emner, (QStringList{u"Info.txt|Funktioner"_s, u"Info.txt|Funktioner"_s,
                                              u"Enhedsinformation.txt|Temperatur"_s}));
        // Following the converter, the browser leaves the focus alone.
        a.hjaelp.emner.clear();
        a.m->enheder.visEinfoClick(true);
        a.m->enheder.fraEditEdited(QStringLiteral("2"));
        QVERIFY(!a.hjaelp.emner.isEmpty());
        QVERIFY(a.hjaelp.emner.last().startsWith(QStringLiteral("Enhedsinformation.txt|")));
        QVERIFY(a.hjaelp.emner.last().endsWith(QStringLiteral("|uden fokus")));
    }

    void hentFraTavlixLaeserDisplayet() {
        Andet a;
        for (QChar c : QStringLiteral("12,9"))
            a.regner.FormKeyPress(c);
        a.m->talsystemer.hentKnapClick();
        QCOMPARE(a.m->talsystemer.inputEdit, QStringLiteral("12"));
    }

    void hintlinjen() {
        Andet a;
        a.m->showHint(QStringLiteral("Ny|Forbered nyt input med samme input talsystem"));
        QCOMPARE(a.m->infoBar, QStringLiteral("Forbered nyt input med samme input talsystem"));
        a.visHint = false;
        a.m->showHint(QStringLiteral("Andet"));
        QCOMPARE(a.m->infoBar, QStringLiteral("Forbered nyt input med samme input talsystem"));
    }
};

QTEST_GUILESS_MAIN(TstAndetModel)
#include "tst_andetmodel.moc"
