// The one front end of tavlix-formel: the same handling of "--", numbers,
// --help and exit codes in every mode, and --batch.
#include "core/app/vaerktoejstilstande.h"
#include "core/formula/vaerktoejsfront.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

TVaerktoejsResultat koer(const QStringList& a) {
    return vaerktoej::koer(a, [] { return QString(); });
}

QStringList batch(const QByteArray& ind, const QStringList& faelles, int* kode = nullptr) {
    QBuffer b;
    b.setData(ind);
    b.open(QIODevice::ReadOnly);
    QString ud;
    const int k = vaerktoej::batch(b, faelles, [&ud](const QString& l) {
        ud += l;
        return true;
    });
    if (kode) *kode = k;
    return ud.split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestVaerktoejsfront : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void stregerIAlleTilstande_data();
    void stregerIAlleTilstande();
    void ikkeEtTal_data();
    void ikkeEtTal();
    void kommaOgPunktum_data();
    void kommaOgPunktum();
    void hjaelp_data();
    void hjaelp();
    void brugstekstenNaevnerHverTilstandEnGang();
    void afslutningskoder_data();
    void afslutningskoder();
    void batchBlandet();
    void batchJson();
    void delLinje_data();
    void delLinje();

private:
    QTemporaryDir m_dir;
    QString m_program; // asks two values, multiplies them
};

void TestVaerktoejsfront::initTestCase() {
    vaerktoej::tilfoejAlleTilstande();
    m_program = m_dir.path() + QStringLiteral("/p.txt");
    QFile f(m_program);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(":a\r\n:b\r\n*[0]=\r\n:c\r\n");
}

// "--" ends the options in every mode: the values after it are the same
// values as without it.
void TestVaerktoejsfront::stregerIAlleTilstande_data() {
    QTest::addColumn<QStringList>("medStreger");
    QTest::addColumn<QStringList>("uden");
    QTest::newRow("formel") << QStringList{"--", "5-3="} << QStringList{"5-3="};
    QTest::newRow("formel med minus")
        << QStringList{"--", "-5+3="} << QStringList{"--formula=-5+3="};
    QTest::newRow("program") << QStringList{"--program", "--input", "2",      "--input",
                                            "3",         "--",      m_program}
                             << QStringList{"--program", m_program, "--input", "2", "--input", "3"};
    QTest::newRow("andengrads") << QStringList{"--quadratic", "--", "-1", "-0", "4"}
                                << QStringList{"--quadratic", "-1", "-0", "4"};
    QTest::newRow("ligninger") << QStringList{"--equations", "--", "+", "1",  "1",
                                              "2",           "+",  "1", "-1", "0"}
                               << QStringList{"--equations", "+", "1",  "1", "2",
                                              "+",           "1", "-1", "0"};
    QTest::newRow("statistik") << QStringList{"--statistics", "--population", "--", "-1", "3"}
                               << QStringList{"--statistics", "-1", "3", "--population"};
    QTest::newRow("enheder") << QStringList{"--convert", "--", "-40", "celsius"}
                             << QStringList{"--convert", "-40", "celsius"};
    QTest::newRow("talsystemer") << QStringList{"--base", "--", "-255", "Dec", "Hex"}
                                 << QStringList{"--base", "-255", "Dec", "Hex"};
    QTest::newRow("datoer") << QStringList{"--datediff", "--programdir", m_dir.path(),
                                           "--",         "1-1-2019",     "2-2-2020"}
                            << QStringList{"--datediff", "1-1-2019", "2-2-2020", "--programdir",
                                           m_dir.path()};
    QTest::newRow("primtal") << QStringList{"--prime", "--", "7"} << QStringList{"--prime", "7"};
}

void TestVaerktoejsfront::stregerIAlleTilstande() {
    QFETCH(QStringList, medStreger);
    QFETCH(QStringList, uden);
    const auto a = koer(medStreger);
    const auto b = koer(uden);
    QVERIFY2(a.exitKode == 0, qPrintable(a.fejlUd));
    QCOMPARE(a.ud, b.ud);
    QCOMPARE(a.fejlUd, b.fejlUd);
    QVERIFY(!a.ud.isEmpty());
}

