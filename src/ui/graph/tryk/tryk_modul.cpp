// The print module: the platform's printer and printer setup dialog, and the
// SVG writer, opened by the program the first time it needs them.
#include "common/fejl.h"
#include "graph/bitmapprint.h"
#include "graph/trykflade.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

// One document on a QPrinter; the picture is held until the printer goes.
class TQtPrinter : public TPrinterFlade {
public:
    // `ejet`, when given, is the printer itself, owned by this document.
    TQtPrinter(QPrinter& printer, const QImage& billede, std::unique_ptr<QPrinter> ejet = nullptr)
        : m_ejet(std::move(ejet)), m_printer(printer), m_billede(billede) {}
    ~TQtPrinter() override {
        if (m_p.isActive()) m_p.end();
    }

    void BeginDoc() override {
        if (m_p.begin(&m_printer)) return;
        const QString hvor = m_printer.outputFileName().isEmpty() ? m_printer.printerName()
                                                                  : m_printer.outputFileName();
        if (hvor.isEmpty())
            throw TFejl(QStringLiteral("Der er ingen printer. Vælg en printer eller en fil under "
                                       "\"Printer setup...\""));
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
        m_printer.abort();
        if (m_p.isActive()) m_p.end();
    }
    void EndDoc() override {
        if (!m_p.end()) throw TFejl(QStringLiteral("Udskriften kan ikke afsluttes"));
    }

private:
    std::unique_ptr<QPrinter> m_ejet; // goes last, after the painter
    QPrinter& m_printer;
    QImage m_billede;
    QPainter m_p;
};

class TTryk : public TTrykFlade {
public:
    std::unique_ptr<TPrinterFlade> printer(const QImage& billede, const QString& pdfFil) override {
        if (pdfFil.isEmpty()) return std::make_unique<TQtPrinter>(valgt(), billede);
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
    std::unique_ptr<QPaintDevice> svg(const QString& fil, QSize s) override {
        auto g = std::make_unique<QSvgGenerator>();
        g->setFileName(fil);
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
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace

extern "C" Q_DECL_EXPORT TTrykFlade* tavlix_hent_tryk() {
    static TTryk s_tryk;
    return &s_tryk;
}
