#pragma once
// The settings dialog's and the About box's wiring: the settings model,
// read before the main window is made, and both dialogs, built the first
// time they are shown.
#include "core/app/egenskaber.h"

#include <functional>

class Beskeder;
class TMainformModel;
class THukommelse;
class Tegenskabsform;
class TomForm;
class QWidget;

class TEgenskabsEnhed {
public:
    struct Behov {
        TMainformModel& ramme;
        THukommelse& hukommelse;
        Beskeder& beskeder;
        std::function<QWidget*()> hovedvindue; // owns the dialogs; made after this unit
    };
    // Reads the settings' options.
    explicit TEgenskabsEnhed(const Behov& behov);

    TEgenskabsModel& egenskaber() { return m_egenskaber; }
    Tegenskabsform& egenskabsform(); // built the first time it is asked for
    TomForm& omform();               // built the first time it is asked for
    // Closes the About box (the settings dialog is modal).
    void lukVinduer();

private:
    TMainformModel& m_ramme;
    std::function<QWidget*()> m_hovedvindue;
    TEgenskabsModel m_egenskaber;
    Tegenskabsform* m_egenskabsform = nullptr; // owned by the main window
    TomForm* m_omform = nullptr;               // owned by the main window
};
