// Binary operators, precedence, parentheses and "=" of the calculator engine.
#include "core/calc/regner.h"

#include "core/calc/metaliste.h"
#include "core/calc/regner_haandtering.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool erHel(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

// A finite non-zero double as the user sees it: its 15 significant digits as
// a whole number times a power of ten (0,1 is 1 × 10^-1, not the binary
// neighbour of 0,1). Trailing zeros are dropped from the mantissa.
struct Decimal {
    quint64 mantisse;
    int eksponent;
};

Decimal somDecimal(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    // d.dddddddddddddde±XX
    quint64 m = static_cast<quint64>(buf[0] - '0');
    for (int k = 2; k < 16; ++k)
        m = m * 10 + static_cast<quint64>(buf[k] - '0');
    int e = std::atoi(buf + 17) - 14;
    while (m != 0 && m % 10 == 0) {
        m /= 10;
        ++e;
    }
    return {m, e};
}

// Floored modulo (the remainder has the divisor's sign, -7 Mod 3 = 2) of the
// two values as the user sees them, computed exactly in decimal, so 1 Mod 0,1
// is 0 and 73 Mod 2,89 is 0,75. Where the divisor at the dividend's decimal
// resolution no longer fits 64 bits, the exact binary remainder is used.
double decimalModulo(double T, double D) {
    const auto binaer = [&] {
        double r = std::fmod(T, D);
        if (r != 0 && ((r < 0) != (D < 0))) r += D;
        return r;
    };
    if (T == 0) return binaer();
    const Decimal t = somDecimal(T);
    const Decimal d = somDecimal(D);
    const int e = std::min(t.eksponent, d.eksponent);
    // The divisor as a whole number of units 10^e; at most 10^18, so that
    // r * 10 below stays inside 64 bits.
    constexpr quint64 loft = 1'000'000'000'000'000'000ULL;
    quint64 b = d.mantisse;
    for (int k = e; k < d.eksponent; ++k) {
        if (b > loft / 10) return binaer();
        b *= 10;
    }
    // The dividend's remainder, digit shift by digit shift.
    quint64 r = t.mantisse % b;
    for (int k = e; k < t.eksponent; ++k)
        r = (r * 10) % b;
    if (r != 0 && ((T < 0) != (D < 0))) r = b - r;
    if (r == 0) return 0;
    const QString tekst = QString::number(r) + u'E' + QString::number(e);
    const double v = tal::laes(tekst);
    return D < 0 ? -v : v;
}

// Precedence: one reduction pass per operator, in this order.
constexpr char16_t praecedens[] = u"^m%/*+-";

} // namespace

void TRegner::binaerOperator(QChar op, int nummer) {
    Haandtering h(*this);
    // An operator cannot be replaced by another one.
    if (m_PknapNo >= 14 && m_PknapNo <= 17 && m_PknapNo != nummer) return;
    m_knapNo = nummer;
    insertDval(); // for its effect on the expression line
    if (m_ResOn) Ny(true);
    tilfoejKode(op);
    m_talKey = false;
    saetInv(false, false);
    m_inversFunk = false;
    saetOperator(QStringLiteral("?"));
    // Inside a formula program Ny does nothing, so the result may still be shown.
    if (op != u'+' && m_ResOn) {
        m_udText = ValS(m_Dval);
        m_gruppeLaengde = -1;
        m_ResOn = false;
    }
    NewRecord(m_Dval, op);
    if (op == u'+' || op == u'-') {
        if (RmIndex() > 0 && m_Rm[RmIndex() - 1].Pantal == 0) BeregnRm();
        ++m_Waitcount;
    } else if (m_Waitcount == 0) {
        BeregnRm();
    }
    saetOperator(QString(op));
    saetDstr(QStringLiteral("0"));
}

void TRegner::oprPlusClick() {
    binaerOperator(u'+', 17);
}

void TRegner::oprMinusClick() {
    binaerOperator(u'-', 16);
}

void TRegner::oprGangeClick() {
    binaerOperator(u'*', 15);
}

void TRegner::oprDividerClick() {
    binaerOperator(u'/', 14);
}

// x^y, Mod and %: pending operators that never reduce the stack.
void TRegner::potensTast(QChar op, bool medInv, int nummer, int invNummer, QChar kode) {
    m_knapNo = (medInv && m_inversFunk) ? invNummer : nummer;
    if (m_ResOn) Ny(true);
    tilfoejKode(kode);
    saetOperator(QString(op));
    NewRecord(m_Dval, op);
    m_ResOn = false;
    saetDstr(QStringLiteral("0"));
}

void TRegner::bePotensYClick() {
    Haandtering h(*this);
    if (!insertDval()) return;
    potensTast(u'^', true, 32, 132, u'^');
}

void TRegner::beModClick() {
    Haandtering h(*this);
    if (!insertDval()) return;
    potensTast(u'm', false, 19, 19, u'm');
    m_talKey = false;
}

void TRegner::oprProcentClick() {
    Haandtering h(*this);
    if (!insertDval()) return;
    potensTast(u'%', false, 24, 24, u'%');
}

