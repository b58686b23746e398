#pragma once
// The graph canvas's drawing surface on a QPainter: the window's paint event,
// a picture for a file or a printer. Consecutive lines are gathered into one
// polyline, which keeps a repaint of many sampled curves fast.
#include "core/graph/laerred.h"

#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QSize>

class QPainter;
class TFunktioner;

class TPainterLaerred : public TLaerred {
public:
    // Draws on `p`, whose surface is `stoerrelse` pixels.
    TPainterLaerred(QPainter& p, QSize stoerrelse);
    ~TPainterLaerred() override;
    TPainterLaerred(const TPainterLaerred&) = delete;
    TPainterLaerred& operator=(const TPainterLaerred&) = delete;

    void Fyld(TFarve baggrund) override;
    void setPenFarve(TFarve f) override;
    void setBrushKlar(bool klar) override;
    void MoveTo(qint32 x, qint32 y) override;
    void LineTo(qint32 x, qint32 y) override;
    void Ellipse(qint32 x1, qint32 y1, qint32 x2, qint32 y2) override;

    // Draws the lines gathered so far.
    void toem();

    static QColor qFarve(TFarve f);

private:
    QPainter& m_p;
    QSize m_stoerrelse;
    QColor m_baggrund;
    QPolygon m_linje; // the current position first, then the points reached
};

// The whole picture of `g` at its current size, as a repaint draws it.
QImage grafBillede(TFunktioner& g);
