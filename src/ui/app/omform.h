#pragma once
// The About box "Om Tavlix": the program's name, its versions, the links to
// the home page and the feedback page, and what is new. A fixed dialog,
// centred on the main window, built the first time it is shown.
#include <QDialog>

class TMainformModel;

class TomForm : public QDialog {
    Q_OBJECT
public:
    TomForm(TMainformModel& hoved, QWidget* parent);
    // Shows the box modally, centred on the main window.
    void vis();
};
