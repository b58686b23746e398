#include "ui/equations/ligningssider.h"

#include "core/app/mainformmodel.h"
#include "core/equations/andengrads.h"
#include "core/equations/ligninger.h"
#include "core/equations/statistik.h"
#include "ui/app/mainform.h"
#include "ui/equations/andengradspanel.h"
#include "ui/equations/ligningerpanel.h"
#include "ui/equations/statistikpanel.h"

void indsaetLigningssider(Tmainform& vindue, TMainformModel& ramme, TAndengrads& andengrads,
                          TLigninger& ligninger, TStatistik& statistik) {
    vindue.erstatSide(TMainformModel::AndengradsSide, new TAndengradsPanel(andengrads, ramme));
    vindue.erstatSide(TMainformModel::LigningerSide, new TLigningerPanel(ligninger, ramme));
    vindue.erstatSide(TMainformModel::StatistikSide, new TStatistikPanel(statistik, ramme));

    TLigningsside* sider[] = {&andengrads, &ligninger, &statistik};
    const int numre[] = {TMainformModel::AndengradsSide, TMainformModel::LigningerSide,
                         TMainformModel::StatistikSide};
    for (int i = 0; i < 3; ++i) {
        TLigningsside* s = sider[i];
        ramme.setSideTaster(numre[i], [s](int tast, Qt::KeyboardModifiers mods) {
            return s->FormKeyDown(tast, mods);
        });
    }
    QObject::connect(&statistik, &TStatistik::nantalAendret, &vindue, [&vindue](const QString& t) {
        vindue.setSideskiftCaption(TMainformModel::StatistikSide, t);
    });
    vindue.setSideskiftCaption(TMainformModel::StatistikSide, statistik.statistikNantal());
}
