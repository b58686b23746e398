// How long the prime test takes for the largest number it accepts
// (2147483647, a prime, so every candidate divisor is tried), and for a few
// numbers with many divisors. Prints the median of many runs; run by hand.
#include "core/primes/primtal.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianMikrosekunder(qint32 n, int koersler, qsizetype* antal) {
    std::vector<double> tider;
    tider.reserve(static_cast<size_t>(koersler));
    for (int i = 0; i < koersler; ++i) {
        QElapsedTimer t;
        t.start();
        const QList<qint32> d = TPrimtalModel::divisorer(n);
        tider.push_back(static_cast<double>(t.nsecsElapsed()) / 1000.0);
        *antal = d.size();
    }
    std::sort(tider.begin(), tider.end());
    return tider[tider.size() / 2];
}

} // namespace

int main() {
    std::printf("%-12s %10s %14s\n", "tal", "divisorer", "median (us)");
    for (qint32 n : {2147483647, 2147483645, 654729075, 3, 9}) {
        qsizetype antal = 0;
        const double us = medianMikrosekunder(n, 201, &antal);
        std::printf("%-12d %10lld %14.1f\n", n, static_cast<long long>(antal), us);
    }
    return 0;
}
