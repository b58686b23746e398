#pragma once
// Other functions: the window "Andre funktioner" with three tool pages, the
// number-system converter (TTalsystemside), the date calculator (TDatoside)
// and unit conversion (TEnhedsside). This model owns the three pages and
// keeps the window's own state: its place and height, the active page, the
// options file "andet.txt" and the hint line. The pages store values in the
// calculator memory, read the calculator's display and open help topics
// in the information browser.
#include "core/common/optionsfil.h"
#include "core/other/datoside.h"
#include "core/other/enhedsside.h"
#include "core/other/talsystemside.h"

#include <functional>
#include <QObject>
#include <QPoint>

class Beskeder;
class THjaelp;
class THukommelse;
class TRegner;
struct TProgramMapper;

class TAndetModel : public QObject {
    Q_OBJECT
public:
    enum Side { Talsystemer = 0, Datoer = 1, Enhedskonvertering = 2 };

    // `hjaelp` opens the help topics, `visHint` tells whether hints are
    // shown (the main window's "Vis knapinformation"), `mapper` gives the
    // data and options folders.
    TAndetModel(THjaelp& hjaelp, std::function<bool()> visHint, const TProgramMapper& mapper,
                THukommelse& hukommelse, TRegner& regner, Beskeder& beskeder,
                QObject* parent = nullptr);

    TTalsystemside talsystemer;
    TDatoside datoer;
    TEnhedsside enheder;

    QString optFilnavn;
    bool centrer = true;                // no options file: centred on the desktop
    QPoint vinduesPos{0, 0};            // left, top
    int hoejde = 0;                     // 0: the height of the window's design
    int aktivSide = Enhedskonvertering; // the active page of `bog`
    QString infoBar;                    // the hint line

    static QStringList sideNavne();

    // Runs at start-up: the options, the today captions and calendars.
    void FormCreate();
    void hentOpt();
    // Applies the lines of "andet.txt" in order; a missing or bad line throws
    // and leaves the lines before it applied.
    void anvendOpt(const TOptionsFil& fil);
    // The lines gemOpt writes.
    TOptionsSkriver optLinjer() const;
    void gemOpt() const;

    void bogChange(int side);
    void flyttet(QPoint pos) {
        vinduesPos = pos;
        centrer = false;
    }
    void hoejdeAendret(int h) { hoejde = h; }
    // A typed character; true when a page used it.
    bool FormKeyPress(QChar c);
    // The hint of the control under the mouse, shown while hints are on.
    void showHint(const QString& hint);

Q_SIGNALS:
    void aendret();

private:
    THjaelp& m_hjaelp;
    std::function<bool()> m_visHint;
    Beskeder& m_beskeder;
};
