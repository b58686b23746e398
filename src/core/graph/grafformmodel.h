#pragma once
// The graph window: the canvas `Graf`, the list of equations drawn (with its
// check marks and the two choice lists for solving kept row for row with the
// canvas's curves), the entry of new equations, the axis and zoom controls,
// the mouse on the canvas, the keys, and the options file "grafer.txt".
//
// Other windows send curves here through TGrafModtager. A curve reaches the
// lists only through the canvas's OnNyGraf event, and its coefficients reach
// the input boxes (or the cubic dialog's boxes) through OnTegnGraf, so every
// road that adds a curve keeps the lists aligned.
//
// The view shows the fields below and forwards every event to the handler of
// the same name. Intersections, import, export and the dialogs of the menu
// are operations of this model that the graph tools complete.
#include "core/graph/funktioner.h"
#include "core/graph/grafmodtager.h"
#include "core/graph/grafoptioner.h"

#include <functional>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QStringList>

class Beskeder;
class TForm3Model;
class THukommelse;
class TLigningssider;

// One row of the equation list.
struct TFormelRaekke {
    QString tekst;
    bool afkrydset = true; // ticked = the curve is shown
    bool valgt = false;    // selected
};

class TGrafformModel : public QObject, public TGrafModtager {
    Q_OBJECT
public:
    // The dialogs and setups the window asks for: the cubic equation, the
    // colours, the zoom centre, printing and the printer's setup.
    enum class Dialog { Tredjegrads, Farver, Zoomcenter, Udskriv, Printeropsaetning };
    Q_ENUM(Dialog)

    // `optDir` is the options folder (ends in a separator).
    TGrafformModel(const QString& optDir, Beskeder& beskeder, QObject* parent = nullptr);

    TFunktioner Graf;

    // Window state.
    qint32 cX = 0, cY = 0; // canvas size at the last resize
    QChar opr1, opr2;      // the two equations of the last solve
    double a1 = 0, b1 = 0, c1 = 0, a2 = 0, b2 = 0, c2 = 0;
    QString optfilnavn;
    bool UdskrivValues = true;
    qint32 farveItemIndex = 18;
    qint32 linieItemIndex = 7;
    qint32 kurveItemIndex = 0;
    // The window's place and size (top left and client size).
    QPoint vinduesPos{0, 0};
    QSize vinduesStoerrelse{784, 624};
    static constexpr int minBredde = 743;
    static constexpr int minHoejde = 624;
    static constexpr int minVenstrePanel = 249;

    // What the controls show. The equation list and the two choice lists
    // follow the canvas's curves row for row; only the canvas's events and
    // the handlers below change them.
    const QList<TFormelRaekke>& formelBox() const { return m_formelBox; }
    const QStringList& L1Box() const { return m_L1Box; }
    const QStringList& L2Box() const { return m_L2Box; }
    int L1Index() const { return m_L1Index; } // -1: none chosen
    int L2Index() const { return m_L2Index; }
    QString aEdit, bEdit, cEdit;
    int ligBox = 0; // equation type: 0 "+", 1 "/", 2 "*", 3 "a"
    QString ligningX1, ligningY1, ligningX2, ligningY2;
    QString yAkseEdit, xAkseEdit, pixelEdit, enhederEdit;
    QString zoomSpringEdit = QStringLiteral("1");
    QString posLabel = QStringLiteral("0.00 : 0.00");
    QString zPosLabel = QStringLiteral("0.00 : 0.00");
    bool zoomCenterBox = false;
    bool visKoordinatsystem = true;
    bool visEnhedsMarks = true;
    bool visEnhedskvadrater = true;
    QString statusTekst; // the status bar's hint

    static QStringList ligningstyper();
    static QChar typeTilOpr(int item);
    static int oprTilType(QChar opr); // -1 for the cubic
    // The colour table; any other index gives black.
    static TFarve getFarver(qint32 fIndex);

    // The cubic dialog, whose boxes receive a drawn cubic's coefficients.
    void setForm3(TForm3Model* f) { m_form3 = f; }
    // The equation pages, for import, export and the zoom-centre dialog
    // (null: none).
    void setLigningssider(TLigningssider* sider) { m_sider = sider; }
    TLigningssider* ligningssider() const { return m_sider; }
    // The main window's hint switch.
    void setHintKilde(std::function<bool()> f) { m_doShowHint = std::move(f); }

    // Creation: reads the options (or takes the defaults) and applies them.
    // `skrivebord` is the desktop's size, for centring. A bad options file
    // throws after the settings read so far are applied.
    void FormCreate(QSize skrivebord);
    void hentOpt(QSize skrivebord);
    void gemOpt() const;
    void defaultOpt();
    void realiserOpt();
    TGrafOptioner optioner() const;

    // TGrafModtager.
    void AddFormelToGraf(QChar aOperator, double a, double b, double c) override;
    void visGrafvindue() override { Q_EMIT visOenskes(); }

    // Entering and removing equations.
    void InsertKnapClick();
    void NewKnapClick();
    void aEditEnter() { Q_EMIT fokusOenskes(QStringLiteral("bEdit")); }
    void bEditEnter() { Q_EMIT fokusOenskes(QStringLiteral("cEdit")); }
    void cEditEnter() { InsertKnapClick(); }
    void formelBoxClick();
    void formelBoxMarkering(const QList<int>& valgte); // the selected rows
    void formelBoxAfkrydset(int raekke, bool afkrydset);
    void delSelKnapClick();
    void delAllKnapClick();
    void fjernAllKnapClick();