// A value that is not a number is refused, with the value and its place.
void TestVaerktoejsfront::ikkeEtTal_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("sted");
    for (int i = 0; i < 3; ++i) {
        QStringList a{"--quadratic", "1", "2", "3"};
        a[i + 1] = QStringLiteral("abc");
        QTest::addRow("andengrads %d", i + 1) << a << QStringLiteral("værdi %1").arg(i + 1);
    }
    for (int i : {1, 2, 3, 5, 6, 7}) {
        QStringList a{"--equations", "+", "1", "1", "2", "*", "1", "1", "2"};
        a[i + 1] = QStringLiteral("abc");
        QTest::addRow("ligninger %d", i + 1) << a << QStringLiteral("værdi %1").arg(i + 1);
    }
    QTest::newRow("statistik") << QStringList{"--statistics", "2", "abc", "4"} << "værdi 2";
    QTest::newRow("statistik tomt") << QStringList{"--statistics", "2", ""} << "værdi 2";
    QTest::newRow("enheder") << QStringList{"--convert", "abc", "acre"} << "værdi 1";
    QTest::newRow("primtal") << QStringList{"--prime", "abc"} << "værdi 1";
    QTest::newRow("primtal som valg") << QStringList{"--prime=abc"} << "værdi 1";
    QTest::newRow("program input")
        << QStringList{"--program", m_program, "--input", "abc"} << "--input";
    QTest::newRow("decimaler") << QStringList{"--decimals", "abc", "1+1="} << "--decimals";
    QTest::newRow("dato") << QStringList{"--datediff", "abc", "1-1-2020"} << "værdi 1";
    QTest::newRow("form") << QStringList{"--equations", "-", "1", "1", "2", "*", "1", "1", "2"}
                          << "værdi 1";
    QTest::newRow("uendelig") << QStringList{"--quadratic", "1", "1e400", "1"} << "værdi 2";
}

void TestVaerktoejsfront::ikkeEtTal() {
    QFETCH(QStringList, args);
    QFETCH(QString, sted);
    const auto r = koer(args);
    QCOMPARE(r.exitKode, 2);
    QVERIFY(r.ud.isEmpty());
    QVERIFY2(r.fejlUd.startsWith(QStringLiteral("tavlix-formel: ")), qPrintable(r.fejlUd));
    const QString foerste = r.fejlUd.section(u'\n', 0, 0);
    QVERIFY2(foerste.contains(sted), qPrintable(foerste));
}

// "2.5" and "2,5" are the same number in every mode.
void TestVaerktoejsfront::kommaOgPunktum_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("formel") << QStringList{"@*2="};
    QTest::newRow("program") << QStringList{"--program", m_program, "--input", "@", "--input", "4"};
    QTest::newRow("andengrads") << QStringList{"--quadratic", "@", "-5", "@"};
    QTest::newRow("ligninger") << QStringList{"--equations", "+", "@", "1", "2",
                                              "*",           "1", "@", "2"};
    QTest::newRow("statistik") << QStringList{"--statistics", "1", "@"};
    QTest::newRow("enheder") << QStringList{"--convert", "@", "Acre"};
    QTest::newRow("primtal") << QStringList{"--prime", "@"};
    QTest::newRow("decimaler") << QStringList{"--decimals", "2", "--", "@"};
}

void TestVaerktoejsfront::kommaOgPunktum() {
    QFETCH(QStringList, args);
    QStringList punktum = args, komma = args;
    punktum.replaceInStrings(QStringLiteral("@"), QStringLiteral("2.5"));
    komma.replaceInStrings(QStringLiteral("@"), QStringLiteral("2,5"));
    const auto a = koer(punktum);
    const auto b = koer(komma);
    QCOMPARE(a.exitKode, b.exitKode);
    QCOMPARE(a.ud, b.ud);
    // A refusal quotes the value as given.
    if (a.exitKode != 2) QCOMPARE(a.fejlUd, b.fejlUd);
    // A point is never dropped: 2.5 is not read as 25.
    QVERIFY2(!a.ud.contains(QStringLiteral("25")) || a.ud.contains(QStringLiteral("2,5")) ||
                 a.exitKode == 2,
             qPrintable(a.ud));
}

void TestVaerktoejsfront::hjaelp_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("foerste");
    QTest::newRow("formel") << QStringList{"--help"} << "Brug: tavlix-formel [valg] [TEKST]";
    QTest::newRow("kort") << QStringList{"-h", "1+1="} << "Brug: tavlix-formel [valg] [TEKST]";
    QTest::newRow("program") << QStringList{"--program", "--help"}
                             << "Brug: tavlix-formel [valg] --program FIL";
    QTest::newRow("andengrads") << QStringList{"--quadratic", "--help"}
                                << "Brug: tavlix-formel [valg] --quadratic A B C";
    QTest::newRow("ligninger") << QStringList{"--help", "--equations"}
                               << "Brug: tavlix-formel [valg] --equations F1 A1 B1 C1 F2 A2 B2 C2";
    QTest::newRow("statistik") << QStringList{"--statistics", "1", "--help"}
                               << "Brug: tavlix-formel [valg] --statistics V...";
    QTest::newRow("enheder") << QStringList{"--convert", "--help"}
                             << "Brug: tavlix-formel [valg] --convert VÆRDI FRA [TIL]";
    QTest::newRow("talsystemer") << QStringList{"--base", "--help"}
                                 << "Brug: tavlix-formel [valg] --base VÆRDI FRA TIL";
    QTest::newRow("datoer") << QStringList{"--datediff", "--help"}
                            << "Brug: tavlix-formel [valg] --datediff DATO1 DATO2";
    QTest::newRow("primtal") << QStringList{"--prime", "--help"}
                             << "Brug: tavlix-formel [valg] --prime N";
    QTest::newRow("primtal med tal")
        << QStringList{"--prime=7", "--help"} << "Brug: tavlix-formel [valg] --prime N";
}

