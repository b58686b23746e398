#include "stier.h"

#include <QDir>
#include <QFileInfo>

namespace stier {

bool indenfor(const QString& mappe, const QString& sti) {
    if (mappe.isEmpty() || sti.isEmpty()) return false;
    QString rod = QDir::cleanPath(QFileInfo(mappe).absoluteFilePath());
    const QString fuld =
        QDir::cleanPath(QFileInfo(sti).isAbsolute() ? sti : rod + u'/' + sti);
    if (!rod.endsWith(u'/')) rod += u'/';
    return fuld.size() > rod.size() && fuld.startsWith(rod);
}

} // namespace stier
