#pragma once
// A drawing surface that writes down every call, so tests can check the
// canvas's algorithms call by call.
#include "core/graph/laerred.h"

#include <QString>
#include <QStringList>

class OptagerLaerred : public TLaerred {
public:
    QStringList kald; // "F 0x..", "P 0x..", "B klar"/"B fast", "M x y", "L x y", "E x1 y1 x2 y2"

    void Fyld(TFarve f) override { kald << QStringLiteral("F %1").arg(f, 6, 16, QChar(u'0')); }
    void setPenFarve(TFarve f) override {
        kald << QStringLiteral("P %1").arg(f, 6, 16, QChar(u'0'));
    }
    void setBrushKlar(bool klar) override {
        kald << (klar ? QStringLiteral("B klar") : QStringLiteral("B fast"));
    }
    void MoveTo(qint32 x, qint32 y) override { kald << QStringLiteral("M %1 %2").arg(x).arg(y); }
    void LineTo(qint32 x, qint32 y) override { kald << QStringLiteral("L %1 %2").arg(x).arg(y); }
    void Ellipse(qint32 x1, qint32 y1, qint32 x2, qint32 y2) override {
        kald << QStringLiteral("E %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
    }

    // The segments drawn, as "x1 y1 x2 y2", from the moves and lines.
    QStringList segmenter() const {
        QStringList s;
        QString fra;
        for (const QString& k : kald) {
            if (k.startsWith(u'M')) fra = k.mid(2);
            if (k.startsWith(u'L')) {
                s << fra + u' ' + k.mid(2);
                fra = k.mid(2);
            }
        }
        return s;
    }
};
