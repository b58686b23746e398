#include "info/programstart.h"

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
    switch (kode) {
    case 0:
        return QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
    case 2:
        return QStringLiteral("Den specificerede fil blev ikke fundet.");
    case 3:
        return QStringLiteral("Stien blev ikke fundet.");
    case 5:
        return QStringLiteral("Operationssystemet forbød adgang til filen.");
    case 8:
        return QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.");
    case 11:
        return QStringLiteral(
            "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
    case 26:
        return QStringLiteral("Der opstod en \"sharing violation\".");
    case 27:
        return QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid");
    case 28:
        return QStringLiteral(
            "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
    case 29:
        return QStringLiteral("\"DDE transaction\" mislykkedes.");
    case 30:
        return QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke "
                              "fuldføres\rfordi andre \"DDE transactions\" skulle udføres.");
    case 31:
        return QStringLiteral("Der er ikke associeret noget program til givne filefternavn.");
    case 32:
        return QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}

} // namespace programstart
