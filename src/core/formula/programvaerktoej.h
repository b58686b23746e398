#pragma once
// `tavlix-formel --program FILE`: runs a formula program without a display,
// as the formula page's "Udfør" does, answering each of its prompts with the
// next `--input` value (typed on the calculator, then Enter). The program
// file is read as the page reads formula files.
#include "core/formula/formelvaerktoej.h"

class TProgramVaerktoej {
public:
    // Exit code 0 when the program ended, 1 when a message stopped it or the
    // file is unreadable, 3 when it waited for a value no `--input` gave.
    static TFormelVaerktoej::Resultat koer(const vaerktoej::Kald& k);
};
