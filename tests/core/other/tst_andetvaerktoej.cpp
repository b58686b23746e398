#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
TFormelVaerktoej::Resultat koer(const QStringList& a) {
    return TFormelVaerktoej::koer(a, [] { return QString(); });
}
} // namespace

class TstAndetVaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { vaerktoej::tilfoejAlleTilstande(); }
    void tekst_data() {
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<int>("kode");
        QTest::addColumn<QString>("ud");
        QTest::newRow("enhed med en maalenhed")
            << QStringList{"--convert", "1", "acre"} << 0 << "Kvadratmeter: 4046,8564224\n";
        QTest::newRow("ca") << QStringList{"--convert", "2", "TØNDE LAND", "kvadratmeter"} << 0
                            << "Kvadratmeter: Ca. 11032,4\n";
        QTest::newRow("hastighed kraever til") << QStringList{"--convert", "1", "Knop"} << 2 << "";
        QTest::newRow("hastighed") << QStringList{"--convert", "1", "Knop", "meter pr. sekund"} << 0
                                   << "Meter pr. sekund: 0,514444444444444\n";
        QTest::newRow("temperatur") << QStringList{"--convert", "212", "farenheit"} << 0
                                    << "Celsius: 100\nKelvin: 373,15\n";
        QTest::newRow("vinkel med til") << QStringList{"--convert", "180", "grad", "radian"} << 0
                                        << "Radian: 3,14159265358979\n";
        QTest::newRow("ukendt enhed") << QStringList{"--convert", "1", "Furlong"} << 2 << "";
        QTest::newRow("lone komma") << QStringList{"--convert", ",", "Acre"} << 2 << "";
        QTest::newRow("base") << QStringList{"--base", "ff", "Hex", "dec"} << 0 << "255\n";
        QTest::newRow("base tal") << QStringList{"--base", "255", "10", "2"} << 0 << "11111111\n";
        QTest::newRow("samme base") << QStringList{"--base", "17", "Dec", "Dec"} << 0 << "17\n";
        QTest::newRow("negativ") << QStringList{"--base", "-255", "Dec", "Hex"} << 0 << "-FF\n";
        QTest::newRow("2^64 til dec") << QStringList{"--base", "10000000000000000", "Hex", "10"}
                                      << 0 << "18446744073709551616\n";
        QTest::newRow("17 F til dec") << QStringList{"--base", "FFFFFFFFFFFFFFFFF", "Hex", "Dec"}
                                      << 0 << "295147905179352825855\n";
        QTest::newRow("ugyldigt ciffer") << QStringList{"--base", "12", "Bin", "Dec"} << 2 << "";
        QTest::newRow("base 17") << QStringList{"--base", "1", "17", "Dec"} << 2 << "";
        QTest::newRow("to tilstande") << QStringList{"--base", "1", "2", "--convert"} << 2 << "";
        QTest::newRow("formel efter streger") << QStringList{"--", "--base"} << 0 << "1\n";
    }
    void tekst() {
        QFETCH(QStringList, argumenter);
        QFETCH(int, kode);
        QFETCH(QString, ud);
        const auto r = koer(argumenter);
        QCOMPARE(r.exitKode, kode);
        if (kode != 2) QCOMPARE(r.ud, ud);
        if (kode == 2) QVERIFY(r.fejlUd.startsWith(QStringLiteral("tavlix-formel: ")));
    }

    void jsonFelter() {
        auto r = koer({"--json", "--convert", "1", "Hestekraft (metrisk)"});
        QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value("outputs").toArray().at(0).toObject(),
                 (QJsonObject{{"unit", "Watt"}, {"text", "Ca. 735,499"}}));
        QVERIFY(o.value("messages").toArray().isEmpty());

        r = koer({"--base", "Inf", "Dec", "Bin", "--json"});
        QCOMPARE(r.exitKode, 2); // 'I' is no digit

        r = koer({"--json", "--base", "1000", "bin", "dec"});
        o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value("text").toString(), QStringLiteral("8"));
    }

    void datoforskel() {
        // The helper comes from the build; the data folder holds only data,
        // and a missing one is not made.
        QTemporaryDir dir;
        const QString ingen = dir.path() + QStringLiteral("/ingen");
        auto r = koer({"--programdir", ingen, "--datediff", "01-01-2019", "02-02-2020"});
        QCOMPARE(r.exitKode, 0);
        QVERIFY(!QFileInfo::exists(ingen));
        r = koer({"--programdir", dir.path(), "--datediff", "01-01-2019", "02-02-2020"});
        QCOMPARE(r.exitKode, 0);
        QCOMPARE(r.ud, QStringLiteral("1 år, 1 måned samt 1 dag.\n397 dage ialt.\n"));

        r = koer(
            {"--json", "--programdir=" + dir.path(), "--datediff", "29-02-2012", "28-02-2013"});
        const QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value("years").toInt(), 1);
        QCOMPARE(o.value("months").toInt(), 0);
        QCOMPARE(o.value("days").toInt(), 0);
        QCOMPARE(o.value("totalDays").toInt(), 365);
        QVERIFY(o.value("messages").toArray().isEmpty());

        r = koer({"--json", "--programdir", dir.path(), "--datediff", "30-2-2013", "1-1-2013"});
        QCOMPARE(r.exitKode, 1);
        QCOMPARE(QJsonDocument::fromJson(r.ud.toUtf8()).object().value("messages").toArray().at(0),
                 QJsonValue("Ugyldig dato: 30-2-2013"));
    }
};

QTEST_GUILESS_MAIN(TstAndetVaerktoej)
#include "tst_andetvaerktoej.moc"
