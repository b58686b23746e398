#pragma once
// The place of a small dialog of the graph window, kept in its own options
// file: line 1 the dialog's top, line 2 its left. Without the file the
// dialog is centred on the desktop. The zoom-centre and colour dialogs use it.
#include "core/common/optionsfil.h"

#include <QtGlobal>

class Beskeder;

struct TDialogPlads {
    bool centrer = true; // no place read: centre on the desktop
    qint32 top = 0;
    qint32 left = 0;
};

// Reads the two lines; a missing or bad line throws (TIndeksFejl,
// TKonverteringsFejl) and leaves `plads` as it was.
void laesDialogPlads(const TOptionsFil& fil, TDialogPlads& plads);
TOptionsSkriver skrivDialogPlads(const TDialogPlads& plads);

// The options file of one dialog and the place it holds.
class TDialogPladsFil {
public:
    // `optDir` ends in a separator; `navn` is the file's name.
    TDialogPladsFil(const QString& optDir, const QString& navn);

    QString optfilnavn;
    TDialogPlads plads;

    // Reads the file if it exists; a bad file is reported through `beskeder`
    // and the dialog is then centred.
    void hentOpt(Beskeder& beskeder);
    // Writes the file (TFilFejl when it cannot be written); nothing while the
    // dialog has no place of its own yet.
    void gemOpt() const;
};
