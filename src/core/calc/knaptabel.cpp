#include "core/calc/knaptabel.h"

#include <algorithm>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

const QString trig = QStringLiteral("Trigonometriske funktioner");
const QString naturlig = QStringLiteral("Den naturlige logaritme");
const QString potens = QStringLiteral("Potens og rod beregning");
const QString parentes = QStringLiteral("Anvendelse af parenteser");
const QString hukommelse = QStringLiteral("Anvendelse af hukommelse");
const QString prioritet = QStringLiteral("Operator prioritet");
const QString procent = QStringLiteral("Procent beregning");
const QString reciprok = QStringLiteral("Reciprok");
const QString negate = QStringLiteral("Negate");

QList<TKnap> lavTabel() {
    using A = TKnapArt;
    const auto R = TKnapSide::Regner;
    const auto X = TKnapSide::Simpel;
    const auto D = TKnapSide::Display;
    QList<TKnap> t = {
        // Display block.
        {u"disDecimaler"_s, D, 0, 0, A::Valg, {}, u"Bestem decimaler"_s, {}, {}},
        {u"rmDisplay"_s, D, 0, 1, A::Visning, {}, {}, {}, {}},
        {u"rmOperator"_s, D, 0, 2, A::Visning, {}, {}, {}, {}},
        {u"gradGrader"_s, D, 1, 0, A::Radio, u"Deg"_s, u"360 grader"_s, u"v"_s, {}},
        {u"gradRadianer"_s, D, 1, 1, A::Radio, u"Rad"_s, u"2pi grader"_s, u"b"_s, {}},
        {u"gradNygrader"_s, D, 1, 2, A::Radio, u"Nygrader"_s, u"400 grader"_s, u"d"_s, {}},
        {u"disNy"_s, D, 1, 3, A::Knap, u"Ny"_s, u"Ny opgave: Home eller Ctrl+N"_s, {}, {}},
        {u"disSlet"_s, D, 1, 4, A::DeltKnap, u"#"_s, u"Funktioner"_s, {}, {}},
        {u"disTilbage"_s, D, 1, 5, A::Knap, u"Tilbage"_s, u"Slet sidste talinput"_s, {}, {}},
        {u"DelTal"_s, D, -1, -1, A::Menupunkt, u"Slet"_s, u"Sæt værdien til nul"_s, {}, {}},
        {u"RoundTal"_s,
         D,
         -1,
         -1,
         A::Menupunkt,
         u"Afrund"_s,
         u"Afrund tallet til nærmeste heltal"_s,
         {},
         {}},

        // Calculator page.
        {u"beMod"_s, R, 1, 0, A::Knap, u"Mod"_s, u"Tal [Mod] Tal"_s, u"m"_s, u"Mod funktion"_s},
        {u"oprProcent"_s, R, 1, 1, A::Knap, u"%"_s, u"Tal [%] Tal"_s, u"%"_s, procent},
        {u"beN"_s, R, 1, 2, A::Knap, u"n!"_s, u"Tal [n!]"_s, u"!"_s, u"Fakultet"_s},
        {u"funkPbegynd"_s, R, 1, 3, A::Knap, u"("_s, u"Parentes begynd"_s, u"("_s, parentes},
        {u"funkPslut"_s, R, 1, 4, A::Knap, u")"_s, u"Parentes slut"_s, u")"_s, parentes},
        {u"funkParenteser"_s, R, 1, 5, A::Etiket, {}, u"Antal parenteser begynd"_s, {}, {}},
        {u"oprDivider"_s, R, 1, 6, A::Knap, u"/"_s, u"Tal [/] Tal"_s, u"/"_s, prioritet},

        {u"beSin"_s, R, 2, 0, A::Knap, u"Sin"_s, u"Tal [Sin] : [inv] Tal [ArcSin]"_s, u"s"_s, trig},
        {u"beLn"_s, R, 2, 1, A::Knap, u"Ln"_s, u"Tal [Ln]"_s, u"n"_s, naturlig},
        {u"bePotens2"_s, R, 2, 2, A::Knap, u"x^2"_s, u"Tal [x^2] : [inv] Tal [x Rod 2]"_s, u"x"_s,
         potens},
        {u"rm7"_s, R, 2, 3, A::Knap, u"7"_s, {}, {}, {}},
        {u"rm8"_s, R, 2, 4, A::Knap, u"8"_s, {}, {}, {}},
        {u"rm9"_s, R, 2, 5, A::Knap, u"9"_s, {}, {}, {}},
        {u"oprGange"_s, R, 2, 6, A::Knap, u"*"_s, u"Tal [*] Tal"_s, u"*"_s, prioritet},

        {u"beCos"_s, R, 3, 0, A::Knap, u"Cos"_s, u"Tal [Cos] : [inv] Tal [ArcCos]"_s, u"c"_s, trig},
        {u"beExp"_s, R, 3, 1, A::Knap, u"Exp"_s, u"Tal [Exp]"_s, u"e"_s, naturlig},
        {u"bePotens3"_s, R, 3, 2, A::Knap, u"x^3"_s, u"Tal [x^3] : [inv] Tal [x Rod 3]"_s, u"z"_s,
         potens},
        {u"rm4"_s, R, 3, 3, A::Knap, u"4"_s, {}, {}, {}},
        {u"rm5"_s, R, 3, 4, A::Knap, u"5"_s, {}, {}, {}},
        {u"rm6"_s, R, 3, 5, A::Knap, u"6"_s, {}, {}, {}},
        {u"oprMinus"_s, R, 3, 6, A::Knap, u"-"_s, u"Tal [-] Tal"_s, u"-"_s, prioritet},

        {u"beTan"_s, R, 4, 0, A::Knap, u"Tan"_s, u"Tal [Tan] : [inv] Tal [ArcTan]"_s, u"t"_s, trig},
        {u"beLog"_s, R, 4, 1, A::Knap, u"log"_s, u"Tal [log] : [inv] Tal [10^x]"_s, u"l"_s,
         u"Titalslogaritmen"_s},
        {u"bePotensY"_s, R, 4, 2, A::Knap, u"x^y"_s, u"Tal [x^y] Tal : [inv] Tal [x Rod y] Tal"_s,
         u"^"_s, potens},
        {u"rm1"_s, R, 4, 3, A::Knap, u"1"_s, {}, {}, {}},
        {u"rm2"_s, R, 4, 4, A::Knap, u"2"_s, {}, {}, {}},
        {u"rm3"_s, R, 4, 5, A::Knap, u"3"_s, {}, {}, {}},
        {u"oprPlus"_s, R, 4, 6, A::Knap, u"+"_s, u"Tal [+] Tal"_s, u"+"_s, prioritet},

        {u"beCot"_s, R, 5, 0, A::Knap, u"Cot"_s, u"Tal [Cot] : [inv] Tal [ArcCot]"_s, u"o"_s, trig},
        {u"oprPi"_s, R, 5, 1, A::Knap, u"pi"_s, u"[pi]"_s, u"p"_s, u"Pi"_s},
        {u"beReciprog"_s, R, 5, 2, A::Knap, u"1/x"_s, u"Tal [1/x]"_s, u"r"_s, reciprok},
        {u"rmPlusMinus"_s, R, 5, 3, A::Knap, u"+/-"_s, u"Tal [+/-]"_s, u"f"_s, negate},
        {u"rm0"_s, R, 5, 4, A::Knap, u"0"_s, {}, {}, {}},
        {u"rmKomma"_s, R, 5, 5, A::Knap, u","_s, u"Tal [,] Decimaler"_s, u","_s, {}},
        {u"oprResultat"_s,
         R,
         5,
         6,
         A::Knap,
         u"="_s,
         u"[=] eller  lighedstegn eller entertast"_s,
         u"="_s,
         {}},

        {u"funkHyp"_s, R, 6, 0, A::Afkrydsning, u"Hyp"_s, u"Hyperbolsk funktion"_s, u"h"_s, {}},
        {u"funkInvers"_s, R, 6, 1, A::Afkrydsning, u"Inv"_s, u"Invers funktion"_s, u"i"_s, {}},
        {u"hukGem"_s, R, 6, 2, A::Knap, u"G"_s, u"Gem aktuelle værdi i hukommelsen"_s, u"g"_s,
         hukommelse},
        {u"hukHent"_s,
         R,
         6,
         3,
         A::DeltKnap,
         u"H"_s,
         u"Hent aktuelle hukommelsesværdi"_s,
         u"j"_s,
         {}},
        {u"hukDisplay"_s, R, 6, 4, A::Visning, {}, u"Aktuelle hukommelsesværdi"_s, {}, {}},

        // Simple calculator page.
        {u"oprProcentX"_s, X, 1, 0, A::Knap, u"%"_s, u"Tal [%] Tal"_s, u"%"_s, procent},
        {u"hukGemX"_s, X, 1, 1, A::Knap, u"Gem"_s, u"Gem aktuelle værdi i hukommelsen"_s, u"g"_s,
         hukommelse},
        {u"hukHentX"_s, X, 1, 2, A::Knap, u"Hent"_s, u"Hent aktuelle hukommelsesværdi"_s, u"j"_s,
         hukommelse},

        {u"beReciprogX"_s, X, 2, 0, A::Knap, u"1/x"_s, u"Tal [1/x]"_s, u"r"_s, reciprok},
        {u"bePotens2X"_s, X, 2, 1, A::Knap, u"x^2"_s, u"Tal [x^2]"_s, u"x"_s, potens},
        {u"rodToKnap"_s, X, 2, 2, A::Knap, u"rod 2"_s, u"Kvadratroden af tallet"_s, {}, potens},
        {u"oprDividerX"_s, X, 2, 3, A::Knap, u"/"_s, u"Tal [/] Tal"_s, u"/"_s, prioritet},

        {u"rm7X"_s, X, 3, 0, A::Knap, u"7"_s, {}, {}, {}},
        {u"rm8X"_s, X, 3, 1, A::Knap, u"8"_s, {}, {}, {}},
        {u"rm9X"_s, X, 3, 2, A::Knap, u"9"_s, {}, {}, {}},
        {u"oprGangeX"_s, X, 3, 3, A::Knap, u"*"_s, u"Tal [*] Tal"_s, u"*"_s, prioritet},

        {u"rm4X"_s, X, 4, 0, A::Knap, u"4"_s, {}, {}, {}},
        {u"rm5X"_s, X, 4, 1, A::Knap, u"5"_s, {}, {}, {}},
        {u"rm6X"_s, X, 4, 2, A::Knap, u"6"_s, {}, {}, {}},
        {u"oprMinusX"_s, X, 4, 3, A::Knap, u"-"_s, u"Tal [-] Tal"_s, u"-"_s, prioritet},

        {u"rm1X"_s, X, 5, 0, A::Knap, u"1"_s, {}, {}, {}},
        {u"rm2X"_s, X, 5, 1, A::Knap, u"2"_s, {}, {}, {}},
        {u"rm3X"_s, X, 5, 2, A::Knap, u"3"_s, {}, {}, {}},
        {u"oprPlusX"_s, X, 5, 3, A::Knap, u"+"_s, u"Tal [+] Tal"_s, u"+"_s, prioritet},

        {u"rmPlusMinusX"_s, X, 6, 0, A::Knap, u"+/-"_s, u"Skift fortegn"_s, u"f"_s, negate},
        {u"rm0X"_s, X, 6, 1, A::Knap, u"0"_s, {}, {}, {}},
        {u"rmKommaX"_s, X, 6, 2, A::Knap, u","_s, u"Sæt komma"_s, u","_s, {}},
        {u"oprResultatX"_s, X, 6, 3, A::Knap, u"="_s, u"Beregn: Enter, F9 eller ="_s, u"="_s, {}},
    };
    return t;
}

} // namespace

