// Entering many values on the statistics page: each value as the entry box
// hands it over (text, then Enter), through the page's model. Entering n
// values should take about n times one value's time. Target: 100 000 values
// in under 0,3 s of processor time.
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/equations/statistik.h"

#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

namespace {

double cpuSek() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void indtast(int n) {
    TavseBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    TStatistik st(beskeder, regner, meta, huk);
    const double cpu0 = cpuSek();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i) {
        st.setStatistikValue(QString::number(i % 1000) + QStringLiteral(",5"));
        st.statistikValueKeyPress(QChar(13));
    }
    const double vaeg = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const double cpu = cpuSek() - cpu0;
    std::printf("statistics: %6d values entered  wall %6.3f s  cpu %6.3f s  (%s)  %s\n", n, vaeg,
                cpu, qPrintable(st.statistikNantal()),
                n == 100000 ? (cpu < 0.3 ? "target < 0,3 s: met" : "target < 0,3 s: NOT met") : "");
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        indtast(std::atoi(argv[1]));
        return 0;
    }
    for (int n : {12500, 25000, 50000, 100000})
        indtast(n);
    return 0;
}