void TRegner::bePotens2Click() {
    Haandtering h(*this);
    if (!insertDval()) return;
    potensTast(u'^', true, 30, 130, u'x');
    // The exponent is typed for the user: it shows and goes to the expression
    // line, not to the recording.
    Udskriv(u'2');
    m_talKey = false;
    saetOperator(QString());
}

void TRegner::bePotens3Click() {
    Haandtering h(*this);
    if (!insertDval()) return;
    potensTast(u'^', true, 31, 131, u'z');
    Udskriv(u'3');
    m_talKey = false;
    saetOperator(QString());
}

void TRegner::rodToKnapClick() {
    Haandtering h(*this);
    saetInv(true, true);
    bePotens2Click();
}

void TRegner::PotRod(QChar Ch) {
    Haandtering h(*this);
    if (Ch == u'q')
        saetInv(false, true);
    else if (Ch == u'w')
        saetInv(true, true);
    m_inversFunk = m_inv;
    bePotensYClick();
}

void TRegner::funkPbegyndClick() {
    Haandtering h(*this);
    m_knapNo = 12;
    if (m_ResOn) Ny(false);
    tilfoejKode(u'(');
    if (!m_Rm.isEmpty()) {
        m_Rm.last().Parentes = u'(';
        ++m_Rm.last().Pantal;
    }
    m_Para = true;
    ++m_ParaCount;
    udskrivUdtext(QStringLiteral("("), false);
    m_talKey = false;
}

void TRegner::funkPslutClick() {
    Haandtering h(*this);
    m_knapNo = 13;
    if (m_ResOn) {
        Ny(false);
        return;
    }
    if (m_ParaCount == 0 || m_Rm.isEmpty()) return;
    tilfoejKode(u')');
    NewRecord(m_Dval, u'x');
    m_Rm.last().Parentes = u')';
    m_Rm.last().Pantal = 0;
    udskrivUdtext(QStringLiteral(")"), false);
    BeregnRm();
    m_talKey = false;
}

void TRegner::oprResultatClick() {
    Haandtering h(*this);
    if (m_PformelOn) {
        BeregnResultat();
        return;
    }
    m_knapNo = 18;
    m_inversFunk = m_inv;
    tilfoejKode(u'=');
    BeregnResultat();
    saetInv(false, false);
    m_inversFunk = false;
    if (m_valueError) ErrorDis();
}

void TRegner::BeregnResultat() {
    Haandtering h(*this);
    if (m_PformelOn) {
        Q_EMIT formelprogramFortsaet();
        return;
    }
    NewRecord(m_Dval, u'=');
    BeregnRm();
}

void TRegner::BeregnRm() {
    if (m_Rm.isEmpty()) return;
    Haandtering h(*this);
    try {
        if (m_UdskrivInOut) InOutDis(0, QString());
        const bool lukker = m_Rm.last().Parentes == u')';
        m_Rm.last().Parentes = u'x';
        // The reduction starts after the innermost open parenthesis.
        int start = 0;
        for (int i = RmIndex(); i >= 1; --i) {
            start = i - 1;
            if (m_Rm[i - 1].Parentes == u'(') {
                start = i;
                if (lukker) {
                    FjernPara(i - 1);
                    break;
                }
                if (m_Para) break;
            } else if (lukker && i == 1) {
                // The parenthesis opened while the stack was empty.
                FjernPara(0);
                break;
            }
        }
        for (QChar op : QStringView(praecedens))
            Reducer(start, op);
        UdskrivRmRes();
        if (m_UdskrivInOut) InOutDis(1, QString());
        if (m_Rm.last().Operatoren == u'=') {
            m_ResOn = true;
            m_talKey = false;
            saetOperator(QStringLiteral("="));
            m_Rm.last().Operatoren = u'x';
        } else {
            m_ResOn = false;
        }
        if (m_Rm.last().Operatoren == u'x') m_Rm.removeLast();
        if (m_valueError) ErrorDis();
    } catch (const TFejl&) {
        ErrorDis();
    }
}

// One precedence pass from `start`: every record with operator `op` is
// combined with its right neighbour, left to right; the result takes over the
// neighbour's operator, parenthesis fields and Inv flag. Done as one
// compacting sweep, so a long stack costs one pass, not one shift per operation.
void TRegner::Reducer(int start, QChar op) {
    const int slut = RmIndex();
    if (start < 0 || start >= slut) return;
    int skriv = start;
    RmRec aktuel = m_Rm[start];
    for (int j = start + 1; j <= slut; ++j) {
        if (aktuel.Operatoren == op) {
            m_Tval = aktuel.Tal;
            m_Dval = m_Rm[j].Tal;
            m_Opr = op;
            // The record's own flag decides power or root; it does not leak
            // into the Inv state that the next key reads.
            Beregning(true, aktuel.InversFunktion);
            aktuel = m_Rm[j];
            aktuel.Tal = m_Dval;
        } else {
            m_Rm[skriv++] = aktuel;
            aktuel = m_Rm[j];
        }
    }
    m_Rm[skriv] = aktuel;
    m_Rm.resize(skriv + 1);
}

