// Formula programs: reading, running with typed values, references, aborts,
// and the formula page's files.
#include "../calc/regnerfixtur.h"
#include "core/formula/formelprogram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

using namespace Qt::StringLiterals;
#endif

namespace {

// A calculator and a formula page over a temporary formula folder.
struct Fixtur : RegnerFixtur {
    QTemporaryDir dir;
    TFormelProgram program{regner, meta, beskeder, dir.path()};

    // Runs the program and answers each prompt: a value's keys, then Enter.
    // "\b" in a value is Backspace; an empty value presses Enter alone.
    void koer(const QStringList& linjer, const QStringList& svar = {}) {
        program.setFormelMemoTekst(linjer.join(u'\n'));
        program.formelBeregnClick();
        for (const QString& s : svar) {
            QVERIFY2(regner.PformelOn(), "the program does not wait");
            tast(s + QChar(13));
        }
    }
    QString fil(const QString& navn) const { return dir.path() + u'/' + navn; }
    QByteArray bytes(const QString& navn) const {
        QFile f(fil(navn));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
    }
    void skrivFil(const QString& navn, const QByteArray& b) const {
        QFile f(fil(navn));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
};

} // namespace

class TestFormelprogram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void koersel_data();
    void koersel();
    void normaliseringVisesIEditoren();
    void venterOgAfslutter();
    void tastEfterKoerslenBevarerListen_data();
    void tastEfterKoerslenBevarerListen();
    void spoergsmaalViserNul();
    void tilbageUnderKoersel();
    void lighedstegnSomIUdtryksvinduet();
    void referencerBrugerDenIndtastedeVaerdi();
    void nyTastUnderVentetidenFortsaetter();
    void listenFoelgerVisBoksen();
    void afbrydelser_data();
    void afbrydelser();
    void tomtProgram_data();
    void tomtProgram();
    void filformat_data();
    void filformat();
    void gem_data();
    void gem();
    void gemMedDialog();
    void filnavnUdenforMappenAfvises_data();
    void filnavnUdenforMappenAfvises();
    void filListenOgIndlaesning();
    void slet();
    void sideTaster();
    void daarligeFiler();
    void linkUdAfMappen();
};

