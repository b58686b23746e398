#pragma once
// The equation and statistics modes of `tavlix-formel`: each runs its page's
// model as a user would (types into the boxes, presses the buttons) and
// prints what the page shows.
//   --quadratic A B C                    "Løs" on the quadratic page
//   --equations F1 A1 B1 C1 F2 A2 B2 C2  "Løs" on the two-equations page (F: + * /)
//   --statistics [--squares] [--population] V...
// With --json the output is one JSON object.
#include "formula/formelvaerktoej.h"

#include <QStringList>

class TLigningVaerktoej {
public:
    using Resultat = TFormelVaerktoej::Resultat;

    // Whether the arguments ask for one of these modes (the mode option
    // stands before any "--").
    static bool erTilstand(const QStringList& argumenter);
    static Resultat koer(const QStringList& argumenter);
    static QString brug();
};
