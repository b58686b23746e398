// The calculator as typed on the keyboard: number entry, operators and
// precedence, immediate functions, the keyboard table and the display state.
#include "core/calc/knaptabel.h"
#include "regnerfixtur.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRegner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void taster_data();
    void taster();
    void formelkoder_data();
    void formelkoder();
    void parentesTaeller();
    void decimaler();
    void specielleVaerdierMedDecimaler();
    void konFunkOgAktiveHandlinger();
    void sletTal_data();
    void sletTal();
    void afrundUdenforHeltal();
    void tekstDerIkkeErEtTal();
    void invOgHypCaptions();
    void vinkelenheder();
    void enterOgLighedstegn();
    void tasterIgnoreresUdenTastatur();
    void formKeyDown();
    void klikPaaAlleKnapper();
    void klikKoererHandleren();
    void visRmSideNulstil();
    void aendretEnGangPerTast();
};

// Each row: keys typed one by one; the display, the expression line and the
// calculation list (lines joined with "|") afterwards.
void TestRegner::taster_data() {
    QTest::addColumn<QString>("taster");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("udtryk");
    QTest::addColumn<QString>("liste");
    const QString fejl = QStringLiteral("Ugyldige funktionsdata   ");
    const QString hjaelp =
        QStringLiteral("|Tryk [Ny] for ny opgave.|Eller anvend [Tilbage] knappen.");

    // Number entry.
    QTest::newRow("nuller foran") << "007"
                                  << "7"
                                  << "007"
                                  << "";
    QTest::newRow("komma i ny opgave") << ",5"
                                       << "0,5"
                                       << "0,5"
                                       << "";
    QTest::newRow("andet komma ignoreres") << "5,,3"
                                           << "5,3"
                                           << "5,3"
                                           << "";
    QTest::newRow("punktum er komma") << "1.5"
                                      << "1,5"
                                      << "1,5"
                                      << "";
    QTest::newRow("ciffer efter parentes slut ignoreres") << "2*(3)4="
                                                          << "6"
                                                          << "2 * (3) = 6"
                                                          << "2 * 3 = 6";
    QTest::newRow("ciffer efter pi") << "p2"
                                     << "3,141592653589792"
                                     << "3,141592653589792"
                                     << "";
    QTest::newRow("ciffer efter funktion") << "30s1"
                                           << "0,51"
                                           << "Sin(30)1"
                                           << "Sin(30) = 0,5";
    QTest::newRow("ciffer efter resultat er ny opgave") << "4*3=5"
                                                        << "5"
                                                        << "5"
                                                        << "";
    QTest::newRow("komma efter resultat fortsaetter") << "4*3=,5"
                                                      << "12,5"
                                                      << "12,5"
                                                      << "";
    QTest::newRow("fortegn paa nul") << "f"
                                     << "0"
                                     << ""
                                     << "";
    QTest::newRow("fortegn to gange") << "5ff"
                                      << "5"
                                      << "5"
                                      << "Negate(5) = -5|Negate(-5) = 5";
    QTest::newRow("afrund 2,5") << "2,5=a"
                                << "2"
                                << "2,5 = 2"
                                << "";
    QTest::newRow("afrund 3,5") << "3,5=a"
                                << "4"
                                << "3,5 = 4"
                                << "";
    QTest::newRow("afrund -2,5") << "2,5f=a"
                                 << "-2"
                                 << "-2,5 = -2"
                                 << "Negate(2,5) = -2,5";
    QTest::newRow("afrund uden resultat") << "2,5a"
                                          << "2,5"
                                          << "2,5"
                                          << "";

    // Operators, precedence and parentheses.
    QTest::newRow("2+3*4") << "2+3*4="
                           << "14"
                           << "2 + 3 * 4 = 14"
                           << "3 * 4 = 12|2 + 12 = 14";
    QTest::newRow("2*3+4") << "2*3+4="
                           << "10"
                           << "2 * 3 + 4 = 10"
                           << "2 * 3 = 6|6 + 4 = 10";
    QTest::newRow("10-4-3") << "10-4-3="
                            << "3"
                            << "10 - 4 - 3 = 3"
                            << "10 - 4 = 6|6 - 3 = 3";
    QTest::newRow("potenser fra venstre") << "2^3^2="
                                          << "64"
                                          << "2^3^2 = 64"
                                          << "2 ^ 3 = 8|8 ^ 2 = 64";
    QTest::newRow("potens foer gange") << "2*3^2="
                                       << "18"
                                       << "2 * 3^2 = 18"
                                       << "3 ^ 2 = 9|2 * 9 = 18";
    QTest::newRow("parentes") << "2*(3+4)="
                              << "14"
                              << "2 * (3 + 4) = 14"
                              << "3 + 4 = 7|2 * 7 = 14";
    QTest::newRow("parentes i midten") << "10-(2+3)+1="
                                       << "6"
                                       << "10 - (2 + 3) + 1 = 6"
                                       << "2 + 3 = 5|10 - 5 = 5|5 + 1 = 6";
    QTest::newRow("indlejrede parenteser") << "2*((3+4)*5)="
                                           << "70"
                                           << "2 * ((3 + 4) * 5) = 70"
                                           << "3 + 4 = 7|7 * 5 = 35|2 * 35 = 70";
    QTest::newRow("procent") << "50%20="
                             << "10"
                             << "50 % 20 = 10"
                             << "50 % 20 = 10";
    QTest::newRow("mod negativ dividend") << "7fm3="
                                          << "2"
                                          << "-7 Mod 3 = 2"
                                          << "Negate(7) = -7|-7 Mod 3 = 2";
    QTest::newRow("mod negativ divisor") << "7m3f="
                                         << "-2"
                                         << "7 Mod -3 = -2"
                                         << "Negate(3) = -3|7 Mod -3 = -2";
    QTest::newRow("mod 0") << "7m0="
                           << "7"
                           << "7 Mod 0 = 7"
                           << "7 Mod 0 = 7";
    QTest::newRow("mod stort tal") << "10000000000m3="
                                   << "1"
                                   << "10000000000 Mod 3 = 1"
                                   << "10000000000 Mod 3 = 1";
    QTest::newRow("manglende hoejre operand") << "5+="
                                              << "10"
                                              << "5 +  = 10"
                                              << "5 + 5 = 10";
    QTest::newRow("samme operator to gange") << "5++"
                                             << "10"
                                             << "5 + 5 + "
                                             << "5 + 5 = 10";
    QTest::newRow("operator erstatter ikke operator") << "5+*"
                                                      << "5"
                                                      << "5 + "
                                                      << "";
    QTest::newRow("lig med igen gentager intet") << "2+3=="
                                                 << "5"
                                                 << "2 + 3 = 5"
                                                 << "2 + 3 = 5";
    QTest::newRow("lig med i aaben parentes") << "2*(3+4="
                                              << "7"
                                              << "2 * (3 + 4 = 7"
                                              << "3 + 4 = 7";
    QTest::newRow("ciffer efter lig med i parentes") << "2*(3+4=5"
                                                     << "5"
                                                     << "5"
                                                     << "";
    QTest::newRow("parentes slut uden parentes") << "5)"
                                                 << "5"
                                                 << "5"
                                                 << "";
    QTest::newRow("0^0") << "0^0="
                         << "1"
                         << "0^0 = 1"
                         << "0 ^ 0 = 1";
    QTest::newRow("0^3") << "0^3="
                         << "0"
                         << "0^3 = 0"
                         << "0 ^ 3 = 0";
    QTest::newRow("0^-1") << "0^1f="
                          << "INF"
                          << "0^-1 = INF"
                          << "Negate(1) = -1|0 ^ -1 = INF";
    QTest::newRow("division med 0")
        << u"8/0="_s << fejl << u"8 / 0 = INF"_s << u"8 / 0 = INF"_s + hjaelp;
    QTest::newRow("rod") << "27i^3="
                         << "3"
                         << "27 Rod 3 = 3"
                         << "27 Rod 3 = 3";
    QTest::newRow("rod af 0. grad")
        << u"8w0="_s << fejl << u"8 Rod 0 = INF"_s << u"8 Rod 0 = INF"_s + hjaelp;
    QTest::newRow("kvadratrod af negativt tal") << u"16fix="_s << fejl << u"-16 Rod 2 = NAN"_s
                                                << u"Negate(16) = -16|-16 Rod 2 = NAN"_s + hjaelp;
    QTest::newRow("kubikrod af negativt tal") << "8fiz="
                                              << "-2"
                                              << "-8 Rod 3 = -2"
                                              << "Negate(8) = -8|-8 Rod 3 = -2";
    QTest::newRow("ulige rod af negativ grad") << "8fw3f="
                                               << "NAN"
                                               << "~"
                                               << "~";
    QTest::newRow("negativt tal i ikke-hel potens") << "2fq0,5="
                                                    << "NAN"
                                                    << "~"
                                                    << "~";
    QTest::newRow("ikke-hel potens") << "2q0,5="
                                     << "1,41421356237309"
                                     << "~"
                                     << "~";
    QTest::newRow("q fjerner Inv") << "8iq3="
                                   << "512"
                                   << "8^3 = 512"
                                   << "8 ^ 3 = 512";
    // The root's flag left by a reduction does not leak into the next key.
    QTest::newRow("rod foer potens") << "9i^2+4^2="
                                     << "19"
                                     << "9 Rod 2 + 4^2 = 19"
                                     << "9 Rod 2 = 3|4 ^ 2 = 16|3 + 16 = 19";
    QTest::newRow("x^2") << "4x="
                         << "16"
                         << "4^2 = 16"
                         << "4 ^ 2 = 16";
    QTest::newRow("x^2 plus 1") << "4x+1="
                                << "17"
                                << "4^2 + 1 = 17"
                                << "4 ^ 2 = 16|16 + 1 = 17";
    QTest::newRow("kvadrat og kvadratrod") << "2x+9ix="
                                           << "7"
                                           << "2^2 + 9 Rod 2 = 7"
                                           << "2 ^ 2 = 4|9 Rod 2 = 3|4 + 3 = 7";

    // Immediate functions (degrees unless the row switches).
    QTest::newRow("sin 30") << "30s"
                            << "0,5"
                            << "Sin(30)"
                            << "Sin(30) = 0,5";
    QTest::newRow("sin 180") << "180s"
                             << "0"
                             << "Sin(180)"
                             << "Sin(180) = 0";
    QTest::newRow("sin -30") << "30fs"
                             << "-0,5"
                             << "Sin(-30)"
                             << "Negate(30) = -30|Sin(-30) = -0,5";
    QTest::newRow("cos 90") << "90c"
                            << "0"
                            << "Cos(90)"
                            << "Cos(90) = 0";
    QTest::newRow("cos -90") << "90fc"
                             << "0"
                             << "Cos(-90)"
                             << "~";
    QTest::newRow("cos 60") << "60c"
                            << "0,5"
                            << "Cos(60)"
                            << "Cos(60) = 0,5";
    QTest::newRow("tan 45") << "45t"
                            << "1"
                            << "Tan(45)"
                            << "Tan(45) = 1";
    QTest::newRow("tan 180") << "180t"
                             << "0"
                             << "Tan(180)"
                             << "Tan(180) = 0";
    QTest::newRow("tan 90") << u"90t"_s << fejl << u"Tan(90)"_s
                            << u"Tan(90) = 1,63312393531954E16"_s + hjaelp;
    QTest::newRow("cot 45") << "45o"
                            << "1"
                            << "Cot(45)"
                            << "Cot(45) = 1";
    QTest::newRow("cot 90") << "90o" << fejl << "Cot(90)"
                            << "~";
    QTest::newRow("nygrader sin 200") << "d200s"
                                      << "0"
                                      << "Sin(200)"
                                      << "Sin(200) = 0";
    QTest::newRow("nygrader cos 100") << "d100c"
                                      << "0"
                                      << "Cos(100)"
                                      << "Cos(100) = 0";
    QTest::newRow("nygrader sin 100") << "d100s"
                                      << "1"
                                      << "Sin(100)"
                                      << "Sin(100) = 1";
    QTest::newRow("radianer sin pi") << "bps"
                                     << "1,22464679914735E-16"
                                     << "Sin(3,14159265358979)"
                                     << "~";
    QTest::newRow("radianer cot 0") << "b0o"
                                    << "INF"
                                    << "Cot(0)"
                                    << "Cot(0) = INF";
    QTest::newRow("arcsin") << "0,5is"
                            << "30"
                            << "ArcSin(0,5)"
                            << "ArcSin(0,5) = 30";
    QTest::newRow("arcsin 2") << "2is"
                              << "NAN"
                              << "ArcSin(2)"
                              << "ArcSin(2) = NAN";
    QTest::newRow("arccot 0") << "0io"
                              << "90"
                              << "ArcCot(0)"
                              << "ArcCot(0) = 90";
    QTest::newRow("arccot -1") << "1fio"
                               << "-45"
                               << "ArcCot(-1)"
                               << "~";
    QTest::newRow("sinh") << "1hs"
                          << "1,1752011936438"
                          << "Sinh(1)"
                          << "Sinh(1) = 1,1752011936438";
    QTest::newRow("cosh") << "1hc"
                          << "1,54308063481524"
                          << "Cosh(1)"
                          << "~";
    QTest::newRow("tanh") << "1ht"
                          << "0,761594155955765"
                          << "Tanh(1)"
                          << "~";
    QTest::newRow("arcsinh") << "1his"
                             << "0,881373587019543"
                             << "ArcSinh(1)"
                             << "~";
    QTest::newRow("arcsinh stort negativt tal") << "10000000000fhis"
                                                << "-23,7189981105004"
                                                << "~"
                                                << "~";
    QTest::newRow("arccosh 0,5") << "0,5hic"
                                 << "NAN"
                                 << "ArcCosh(0,5)"
                                 << "~";
    QTest::newRow("arctanh 2") << "2hit"
                               << "NAN"
                               << "ArcTanh(2)"
                               << "~";
    QTest::newRow("arctanh 1") << "1hit"
                               << "INF"
                               << "ArcTanh(1)"
                               << "~";
    QTest::newRow("exp 1000") << "1000e"
                              << "INF"
                              << "Exp(1000)"
                              << "Exp(1000) = INF";
    QTest::newRow("exp 1") << "1e"
                           << "2,71828182845905"
                           << "Exp(1)"
                           << "~";
    QTest::newRow("ln 0") << u"0n"_s << fejl << u"Ln(0)"_s << u"Ln(0) = -INF"_s + hjaelp;
    QTest::newRow("log -1") << u"1fl"_s << fejl << u"Log(-1)"_s
                            << u"Negate(1) = -1|Log(-1) = NAN"_s + hjaelp;
    QTest::newRow("log 100") << "100l"
                             << "2"
                             << "Log(100)"
                             << "Log(100) = 2";
    QTest::newRow("10^x") << "2il"
                          << "100"
                          << "10^(2)"
                          << "10^2 = 100";
    QTest::newRow("1/x") << "4r"
                         << "0,25"
                         << "1/(4)"
                         << "1/4 = 0,25";
    QTest::newRow("1/0") << u"0r"_s << fejl << u"1/(0)"_s << u"1/0 = INF"_s + hjaelp;
    QTest::newRow("0!") << "0!"
                        << "1"
                        << "fact(0)"
                        << "0! = 1";
    QTest::newRow("5!") << "5!"
                        << "120"
                        << "fact(5)"
                        << "5! = 120";
    QTest::newRow("170!") << "170!"
                          << "7,25741561530799E306"
                          << "fact(170)"
                          << "170! = 7,25741561530799E306";
    QTest::newRow("171!") << "171!"
                          << "INF"
                          << "fact(171)"
                          << "171! = INF";
    QTest::newRow("fakultet af stort tal") << "1000000000000000000000!"
                                           << "INF"
                                           << "~"
                                           << "~";
    QTest::newRow("fakultet af negativt tal") << "3f!"
                                              << "-3"
                                              << "fact(-3)"
                                              << "Negate(3) = -3|-3";
    QTest::newRow("fakultet af ikke-helt tal") << "2,5!"
                                               << "2,5"
                                               << "fact(2,5)"
                                               << "2,5";
    QTest::newRow("funktion ved start goer intet") << "s"
                                                   << "0"
                                                   << ""
                                                   << "";
    QTest::newRow("funktion efter parentes goer intet") << "(s"
                                                        << "0"
                                                        << "("
                                                        << "";
    QTest::newRow("funktion efter komma goer intet") << "5,s"
                                                     << "5,"
                                                     << "5,"
                                                     << "";
    QTest::newRow("funktion efter procent goer intet") << "5%s"
                                                       << "5"
                                                       << "5 % "
                                                       << "";
    QTest::newRow("funktion efter fakultet goer intet") << "5!s"
                                                        << "120"
                                                        << "fact(5)"
                                                        << "5! = 120";
    QTest::newRow("funktion efter operator tager visningen") << "2+s"
                                                             << "0,034899496702501"
                                                             << "2 + Sin(2)"
                                                             << "Sin(2) = 0,034899496702501";
    QTest::newRow("funktion i udtryk") << "2+3s="
                                       << "2,05233595624294"
                                       << "2 + Sin(3) = 2,05233595624294"
                                       << "~";
    QTest::newRow("funktion paa parentes") << "2*(3+4)s"
                                           << "0,121869343405147"
                                           << "2 * Sin(3 + 4)"
                                           << "~";
    QTest::newRow("Inv bliver paa") << "0,5iss"
                                    << "NAN"
                                    << "ArcSin(ArcSin(0,5))"
                                    << "~";
    QTest::newRow("pi to gange") << "pp"
                                 << "3,14159265358979"
                                 << "3,14159265358979"
                                 << "";
    QTest::newRow("pi efter resultat") << "2+3=p"
                                       << "3,14159265358979"
                                       << "3,14159265358979"
                                       << "";
    QTest::newRow("ln efter resultat fortsaetter opgaven") << "2+3=n"
                                                           << "1,6094379124341"
                                                           << "2 + 3 = Ln(5)"
                                                           << "2 + 3 = 5|Ln(5) = 1,6094379124341";

    // Keyboard table.
    QTest::newRow("ukendt tegn") << "5k"
                                 << "5"
                                 << "5"
                                 << "";
    QTest::newRow("stort bogstav") << "5A"
                                   << "5"
                                   << "5"
                                   << "";
    QTest::newRow("y er potens") << "5y2="
                                 << "25"
                                 << "5^2 = 25"
                                 << "5 ^ 2 = 25";
    QTest::newRow("snabel-a er x^2") << "3@="
                                     << "9"
                                     << "3^2 = 9"
                                     << "3 ^ 2 = 9";
    QTest::newRow("havelaage er x^3") << "2#="
                                      << "8"
                                      << "2^3 = 8"
                                      << "2 ^ 3 = 8";
    QTest::newRow("gem og hent") << "5gj+j="
                                 << "10"
                                 << "55 + 5 = 10"
                                 << "5 + 5 = 10";
}

