#include "core/common/tekstkodning.h"

#include "core/common/fejl.h"

#include <array>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tekst {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char16_t, 32> cp1252Hoej = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when Windows-1252 has none.
int cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (std::size_t i = 0; i < cp1252Hoej.size(); ++i)
        if (cp1252Hoej[i] == c) return 0x80 + static_cast<int>(i);
    return -1;
}

const QByteArray bomUtf8("\xEF\xBB\xBF");
const QByteArray bomUtf16Le("\xFF\xFE");
const QByteArray bomUtf16Be("\xFE\xFF");

QString afkod(QStringDecoder::Encoding kodning, const QByteArray& bytes, qsizetype bomLaengde) {
    // The mark has been skipped; a U+FEFF after it is the text's own character
    // (the decoder would otherwise drop it as a second mark).
    QStringDecoder d(kodning,
                     QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return d.decode(QByteArrayView(bytes).sliced(bomLaengde));
}

} // namespace

QString fraBytes(const QByteArray& bytes) {
    if (bytes.startsWith(bomUtf8)) return afkod(QStringDecoder::Utf8, bytes, 3);
    if (bytes.startsWith(bomUtf16Le)) return afkod(QStringDecoder::Utf16LE, bytes, 2);
    if (bytes.startsWith(bomUtf16Be)) return afkod(QStringDecoder::Utf16BE, bytes, 2);

    QString ud(bytes.size(), Qt::Uninitialized);
    QChar* p = ud.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = QChar(u >= 0x80 && u <= 0x9F ? cp1252Hoej[u - 0x80] : char16_t(u));
    }
    return ud;
}

QByteArray tilBytes(const QString& tekst) {
    QByteArray ud;
    ud.reserve(tekst.size());
    bool passer = true;
    for (QChar c : tekst) {
        const int b = cp1252Byte(c.unicode());
        if (b < 0) {
            passer = false;
            break;
        }
        ud += char(b);
    }
    // A Windows-1252 text that happens to begin with the bytes of a byte-order
    // mark ("ÿþ", "þÿ", "ï»¿") would be read back as UTF; UTF-8 keeps it intact.
    if (passer && !ud.startsWith(bomUtf8) && !ud.startsWith(bomUtf16Le) &&
        !ud.startsWith(bomUtf16Be))
        return ud;

    QStringEncoder e(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    return bomUtf8 + QByteArray(e.encode(tekst));
}

QByteArray laesBytes(const QString& sti, qint64 maks) {
    const auto fejl = [&] { return TFilFejl(QStringLiteral("Kan ikke læse filen %1").arg(sti)); };
#ifdef Q_OS_UNIX
    // Opened without blocking, so a pipe cannot hold the program in open();
    // the checks then apply to what was opened, not to a name that may change.
    const int fd = ::open(QFile::encodeName(sti).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw fejl();
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maks) {
        ::close(fd);
        throw fejl();
    }
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw fejl();
    }
#else
    const QFileInfo info(sti);
    if (!info.isFile() || info.size() > maks) throw fejl();
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) throw fejl();
#endif
    // Read in pieces, so a file that grows while it is read is still held to
    // the bound and nothing larger is ever allocated.
    QByteArray bytes;
    char stykke[65536];
    for (;;) {
        const qint64 n = f.read(stykke, sizeof stykke);
        if (n < 0) throw fejl();
        if (n == 0) break;
        if (bytes.size() + n > maks) throw fejl();
        bytes.append(stykke, qsizetype(n));
    }
    return bytes;
}

QString laesFil(const QString& sti, qint64 maks) {
    return fraBytes(laesBytes(sti, maks));
}

void skrivFil(const QString& sti, const QString& tekst) {
    const auto fejl = [&] { return TFilFejl(QStringLiteral("Kan ikke skrive filen %1").arg(sti)); };
    // A name that leads to a pipe, a device or a folder (also through a link)
    // is not ours to replace by a regular file.
    const QFileInfo info(sti);
    if (info.exists() && !info.isFile()) throw fejl();

    // Unbuffered, so every write reports its own failure (a full disk): a
    // buffered save file whose last flush fails would still be committed and
    // replace the old file with a short one.
    QSaveFile f(sti);
    const QByteArray bytes = tilBytes(tekst);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) throw fejl();
    qint64 skrevet = 0;
    while (skrevet < bytes.size()) {
        const qint64 n = f.write(bytes.constData() + skrevet, bytes.size() - skrevet);
        if (n <= 0) {
            f.cancelWriting();
            throw fejl();
        }
        skrevet += n;
    }
#ifdef Q_OS_UNIX
    // The data must be on the disk before the new file replaces the old one;
    // a file system that cannot sync at all is no error.
    if (::fsync(f.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
        f.cancelWriting();
        throw fejl();
    }
#endif
    if (!f.commit()) throw fejl();
}

} // namespace tekst
