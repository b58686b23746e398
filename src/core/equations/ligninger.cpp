#include "core/equations/ligninger.h"

#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/common/almenx.h"
#include "core/common/andengradsroedder.h"
#include "core/common/beskeder.h"
#include "core/common/eksaktprodukt.h"
#include "core/common/taltekst.h"
#include "core/equations/andengrads.h"
#include "core/graph/grafmodtager.h"

#include <cmath>

namespace {

// An operation of a closed formula whose result is not a finite number (a
// division by zero, 0/0, an overflow) ends the solution.
struct Regnefejl {};

double F(double v) {
    if (!std::isfinite(v)) throw Regnefejl{};
    return v;
}

QString T(double v) {
    return tal::generel(v);
}

} // namespace

TLigninger::TLigninger(Beskeder& beskeder, TRegner& regner, TMetaListe& meta, THukommelse& huk,
                       TAndengrads* andengrads, TGrafModtager* graf, QObject* parent)
    : TLigningsside(beskeder, regner, meta, huk, parent), m_andengrads(andengrads), m_graf(graf),
      m_status(QStringLiteral("Ugyldige data")) {}

QChar TLigninger::formTegn(int form) {
    switch (form) {
    case Plus:
        return u'+';
    case Gange:
        return u'*';
    case Division:
        return u'/';
    default:
        return u' ';
    }
}

QString TLigninger::boksNavn(Boks b) {
    static const char* const navne[] = {"ligning1a", "ligning1b", "ligning1c",
                                        "ligning2a", "ligning2b", "ligning2c"};
    return QString::fromLatin1(navne[b]);
}

void TLigninger::setBoks(Boks b, const QString& tekst) {
    // As an edit box: the change handler runs only when the text changes.
    if (m_boks[b] == tekst) return;
    Aendring a(*this);
    m_boks[b] = tekst;
    UdskrivStatus();
}

void TLigninger::ligninger1Click(int itemIndex) {
    if (itemIndex < Plus || itemIndex > Division) return;
    Aendring a(*this);
    m_form[0] = itemIndex;
    Kon = false;
}

void TLigninger::ligninger2Click(int itemIndex) {
    if (itemIndex < Plus || itemIndex > Division) return;
    Aendring a(*this);
    m_form[1] = itemIndex;
    Kon = false;
}

bool TLigninger::UdskrivStatus() {
    Aendring a(*this);
    Kon = false;
    const bool gyldig =
        TAlmenX::EditFloat(m_boks[L1a]) != 0 && TAlmenX::EditFloat(m_boks[L2a]) != 0 &&
        TAlmenX::EditFloat(m_boks[L1b]) != 0 && TAlmenX::EditFloat(m_boks[L2b]) != 0;
    m_status = gyldig ? QString() : QStringLiteral("Ugyldige data");
    return gyldig;
}

TLigninger::Koefficienter TLigninger::laesKoefficienter() const {
    auto v = [this](Boks b) { return TAlmenX::EditFloat(m_boks[b]); };
    return {v(L1a), v(L1b), v(L1c), v(L2a), v(L2b), v(L2c)};
}

TLigninger::Koefficienter TLigninger::laesOgSkrivTilbage() {
    const Koefficienter k = laesKoefficienter();
    const double vaerdier[6] = {k.a1, k.b1, k.c1, k.a2, k.b2, k.c2};
    for (int b = L1a; b <= L2c; ++b)
        setBoks(static_cast<Boks>(b), T(vaerdier[b]));
    return k;
}

QString TLigninger::normalTekst(double a, double b, double c, int form) {
    const QString aDel = a != 0 ? T(a) + u'x' : QString();
    QString bDel;
    if (b != 0) {
        if (aDel.isEmpty())
            bDel = T(b) + u'y';
        else if (form == Gange)
            bDel = QStringLiteral(" * ") + T(b) + u'y';
        else if (form == Division)
            bDel = QStringLiteral(" / ") + T(b) + u'y';
        else if (b < 0)
            bDel = QStringLiteral(" - ") + T(-b) + u'y';
        else
            bDel = QStringLiteral(" + ") + T(b) + u'y';
    }
    return aDel + bDel + QStringLiteral(" = ") + T(c);
}

