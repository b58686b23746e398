#pragma once
// Printing the graph's picture: the picture stretched into a rectangle of
// the page, given in printer pixels, one page per copy, all in one document.
//
// The printer itself is behind TPrinterFlade, so that the printing steps run
// and are tested without a printer: the program prints through the platform's
// printer, the tests through a recording printer or into a PDF file.
#include <QtGlobal>

class TPrinterFlade {
public:
    virtual ~TPrinterFlade() = default;
    virtual void BeginDoc() = 0;
    // Draws the picture stretched into (x1, y1) - (x2, y2) of the current
    // page, in the coordinates of the printer's drawing surface.
    virtual void StretchDraw(qint32 x1, qint32 y1, qint32 x2, qint32 y2) = 0;
    virtual void NewPage() = 0;
    virtual void Abort() = 0;
    virtual void EndDoc() = 0;
};

class TBitmapPrint {
public:
    // Fields in the component's order; writing one only stores the value.
    qint32 X1 = 160;
    qint32 Y2 = 0;
    qint32 KopiAntal = 1;
    qint32 Y1 = 160;
    qint32 X2 = 0;

    // Prints KopiAntal copies (none for 0 or less). An error while a copy is
    // drawn cancels the document and is passed on; the copies after it are
    // not printed.
    void PrintStretchDraw(TPrinterFlade& printer) const;
};
