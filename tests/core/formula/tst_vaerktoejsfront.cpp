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

using namespace Qt::StringLiterals;

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
    QTest::newRow("formel") << QStringList{u"--"_s, u"5-3="_s} << QStringList{u"5-3="_s};
    QTest::newRow("formel med minus")
        << QStringList{u"--"_s, u"-5+3="_s} << QStringList{u"--formula=-5+3="_s};
    QTest::newRow("program") << QStringList{u"--program"_s, u"--input"_s, u"2"_s,   u"--input"_s,
                                            u"3"_s,         u"--"_s,      m_program}
                             << QStringList{u"--program"_s, m_program,    u"--input"_s,
                                            u"2"_s,         u"--input"_s, u"3"_s};
    QTest::newRow("andengrads") << QStringList{u"--quadratic"_s, u"--"_s, u"-1"_s, u"-0"_s, u"4"_s}
                                << QStringList{u"--quadratic"_s, u"-1"_s, u"-0"_s, u"4"_s};
    QTest::newRow("ligninger") << QStringList{u"--equations"_s, u"--"_s, u"+"_s, u"1"_s,  u"1"_s,
                                              u"2"_s,           u"+"_s,  u"1"_s, u"-1"_s, u"0"_s}
                               << QStringList{u"--equations"_s, u"+"_s, u"1"_s,  u"1"_s, u"2"_s,
                                              u"+"_s,           u"1"_s, u"-1"_s, u"0"_s};
    QTest::newRow("statistik") << QStringList{u"--statistics"_s, u"--population"_s, u"--"_s,
                                              u"-1"_s, u"3"_s}
                               << QStringList{u"--statistics"_s, u"-1"_s, u"3"_s,
                                              u"--population"_s};
    QTest::newRow("enheder") << QStringList{u"--convert"_s, u"--"_s, u"-40"_s, u"celsius"_s}
                             << QStringList{u"--convert"_s, u"-40"_s, u"celsius"_s};
    QTest::newRow("talsystemer") << QStringList{u"--base"_s, u"--"_s, u"-255"_s, u"Dec"_s, u"Hex"_s}
                                 << QStringList{u"--base"_s, u"-255"_s, u"Dec"_s, u"Hex"_s};
    QTest::newRow("datoer") << QStringList{u"--datediff"_s, u"--programdir"_s, m_dir.path(),
                                           u"--"_s,         u"1-1-2019"_s,     u"2-2-2020"_s}
                            << QStringList{u"--datediff"_s, u"1-1-2019"_s, u"2-2-2020"_s,
                                           u"--programdir"_s, m_dir.path()};
    QTest::newRow("primtal") << QStringList{u"--prime"_s, u"--"_s, u"7"_s}
                             << QStringList{u"--prime"_s, u"7"_s};
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
        QStringList a{u"--quadratic"_s, u"1"_s, u"2"_s, u"3"_s};
        a[i + 1] = QStringLiteral("abc");
        QTest::addRow("andengrads %d", i + 1) << a << QStringLiteral("værdi %1").arg(i + 1);
    }
    for (int i : {1, 2, 3, 5, 6, 7}) {
        QStringList a{u"--equations"_s, u"+"_s, u"1"_s, u"1"_s, u"2"_s,
                      u"*"_s,           u"1"_s, u"1"_s, u"2"_s};
        a[i + 1] = QStringLiteral("abc");
        QTest::addRow("ligninger %d", i + 1) << a << QStringLiteral("værdi %1").arg(i + 1);
    }
    QTest::newRow("statistik") << QStringList{u"--statistics"_s, u"2"_s, u"abc"_s, u"4"_s}
                               << u"værdi 2"_s;
    QTest::newRow("statistik tomt")
        << QStringList{u"--statistics"_s, u"2"_s, u""_s} << u"værdi 2"_s;
    QTest::newRow("enheder") << QStringList{u"--convert"_s, u"abc"_s, u"acre"_s} << u"værdi 1"_s;
    QTest::newRow("primtal") << QStringList{u"--prime"_s, u"abc"_s} << u"værdi 1"_s;
    QTest::newRow("primtal som valg") << QStringList{u"--prime=abc"_s} << u"værdi 1"_s;
    QTest::newRow("program input")
        << QStringList{u"--program"_s, m_program, u"--input"_s, u"abc"_s} << u"--input"_s;
    QTest::newRow("decimaler") << QStringList{u"--decimals"_s, u"abc"_s, u"1+1="_s}
                               << u"--decimals"_s;
    QTest::newRow("dato") << QStringList{u"--datediff"_s, u"abc"_s, u"1-1-2020"_s} << u"værdi 1"_s;
    QTest::newRow("form") << QStringList{u"--equations"_s, u"-"_s, u"1"_s, u"1"_s, u"2"_s,
                                         u"*"_s,           u"1"_s, u"1"_s, u"2"_s}
                          << "værdi 1";
    QTest::newRow("uendelig") << QStringList{u"--quadratic"_s, u"1"_s, u"1e400"_s, u"1"_s}
                              << u"værdi 2"_s;
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
    QTest::newRow("formel") << QStringList{u"@*2="_s};
    QTest::newRow("program") << QStringList{u"--program"_s, m_program,    u"--input"_s,
                                            u"@"_s,         u"--input"_s, u"4"_s};
    QTest::newRow("andengrads") << QStringList{u"--quadratic"_s, u"@"_s, u"-5"_s, u"@"_s};
    QTest::newRow("ligninger") << QStringList{u"--equations"_s, u"+"_s, u"@"_s, u"1"_s, u"2"_s,
                                              u"*"_s,           u"1"_s, u"@"_s, u"2"_s};
    QTest::newRow("statistik") << QStringList{u"--statistics"_s, u"1"_s, u"@"_s};
    QTest::newRow("enheder") << QStringList{u"--convert"_s, u"@"_s, u"Acre"_s};
    QTest::newRow("primtal") << QStringList{u"--prime"_s, u"@"_s};
    QTest::newRow("decimaler") << QStringList{u"--decimals"_s, u"2"_s, u"--"_s, u"@"_s};
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
    QTest::newRow("formel") << QStringList{u"--help"_s} << u"Brug: tavlix-formel [valg] [TEKST]"_s;
    QTest::newRow("kort") << QStringList{u"-h"_s, u"1+1="_s}
                          << u"Brug: tavlix-formel [valg] [TEKST]"_s;
    QTest::newRow("program") << QStringList{u"--program"_s, u"--help"_s}
                             << "Brug: tavlix-formel [valg] --program FIL";
    QTest::newRow("andengrads") << QStringList{u"--quadratic"_s, u"--help"_s}
                                << "Brug: tavlix-formel [valg] --quadratic A B C";
    QTest::newRow("ligninger") << QStringList{u"--help"_s, u"--equations"_s}
                               << "Brug: tavlix-formel [valg] --equations F1 A1 B1 C1 F2 A2 B2 C2";
    QTest::newRow("statistik") << QStringList{u"--statistics"_s, u"1"_s, u"--help"_s}
                               << "Brug: tavlix-formel [valg] --statistics V...";
    QTest::newRow("enheder") << QStringList{u"--convert"_s, u"--help"_s}
                             << "Brug: tavlix-formel [valg] --convert VÆRDI FRA [TIL]";
    QTest::newRow("talsystemer") << QStringList{u"--base"_s, u"--help"_s}
                                 << "Brug: tavlix-formel [valg] --base VÆRDI FRA TIL";
    QTest::newRow("datoer") << QStringList{u"--datediff"_s, u"--help"_s}
                            << "Brug: tavlix-formel [valg] --datediff DATO1 DATO2";
    QTest::newRow("primtal") << QStringList{u"--prime"_s, u"--help"_s}
                             << "Brug: tavlix-formel [valg] --prime N";
    QTest::newRow("primtal med tal")
        << QStringList{u"--prime=7"_s, u"--help"_s} << u"Brug: tavlix-formel [valg] --prime N"_s;
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
    const QString brug = koer({u"--help"_s}).ud;
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
    QTest::newRow("formel") << QStringList{u"2+3="_s} << 0;
    QTest::newRow("formel besked") << QStringList{u"2+3X"_s} << 1;
    QTest::newRow("taster besked") << QStringList{u"--keys"_s, u"0^1f=,5"_s} << 1;
    QTest::newRow("program") << QStringList{u"--program"_s, m_program,    u"--input"_s,
                                            u"2"_s,         u"--input"_s, u"3"_s}
                             << 0;
    QTest::newRow("program venter")
        << QStringList{u"--program"_s, m_program, u"--input"_s, u"2"_s} << 3;
    QTest::newRow("program mangler")
        << QStringList{u"--program"_s, m_dir.path() + u"/ingen.txt"_s} << 1;
    QTest::newRow("andengrads") << QStringList{u"--quadratic"_s, u"1"_s, u"-3"_s, u"2"_s} << 0;
    QTest::newRow("andengrads ugyldig")
        << QStringList{u"--quadratic"_s, u"0"_s, u"1"_s, u"1"_s} << 1;
    QTest::newRow("ligninger") << QStringList{u"--equations"_s, u"+"_s, u"2"_s,  u"3"_s, u"7"_s,
                                              u"+"_s,           u"1"_s, u"-1"_s, u"1"_s}
                               << 0;
    QTest::newRow("ligninger ugyldig")
        << QStringList{u"--equations"_s, u"+"_s, u"0"_s, u"0"_s, u"1"_s,
                       u"+"_s,           u"0"_s, u"0"_s, u"1"_s}
        << 1;
    QTest::newRow("statistik") << QStringList{u"--statistics"_s, u"1"_s, u"2"_s} << 0;
    QTest::newRow("statistik ingen beregning") << QStringList{u"--statistics"_s, u"4"_s} << 1;
    QTest::newRow("enheder") << QStringList{u"--convert"_s, u"1"_s, u"acre"_s} << 0;
    QTest::newRow("enheder ukendt") << QStringList{u"--convert"_s, u"1"_s, u"furlong"_s} << 2;
    QTest::newRow("talsystemer") << QStringList{u"--base"_s, u"ff"_s, u"Hex"_s, u"Dec"_s} << 0;
    QTest::newRow("talsystemer ciffer")
        << QStringList{u"--base"_s, u"12"_s, u"Bin"_s, u"Dec"_s} << 2;
    QTest::newRow("datoer") << QStringList{u"--datediff"_s, u"1.1.2019"_s, u"2.2.2020"_s,
                                           u"--programdir"_s, m_dir.path()}
                            << 0;
    QTest::newRow("datoer ugyldig") << QStringList{u"--datediff"_s, u"30-2-2013"_s, u"1-1-2013"_s,
                                                   u"--programdir"_s, m_dir.path()}
                                    << 1;
    QTest::newRow("primtal") << QStringList{u"--prime"_s, u"15"_s} << 0;
    QTest::newRow("primtal lige") << QStringList{u"--prime"_s, u"10"_s} << 1;
    QTest::newRow("primtal for lille") << QStringList{u"--prime"_s, u"1"_s} << 1;
    QTest::newRow("to tilstande") << QStringList{u"--prime"_s, u"7"_s, u"--base"_s} << 2;
    QTest::newRow("ukendt valg") << QStringList{u"--base"_s, u"1"_s, u"2"_s, u"3"_s, u"--squares"_s}
                                 << 2;
    QTest::newRow("batch som opgave") << QStringList{u"--batch"_s} << 2;
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
             (QStringList{u"5"_s, u"14"_s, u"1x^2 - 3x + 2 = 0 | D = 1 | x = 2 | x = 1"_s,
                          u"fejl 2: tavlix-formel: --prime: værdi 1 er ikke et helt tal: \"abc\""_s,
                          u"fejl 1: Beregning afbrudt! | Der er opstået en fejl. | Det kan "_s
                          "skyldes ugyldige funktionsdata. | Eller det kan have sin årsag i "
                          "ukendt tegn: X",
                          u"Kvadratmeter: 10117,141056"_s,
                          u"n=3 | Sum: 6 | Gennemsnit: 2 | Standardafvigelse: 1"_s,
                          u"fejl 2: tavlix-formel: --batch i en opgave"_s,
                          u"fejl 2: tavlix-formel: ukendt valg: -5+3="_s}));
    QCOMPARE(kode, 2);
    // Options given with --batch hold for every task.
    QCOMPARE(batch("ps\n1/3=\n", {u"--angle"_s, u"rad"_s, u"--decimals"_s, u"2"_s}),
             (QStringList{u"0,00"_s, u"0,33"_s}));
    QCOMPARE(batch("--prime 10\n", {}),
             QStringList{u"fejl 1: Et lige tal kan ikke være et primtal!"_s});
    QCOMPARE(batch("", {}, &kode), QStringList{});
    QCOMPARE(kode, 0);
}

