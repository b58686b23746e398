#include "beskedoptager.h"
#include "core/app/egenskaber.h"
#include "core/app/mainformmodel.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/fejl.h"
#include "core/formula/udtryk.h"

#include <memory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The frame and the settings dialog over a temporary data folder.
struct Opsaetning {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    TUdtryk udtryk{regner, meta};
    std::unique_ptr<TMainformModel> m;
    std::unique_ptr<TEgenskabsModel> e;

    Opsaetning() {
        QDir(dir.path()).mkpath(QStringLiteral("Egenskaber"));
        m = std::make_unique<TMainformModel>(TProgramMapper::fra(dir.path()), beskeder, regner, huk,
                                             udtryk);
        m->FormCreate();
        e = std::make_unique<TEgenskabsModel>(*m, huk, beskeder);
        e->FormCreate();
    }
};

class TstEgenskaber : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stoerrelse_data() {
        QTest::addColumn<qint64>("antal");
        QTest::addColumn<int>("stoerrelse");
        QTest::newRow("20 halv til lige") << qint64(20) << 16;
        QTest::newRow("28 halv til lige") << qint64(28) << 32;
        QTest::newRow("3 op til 8") << qint64(3) << 8;
        QTest::newRow("0 op til 8") << qint64(0) << 8;
        QTest::newRow("40") << qint64(40) << 40;
        QTest::newRow("negativ op til 8") << qint64(-20) << 8;
        QTest::newRow("største 32 bit") << qint64(2147483647) << 1000;
        QTest::newRow("over grænsen") << qint64(1004) << 1000;
    }
    void stoerrelse() {
        QFETCH(qint64, antal);
        QTEST(TEgenskabsModel::hukommelsesStoerrelse(antal), "stoerrelse");
    }

    void visning_data() {
        QTest::addColumn<int>("hukFilantal");
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<bool>("feltAktiv");
        QTest::newRow("16") << 16 << 1 << false;
        QTest::newRow("40 flere") << 40 << 4 << true;
        QTest::newRow("32") << 32 << 3 << false;
        QTest::newRow("36 halv til lige") << 36 << 3 << false;
        QTest::newRow("0 ingen") << 0 << -1 << false;
    }
    void visning() {
        Opsaetning o;
        QFETCH(int, hukFilantal);
        o.m->hukFilantal = hukFilantal;
        o.m->doShowHint = false;
        o.e->Egenskaber1Click();
        QTEST(o.e->eleGroup, "gruppe");
        QTEST(o.e->antalEditAktiv, "feltAktiv");
        QCOMPARE(o.e->antalEdit, QString::number(hukFilantal));
        QVERIFY(!o.e->showHintCheck);
        QCOMPARE(o.e->designBox.at(o.e->designIndeks), o.m->designName);
    }

    void gruppeKlik() {
        Opsaetning o;
        o.e->eleGroupClick(2);
        QCOMPARE(o.e->antalEdit, QStringLiteral("24"));
        QVERIFY(!o.e->antalEditAktiv);
        o.e->eleGroupClick(TEgenskabsModel::flereIndeks);
        QVERIFY(o.e->antalEditAktiv);
        QCOMPARE(o.e->antalEdit, QStringLiteral("24"));
    }

    void gem_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("stoerrelse");
        QTest::newRow("20") << "20" << 16;
        QTest::newRow("28") << "28" << 32;
        QTest::newRow("3 op til 8") << "3" << 8;
        QTest::newRow("negativ op til 8") << "-100" << 8;
        QTest::newRow("stor") << "99999" << 1000;
        // More digits than 32 bits hold: clamped, the other settings applied.
        QTest::newRow("over 32 bit") << "99999999999" << 1000;
        QTest::newRow("negativ over 32 bit") << "-99999999999" << 8;
    }
    void gem() {
        Opsaetning o;
        QSignalSpy tema(o.m.get(), &TMainformModel::designAendret);
        o.e->Egenskaber1Click();
        o.e->eleGroupClick(TEgenskabsModel::flereIndeks);
        QFETCH(QString, tekst);
        o.e->antalEdit = tekst;
        o.e->showHintCheck = false;
        o.e->designBoxChange(static_cast<int>(o.e->designBox.indexOf(QStringLiteral("Carbon"))));
        o.e->gemKnapClick();
        QTEST(o.m->hukFilantal, "stoerrelse");
        QCOMPARE(o.huk.Huk.Filantal(), o.m->hukFilantal);
        // The dialog shows what was applied, with its choice marked.
        QCOMPARE(o.e->antalEdit, QString::number(o.m->hukFilantal));
        QVERIFY(o.e->eleGroup >= 0);
        QVERIFY(!o.m->doShowHint);
        QCOMPARE(o.m->designName, QStringLiteral("Carbon"));
        QCOMPARE(tema.count(), 1);
    }

    // "Annuller" after "Test og gem": the tested theme stays, nothing else changes.
    void annullerEfterTest() {
        Opsaetning o;
        o.e->Egenskaber1Click();
        o.e->designBoxChange(static_cast<int>(o.e->designBox.indexOf(QStringLiteral("Sky"))));
        o.e->testKnapClick();
        QCOMPARE(o.m->designName, QStringLiteral("Sky"));
        o.e->eleGroupClick(3);
        o.e->showHintCheck = false;
        o.e->FormClose(); // cancelled: gemKnapClick is not run
        QCOMPARE(o.m->designName, QStringLiteral("Sky"));
        QCOMPARE(o.m->hukFilantal, 16);
        QVERIFY(o.m->doShowHint);
        QCOMPARE(o.beskeder.hints, QStringList{QString()});
    }

    void position() {
        Opsaetning o;
        QVERIFY(o.e->centreret);
        o.e->flyttet(QPoint(30, 70));
        o.e->FormClose();
        QFile f(o.e->optFilnavn);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("70\r\n30\r\n"));
        TEgenskabsModel igen(*o.m, o.huk, o.beskeder);
        igen.FormCreate();
        QVERIFY(!igen.centreret);
        QCOMPARE(igen.position, QPoint(30, 70));
    }

    // A huge memory size in the main options file is kept at the dialog's limit.
    void hovedfilStorHukommelse() {
        Opsaetning o;
        QFile f(o.m->optFilnavn());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "Carbon\r\n0\r\n0\r\n0\r\n489\r\n0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n2000000000\r\n1\r\n");
        f.close();
        o.m->FormCreate();
        QCOMPARE(o.m->hukFilantal, TEgenskabsModel::stoersteHukommelse);
        QCOMPARE(o.huk.Huk.Filantal(), TEgenskabsModel::stoersteHukommelse);
    }

    void kortFil() {
        Opsaetning o;
        QFile f(o.e->optFilnavn);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("70\r\n");
        f.close();
        TEgenskabsModel igen(*o.m, o.huk, o.beskeder);
        igen.FormCreate();
        QVERIFY(igen.centreret);
        QCOMPARE(o.beskeder.boxe.size(), 1);
        QCOMPARE(o.beskeder.boxe.at(0).art, QStringLiteral("fejl"));
    }
};

QTEST_GUILESS_MAIN(TstEgenskaber)
#include "tst_egenskaber.moc"