// Protocol lines of whole runs: the documented examples and the edge cases that matter.
void TestFormelprogram::koersel_data() {
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<QStringList>("svar");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("display");
    const QStringList slut{u"Udført"_s, u""_s};
    QTest::newRow("rektangel") << QStringList{u"!Areal af et rektangel"_s, u":Længde"_s,
                                              u":Bredde"_s, u"*[0]="_s, u":Areal"_s}
                               << QStringList{u"4"_s, u"3"_s}
                               << QStringList{u"Areal af et rektangel"_s,
                                              u"Længde"_s,
                                              u"Længde = 4"_s,
                                              u"Bredde"_s,
                                              u"Bredde = 3"_s,
                                              u"Areal = 12"_s} +
                                      slut
                               << "12";
    QTest::newRow("uden labels") << QStringList{u"x="_s} << QStringList{u"5"_s}
                                 << QStringList{u"input værdi"_s, u"input værdi = 5"_s,
                                                u"resultat = 25"_s} +
                                        slut
                                 << "25";
    QTest::newRow("store bogstaver")
        << QStringList{u"X="_s} << QStringList{u"5"_s}
        << QStringList{u"input værdi"_s, u"input værdi = 5"_s, u"resultat = 25"_s} + slut
        << u"25"_s;
    QTest::newRow("to operationslinjer")
        << QStringList{u":a"_s, u":b"_s, u"*"_s, u"[0]="_s, u":c"_s} << QStringList{u"4"_s, u"3"_s}
        << QStringList{u"a"_s, u"a = 4"_s, u"b"_s, u"b = 3"_s, u"c = 12"_s} + slut << u"12"_s;
    QTest::newRow("kommentar midt i")
        << QStringList{u":a"_s, u"!midt"_s, u"+1="_s, u":b"_s} << QStringList{u"2"_s}
        << QStringList{u"midt"_s, u"a"_s, u"a = 2"_s, u"b = 3"_s} + slut << u"3"_s;
    QTest::newRow("negeret reference")
        << QStringList{u":a"_s, u":b"_s, u"[1]f+[0]="_s, u":c"_s} << QStringList{u"10"_s, u"3"_s}
        << QStringList{u"a"_s, u"a = 10"_s, u"b"_s, u"b = 3"_s, u"c = 7"_s} + slut << u"7"_s;
    QTest::newRow("label efter operator venter")
        << QStringList{u":a"_s, u"5+"_s, u":b"_s, u"="_s, u":c"_s} << QStringList{u"2"_s, u"3"_s}
        << QStringList{u"a"_s, u"a = 2"_s, u"b = 0"_s, u"c = 8"_s} + slut << u"8"_s;
    QTest::newRow("operation foer label")
        << QStringList{u"!k"_s, u"5*2="_s, u":r"_s} << QStringList{}
        << QStringList{u"k"_s, u"Der mangler indledende tekstlinie! = 0"_s, u"r = 10"_s} + slut
        << u"10"_s;
    QTest::newRow("mellemresultat venter paa Enter")
        << QStringList{u":a"_s, u"x="_s, u":b"_s, u"+1="_s, u":c"_s} << QStringList{u"3"_s, u""_s}
        << QStringList{u"a"_s, u"a = 3"_s, u"b = 9"_s, u"c = 10"_s} + slut << u"10"_s;
    QTest::newRow("komma og punktum")
        << QStringList{u":a"_s, u"*2="_s, u":b"_s} << QStringList{u"1.5"_s}
        << QStringList{u"a"_s, u"a = 1,5"_s, u"b = 3"_s} + slut << u"3"_s;
    QTest::newRow("stort fakultet")
        << QStringList{u":n"_s, u"*1=!"_s, u":f"_s} << QStringList{u"100000000000"_s}
        << QStringList{u"n"_s, u"n = 100000000000"_s, u"f = INF"_s} + slut << u"INF"_s;
    QTest::newRow("kun label") << QStringList{u":a"_s} << QStringList{}
                               << QStringList{u"a"_s} + slut << "0";
}

void TestFormelprogram::koersel() {
    QFETCH(QStringList, linjer);
    QFETCH(QStringList, svar);
    QFETCH(QStringList, liste);
    QFETCH(QString, display);
    Fixtur f;
    f.koer(linjer, svar);
    QCOMPARE(f.meta.linjer, liste);
    QCOMPARE(f.regner.displayTekst(), display);
    QVERIFY(!f.regner.PformelOn());
    QVERIFY(!f.regner.FormelOn());
    QVERIFY(f.program.Pformel().isEmpty());
    QVERIFY(f.beskeder.boxe.isEmpty());
    QVERIFY(f.beskeder.hints.isEmpty());
}

void TestFormelprogram::normaliseringVisesIEditoren() {
    Fixtur f;
    int aendret = 0;
    connect(&f.program, &TFormelProgram::aendret, [&] { ++aendret; });
    f.koer({u"   x="_s, u""_s, u"    "_s});
    QCOMPARE(f.program.formelMemo(), QStringList({u":input værdi"_s, u"x="_s, u":resultat"_s}));
    QVERIFY(aendret > 0);
}

