#include "ui/graph/tryk.h"

#include "core/common/installation.h"
#include "ui/graph/trykflade.h"

namespace tryk {

namespace {
QString s_grund;
}

TTrykFlade* flade() {
    static TTrykFlade* s_flade = []() -> TTrykFlade* {
#ifdef TAVLIX_TRYK_STI
        const QString bygget = QStringLiteral(TAVLIX_TRYK_STI);
#else
        const QString bygget;
#endif
        auto f = reinterpret_cast<THentTryk>(installation::hentModulSymbol(
            QStringLiteral("tavlix_tryk"), TAVLIX_HENT_TRYK, bygget, &s_grund));
        if (!f) qWarning("tavlix: %s", qUtf8Printable(s_grund));
        return f ? f() : nullptr;
    }();
    return s_flade;
}

QString mangler() {
    return s_grund;
}

} // namespace tryk
