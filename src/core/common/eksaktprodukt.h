#pragma once
// Exact comparison of products of coefficients, for the tests that decide
// whether two equations are the same, parallel or contradictory. In double
// arithmetic such a test is a coin toss (0,1·3 is not 0,3), so each factor is
// taken as the program shows it, its 15 significant digits, and the products
// of those decimals are compared exactly.
#include <initializer_list>
#include <span>

namespace eksakt {

// True when the product of `venstre` equals the product of `hoejre`, every
// factor rounded to 15 significant digits first. A factor that is not a
// finite number makes the answer false.
bool produkterLige(std::span<const double> venstre, std::span<const double> hoejre);
inline bool produkterLige(std::initializer_list<double> venstre,
                          std::initializer_list<double> hoejre) {
    return produkterLige(std::span<const double>(venstre.begin(), venstre.size()),
                         std::span<const double>(hoejre.begin(), hoejre.size()));
}

// The same for one value each: equal as shown.
inline bool lige(double a, double b) {
    return produkterLige({a}, {b});
}

} // namespace eksakt
