#pragma once
// The formula page's wiring: the program model, its panel in the main
// window, its keys, the list panel's "[G]" and the page button's caption.
#include "core/formula/formelprogram.h"

#include <QObject>

class Beskeder;
class TMainformModel;
class TMetaListe;
class Tmainform;
class TRegner;

class TFormelEnhed : public QObject {
    Q_OBJECT
public:
    struct Behov {
        TRegner& regner;
        TMetaListe& meta;
        Beskeder& beskeder;
        TMainformModel& ramme;
    };
    // Reads the list of formula files, which the frame's options may show.
    explicit TFormelEnhed(const Behov& behov);
    // Puts the page in place of the main window's placeholder.
    void indsaet(Tmainform& vindue);

    TFormelProgram& formelprogram() { return m_formel; }

private:
    Behov m_behov;
    TFormelProgram m_formel;
};
