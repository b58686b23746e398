// The tavlix-formel tool: options, output and exit status.
#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

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
    QTest::newRow("eksempel") << QStringList{u"2+3*4="_s} << u"14"_s;
    QTest::newRow("formula=") << QStringList{u"--formula=2x+9ix="_s} << u"7"_s;
    QTest::newRow("formula med vaerdi") << QStringList{u"--formula"_s, u"7m3="_s} << u"1"_s;
    QTest::newRow("tekst efter --") << QStringList{u"--"_s, u"-5+3="_s} << u"-2"_s;
    QTest::newRow("keys") << QStringList{u"--keys"_s, u"2+3="_s} << u"5"_s;
    QTest::newRow("keys=") << QStringList{u"--keys=5,5="_s} << u"5,5"_s;
    QTest::newRow("radianer") << QStringList{u"--angle"_s, u"rad"_s, u"ps"_s}
                              << u"1,22464679914735E-16"_s;
    QTest::newRow("nygrader") << QStringList{u"--angle=grad"_s, u"100s"_s} << u"1"_s;
    QTest::newRow("decimaler") << QStringList{u"--decimals"_s, u"2"_s, u"1/3="_s} << u"0,33"_s;
    QTest::newRow("automatiske decimaler")
        << QStringList{u"--decimals=-1"_s, u"1/3="_s} << u"0,333333333333333"_s;
    QTest::newRow("tom tekst") << QStringList{u""_s} << u"0"_s;
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
    QCOMPARE(o.value(u"display"_s).toString(), QStringLiteral("5"));
    QCOMPARE(o.value(u"operator"_s).toString(), QStringLiteral("="));
    QCOMPARE(o.value(u"expression"_s).toString(), QStringLiteral("2 + 3 = 5"));
    QCOMPARE(o.value(u"formula"_s).toString(), QStringLiteral("2+3="));
    QCOMPARE(liste(o.value(u"list"_s)), QStringList{QStringLiteral("2 + 3 = 5")});
    QVERIFY(liste(o.value(u"messages"_s)).isEmpty());
}

void TestFormelvaerktoej::jsonFelter() {
    QJsonObject o = json({QStringLiteral("--io"), QStringLiteral("2+3=")});
    QCOMPARE(liste(o.value(u"list"_s)),
             (QStringList{u"INPUT: 2+3="_s, u"2 + 3 = 5"_s, u"OUTPUT: 5="_s}));
    o = json({QStringLiteral("7g+1=g")});
    QCOMPARE(o.value(u"memory"_s).toString(), QStringLiteral("8"));
    QCOMPARE(liste(o.value(u"memoryList"_s)), (QStringList{u"8"_s, u"7"_s}));
    o = json({QStringLiteral("--no-list"), QStringLiteral("2+3=")});
    QVERIFY(liste(o.value(u"list"_s)).isEmpty());
}

void TestFormelvaerktoej::beskeder() {
    const QJsonObject o = json({QStringLiteral("2+3X")});
    QCOMPARE(o.value(u"display"_s).toString(), QStringLiteral("3"));
    const QStringList b = liste(o.value(u"messages"_s));
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
    QCOMPARE(liste(o.value(u"messages"_s)),
             QStringList{QStringLiteral("'INF,5' er ikke et gyldigt tal")});
    QCOMPARE(o.value(u"display"_s).toString(), QStringLiteral("INF"));
    o = json({QStringLiteral("0^1f=,56")});
    QCOMPARE(liste(o.value(u"messages"_s)),
             QStringList{QStringLiteral("'INF,5' er ikke et gyldigt tal")});
    QCOMPARE(o.value(u"formula"_s).toString(), QStringLiteral("0^1f=,5"));
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
    QTest::newRow("ukendt valg") << QStringList{u"--foo"_s, u"1"_s};
    QTest::newRow("tekst med minus uden --") << QStringList{u"-5+3="_s};
    QTest::newRow("to tekster") << QStringList{u"1"_s, u"2"_s};
    QTest::newRow("ukendt vinkel") << QStringList{u"--angle"_s, u"turns"_s, u"1"_s};
    QTest::newRow("vinkel uden vaerdi") << QStringList{u"--angle"_s};
    QTest::newRow("for mange decimaler") << QStringList{u"--decimals=5"_s, u"1"_s};
    QTest::newRow("decimaler ikke tal") << QStringList{u"--decimals"_s, u"to"_s, u"1"_s};
    QTest::newRow("formula uden tekst") << QStringList{u"--formula"_s};
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
