#include "core/app/vaerktoejstilstande.h"

#include "core/equations/ligningvaerktoej.h"
#include "core/formula/vaerktoejsfront.h"
#include "core/other/andetvaerktoej.h"
#include "core/primes/primtalvaerktoej.h"

void vaerktoej::tilfoejAlleTilstande() {
    tilfoejTilstande(TLigningVaerktoej::tilstande());
    tilfoejTilstande(TAndetVaerktoej::tilstande());
    tilfoejTilstande(TPrimtalVaerktoej::tilstande());
}