void TestFormelprogram::venterOgAfslutter() {
    Fixtur f;
    int visRegner = 0;
    connect(&f.program, &TFormelProgram::visRegnerOenskes, [&] { ++visRegner; });
    f.koer({u":a"_s, u":b"_s, u"*[0]="_s, u":c"_s});
    QCOMPARE(visRegner, 1);
    QVERIFY(f.regner.FormelOn());
    QVERIFY(f.regner.PformelOn());
    QCOMPARE(f.program.Pformel().size(), 3);
    // "=" and F9 resume as Enter does.
    f.tast(QStringLiteral("6="));
    QCOMPARE(f.meta.linjer.last(), QStringLiteral("b"));
    f.tast(QStringLiteral("7"));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_F9, Qt::NoModifier));
    QCOMPARE(f.meta.linjer, QStringList({u"a"_s, u"a = 6"_s, u"b"_s, u"b = 7"_s, u"c = 42"_s,
                                         u"Udført"_s, u""_s}));
    QVERIFY(!f.regner.FormelOn());
    QCOMPARE(f.meta.valgt, f.meta.antal() - 1);
    // Typing after the end starts a new number, not one appended to the result.
    f.tast(QStringLiteral("5"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
}

// The key after the end is no new task: the protocol stays in the list. A
// digit starts a number, an operator goes on from the result (12).
void TestFormelprogram::tastEfterKoerslenBevarerListen_data() {
    QTest::addColumn<QString>("taster");
    QTest::addColumn<QString>("display");
    QTest::newRow("ciffer") << "5"
                            << "5";
    QTest::newRow("komma") << ",5"
                           << "0,5";
    QTest::newRow("operator") << "+2="
                              << "14";
    QTest::newRow("nyt tal og operator") << "5*2="
                                         << "10";
}

void TestFormelprogram::tastEfterKoerslenBevarerListen() {
    QFETCH(QString, taster);
    QFETCH(QString, display);
    Fixtur f;
    f.koer({u":Længde"_s, u":Bredde"_s, u"*[0]="_s, u":Areal"_s}, {u"4"_s, u"3"_s});
    QVERIFY(!f.regner.FormelOn());
    const QStringList protokol = f.meta.linjer;
    QCOMPARE(protokol.size(), 7);
    f.tast(taster);
    QCOMPARE(f.regner.displayTekst(), display);
    QCOMPARE(f.meta.linjer.mid(0, protokol.size()), protokol);
}

// At a prompt the display shows 0, and Enter alone takes that 0.
void TestFormelprogram::spoergsmaalViserNul() {
    Fixtur f;
    f.koer({u":a"_s, u":b"_s, u"[0]+[1]="_s, u":c"_s}, {u"7"_s});
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    f.tast(QString(QChar(13)));
    QCOMPARE(f.meta.linjer.mid(3, 2), QStringList({u"b = 0"_s, u"c = 7"_s}));
}

void TestFormelprogram::tilbageUnderKoersel() {
    Fixtur f;
    f.koer({u":Længde"_s, u":Bredde"_s, u"*[0]="_s, u":Areal"_s}, {u"45\b"_s, u"3,5\b\b"_s});
    QCOMPARE(f.meta.linjer.mid(0, 5), QStringList({u"Længde"_s, u"Længde = 4"_s, u"Bredde"_s,
                                                   u"Bredde = 3"_s, u"Areal = 12"_s}));
    QCOMPARE(f.beskeder.hints, QStringList());
    // The button does the same as the key.
    Fixtur g;
    g.koer({u":a"_s, u"+1="_s, u":b"_s});
    g.tast(QStringLiteral("12"));
    QVERIFY(g.regner.klik(QStringLiteral("disTilbage")));
    QCOMPARE(g.regner.displayTekst(), QStringLiteral("1"));
    g.tast(QString(QChar(13)));
    QCOMPARE(g.meta.linjer.mid(1, 2), QStringList({u"a = 1"_s, u"b = 2"_s}));
}

// One formula gives one result in a program and in the expression window.
void TestFormelprogram::lighedstegnSomIUdtryksvinduet() {
    Fixtur udtryk;
    udtryk.regner.realiserFormel(QStringLiteral("4w2=s"));
    Fixtur f;
    f.koer({u":a"_s, u"4w2=s"_s, u":r"_s}, {u""_s});
    QCOMPARE(f.meta.linjer.at(2), QStringLiteral("r = ") + udtryk.regner.displayTekst());
}

// A reference takes the value, not its text rounded to the chosen decimals.
void TestFormelprogram::referencerBrugerDenIndtastedeVaerdi() {
    for (int decimaler : {-1, 2}) {
        Fixtur f;
        f.regner.disDecimalerChange(decimaler + 1);
        f.koer({u":a"_s, u"r="_s, u":b"_s, u"[1]*[0]="_s, u":c"_s}, {u"3"_s, u""_s});
        QCOMPARE(
            f.meta.linjer.mid(2, 2),
            QStringList({decimaler < 0 ? u"b = 0,333333333333333"_s : u"b = 0,33"_s, u"c = 1"_s}));
    }
}

// The calculator's "Ny" ends the frozen expression line but leaves the
// waiting program, which the next result key resumes.
void TestFormelprogram::nyTastUnderVentetidenFortsaetter() {
    Fixtur f;
    f.koer({u":a"_s, u"*2="_s, u":b"_s});
    f.regner.disNyClick();
    QVERIFY(!f.regner.FormelOn());
    QVERIFY(f.regner.PformelOn());
    f.tast(QStringLiteral("4") + QChar(13));
    // With the expression line running again, the operation is listed too.
    QCOMPARE(f.meta.linjer.mid(0, 3), QStringList({u"a = 4"_s, u"4 * 2 = 8"_s, u"b = 8"_s}));
    QVERIFY(!f.regner.PformelOn());
}

void TestFormelprogram::listenFoelgerVisBoksen() {
    Fixtur f;
    f.regner.metaAktivClick(false);
    f.koer({u":a"_s, u"*2="_s, u":b"_s}, {u"4"_s});
    QVERIFY(!f.regner.disOn());
    // The protocol is the program's output and is written all the same.
    QCOMPARE(f.meta.linjer.mid(0, 3), QStringList({u"a"_s, u"a = 4"_s, u"b = 8"_s}));
}

// Failures while running stop the run; the lines written so far stay.
void TestFormelprogram::afbrydelser_data() {
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<QStringList>("svar");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("display");
    QTest::newRow("ukendt tegn") << QStringList{u":a"_s, u"+2k3="_s, u":b"_s} << QStringList{u"1"_s}
                                 << QStringList{u"a"_s, u"a = 1"_s} << u"2"_s;
    QTest::newRow("ugyldige funktionsdata")
        << QStringList{u":a"_s, u"/0="_s, u":b"_s} << QStringList{u"1"_s}
        << QStringList{u"a"_s, u"a = 1"_s} << "Ugyldige funktionsdata   ";
    QTest::newRow("reference findes ikke")
        << QStringList{u":a"_s, u"[5]"_s, u":b"_s} << QStringList{u"1"_s}
        << QStringList{u"a"_s, u"a = 1"_s} << u"1"_s;
    QTest::newRow("reference ikke indtastet")
        << QStringList{u":a"_s, u"+[1]="_s, u":b"_s, u":c"_s} << QStringList{u"1"_s}
        << QStringList{u"a"_s, u"a = 1"_s} << "1";
    QTest::newRow("klamme uden slut")
        << QStringList{u":a"_s, u"+[0="_s, u":b"_s} << QStringList{u"1"_s}
        << QStringList{u"a"_s, u"a = 1"_s} << u"1"_s;
    QTest::newRow("bogstav i reference")
        << QStringList{u":a"_s, u"[x]"_s, u":b"_s} << QStringList{u"1"_s}
        << QStringList{u"a"_s, u"a = 1"_s} << u"1"_s;
    QTest::newRow("tom reference") << QStringList{u":a"_s, u"[]"_s, u":b"_s} << QStringList{u"1"_s}
                                   << QStringList{u"a"_s, u"a = 1"_s} << u"1"_s;
    QTest::newRow("kaempe reference")
        << QStringList{u":a"_s, u"[99999999999999999999]"_s, u":b"_s} << QStringList{u"1"_s}
        << QStringList{u"a"_s, u"a = 1"_s} << u"1"_s;
    QTest::newRow("foer foerste spoergsmaal")
        << QStringList{u"!k"_s, u"2k"_s, u":b"_s} << QStringList{}
        << QStringList{u"k"_s, u"Der mangler indledende tekstlinie! = 0"_s} << u"2"_s;
}

void TestFormelprogram::afbrydelser() {
    QFETCH(QStringList, linjer);
    QFETCH(QStringList, svar);
    QFETCH(QStringList, liste);
    QFETCH(QString, display);
    Fixtur f;
    f.koer(linjer, svar);
    QCOMPARE(f.meta.linjer, liste);
    QCOMPARE(f.regner.displayTekst(), display);
    QCOMPARE(f.beskeder.hints, QStringList{u"Afbrudt"_s});
    QVERIFY(f.beskeder.boxe.isEmpty());
    QVERIFY(!f.regner.FormelOn());
    QVERIFY(!f.regner.PformelOn());
    QVERIFY(!f.regner.UdtrykGo());
    QVERIFY(f.program.Pformel().isEmpty());
    // Enter afterwards is an ordinary result key again.
    f.tast(QString(QChar(13)));
    QCOMPARE(f.beskeder.hints.size(), 1);
}

void TestFormelprogram::tomtProgram_data() {
    QTest::addColumn<QString>("tekst");
    QTest::newRow("tom editor") << QString();
    QTest::newRow("kun blanke linjer") << QStringLiteral("\n   \n\t\n");
}

void TestFormelprogram::tomtProgram() {
    QFETCH(QString, tekst);
    Fixtur f;
    f.tast(QStringLiteral("2+3="));
    f.program.setFormelMemoTekst(tekst);
    f.program.formelBeregnClick();
    QCOMPARE(f.beskeder.tekster(), QStringList{u"Der er ikke aktiveret nogen formel!"_s});
    QVERIFY(!f.regner.FormelOn());
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
}

// Reading formula files: Windows-1252, byte-order marks, line ends.
void TestFormelprogram::filformat_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("linjer");
    QTest::newRow("windows-1252 crlf")
        << QByteArray(":L\xe6ngde\r\n*2=\r\n") << QStringList{u":Længde"_s, u"*2="_s};
    QTest::newRow("utf-8 med bom")
        << QByteArray("\xef\xbb\xbf:L\xc3\xa6ngde\n*2=") << QStringList{u":Længde"_s, u"*2="_s};
    QTest::newRow("utf-16 le med bom")
        << QByteArray("\xff\xfe:\0\xe6\0\r\0\n\0", 10) << QStringList{u":æ"_s};
    QTest::newRow("cr alene") << QByteArray("a\rb\r\rc")
                              << QStringList{u"a"_s, u"b"_s, u""_s, u"c"_s};
    QTest::newRow("tom fil") << QByteArray() << QStringList{};
    QTest::newRow("kun linjeskift") << QByteArray("\r\n") << QStringList{u""_s};
}

