#pragma once
// The print dialog "Udskriv grafer": the rectangle on the page (X1, Y1 to X2,
// Y2 in printer pixels) and the number of copies. "Standard værdier" computes
// X2 and Y2 so that the picture keeps its proportions and is printed 2 to 6
// pixels of a 600 dpi printer per screen pixel, whatever the printer's own
// resolution: "Størrelse 2" is then as wide on the page on a 1200 dpi printer
// as on the printers the sizes were made for, not half as wide.
#include "core/graph/bitmapprint.h"

#include <functional>
#include <memory>
#include <QObject>
#include <QString>

class Beskeder;
class TFunktioner;

class TPrintformModel : public QObject {
    Q_OBJECT
public:
    TPrintformModel(TFunktioner& graf, Beskeder& beskeder, QObject* parent = nullptr);

    // Above this many copies the user is asked first.
    static constexpr qint32 kMangeKopier = 100;

    TBitmapPrint BitmapPrint;
    QString EditX1, EditX2, EditY1, EditY2;
    QString EditKopi = QStringLiteral("1");
    int Values = 1; // "Størrelse 2"

    // Makes the printer that "Udskriv" prints on, holding a copy of the
    // canvas's picture until it goes (none: nothing is printed).
    using TPrinterKilde = std::function<std::unique_ptr<TPrinterFlade>()>;
    void setPrinterKilde(TPrinterKilde k) { m_printer = std::move(k); }
    // The chosen printer's resolution (pixels per inch); none or not above
    // zero: the reference resolution.
    void setOploesningKilde(std::function<int()> k) { m_oploesning = std::move(k); }
    static constexpr int kReferenceOploesning = 600;

    // A standard size was chosen (also run when the canvas is resized while
    // the dialog is shown).
    void ValuesClick(int item);
    // The graph window's "Udskriv...": compute the rectangle and show.
    void MPrintClick();
    // "Udskriv" and Ctrl+U.
    void udskrivKnapClick();
    // Enter in a field: the next field of the cycle Kopiantal, X1, X2, Y1, Y2.
    static QString naesteFelt(const QString& felt);

Q_SIGNALS:
    void aendret();
    void visOenskes();

private:
    // X2 and Y2 for factor f from the fields X1 and Y1, kept in 32 bits.
    void standard(qint32& x2, qint32& y2) const;

    TFunktioner& m_graf;
    Beskeder& m_beskeder;
    TPrinterKilde m_printer;
    std::function<int()> m_oploesning;
};
