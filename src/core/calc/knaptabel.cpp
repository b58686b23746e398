#include "core/calc/knaptabel.h"

#include <algorithm>
#include <QHash>

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
        {"disDecimaler", D, 0, 0, A::Valg, "", "Bestem decimaler", "", ""},
        {"rmDisplay", D, 0, 1, A::Visning, "", "", "", ""},
        {"rmOperator", D, 0, 2, A::Visning, "", "", "", ""},
        {"gradGrader", D, 1, 0, A::Radio, "Deg", "360 grader", "v", ""},
        {"gradRadianer", D, 1, 1, A::Radio, "Rad", "2pi grader", "b", ""},
        {"gradNygrader", D, 1, 2, A::Radio, "Nygrader", "400 grader", "d", ""},
        {"disNy", D, 1, 3, A::Knap, "Ny", "Ny opgave: Home eller Ctrl+N", "", ""},
        {"disSlet", D, 1, 4, A::DeltKnap, "#", "Funktioner", "", ""},
        {"disTilbage", D, 1, 5, A::Knap, "Tilbage", "Slet sidste talinput", "", ""},
        {"DelTal", D, -1, -1, A::Menupunkt, "Slet", "Sæt værdien til nul", "", ""},
        {"RoundTal", D, -1, -1, A::Menupunkt, "Afrund", "Afrund tallet til nærmeste heltal", "",
         ""},

        // Calculator page.
        {"beMod", R, 1, 0, A::Knap, "Mod", "Tal [Mod] Tal", "m", "Mod funktion"},
        {"oprProcent", R, 1, 1, A::Knap, "%", "Tal [%] Tal", "%", procent},
        {"beN", R, 1, 2, A::Knap, "n!", "Tal [n!]", "!", "Fakultet"},
        {"funkPbegynd", R, 1, 3, A::Knap, "(", "Parentes begynd", "(", parentes},
        {"funkPslut", R, 1, 4, A::Knap, ")", "Parentes slut", ")", parentes},
        {"funkParenteser", R, 1, 5, A::Etiket, "", "Antal parenteser begynd", "", ""},
        {"oprDivider", R, 1, 6, A::Knap, "/", "Tal [/] Tal", "/", prioritet},

        {"beSin", R, 2, 0, A::Knap, "Sin", "Tal [Sin] : [inv] Tal [ArcSin]", "s", trig},
        {"beLn", R, 2, 1, A::Knap, "Ln", "Tal [Ln]", "n", naturlig},
        {"bePotens2", R, 2, 2, A::Knap, "x^2", "Tal [x^2] : [inv] Tal [x Rod 2]", "x", potens},
        {"rm7", R, 2, 3, A::Knap, "7", "", "", ""},
        {"rm8", R, 2, 4, A::Knap, "8", "", "", ""},
        {"rm9", R, 2, 5, A::Knap, "9", "", "", ""},
        {"oprGange", R, 2, 6, A::Knap, "*", "Tal [*] Tal", "*", prioritet},

        {"beCos", R, 3, 0, A::Knap, "Cos", "Tal [Cos] : [inv] Tal [ArcCos]", "c", trig},
        {"beExp", R, 3, 1, A::Knap, "Exp", "Tal [Exp]", "e", naturlig},
        {"bePotens3", R, 3, 2, A::Knap, "x^3", "Tal [x^3] : [inv] Tal [x Rod 3]", "z", potens},
        {"rm4", R, 3, 3, A::Knap, "4", "", "", ""},
        {"rm5", R, 3, 4, A::Knap, "5", "", "", ""},
        {"rm6", R, 3, 5, A::Knap, "6", "", "", ""},
        {"oprMinus", R, 3, 6, A::Knap, "-", "Tal [-] Tal", "-", prioritet},

        {"beTan", R, 4, 0, A::Knap, "Tan", "Tal [Tan] : [inv] Tal [ArcTan]", "t", trig},
        {"beLog", R, 4, 1, A::Knap, "log", "Tal [log] : [inv] Tal [10^x]", "l", "Titalslogaritmen"},
        {"bePotensY", R, 4, 2, A::Knap, "x^y", "Tal [x^y] Tal : [inv] Tal [x Rod y] Tal", "^",
         potens},
        {"rm1", R, 4, 3, A::Knap, "1", "", "", ""},
        {"rm2", R, 4, 4, A::Knap, "2", "", "", ""},
        {"rm3", R, 4, 5, A::Knap, "3", "", "", ""},
        {"oprPlus", R, 4, 6, A::Knap, "+", "Tal [+] Tal", "+", prioritet},

        {"beCot", R, 5, 0, A::Knap, "Cot", "Tal [Cot] : [inv] Tal [ArcCot]", "o", trig},
        {"oprPi", R, 5, 1, A::Knap, "pi", "[pi]", "p", "Pi"},
        {"beReciprog", R, 5, 2, A::Knap, "1/x", "Tal [1/x]", "r", reciprok},
        {"rmPlusMinus", R, 5, 3, A::Knap, "+/-", "Tal [+/-]", "f", negate},
        {"rm0", R, 5, 4, A::Knap, "0", "", "", ""},
        {"rmKomma", R, 5, 5, A::Knap, ",", "Tal [,] Decimaler", ",", ""},
        {"oprResultat", R, 5, 6, A::Knap, "=", "[=] eller  lighedstegn eller entertast", "=", ""},

        {"funkHyp", R, 6, 0, A::Afkrydsning, "Hyp", "Hyperbolsk funktion", "h", ""},
        {"funkInvers", R, 6, 1, A::Afkrydsning, "Inv", "Invers funktion", "i", ""},
        {"hukGem", R, 6, 2, A::Knap, "G", "Gem aktuelle værdi i hukommelsen", "g", hukommelse},
        {"hukHent", R, 6, 3, A::DeltKnap, "H", "Hent aktuelle hukommelsesværdi", "j", ""},
        {"hukDisplay", R, 6, 4, A::Visning, "", "Aktuelle hukommelsesværdi", "", ""},

        // Simple calculator page.
        {"oprProcentX", X, 1, 0, A::Knap, "%", "Tal [%] Tal", "%", procent},
        {"hukGemX", X, 1, 1, A::Knap, "Gem", "Gem aktuelle værdi i hukommelsen", "g", hukommelse},
        {"hukHentX", X, 1, 2, A::Knap, "Hent", "Hent aktuelle hukommelsesværdi", "j", hukommelse},

        {"beReciprogX", X, 2, 0, A::Knap, "1/x", "Tal [1/x]", "r", reciprok},
        {"bePotens2X", X, 2, 1, A::Knap, "x^2", "Tal [x^2]", "x", potens},
        {"rodToKnap", X, 2, 2, A::Knap, "rod 2", "Kvadratroden af tallet", "", potens},
        {"oprDividerX", X, 2, 3, A::Knap, "/", "Tal [/] Tal", "/", prioritet},

        {"rm7X", X, 3, 0, A::Knap, "7", "", "", ""},
        {"rm8X", X, 3, 1, A::Knap, "8", "", "", ""},
        {"rm9X", X, 3, 2, A::Knap, "9", "", "", ""},
        {"oprGangeX", X, 3, 3, A::Knap, "*", "Tal [*] Tal", "*", prioritet},

        {"rm4X", X, 4, 0, A::Knap, "4", "", "", ""},
        {"rm5X", X, 4, 1, A::Knap, "5", "", "", ""},
        {"rm6X", X, 4, 2, A::Knap, "6", "", "", ""},
        {"oprMinusX", X, 4, 3, A::Knap, "-", "Tal [-] Tal", "-", prioritet},

        {"rm1X", X, 5, 0, A::Knap, "1", "", "", ""},
        {"rm2X", X, 5, 1, A::Knap, "2", "", "", ""},
        {"rm3X", X, 5, 2, A::Knap, "3", "", "", ""},
        {"oprPlusX", X, 5, 3, A::Knap, "+", "Tal [+] Tal", "+", prioritet},

        {"rmPlusMinusX", X, 6, 0, A::Knap, "+/-", "Skift fortegn", "f", negate},
        {"rm0X", X, 6, 1, A::Knap, "0", "", "", ""},
        {"rmKommaX", X, 6, 2, A::Knap, ",", "Sæt komma", ",", ""},
        {"oprResultatX", X, 6, 3, A::Knap, "=", "Beregn: Enter, F9 eller =", "=", ""},
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
