// Long input: how the engine copes with many keys of one kind. Each case is
// timed at growing n, so the growth shows (linear doubles the time per doubling
// of n). Targets: n digits and n x Tilbage at n = 40 000 under 0,2 s, the
// other cases at n = 20 000 under 0,5 s (the first case goes on to 80 000). Run by hand.
#include "langopgave.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

struct Regner : TavsRegner {
    void tast(const QString& s) {
        for (const QChar c : s)
            regner.FormKeyPress(c);
    }
};

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Processor time of this process in ms: on a busy shared machine it shows
// what the work itself costs, apart from waiting for a core.
double cpuMs() {
    return static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

// n digits typed, then n times Backspace ("Tilbage").
double cifreOgTilbage(int n) {
    Regner r;
    QElapsedTimer t;
    t.start();
    r.tast(QString(n, u'7'));
    r.tast(QString(n, QChar(8)));
    return ms(t);
}

// "(1" n times, then ")s".
double parenteser(int n) {
    Regner r;
    QString s;
    for (int i = 0; i < n; ++i)
        s += QStringLiteral("(1");
    s += QStringLiteral(")s");
    QElapsedTimer t;
    t.start();
    r.tast(s);
    return ms(t);
}

// "2" and then n times Sin.
double funktioner(int n) {
    Regner r;
    QElapsedTimer t;
    t.start();
    r.tast(QStringLiteral("2") + QString(n, u's'));
    return ms(t);
}

// `maalN` and `maalMs`: the target, judged on processor time; `hoejst`: the largest n.
void raekke(const char* navn, double (*tilfaelde)(int), int maalN = 20000, double maalMs = 500,
            int hoejst = 40000) {
    std::printf("%s\n", navn);
    for (int n = 2500; n <= hoejst; n *= 2) {
        const double cpu = cpuMs();
        const double tid = tilfaelde(n);
        const double brugt = cpuMs() - cpu;
        std::printf("  n=%5d  %8.1f ms  (cpu %8.1f ms)", n, tid, brugt);
        if (n == maalN)
            std::printf("  target cpu < %.0f ms %s", maalMs, brugt < maalMs ? "met" : "MISSED");
        std::printf("\n");
    }
}

} // namespace

// Without arguments every case; else only the cases named: tilbage, parenteser, funktioner.
int main(int argc, char** argv) {
    const auto valgt = [&](const char* navn) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i)
            if (std::strcmp(argv[i], navn) == 0) return true;
        return false;
    };
    if (valgt("tilbage")) raekke("n digits, n x Tilbage", cifreOgTilbage, 40000, 200, 80000);
    if (valgt("parenteser")) raekke("(1 n times, then )s", parenteser);
    if (valgt("funktioner")) raekke("2, then n x Sin", funktioner);
    return 0;
}