void TestFormelprogram::filformat() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, linjer);
    QCOMPARE(formelfil::fraBytes(bytes), linjer);
    QCOMPARE(formelfil::fraBytes(formelfil::tilBytes(linjer)), linjer);
}

void TestFormelprogram::gem_data() {
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("fil");
    QTest::addColumn<QStringList>("listen");
    QTest::newRow("uden endelse") << u"areal"_s << u"areal.txt"_s << QStringList{u"areal.txt"_s};
    QTest::newRow("med anden endelse") << "areal.dat"
                                       << "areal.dat" << QStringList{};
    QTest::newRow("med txt") << u"Moms.txt"_s << u"Moms.txt"_s << QStringList{u"Moms.txt"_s};
}

void TestFormelprogram::gem() {
    QFETCH(QString, navn);
    QFETCH(QString, fil);
    QFETCH(QStringList, listen);
    Fixtur f;
    f.program.setFormelMemoTekst(QStringLiteral(":Længde\n*2=\n"));
    f.program.setFormelFilnavn(navn);
    f.program.formelGemClick();
    QCOMPARE(f.bytes(fil), QByteArray(":L\xe6ngde\r\n*2=\r\n"));
    QCOMPARE(f.program.Filnavn, f.fil(fil));
    QCOMPARE(f.program.formelFilboks(), listen);
    // An existing file is replaced without asking.
    f.program.setFormelMemoTekst(QStringLiteral("x="));
    f.program.formelGemClick();
    QCOMPARE(f.bytes(fil), QByteArray("x=\r\n"));
    QVERIFY(f.beskeder.boxe.isEmpty());
}

