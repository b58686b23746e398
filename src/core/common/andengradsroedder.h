#pragma once
// The real roots of a·x² + b·x + c = 0 for a discriminant D ≥ 0, in the
// program's order: x1 belongs to +√D, x2 to −√D. (−b ± √D)/2a loses every
// digit of the small root when b² is far larger than 4ac, so the root whose
// terms have the same sign is computed as q/a with q = −(b + sign(b)·√D)/2,
// and the other as c/q (the product of the roots is c/a).
#include <cmath>

struct TAndengradsRoedder {
    double x1, x2;
};

inline TAndengradsRoedder andengradsRoedder(double a, double b, double c, double D) {
    const double s = D > 0 ? std::sqrt(D) : 0.0;
    // Without b nothing cancels, and ±√D/2a keeps the two roots symmetric.
    if (b == 0) return {s / (2 * a) + 0.0, -s / (2 * a) + 0.0};
    const double q = -(b + (b < 0 ? -s : s)) / 2;
    // "+ 0.0" keeps a negative zero out of the texts.
    const double stor = q / a + 0.0, lille = c / q + 0.0;
    if (b < 0) return {stor, lille};
    return {lille, stor};
}
