// Immediate functions, Inv and Hyp, pi and the angle modes of the calculator engine.
#include "core/calc/regner.h"

#include "core/calc/knaptabel.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner_haandtering.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
constexpr double toPi = 6.283185307179586;

bool erHel(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

} // namespace

void TRegner::funktionsTast(int nummer, int invNummer, QChar kode, int Fnr, bool nyOpgave) {
    Haandtering h(*this);
    if (!insertDval()) return;
    if (nyOpgave && m_ResOn) Ny(true);
    m_knapNo = (m_inversFunk && invNummer >= 0) ? invNummer : nummer;
    // Inv and Hyp are recorded as their own toggles when they change, so the
    // function's code is the same whatever the boxes show.
    tilfoejKode(kode);
    BeregnStraks(Fnr);
}

void TRegner::beSinClick() {
    funktionsTast(20, 120, u's', 4, true);
}

void TRegner::beCosClick() {
    funktionsTast(21, 121, u'c', 5, true);
}

void TRegner::beTanClick() {
    funktionsTast(22, 122, u't', 6, true);
}

void TRegner::beCotClick() {
    funktionsTast(23, 123, u'o', 7, true);
}

void TRegner::beNClick() {
    funktionsTast(29, -1, u'!', 11, true);
}

void TRegner::beReciprogClick() {
    funktionsTast(33, -1, u'r', 2, true);
}

// Ln, Exp and log continue the task after a result (no new task).
void TRegner::beLnClick() {
    funktionsTast(25, -1, u'n', 8, false);
}

void TRegner::beExpClick() {
    funktionsTast(26, -1, u'e', 9, false);
}

void TRegner::beLogClick() {
    funktionsTast(27, 127, u'l', 10, false);
}

void TRegner::BeregnStraks(int Fnr) {
    Haandtering h(*this);
    m_udtrykNulstillet = false;
    try {
        saetOperator(QString());
        m_inversFunk = m_inv;
        m_talKey = false;
        const QString S = ValS(m_Dval);
        m_PknapNo = 500;

        const double x = m_Dval;
        const double G = m_Grader;
        const bool inv = m_inversFunk;
        const bool hyp = m_hyp;
        const bool grader = G == 360;
        const bool medNuller = G != toPi; // degrees and grads have exact zeros
        const double rad = x * 2 * (pi / G);
        auto enhed = [G](double v) { return v * (G / (2 * pi)); };

        double v = x;
        QString navn;
        QString input;     // the input text of the input/output form
        QString linjeFoer; // the list line up to " = " + result
        bool medResultat = true;

        switch (Fnr) {
        case 2:
            if (x == 0) m_valueError = true;
            v = 1 / x;
            navn = QStringLiteral("1/");
            input = linjeFoer = QStringLiteral("1/") + S;
            break;
        case 4:
            if (inv && hyp) {
                v = std::asinh(x);
                navn = QStringLiteral("ArcSinh");
            } else if (inv) {
                v = enhed(std::asin(x));
                navn = QStringLiteral("ArcSin");
            } else if (hyp) {
                v = std::sinh(x);
                navn = QStringLiteral("Sinh");
            } else {
                v = (medNuller && erHel(x / (G / 2))) ? 0 : std::sin(rad);
                navn = QStringLiteral("Sin");
            }
            break;
        case 5:
            if (inv && hyp) {
                v = std::acosh(x);
                navn = QStringLiteral("ArcCosh");
            } else if (inv) {
                v = enhed(std::acos(x));
                navn = QStringLiteral("ArcCos");
            } else if (hyp) {
                v = std::cosh(x);
                navn = QStringLiteral("Cosh");
            } else {
                v = (medNuller && erHel((x + G / 4) / (G / 2))) ? 0 : std::cos(rad);
                navn = QStringLiteral("Cos");
            }
            break;
        case 6:
            if (inv && hyp) {
                v = x == 1 ? HUGE_VAL : x == -1 ? -HUGE_VAL : std::atanh(x);
                navn = QStringLiteral("ArcTanh");
            } else if (inv) {
                v = enhed(std::atan(x));
                navn = QStringLiteral("ArcTan");
            } else if (hyp) {
                v = std::tanh(x);
                navn = QStringLiteral("Tanh");
            } else {
                if (grader && (x == 90 || x == 270)) m_valueError = true;
                v = (grader && x == 180) ? 0 : std::tan(rad);
                navn = QStringLiteral("Tan");
            }
            break;
        case 7:
            if (inv) {
                v = enhed(x == 0 ? pi / 2 : std::atan(1 / x));
                navn = QStringLiteral("ArcCot");
            } else {
                if (grader && erHel(x) && std::fmod(x, 90) == 0) m_valueError = true;
                v = 1 / std::tan(rad);
                navn = QStringLiteral("Cot");
            }
            break;
        case 8:
            if (x <= 0) m_valueError = true;
            v = std::log(x);
            navn = QStringLiteral("Ln");
            break;
        case 9:
            v = std::exp(x);
            navn = QStringLiteral("Exp");
            break;
        case 10:
            if (inv) {
                v = std::exp(x * std::log(10.0));
                navn = QStringLiteral("10^");
                input = linjeFoer = QStringLiteral("10^") + S;
            } else {
                if (x <= 0) m_valueError = true;
                v = std::log10(x);
                navn = QStringLiteral("Log");
            }
            break;
        case 11: {
            navn = QStringLiteral("fact");
            // The factorial works on the number as the display shows it.
            const double n = tal::laes(visning().toString());
            v = n;
            if (n < 0 || !erHel(n)) {
                medResultat = false;
            } else {
                // Above 170 the product leaves the double range.
                double produkt = 1;
                if (n > 170)
                    produkt = HUGE_VAL;
                else
                    for (int k = 2; k <= static_cast<int>(n); ++k)
                        produkt *= k;
                v = produkt;
                input = linjeFoer = tal::fast(n, 0) + u'!';
            }
            break;
        }
        case 12:
            navn = QStringLiteral("Negate");
            // Every sign change leaves its code, also right after an operator,
            // a parenthesis or a result, so a replay repeats it.
            if (!m_FormelOn) tilfoejKode(u'f');
            // Written before the computation: the expression line looks at
            // the sign of the value being negated.
            udskrivUdtext(navn, false);
            if (m_udtrykNulstillet) return;
            v = -x;
            break;
        default:
            return;
        }
        if (input.isEmpty() && medResultat && Fnr != 11) input = linjeFoer = navn + u'(' + S + u')';

        m_Dval = v;
        const QString R = ValS(m_Dval);
        const QString linje = medResultat ? linjeFoer + QLatin1String(" = ") + R : S;
        if (Fnr != 12) {
            udskrivUdtext(navn, false);
            // An expression line that no longer matches the keys reset the
            // task; the function has nothing left to act on.
            if (m_udtrykNulstillet) return;
        }
        if (!m_FormelOn && m_UdskrivInOut) InOutDis(2, input);
        UdskrivRmRes();
        if (!m_FormelOn && m_disOn) {
            if (m_UdskrivInOut)
                InOutDis(3, linje);
            else
                m_meta.tilfoej(linje);
            m_meta.vaelgSidste();
        }
        if (m_valueError) ErrorDis();
    } catch (const TFejl&) {
        ErrorDis();
    }
}

