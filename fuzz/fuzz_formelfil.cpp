// Fuzz target: formula files. Reads any bytes as the formula page reads a
// file, normalises and reads the program, and runs it, answering every
// prompt with a value, so the reader, the references and the run itself meet
// arbitrary input. A run must end or wait; nothing may crash or hang.
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/formula/formelprogram.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList linjer = formelfil::fraBytes(bytes);
    QStringList kopi = linjer;
    formelfil::normaliser(kopi);
    (void)formelfil::laes(kopi);

    TavseBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner(beskeder, meta, huk);
    TFormelProgram program(regner, meta, beskeder, QString());
    program.setFormelMemoTekst(linjer.join(u'\n'));
    try {
        program.formelBeregnClick();
        // A program has at most one prompt per label line.
        for (qsizetype i = 0; i <= linjer.size() && regner.PformelOn(); ++i) {
            regner.FormKeyPress(QChar(u'0' + static_cast<char16_t>(i % 10)));
            regner.FormKeyPress(QChar(13));
        }
    } catch (const TFejl&) {
        // Shown to the user as an error box; the program goes on.
    }
    return 0;
}