void TestVaerktoejsfront::hjaelp() {
    QFETCH(QStringList, args);
    QFETCH(QString, foerste);
    const auto r = koer(args);
    QCOMPARE(r.exitKode, 0);
    QCOMPARE(r.ud.section(u'\n', 0, 0), foerste);
    QVERIFY(r.ud.contains(QStringLiteral("--json")));
    QVERIFY(r.fejlUd.isEmpty());
}

void TestVaerktoejsfront::brugstekstenNaevnerHverTilstandEnGang() {
    const QString brug = koer({"--help"}).ud;
    const QStringList linjer = brug.split(u'\n');
    for (const char* t : {"--program", "--quadratic", "--equations", "--statistics", "--convert",
                          "--base", "--datediff", "--prime", "--batch"}) {
        const QString navn = QString::fromLatin1(t);
        qsizetype iBrug = 0;
        for (const QString& l : linjer)
            if (l.contains(QStringLiteral("tavlix-formel [valg] ") + navn + u' ')) ++iBrug;
        QVERIFY2(iBrug == 1, t);
    }
}

// The exit-code rule: 0 result, 1 the program's message, 2 bad usage, 3 waiting.
void TestVaerktoejsfront::afslutningskoder_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("kode");
    QTest::newRow("formel") << QStringList{"2+3="} << 0;
    QTest::newRow("formel besked") << QStringList{"2+3X"} << 1;
    QTest::newRow("taster besked") << QStringList{"--keys", "0^1f=,5"} << 1;
    QTest::newRow("program") << QStringList{"--program", m_program, "--input", "2", "--input", "3"}
                             << 0;
    QTest::newRow("program venter") << QStringList{"--program", m_program, "--input", "2"} << 3;
    QTest::newRow("program mangler") << QStringList{"--program", m_dir.path() + "/ingen.txt"} << 1;
    QTest::newRow("andengrads") << QStringList{"--quadratic", "1", "-3", "2"} << 0;
    QTest::newRow("andengrads ugyldig") << QStringList{"--quadratic", "0", "1", "1"} << 1;
    QTest::newRow("ligninger") << QStringList{"--equations", "+", "2",  "3", "7",
                                              "+",           "1", "-1", "1"}
                               << 0;
    QTest::newRow("ligninger ugyldig")
        << QStringList{"--equations", "+", "0", "0", "1", "+", "0", "0", "1"} << 1;
    QTest::newRow("statistik") << QStringList{"--statistics", "1", "2"} << 0;
    QTest::newRow("statistik ingen beregning") << QStringList{"--statistics", "4"} << 1;
    QTest::newRow("enheder") << QStringList{"--convert", "1", "acre"} << 0;
    QTest::newRow("enheder ukendt") << QStringList{"--convert", "1", "furlong"} << 2;
    QTest::newRow("talsystemer") << QStringList{"--base", "ff", "Hex", "Dec"} << 0;
    QTest::newRow("talsystemer ciffer") << QStringList{"--base", "12", "Bin", "Dec"} << 2;
    QTest::newRow("datoer") << QStringList{"--datediff", "1.1.2019", "2.2.2020", "--programdir",
                                           m_dir.path()}
                            << 0;
    QTest::newRow("datoer ugyldig")
        << QStringList{"--datediff", "30-2-2013", "1-1-2013", "--programdir", m_dir.path()} << 1;
    QTest::newRow("primtal") << QStringList{"--prime", "15"} << 0;
    QTest::newRow("primtal lige") << QStringList{"--prime", "10"} << 1;
    QTest::newRow("primtal for lille") << QStringList{"--prime", "1"} << 1;
    QTest::newRow("to tilstande") << QStringList{"--prime", "7", "--base"} << 2;
    QTest::newRow("ukendt valg") << QStringList{"--base", "1", "2", "3", "--squares"} << 2;
    QTest::newRow("batch som opgave") << QStringList{"--batch"} << 2;
}

