// The print module: the platform's printer and printer setup dialog, and the
// SVG writer, opened by the program the first time it needs them.
#include "core/common/fejl.h"
#include "core/graph/bitmapprint.h"
#include "ui/graph/trykflade.h"

#include <functional>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

// A fresh printer with the settings of `p`: a printer whose start failed or
// that was aborted stays "active" in Qt and refuses every later change of
// the setup ("Cannot be changed while printer is active").
std::unique_ptr<QPrinter> kopi(const QPrinter& p) {
    auto ny = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ny->setOutputFormat(p.outputFormat());
    if (p.outputFormat() == QPrinter::NativeFormat) ny->setPrinterName(p.printerName());
    ny->setOutputFileName(p.outputFileName());
    ny->setPageLayout(p.pageLayout());
    ny->setColorMode(p.colorMode());
    ny->setDuplex(p.duplex());
    ny->setCopyCount(p.copyCount());
    ny->setCollateCopies(p.collateCopies());
    ny->setPageOrder(p.pageOrder());
    ny->setDocName(p.docName());
    ny->setCreator(p.creator());
    return ny;
}

// One document on a QPrinter; the picture is held until the printer goes.
class TQtPrinter : public TPrinterFlade {
public:
    // `ejet`, when given, is the printer itself, owned by this document.
    // `brugt` is told when the printer can no longer be set up (a failed
    // start, an abort, a failed end).
    TQtPrinter(QPrinter& printer, const QImage& billede, std::unique_ptr<QPrinter> ejet = nullptr,
               std::function<void()> brugt = {})
        : m_ejet(std::move(ejet)), m_printer(printer), m_billede(billede),
          m_brugt(std::move(brugt)) {}
    ~TQtPrinter() override {
        if (m_p.isActive()) m_p.end();
        if (m_oedelagt && m_brugt) m_brugt();
    }

    void BeginDoc() override {
        const bool tilFil = !m_printer.outputFileName().isEmpty();
        // Neither a printer nor a file: say so before the printer is started,
        // which would leave it unusable for the rest of the run.
        if (!tilFil && (m_printer.outputFormat() != QPrinter::NativeFormat ||
                        m_printer.printerName().isEmpty()))
            throw TFejl(QStringLiteral("Der er ingen printer. Vælg en printer eller en fil under "
                                       "\"Printer setup...\""));
        if (m_p.begin(&m_printer)) return;
        m_oedelagt = true;
        const QString hvor = tilFil ? m_printer.outputFileName() : m_printer.printerName();
        throw TFejl(QStringLiteral("Udskriften kan ikke startes på \"%1\"").arg(hvor));
    }
    void StretchDraw(qint32 x1, qint32 y1, qint32 x2, qint32 y2) override {
        m_p.drawImage(QRectF(x1, y1, double(x2) - x1, double(y2) - y1), m_billede);
    }
    void NewPage() override {
        if (!m_printer.newPage())
            throw TFejl(QStringLiteral("Printeren kan ikke starte en ny side"));
    }
    void Abort() override {
        m_oedelagt = true;
        m_printer.abort();
        if (m_p.isActive()) m_p.end();
    }
    void EndDoc() override {
        if (m_p.end()) return;
        m_oedelagt = true;
        throw TFejl(QStringLiteral("Udskriften kan ikke afsluttes"));
    }

private:
    std::unique_ptr<QPrinter> m_ejet; // goes last, after the painter
    QPrinter& m_printer;
    QImage m_billede;
    std::function<void()> m_brugt;
    bool m_oedelagt = false;
    QPainter m_p;
};

class TTryk : public TTrykFlade {
public:
    std::unique_ptr<TPrinterFlade> printer(const QImage& billede, const QString& pdfFil) override {
        if (pdfFil.isEmpty())
            return std::make_unique<TQtPrinter>(valgt(), billede, nullptr, [this] { forny(); });
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdfFil);
        p->setCreator(QStringLiteral("Tavlix"));
        QPrinter& ref = *p;
        return std::make_unique<TQtPrinter>(ref, billede, std::move(p));
    }
    bool printerSetup(QWidget* ejer) override {
        QPrintDialog d(&valgt(), ejer);
        d.setWindowTitle(QStringLiteral("Printer setup"));
        return d.exec() == QDialog::Accepted;
    }
    int oploesning() override { return valgt().resolution(); }
    void udskrivTilFil(const QString& pdfFil) override {
        QPrinter& p = valgt();
        p.setOutputFormat(pdfFil.isEmpty() ? QPrinter::NativeFormat : QPrinter::PdfFormat);
        p.setOutputFileName(pdfFil);
    }
    std::unique_ptr<QPaintDevice> svg(QIODevice* ud, QSize s) override {
        auto g = std::make_unique<QSvgGenerator>();
        g->setOutputDevice(ud);
        g->setSize(s);
        g->setViewBox(QRect(QPoint(0, 0), s));
        g->setTitle(QStringLiteral("Graf"));
        return g;
    }

private:
    // The printer chosen in the setup dialog, kept for the whole run.
    QPrinter& valgt() {
        if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *m_printer;
    }
    // The kept printer was started and failed: a fresh one with its settings
    // takes its place, so the setup works again.
    void forny() { m_printer = kopi(*m_printer); }
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace

extern "C" Q_DECL_EXPORT TTrykFlade* tavlix_hent_tryk() {
    static TTryk s_tryk;
    return &s_tryk;
}
