// The other-functions window's options file "andet.txt": any bytes apply
// without a crash (a bad line ends the reading with an error), the page stays
// one of the three, and what the window writes reads back to the same state.
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/hjaelp.h"
#include "core/common/optionsfil.h"
#include "core/common/programmapper.h"
#include "core/common/tekstkodning.h"
#include "core/other/andetmodel.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Help topics go nowhere here.
struct IngenHjaelp : THjaelp {
    void Information(const QString&) override {}
    void Enhedsinformation(const QString&, bool) override {}
    void HelpInfo(const QString&, const QString&) override {}
};

struct Vindue {
    TavseBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    IngenHjaelp hjaelp;
    TProgramMapper mapper = TProgramMapper::fra(QStringLiteral("/nonexistent-tavlix"));
    TAndetModel andet{hjaelp, [] { return false; }, mapper, huk, regner, beskeder};
};

TOptionsFil linjer(const QString& t) {
    QStringList l = t.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    return TOptionsFil(l);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Vindue v;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        v.andet.anvendOpt(linjer(tekst::fraBytes(bytes)));
    } catch (const TFejl&) {
        // A bad line ends the reading, as in the window.
    }
    if (v.andet.aktivSide < 0 || v.andet.aktivSide > 2) std::abort();

    const QPoint pos = v.andet.vinduesPos;
    const int hoejde = v.andet.hoejde;
    const int side = v.andet.aktivSide;
    const bool info = v.andet.enheder.visEinfo;
    v.andet.anvendOpt(TOptionsFil(v.andet.optLinjer().linjer()));
    if (v.andet.vinduesPos != pos || v.andet.hoejde != hoejde || v.andet.aktivSide != side ||
        v.andet.enheder.visEinfo != info)
        std::abort();
    return 0;
}
