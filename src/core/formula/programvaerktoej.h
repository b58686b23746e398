#pragma once
// `tavlix-formel --program FILE`: runs a formula program without a display,
// as the formula page's "Udfør" does, answering each of its prompts with the
// next `--input` value (typed on the calculator, then Enter). The program
// file is read as the page reads formula files.
#include "formula/formelvaerktoej.h"

class TProgramVaerktoej {
public:
    // True when the arguments ask for a program run.
    static bool gaelder(const QStringList& argumenter);
    // Exit status 0 when the program ended or stopped, 3 when it waited for a
    // value no `--input` gave, 2 for bad options, 1 when the file is unreadable.
    static TFormelVaerktoej::Resultat koer(const QStringList& argumenter);
    static QString brug();
};
