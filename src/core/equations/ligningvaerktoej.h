#pragma once
// The equation and statistics modes of `tavlix-formel`: each runs its page's
// model as a user would (types into the boxes, presses the buttons) and
// prints what the page shows.
//   --quadratic A B C                    "Løs" on the quadratic page
//   --equations F1 A1 B1 C1 F2 A2 B2 C2  "Løs" on the two-equations page (F: + * /)
//   --statistics [--squares] [--population] V...
// The front end (vaerktoejsfront.h) has read and checked the values.
#include "core/formula/formelvaerktoej.h"

class TLigningVaerktoej {
public:
    using Resultat = TFormelVaerktoej::Resultat;

    // Exit code 0 with a solution list, 1 when the page gave a message or
    // no list (its status says why).
    static Resultat andengrads(const vaerktoej::Kald& k);
    static Resultat ligninger(const vaerktoej::Kald& k);
    // Exit code 1 when a calculation gave "Ingen beregning!".
    static Resultat statistik(const vaerktoej::Kald& k);
    // This subsystem's modes, for vaerktoej::tilfoejTilstande.
    static QList<vaerktoej::Tilstand> tilstande();
};
