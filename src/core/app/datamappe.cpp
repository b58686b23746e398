#include "core/app/datamappe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace datamappe {

QString skabelon(const QString& programMappe) {
    const QString sti =
        QDir::cleanPath(programMappe + QStringLiteral("/../share/tavlix/Tavlixmappe"));
    return QFileInfo(sti).isDir() ? sti : QString();
}

bool laegNed(const QString& skabelon, const QString& programdir) {
    const QDir kilde(skabelon);
    if (!kilde.exists()) return false;
    bool ok = QDir().mkpath(programdir);
    QDirIterator it(skabelon, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fil(it.next());
        const QString maal = programdir + QLatin1Char('/') + kilde.relativeFilePath(fil.filePath());
        if (fil.isDir()) {
            ok = QDir().mkpath(maal) && ok;
        } else if (fil.fileName() != QLatin1String(".gitkeep") && !QFileInfo::exists(maal)) {
            // The folder first: the iterator may list a file before its folder.
            ok = QDir().mkpath(QFileInfo(maal).path()) && QFile::copy(fil.filePath(), maal) && ok;
        }
    }
    return ok;
}

bool foersteStart(const QString& programMappe, const QString& programdir) {
    if (QFileInfo(programdir + QStringLiteral("/Egenskaber")).isDir()) return false;
    const QString kilde = skabelon(programMappe);
    return !kilde.isEmpty() && laegNed(kilde, programdir);
}

} // namespace datamappe