void TestVaerktoejsfront::afslutningskoder() {
    QFETCH(QStringList, args);
    QFETCH(int, kode);
    const auto r = koer(args);
    QVERIFY2(r.exitKode == kode, qPrintable(QString::number(r.exitKode) + u' ' + r.ud + r.fejlUd));
    // Every stop says why.
    if (kode != 0) QVERIFY(!r.fejlUd.isEmpty() || !r.ud.isEmpty());
}

void TestVaerktoejsfront::batchBlandet() {
    int kode = -1;
    const QStringList ud = batch("2+3=\n"
                                 "# a comment and a blank line are no tasks\n"
                                 "\n"
                                 "  2 + 3 * 4 =\r\n"
                                 "--quadratic 1 -3 2\n"
                                 "--prime abc\n"
                                 "2+3X\n"
                                 "--convert 2.5 Acre\n"
                                 "--statistics '1' \"2\" 3\n"
                                 "--batch\n"
                                 "-5+3=",
                                 {}, &kode);
    QCOMPARE(ud,
             (QStringList{"5", "14", "1x^2 - 3x + 2 = 0 | D = 1 | x = 2 | x = 1",
                          "fejl 2: tavlix-formel: --prime: værdi 1 er ikke et helt tal: \"abc\"",
                          "fejl 1: Beregning afbrudt! | Der er opstået en fejl. | Det kan "
                          "skyldes ugyldige funktionsdata. | Eller det kan have sin årsag i "
                          "ukendt tegn: X",
                          "Kvadratmeter: 10117,141056",
                          "n=3 | Sum: 6 | Gennemsnit: 2 | Standardafvigelse: 1",
                          "fejl 2: tavlix-formel: --batch i en opgave",
                          "fejl 2: tavlix-formel: ukendt valg: -5+3="}));
    QCOMPARE(kode, 2);
    // Options given with --batch hold for every task.
    QCOMPARE(batch("ps\n1/3=\n", {"--angle", "rad", "--decimals", "2"}),
             (QStringList{"0,00", "0,33"}));
    QCOMPARE(batch("--prime 10\n", {}),
             QStringList{"fejl 1: Et lige tal kan ikke være et primtal!"});
    QCOMPARE(batch("", {}, &kode), QStringList{});
    QCOMPARE(kode, 0);
}

void TestVaerktoejsfront::batchJson() {
    int kode = -1;
    const QStringList ud = batch("2+3=\n--prime 10\n--quadratic 1\n", {"--json"}, &kode);
    QCOMPARE(ud.size(), 3);
    const QJsonObject a = QJsonDocument::fromJson(ud[0].toUtf8()).object();
    QCOMPARE(a.value("display").toString(), QStringLiteral("5"));
    QCOMPARE(a.value("exitCode").toInt(), 0);
    const QJsonObject b = QJsonDocument::fromJson(ud[1].toUtf8()).object();
    QCOMPARE(b.value("text").toString(), QStringLiteral("Et lige tal kan ikke være et primtal!"));
    QCOMPARE(b.value("exitCode").toInt(), 1);
    const QJsonObject c = QJsonDocument::fromJson(ud[2].toUtf8()).object();
    QCOMPARE(c.value("exitCode").toInt(), 2);
    QVERIFY(c.value("messages").toArray().first().toString().contains("--quadratic"));
    QCOMPARE(kode, 2);
}

void TestVaerktoejsfront::delLinje_data() {
    QTest::addColumn<QString>("linje");
    QTest::addColumn<QStringList>("dele");
    QTest::newRow("blanke") << "  --base  ff \tHex Dec "
                            << QStringList{"--base", "ff", "Hex", "Dec"};
    QTest::newRow("citater") << "--convert 2 'Tønde land' \"meter pr. sekund\""
                             << QStringList{"--convert", "2", "Tønde land", "meter pr. sekund"};
    QTest::newRow("tomt citat") << "--program p.txt --input ''"
                                << QStringList{"--program", "p.txt", "--input", ""};
    QTest::newRow("backslash") << "a\\ b \"c\\\"d\"" << QStringList{"a b", "c\"d"};
    QTest::newRow("aabent citat") << "'abc" << QStringList{"abc"};
}

void TestVaerktoejsfront::delLinje() {
    QFETCH(QString, linje);
    QFETCH(QStringList, dele);
    QCOMPARE(vaerktoej::delLinje(linje), dele);
}

QTEST_GUILESS_MAIN(TestVaerktoejsfront)
#include "tst_vaerktoejsfront.moc"
