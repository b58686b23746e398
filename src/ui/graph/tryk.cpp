#include "graph/tryk.h"

#include "graph/trykflade.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace tryk {

TTrykFlade* flade() {
    static TTrykFlade* s_flade = []() -> TTrykFlade* {
        // Beside the program in a build folder; in lib/tavlix when installed.
        const QString programmappe = QCoreApplication::applicationDirPath();
        QStringList stier = {programmappe + QStringLiteral("/tavlix_tryk"),
                             programmappe + QStringLiteral("/../lib/tavlix/tavlix_tryk"),
                             programmappe + QStringLiteral("/../lib64/tavlix/tavlix_tryk")};
#ifdef TAVLIX_TRYK_STI
        stier << QStringLiteral(TAVLIX_TRYK_STI);
#endif
        for (const QString& sti : stier) {
            QLibrary bib(sti);
            if (auto f = reinterpret_cast<THentTryk>(bib.resolve(TAVLIX_HENT_TRYK))) return f();
        }
        return nullptr;
    }();
    return s_flade;
}

} // namespace tryk
