// Recording and replay: the formula language, the expression line, "Tilbage",
// and the property that replaying a recording repeats what the keys did.
#include "core/common/taltekst.h"
#include "regnerfixtur.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {

const QString fejlTekst = QStringLiteral("Ugyldige funktionsdata   ");

struct Indstillinger {
    int vinkel = 0;     // 0 degrees, 1 radians, 2 grads
    int decimaler = -1; // -1 automatic, 0..4
    bool liste = true;
    bool io = false;
};

void indstil(TRegner& r, const Indstillinger& ind) {
    if (ind.vinkel == 1) r.gradRadianerClick();
    if (ind.vinkel == 2) r.gradNygraderClick();
    r.disDecimalerChange(ind.decimaler + 1);
    r.metaAktivClick(ind.liste);
    r.metaIndUdClick(ind.io);
    r.disNyClick(); // the keys begin a task, as every replay does
}

// Everything the calculator shows or keeps for the next key.
QString tilstand(const RegnerFixtur& f, bool medHukommelse) {
    const TRegner& r = f.regner;
    QStringList s;
    s << QStringLiteral("display=") + r.displayTekst() << QStringLiteral("Dstr=") + r.Dstr()
      << QStringLiteral("operator=") + r.operatorTekst() << QStringLiteral("udText=") + r.udText()
      << QStringLiteral("formel=") + r.formelString()
      << QStringLiteral("parentes=") + r.parentesTekst()
      << QStringLiteral("inv=%1 hyp=%2 ResOn=%3 piOn=%4 Waitcount=%5 ParaCount=%6")
             .arg(r.invChecked())
             .arg(r.hypChecked())
             .arg(r.ResOn())
             .arg(r.piOn())
             .arg(r.Waitcount())
             .arg(r.ParaCount());
    for (const RmRec& rec : r.Rm())
        s << QStringLiteral("rec %1 %2 %3 %4 %5")
                 .arg(rec.Tal, 0, 'g', 17)
                 .arg(rec.Operatoren)
                 .arg(rec.Parentes)
                 .arg(rec.Pantal)
                 .arg(rec.InversFunktion);
    s << QStringLiteral("liste=") + f.meta.linjer.join(u'|');
    if (medHukommelse)
        s << QStringLiteral("huk=") + f.huk.captions().join(u'|') + u' ' +
                 QString::number(f.huk.Hval, 'g', 17);
    return s.join(u'\n');
}

// Keys of the property: digits, comma, operators, parentheses, functions
// with Inv/Hyp, pi, "=", memory keys and the documented aliases.
QString tilfaeldigeTaster(QRandomGenerator& g) {
    static const QString andre = QStringLiteral(",,++--**//()()%m^xzsctonelr!ffphhiiqw==gja.y@#");
    const int laengde = 1 + g.bounded(30);
    QString t;
    for (int i = 0; i < laengde; ++i) {
        if (g.bounded(100) < 45)
            t += QChar(u'0' + g.bounded(10));
        else
            t += andre[g.bounded(static_cast<int>(andre.size()))];
    }
    return t;
}

Indstillinger tilfaeldigeIndstillinger(QRandomGenerator& g) {
    Indstillinger ind;
    ind.vinkel = g.bounded(3);
    ind.decimaler = g.bounded(3) == 0 ? g.bounded(6) - 1 : -1;
    ind.liste = g.bounded(10) != 0;
    ind.io = g.bounded(5) == 0;
    return ind;
}

// The memory lies outside the task: a replay fetches what the memory holds.
struct Hukommelsesbillede {
    double Hval = 0;
    QList<TReopenRec> poster;
};

Hukommelsesbillede billede(const THukommelse& h) {
    return {h.Hval, h.Huk.Ropen()};
}

void genskab(THukommelse& h, const Hukommelsesbillede& b) {
    for (qsizetype i = b.poster.size() - 1; i >= 0; --i)
        h.Huk.InsertItem(b.poster[i].Filnavn, b.poster[i].Caption);
    h.Huk.MakeMenu(-1);
    h.Hval = b.Hval;
}