void TestRegner::taster() {
    QFETCH(QString, taster);
    QFETCH(QString, display);
    QFETCH(QString, udtryk);
    QFETCH(QString, liste);
    RegnerFixtur f;
    f.tast(taster);
    QCOMPARE(f.regner.displayTekst(), display);
    if (udtryk != u'~') QCOMPARE(f.regner.udText(), udtryk);
    if (liste != u'~') QCOMPARE(f.liste(), liste);
    QVERIFY(f.fejl.isEmpty());
}

// What the keys leave in the recording.
void TestRegner::formelkoder_data() {
    QTest::addColumn<QString>("taster");
    QTest::addColumn<QString>("formel");
    QTest::newRow("andet komma staar i optagelsen") << "5,,3"
                                                    << "5,,3";
    QTest::newRow("afvist operator optages ikke") << "5+*"
                                                  << "5+";
    QTest::newRow("afvist funktion optages ikke") << "5,s"
                                                  << "5,";
    QTest::newRow("Inv som skifter") << "9i^2+4^2="
                                     << "9i^2+4^2=";
    QTest::newRow("Inv og Hyp foer funktion") << "1his"
                                              << "1his";
    QTest::newRow("Inv paa to funktioner") << "0,5iss"
                                           << "0,5iss";
    QTest::newRow("q optages som skifter") << "8iq3="
                                           << "8ii^3=";
    QTest::newRow("w optages som skifter") << "8w3="
                                           << "8i^3=";
    QTest::newRow("vinkelenhed optages ikke") << "b30s"
                                              << "30s";
    QTest::newRow("fortegn efter tal") << "5f"
                                       << "5f";
    QTest::newRow("fortegn to gange") << "5ff"
                                      << "5ff";
    QTest::newRow("fortegn efter operator") << "5+f="
                                            << "5+f=";
    QTest::newRow("fortegn efter parentes") << "5(f"
                                            << "5(f";
    QTest::newRow("fortegn paa nul optages ikke") << "f"
                                                  << "";
    QTest::newRow("operator efter resultat fortsaetter") << "2+3=*2="
                                                         << "2+3=*2=";
    QTest::newRow("ciffer efter resultat er ny opgave") << "2+3=7"
                                                        << "7";
    QTest::newRow("pi to gange") << "pp"
                                 << "p";
    QTest::newRow("afrund") << "2,5=a"
                            << "2,5=a";
    QTest::newRow("afrund uden resultat") << "2,5a"
                                          << "2,5";
    QTest::newRow("parentes slut efter resultat") << "2+3=)"
                                                  << "";
    QTest::newRow("hukommelse") << "5gj"
                                << "5gj";
}

