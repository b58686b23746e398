#pragma once
// Intersection of two curves of the graph: a pure computation from two curve
// records to up to two points or a message.
//
// The pair is first put in a fixed order (a straight line "+" first, a
// parabola "a" second, "/" before "*"), then each ordered pair has its own
// closed formula. Every operation is checked: a division by zero, a result
// that is not a finite number or an overflow ends the solving with "Fejl".
// Two equations of one curve are said to have infinitely many solutions, and
// a quotient a·x/(b·y) = c never has a point with y = 0.
#include <QChar>
#include <QString>

struct TLigning {
    QChar opr;
    double a = 0, b = 0, c = 0;
};

struct TLigningsResultat {
    // The points in number text; a pair with one point leaves x2 and y2
    // empty, and so does a pair without a formula (a cubic).
    QString x1, y1, x2, y2;
    // The error message to show; empty when points were found (or nothing
    // was computed for a pair without a formula).
    QString besked;
    // The two equations are one curve: `besked` says so, and it is an
    // answer rather than an error.
    bool uendeligtMange = false;
};

namespace ligningsres {

// True when the pair (l1, l2) is swapped before solving.
bool byttes(QChar opr1, QChar opr2);
// Swaps l1 and l2 when their kinds ask for it.
void ordn(TLigning& l1, TLigning& l2);
// Orders and solves.
TLigningsResultat loes(TLigning l1, TLigning l2);

} // namespace ligningsres
