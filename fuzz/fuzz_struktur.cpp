// Structure tree files from arbitrary bytes: reading never crashes, and a
// tree that was read writes out text that reads back to the same tree.
#include "common/tekstkodning.h"
#include "info/struktur.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString tekst =
        tekst::fraBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    TNodeListe noder;
    if (!TStruktur::laesTrae(tekst, noder)) return 0;
    const QString skrevet = TStruktur::skrivTrae(noder);
    TNodeListe igen;
    if (!TStruktur::laesTrae(skrevet, igen) || TStruktur::skrivTrae(igen) != skrevet) std::abort();
    return 0;
}
