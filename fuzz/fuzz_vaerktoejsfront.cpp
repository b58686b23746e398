// The front end of tavlix-formel: the input is a --batch stream, one task per
// line (formula text or a mode with arguments, split as the batch splits
// them), read, checked and run through every mode. Tasks that would start the
// date helper or read a file are left out: they reach outside the process.
// Any crash, sanitizer report or hang is a finding; refusals are not.
#include "core/app/vaerktoejstilstande.h"
#include "core/formula/vaerktoejsfront.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 2000) return 0;
    static const bool tilstande = (vaerktoej::tilfoejAlleTilstande(), true);
    (void)tilstande;
    const QByteArray ind(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (ind.contains("--datediff") || ind.contains("--program")) return 0;
    QBuffer b;
    b.setData(ind);
    b.open(QIODevice::ReadOnly);
    // The first line's options hold for every task, as on the command line.
    const QStringList faelles = vaerktoej::delLinje(QString::fromUtf8(ind.left(ind.indexOf('\n'))));
    if (faelles.join(u' ').contains(QStringLiteral("--datediff")) ||
        faelles.join(u' ').contains(QStringLiteral("--program")))
        return 0;
    vaerktoej::batch(b, faelles.mid(0, 4), [](const QString&) { return true; });
    return 0;
}