void TLigninger::UdskrivNormal(int Nr, int Inr, const Koefficienter& k) {
    if (Nr == 1)
        skriv(normalTekst(k.a1, k.b1, k.c1, Inr));
    else
        skriv(normalTekst(k.a2, k.b2, k.c2, Inr));
}

void TLigninger::UdskrivLigning(double AA, double BB, double CC) {
    skriv(TAndengrads::formelTekst(AA, BB, CC));
}

bool TLigninger::BeregnResu(double AA, double BB, double CC, double& x1, double& x2, bool& res2) {
    double D = 0, r1 = 0, r2 = 0;
    try {
        D = F(F(BB * BB) - F(F(4 * AA) * CC));
        if (D >= 0) {
            if (AA == 0) throw Regnefejl{};
            const TAndengradsRoedder r = andengradsRoedder(AA, BB, CC, D);
            r1 = F(r.x1);
            r2 = F(r.x2);
        }
    } catch (const Regnefejl&) {
        m_status = QStringLiteral("Ugyldige data");
        antalL = 0;
        return false;
    }
    if (D < 0) {
        m_status = QStringLiteral("Ingen løsning");
        antalL = 0;
        skriv(QStringLiteral("D < 0 : Ingen løsninger"));
        return false;
    }
    if (D == 0) {
        m_status = QStringLiteral("1 løsning");
        antalL = 1;
    } else {
        m_status = QStringLiteral("2 løsninger");
        antalL = 2;
        res2 = true;
    }
    x1 = r1;
    x2 = r2;
    skriv(QStringLiteral("D = ") + T(D));
    return true;
}

void TLigninger::ingenLoesning() {
    m_status = QStringLiteral("Ingen løsning");
    antalL = 0;
    Kon = false;
}

