#pragma once
// The buttons of the two calculator keypads and of the display block they
// share: where each stands, its caption, hint, the key letter shown in the
// status bar and the help topic a right click opens. The views build the
// keypads from this table; TRegner::klik runs a button's handler by name.
#include <QList>
#include <QString>
#include <QStringList>

enum class TKnapSide {
    Regner, // the calculator page (rmPanel)
    Simpel, // the simple calculator page (rmPanelX)
    Display // the display block, moved between the two pages
};

enum class TKnapArt {
    Knap,        // push button
    DeltKnap,    // split button with a drop-down
    Afkrydsning, // check box
    Radio,       // radio button
    Etiket,      // label
    Visning,     // read-only text
    Valg,        // drop-down list
    Menupunkt    // item of a split button's drop-down (raekke/kolonne -1)
};

struct TKnap {
    QString navn; // control name, as TRegner::klik takes it
    TKnapSide side;
    int raekke;  // keypad row (1 = top); display block: 0 top line, 1 buttons
    int kolonne; // from the left, 0-based
    TKnapArt art;
    QString caption; // caption at design (Inv and Hyp change some: TRegner::caption)
    QString hint;
    QString tast; // key letter for the status bar, empty for none
    QString emne; // help topic for a right click, empty for none
};

class TKnaptabel {
public:
    static const QList<TKnap>& alle();
    static const TKnap* find(const QString& navn);
    // The entries of one page, row by row, left to right.
    static QList<TKnap> side(TKnapSide side);
    // Items of the decimals box, by item index.
    static QStringList decimalPunkter();
};
