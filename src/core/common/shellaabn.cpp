#include "core/common/shellaabn.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace shellaabn {

int aabn(QProcess& proces, const QString& program, const QStringList& argumenter,
         const QString& mappe) {
    const QFileInfo fil(program);
    if (!fil.exists()) return fil.absoluteDir().exists() ? IkkeFundet : StiIkkeFundet;
    if (!mappe.isEmpty() && !QFileInfo(mappe).isDir()) return StiIkkeFundet;
    if (fil.isDir() || !fil.isExecutable()) return AdgangNaegtet;

    proces.setProgram(fil.absoluteFilePath());
    proces.setArguments(argumenter);
    if (!mappe.isEmpty()) proces.setWorkingDirectory(mappe);
    proces.start(QIODevice::ReadOnly);
    if (proces.waitForStarted(10000)) return Startet;
    // The process layer reports the system's reason only as text.
    const QString grund = proces.errorString();
    if (grund.contains(QLatin1String("format"), Qt::CaseInsensitive)) return IkkeProgram;
    if (grund.contains(QLatin1String("memory"), Qt::CaseInsensitive)) return IkkeHukommelse;
    if (grund.contains(QLatin1String("ermission"), Qt::CaseInsensitive)) return AdgangNaegtet;
    if (grund.contains(QLatin1String("No such file"), Qt::CaseInsensitive)) return IkkeFundet;
    return Ukendt;
}

QString fejltekst(int kode) {
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
        return QStringLiteral("Der er ikke associeret noget program med givne filefternavn.");
    case 32:
        return QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}

} // namespace shellaabn