void TLigninger::loes(const Koefficienter& k) {
    const double a1 = k.a1, b1 = k.b1, c1 = k.c1, a2 = k.a2, b2 = k.b2, c2 = k.c2;
    const int i = m_form[0], j = m_form[1];
    opr1 = formTegn(i);
    UdskrivNormal(1, i, k);
    UdskrivNormal(2, j, k);
    opr2 = formTegn(j);

    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool res2 = false;
    auto enLoesning = [&] {
        m_status = QStringLiteral("1 løsning");
        antalL = 1;
        Kon = true;
    };
    auto toLoesninger = [&] {
        m_status = QStringLiteral("2 løsninger");
        antalL = 2;
        res2 = true;
        Kon = true;
    };
    // The quadratic of a sum with a product: its roots are the x values.
    auto kvadratisk = [&](double AA, double BB, double CC) {
        UdskrivLigning(AA, BB, CC);
        if (BeregnResu(AA, BB, CC, x1, x2, res2)) return true;
        Kon = false;
        return false;
    };
    // Product with quotient: x = ±√AA and y = a·x / naevner, or no solution
    // when AA is not positive.
    auto kvadratrod = [&](double AA, double a, double naevner) {
        if (AA <= 0) {
            skriv(QStringLiteral("Ingen løsning"));
            ingenLoesning();
            return false;
        }
        x1 = std::sqrt(AA);
        y1 = F(F(a * x1) / naevner);
        x2 = -x1;
        y2 = F(F(a * x2) / naevner);
        toLoesninger();
        return true;
    };
    auto uendeligtMange = [&] {
        skriv(QStringLiteral("Uendeligt mange løsninger"));
        m_status = QStringLiteral("Uendeligt mange løsninger");
        antalL = 0;
        Kon = false;
    };
    auto ingenListet = [&] {
        skriv(QStringLiteral("Ingen løsning"));
        ingenLoesning();
    };
    // Product with product, quotient with quotient: both say the same of x·y
    // (or x/y), so they are the same curve when the two sides agree and
    // never meet otherwise. The sides are compared exactly as shown.
    auto sammeEllerIngen = [&](std::initializer_list<double> venstre,
                               std::initializer_list<double> hoejre) {
        double v = 1, h = 1;
        for (double f : venstre)
            v = F(v * f);
        for (double f : hoejre)
            h = F(h * f);
        skriv(T(v) + QStringLiteral(" (=) ") + T(h));
        if (eksakt::produkterLige(venstre, hoejre))
            uendeligtMange();
        else
            ingenListet();
    };
    // A sum (la, lb, lc) with a quotient (qa, qb, qc). The quotient is the
    // line qa·x = qc·qb·y through the origin, without the origin itself (y
    // is its denominator); with qc = 0 it is the line x = 0. False when
    // the combination ended with its own message.
    auto sumMedKvotient = [&](double la, double lb, double lc, double qa, double qb, double qc) {
        if (qc == 0) {
            x1 = 0;
            y1 = F(lc / lb) + 0.0;
            return true;
        }
        // Parallel lines: the same line when the sum passes through the
        // origin too, else no common point (the division below fails).
        if (eksakt::produkterLige({lb, qa}, {-qb, qc, la})) {
            if (lc == 0) {
                uendeligtMange();
                return false;
            }
            throw Regnefejl{};
        }
        x1 = F(F(F(qb * qc) * lc) / F(F(lb * qa) + F(F(qb * qc) * la)));
        // y from the quotient: the sum's (lc - la·x)/lb cancels where y is
        // small beside lc.
        y1 = F(F(qa * x1) / F(qc * qb));
        return true;
    };
    // A product (pc its c) with a quotient: with qc = 0 the quotient is
    // x = 0, which the product meets everywhere when pc = 0 and nowhere
    // else.
    auto produktMedKvotient = [&](double pc, double qc, double AA, double qa, double naevner) {
        if (qc == 0) {
            if (pc == 0)
                uendeligtMange();
            else
                ingenListet();
            return false;
        }
        return kvadratrod(AA, qa, naevner);
    };

    // y of a root x of a sum with a product: from the product, y = c/(a·b·x),
    // which has no subtraction; the line's (c - a·x)/b cancels to nothing
    // where a·x is nearly c. With x = 0 or c = 0 the line decides.
    const auto yAfProdukt = [&](double x, double a, double b, double c, auto linje) {
        if (x == 0 || c == 0) return linje(x);
        return F(c / F(F(a * b) * x));
    };

    switch (i * 3 + j) {
    case Plus * 3 + Plus: {
        const bool parallelle = eksakt::produkterLige({a2, b1}, {a1, b2});
        const double Divi = F(F(a2 * b1) - F(a1 * b2));
        if (parallelle && eksakt::produkterLige({a1, c2}, {a2, c1}) &&
            eksakt::produkterLige({b1, c2}, {b2, c1})) {
            uendeligtMange();
            return;
        }
        if (parallelle || Divi == 0) {
            skriv(QStringLiteral("Division med 0"));
            m_status = QStringLiteral("Funktionsfejl");
            Kon = false;
            antalL = 0;
            return;
        }
        x1 = F(F(F(b1 * c2) - F(b2 * c1)) / Divi);
        y1 = F(F(c1 - F(a1 * x1)) / b1);
        enLoesning();
        break;
    }
    case Plus * 3 + Gange:
        if (!kvadratisk(-F(F(a1 * a2) * b2), F(F(a2 * b2) * c1), -F(b1 * c2))) return;
        y1 = yAfProdukt(x1, a2, b2, c2, [&](double x) { return F(F(c1 - F(a1 * x)) / b1); });
        if (res2)
            y2 = yAfProdukt(x2, a2, b2, c2, [&](double x) { return F(F(c1 - F(a1 * x)) / b1); });
        Kon = true;
        break;
    case Plus * 3 + Division:
        if (!sumMedKvotient(a1, b1, c1, a2, b2, c2)) return;
        enLoesning();
        break;
    case Gange * 3 + Plus:
        if (!kvadratisk(-F(F(a1 * a2) * b1), F(F(a1 * b1) * c2), -F(b2 * c1))) return;
        y1 = yAfProdukt(x1, a1, b1, c1, [&](double x) { return F(F(c2 - F(a2 * x)) / b2); });
        if (res2)
            y2 = yAfProdukt(x2, a1, b1, c1, [&](double x) { return F(F(c2 - F(a2 * x)) / b2); });
        Kon = true;
        break;
    case Gange * 3 + Gange:
        sammeEllerIngen({c1, a2, b2}, {c2, a1, b1});
        return;
    case Gange * 3 + Division:
        if (!produktMedKvotient(c1, c2, F(F(F(c1 * c2) * b2) / F(F(a1 * a2) * b1)), a2, F(c2 * b2)))
            return;
        break;
    case Division * 3 + Plus:
        if (!sumMedKvotient(a2, b2, c2, a1, b1, c1)) return;
        enLoesning();
        break;
    case Division * 3 + Gange:
        if (!produktMedKvotient(c2, c1, F(F(F(c1 * c2) * b1) / F(F(a1 * a2) * b2)), a1, F(c1 * b1)))
            return;
        break;
    case Division * 3 + Division:
        sammeEllerIngen({a1, b2, c2}, {a2, b1, c1});
        return;
    default:
        return;
    }

    // No point with y = 0 satisfies a quotient: y is its denominator.
    if (i == Division || j == Division) {
        if (res2 && y2 == 0) res2 = false;
        if (y1 == 0) {
            if (!res2) {
                ingenListet();
                return;
            }
            x1 = x2;
            y1 = y2;
            res2 = false;
        }
        if (!res2) enLoesning();
    }

    if (res2) {
        skriv(QStringLiteral("x1 = ") + T(x1));
        skriv(QStringLiteral("y1 = ") + T(y1));
        skriv(QStringLiteral("x2 = ") + T(x2));
        skriv(QStringLiteral("y2 = ") + T(y2));
        L1x = x1;
        L1y = y1;
        L2x = x2;
        L2y = y2;
        m_x1 = T(x1);
        m_y1 = T(y1);
        m_x2 = T(x2);
        m_y2 = T(y2);
    } else {
        skriv(QStringLiteral("x = ") + T(x1));
        skriv(QStringLiteral("y = ") + T(y1));
        L1x = x1;
        L1y = y1;
        m_x1 = T(x1);
        m_y1 = T(y1);
    }
    if (disOn()) {
        skriv(QString());
        vaelgSidsteLinje();
    }
}

