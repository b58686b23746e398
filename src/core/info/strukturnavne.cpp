#include "core/info/strukturnavne.h"

#include <QDir>
#include <QFileInfo>

namespace strukturnavne {

QString mappenavn(const QString& navn) {
    if (navn.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) return navn.chopped(4);
    return navn;
}

bool samme(const QString& a, const QString& b) {
    return mappenavn(a).compare(mappenavn(b), Qt::CaseInsensitive) == 0;
}

QString mappe(const QString& strukturDir, const QString& navn) {
    const QString m = mappenavn(navn);
    const QDir rod(strukturDir);
    if (!rod.exists(m)) {
        const auto mapper = rod.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& x : mapper)
            if (x.compare(m, Qt::CaseInsensitive) == 0) return rod.filePath(x);
    }
    return rod.filePath(m);
}

QStringList alle(const QString& strukturDir) {
    QStringList ud;
    const QDir rod(strukturDir);
    const auto mapper =
        rod.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& m : mapper)
        if (QFileInfo(rod.filePath(m) + QStringLiteral("/struktur.txt")).isFile()) ud << m;
    return ud;
}

} // namespace strukturnavne