void TestRegner::formelkoder() {
    QFETCH(QString, taster);
    QFETCH(QString, formel);
    RegnerFixtur f;
    f.tast(taster);
    QCOMPARE(f.regner.formelString(), formel);
}

void TestRegner::parentesTaeller() {
    RegnerFixtur f;
    f.tast(QStringLiteral("(5)"));
    // A parenthesis opened at the very start and closed around one number stays open.
    QCOMPARE(f.regner.parentesTekst(), QStringLiteral("1"));
    f.tast(QStringLiteral("+(("));
    QCOMPARE(f.regner.parentesTekst(), QStringLiteral("3"));
    f.regner.disNyClick();
    QCOMPARE(f.regner.parentesTekst(), QString());
    f.tast(QStringLiteral("2*(3+4)"));
    QCOMPARE(f.regner.parentesTekst(), QString());
    QCOMPARE(f.regner.RmIndex(), 0);
}

void TestRegner::decimaler() {
    RegnerFixtur f;
    f.tast(QStringLiteral("5"));
    f.regner.disDecimalerChange(5); // "4 decimaler"
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5,0000"));
    QCOMPARE(f.regner.Decimaler(), 4);
    QCOMPARE(f.regner.decimalIndex(), 5);
    f.regner.disDecimalerChange(0); // "Automatisk"
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));

    f.regner.disDecimalerChange(3); // "2 decimaler"
    f.regner.disNyClick();
    f.tast(QStringLiteral("10/4="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("2,50"));
    f.tast(QStringLiteral("*2="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5")); // whole: general format
    // The value keeps its digits; only the text is rounded.
    f.tast(QStringLiteral("1/3="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0,33"));
    f.tast(QStringLiteral("*3="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("1"));
}

void TestRegner::specielleVaerdierMedDecimaler() {
    RegnerFixtur f;
    f.regner.disDecimalerChange(3);
    f.tast(QStringLiteral("0^1f="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("+Inf"));
    // n! reads the display back; "+Inf" is no number: a domain error.
    f.tast(QStringLiteral("!"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("Ugyldige funktionsdata   "));
}

void TestRegner::konFunkOgAktiveHandlinger() {
    RegnerFixtur f;
    QVERIFY(!f.regner.konFunkEnabled());
    f.tast(QStringLiteral("2,6"));
    QVERIFY(f.regner.DelTalEnabled());
    QVERIFY(!f.regner.RoundTalEnabled());
    QVERIFY(f.regner.konFunkEnabled());
    f.regner.konFunkExecute(); // "Slet"
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    QVERIFY(!f.regner.konFunkEnabled());
    f.tast(QStringLiteral("2,6="));
    QVERIFY(!f.regner.DelTalEnabled());
    QVERIFY(f.regner.RoundTalEnabled());
    f.regner.konFunkExecute(); // "Afrund"
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("3"));
    QVERIFY(f.regner.ResOn());
}

// "Slet" clears the number being typed: the display, its part of the
// expression line and its codes in the recording, nothing before them.
void TestRegner::sletTal_data() {
    QTest::addColumn<QString>("taster");
    QTest::addColumn<QString>("udtryk");
    QTest::addColumn<QString>("formel");
    QTest::newRow("andet tal") << "2+37"
                               << "2 + "
                               << "2+";
    QTest::newRow("foerste tal") << "37"
                                 << ""
                                 << "";
    QTest::newRow("decimaltal") << "2*3,5"
                                << "2 * "
                                << "2*";
    QTest::newRow("efter pi") << "2+p2"
                              << "2 + "
                              << "2+p";
    QTest::newRow("Inv undervejs bliver") << "2+3i7"
                                          << "2 + "
                                          << "2+i";
}

void TestRegner::sletTal() {
    QFETCH(QString, taster);
    QFETCH(QString, udtryk);
    QFETCH(QString, formel);
    RegnerFixtur f;
    f.tast(taster);
    QVERIFY(f.regner.DelTalEnabled());
    f.regner.DelTalExecute();
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    QCOMPARE(f.regner.Dval(), 0.0);
    QCOMPARE(f.regner.udText(), udtryk);
    QCOMPARE(f.regner.formelString(), formel);
    QVERIFY(!f.regner.DelTalEnabled());
}

void TestRegner::afrundUdenforHeltal() {
    RegnerFixtur f;
    f.tast(QStringLiteral("100000000000000000000=a"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("1E20"));
    f.tast(QStringLiteral("0^1f=a"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("INF"));
}

// A digit after a shown special value makes a text that is no number: the
// error leaves the key, with the digit already in the text and the recording.
void TestRegner::tekstDerIkkeErEtTal() {
    RegnerFixtur f;
    f.tast(QStringLiteral("0^1f=,5"));
    QCOMPARE(f.fejl, QStringList{QStringLiteral("'INF,5' er ikke et gyldigt tal")});
    QCOMPARE(f.regner.Dstr(), QStringLiteral("INF,5"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("INF,")); // as shown before the digit
    QVERIFY(f.regner.formelString().endsWith(QStringLiteral(",5")));
    // "Tilbage" recovers (taking the comma before the digit too).
    f.tast(QStringLiteral("\b"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("INF"));
    f.regner.disNyClick();
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
}

void TestRegner::invOgHypCaptions() {
    RegnerFixtur f;
    const QStringList navne = {u"beSin"_s, u"beCos"_s,     u"beTan"_s,     u"beCot"_s,
                               u"beLog"_s, u"bePotens2"_s, u"bePotens3"_s, u"bePotensY"_s};
    auto captions = [&] {
        QStringList l;
        for (const QString& n : navne)
            l << f.regner.caption(n);
        return l.join(u',');
    };
    QCOMPARE(captions(), QStringLiteral("Sin,Cos,Tan,Cot,log,x^2,x^3,x^y"));
    f.regner.funkInversClick(true);
    QCOMPARE(captions(),
             QStringLiteral("ArcSin,ArcCos,ArcTan,ArcCot,10^x,x Rod 2,x Rod 3,x Rod y"));
    QVERIFY(f.regner.inversFunk());
    f.regner.funkHypClick(true);
    QCOMPARE(captions(),
             QStringLiteral("ArcSinh,ArcCosh,ArcTanh,ArcCot,10^x,x Rod 2,x Rod 3,x Rod y"));
    f.regner.funkInversClick(false);
    QCOMPARE(captions(), QStringLiteral("Sinh,Cosh,Tanh,Cot,Log,x^2,x^3,x^y"));
    f.regner.funkHypClick(false);
    QCOMPARE(captions(), QStringLiteral("Sin,Cos,Tan,Cot,Log,x^2,x^3,x^y"));
    // The operators and "=" uncheck Inv; Hyp stays.
    f.tast(QStringLiteral("ih5+"));
    QVERIFY(!f.regner.invChecked());
    QVERIFY(f.regner.hypChecked());
    QCOMPARE(f.regner.caption(QStringLiteral("beSin")), QStringLiteral("Sinh"));
    // A new task unchecks both.
    f.regner.disNyClick();
    QVERIFY(!f.regner.hypChecked());
}

void TestRegner::vinkelenheder() {
    RegnerFixtur f;
    f.tast(QStringLiteral("90b"));
    QCOMPARE(f.regner.GradIndex(), 1);
    QCOMPARE(f.regner.Grader(), 6.283185307179586);
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("90")); // not converted
    f.tast(QStringLiteral("d"));
    QCOMPARE(f.regner.GradIndex(), 2);
    QCOMPARE(f.regner.Grader(), 400.0);
    f.regner.gradGraderClick();
    QCOMPARE(f.regner.GradIndex(), 0);
    QCOMPARE(f.regner.Grader(), 360.0);
    QCOMPARE(f.regner.knapNo(), 41);
}

void TestRegner::enterOgLighedstegn() {
    RegnerFixtur f;
    f.tast(QStringLiteral("2+3\r"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("2+3")); // Enter records nothing
    // When the task goes on from that result, its "=" is recorded.
    f.tast(QStringLiteral("*2="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("10"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("2+3=*2="));

    // Enter leaves Inv checked; "=" unchecks it.
    RegnerFixtur g;
    g.tast(QStringLiteral("4i\r"));
    QVERIFY(g.regner.invChecked());
    g.tast(QStringLiteral("="));
    QVERIFY(!g.regner.invChecked());
}

void TestRegner::tasterIgnoreresUdenTastatur() {
    RegnerFixtur f;
    f.regner.setTastaturSynligt(false);
    f.tast(QStringLiteral("5+"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    f.regner.setTastaturSynligt(true);
    f.regner.setUMemoFokus(true);
    f.tast(QStringLiteral("5"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    f.regner.setUMemoFokus(false);
    f.tast(QStringLiteral("5"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
}

void TestRegner::formKeyDown() {
    RegnerFixtur f;
    QSignalSpy emner(&f.regner, &TRegner::informationOenskes);
    const auto ingen = Qt::NoModifier;

    f.tast(QStringLiteral("2+3"));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_F9, ingen)); // "="
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("2+3="));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_PageDown, ingen)); // store
    QCOMPARE(f.huk.captions(), QStringList{QStringLiteral("5")});
    QVERIFY(f.regner.FormKeyDown(Qt::Key_Home, ingen)); // new task
    QCOMPARE(f.regner.formelString(), QString());
    QVERIFY(f.regner.FormKeyDown(Qt::Key_PageUp, ingen)); // recall
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
    f.tast(QStringLiteral("+12"));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_Delete, ingen)); // "Slet"
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    QVERIFY(!f.regner.FormKeyDown(Qt::Key_Delete, ingen)); // disabled now
    f.tast(QStringLiteral("7g8g"));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_End, ingen)); // delete current
    QCOMPARE(f.huk.captions(), (QStringList{QStringLiteral("7"), QStringLiteral("5")}));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_S, Qt::ControlModifier));
    QCOMPARE(f.huk.captions(), QStringList{QStringLiteral("5")});
    QVERIFY(!f.regner.FormKeyDown(Qt::Key_T, ingen));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_T, Qt::ControlModifier)); // empty the memory
    QVERIFY(f.huk.captions().isEmpty());
    f.tast(QStringLiteral("4"));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_N, Qt::ControlModifier));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));

    QVERIFY(f.regner.FormKeyDown(Qt::Key_F1, ingen));
    QCOMPARE(emner.takeLast().at(0).toString(), QStringLiteral("Tavlix"));
    // With the expression memo focused only F1 acts, on its own topic.
    f.regner.setUMemoFokus(true);
    QVERIFY(!f.regner.FormKeyDown(Qt::Key_Home, ingen));
    QVERIFY(f.regner.FormKeyDown(Qt::Key_F1, ingen));
    QCOMPARE(emner.takeLast().at(0).toString(), QStringLiteral("Udtryk og formelsprog"));
    // Not on a calculator page: nothing.
    f.regner.setUMemoFokus(false);
    f.regner.setTastaturSynligt(false);
    QVERIFY(!f.regner.FormKeyDown(Qt::Key_F1, ingen));
    QVERIFY(emner.isEmpty());
}

// Every button of the table can be clicked by its name.
void TestRegner::klikPaaAlleKnapper() {
    for (const TKnap& k : TKnaptabel::alle()) {
        if (k.art == TKnapArt::Etiket || k.art == TKnapArt::Visning || k.art == TKnapArt::Valg)
            continue;
        RegnerFixtur f;
        QVERIFY2(f.regner.klik(k.navn), qPrintable(k.navn));
    }
    RegnerFixtur f;
    QVERIFY(!f.regner.klik(QStringLiteral("ukendt")));
    QCOMPARE(TKnaptabel::side(TKnapSide::Regner).size(), 6 * 7 - 2);
    QCOMPARE(TKnaptabel::side(TKnapSide::Simpel).size(), 3 + 5 * 4);
}

void TestRegner::klikKoererHandleren() {
    RegnerFixtur f;
    for (const char* navn : {"rm9X", "rodToKnap", "oprResultatX"})
        f.regner.klik(QLatin1String(navn));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("3"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("9ix="));
    f.regner.klik(QStringLiteral("funkInvers"));
    QCOMPARE(f.regner.caption(QStringLiteral("bePotensY")), QStringLiteral("x Rod y"));
    f.regner.klik(QStringLiteral("funkInvers"));
    QCOMPARE(f.regner.caption(QStringLiteral("bePotensY")), QStringLiteral("x^y"));
}

void TestRegner::visRmSideNulstil() {
    RegnerFixtur f;
    f.tast(QStringLiteral("0,5hi"));
    f.regner.visRmSideNulstil();
    QVERIFY(!f.regner.invChecked());
    QVERIFY(!f.regner.hypChecked());
    QVERIFY(!f.regner.inversFunk());
    f.tast(QStringLiteral("s"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0,00872653549837393")); // Sin(0,5)
}

void TestRegner::aendretEnGangPerTast() {
    RegnerFixtur f;
    QSignalSpy aendret(&f.regner, &TRegner::aendret);
    QSignalSpy liste(&f.meta, &TMetaListe::aendret);
    f.tast(QStringLiteral("2+3*4="));
    QCOMPARE(aendret.count(), 6);
    aendret.clear();
    liste.clear();
    f.regner.realiserFormel(QString(QStringLiteral("1+")).repeated(500) + u'=');
    QCOMPARE(aendret.count(), 1);
    QCOMPARE(liste.count(), 1);
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("1000")); // the last "+=" doubles
}

QTEST_GUILESS_MAIN(TestRegner)
#include "tst_regner.moc"