// Types the keys and tells whether anything interrupted them: a domain error,
// a text that is no number, or a message box. `opgavestart` receives the
// memory as it was when the last task began (a key that began a new task
// emptied the recording).
bool tastOgSeEfterFejl(RegnerFixtur& f, const QString& taster, Hukommelsesbillede& opgavestart) {
    bool afbrudt = false;
    opgavestart = billede(f.huk);
    for (const QChar c : taster) {
        const qsizetype fejlFoer = f.fejl.size();
        const QString optagetFoer = f.regner.formelString();
        const Hukommelsesbillede foer = billede(f.huk);
        f.tast(QString(c));
        if (!f.regner.formelString().startsWith(optagetFoer)) opgavestart = foer;
        if (f.regner.displayTekst() == fejlTekst || f.fejl.size() != fejlFoer) afbrudt = true;
    }
    return afbrudt || !f.beskeder.boxe.isEmpty();
}

} // namespace

class TestGenafspilning : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void genafspilningGentagerTasterne();
    void tilbageFortryderSidsteTast();
    void udtryk_data();
    void udtryk();
    void afbrudtAfspilning_data();
    void afbrudtAfspilning();
    void tomAfspilning();
    void tilbage_data();
    void tilbage();
    void tilbageEfterFejlGaarVidere();
    void tilbageGentagerIkkeGem();
    void tilbageHenterDetSammeSomTasterne();
    void seperator_data();
    void seperator();
    void udtrykslinje();
    void ubalanceretUdtrykslinje();
    void langeTal();
};

// The property: pressing random keys one by one, then replaying the resulting
// recording from a new task, gives the same calculator. The expression
// window's replay stops at invalid function data with a message (the keys
// go on), so for key sequences that meet such an error only that stop is
// checked there; "Tilbage"'s replay, which goes on like the keys, is checked
// for every sequence.
void TestGenafspilning::genafspilningGentagerTasterne() {
    QRandomGenerator g(20240611);
    int medFejl = 0;
    for (int n = 0; n < 5000; ++n) {
        const QString taster = tilfaeldigeTaster(g);
        const Indstillinger ind = tilfaeldigeIndstillinger(g);

        RegnerFixtur a;
        indstil(a.regner, ind);
        Hukommelsesbillede opgavestart;
        const bool afbrudt = tastOgSeEfterFejl(a, taster, opgavestart);
        const QString optagelse = a.regner.formelString();
        const QString efterTaster = tilstand(a, true);

        RegnerFixtur b;
        indstil(b.regner, ind);
        genskab(b.huk, opgavestart);
        bool kastet = false;
        try {
            b.regner.realiserFormel(optagelse);
        } catch (const TFejl&) {
            kastet = true;
        }
        const QString besked = QStringLiteral("taster '%1' optagelse '%2' vinkel %3 decimaler %4")
                                   .arg(taster, optagelse)
                                   .arg(ind.vinkel)
                                   .arg(ind.decimaler);
        if (afbrudt) ++medFejl;
        if (kastet || !b.beskeder.boxe.isEmpty()) {
            // The replay stopped: only where the keys met an error too.
            QVERIFY2(afbrudt, qPrintable(besked));
        } else {
            const QString efterAfspilning = tilstand(b, true);
            if (efterAfspilning != efterTaster)
                QFAIL(qPrintable(besked + QStringLiteral("\nafspillet:\n") + efterAfspilning +
                                 QStringLiteral("\ntastet:\n") + efterTaster));
        }

        // "Tilbage"'s replay of the whole recording changes nothing.
        a.regner.genafspilOptagelse(optagelse);
        const QString efterTilbage = tilstand(a, true);
        if (efterTilbage != efterTaster)
            QFAIL(qPrintable(besked + QStringLiteral("\ngenafspillet:\n") + efterTilbage +
                             QStringLiteral("\ntastet:\n") + efterTaster));
    }
    // The random keys meet errors often enough for both branches to matter.
    QVERIFY(medFejl > 300);
}

