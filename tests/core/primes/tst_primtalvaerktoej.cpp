#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QtTest>

class TstPrimtalVaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { vaerktoej::tilfoejAlleTilstande(); }
    void koer_data() {
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<int>("kode");
        QTest::addColumn<QString>("ud");
        QTest::newRow("divisorer") << QStringList{"--prime", "15"} << 0
                                   << "Der blev fundet 2 tal, der går op i tallet.\n3\n5\n";
        QTest::newRow("primtal") << QStringList{"--prime=2147483647"} << 0
                                 << "Tallet er et primtal\n";
        QTest::newRow("lige") << QStringList{"--prime", "10"} << 1
                              << "Et lige tal kan ikke være et primtal!\n";
        QTest::newRow("json") << QStringList{"--json", "--prime", "9"} << 0
                              << "{\"divisors\":[3],\"messages\":[],\"text\":\"Der blev fundet 1 "
                                 "tal, der går op i tallet.\"}\n";
        QTest::newRow("for lille") << QStringList{"--prime", "1"} << 1 << "";
        QTest::newRow("for stort json")
            << QStringList{"--prime", "99999999999", "--json"} << 0
            << "{\"divisors\":[],\"messages\":[\"Indførte tal overstiger integer-værdien "
               "2147483647.\"],\"text\":\"Tallet er et primtal\"}\n";
        QTest::newRow("ikke et tal") << QStringList{"--prime", "x", "--json"} << 2 << "";
        QTest::newRow("mangler tal") << QStringList{"--prime"} << 2 << "";
        QTest::newRow("ukendt valg") << QStringList{"--prime", "9", "--keys"} << 2 << "";
    }
    void koer() {
        QFETCH(QStringList, argumenter);
        const auto r = TFormelVaerktoej::koer(argumenter, {});
        QTEST(r.exitKode, "kode");
        QTEST(r.ud, "ud");
    }
    void forLilleSigerHvorfor() {
        const auto r = TFormelVaerktoej::koer({"--prime", "1"}, {});
        QCOMPARE(r.fejlUd, QStringLiteral("Tallet skal være mindst 3.\n"));
    }
};

QTEST_GUILESS_MAIN(TstPrimtalVaerktoej)
#include "tst_primtalvaerktoej.moc"
