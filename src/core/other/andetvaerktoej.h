#pragma once
// The other-functions modes of `tavlix-formel`: --convert (unit conversion),
// --base (number systems) and --datediff (dates). Each runs the page's own
// model the way a user would and prints what the page shows.
#include "formula/formelvaerktoej.h"

#include <optional>

class TAndetVaerktoej {
public:
    // Null when none of the three modes is asked for.
    static std::optional<TFormelVaerktoej::Resultat> koer(const QStringList& argumenter);
    static QString brug();
};