void TLigninger::ligningerBeregnClick() {
    Aendring a(*this);
    nulstilFormelOn();
    DoDis();
    m_x1.clear();
    m_y1.clear();
    m_x2.clear();
    m_y2.clear();
    if (m_andengrads) {
        m_andengrads->Lstr1.clear();
        m_andengrads->Lstr2.clear();
    }
    for (int b = L1a; b <= L2c; ++b)
        if (m_boks[b].isEmpty()) setBoks(static_cast<Boks>(b), QStringLiteral("0"));
    if (!UdskrivStatus()) return;
    // A coefficient that is not a finite number stops here, as a zero a or b
    // does, before its "INF" could be written back and read as 0.
    const Koefficienter r = laesKoefficienter();
    for (double v : {r.a1, r.b1, r.c1, r.a2, r.b2, r.c2})
        if (!std::isfinite(v)) {
            m_status = QStringLiteral("Ugyldige data");
            return;
        }
    const Koefficienter k = laesOgSkrivTilbage();
    try {
        loes(k);
    } catch (const Regnefejl&) {
        // What was listed stays; no results are shown.
        m_status = QStringLiteral("Funktionsfejl");
        Kon = false;
        antalL = 0;
    }
}

void TLigninger::LigKontrol() {
    Aendring a(*this);
    nulstilFormelOn();
    DoDis();
    if (!Kon) return;
    const Koefficienter k = laesKoefficienter();
    auto venstre = [](QChar opr, double ka, double kb, double x, double y) {
        if (opr == u'*') return ka * x * (kb * y);
        if (opr == u'/') return ka * x / (kb * y);
        return ka * x + kb * y;
    };
    auto kontroller = [&](double x, double y) {
        skriv(T(venstre(opr1, k.a1, k.b1, x, y)) + QStringLiteral(" (=) ") + T(k.c1));
        skriv(T(venstre(opr2, k.a2, k.b2, x, y)) + QStringLiteral(" (=) ") + T(k.c2));
    };
    kontroller(L1x, L1y);
    if (antalL == 2) kontroller(L2x, L2y);
}

