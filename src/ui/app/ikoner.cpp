#include "ui/app/ikoner.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// Each icon is drawn once and shared.
template <typename F> QIcon tegn(F&& maler) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    maler(p);
    return QIcon(pm);
}

void regnemaskine(QPainter& p, int kolonner, int raekker) {
    p.setPen(QPen(QColor(0x33, 0x44, 0x55), 1.5));
    p.setBrush(QColor(0xe9, 0xef, 0xf5));
    p.drawRoundedRect(QRectF(5.5, 2.5, 21, 27), 3, 3);
    p.setBrush(QColor(0xb9, 0xd6, 0xa8));
    p.drawRect(QRectF(8.5, 5.5, 15, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x33, 0x44, 0x55));
    const double bredde = 15.0 / kolonner, hoejde = 13.0 / raekker;
    for (int r = 0; r < raekker; ++r)
        for (int k = 0; k < kolonner; ++k)
            p.drawRect(
                QRectF(8.5 + k * bredde + 0.6, 14 + r * hoejde + 0.6, bredde - 1.6, hoejde - 1.6));
}
} // namespace

namespace ikoner {

QIcon lommeregner() {
    static const QIcon ikon = tegn([](QPainter& p) { regnemaskine(p, 4, 4); });
    return ikon;
}

QIcon simpelLommeregner() {
    static const QIcon ikon = tegn([](QPainter& p) { regnemaskine(p, 2, 2); });
    return ikon;
}

QIcon graf() {
    static const QIcon ikon = tegn([](QPainter& p) {
        p.setPen(QPen(QColor(0x44, 0x44, 0x44), 1.5));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        p.drawLine(QPointF(16, 4), QPointF(16, 28));
        QPainterPath kurve;
        kurve.moveTo(5, 27);
        kurve.cubicTo(12, 2, 20, 30, 27, 5);
        p.setPen(QPen(QColor(0xc0, 0x30, 0x30), 2));
        p.drawPath(kurve);
    });
    return ikon;
}

QIcon sletListe() {
    static const QIcon ikon = tegn([](QPainter& p) {
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
        for (int y = 8; y <= 24; y += 5)
            p.drawLine(QPointF(5, y), QPointF(21, y));
        p.setPen(QPen(QColor(0xc0, 0x30, 0x30), 2.5));
        p.drawLine(QPointF(18, 17), QPointF(28, 27));
        p.drawLine(QPointF(28, 17), QPointF(18, 27));
    });
    return ikon;
}

QIcon udtryksvindue() {
    static const QIcon ikon = tegn([](QPainter& p) {
        p.setPen(QPen(QColor(0x33, 0x44, 0x55), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 6.5, 23, 19));
        p.drawLine(QPointF(8, 12), QPointF(20, 12));
        p.drawLine(QPointF(8, 17), QPointF(24, 17));
        p.drawLine(QPointF(8, 22), QPointF(15, 22));
    });
    return ikon;
}

} // namespace ikoner