// Typing a key and pressing "Tilbage" gives what typing without the key gave,
// for every key that recorded one code (keys that record nothing leave
// "Tilbage" to undo the key before them; a digit after a comma is undone
// together with the comma, as documented).
void TestGenafspilning::tilbageFortryderSidsteTast() {
    QRandomGenerator g(77);
    int proevet = 0;
    for (int n = 0; n < 3000; ++n) {
        const QString taster = tilfaeldigeTaster(g);
        const Indstillinger ind = tilfaeldigeIndstillinger(g);
        RegnerFixtur uden;
        indstil(uden.regner, ind);
        uden.tast(taster.chopped(1));
        RegnerFixtur med;
        indstil(med.regner, ind);
        med.tast(taster);
        const QString foer = uden.regner.formelString();
        const QString efter = med.regner.formelString();
        if (efter.size() != foer.size() + 1 || !efter.startsWith(foer)) continue;
        if (foer.endsWith(u',') && efter.back() != u'i' && efter.back() != u'h') continue;
        ++proevet;
        med.tast(QStringLiteral("\b"));
        const QString efterTilbage = tilstand(med, false);
        const QString forventet = tilstand(uden, false);
        if (efterTilbage != forventet)
            QFAIL(qPrintable(QStringLiteral("taster '%1'\nefter Tilbage:\n%2\nuden tasten:\n%3")
                                 .arg(taster, efterTilbage, forventet)));
    }
    QVERIFY(proevet > 1000);
}

// Formula texts replayed as the expression window's "Beregn" does.
void TestGenafspilning::udtryk_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("udtryk");
    QTest::newRow("eksempel") << "2+3*4="
                              << "14"
                              << "2 + 3 * 4 = 14";
    QTest::newRow("mellemrum ignoreres") << "2 + 3 ="
                                         << "5"
                                         << "2 + 3 = 5";
    QTest::newRow("kvadrat og rod") << "2x+9ix="
                                    << "7"
                                    << "2^2 + 9 Rod 2 = 7";
    QTest::newRow("is er ArcSin") << "0,5is"
                                  << "30"
                                  << "ArcSin(0,5)";
    QTest::newRow("his er ArcSinh") << "1his"
                                    << "0,881373587019543"
                                    << "ArcSinh(1)";
    QTest::newRow("i er en skifter") << "0,5isis"
                                     << "0,5"
                                     << "Sin(ArcSin(0,5))";
    QTest::newRow("punktum er komma") << "1.5*2="
                                      << "3"
                                      << "1,5 * 2 = 3";
    QTest::newRow("funktion efter komma goer intet") << "5,s"
                                                     << "5,"
                                                     << "5,";
    QTest::newRow("funktion efter operator") << "2+s"
                                             << "0,034899496702501"
                                             << "2 + Sin(2)";
    QTest::newRow("lig med er tasten") << "5+=-3="
                                       << "7"
                                       << "10 - 3 = 7";
    QTest::newRow("lig med fjerner Inv") << "9iz=s"
                                         << "0,0362963370898539"
                                         << "Sin(2,0800838230519)";
    QTest::newRow("vinkelenhed") << "b1,5707963267949s"
                                 << "1"
                                 << "Sin(1,5707963267949)";
}

void TestGenafspilning::udtryk() {
    QFETCH(QString, tekst);
    QFETCH(QString, display);
    QFETCH(QString, udtryk);
    RegnerFixtur f;
    f.regner.realiserFormel(tekst);
    QCOMPARE(f.regner.displayTekst(), display);
    QCOMPARE(f.regner.udText(), udtryk);
    QVERIFY(f.beskeder.boxe.isEmpty());
    QVERIFY(!f.regner.UdtrykGo());
}

