#pragma once
// Long calculator tasks for the tests and benchmarks of long input: numbers,
// operators, functions, parentheses and results that the next operator
// continues from, so the recording keeps growing. The same seed and choices
// give the same task.
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"

#include <QRandomGenerator>
#include <QString>

struct LangOpgaveValg {
    QString funktioner = QStringLiteral("scnexrf");
    bool decimaler = true; // now and then a number with a decimal
    bool praecis = false;  // cut to exactly the number of codes asked for
};

inline QString langOpgave(int koder, quint32 froe, const LangOpgaveValg& valg = {}) {
    QRandomGenerator g(froe);
    static const QString operatorer = QStringLiteral("+-*/");
    QString t;
    int aabne = 0;
    while (t.size() < koder) {
        if (g.bounded(8) == 0) {
            t += u'(';
            ++aabne;
        }
        const int cifre = 1 + g.bounded(4);
        for (int i = 0; i < cifre; ++i)
            t += QChar(u'1' + g.bounded(9));
        if (valg.decimaler && g.bounded(4) == 0) t += u',' + QString(QChar(u'1' + g.bounded(9)));
        if (g.bounded(5) == 0)
            t += valg.funktioner[g.bounded(static_cast<int>(valg.funktioner.size()))];
        if (aabne > 0 && g.bounded(3) == 0) {
            t += u')';
            --aabne;
        }
        if (g.bounded(10) == 0) t += u'=';
        t += operatorer[g.bounded(4)];
    }
    if (valg.praecis) t.truncate(koder);
    return t;
}

// A calculator that shows no messages, for the benchmarks.
struct TavsRegner {
    TavseBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
};
