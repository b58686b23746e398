#include "core/graph/ligningsres.h"

#include "core/common/andengradsroedder.h"
#include "core/common/eksaktprodukt.h"
#include "core/common/taltekst.h"

#include <cmath>
#include <utility>

namespace {

// An arithmetic error of the solving; shown as "Fejl".
struct Regnefejl {};
// A system without a real solution; shown as "Ingen løsning".
struct IngenLoesning {};
// Two equations of the same curve; shown as "Uendeligt mange løsninger".
struct UendeligtMange {};

double tjek(double v) {
    if (!std::isfinite(v)) throw Regnefejl{};
    return v;
}
double mul(double a, double b) {
    return tjek(tjek(a) * tjek(b));
}
double add(double a, double b) {
    return tjek(tjek(a) + tjek(b));
}
double sub(double a, double b) {
    return tjek(tjek(a) - tjek(b));
}
double dele(double a, double b) {
    if (tjek(b) == 0) throw Regnefejl{};
    return tjek(tjek(a) / b);
}

// The root step: D = B·B - A·4·C; a negative D has no real roots. x1
// belongs to +√D and x2 to −√D, both computed without cancellation.
void rodTrin(double A, double B, double C, double& x1, double& x2) {
    double D = sub(mul(B, B), mul(mul(A, 4), C));
    if (D < 0) throw IngenLoesning{};
    if (tjek(A) == 0) throw Regnefejl{};
    const TAndengradsRoedder r = andengradsRoedder(A, B, C, D);
    x1 = tjek(r.x1);
    x2 = tjek(r.x2);
}

double parabel(double a, double b, double c, double x) {
    return add(add(mul(mul(a, x), x), mul(b, x)), c);
}

} // namespace