void TestGenafspilning::afbrudtAfspilning_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tegn");
    QTest::newRow("ukendt tegn") << "2+3X"
                                 << "3"
                                 << "X";
    QTest::newRow("k er ukendt") << "2k+3"
                                 << "2"
                                 << "k";
    QTest::newRow("ugyldige funktionsdata") << "0n+5" << fejlTekst << "n";
    QTest::newRow("division med 0") << "8/0=5" << fejlTekst << "=";
}

void TestGenafspilning::afbrudtAfspilning() {
    QFETCH(QString, tekst);
    QFETCH(QString, display);
    QFETCH(QString, tegn);
    RegnerFixtur f;
    f.regner.realiserFormel(tekst);
    QCOMPARE(f.regner.displayTekst(), display);
    QCOMPARE(f.beskeder.tekster(),
             QStringList{QStringLiteral("Beregning afbrudt!\nDer er opstået en fejl.\n"
                                        "Det kan skyldes ugyldige funktionsdata.\n"
                                        "Eller det kan have sin årsag i ukendt tegn: ") +
                         tegn});
    QCOMPARE(f.beskeder.hints, QStringList{QStringLiteral("Afbrudt")});
    QVERIFY(!f.regner.UdtrykGo());
}

void TestGenafspilning::tomAfspilning() {
    RegnerFixtur f;
    f.tast(QStringLiteral("2+3="));
    f.regner.realiserFormel(QString());
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    QCOMPARE(f.regner.udText(), QString());
    QVERIFY(f.meta.linjer.isEmpty());
    QVERIFY(f.beskeder.boxe.isEmpty());
}

// "Tilbage" after these keys: display and recording.
void TestGenafspilning::tilbage_data() {
    QTest::addColumn<QString>("taster");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("formel");
    QTest::newRow("tom optagelse") << ""
                                   << "0"
                                   << "";
    QTest::newRow("sidste ciffer") << "123"
                                   << "12"
                                   << "12";
    QTest::newRow("ciffer efter komma tager kommaet") << "5,3"
                                                      << "5"
                                                      << "5";
    QTest::newRow("operator") << "5+"
                              << "5"
                              << "5";
    QTest::newRow("funktion") << "30s"
                              << "30"
                              << "30";
    QTest::newRow("invers funktion efterlader Inv") << "0,5is"
                                                    << "0,5"
                                                    << "0,5i";
    QTest::newRow("Inv-skifter") << "5,i"
                                 << "5,"
                                 << "5,";
    QTest::newRow("lig med") << "2+3="
                             << "3"
                             << "2+3";
    QTest::newRow("operator efter resultat") << "2+3=*"
                                             << "5"
                                             << "2+3=";
    QTest::newRow("fejl") << "8/0="
                          << "0"
                          << "8/0";
    QTest::newRow("fortegn") << "5ff"
                             << "-5"
                             << "5f";
    QTest::newRow("fortegn efter operator") << "5+f"
                                            << "5"
                                            << "5+";
}

void TestGenafspilning::tilbage() {
    QFETCH(QString, taster);
    QFETCH(QString, display);
    QFETCH(QString, formel);
    RegnerFixtur f;
    f.tast(taster);
    f.tast(QStringLiteral("\b"));
    QCOMPARE(f.regner.displayTekst(), display);
    QCOMPARE(f.regner.formelString(), formel);
    QVERIFY(f.beskeder.boxe.isEmpty());
}