const QList<TKnap>& TKnaptabel::alle() {
    static const QList<TKnap> tabel = lavTabel();
    return tabel;
}

const TKnap* TKnaptabel::find(const QString& navn) {
    static const QHash<QString, qsizetype> indeks = [] {
        QHash<QString, qsizetype> h;
        const QList<TKnap>& t = alle();
        for (qsizetype i = 0; i < t.size(); ++i)
            h.insert(t[i].navn, i);
        return h;
    }();
    const auto it = indeks.constFind(navn);
    return it == indeks.constEnd() ? nullptr : &alle()[*it];
}

QList<TKnap> TKnaptabel::side(TKnapSide side) {
    QList<TKnap> ud;
    for (const TKnap& k : alle())
        if (k.side == side && k.raekke >= 0) ud.append(k);
    std::stable_sort(ud.begin(), ud.end(), [](const TKnap& a, const TKnap& b) {
        return a.raekke != b.raekke ? a.raekke < b.raekke : a.kolonne < b.kolonne;
    });
    return ud;
}

QStringList TKnaptabel::decimalPunkter() {
    return {QStringLiteral("Automatisk"),  QStringLiteral("0 decimaler"),
            QStringLiteral("1 decimal"),   QStringLiteral("2 decimaler"),
            QStringLiteral("3 decimaler"), QStringLiteral("4 decimaler")};
}
