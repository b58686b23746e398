// Fuzz target for the zoom-centre dialog's options file "zoomcenter.txt":
// the bytes are read as an options file; a place that was read must come
// back unchanged through writing and reading again. The two lines are then
// used as the point texts of the dialog, which sets the canvas's zoom centre
// (read leniently, centring on).
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/tekstkodning.h"
#include "core/graph/dialogplads.h"
#include "core/graph/grafformmodel.h"
#include "core/graph/zoomformmodel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <QByteArray>
#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString tekst =
        tekst::fraBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    static const QRegularExpression linjeskift(QStringLiteral("\r\n|\r|\n"));
    const TOptionsFil fil(tekst.split(linjeskift));
    TDialogPlads p;
    try {
        laesDialogPlads(fil, p);
        TDialogPlads igen;
        laesDialogPlads(TOptionsFil(skrivDialogPlads(p).linjer()), igen);
        if (igen.top != p.top || igen.left != p.left || igen.centrer) std::abort();
    } catch (const TFejl&) {
        // A short or bad file: the dialog is centred.
    }
    static TavseBeskeder beskeder;
    TGrafformModel graf(QStringLiteral("/nonexistent/"), beskeder);
    graf.Graf.setStoerrelse(64, 48);
    TZoomformModel zoom(QStringLiteral("/nonexistent/"), graf, beskeder);
    zoom.xEdit = fil.antal() > 0 ? fil.linjer().at(0) : QString();
    zoom.yEdit = fil.antal() > 1 ? fil.linjer().at(1) : QString();
    zoom.centrerCheck = true;
    zoom.SetZoomCentrum();
    return 0;
}
