#include "core/common/papirkurv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace papirkurv {

namespace {

// A wastebasket's files folder: ".../Trash/files" (the home one) or
// ".../.Trash/<uid>/files" and ".../.Trash-<uid>/files" (on other disks).
bool iPapirkurv(const QString& sti) {
    const QFileInfo fi(sti);
    const QDir filer = fi.absoluteDir();
    if (filer.dirName() != QLatin1String("files")) return false;
    QDir op = filer;
    if (!op.cdUp()) return false;
    const QString navn = op.dirName();
    if (navn == QLatin1String("Trash") || navn.startsWith(QLatin1String(".Trash-"))) return true;
    QDir op2 = op;
    return op2.cdUp() && op2.dirName() == QLatin1String(".Trash");
}

} // namespace

bool flyt(const QString& sti) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without the home wastebasket's folders Qt falls back to the current
    // folder; they are made first, as the desktop would.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir::isAbsolutePath(data)) return false;
    const QString kurv = data + QStringLiteral("/Trash");
    if (!QDir().mkpath(kurv + QStringLiteral("/files")) ||
        !QDir().mkpath(kurv + QStringLiteral("/info")))
        return false;
#endif
    QString ny;
    if (!QFile::moveToTrash(sti, &ny)) return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!iPapirkurv(ny)) {
        // Landed somewhere else: put it back, with the note Qt wrote.
        const QFileInfo nyInfo(ny);
        const bool tilbage = QFile::rename(ny, sti);
        QFile::remove(nyInfo.absoluteDir().absoluteFilePath(
            QStringLiteral("../info/") + nyInfo.fileName() + QStringLiteral(".trashinfo")));
        Q_UNUSED(tilbage);
        return false;
    }
#else
    Q_UNUSED(iPapirkurv);
#endif
    return true;
}

} // namespace papirkurv
