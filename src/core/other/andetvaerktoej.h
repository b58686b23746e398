#pragma once
// The other-functions modes of `tavlix-formel`: --convert (unit conversion),
// --base (number systems) and --datediff (dates). Each runs the page's own
// model the way a user would and prints what the page shows. The front end
// (vaerktoejsfront.h) has read and checked the values.
#include "core/formula/formelvaerktoej.h"

class TAndetVaerktoej {
public:
    using Resultat = TFormelVaerktoej::Resultat;
    // Exit code 0 with a result, 1 when a message stopped the run, 2 for a
    // unit or number system the page does not have.
    static Resultat konverter(const vaerktoej::Kald& k);
    static Resultat base(const vaerktoej::Kald& k);
    static Resultat datoforskel(const vaerktoej::Kald& k);
    // This subsystem's modes, for vaerktoej::tilfoejTilstande.
    static QList<vaerktoej::Tilstand> tilstande();
};
