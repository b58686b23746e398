// The text codec: any bytes decode; a decoded text encodes and decodes back
// to itself (a file the program writes reads back as the same text).
#include "core/common/tekstkodning.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString t = tekst::fraBytes(bytes);
    // A lone surrogate (only UTF-16 input can carry one) has no UTF-8 form.
    if (!t.isValidUtf16()) return 0;
    if (tekst::fraBytes(tekst::tilBytes(t)) != t) std::abort();
    return 0;
}