void TestFormelprogram::gemMedDialog() {
    Fixtur f;
    f.program.formelGemClick();
    QCOMPARE(f.beskeder.tekster(), QStringList{u"Der er ingen udtryk at gemme!"_s});
    f.program.setFormelMemoTekst(QStringLiteral("x="));
    f.beskeder.filnavne.enqueue(QString()); // cancelled
    f.program.formelGemClick();
    QVERIFY(QDir(f.dir.path()).isEmpty());
    f.beskeder.filnavne.enqueue(f.fil(QStringLiteral("kvadrat.txt")));
    f.program.formelGemClick();
    QCOMPARE(f.bytes(QStringLiteral("kvadrat.txt")), QByteArray("x=\r\n"));
    QCOMPARE(f.program.formelFilnavn(), QStringLiteral("kvadrat.txt"));
    QCOMPARE(f.program.formelFilboks(), QStringList{u"kvadrat.txt"_s});
    // Every dialog opened in the formula folder.
    for (const QString& m : f.beskeder.dialogmapper)
        QCOMPARE(m, f.dir.path());

    // A name without an ending is saved as a ".txt" file, so it is listed.
    Fixtur g;
    g.program.setFormelMemoTekst(QStringLiteral("x="));
    g.beskeder.filnavne.enqueue(g.fil(QStringLiteral("mitprog")));
    g.program.formelGemClick();
    QCOMPARE(g.bytes(QStringLiteral("mitprog.txt")), QByteArray("x=\r\n"));
    QVERIFY(!QFileInfo::exists(g.fil(QStringLiteral("mitprog"))));
    QCOMPARE(g.program.formelFilnavn(), QStringLiteral("mitprog.txt"));
    QCOMPARE(g.program.formelFilboks(), QStringList{u"mitprog.txt"_s});
}

