#pragma once
// What other windows need of the graph window: a curve sent to it, and a
// request to show it. The graph window's model implements this; the equation
// pages hold a pointer to it (null until the graph window exists).
#include <QChar>

class TGrafModtager {
public:
    virtual ~TGrafModtager() = default;
    // Adds the curve of kind aOperator ("+", "*", "/" or "a") with the
    // coefficients a, b, c to the graph; nothing is reported, also not when
    // the canvas refuses the curve.
    virtual void AddFormelToGraf(QChar aOperator, double a, double b, double c) = 0;
    // Shows the graph window if it is hidden.
    virtual void visGrafvindue() = 0;
};