void TLigninger::ligningerNyClick() {
    Aendring a(*this);
    nulstilFormelOn();
    DoDis();
    antalL = 0;
    L1x = L1y = L2x = L2y = 0;
    for (int b = L1a; b <= L2c; ++b)
        setBoks(static_cast<Boks>(b), QString());
    m_x1.clear();
    m_y1.clear();
    m_x2.clear();
    m_y2.clear();
    UdskrivStatus();
    Q_EMIT fokusOenskes(boksNavn(L1a));
}

void TLigninger::ligningerSendClick() {
    Aendring a(*this);
    opr1 = opr2 = u' ';
    if (!UdskrivStatus()) {
        m_beskeder.information(QStringLiteral("Der mangler inputsværdier!"));
        return;
    }
    const Koefficienter k = laesOgSkrivTilbage();
    opr1 = formTegn(m_form[0]);
    opr2 = formTegn(m_form[1]);
    if (m_graf) {
        m_graf->AddFormelToGraf(opr1, k.a1, k.b1, k.c1);
        m_graf->AddFormelToGraf(opr2, k.a2, k.b2, k.c2);
    }
    // The graph window is not opened; a hidden one is announced.
    if (!(m_grafSynlig && m_grafSynlig()))
        m_beskeder.information(QStringLiteral("Ligninger sendt til grafvisning!"));
}

void TLigninger::gemVaerdi(double vaerdi, const QString& tekst) {
    // An empty result box has nothing to store (its entry could not be read back).
    if (tekst.isEmpty()) return;
    m_huk.gemFraVindue(QStringLiteral("Ligninger"), vaerdi, tekst);
}

void TLigninger::ligningerX1sendClick() {
    gemVaerdi(L1x, m_x1);
}
void TLigninger::ligningerY1sendClick() {
    gemVaerdi(L1y, m_y1);
}
void TLigninger::ligningerX2sendClick() {
    gemVaerdi(L2x, m_x2);
}
void TLigninger::ligningerY2sendClick() {
    gemVaerdi(L2y, m_y2);
}

void TLigninger::ligningerSpmClick() {
    Q_EMIT informationOenskes(QStringLiteral("Ligninger"));
}

bool TLigninger::ligningKeyPress(Boks b, QChar key) {
    if (key != QChar(13)) return false;
    if (b == L2c)
        ligningerBeregnClick();
    else
        Q_EMIT fokusOenskes(boksNavn(static_cast<Boks>(b + 1)));
    return true;
}

bool TLigninger::FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) {
    if (erNyTast(qtKey, mods)) {
        ligningerNyClick();
        return true;
    }
    if (qtKey == Qt::Key_F9) {
        ligningerBeregnClick();
        return true;
    }
    return false;
}
