#include "core/common/programmapper.h"

#include <QDir>

TProgramMapper TProgramMapper::fra(const QString& programdir) {
    TProgramMapper m;
    m.programdir = QDir::cleanPath(programdir);
    m.formeldir = m.programdir + QStringLiteral("/Formler");
    m.optDir = m.programdir + QStringLiteral("/Egenskaber/");
    m.optFilnavn = m.optDir + QStringLiteral("mainform.txt");
    m.strukturDir = m.programdir + QStringLiteral("/Struktur");
    return m;
}

QString TProgramMapper::standardProgramdir() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Tavlixmappe");
#else
    return QDir::homePath() + QStringLiteral("/Tavlixmappe");
#endif
}