void TestFormelprogram::filnavnUdenforMappenAfvises_data() {
    QTest::addColumn<QString>("navn");
    QTest::newRow("skraastreg") << "../mainform.txt";
    QTest::newRow("kun punkter") << "..";
    QTest::newRow("omvendt skraastreg") << "a\\b";
    QTest::newRow("kolon") << "C:x";
    QTest::newRow("absolut") << "/tmp/x";
}

void TestFormelprogram::filnavnUdenforMappenAfvises() {
    QFETCH(QString, navn);
    QTemporaryDir rod;
    QDir(rod.path()).mkpath(QStringLiteral("Formler"));
    RegnerFixtur r;
    TFormelProgram p(r.regner, r.meta, r.beskeder, rod.path() + QStringLiteral("/Formler"));
    p.setFormelMemoTekst(QStringLiteral("x="));
    p.setFormelFilnavn(navn);
    p.formelGemClick();
    QCOMPARE(r.beskeder.boxe.size(), 1);
    QVERIFY(r.beskeder.boxe.first().tekst.startsWith(QStringLiteral("Filnavnet må ikke")));
    QCOMPARE(QDir(rod.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"Formler"_s});
    QVERIFY(QDir(rod.path() + QStringLiteral("/Formler")).isEmpty());
}

void TestFormelprogram::filListenOgIndlaesning() {
    Fixtur f;
    f.skrivFil(QStringLiteral("moms.txt"), ":Bel\xf8"
                                           "b\r\n*1,25=\r\n:Med moms\r\n");
    f.skrivFil(QStringLiteral("Areal.txt"), ":a\r\n");
    f.skrivFil(QStringLiteral(".skjult.txt"), ":s\r\n");
    f.skrivFil(QStringLiteral("noter.dat"), "x");
    QDir(f.dir.path()).mkpath(QStringLiteral("mappe.txt"));
#ifdef Q_OS_UNIX
    // A pipe or a link to a device is no formula file: opening it would hold the window.
    QCOMPARE(
        ::mkfifo(QFile::encodeName(f.dir.filePath(QStringLiteral("fifo.txt"))).constData(), 0600),
        0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), f.dir.filePath(QStringLiteral("nul.txt"))));
