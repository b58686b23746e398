#pragma once
// Printing and SVG drawings, behind an interface of our own. Both live in a
// separate module (print support and the SVG writer) that the program opens
// the first time it prints, sets up the printer or saves an SVG drawing, so
// neither costs anything at start-up.
#include <memory>
#include <QSize>
#include <QString>

class QImage;
class QIODevice;
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
    // The chosen printer's resolution, in printer pixels per inch.
    virtual int oploesning() = 0;
    // What the setup's "Print to File (PDF)" chooses: the chosen printer
    // prints into `pdfFil`; an empty name goes back to the platform printer.
    virtual void udskrivTilFil(const QString& pdfFil) = 0;
    // An SVG surface of `stoerrelse` pixels writing to `ud`; the drawing is
    // complete on the device when the surface is gone.
    virtual std::unique_ptr<QPaintDevice> svg(QIODevice* ud, QSize stoerrelse) = 0;
};

// The module's one entry point: its single TTrykFlade.
using THentTryk = TTrykFlade* (*)();
#define TAVLIX_HENT_TRYK "tavlix_hent_tryk"