// Keys went on after a domain error; "Tilbage" replays past it.
void TestGenafspilning::tilbageEfterFejlGaarVidere() {
    RegnerFixtur f;
    f.tast(QStringLiteral("8/0=+52"));
    f.tast(QStringLiteral("\b"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("8/0=+5"));
    QVERIFY(f.beskeder.boxe.isEmpty());
    f.tast(QStringLiteral("="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("INF"));
}

// Replaying the task does not store its values in the memory again.
void TestGenafspilning::tilbageGentagerIkkeGem() {
    RegnerFixtur f;
    f.tast(QStringLiteral("2+3=g*4"));
    QCOMPARE(f.huk.captions(), QStringList{QStringLiteral("5")});
    f.tast(QStringLiteral("\b\b"));
    QCOMPARE(f.huk.captions(), QStringList{QStringLiteral("5")});
    QCOMPARE(f.regner.formelString(), QStringLiteral("2+3=g"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
}

// A recall fetched the memory as it was then; "Tilbage" fetches the same.
void TestGenafspilning::tilbageHenterDetSammeSomTasterne() {
    RegnerFixtur f;
    f.huk.gemFraVindue(QStringLiteral("andet vindue"), 4);
    f.tast(QStringLiteral("j+7g+"));
    QCOMPARE(f.huk.Hval, 7.0);
    f.tast(QStringLiteral("\b="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("11"));
}

void TestGenafspilning::seperator_data() {
    QTest::addColumn<QString>("tal");
    QTest::addColumn<QString>("ud");
    QTest::newRow("7 cifre") << "1234567"
                             << "1.234.567";
    QTest::newRow("decimaler") << "1234,5678"
                               << "1.234,5678";
    QTest::newRow("negativt") << "-1234"
                              << "-1.234";
    QTest::newRow("negativt 3 cifre") << "-123"
                                      << "-123";
    QTest::newRow("100") << "100"
                         << "100";
    QTest::newRow("-100000") << "-100000"
                             << "-100.000";
    QTest::newRow("eksponent") << "1E20"
                               << "1E20";
    QTest::newRow("uendelig") << "-INF"
                              << "-INF";
}

void TestGenafspilning::seperator() {
    QFETCH(QString, tal);
    QFETCH(QString, ud);
    QCOMPARE(TRegner::getSeperatorS(tal), ud);
}

// The expression line: a result is shown grouped; a function after ")"
// wraps the trailing group.
void TestGenafspilning::udtrykslinje() {
    RegnerFixtur f;
    f.tast(QStringLiteral("1234*1000="));
    QCOMPARE(f.regner.udText(), QStringLiteral("1234 * 1000 = 1.234.000"));
    RegnerFixtur g;
    g.tast(QStringLiteral("2*(3+4)ss"));
    QCOMPARE(g.regner.udText(), QStringLiteral("2 * Sin(Sin(3 + 4))"));
    QVERIFY(g.beskeder.boxe.isEmpty());
}

// The sign key on a number typed across "(" takes the parenthesis off the
// line; a function on the following ")" then finds the line unbalanced: the
// message is shown and the task starts afresh, with nothing left of the key.
void TestGenafspilning::ubalanceretUdtrykslinje() {
    RegnerFixtur f;
    f.tast(QStringLiteral("5f(0f+1)s"));
    QCOMPARE(f.beskeder.tekster(),
             QStringList{QStringLiteral("Sin\nDer er fejl i formuleringen.")});
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    QCOMPARE(f.regner.udText(), QString());
    QCOMPARE(f.regner.formelString(), QString());
    QVERIFY(f.meta.linjer.isEmpty());
}

// Long numbers are read as the number text module reads them.
void TestGenafspilning::langeTal() {
    RegnerFixtur f;
    QString tal = QStringLiteral("0,");
    for (int i = 0; i < 3000; ++i)
        tal += QChar(u'1' + i % 9);
    f.tast(tal);
    QCOMPARE(f.regner.Dval(), tal::laes(tal));
    RegnerFixtur g;
    g.tast(QString(QStringLiteral("9")).repeated(1500));
    QCOMPARE(g.regner.displayTekst().size(), 1500);
    QVERIFY(std::isinf(g.regner.Dval()));
    RegnerFixtur h;
    const QString nuller = QStringLiteral("0,") + QString(QStringLiteral("0")).repeated(1200) +
                           u'5' + QString(QStringLiteral("0")).repeated(500);
    h.tast(nuller);
    QCOMPARE(h.regner.Dval(), tal::laes(nuller));
}

QTEST_GUILESS_MAIN(TestGenafspilning)
#include "tst_genafspilning.moc"