void TRegner::FjernPara(int index) {
    --m_ParaCount;
    m_Para = m_ParaCount > 0;
    RmRec& r = m_Rm[index];
    if (r.Pantal == 1) r.Parentes = u'x';
    --r.Pantal;
}

void TRegner::Beregning(bool UdskrivDis) {
    Beregning(UdskrivDis, m_inversFunk);
}

void TRegner::Beregning(bool UdskrivDis, bool rod) {
    const QString hoejre = ValS(m_Dval);
    const QString venstre = ValS(m_Tval);
    const double T = m_Tval;
    const double D = m_Dval;
    switch (m_Opr.unicode()) {
    case u'%':
        m_Dval = T * D / 100;
        break;
    case u'*':
        m_Dval = T * D;
        break;
    case u'+':
        m_Dval = T + D;
        --m_Waitcount;
        break;
    case u'-':
        m_Dval = T - D;
        --m_Waitcount;
        break;
    case u'/':
        if (D == 0) m_valueError = true;
        m_Dval = T / D;
        break;
    case u'^':
        if (rod)
            m_Dval = (T == 0 && D > 0) ? 0 : GetRod(T, D);
        else if (T == 0 && D > 0)
            m_Dval = 0;
        else if (T == 0 && D == 0)
            m_Dval = 1;
        else
            m_Dval = GetPotens(T, D);
        break;
    case u'm':
        if (D == 0) {
            m_Dval = T;
        } else if (std::isfinite(T) && std::isfinite(D)) {
            m_Dval = decimalModulo(T, D);
        } else {
            m_Dval = T - D * std::floor(T / D);
        }
        break;
    default:
        break;
    }
    if (m_FormelOn || !UdskrivDis || !m_disOn) return;
    const QString resultat = ValS(m_Dval);
    QString linje;
    if (m_Opr == u'm')
        linje = venstre + QLatin1String(" Mod ") + hoejre;
    else if (m_Opr == u'^' && rod)
        linje = venstre + QLatin1String(" Rod ") + hoejre;
    else
        linje = venstre + u' ' + m_Opr + u' ' + hoejre;
    m_meta.tilfoej(linje + QLatin1String(" = ") + resultat);
}

double TRegner::GetPotens(double Tal, double Pot) {
    if (Pot == 0) return 1;
    if (Tal == 0 && Pot > 0) return 0;
    if (erHel(Pot) && std::fabs(Pot) <= 2147483647.0) {
        unsigned long long n = static_cast<unsigned long long>(std::fabs(Pot));
        double resultat = 1;
        double grund = Tal;
        while (n) {
            if (n & 1) resultat *= grund;
            grund *= grund;
            n >>= 1;
        }
        return Pot < 0 ? 1 / resultat : resultat;
    }
    if (Tal < 0) return std::nan("");
    return std::exp(Pot * std::log(Tal));
}

double TRegner::GetRod(double Tal, double Rod) {
    if (Rod == 0) {
        m_valueError = true;
        return HUGE_VAL;
    }
    if (Tal == 0) return 0;
    if (Tal < 0 && std::fmod(std::trunc(Rod), 2) == 0) {
        m_valueError = true;
        return std::nan("");
    }
    if (Tal < 0 && erHel(Rod) && std::fmod(Rod, 2) == 1) return -std::exp(std::log(-Tal) / Rod);
    return std::exp(std::log(Tal) / Rod);
}

// The stack as one line without spaces: "2+3*4=".
QString TRegner::stakTekst() const {
    QString s;
    for (const RmRec& r : m_Rm) {
        s += ValS(r.Tal);
        if (r.Operatoren == u'^')
            s += r.InversFunktion ? QStringLiteral(" Rod ") : QStringLiteral("^");
        else if (r.Operatoren != u'x')
            s += r.Operatoren;
        if (r.Parentes != u'x')
            for (int k = 0; k < r.Pantal; ++k)
                s += r.Parentes;
    }
    if (!m_Rm.isEmpty() && m_Rm.last().Parentes == u')') s += u')';
    return s;
}

void TRegner::InOutDis(int InOut, const QString& nilS) {
    if (m_FormelOn || !m_disOn) return;
    Haandtering h(*this);
    switch (InOut) {
    case 0:
        m_meta.tilfoej(QLatin1String("INPUT: ") + stakTekst());
        break;
    case 1:
        m_meta.tilfoej(QLatin1String("OUTPUT: ") + stakTekst());
        break;
    case 2:
        m_meta.tilfoej(QLatin1String("INPUT: ") + (m_Rm.isEmpty() ? nilS : stakTekst() + nilS));
        break;
    case 3:
        m_meta.tilfoej(nilS);
        m_meta.tilfoej(QLatin1String("OUTPUT: ") +
                       (m_Rm.isEmpty() ? ValS(m_Dval) : stakTekst() + ValS(m_Dval)));
        break;
    default:
        break;
    }
}

void TRegner::DoDis() {
    if (!m_disOn || m_meta.antal() == 0) return;
    if (m_meta.antal() > 1 && m_meta.sidsteLinje().isEmpty()) return;
    Haandtering h(*this);
    m_meta.tilfoej(QString());
}
