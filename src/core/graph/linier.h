#pragma once
// One curve of the graph: its kind, its coefficients, its text form, whether
// it is shown and the colour it is drawn with.
//
// Kinds: "+" a·x + b·y = c, "/" a·x / (b·y) = c, "*" a·x · b·y = c,
// "a" a·x² + b·x + c, "3" a·x³ + b·x² + c·x + d.
#include "core/graph/laerred.h"

#include <QChar>
#include <QString>

struct TLinier {
    double fa = 0;
    double fb = 0;
    double fc = 0;
    double fd = 0; // the cubic's constant; 0 for the other kinds
    QString formel;
    QChar opr;
    bool synlig = true;
    TFarve farve = 0;
};
