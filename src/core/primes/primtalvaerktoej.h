#pragma once
// `tavlix-formel --prime N`: runs the prime test window's model on N without a
// display and prints the lower information line and the divisors in the
// list's order, or everything as JSON. The front end (vaerktoejsfront.h) has
// checked that N is a whole number.
#include "core/formula/formelvaerktoej.h"

class TPrimtalVaerktoej {
public:
    // Exit code 0 when the test ran, 1 when the window would not test the
    // number (an even number, or one below 3), with the reason.
    static TFormelVaerktoej::Resultat koer(const vaerktoej::Kald& k);
    // This subsystem's modes, for vaerktoej::tilfoejTilstande.
    static QList<vaerktoej::Tilstand> tilstande();
};
