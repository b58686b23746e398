#include "core/common/stier.h"

#include <QDir>
#include <QFileInfo>

namespace stier {

namespace {

bool under(QString rod, const QString& fuld) {
    if (rod.isEmpty() || fuld.isEmpty()) return false;
    if (!rod.endsWith(u'/')) rod += u'/';
#ifdef Q_OS_WIN
    constexpr auto store = Qt::CaseInsensitive;
#else
    constexpr auto store = Qt::CaseSensitive;
#endif
    return fuld.size() > rod.size() && fuld.startsWith(rod, store);
}

} // namespace

bool indenfor(const QString& mappe, const QString& sti) {
    if (mappe.isEmpty() || sti.isEmpty()) return false;
    const QString rod = QDir::cleanPath(QFileInfo(mappe).absoluteFilePath());
    return under(rod, QDir::cleanPath(QDir::isAbsolutePath(sti) ? sti : rod + u'/' + sti));
}

bool aegteIndenfor(const QString& mappe, const QString& sti) {
    if (mappe.isEmpty() || sti.isEmpty()) return false;
    return under(QFileInfo(mappe).canonicalFilePath(), QFileInfo(sti).canonicalFilePath());
}

} // namespace stier