    // Axes, scale and grid.
    void yAkseEditEnter();
    void xAkseEditEnter();
    void yAksePlusClick() { flytOrigo(10, 0); }
    void yAkseMinusClick() { flytOrigo(-10, 0); }
    void xAksePlusClick() { flytOrigo(0, 10); }
    void xAkseMinusClick() { flytOrigo(0, -10); }
    void pixelEditEnter();
    void pixelPlusClick() { saetPixelEnhed(qint64(Graf.PixelEnhed()) + 1); }
    void pixelMinusClick() { saetPixelEnhed(qint64(Graf.PixelEnhed()) - 1); }
    void enhederEditEnter();
    void enhederPlusClick() { saetMarkEnhed(qint64(Graf.MarkEnhed()) + 1); }
    void enhederMinusClick() { saetMarkEnhed(qint64(Graf.MarkEnhed()) - 1); }
    void visKoordinatsystemClick(bool ticked);
    void visEnhedsMarksClick(bool ticked);
    void visEnhedskvadraterClick(bool ticked);
    void centrerXYakseKnapClick();
    void Kvadrant1Click();
    void Kvadrant2Click();
    void Kvadrant3Click();
    void Kvadrant4Click();

    // Zoom.
    void zoomSpringEditChange(const QString& tekst);
    void zoomPlusKnapClick() { zoomTrin(1); }
    void zoomMinusKnapClick() { zoomTrin(-1); }
    void zoomCenterBoxClick(bool ticked);
    // Puts the zoom centre on (x, y), with `centrer` also moving the view so
    // that the point lies in the middle; "Zoom pos" and the axis boxes follow.
    void saetZoomCentrum(double x, double y, bool centrer);

    // The canvas.
    void GrafMouseMove(qint32 x, qint32 y);
    void GrafMouseDown(Qt::MouseButton knap, qint32 x, qint32 y);
    // Repaints the canvas onto `l`; the first repaint centres the origin, and
    // the axis boxes then show where it went.
    void GrafPaint(TLaerred& l);
    // The canvas got a new size (`bredde` × `hoejde`).
    void FormResize(qint32 bredde, qint32 hoejde);

    // Keys; true when the key was used. While a box the user types text into
    // has the focus (`tekstboksFokus`), Home is the box's; Ctrl+N is "Ny".
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers mods);
    bool tekstboksFokus = false;
    void showHint(const QString& hint);
    void InformationClick() { Q_EMIT informationOenskes(QStringLiteral("Grafer og ligninger")); }
    void Tredjegradsligning1Click() { Q_EMIT dialogOenskes(Dialog::Tredjegrads); }
    void FormClose() { Q_EMIT lukkes(); }

    // Completed with the graph tools: solving two equations, the choice lists,
    // import, export and the menu's dialogs.
    void BeregnKnapClick();
    // The "^" beside each result: its value into the calculator memory,
    // labelled with where it came from; nothing for an empty field.
    void setHukommelse(THukommelse* huk) { m_huk = huk; }
    void ligningerX1sendClick() { sendTilHukommelse(ligningX1, QStringLiteral("x1")); }
    void ligningerY1sendClick() { sendTilHukommelse(ligningY1, QStringLiteral("y1")); }
    void ligningerX2sendClick() { sendTilHukommelse(ligningX2, QStringLiteral("x2")); }
    void ligningerY2sendClick() { sendTilHukommelse(ligningY2, QStringLiteral("y2")); }
    void LigningsRes();
    void L1BoxChange(int index);
    void L2BoxChange(int index);
    void ImporterAL();
    void ImporterLigninger();
    void MExportClick();
    void EgenskaberClick();
    void zoomBoksKnapClick();
    void PrinterSetupClick();
    void MPrintClick();
    // "Gem som billede...": asks for a file name and saves the canvas's
    // picture through the saver set here (PNG, SVG or PDF by the ending).
    void GemSomBilledeClick();
    void setBilledGemmer(std::function<void(const QString& fil)> f) { m_gemBillede = std::move(f); }
    // The folder "Gem som billede" opens in: the data folder until a picture
    // has been saved, then the folder of the last one.
    void setBilledMappe(const QString& mappe) { m_billedMappe = mappe; }

Q_SIGNALS:
    void aendret();                            // fields shown by the view changed
    void visOenskes();                         // show the window
    void fokusOenskes(const QString& kontrol); // move the focus to that control
    void dialogOenskes(TGrafformModel::Dialog dialog);
    void informationOenskes(const QString& emne);
    void lukkes();         // the window closes: its dialogs close too
    void grafStoerrelse(); // the canvas was resized

private:
    void grafNyGraf(const QString& Formel, bool visible, bool newGraf, int Index);
    void grafTegnGraf(const QString& Formel, QChar Operator, double a, double b, double c,
                      double d);
    void grafZoom(const QString& PenhedStr, const QString& XprocentStr, const QString& YprocentStr);
    void visAkser();
    void flytOrigo(qint64 dx, qint64 dy);
    void flytTil(qint64 x, qint64 y);
    void saetPixelEnhed(qint64 v);
    void saetMarkEnhed(qint64 v);
    void zoomTrin(int fortegn);
    void anvend(const TGrafOptioner& o);
    void valgAendret(int& valg, int index);
    void anvendGraf(const TGrafOptioner& o); // all but the window's place and size

    QList<TFormelRaekke> m_formelBox;
    QStringList m_L1Box, m_L2Box;
    int m_L1Index = -1, m_L2Index = -1;
    Beskeder& m_beskeder;
    TForm3Model* m_form3 = nullptr;
    THukommelse* m_huk = nullptr;
    void sendTilHukommelse(const QString& felt, const QString& navn);
    TLigningssider* m_sider = nullptr;
    std::function<bool()> m_doShowHint;
    std::function<void(const QString&)> m_gemBillede;
    QString m_billedMappe;
};
