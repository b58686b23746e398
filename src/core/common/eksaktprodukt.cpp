#include "core/common/eksaktprodukt.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t Grundtal = 1000000000; // limbs of 9 decimal digits

// ± m·10^e with m a whole number in limbs, least significant first, and no
// trailing decimal zero (so that equal values have equal representations).
struct Decimal {
    bool negativ = false;
    std::vector<std::uint32_t> m; // empty: zero
    long eksponent = 0;
};

void normaliser(Decimal& d) {
    while (!d.m.empty() && d.m.back() == 0)
        d.m.pop_back();
    if (d.m.empty()) {
        d.negativ = false;
        d.eksponent = 0;
        return;
    }
    while (d.m.front() % 10 == 0) {
        std::uint64_t rest = 0;
        for (auto i = d.m.size(); i-- > 0;) {
            const std::uint64_t v = rest * Grundtal + d.m[i];
            d.m[i] = static_cast<std::uint32_t>(v / 10);
            rest = v % 10;
        }
        ++d.eksponent;
        while (!d.m.empty() && d.m.back() == 0)
            d.m.pop_back();
    }
}

// The value as the general number format shows it: 15 significant digits.
Decimal decimal(double v) {
    Decimal d;
    if (v == 0) return d;
    // "d.dddddddddddddde±x", correctly rounded, as the number text makes it
    // (the character after the first digit is the locale's decimal point).
    char t[40];
    std::snprintf(t, sizeof t, "%.14e", std::fabs(v));
    const char* e = std::strchr(t, 'e');
    std::uint64_t mantisse = static_cast<std::uint64_t>(t[0] - '0');
    for (const char* c = t + 2; c < e; ++c)
        mantisse = mantisse * 10 + static_cast<std::uint64_t>(*c - '0');
    d.negativ = v < 0;
    d.eksponent = std::strtol(e + 1, nullptr, 10) - 14;
    d.m = {static_cast<std::uint32_t>(mantisse % Grundtal),
           static_cast<std::uint32_t>(mantisse / Grundtal)};
    normaliser(d);
    return d;
}

Decimal gange(const Decimal& a, const Decimal& b) {
    Decimal p;
    if (a.m.empty() || b.m.empty()) return p;
    std::vector<std::uint64_t> sum(a.m.size() + b.m.size() + 1, 0);
    for (std::size_t i = 0; i < a.m.size(); ++i) {
        std::uint64_t mente = 0;
        for (std::size_t j = 0; j < b.m.size(); ++j) {
            const std::uint64_t v = sum[i + j] + std::uint64_t(a.m[i]) * b.m[j] + mente;
            sum[i + j] = v % Grundtal;
            mente = v / Grundtal;
        }
        for (std::size_t k = i + b.m.size(); mente != 0; ++k) {
            const std::uint64_t v = sum[k] + mente;
            sum[k] = v % Grundtal;
            mente = v / Grundtal;
        }
    }
    for (std::uint64_t limb : sum)
        p.m.push_back(static_cast<std::uint32_t>(limb));
    p.negativ = a.negativ != b.negativ;
    p.eksponent = a.eksponent + b.eksponent;
    normaliser(p);
    return p;
}

bool produkt(std::span<const double> faktorer, Decimal& p) {
    p = Decimal{};
    p.m = {1};
    for (double f : faktorer) {
        if (!std::isfinite(f)) return false;
        p = gange(p, decimal(f));
    }
    return true;
}

} // namespace

namespace eksakt {

bool produkterLige(std::span<const double> venstre, std::span<const double> hoejre) {
    Decimal v, h;
    if (!produkt(venstre, v) || !produkt(hoejre, h)) return false;
    return v.negativ == h.negativ && v.eksponent == h.eksponent && v.m == h.m;
}

} // namespace eksakt
