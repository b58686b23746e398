#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

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
        QTest::newRow("enhed med en maalenhed") << QStringList{u"--convert"_s, u"1"_s, u"acre"_s}
                                                << 0 << u"Kvadratmeter: 4046,8564224\n"_s;
        QTest::newRow("ca") << QStringList{u"--convert"_s, u"2"_s, u"TØNDE LAND"_s,
                                           u"kvadratmeter"_s}
                            << 0 << "Kvadratmeter: Ca. 11032,4\n";
        QTest::newRow("hastighed kraever til")
            << QStringList{u"--convert"_s, u"1"_s, u"Knop"_s} << 2 << u""_s;
        QTest::newRow("hastighed")
            << QStringList{u"--convert"_s, u"1"_s, u"Knop"_s, u"meter pr. sekund"_s} << 0
            << "Meter pr. sekund: 0,514444444444444\n";
        QTest::newRow("temperatur") << QStringList{u"--convert"_s, u"212"_s, u"farenheit"_s} << 0
                                    << "Celsius: 100\nKelvin: 373,15\n";
        QTest::newRow("vinkel med til")
            << QStringList{u"--convert"_s, u"180"_s, u"grad"_s, u"radian"_s} << 0
            << "Radian: 3,14159265358979\n";
        QTest::newRow("ukendt enhed")
            << QStringList{u"--convert"_s, u"1"_s, u"Furlong"_s} << 2 << u""_s;
        QTest::newRow("lone komma") << QStringList{u"--convert"_s, u","_s, u"Acre"_s} << 2 << u""_s;
        QTest::newRow("base") << QStringList{u"--base"_s, u"ff"_s, u"Hex"_s, u"dec"_s} << 0
                              << u"255\n"_s;
        QTest::newRow("base tal") << QStringList{u"--base"_s, u"255"_s, u"10"_s, u"2"_s} << 0
                                  << u"11111111\n"_s;
        QTest::newRow("samme base")
            << QStringList{u"--base"_s, u"17"_s, u"Dec"_s, u"Dec"_s} << 0 << u"17\n"_s;
        QTest::newRow("negativ") << QStringList{u"--base"_s, u"-255"_s, u"Dec"_s, u"Hex"_s} << 0
                                 << u"-FF\n"_s;
        QTest::newRow("2^64 til dec")
            << QStringList{u"--base"_s, u"10000000000000000"_s, u"Hex"_s, u"10"_s} << 0
            << "18446744073709551616\n";
        QTest::newRow("17 F til dec")
            << QStringList{u"--base"_s, u"FFFFFFFFFFFFFFFFF"_s, u"Hex"_s, u"Dec"_s} << 0
            << "295147905179352825855\n";
        QTest::newRow("ugyldigt ciffer")
            << QStringList{u"--base"_s, u"12"_s, u"Bin"_s, u"Dec"_s} << 2 << u""_s;
        QTest::newRow("base 17") << QStringList{u"--base"_s, u"1"_s, u"17"_s, u"Dec"_s} << 2
                                 << u""_s;
        QTest::newRow("to tilstande")
            << QStringList{u"--base"_s, u"1"_s, u"2"_s, u"--convert"_s} << 2 << u""_s;
        QTest::newRow("formel efter streger") << QStringList{u"--"_s, u"--base"_s} << 0 << u"1\n"_s;
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
        auto r = koer({u"--json"_s, u"--convert"_s, u"1"_s, u"Hestekraft (metrisk)"_s});
        QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value(u"outputs"_s).toArray().at(0).toObject(),
                 (QJsonObject{{u"unit"_s, u"Watt"_s}, {u"text"_s, u"Ca. 735,499"_s}}));
        QVERIFY(o.value(u"messages"_s).toArray().isEmpty());

        r = koer({u"--base"_s, u"Inf"_s, u"Dec"_s, u"Bin"_s, u"--json"_s});
        QCOMPARE(r.exitKode, 2); // 'I' is no digit

        r = koer({u"--json"_s, u"--base"_s, u"1000"_s, u"bin"_s, u"dec"_s});
        o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value(u"text"_s).toString(), QStringLiteral("8"));
    }

    void datoforskel() {
        // The helper comes from the build; the data folder holds only data,
        // and a missing one is not made.
        QTemporaryDir dir;
        const QString ingen = dir.path() + QStringLiteral("/ingen");
        auto r =
            koer({u"--programdir"_s, ingen, u"--datediff"_s, u"01-01-2019"_s, u"02-02-2020"_s});
        QCOMPARE(r.exitKode, 0);
        QVERIFY(!QFileInfo::exists(ingen));
        r = koer(
            {u"--programdir"_s, dir.path(), u"--datediff"_s, u"01-01-2019"_s, u"02-02-2020"_s});
        QCOMPARE(r.exitKode, 0);
        QCOMPARE(r.ud, QStringLiteral("1 år, 1 måned samt 1 dag.\n397 dage ialt.\n"));

        r = koer({u"--json"_s, u"--programdir="_s + dir.path(), u"--datediff"_s, u"29-02-2012"_s,
                  u"28-02-2013"_s});
        const QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value(u"years"_s).toInt(), 1);
        QCOMPARE(o.value(u"months"_s).toInt(), 0);
        QCOMPARE(o.value(u"days"_s).toInt(), 0);
        QCOMPARE(o.value(u"totalDays"_s).toInt(), 365);
        QVERIFY(o.value(u"messages"_s).toArray().isEmpty());

        r = koer({u"--json"_s, u"--programdir"_s, dir.path(), u"--datediff"_s, u"30-2-2013"_s,
                  u"1-1-2013"_s});
        QCOMPARE(r.exitKode, 1);
        QCOMPARE(
            QJsonDocument::fromJson(r.ud.toUtf8()).object().value(u"messages"_s).toArray().at(0),
            QJsonValue(u"Ugyldig dato: 30-2-2013"_s));
    }
};

QTEST_GUILESS_MAIN(TstAndetVaerktoej)
#include "tst_andetvaerktoej.moc"
