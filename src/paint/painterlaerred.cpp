#include "paint/painterlaerred.h"

#include "core/graph/funktioner.h"

#include <QPainter>
#include <QPen>

TPainterLaerred::TPainterLaerred(QPainter& p, QSize stoerrelse)
    : m_p(p), m_stoerrelse(stoerrelse), m_linje{QPoint(0, 0)} {
    m_p.setRenderHint(QPainter::Antialiasing, false);
    setPenFarve(0);
}

TPainterLaerred::~TPainterLaerred() {
    toem();
}

QColor TPainterLaerred::qFarve(TFarve f) {
    return QColor(farve::roed(f), farve::groen(f), farve::blaa(f));
}

void TPainterLaerred::toem() {
    if (m_linje.size() > 1) m_p.drawPolyline(m_linje);
    const QPoint sidste = m_linje.last();
    m_linje.resize(1);
    m_linje[0] = sidste;
}

void TPainterLaerred::Fyld(TFarve baggrund) {
    toem();
    m_baggrund = qFarve(baggrund);
    m_p.fillRect(QRect(QPoint(0, 0), m_stoerrelse), m_baggrund);
}

void TPainterLaerred::setPenFarve(TFarve f) {
    toem();
    QPen pen(qFarve(f));
    pen.setWidth(1);
    pen.setCosmetic(true);
    m_p.setPen(pen);
}

void TPainterLaerred::setBrushKlar(bool klar) {
    toem();
    m_p.setBrush(klar ? QBrush(Qt::NoBrush) : QBrush(m_baggrund));
}

void TPainterLaerred::MoveTo(qint32 x, qint32 y) {
    toem();
    m_linje[0] = QPoint(x, y);
}

void TPainterLaerred::LineTo(qint32 x, qint32 y) {
    // A line that goes on in the same direction lengthens the last one: the
    // flat stretches of a sampled curve (one point per column) then cost one
    // line instead of hundreds.
    const qsizetype n = m_linje.size();
    if (n >= 2) {
        const QPoint a = m_linje.at(n - 2), b = m_linje.at(n - 1);
        const qint64 ux = qint64(b.x()) - a.x(), uy = qint64(b.y()) - a.y();
        const qint64 vx = qint64(x) - b.x(), vy = qint64(y) - b.y();
        if (ux * vy == uy * vx && ux * vx + uy * vy > 0) {
            m_linje[n - 1] = QPoint(x, y);
            return;
        }
    }
    m_linje.append(QPoint(x, y));
}

void TPainterLaerred::Ellipse(qint32 x1, qint32 y1, qint32 x2, qint32 y2) {
    toem();
    m_p.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

QImage grafBillede(TFunktioner& g) {
    QImage billede(QSize(std::max(g.Width(), 1), std::max(g.Height(), 1)), QImage::Format_RGB32);
    QPainter p(&billede);
    TPainterLaerred l(p, billede.size());
    g.Paint(l);
    l.toem();
    return billede;
}
