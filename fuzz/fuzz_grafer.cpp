// Fuzz target for the graph window's options file "grafer.txt": the bytes are
// read as an options file, its lines applied to a canvas, and the canvas
// repainted onto a surface that draws nothing, so that any scale, tick
// length, step or colour a file can hold goes through the drawing walks too.
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/tekstkodning.h"
#include "core/graph/funktioner.h"
#include "core/graph/grafoptioner.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString tekst =
        tekst::fraBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    static const QRegularExpression linjeskift(QStringLiteral("\r\n|\r|\n"));
    TGrafOptioner o;
    try {
        laesGrafOptioner(TOptionsFil(tekst.split(linjeskift)), o);
    } catch (const TFejl&) {
        // A bad line ends the reading; the lines before it stay read.
    }
    TFunktioner g;
    saetGraf(g, o);
    g.setStoerrelse(64, 48);
    g.NyGraf(1, -2, 3, u'a', true);
    g.NyGraf(1, 1, 0.5, u'*', true);
    TTomLaerred l;
    g.Paint(l);
    g.setZoomX(o.top);
    g.setZoomY(o.left);
    g.Zoom();
    g.FlytFocus(o.bredde, o.hoejde);
    g.Paint(l);
    (void)skrivGrafOptioner(o);
    return 0;
}
