#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstPrimtalVaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { vaerktoej::tilfoejAlleTilstande(); }
    void koer_data() {
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<int>("kode");
        QTest::addColumn<QString>("ud");
        QTest::newRow("divisorer") << QStringList{u"--prime"_s, u"15"_s} << 0
                                   << "Der blev fundet 2 tal, der går op i tallet.\n3\n5\n";
        QTest::newRow("primtal") << QStringList{u"--prime=2147483647"_s} << 0
                                 << "Tallet er et primtal\n";
        QTest::newRow("lige") << QStringList{u"--prime"_s, u"10"_s} << 1
                              << "Et lige tal kan ikke være et primtal!\n";
        QTest::newRow("json") << QStringList{u"--json"_s, u"--prime"_s, u"9"_s} << 0
                              << "{\"divisors\":[3],\"messages\":[],\"text\":\"Der blev fundet 1 "
                                 "tal, der går op i tallet.\"}\n";
        QTest::newRow("for lille") << QStringList{u"--prime"_s, u"1"_s} << 1 << u""_s;
        QTest::newRow("for stort json")
            << QStringList{u"--prime"_s, u"99999999999"_s, u"--json"_s} << 0
            << "{\"divisors\":[],\"messages\":[\"Indførte tal overstiger integer-værdien "
               "2147483647.\"],\"text\":\"Tallet er et primtal\"}\n";
        QTest::newRow("ikke et tal")
            << QStringList{u"--prime"_s, u"x"_s, u"--json"_s} << 2 << u""_s;
        QTest::newRow("mangler tal") << QStringList{u"--prime"_s} << 2 << u""_s;
        QTest::newRow("ukendt valg")
            << QStringList{u"--prime"_s, u"9"_s, u"--keys"_s} << 2 << u""_s;
    }
    void koer() {
        QFETCH(QStringList, argumenter);
        const auto r = TFormelVaerktoej::koer(argumenter, {});
        QTEST(r.exitKode, "kode");
        QTEST(r.ud, "ud");
    }
    void forLilleSigerHvorfor() {
        const auto r = TFormelVaerktoej::koer({u"--prime"_s, u"1"_s}, {});
        QCOMPARE(r.fejlUd, QStringLiteral("Tallet skal være mindst 3.\n"));
    }
};

QTEST_GUILESS_MAIN(TstPrimtalVaerktoej)
#include "tst_primtalvaerktoej.moc"
