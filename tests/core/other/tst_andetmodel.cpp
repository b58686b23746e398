#include "app/mainformmodel.h"
#include "beskedoptager.h"
#include "calc/hukommelse.h"
#include "calc/metaliste.h"
#include "calc/regner.h"
#include "formula/udtryk.h"
#include "other/andetmodel.h"

#include <memory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The main window's models and the other-functions window over a temporary data folder.
struct Andet {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    TUdtryk udtryk{regner, meta};
    std::unique_ptr<TMainformModel> hoved;
    std::unique_ptr<TAndetModel> m;

    explicit Andet(const QStringList& linjer = {}) {
        QDir(dir.path()).mkpath(QStringLiteral("Egenskaber"));
        hoved = std::make_unique<TMainformModel>(TProgramMapper::fra(dir.path()), beskeder, regner,
                                                 huk, udtryk);
        if (!linjer.isEmpty()) {
            QFile f(hoved->optDir() + QStringLiteral("andet.txt"));
            f.open(QIODevice::WriteOnly);
            f.write(linjer.join(QStringLiteral("\r\n")).toLatin1());
        }
        m = std::make_unique<TAndetModel>(*hoved, huk, regner, beskeder);
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
        Andet a({"120", "240", "500", "0", "1"});
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
        Andet a({"120", "240", "x", "0", "1"});
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

    void hjaelpGaarTilHovedvinduet() {
        Andet a;
        QSignalSpy spy(a.hoved.get(), &TMainformModel::informationOenskes);
        a.m->talsystemer.spmTalsystemerKnapClick();
        a.m->datoer.spmDatoerKnapClick();
        a.m->enheder.feltGoHoejreklik();
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy[0], (QVariantList{"Info.txt", "Funktioner"}));
        QCOMPARE(spy[1], (QVariantList{"Info.txt", "Funktioner"}));
        QCOMPARE(spy[2], (QVariantList{"Enhedsinformation.txt", "Temperatur"}));
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
        a.hoved->doShowHint = false;
        a.m->showHint(QStringLiteral("Andet"));
        QCOMPARE(a.m->infoBar, QStringLiteral("Forbered nyt input med samme input talsystem"));
    }
};

QTEST_GUILESS_MAIN(TstAndetModel)
#include "tst_andetmodel.moc"