#endif
    f.program.LoadFormelFilboks();
    QCOMPARE(f.program.formelFilboks(),
             QStringList({u".skjult.txt"_s, u"Areal.txt"_s, u"moms.txt"_s}));
    QCOMPARE(f.program.sideknapTekst(), QStringLiteral("[3]"));

    // Nothing happens without a selection.
    f.program.setFormelBogSide(1);
    f.program.formelFilboksDblClick();
    QVERIFY(f.program.formelMemo().isEmpty());
    QCOMPARE(f.program.formelBogSide(), 1);

    f.program.setFormelFilboksValgt(2);
    f.program.formelFilboksKeyPress(QChar(13));
    QCOMPARE(f.program.formelMemo(), QStringList({u":Beløb"_s, u"*1,25="_s, u":Med moms"_s}));
    QCOMPARE(f.program.formelFilnavn(), QStringLiteral("moms.txt"));
    QCOMPARE(f.program.Filnavn, f.fil(QStringLiteral("moms.txt")));
    QCOMPARE(f.program.formelBogSide(), 0);

    f.beskeder.filnavne.enqueue(f.fil(QStringLiteral("Areal.txt")));
    f.program.formelHentClick();
    QCOMPARE(f.program.formelMemo(), QStringList{u":a"_s});
    QCOMPARE(f.program.formelFilnavn(), QStringLiteral("Areal.txt"));

    f.program.formelNyClick();
    QVERIFY(f.program.formelMemo().isEmpty());
    QVERIFY(f.program.formelFilnavn().isEmpty());
}

void TestFormelprogram::slet() {
    Fixtur f;
    f.skrivFil(QStringLiteral("a.txt"), ":a\r\n");
    f.skrivFil(QStringLiteral("b.txt"), ":b\r\n");
    f.program.LoadFormelFilboks();
    f.program.formelSletClick(); // no selection: no question
    QVERIFY(f.beskeder.boxe.isEmpty());
    f.program.setFormelFilboksValgt(1);
    f.beskeder.svar.enqueue(false);
    f.program.formelSletClick();
    QCOMPARE(f.beskeder.tekster(), QStringList{u"Skal filen b.txt slettes?"_s});
    QCOMPARE(f.program.formelFilboks().size(), 2);
    f.beskeder.svar.enqueue(true);
    f.program.formelSletClick();
    QCOMPARE(f.program.formelFilboks(), QStringList{u"a.txt"_s});
    QVERIFY(!QFile::exists(f.fil(QStringLiteral("b.txt"))));
    QCOMPARE(f.program.Filnavn, f.fil(QStringLiteral("b.txt")));
}

void TestFormelprogram::sideTaster() {
    Fixtur f;
    f.program.setFormelMemoTekst(QStringLiteral("x="));
    f.program.setFormelFilnavn(QStringLiteral("k"));
    // Home moves the caret while the editor has the focus.
    f.program.setRedigererFokus(true);
    QVERIFY(!f.program.FormKeyDown(Qt::Key_Home, Qt::NoModifier));
    QVERIFY(f.program.FormKeyDown(Qt::Key_N, Qt::ControlModifier));
    QVERIFY(f.program.formelMemo().isEmpty());
    f.program.setFormelMemoTekst(QStringLiteral("x="));
    f.program.setRedigererFokus(false);
    QVERIFY(f.program.FormKeyDown(Qt::Key_Home, Qt::NoModifier));
    QVERIFY(f.program.formelMemo().isEmpty());
    f.program.setFormelMemoTekst(QStringLiteral("x="));
    QVERIFY(f.program.FormKeyDown(Qt::Key_F9, Qt::NoModifier));
    QVERIFY(f.regner.PformelOn());
    QVERIFY(!f.program.FormKeyDown(Qt::Key_F1, Qt::NoModifier));
}

