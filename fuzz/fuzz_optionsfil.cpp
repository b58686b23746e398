// The options-file reader: any bytes parse into lines; every line is read
// strictly and leniently; writing the lines and reading them back gives the
// same lines (a value never moves another line).
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/tekstkodning.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Read from a file, the same bytes give the same lines, or (over the size
// bound) the usual error and nothing else.
void somFil(const QByteArray& bytes, const TOptionsFil& fil) {
    static QTemporaryDir dir;
    const QString sti = dir.filePath(QStringLiteral("opt.txt"));
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
    f.close();
    try {
        if (TOptionsFil::laes(sti).linjer() != fil.linjer()) std::abort();
        if (bytes.size() > TOptionsFil::maksStoerrelse) std::abort();
    } catch (const TFilFejl&) {
        if (bytes.size() <= TOptionsFil::maksStoerrelse) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TOptionsFil fil = TOptionsFil::fraTekst(tekst::fraBytes(bytes));
    somFil(bytes, fil);
    for (int n = 1; n <= fil.antal() + 1; ++n) {
        try {
            fil.heltal(n);
        } catch (const TFejl&) {
        }
        try {
            fil.tal(n);
        } catch (const TFejl&) {
        }
        fil.heltal(n, 0);
        fil.flag(n, false);
    }
    // A message quotes every value short.
    if (fil.fejlTekst().size() > 200 * (fil.antal() + 2)) std::abort();

    // A lone surrogate (only UTF-16 input can carry one) has no UTF-8 form.
    if (!tekst::fraBytes(bytes).isValidUtf16()) return 0;
    TOptionsSkriver s;
    for (const QString& l : fil.linjer())
        s.tekst(l);
    const TOptionsFil igen = TOptionsFil::fraTekst(tekst::fraBytes(tekst::tilBytes(s.indhold())));
    if (igen.antal() != fil.antal()) std::abort();
    for (int n = 1; n <= fil.antal(); ++n) {
        // Line breaks inside a value were written as blanks; nothing else changes.
        QString forventet = fil.tekst(n);
        forventet.replace(u'\r', u' ').replace(u'\n', u' ');
        if (igen.tekst(n) != forventet) std::abort();
    }
    return 0;
}