void TestVaerktoejsfront::batchJson() {
    int kode = -1;
    const QStringList ud = batch("2+3=\n--prime 10\n--quadratic 1\n", {u"--json"_s}, &kode);
    QCOMPARE(ud.size(), 3);
    const QJsonObject a = QJsonDocument::fromJson(ud[0].toUtf8()).object();
    QCOMPARE(a.value(u"display"_s).toString(), QStringLiteral("5"));
    QCOMPARE(a.value(u"exitCode"_s).toInt(), 0);
    const QJsonObject b = QJsonDocument::fromJson(ud[1].toUtf8()).object();
    QCOMPARE(b.value(u"text"_s).toString(),
             QStringLiteral("Et lige tal kan ikke være et primtal!"));
    QCOMPARE(b.value(u"exitCode"_s).toInt(), 1);
    const QJsonObject c = QJsonDocument::fromJson(ud[2].toUtf8()).object();
    QCOMPARE(c.value(u"exitCode"_s).toInt(), 2);
    QVERIFY(c.value(u"messages"_s).toArray().first().toString().contains(u"--quadratic"_s));
    QCOMPARE(kode, 2);
}

void TestVaerktoejsfront::delLinje_data() {
    QTest::addColumn<QString>("linje");
    QTest::addColumn<QStringList>("dele");
    QTest::newRow("blanke") << "  --base  ff \tHex Dec "
                            << QStringList{u"--base"_s, u"ff"_s, u"Hex"_s, u"Dec"_s};
    QTest::newRow("citater") << "--convert 2 'Tønde land' \"meter pr. sekund\""
                             << QStringList{u"--convert"_s, u"2"_s, u"Tønde land"_s,
                                            u"meter pr. sekund"_s};
    QTest::newRow("tomt citat") << "--program p.txt --input ''"
                                << QStringList{u"--program"_s, u"p.txt"_s, u"--input"_s, u""_s};
    QTest::newRow("backslash") << u"a\\ b \"c\\\"d\""_s << QStringList{u"a b"_s, u"c\"d"_s};
    QTest::newRow("aabent citat") << u"'abc"_s << QStringList{u"abc"_s};
}

void TestVaerktoejsfront::delLinje() {
    QFETCH(QString, linje);
    QFETCH(QStringList, dele);
    QCOMPARE(vaerktoej::delLinje(linje), dele);
}

QTEST_GUILESS_MAIN(TestVaerktoejsfront)
#include "tst_vaerktoejsfront.moc"