namespace ligningsres {

bool byttes(QChar opr1, QChar opr2) {
    static const char par[][2] = {{'a', '+'}, {'a', '/'}, {'a', '*'},
                                  {'/', '+'}, {'*', '+'}, {'*', '/'}};
    for (const auto& p : par)
        if (opr1 == QLatin1Char(p[0]) && opr2 == QLatin1Char(p[1])) return true;
    return false;
}

void ordn(TLigning& l1, TLigning& l2) {
    if (byttes(l1.opr, l2.opr)) std::swap(l1, l2);
}

TLigningsResultat loes(TLigning l1, TLigning l2) {
    ordn(l1, l2);
    const double a1 = l1.a, b1 = l1.b, c1 = l1.c;
    const double a2 = l2.a, b2 = l2.b, c2 = l2.c;
    const auto er = [&](char k1, char k2) {
        return l1.opr == QLatin1Char(k1) && l2.opr == QLatin1Char(k2);
    };
    TLigningsResultat r;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool to = false;
    try {
        if (er('+', 'a')) {
            rodTrin(mul(b1, a2), add(mul(b1, b2), a1), sub(mul(b1, c2), c1), x1, x2);
            y1 = parabel(a2, b2, c2, x1);
            y2 = parabel(a2, b2, c2, x2);
            to = true;
        } else if (er('/', 'a')) {
            if (c1 == 0) {
                // The quotient is the line x = 0.
                y1 = parabel(a2, b2, c2, 0);
            } else {
                rodTrin(mul(mul(b1, a2), c1), sub(mul(mul(b1, b2), c1), a1), mul(mul(b1, c2), c1),
                        x1, x2);
                y1 = parabel(a2, b2, c2, x1);
                y2 = parabel(a2, b2, c2, x2);
                to = true;
            }
        } else if (er('*', 'a')) {
            r.besked = QStringLiteral("Ingen løsningsfunktion!");
            return r;
        } else if (er('a', 'a')) {
            // Coefficients equal as shown are equal: a difference of a few
            // units in the last place is no curve.
            const auto forskel = [](double p, double q) {
                return eksakt::lige(p, q) ? 0 : sub(p, q);
            };
            const double A = forskel(a1, a2), B = forskel(b1, b2), C = forskel(c1, c2);
            if (A == 0 && B == 0 && C == 0) throw UendeligtMange{};
            if (A == 0) {
                x1 = dele(mul(C, -1), B);
                y1 = parabel(a1, b1, c1, x1);
            } else {
                rodTrin(A, B, C, x1, x2);
                y1 = parabel(a1, b1, c1, x1);
                y2 = parabel(a1, b1, c1, x2);
                to = true;
            }
        } else if (er('+', '+')) {
            const double D = sub(mul(a2, b1), mul(a1, b2));
            const bool parallelle = eksakt::produkterLige({a2, b1}, {a1, b2});
            if (parallelle && eksakt::produkterLige({a1, c2}, {a2, c1}) &&
                eksakt::produkterLige({b1, c2}, {b2, c1}))
                throw UendeligtMange{};
            if (parallelle || D == 0) throw IngenLoesning{};
            x1 = dele(sub(mul(b1, c2), mul(b2, c1)), D);
            y1 = dele(sub(c1, mul(a1, x1)), b1);
        } else if (er('+', '*')) {
            rodTrin(mul(mul(mul(a1, a2), b2), -1), mul(mul(a2, b2), c1), mul(mul(b1, c2), -1), x1,
                    x2);
            y1 = dele(sub(c1, mul(a1, x1)), b1);
            y2 = dele(sub(c1, mul(a1, x2)), b1);
            to = true;
        } else if (er('+', '/')) {
            if (c2 == 0) {
                // The quotient is the line x = 0.
                y1 = dele(c1, b1);
            } else {
                // Parallel to the quotient's line: the same line when the
                // line passes through the origin too, else no common point
                // (the division fails).
                if (eksakt::produkterLige({b1, a2}, {-c2, b2, a1})) {
                    if (c1 == 0) throw UendeligtMange{};
                    throw Regnefejl{};
                }
                x1 = dele(mul(mul(c2, b2), c1), add(mul(b1, a2), mul(mul(c2, b2), a1)));
                // y from the quotient: the line's (c1 - a1·x)/b1 cancels where
                // y is small beside c1.
                y1 = dele(mul(a2, x1), mul(c2, b2));
            }
        } else if (er('/', '*')) {
            if (c1 == 0) {
                // The quotient is the line x = 0, which the product meets
                // everywhere when its c is 0 and nowhere else.
                if (c2 == 0) throw UendeligtMange{};
                throw IngenLoesning{};
            }
            const double A = dele(mul(mul(c1, c2), b1), mul(mul(a1, a2), b2));
            // A = 0 gives only the origin, where the quotient is undefined.
            if (A <= 0) throw IngenLoesning{};
            x1 = std::sqrt(A);
            x2 = -x1;
            y1 = dele(mul(a1, x1), mul(c1, b1));
            y2 = dele(mul(a1, x2), mul(c1, b1));
            to = true;
        } else if (er('/', '/')) {
            if (eksakt::produkterLige({a1, b2, c2}, {a2, b1, c1})) throw UendeligtMange{};
            throw IngenLoesning{};
        } else if (er('*', '*')) {
            if (eksakt::produkterLige({c1, a2, b2}, {c2, a1, b1})) throw UendeligtMange{};
            throw IngenLoesning{};
        } else {
            return r; // a pair without a formula: nothing is computed
        }
        // No point with y = 0 lies on a quotient: y is its denominator.
        if (l1.opr == u'/' || l2.opr == u'/') {
            if (to && y2 == 0) to = false;
            if (y1 == 0) {
                if (!to) throw IngenLoesning{};
                x1 = x2;
                y1 = y2;
                to = false;
            }
        }
    } catch (const Regnefejl&) {
        r.besked = QStringLiteral("Fejl");
        return r;
    } catch (const IngenLoesning&) {
        r.besked = QStringLiteral("Ingen løsning");
        return r;
    } catch (const UendeligtMange&) {
        r.besked = QStringLiteral("Uendeligt mange løsninger");
        r.uendeligtMange = true;
        return r;
    }
    r.x1 = tal::generel(x1);
    r.y1 = tal::generel(y1);
    if (to) {
        r.x2 = tal::generel(x2);
        r.y2 = tal::generel(y2);
    }
    return r;
}

} // namespace ligningsres
