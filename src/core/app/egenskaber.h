#pragma once
// The program settings dialog "Egenskaber": the memory size, the status-bar
// hints and the theme. The dialog's state lives here; "Gem" hands it to the
// frame (TMainformModel) and the memory, "Annuller" drops it, and "Test og
// gem" applies the chosen theme at once. The dialog keeps its position in
// "egenskaber.txt".
#include <QObject>
#include <QPoint>
#include <QStringList>

class Beskeder;
class THukommelse;
class TMainformModel;
class TOptionsFil;

class TEgenskabsModel : public QObject {
    Q_OBJECT
public:
    // The largest memory size the dialog hands on; the memory list is a menu.
    static constexpr int stoersteHukommelse = 1000;
    // The smallest: one column of the memory menu; a smaller size would leave
    // the memory list without entries and no choice shown in the dialog.
    static constexpr int mindsteHukommelse = 8;
    // The "Flere" item of the size group.
    static constexpr int flereIndeks = 4;

    TEgenskabsModel(TMainformModel& hoved, THukommelse& hukommelse, Beskeder& beskeder,
                    QObject* parent = nullptr);

    QString optFilnavn;
    // Position: top and left, or centred on the screen when there is no file.
    bool centreret = true;
    QPoint position; // x = left, y = top

    // What the dialog shows.
    QString antalEdit = QStringLiteral("16");
    bool antalEditAktiv = false;
    int eleGroup = 1; // 0..3: 8, 16, 24, 32; 4: "Flere"; -1: none
    bool showHintCheck = true;
    QStringList designBox;
    int designIndeks = -1;

    // Creation: the theme box from the frame, then the position.
    void FormCreate();
    void HentOpt();
    // The position (x = left, y = top) in the lines of "egenskaber.txt";
    // throws TFejl for a missing line or a line that is not a whole number.
    static QPoint laesPosition(const TOptionsFil& fil);
    void GemOpt() const;
    // Before the dialog shows: the theme in effect and the frame's settings.
    void Egenskaber1Click();
    void FormShow();
    void eleGroupClick(int indeks);
    void designBoxChange(int indeks);
    void testKnapClick();
    // "Gem": the settings go to the frame and the memory.
    void gemKnapClick();
    void FormClose();
    void flyttet(QPoint venstreTop);

    // The memory size a count typed under "Flere" gives: the nearest multiple
    // of 8 (halves to the even neighbour), kept within mindsteHukommelse..stoersteHukommelse.
    static int hukommelsesStoerrelse(qint64 antal);
    // The same for a size read from the options file at start-up: a whole
    // number of any length (one beyond 32 bits is simply too large or too
    // small); anything else throws TKonverteringsFejl.
    static int hukommelsesStoerrelse(const QString& heltal);

Q_SIGNALS:
    void aendret();

private:
    TMainformModel& m_hoved;
    THukommelse& m_hukommelse;
    Beskeder& m_beskeder;
};
