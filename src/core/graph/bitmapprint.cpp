#include "core/graph/bitmapprint.h"

void TBitmapPrint::PrintStretchDraw(TPrinterFlade& printer) const {
    if (KopiAntal <= 0) return;
    const qint32 x1 = X1, y1 = Y1, x2 = X2, y2 = Y2;
    printer.BeginDoc();
    for (qint32 i = 1; i <= KopiAntal; ++i) {
        try {
            printer.StretchDraw(x1, y1, x2, y2);
            if (i < KopiAntal) printer.NewPage();
        } catch (...) {
            printer.Abort();
            throw;
        }
    }
    printer.EndDoc();
}
