#include "core/graph/dialogplads.h"

#include "core/common/beskeder.h"
#include "core/common/fejl.h"

void laesDialogPlads(const TOptionsFil& fil, TDialogPlads& plads) {
    const qint32 top = fil.heltal(1);
    const qint32 left = fil.heltal(2);
    plads = {false, top, left};
}

TOptionsSkriver skrivDialogPlads(const TDialogPlads& plads) {
    TOptionsSkriver s;
    s.heltal(plads.top);
    s.heltal(plads.left);
    return s;
}

TDialogPladsFil::TDialogPladsFil(const QString& optDir, const QString& navn)
    : optfilnavn(optDir + navn) {}

void TDialogPladsFil::hentOpt(Beskeder& beskeder) {
    plads = TDialogPlads();
    if (!TOptionsFil::findes(optfilnavn)) return;
    try {
        laesDialogPlads(TOptionsFil::laes(optfilnavn), plads);
    } catch (const TFejl& f) {
        plads = TDialogPlads();
        beskeder.fejl(f.tekst());
    }
}

void TDialogPladsFil::gemOpt() const {
    // A dialog never placed (never shown, no file) has no place to keep.
    if (plads.centrer) return;
    skrivDialogPlads(plads).gem(optfilnavn);
}
