#include "ui/info/strukturikoner.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace strukturikoner {

namespace {

void bog(QPainter& p, QColor farve) {
    p.setPen(QPen(farve.darker(160), 1));
    p.setBrush(farve);
    p.drawRoundedRect(QRectF(3.5, 1.5, 10, 13), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(4, 12, 9, 2));
    p.setPen(QPen(farve.darker(180), 1.2));
    p.drawLine(QPointF(5.5, 2), QPointF(5.5, 12));
}

void aabenBog(QPainter& p, QColor farve) {
    p.setPen(QPen(farve.darker(160), 1));
    p.setBrush(Qt::white);
    QPainterPath v, h;
    v.moveTo(8, 4);
    v.lineTo(1.5, 2.5);
    v.lineTo(1.5, 13);
    v.lineTo(8, 14.5);
    v.closeSubpath();
    h.moveTo(8, 4);
    h.lineTo(14.5, 2.5);
    h.lineTo(14.5, 13);
    h.lineTo(8, 14.5);
    h.closeSubpath();
    p.drawPath(v);
    p.drawPath(h);
    p.setPen(QPen(farve, 1));
    for (double y : {6.0, 8.5, 11.0}) {
        p.drawLine(QPointF(3.5, y - 1.5), QPointF(6.5, y - 0.8));
        p.drawLine(QPointF(9.5, y - 0.8), QPointF(12.5, y - 1.5));
    }
}

QPixmap tegn(int nr) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (nr) {
    case 0:
        bog(p, QColor(0x3c, 0xa0, 0x3c));
        break;
    case 1:
        bog(p, QColor(0xc8, 0x32, 0x32));
        break;
    case 2: { // example: a sheet with a bent corner and lines
        p.setPen(QPen(QColor(0x55, 0x66, 0x77), 1));
        p.setBrush(QColor(0xfd, 0xfd, 0xf0));
        QPainterPath s;
        s.moveTo(3.5, 1.5);
        s.lineTo(10, 1.5);
        s.lineTo(13.5, 5);
        s.lineTo(13.5, 14.5);
        s.lineTo(3.5, 14.5);
        s.closeSubpath();
        p.drawPath(s);
        p.setPen(QPen(QColor(0xe0, 0x90, 0x20), 1.2));
        for (double y : {6.5, 9.0, 11.5})
            p.drawLine(QPointF(5.5, y), QPointF(11.5, y));
        break;
    }
    case 3: { // information: a blue disc with an "i"
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x6e, 0xc8));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(7, 3.2, 2.2, 2.2));
        p.drawRect(QRectF(7, 6.5, 2.2, 6.5));
        break;
    }
    case 4: // object: a cube
        p.setPen(QPen(QColor(0x6a, 0x4a, 0x1a), 1));
        p.setBrush(QColor(0xf0, 0xc0, 0x60));
        p.drawPolygon(QPolygonF({{2, 5}, {8, 2}, {14, 5}, {8, 8}}));
        p.setBrush(QColor(0xd8, 0xa0, 0x40));
        p.drawPolygon(QPolygonF({{2, 5}, {8, 8}, {8, 14.5}, {2, 11.5}}));
        p.setBrush(QColor(0xb8, 0x84, 0x30));
        p.drawPolygon(QPolygonF({{14, 5}, {8, 8}, {8, 14.5}, {14, 11.5}}));
        break;
    case 5: // method: a purple diamond
        p.setPen(QPen(QColor(0x50, 0x20, 0x70), 1));
        p.setBrush(QColor(0x9a, 0x5c, 0xc8));
        p.drawPolygon(QPolygonF({{8, 1.5}, {14.5, 8}, {8, 14.5}, {1.5, 8}}));
        break;
    case 6: // category: a folder
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x10), 1));
        p.setBrush(QColor(0xf5, 0xd0, 0x50));
        p.drawPolygon(
            QPolygonF({{1.5, 4}, {6, 4}, {7.5, 2.5}, {14.5, 2.5}, {14.5, 13.5}, {1.5, 13.5}}));
        p.setBrush(QColor(0xfa, 0xe0, 0x80));
        p.drawRect(QRectF(1.5, 6, 13, 7.5));
        break;
    case 7:
        aabenBog(p, QColor(0xc8, 0x32, 0x32));
        break;
    case 8: // property: a small tag
        p.setPen(QPen(QColor(0x20, 0x60, 0x50), 1));
        p.setBrush(QColor(0x40, 0xb0, 0x98));
        p.drawPolygon(QPolygonF({{1.5, 8}, {6, 3.5}, {14.5, 3.5}, {14.5, 12.5}, {6, 12.5}}));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4.5, 6.8, 2.4, 2.4));
        break;
    case 9: // other: a grey sheet
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(QColor(0xe4, 0xe4, 0xe4));
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        for (double y : {5.0, 7.5, 10.0})
            p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
        break;
    default:
        break;
    }
    return pm;
}

} // namespace

QIcon ikon(int nr) {
    if (nr < 0 || nr >= antal) return {};
    return QIcon(tegn(nr));
}

QString navn(int nr) {
    static const char* navne[antal] = {"Grøn bog", "Rød bog", "Eksempel", "Information",
                                       "Objekt",   "Metode",  "Kategori", "Rød bog åben",
                                       "Egenskab", "Andet"};
    return nr >= 0 && nr < antal ? QString::fromUtf8(navne[nr]) : QString();
}

} // namespace strukturikoner
