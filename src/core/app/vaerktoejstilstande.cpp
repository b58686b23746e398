#include "app/vaerktoejstilstande.h"

#include "equations/ligningvaerktoej.h"
#include "formula/vaerktoejsfront.h"
#include "other/andetvaerktoej.h"
#include "primes/primtalvaerktoej.h"

void vaerktoej::tilfoejAlleTilstande() {
    tilfoejTilstande(TLigningVaerktoej::tilstande());
    tilfoejTilstande(TAndetVaerktoej::tilstande());
    tilfoejTilstande(TPrimtalVaerktoej::tilstande());
}
