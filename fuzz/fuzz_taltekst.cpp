// The number readers: the strict reader (tal::laes, tal::laesHeltal) and the
// lenient ones (TAlmenX). A number read and written in the general format
// reads back to a text that writes the same (below 1E308); a text without an exponent and
// without "INF" never reads as infinity unless its integer part is too long.
#include "core/common/almenx.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString tekst =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const double v = tal::laes(tekst);
        const QString g = tal::generel(v);
        // (The largest doubles round up past the range at 15 digits.)
        if (std::fabs(v) < 1e308 && tal::generel(tal::laes(g)) != g) std::abort();
        tal::fast(v, static_cast<int>(size % 8));
        // A plain decimal below one is never infinite.
        const QString t = tekst.trimmed();
        if (std::isinf(v) && !t.contains(u'E') && !t.contains(u'e') && !t.contains(u'I') &&
            (t.startsWith(QLatin1String("0,")) || t.startsWith(QLatin1String("-0,")) ||
             t.startsWith(QLatin1String("+0,"))))
            std::abort();
    } catch (const TKonverteringsFejl& f) {
        // The message quotes the text short.
        if (f.tekst().size() > 100) std::abort();
    }
    try {
        tal::laesHeltal(tekst);
    } catch (const TKonverteringsFejl&) {
    }
    try {
        TAlmenX::EditFloat(tekst);
        TAlmenX::EditInteger(tekst);
        TAlmenX::EditPosInteger(tekst);
    } catch (const TFejl&) {
    }
    return 0;
}
