#pragma once
// What the graph window and its zoom-centre dialog need of the equation
// pages: the quadratic page's coefficients and roots, and the two-equations
// page's boxes and solutions, for import, export and zooming on a solution.
// The equation pages implement it (TGrafLigningssider); the graph window's
// model holds a pointer to it (null: import and export do nothing).
#include "core/graph/ligningsres.h"

#include <QString>

class TLigningssider {
public:
    virtual ~TLigningssider() = default;

    // The quadratic page. Its coefficients as last read from its boxes
    // (opr 'a').
    virtual TLigning andengrads() const = 0;
    // Writes the coefficients into its boxes, as the page shows numbers.
    virtual void saetAndengrads(double a, double b, double c) = 0;
    // Solves it as its "Beregn" does; false when there are no real roots.
    virtual bool beregnAndengrads() = 0;
    // The root boxes, x1 (`foerste`) or x2.
    virtual QString andengradsRod(bool foerste) const = 0;

    // The two-equations page. Reads its six boxes leniently, writes them back
    // as the page shows numbers and gives the two equations; false (nothing
    // read) while a box lacks its value.
    virtual bool hentLigninger(TLigning& l1, TLigning& l2) = 0;
    // Puts equation 1 (`foerste`) or 2: its form from the curve kind ("+",
    // "*", "/") and its coefficients.
    virtual void saetLigning(bool foerste, const TLigning& l) = 0;
    // The solution boxes of solution 1 (`foerste`) or 2; empty when none.
    virtual QString loesningX(bool foerste) const = 0;
    virtual QString loesningY(bool foerste) const = 0;
};
