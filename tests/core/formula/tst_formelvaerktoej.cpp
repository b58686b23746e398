// The tavlix-formel tool: options, output and exit status.
#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

TFormelVaerktoej::Resultat koer(const QStringList& args, const QString& input = QString()) {
    return TFormelVaerktoej::koer(args, [input] { return input; });
}

QJsonObject json(const QStringList& args) {
    const auto r = koer(QStringList{QStringLiteral("--json")} + args);
    return QJsonDocument::fromJson(r.ud.toUtf8()).object();
}

QStringList liste(const QJsonValue& v) {
    QStringList l;
    for (const QJsonValue& x : v.toArray())
        l << x.toString();
    return l;
}

} // namespace

class TestFormelvaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { vaerktoej::tilfoejAlleTilstande(); }
    void display_data();
    void display();
    void jsonMedTaster();
    void jsonFelter();
    void beskeder();
    void tasterFortsaetterEfterFejl();
    void standardInput();
    void forkerteValg_data();
    void forkerteValg();
    void hjaelp();
};

// The first line of output: the display.
void TestFormelvaerktoej::display_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("display");
    QTest::newRow("eksempel") << QStringList{"2+3*4="} << "14";
    QTest::newRow("formula=") << QStringList{"--formula=2x+9ix="} << "7";
    QTest::newRow("formula med vaerdi") << QStringList{"--formula", "7m3="} << "1";
    QTest::newRow("tekst efter --") << QStringList{"--", "-5+3="} << "-2";
    QTest::newRow("keys") << QStringList{"--keys", "2+3="} << "5";
    QTest::newRow("keys=") << QStringList{"--keys=5,5="} << "5,5";
    QTest::newRow("radianer") << QStringList{"--angle", "rad", "ps"} << "1,22464679914735E-16";
    QTest::newRow("nygrader") << QStringList{"--angle=grad", "100s"} << "1";
    QTest::newRow("decimaler") << QStringList{"--decimals", "2", "1/3="} << "0,33";
    QTest::newRow("automatiske decimaler")
        << QStringList{"--decimals=-1", "1/3="} << "0,333333333333333";
    QTest::newRow("tom tekst") << QStringList{""} << "0";
}

void TestFormelvaerktoej::display() {
    QFETCH(QStringList, args);
    QFETCH(QString, display);
    const auto r = koer(args);
    QCOMPARE(r.exitKode, 0);
    QCOMPARE(r.ud, display + u'\n');
}

void TestFormelvaerktoej::jsonMedTaster() {
    const QJsonObject o = json({QStringLiteral("--keys"), QStringLiteral("2+3=")});
    QCOMPARE(o.value("display").toString(), QStringLiteral("5"));
    QCOMPARE(o.value("operator").toString(), QStringLiteral("="));
    QCOMPARE(o.value("expression").toString(), QStringLiteral("2 + 3 = 5"));
    QCOMPARE(o.value("formula").toString(), QStringLiteral("2+3="));
    QCOMPARE(liste(o.value("list")), QStringList{QStringLiteral("2 + 3 = 5")});
    QVERIFY(liste(o.value("messages")).isEmpty());
}

void TestFormelvaerktoej::jsonFelter() {
    QJsonObject o = json({QStringLiteral("--io"), QStringLiteral("2+3=")});
    QCOMPARE(liste(o.value("list")), (QStringList{"INPUT: 2+3=", "2 + 3 = 5", "OUTPUT: 5="}));
    o = json({QStringLiteral("7g+1=g")});
    QCOMPARE(o.value("memory").toString(), QStringLiteral("8"));
    QCOMPARE(liste(o.value("memoryList")), (QStringList{"8", "7"}));
    o = json({QStringLiteral("--no-list"), QStringLiteral("2+3=")});
    QVERIFY(liste(o.value("list")).isEmpty());
}

void TestFormelvaerktoej::beskeder() {
    const QJsonObject o = json({QStringLiteral("2+3X")});
    QCOMPARE(o.value("display").toString(), QStringLiteral("3"));
    const QStringList b = liste(o.value("messages"));
    QCOMPARE(b.size(), 1);
    QVERIFY(b[0].startsWith(QStringLiteral("Beregning afbrudt!")));
    QVERIFY(b[0].endsWith(QStringLiteral("ukendt tegn: X")));
    // Without --json the messages go to standard error.
    const auto r = koer({QStringLiteral("2+3X")});
    QCOMPARE(r.ud, QStringLiteral("3\n"));
    QVERIFY(r.fejlUd.contains(QStringLiteral("ukendt tegn: X")));
}

// Typing goes on after a key that reported an error; the replay ends there.
void TestFormelvaerktoej::tasterFortsaetterEfterFejl() {
    QJsonObject o = json({QStringLiteral("--keys"), QStringLiteral("0^1f=,5\b")});
    QCOMPARE(liste(o.value("messages")),
             QStringList{QStringLiteral("'INF,5' er ikke et gyldigt tal")});
    QCOMPARE(o.value("display").toString(), QStringLiteral("INF"));
    o = json({QStringLiteral("0^1f=,56")});
    QCOMPARE(liste(o.value("messages")),
             QStringList{QStringLiteral("'INF,5' er ikke et gyldigt tal")});
    QCOMPARE(o.value("formula").toString(), QStringLiteral("0^1f=,5"));
}

void TestFormelvaerktoej::standardInput() {
    auto r = koer({}, QStringLiteral("2+\n3=\n"));
    QCOMPARE(r.exitKode, 0);
    QCOMPARE(r.ud, QStringLiteral("5\n"));
    r = koer({QStringLiteral("--keys")}, QStringLiteral("4*4=\n"));
    QCOMPARE(r.ud, QStringLiteral("16\n"));
}

void TestFormelvaerktoej::forkerteValg_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("ukendt valg") << QStringList{"--foo", "1"};
    QTest::newRow("tekst med minus uden --") << QStringList{"-5+3="};
    QTest::newRow("to tekster") << QStringList{"1", "2"};
    QTest::newRow("ukendt vinkel") << QStringList{"--angle", "turns", "1"};
    QTest::newRow("vinkel uden vaerdi") << QStringList{"--angle"};
    QTest::newRow("for mange decimaler") << QStringList{"--decimals=5", "1"};
    QTest::newRow("decimaler ikke tal") << QStringList{"--decimals", "to", "1"};
    QTest::newRow("formula uden tekst") << QStringList{"--formula"};
}

void TestFormelvaerktoej::forkerteValg() {
    QFETCH(QStringList, args);
    const auto r = koer(args);
    QCOMPARE(r.exitKode, 2);
    QVERIFY(r.ud.isEmpty());
    QVERIFY(r.fejlUd.contains(QStringLiteral("Brug: tavlix-formel")));
}

void TestFormelvaerktoej::hjaelp() {
    const auto r = koer({QStringLiteral("--help")});
    QCOMPARE(r.exitKode, 0);
    QVERIFY(r.ud.startsWith(QStringLiteral("Brug: tavlix-formel")));
}

QTEST_GUILESS_MAIN(TestFormelvaerktoej)
#include "tst_formelvaerktoej.moc"
