// How long "Tilbage" takes on a long recording, and how replay time grows with
// the length of the text. Prints medians of several runs; run by hand.
#include "langopgave.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

void tilbage(const char* navn, bool memo, bool indUd) {
    TavsRegner r;
    r.regner.metaIndUdClick(indUd);
    if (memo) r.regner.setUMemoTekst(QStringLiteral("x")); // the expression window follows
    const QString taster = langOpgave(10000, 1);
    QElapsedTimer t;
    t.start();
    for (const QChar c : taster)
        r.regner.FormKeyPress(c);
    const double tast = ms(t);
    std::vector<double> tider;
    for (int i = 0; i < 9; ++i) {
        t.start();
        r.regner.BackTalExecute();
        tider.push_back(ms(t));
    }
    std::printf("%-34s recording %6lld codes  typing %7.2f ms  Tilbage median %6.2f ms (min %.2f, "
                "max %.2f)\n",
                navn, static_cast<long long>(r.regner.formelString().size()), tast, median(tider),
                *std::min_element(tider.begin(), tider.end()),
                *std::max_element(tider.begin(), tider.end()));
}

void afspilning(int koder) {
    const QString tekst = langOpgave(koder, 2);
    std::vector<double> tider;
    qsizetype afspillet = 0;
    for (int i = 0; i < 5; ++i) {
        TavsRegner r;
        QElapsedTimer t;
        t.start();
        // As "Tilbage" replays: invalid function data met on the way does not stop it.
        r.regner.genafspilOptagelse(tekst);
        tider.push_back(ms(t));
        afspillet = r.regner.formelString().size();
    }
    std::printf("replay of %7d keys (%7lld recorded) median %8.2f ms  (%.3f us per key)\n", koder,
                static_cast<long long>(afspillet), median(tider), median(tider) * 1000 / koder);
}

void langtTal(int cifre) {
    QString tekst = QStringLiteral("0,");
    QRandomGenerator g(3);
    for (int i = 0; i < cifre; ++i)
        tekst += QChar(u'0' + g.bounded(10));
    std::vector<double> tider;
    for (int i = 0; i < 3; ++i) {
        TavsRegner r;
        QElapsedTimer t;
        t.start();
        for (const QChar c : tekst)
            r.regner.FormKeyPress(c);
        tider.push_back(ms(t));
    }
    std::printf("typing a number of %7d digits       median %8.2f ms\n", cifre, median(tider));
}

} // namespace

int main() {
    tilbage("Tilbage, list on", false, false);
    tilbage("Tilbage, list in I-U form", false, true);
    tilbage("Tilbage, expression window open", true, false);
    for (int n : {1000, 10000, 100000})
        afspilning(n);
    for (int n : {1000, 10000, 100000})
        langtTal(n);
    return 0;
}
