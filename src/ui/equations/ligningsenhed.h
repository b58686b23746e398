#pragma once
// The equation pages' wiring: the quadratic, two-equation and statistics
// models, and their panels in the main window.
#include "core/equations/andengrads.h"
#include "core/equations/ligninger.h"
#include "core/equations/statistik.h"

class Beskeder;
class THukommelse;
class TMainformModel;
class TMetaListe;
class Tmainform;
class TRegner;

class TLigningsEnhed {
public:
    struct Behov {
        Tmainform& vindue;
        TMainformModel& ramme;
        TRegner& regner;
        TMetaListe& meta;
        THukommelse& hukommelse;
        Beskeder& beskeder;
    };
    explicit TLigningsEnhed(const Behov& behov);

    TAndengrads& andengrads() { return m_andengrads; }
    TLigninger& ligninger() { return m_ligninger; }
    TStatistik& statistik() { return m_statistik; }

private:
    TAndengrads m_andengrads;
    TLigninger m_ligninger;
    TStatistik m_statistik;
};
