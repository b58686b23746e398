#include "core/info/programstart.h"

#include "core/common/shellaabn.h"

#include <QFileInfo>
#include <QProcess>

namespace programstart {

int aabn(const QString& program, const QStringList& argumenter) {
    const QFileInfo fi(program);
    if (!fi.exists()) return 2;
    if (!fi.isFile() || !fi.isExecutable()) return 5;
    return QProcess::startDetached(program, argumenter) ? startet : 0;
}

QString fejlTekst(int kode) {
    // The browser words code 31 its own way; every other text is the shell
    // layer's own.
    if (kode == 31)
        return QStringLiteral("Der er ikke associeret noget program til givne filefternavn.");
    return shellaabn::fejltekst(kode);
}

} // namespace programstart
