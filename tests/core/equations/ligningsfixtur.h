#pragma once
// The calculator's list, memory and engine with a message recorder and a
// graph window that writes down the curves it is sent: what the equation and
// statistics pages need around them.
#include "beskedoptager.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/graph/grafmodtager.h"

#include <QStringList>

class GrafOptager : public TGrafModtager {
public:
    QStringList kurver; // "a 1 -3 2"
    int vist = 0;       // how often the window was asked to show
    void AddFormelToGraf(QChar op, double a, double b, double c) override {
        kurver << QStringLiteral("%1 %2 %3 %4").arg(op).arg(a).arg(b).arg(c);
    }
    void visGrafvindue() override { ++vist; }
};

struct LigningsFixtur {
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    GrafOptager graf;

    QString liste() const { return meta.linjer.join(u'|'); }
    QString hukommelse() const {
        QStringList l;
        for (const TReopenRec& r : huk.Huk.Ropen())
            l << r.Caption + u'@' + r.Filnavn;
        return l.join(u'|');
    }
};
