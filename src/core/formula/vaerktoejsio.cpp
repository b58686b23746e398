#include "core/formula/vaerktoejsio.h"

#include <QIODevice>

namespace vaerktoejsio {

std::optional<QByteArray> laesHelt(QIODevice& ind, qint64 loft) {
    QByteArray alt;
    // Reading one byte past the limit tells a text of exactly `loft` bytes
    // from a longer one; a read blocks until data comes or the input ends.
    for (;;) {
        const QByteArray del = ind.read(qMin<qint64>(1 << 20, loft + 1 - alt.size()));
        if (del.isEmpty()) break;
        alt += del;
        if (alt.size() > loft) return std::nullopt;
    }
    return alt;
}

bool skrivHelt(std::FILE* ud, const QByteArray& bytes) {
    const auto n = static_cast<size_t>(bytes.size());
    const bool skrevet = n == 0 || std::fwrite(bytes.constData(), 1, n, ud) == n;
    return std::fflush(ud) == 0 && skrevet && !std::ferror(ud);
}

} // namespace vaerktoejsio