void TRegner::oprPiClick() {
    Haandtering h(*this);
    m_knapNo = 28;
    // pi twice in a row enters it once
    if (m_piOn) return;
    if (m_ResOn || m_Rm.isEmpty()) Ny(false);
    tilfoejKode(u'p');
    saetOperator(QString());
    m_Dval = pi;
    saetDstr(tal::generel(m_Dval));
    visDstr();
    udskrivUdtext(m_Dstr.toString(), false);
    m_talKey = false;
    saetOperator(QStringLiteral("p"));
}

void TRegner::funkInversClick(bool checked) {
    Haandtering h(*this);
    saetInv(checked, true);
    knapCaptions();
}

void TRegner::funkHypClick(bool checked) {
    Haandtering h(*this);
    saetHyp(checked, true);
    knapCaptions();
}

void TRegner::knapCaptions() {
    m_inversFunk = m_inv;
    const bool i = m_inv;
    const bool hy = m_hyp;
    auto saet = [this](const char* navn, const char* tekst) {
        m_captions.insert(QLatin1String(navn), QString::fromUtf8(tekst));
    };
    saet("beSin", i ? (hy ? "ArcSinh" : "ArcSin") : (hy ? "Sinh" : "Sin"));
    saet("beCos", i ? (hy ? "ArcCosh" : "ArcCos") : (hy ? "Cosh" : "Cos"));
    saet("beTan", i ? (hy ? "ArcTanh" : "ArcTan") : (hy ? "Tanh" : "Tan"));
    saet("beCot", i ? "ArcCot" : "Cot");
    saet("beLog", i ? "10^x" : "Log");
    saet("bePotens2", i ? "x Rod 2" : "x^2");
    saet("bePotens3", i ? "x Rod 3" : "x^3");
    saet("bePotensY", i ? "x Rod y" : "x^y");
}

QString TRegner::caption(const QString& kontrolNavn) const {
    const auto it = m_captions.constFind(kontrolNavn);
    if (it != m_captions.constEnd()) return *it;
    const TKnap* k = TKnaptabel::find(kontrolNavn);
    return k ? k->caption : QString();
}

void TRegner::gradGraderClick() {
    Haandtering h(*this);
    m_knapNo = 41;
    m_GradIndex = 0;
    m_Grader = 360;
}

void TRegner::gradRadianerClick() {
    Haandtering h(*this);
    m_knapNo = 42;
    m_GradIndex = 1;
    m_Grader = toPi;
}

void TRegner::gradNygraderClick() {
    Haandtering h(*this);
    m_knapNo = 43;
    m_GradIndex = 2;
    m_Grader = 400;
}
