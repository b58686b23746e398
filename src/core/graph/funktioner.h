#pragma once
// The graph canvas: a Cartesian coordinate system with a list of curves.
//
// TFunktioner owns the curves, the mapping between the plane and the pixels
// of the control, and all drawing. It draws only through TLaerred, so it runs
// and is tested without a window: the graph window's view hands it a painter
// surface in its paint event, the command-line tool a picture, the tests a
// recording surface.
//
// Two ways of drawing exist side by side. NyGraf/NyGraf3 draw the one new
// curve at once onto the surface set with setLaerred (without one, they ask
// for a repaint); every other change asks for a repaint (Invalidate), which
// draws everything again from the state: background, grid, axes, tick marks,
// zoom-centre marker, then every visible curve in list order.
//
// All pixel arithmetic is done in double or 64 bits: a point that lies far
// outside the picture is cut at a wide margin around it, a point that is not
// a number is skipped, and a zoom or centring whose result does not fit a
// 32-bit pixel position is refused.
#include "core/graph/laerred.h"
#include "core/graph/linier.h"

#include <QList>
#include <QObject>
#include <QString>

class TTegner;

class TFunktioner : public QObject {
    Q_OBJECT
public:
    explicit TFunktioner(QObject* parent = nullptr);

    // Size and background of the control (set by whoever shows it).
    qint32 Width() const { return m_width; }
    qint32 Height() const { return m_height; }
    void setStoerrelse(qint32 bredde, qint32 hoejde);
    TFarve Color() const { return m_color; }
    void setColor(TFarve f);

    // Properties. Writes repaint as described at each setter.
    qint32 CenterX() const { return FCenterX; }
    qint32 CenterY() const { return FCenterY; }
    void setCenterX(qint32 v); // repaint if changed
    void setCenterY(qint32 v);
    double ZoomX() const { return FZoomX; }
    double ZoomY() const { return FZoomY; }
    void setZoomX(double v) { FZoomX = v; } // store only
    void setZoomY(double v) { FZoomY = v; }
    qint32 ZoomVal() const { return FZoomVal; }
    void setZoomVal(qint32 v) { FZoomVal = v; }
    TFarve ColorKS() const { return FColorKS; }
    void setColorKS(TFarve f);
    TFarve ColorLinie() const { return FColorLinie; }
    void setColorLinie(TFarve f) { FColorLinie = f; }
    qint32 PixelEnhed() const { return FPixelEnhed; }
    void setPixelEnhed(qint32 v); // below 1 becomes 1
    qint32 MarkEnhed() const { return FMarkEnhed; }
    void setMarkEnhed(qint32 v); // below 1 becomes 1
    qint32 MarkHojde() const { return FMarkHojde; }
    void setMarkHojde(qint32 v); // below 0 becomes 0
    bool Koordinatsystem() const { return FKoordinatsystem; }
    void setKoordinatsystem(bool v);
    bool MedFelter() const { return FMedFelter; }
    void setMedFelter(bool v);
    bool MedZoomCenter() const { return FMedZoomCenter; }
    void setMedZoomCenter(bool v);

    const QList<TLinier>& Lin() const { return m_lin; }
    qint32 Antal() const { return qint32(m_lin.size()); }
    bool Opstart() const { return m_opstart; }

    // Transforms between pixels and the plane. The plane-to-pixel direction
    // rounds halves to even and gives a double, which may lie outside the
    // 32-bit range or be not-a-number for points that are.
    double CompToKsX(qint64 i) const;
    double CompToKsY(qint64 j) const;
    double KsToCompX(double x) const;
    double KsToCompY(double y) const;

    // Operations.
    QString NyGraf(double a, double b, double c, QChar Operator, bool Vis);
    QString NyGraf3(double a, double b, double c, double d, bool Vis);
    void Clear(bool medGrafer);
    void RegulerGraf(int Index, bool DeleteGraf, bool Vis);
    bool GetValues(int Index, QChar& opr, double& a, double& b, double& c) const;
    void FlytFocus(qint32 fX, qint32 fY);
    void Zoom();
    void SetZoomcenter(qint32 zX, qint32 zY);
    QString MakeZoomCentrum(double fX, double fY, bool centrer);
    QString GetXY(qint32 fX, qint32 fY) const;
    QString GetZoomXY() const;

    // A complete repaint onto `l` (the first one centres the origin).
    void Paint(TLaerred& l);
    // Draws curve `index` onto `l` if it is visible.
    void TegnGrafen(TLaerred& l, int index) const;
    // The surface NyGraf/NyGraf3 draw onto at once; null asks for a repaint.
    void setLaerred(TLaerred* l) { m_laerred = l; }

    // "x : y" with two decimals and a full stop, whatever the locale.
    static QString koordinatTekst(double x, double y);
    // The text form of a curve as shown in the graph window's list.
    static QString formelTekst(QChar opr, double a, double b, double c, double d = 0);
    // The grid colour for a background: each channel +30 below 220, else -30.
    static TFarve feltFarve(TFarve baggrund);

Q_SIGNALS:
    void OnNyGraf(const QString& Formel, bool visible, bool newGraf, int Index);
    void OnTegnGraf(const QString& Formel, QChar Operator, double a, double b, double c, double d);
    void OnZoom(const QString& PenhedStr, const QString& XprocentStr, const QString& YprocentStr);
    // A complete repaint is wanted.
    void Invalidate();

private:
    QString tilfoej(const TLinier& ny, bool Vis, bool medD);
    void tegnKoordinatsystem(TTegner& t) const;
    void TegnMarkLinier(TTegner& t) const;
    void TegnFeltLinier(TTegner& t) const;
    void MakeZoomCenter(TTegner& t) const;

    qint32 m_width = 400;
    qint32 m_height = 400;
    TFarve m_color = 0;
    qint32 FCenterX = 0;
    qint32 FCenterY = 0;
    double FZoomX = 0;
    double FZoomY = 0;
    qint32 FZoomVal = 1;
    TFarve FColorKS = farve::rgb(255, 255, 255);
    TFarve FColorLinie = farve::rgb(255, 255, 0);
    qint32 FPixelEnhed = 20;
    qint32 FMarkEnhed = 1;
    qint32 FMarkHojde = 5;
    bool FKoordinatsystem = true;
    bool FMedFelter = false;
    bool FMedZoomCenter = false;
    bool m_opstart = true;
    QList<TLinier> m_lin;
    TLaerred* m_laerred = nullptr;
};
