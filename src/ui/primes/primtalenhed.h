#pragma once
// The prime test's wiring: its model, the "Primtal" button's request and the
// window, built the first time it is shown.
#include "core/primes/primtal.h"

#include <QObject>

class Beskeder;
class TMainformModel;
class TRegner;
class TprimtalForm;
class QWidget;

class TPrimtalEnhed : public QObject {
    Q_OBJECT
public:
    struct Behov {
        TMainformModel& ramme;
        TRegner& regner; // the shown value is the number tested
        Beskeder& beskeder;
        QWidget& hovedvindue; // owns the window
    };
    explicit TPrimtalEnhed(const Behov& behov);

    TPrimtalModel& primtal() { return m_primtal; }
    TprimtalForm& primtalform(); // built the first time it is asked for

private:
    QWidget& m_hovedvindue;
    TPrimtalModel m_primtal;
    TprimtalForm* m_primtalform = nullptr; // owned by the main window
};
