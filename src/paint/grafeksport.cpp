#include "grafeksport.h"

#include "graph/funktioner.h"
#include "painterlaerred.h"

#include <algorithm>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace grafeksport {

QStringList endelser() {
    return {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
}

bool kendtEndelse(const QString& fil) {
    return endelser().contains(QFileInfo(fil).suffix().toLower());
}

namespace {

// Paints the whole canvas on `enhed`, which is `s` units large.
bool tegn(TFunktioner& g, QPaintDevice& enhed, QSize s) {
    QPainter p;
    if (!p.begin(&enhed)) return false;
    {
        TPainterLaerred l(p, s);
        g.Paint(l);
        l.toem();
    }
    return p.end();
}

} // namespace

bool gem(TFunktioner& g, const QString& fil, const TSvgFlade& svg, QString& fejl) {
    const QString endelse = QFileInfo(fil).suffix().toLower();
    const QSize s(std::max(g.Width(), 1), std::max(g.Height(), 1));
    const QString kanIkke = QStringLiteral("Billedet kan ikke gemmes i \"%1\"").arg(fil);
    bool ok = false;
    if (endelse == u"png") {
        ok = grafBillede(g).save(fil, "PNG");
    } else if (endelse == u"pdf") {
        // One page the size of the canvas, one point per pixel, no margins.
        QPdfWriter pdf(fil);
        pdf.setResolution(72);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QSizeF(s), QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        pdf.setCreator(QStringLiteral("Tavlix"));
        ok = tegn(g, pdf, s);
    } else if (endelse == u"svg") {
        std::unique_ptr<QPaintDevice> flade = svg ? svg(fil, s) : nullptr;
        if (!flade) {
            fejl = QStringLiteral("SVG-tegninger kan ikke laves her");
            return false;
        }
        ok = tegn(g, *flade, s);
        flade.reset(); // the file is complete when the surface is gone
        ok = ok && QFileInfo(fil).size() > 0;
    } else {
        fejl = QStringLiteral("Billedet gemmes efter filnavnets endelse: .png, .svg eller .pdf");
        return false;
    }
    if (!ok) fejl = kanIkke;
    return ok;
}

} // namespace grafeksport
