#pragma once
// The other-functions window's wiring: its model with the options it writes
// when the program ends, and the window.
#include "core/other/andetmodel.h"

class Beskeder;
class THjaelp;
class THukommelse;
class TMainformModel;
class TRegner;
class Tandetform;
class QWidget;

class TAndetEnhed {
public:
    struct Behov {
        TMainformModel& ramme;
        THjaelp& hjaelp;
        THukommelse& hukommelse;
        TRegner& regner;
        Beskeder& beskeder;
        QWidget& hovedvindue; // owns the window
    };
    explicit TAndetEnhed(const Behov& behov);

    TAndetModel& andet() { return m_andet; }
    Tandetform& andetform() { return *m_andetform; }
    void lukVinduer();

private:
    TAndetModel m_andet;               // outlives the window that shows it
    Tandetform* m_andetform = nullptr; // owned by the main window
};
