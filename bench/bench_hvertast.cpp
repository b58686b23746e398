// Every key of a long task timed one by one, "Tilbage" included: a task of n
// keys typed, then runs of "Tilbage" with more keys typed between them, so
// each "Tilbage" follows fresh typing as well as other "Tilbage". Prints the
// slowest key of each kind (the maximum, not a median) beside the target:
// every key within 16 ms at n = 100 000. Also the memory the engine holds
// for its copies of the state. Run by hand: bench_hvertast [n].
#include "langopgave.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double traadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double vaegMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long statusKiB(const char* felt) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith(felt))
            return l.mid(qsizetype(std::strlen(felt))).trimmed().split(' ').value(0).toLong();
    return 0;
}

struct Maal {
    const char* navn;
    long antal = 0;
    double vaegMax = 0, cpuMax = 0, cpuSum = 0;
    long vaerstVed = -1;
    void tag(double vaeg, double cpu, long ved) {
        ++antal;
        vaegMax = std::max(vaegMax, vaeg);
        cpuSum += cpu;
        if (cpu > cpuMax) {
            cpuMax = cpu;
            vaerstVed = ved;
        }
    }
    void skriv() const {
        std::printf("  %-30s %7ld keys  max %7.3f ms (cpu %7.3f ms, at recording length %ld)  "
                    "mean cpu %.4f ms\n",
                    navn, antal, vaegMax, cpuMax, vaerstVed, antal ? cpuSum / double(antal) : 0.0);
    }
};

void hvertTast(int n) {
    LangOpgaveValg kun;
    kun.praecis = true;
    TavsRegner r;
    const QString opgave = langOpgave(n, 7, kun);
    const QString mere = langOpgave(20000, 8, kun);
    qsizetype mereVed = 0;
    Maal skriv{"typed keys"};
    Maal tilbage{"Tilbage"};
    Maal foersteTilbage{"first Tilbage after typing"};
    const long rssFoer = statusKiB("VmRSS:");
    const double cpuStart = traadMs();
    const auto tast = [&](QChar c) {
        const long ved = long(r.regner.formelString().size());
        const double v0 = vaegMs();
        const double c0 = traadMs();
        if (c == u'\b')
            r.regner.BackTalExecute();
        else
            r.regner.FormKeyPress(c);
        return std::pair{vaegMs() - v0, std::pair{traadMs() - c0, ved}};
    };
    for (const QChar c : opgave) {
        const auto [v, m] = tast(c);
        skriv.tag(v, m.first, m.second);
    }
    const double cpuSkriv = traadMs() - cpuStart;
    const long rssSkrevet = statusKiB("VmRSS:");
    // Runs of "Tilbage" of growing length with fresh keys between them.
    QRandomGenerator g(9);
    for (int runde = 0; runde < 40; ++runde) {
        const int tilbageAntal = 1 + int(g.bounded(runde < 20 ? 40 : 1500));
        for (int i = 0; i < tilbageAntal; ++i) {
            const auto [v, m] = tast(u'\b');
            (i == 0 ? foersteTilbage : tilbage).tag(v, m.first, m.second);
        }
        const int nye = 1 + int(g.bounded(runde % 2 ? 30 : 600));
        for (int i = 0; i < nye; ++i) {
            const auto [v, m] = tast(mere[mereVed++ % mere.size()]);
            skriv.tag(v, m.first, m.second);
        }
    }
    std::printf("task of %d keys (recording now %lld codes); typing the task took %.1f ms cpu\n", n,
                static_cast<long long>(r.regner.formelString().size()), cpuSkriv);
    skriv.skriv();
    foersteTilbage.skriv();
    tilbage.skriv();
    const double vaerst = std::max({skriv.cpuMax, foersteTilbage.cpuMax, tilbage.cpuMax});
    std::printf("  every key: max cpu %.3f ms  target 16 ms: %s\n", vaerst,
                vaerst <= 16 ? "met" : "NOT met");
    std::printf("  memory: VmRSS %ld KiB before the task, %ld KiB typed, %ld KiB at the end "
                "(VmHWM %ld KiB)\n",
                rssFoer, rssSkrevet, statusKiB("VmRSS:"), statusKiB("VmHWM:"));
}

} // namespace

int main(int argc, char** argv) {
    hvertTast(argc > 1 ? std::atoi(argv[1]) : 100000);
    return 0;
}
