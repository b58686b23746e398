// Fuzz target: the settings dialog's options file "egenskaber.txt" (the
// dialog's top and left), read from arbitrary bytes as the dialog reads it.
#include "core/app/egenskaber.h"
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/tekstkodning.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString tekst = tekst::fraBytes(bytes);
    static const QRegularExpression linjeskift(QStringLiteral("\r\n|\r|\n"));
    QStringList linjer = tekst.split(linjeskift);
    if (!linjer.isEmpty() && linjer.last().isEmpty()) linjer.removeLast();
    try {
        (void)TEgenskabsModel::laesPosition(TOptionsFil(linjer));
    } catch (const TFejl&) {
        // A short file or a line that is not a whole number is reported to the user.
    }
    return 0;
}