// Files that are no programs: the run stops or ends, nothing hangs, nothing is written.
void TestFormelprogram::daarligeFiler() {
    Fixtur f;
    QByteArray binaer;
    for (int i = 0; i < 4096; ++i)
        binaer.append(static_cast<char>((i * 37) & 0xff));
    f.skrivFil(QStringLiteral("binaer.txt"), binaer);
    f.skrivFil(QStringLiteral("lang.txt"), ":a\r\n" + QByteArray(100000, '7') + "\r\n");
    f.skrivFil(QStringLiteral("klammer.txt"), ":a\r\n" + QByteArray(100000, '[') + "\r\n");
    f.program.LoadFormelFilboks();
    for (int i = 0; i < f.program.formelFilboks().size(); ++i) {
        f.program.setFormelFilboksValgt(i);
        f.program.formelFilboksDblClick();
        const QStringList foer = f.program.formelMemo();
        try {
            f.program.formelBeregnClick();
            for (int k = 0; k < 3 && f.regner.PformelOn(); ++k)
                f.tast(QStringLiteral("1") + QChar(13));
        } catch (const TFejl&) {
        }
        QVERIFY(!f.regner.FormelOn() || f.regner.PformelOn());
    }
    QCOMPARE(f.bytes(QStringLiteral("binaer.txt")), binaer);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).size(), 3);
}

// A received formula folder may hold links. A listed name that leads out of
// the folder is neither read nor written through; the file it points to
// stays as it was, and a dangling link creates nothing outside.
void TestFormelprogram::linkUdAfMappen() {
#ifdef Q_OS_UNIX
    QTemporaryDir ude;
    const QString hemmelig = ude.filePath(QStringLiteral("hemmelig.txt"));
    {
        QFile h(hemmelig);
        QVERIFY(h.open(QIODevice::WriteOnly));
        h.write(":hemmelig\r\n");
    }
    Fixtur f;
    QVERIFY(QFile::link(hemmelig, f.fil(QStringLiteral("ud.txt"))));
    QVERIFY(QFile::link(ude.filePath(QStringLiteral("ny.txt")), f.fil(QStringLiteral("ny.txt"))));
    f.skrivFil(QStringLiteral("inde.txt"), ":a\r\n");
    QVERIFY(QFile::link(f.fil(QStringLiteral("inde.txt")), f.fil(QStringLiteral("link.txt"))));
    f.program.LoadFormelFilboks();
    QCOMPARE(f.program.formelFilboks(), QStringList({u"inde.txt"_s, u"link.txt"_s, u"ud.txt"_s}));

    // Opening: the link out is refused and the editor keeps its text.
    f.program.setFormelMemoTekst(QStringLiteral("x="));
    f.program.setFormelFilboksValgt(2);
    f.program.formelFilboksDblClick();
    QCOMPARE(f.program.formelMemo(), QStringList{u"x="_s});
    QCOMPARE(f.beskeder.tekster(),
             QStringList{QStringLiteral("Filen ligger ikke i formelmappen:\n") +
                         QDir::toNativeSeparators(f.fil(QStringLiteral("ud.txt")))});
    // A link that stays inside the folder opens as its file.
    f.program.setFormelFilboksValgt(1);
    f.program.formelFilboksDblClick();
    QCOMPARE(f.program.formelMemo(), QStringList{u":a"_s});

    // Saving under either outside name writes nothing.
    for (const QString& navn : {QStringLiteral("ud.txt"), QStringLiteral("ny")}) {
        f.beskeder.boxe.clear();
        f.program.setFormelMemoTekst(QStringLiteral("y="));
        f.program.setFormelFilnavn(navn);
        f.program.formelGemClick();
        QCOMPARE(f.beskeder.boxe.size(), 1);
        QVERIFY(f.beskeder.boxe.first().tekst.startsWith(QStringLiteral("Filen ligger ikke")));
    }
    QFile h(hemmelig);
    QVERIFY(h.open(QIODevice::ReadOnly));
    QCOMPARE(h.readAll(), QByteArray(":hemmelig\r\n"));
    QVERIFY(!QFileInfo::exists(ude.filePath(QStringLiteral("ny.txt"))));
#else
    QSKIP("links are made the Unix way here");
#endif
}

QTEST_GUILESS_MAIN(TestFormelprogram)
#include "tst_formelprogram.moc"
