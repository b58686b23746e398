#pragma once
// `tavlix-formel --prime N`: runs the prime test window's model on N without a
// display and prints the lower information line and the divisors in the
// list's order, or everything as JSON.
#include "formula/formelvaerktoej.h"

#include <QStringList>

class TPrimtalVaerktoej {
public:
    // True when the arguments ask for the prime test.
    static bool erValgt(const QStringList& argumenter);
    // Exit code 0 when the test ran, 1 when the number was refused, 2 for bad options.
    static TFormelVaerktoej::Resultat koer(const QStringList& argumenter);
};
