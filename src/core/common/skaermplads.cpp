#include "core/common/skaermplads.h"

#include <algorithm>
#include <limits>

namespace skaermplads {

namespace {

// Squared distance from the point to the rectangle (0 inside it), in 64 bits
// so that far-off places read from a file cannot overflow.
qint64 afstand(QPoint p, const QRect& r) {
    const qint64 dx = p.x() < r.left()    ? qint64(r.left()) - p.x()
                      : p.x() > r.right() ? qint64(p.x()) - r.right()
                                          : 0;
    const qint64 dy = p.y() < r.top()      ? qint64(r.top()) - p.y()
                      : p.y() > r.bottom() ? qint64(p.y()) - r.bottom()
                                           : 0;
    return dx * dx + dy * dy;
}

int klem(qint64 v, int lav, int laengde, int omraade) {
    // The far edge first, then the near one: a window larger than the area
    // keeps its near edge inside.
    v = std::min<qint64>(v, qint64(lav) + omraade - laengde);
    return int(std::max<qint64>(v, lav));
}

} // namespace

QPoint indenfor(QPoint oensket, QSize vindue, const QList<QRect>& skaerme) {
    if (skaerme.isEmpty()) return oensket;
    const QRect vinduesRekt(oensket, vindue.expandedTo(QSize(1, 1)));
    const QRect* bedst = nullptr;
    qint64 mest = 0;
    for (const QRect& s : skaerme) {
        const QRect del = s.intersected(vinduesRekt);
        const qint64 areal = del.isEmpty() ? 0 : qint64(del.width()) * del.height();
        if (areal > mest) {
            mest = areal;
            bedst = &s;
        }
    }
    if (!bedst) {
        qint64 naermest = std::numeric_limits<qint64>::max();
        for (const QRect& s : skaerme) {
            const qint64 a = afstand(vinduesRekt.center(), s);
            if (a < naermest) {
                naermest = a;
                bedst = &s;
            }
        }
    }
    const QRect& s = *bedst;
    return QPoint(klem(oensket.x(), s.left(), vindue.width(), s.width()),
                  klem(oensket.y(), s.top(), vindue.height(), s.height()));
}

} // namespace skaermplads
