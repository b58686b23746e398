// Fuzz target for the graph colour dialog's options file "options.txt": the
// bytes are read as an options file; a place that was read must come back
// unchanged through writing and reading again. The two numbers are then
// chosen as colour indexes in the dialog and applied, so indexes outside the
// palette (possible from hand-edited files) go through "Realiser" and a
// repaint too.
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/tekstkodning.h"
#include "core/graph/dialogplads.h"
#include "core/graph/grafformmodel.h"
#include "core/graph/optformmodel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <QByteArray>
#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString tekst =
        tekst::fraBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    static const QRegularExpression linjeskift(QStringLiteral("\r\n|\r|\n"));
    TDialogPlads p;
    try {
        laesDialogPlads(TOptionsFil(tekst.split(linjeskift)), p);
        TDialogPlads igen;
        laesDialogPlads(TOptionsFil(skrivDialogPlads(p).linjer()), igen);
        if (igen.top != p.top || igen.left != p.left || igen.centrer) std::abort();
    } catch (const TFejl&) {
        // A short or bad file: the dialog is centred.
    }
    static TavseBeskeder beskeder;
    TGrafformModel graf(QStringLiteral("/nonexistent/"), beskeder);
    graf.Graf.setStoerrelse(64, 48);
    TOptformModel o(QStringLiteral("/nonexistent/"), graf, beskeder);
    o.FarveboxChange(p.top);
    o.LinieboxChange(p.left);
    o.KurveboxChange(p.top ^ p.left);
    o.NyKurveboxChange(p.left);
    o.skiftKurvefarveClick();
    o.realiserKnapClick();
    graf.AddFormelToGraf(u'a', 1, 0, -1);
    TTomLaerred l;
    graf.Graf.Paint(l);
    return 0;
}
