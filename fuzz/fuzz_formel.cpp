// The formula evaluator: the input is replayed as the expression window's
// "Beregn" does, then typed key by key (with "Tilbage" as Backspace), and
// the task's own recording is replayed as "Tilbage" does. Any crash, sanitizer
// report or hang is a finding; errors the engine reports are not.
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Long inputs only make each run slower, not deeper.
    if (size > 2000) return 0;
    // The first byte picks settings: angle mode, decimals, list form.
    const uint8_t valg = size > 0 ? data[0] : 0;
    const QString tekst =
        QString::fromLatin1(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0),
                            static_cast<qsizetype>(size > 0 ? size - 1 : 0));

    TavseBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner(beskeder, meta, huk);
    switch (valg % 3) {
    case 1:
        regner.gradRadianerClick();
        break;
    case 2:
        regner.gradNygraderClick();
        break;
    default:
        break;
    }
    regner.disDecimalerChange((valg / 3) % 6);
    regner.metaIndUdClick((valg & 0x40) != 0);

    try {
        regner.beregnFormeltekst(tekst);
    } catch (const TFejl&) {
    }
    regner.disNyClick();
    for (const QChar c : tekst) {
        try {
            regner.FormKeyPress(c);
        } catch (const TFejl&) {
        }
    }
    try {
        regner.BackTalExecute();
        regner.genafspilOptagelse(regner.formelString());
    } catch (const TFejl&) {
    }
    return 0;
}
