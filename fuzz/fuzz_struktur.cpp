// Structure files from arbitrary bytes: the tree file's text never crashes
// the reader, and a tree that was read writes out text that reads back to
// the same tree. The input split at its first zero byte is also loaded as a
// tree file and a data file: no document the loaded structure names lies
// outside its document folder, and a save and load give the same pair.
#include "core/common/fejl.h"
#include "core/common/stier.h"
#include "core/common/tekstkodning.h"
#include "core/info/struktur.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void skriv(const QString& sti, const QByteArray& b) {
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size()) std::abort();
}

QStringList par(const TStruktur& s) {
    QStringList ud;
    for (const TStrukturNode* n : s.preorden())
        ud << n->tekst + u'\t' + n->data;
    return ud;
}

void somFiler(const QByteArray& bytes) {
    static QTemporaryDir dir;
    static const bool klar = QDir(dir.path()).mkpath(QStringLiteral("tekstfiler"));
    if (!klar) std::abort();
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray trae = nul < 0 ? bytes : bytes.left(nul);
    const QByteArray data = nul < 0 ? QByteArray() : bytes.mid(nul + 1);
    TStruktur s;
    s.Strukturfile = dir.filePath(QStringLiteral("struktur.txt"));
    s.Datafile = dir.filePath(QStringLiteral("data.txt"));
    s.Infomappe = dir.path() + QStringLiteral("/tekstfiler/");
    s.DataOn = true;
    s.papirkurv = [](const QString&) { return false; };
    QFile::remove(s.Datafile);
    skriv(s.Strukturfile, trae);
    if (nul >= 0) skriv(s.Datafile, data);
    try {
        if (!s.HentStruktur()) return;
    } catch (const TFilFejl&) {
        if (!s.gemmeSpaerret() || s.GemStruktur()) std::abort();
        return;
    }
    for (const TStrukturNode* n : s.preorden()) {
        const QString fil = s.dokument(n);
        if (!n->data.isEmpty() && !TStruktur::gyldigtDokumentnavn(n->dataUrl())) std::abort();
        if (!fil.isEmpty() && !stier::indenfor(s.Infomappe, fil)) std::abort();
        // Every name the check lets through stays inside by the path rule too.
        if (!n->data.isEmpty() &&
            !stier::indenfor(s.Infomappe, s.Infomappe + n->dataUrl() + QStringLiteral(".html")))
            std::abort();
    }
    // A lone surrogate has no UTF-8 form; such a tree cannot round-trip.
    for (const QString& p : par(s))
        if (!p.isValidUtf16()) return;
    const QStringList foer = par(s);
    if (!s.GemStruktur()) std::abort();
    TStruktur igen;
    igen.Strukturfile = s.Strukturfile;
    igen.Datafile = s.Datafile;
    igen.Infomappe = s.Infomappe;
    igen.DataOn = true;
    if (!igen.HentStruktur() || par(igen) != foer) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString tekst = tekst::fraBytes(bytes);
    TNodeListe noder;
    if (TStruktur::laesTrae(tekst, noder)) {
        const QString skrevet = TStruktur::skrivTrae(noder);
        TNodeListe igen;
        if (!TStruktur::laesTrae(skrevet, igen) || TStruktur::skrivTrae(igen) != skrevet)
            std::abort();
    }
    somFiler(bytes);
    return 0;
}
