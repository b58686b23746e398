#include "paint/grafeksport.h"

#include "core/graph/funktioner.h"
#include "paint/painterlaerred.h"

#include <algorithm>
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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
    if (!endelser().contains(endelse)) {
        fejl = QStringLiteral("Billedet gemmes efter filnavnets endelse: .png, .svg eller .pdf");
        return false;
    }
    std::unique_ptr<QPaintDevice> svgFlade;
    if (endelse == u"svg") {
        // Asked for first: without the SVG writer nothing is written at all.
        QBuffer proeve;
        if (!svg || !(svgFlade = svg(&proeve, s))) {
            fejl = QStringLiteral("SVG-tegninger kan ikke laves her");
            return false;
        }
        svgFlade.reset();
    }
    // A folder or a device in the file's place is left alone.
    const QFileInfo info(fil);
    if (info.exists() && !info.isFile()) {
        fejl = kanIkke;
        return false;
    }
    QSaveFile ud(fil);
    if (!ud.open(QIODevice::WriteOnly)) {
        fejl = kanIkke + QStringLiteral(": ") + ud.errorString();
        return false;
    }
    bool ok = false;
    if (endelse == u"png") {
        QImageWriter w(&ud, "png");
        ok = w.write(grafBillede(g));
    } else if (endelse == u"pdf") {
        // One page the size of the canvas, one point per pixel, no margins.
        QPdfWriter pdf(&ud);
        pdf.setResolution(72);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QSizeF(s), QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        pdf.setCreator(QStringLiteral("Tavlix"));
        ok = tegn(g, pdf, s);
    } else {
        std::unique_ptr<QPaintDevice> flade = svg(&ud, s);
        ok = flade && tegn(g, *flade, s);
        flade.reset(); // the drawing is complete when the surface is gone
    }
    // The last buffered bytes are written here: commit() would flush them
    // too but, in the Qt of Debian 12, put the file in place even when that
    // write failed (a small PDF on a full disk became an empty file).
    // Without commit() the temporary file goes when `ud` does.
    if (!ok || !ud.flush() || ud.error() != QFileDevice::NoError) {
        const QString grund = ud.error() != QFileDevice::NoError ? ud.errorString() : QString();
        fejl = kanIkke + (grund.isEmpty() ? QString() : QStringLiteral(": ") + grund);
        return false;
    }
    if (!ud.commit()) {
        fejl = kanIkke + QStringLiteral(": ") + ud.errorString();
        return false;
    }
    return true;
}

} // namespace grafeksport
