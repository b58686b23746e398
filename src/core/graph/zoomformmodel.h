#pragma once
// The zoom-centre dialog "Sæt zoomcentrum": puts the graph canvas's zoom
// centre on a chosen point, and with "Centrer zoomcentrum" ticked also moves
// the view so that the point lies in the middle of the canvas. The points
// come from the equation pages (the quadratic's roots, the two equations'
// solutions) and from the graph window (origin, zoom centre, its solutions).
// Its place is kept in "zoomcenter.txt".
#include "core/graph/dialogplads.h"

#include <QObject>
#include <QString>

class Beskeder;
class TGrafformModel;

class TZoomformModel : public QObject {
    Q_OBJECT
public:
    // `optDir` ends in a separator. The equation pages are reached through
    // the graph window's model.
    TZoomformModel(const QString& optDir, TGrafformModel& graf, Beskeder& beskeder,
                   QObject* parent = nullptr);

    TDialogPladsFil opt; // "zoomcenter.txt"
    QString xEdit, yEdit;
    bool centrerCheck = false;

    void FormCreate() { opt.hentOpt(m_beskeder); }
    void gemOpt() const { opt.gemOpt(); }

    // Reads the two fields and sets the zoom centre; the graph window's
    // "Zoom pos" label and axis boxes follow.
    void SetZoomCentrum();
    // Solves the first selected parabola of the graph window's list on the
    // quadratic page; false (nothing written) without one.
    bool getAL();

    // From the equation pages.
    void ToolButton5Click() { andengradsRod(true); }  // "x1 : 0"
    void ToolButton6Click() { andengradsRod(false); } // "x2 : 0"
    void ToolButton3Click();                          // "x1 : y1"
    void ToolButton4Click();                          // "x2 : y2"
    // From the graph window.
    void ToolButton1Click(); // "0 : 0"
    void ToolButton2Click(); // "zX : zY"
    void ToolButton7Click(); // "x1 : y1"
    void ToolButton8Click(); // "x2 : y2"
    void centrerCheckClick(bool ticked) { centrerCheck = ticked; }
    void zoomSpmClick();

Q_SIGNALS:
    void aendret();
    void informationOenskes(const QString& emne); // a help topic of "Info.txt"

private:
    void andengradsRod(bool foerste);
    // Writes the point into the fields and sets the zoom centre; an empty
    // coordinate shows `mangler` instead and changes nothing.
    void tagPunkt(const QString& x, const QString& y, const QString& mangler);

    TGrafformModel& m_graf;
    Beskeder& m_beskeder;
    bool m_andengradsLoest = false; // the last parabola getAL solved has real roots
};
