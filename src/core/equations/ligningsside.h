#pragma once
// Equations and statistics: the quadratic page (TAndengrads), the page of two
// equations in two unknowns (TLigninger) and the statistics page (TStatistik)
// of the main window.
//
// How data flows: the views write what the user types into the models' box
// texts; every change re-reads the coefficients leniently (TAlmenX) and
// updates the status line. Solving writes the normalised coefficients back
// into the boxes, the results into the result boxes and a protocol into the
// calculation list (TMetaListe, only while the calculator's "Vis" is on).
// Results go into the calculator memory (THukommelse) through the "^"
// buttons, and equations go to the graph window through TGrafModtager. The
// graph window's import and export read and write the same public fields and
// box texts. Messages go through Beskeder; help topics and focus moves are
// signals that the views carry out.
#include <QObject>
#include <QString>

class Beskeder;
class TRegner;
class TMetaListe;
class THukommelse;

// What the three pages share: the calculator's list, memory and display, the
// messages, and the signals their views follow.
class TLigningsside : public QObject {
    Q_OBJECT
public:
    TLigningsside(Beskeder& beskeder, TRegner& regner, TMetaListe& meta, THukommelse& huk,
                  QObject* parent = nullptr);

    // The page's own key-down keys (Home, Ctrl+N, F9) while the page is
    // shown; true when the key acted.
    virtual bool FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) = 0;

Q_SIGNALS:
    void aendret();                                // re-read the page's state
    void fokusOenskes(const QString& kontrolNavn); // move the focus to that control
    void informationOenskes(const QString& emne);  // help topic in the browser

protected:
    // Tells the view once, when the outermost operation of the page ends.
    class Aendring {
    public:
        explicit Aendring(TLigningsside& side) : m_side(side) { ++m_side.m_dybde; }
        ~Aendring() {
            if (--m_side.m_dybde == 0) Q_EMIT m_side.aendret();
        }
        Aendring(const Aendring&) = delete;
        Aendring& operator=(const Aendring&) = delete;

    private:
        TLigningsside& m_side;
    };

    // Protocol lines are written only while the calculator lists ("Vis").
    bool disOn() const;
    void skriv(const QString& linje);
    // A separating empty line, as the calculator's DoDis writes it.
    void DoDis();
    void vaelgSidsteLinje();
    // Solving, checking and resetting clear the formula-program flag.
    void nulstilFormelOn();
    static bool erNyTast(int qtKey, Qt::KeyboardModifiers mods);

    Beskeder& m_beskeder;
    TRegner& m_regner;
    TMetaListe& m_meta;
    THukommelse& m_huk;

private:
    int m_dybde = 0;
};
