#pragma once
// Printing and SVG drawings, behind an interface of our own. Both live in a
// separate module (print support and the SVG writer) that the program opens
// the first time it prints, sets up the printer or saves an SVG drawing, so
// neither costs anything at start-up.
#include <memory>
#include <QSize>
#include <QString>

class QImage;
class QPaintDevice;
class QWidget;
class TPrinterFlade;

class TTrykFlade {
public:
    virtual ~TTrykFlade() = default;
    // A printer that prints `billede`: on the printer chosen in the printer
    // setup, or into the PDF file `pdfFil` when it is given.
    virtual std::unique_ptr<TPrinterFlade> printer(const QImage& billede,
                                                   const QString& pdfFil = QString()) = 0;
    // The platform's printer setup dialog; true when it was accepted.
    virtual bool printerSetup(QWidget* ejer) = 0;
    // An SVG surface of `stoerrelse` pixels writing to `fil`.
    virtual std::unique_ptr<QPaintDevice> svg(const QString& fil, QSize stoerrelse) = 0;
};

// The module's one entry point: its single TTrykFlade.
using THentTryk = TTrykFlade* (*)();
#define TAVLIX_HENT_TRYK "tavlix_hent_tryk"
