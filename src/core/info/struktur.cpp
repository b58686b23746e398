#include "core/info/struktur.h"

#include "core/common/fejl.h"
#include "core/common/papirkurv.h"
#include "core/common/stier.h"
#include "core/common/tekstkodning.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QByteArray bomUtf8("\xEF\xBB\xBF");

// The lines of a file's text; a line break at the end adds no empty line.
QStringList linjerAf(const QString& tekst) {
    QString t = tekst;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    QStringList l = t.split(u'\n');
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    return l;
}

QString joinCrLf(const QStringList& linjer) {
    QString ud;
    for (const QString& l : linjer) {
        ud += l;
        ud += QStringLiteral("\r\n");
    }
    return ud;
}

// A node text must stay on one line and must not begin with the characters
// that give its depth, or the tree would change shape when read back.
QString rensTekst(QString t) {
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');
    qsizetype i = 0;
    while (i < t.size() && (t[i] == u' ' || t[i] == u'\t'))
        ++i;
    return t.mid(i);
}

bool erEfterkommer(const TStrukturNode* node, const TStrukturNode* forfader) {
    for (const TStrukturNode* p = node; p; p = p->foraelder)
        if (p == forfader) return true;
    return false;
}

void samlPreorden(const TNodeListe& noder, std::vector<TStrukturNode*>& ud) {
    for (const auto& n : noder) {
        ud.push_back(n.get());
        samlPreorden(n->boern, ud);
    }
}

void sorterAlle(TNodeListe& noder) {
    std::stable_sort(noder.begin(), noder.end(), [](const auto& a, const auto& b) {
        return QString::compare(a->tekst, b->tekst, Qt::CaseInsensitive) < 0;
    });
    for (auto& n : noder)
        sorterAlle(n->boern);
}

void saetUdfoldet(const TNodeListe& noder, bool udfoldet) {
    for (const auto& n : noder) {
        n->udfoldet = udfoldet && !n->boern.empty();
        saetUdfoldet(n->boern, udfoldet);
    }
}

} // namespace

TStruktur::TStruktur(QObject* parent) : QObject(parent) {
    papirkurv = [](const QString& sti) { return papirkurv::flyt(sti); };
}

TStruktur::~TStruktur() = default;

std::vector<TStrukturNode*> TStruktur::preorden() const {
    std::vector<TStrukturNode*> ud;
    samlPreorden(m_rod, ud);
    return ud;
}

int TStruktur::antal() const {
    return int(preorden().size());
}

void TStruktur::vaelg(TStrukturNode* node) {
    if (node == m_valgt) return;
    m_valgt = node;
    // A selected node is visible: its ancestors open.
    for (TStrukturNode* p = node ? node->foraelder : nullptr; p; p = p->foraelder)
        p->udfoldet = true;
    Q_EMIT valgtAendret();
}

void TStruktur::ryd() {
    m_valgt = nullptr;
    m_nodeDown = m_nodeUp = nullptr;
    m_mouseDown = false;
    m_rod.clear();
    Q_EMIT aendret();
}

void TStruktur::FullExpand() {
    saetUdfoldet(m_rod, true);
    Q_EMIT udfoldAendret();
}

void TStruktur::FullCollapse() {
    saetUdfoldet(m_rod, false);
    Q_EMIT udfoldAendret();
}

QString TStruktur::dokument(const TStrukturNode* node) const {
    if (!node || node->data.isEmpty()) return {};
    const QString fil = Infomappe + node->dataUrl() + QStringLiteral(".html");
    return stier::indenfor(Infomappe, fil) ? fil : QString();
}

// ---- files -----------------------------------------------------------------

bool TStruktur::laesTrae(const QString& tekst, TNodeListe& ud, int* fejlLinje) {
    ud.clear();
    TStrukturNode* forrige = nullptr;
    int forrigeNiveau = 0;
    int linjeNr = 0;
    for (const QString& linje : linjerAf(tekst)) {
        ++linjeNr;
        int niveau = 0;
        while (niveau < linje.size() && (linje[niveau] == u'\t' || linje[niveau] == u' '))
            ++niveau;
        if (niveau == linje.size()) continue; // a blank line is no node
        auto node = std::make_unique<TStrukturNode>();
        node->tekst = linje.mid(niveau);
        if (!forrige) niveau = 0; // the first line is a top-level node
        if (niveau > forrigeNiveau + 1) {
            if (fejlLinje) *fejlLinje = linjeNr;
            ud.clear();
            return false;
        }
        TStrukturNode* foraelder = nullptr;
        if (forrige) {
            if (niveau == forrigeNiveau + 1) {
                foraelder = forrige;
            } else {
                foraelder = forrige->foraelder;
                for (int n = forrigeNiveau; n > niveau; --n)
                    foraelder = foraelder->foraelder;
            }
        }
        node->foraelder = foraelder;
        TNodeListe& liste = foraelder ? foraelder->boern : ud;
        liste.push_back(std::move(node));
        forrige = liste.back().get();
        forrigeNiveau = niveau;
    }
    return true;
}

QString TStruktur::skrivTrae(const TNodeListe& noder) {
    QStringList linjer;
    std::vector<TStrukturNode*> alle;
    samlPreorden(noder, alle);
    for (const TStrukturNode* n : alle) {
        int dybde = 0;
        for (const TStrukturNode* p = n->foraelder; p; p = p->foraelder)
            ++dybde;
        linjer << QString(dybde, u'\t') + n->tekst;
    }
    return joinCrLf(linjer);
}

QByteArray TStruktur::filBytes(const QString& tekst, bool bom) {
    // A file read with a byte-order mark keeps one: written as UTF-8.
    return bom ? bomUtf8 + tekst.toUtf8() : tekst::tilBytes(tekst);
}

namespace {

// The names a save writes before it puts the new pair in place. A complete
// new tree file under its own name is the mark that the whole new pair is on
// the disk: the data file is written and synced before it.
QString nyNavn(const QString& sti) {
    return sti + QStringLiteral(".ny");
}
QString delNavn(const QString& sti) {
    return sti + QStringLiteral(".del");
}

[[noreturn]] void skrivFejl(const QString& sti) {
    throw TFilFejl(QStringLiteral("Kan ikke skrive filen %1").arg(QDir::toNativeSeparators(sti)));
}

// Writes `bytes` to `sti` and puts them on the disk before returning.
void skrivSynket(const QString& sti, const QByteArray& bytes) {
    QFile::remove(sti);
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) skrivFejl(sti);
    qint64 skrevet = 0;
    while (skrevet < bytes.size()) {
        const qint64 n = f.write(bytes.constData() + skrevet, bytes.size() - skrevet);
        if (n <= 0) {
            f.close();
            QFile::remove(sti);
            skrivFejl(sti);
        }
        skrevet += n;
    }
#ifdef Q_OS_UNIX
    if (::fsync(f.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
        f.close();
        QFile::remove(sti);
        skrivFejl(sti);
    }
#endif
}

// Makes the renames in a folder durable.
void synkMappe(const QString& mappe) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(mappe).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(mappe);
#endif
}

bool omdoeb(const QString& fra, const QString& til) {
#ifdef Q_OS_UNIX
    // rename() replaces the old file in one step.
    return ::rename(QFile::encodeName(fra).constData(), QFile::encodeName(til).constData()) == 0;
#else
    QFile::remove(til);
    return QFile::rename(fra, til);
#endif
}

// Removes what an earlier, interrupted save may have left beside `sti`: the
// part files and the temporary names of a save file ("struktur.txt.XXXXXX").
void fjernRester(const QString& sti) {
    const QFileInfo fi(sti);
    const QDir mappe = fi.dir();
    const QStringList rester = mappe.entryList({fi.fileName() + QStringLiteral(".*")},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& r : rester) {
        const QString efter = r.mid(fi.fileName().size() + 1);
        const bool saveFil =
            efter.size() == 6 &&
            std::all_of(efter.begin(), efter.end(), [](QChar c) { return c.isLetterOrNumber(); });
        if (efter == QLatin1String("del") || efter == QLatin1String("ny") || saveFil)
            QFile::remove(mappe.filePath(r));
    }
}

} // namespace

void TStruktur::fuldfoerAfbrudtGem() {
    // A new tree file under its own name: the save had both new files on the
    // disk and was stopped while putting them in place. It is finished now.
    // Without it a new data file belongs to a save that never completed.
    const QString nyTrae = nyNavn(Strukturfile);
    const QString nyData = nyNavn(Datafile);
    if (QFileInfo(nyTrae).isFile()) {
        bool ok = true;
        if (!Datafile.isEmpty() && QFileInfo(nyData).isFile()) ok = omdoeb(nyData, Datafile);
        ok = ok && omdoeb(nyTrae, Strukturfile);
        if (ok) {
            synkMappe(QFileInfo(Strukturfile).absolutePath());
            m_advarsel = QStringLiteral("Den seneste gemning af strukturen %1 blev afbrudt; den "
                                        "er gjort færdig.")
                             .arg(QFileInfo(Strukturfile).absolutePath());
        }
    } else if (!Datafile.isEmpty() && QFileInfo(nyData).isFile()) {
        QFile::remove(nyData);
    }
}

bool TStruktur::gyldigtDokumentnavn(const QString& navn) {
    if (navn.isEmpty() || navn == QLatin1String(".") || navn.contains(QLatin1String("..")))
        return false;
    for (QChar c : navn)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

bool TStruktur::HentStruktur() {
    m_valgt = nullptr;
    m_nodeDown = m_nodeUp = nullptr;
    m_mouseDown = false;
    m_rod.clear();
    m_traeBom = m_dataBom = false;
    m_advarsel.clear();
    // Until this load succeeds nothing is saved over the files.
    m_spaerret = true;
    if (Strukturfile.isEmpty()) {
        Q_EMIT aendret();
        return false;
    }
    fuldfoerAfbrudtGem();
    if (!QFileInfo(Strukturfile).isFile()) {
        // No tree file yet: a new structure, which its first save creates.
        m_spaerret = false;
        Q_EMIT aendret();
        return false;
    }
    const auto tom = [this] {
        m_rod.clear();
        Q_EMIT aendret();
    };
    QByteArray traeBytes;
    try {
        traeBytes = tekst::laesBytes(Strukturfile);
    } catch (...) {
        tom();
        throw;
    }
    m_traeBom = traeBytes.startsWith(bomUtf8) || traeBytes.startsWith("\xFF\xFE") ||
                traeBytes.startsWith("\xFE\xFF");
    TNodeListe noder;
    int fejlLinje = 0;
    if (!laesTrae(tekst::fraBytes(traeBytes), noder, &fejlLinje)) {
        tom();
        throw TFilFejl(QStringLiteral("Ugyldigt niveau i linje %1 i %2")
                           .arg(fejlLinje)
                           .arg(QDir::toNativeSeparators(Strukturfile)));
    }
    const auto alle = [&] {
        std::vector<TStrukturNode*> v;
        samlPreorden(noder, v);
        return v;
    }();
    if (DataOn) {
        QStringList linjer;
        if (QFileInfo(Datafile).isFile()) {
            QByteArray dataBytes;
            try {
                dataBytes = tekst::laesBytes(Datafile);
            } catch (...) {
                tom();
                throw;
            }
            m_dataBom = dataBytes.startsWith(bomUtf8) || dataBytes.startsWith("\xFF\xFE") ||
                        dataBytes.startsWith("\xFE\xFF");
            linjer = linjerAf(tekst::fraBytes(dataBytes));
        } else {
            // No data file: one is made that gives every node its own name.
            for (const TStrukturNode* n : alle)
                linjer << QStringLiteral("0") + n->tekst;
            m_dataBom = m_traeBom;
            QSaveFile f(Datafile);
            if (!f.open(QIODevice::WriteOnly) ||
                f.write(filBytes(joinCrLf(linjer), m_dataBom)) < 0 || !f.commit()) {
                tom();
                skrivFejl(Datafile);
            }
        }
        QStringList afvist;
        if (linjer.size() != qsizetype(alle.size()))
            m_advarsel = QStringLiteral("Strukturen %1 har %2 linjer i %3 og %4 i %5; "
                                        "linjerne passer ikke sammen.")
                             .arg(QFileInfo(Strukturfile).absolutePath())
                             .arg(alle.size())
                             .arg(QFileInfo(Strukturfile).fileName())
                             .arg(linjer.size())
                             .arg(QFileInfo(Datafile).fileName());
        for (size_t k = 0; k < alle.size(); ++k) {
            TStrukturNode* n = alle[k];
            // A short data file, or a line without an icon digit, gives the
            // node what a new data file would: icon 0 and a document named
            // after its text (the line itself when it has one).
            QString d = k < size_t(linjer.size()) ? linjer[qsizetype(k)] : QString();
            if (d.isEmpty())
                d = QStringLiteral("0") + n->tekst;
            else if (d[0] < u'0' || d[0] > u'9')
                d.prepend(u'0');
            if (!gyldigtDokumentnavn(d.mid(1))) {
                // A name that could reach outside the folder gives no document.
                if (k < size_t(linjer.size())) afvist << QString::number(k + 1);
                n->data.clear();
                n->billede = -1;
                continue;
            }
            n->data = d;
            n->billede = d[0].unicode() - '0';
        }
        if (!afvist.isEmpty()) {
            if (!m_advarsel.isEmpty()) m_advarsel += u'\r';
            m_advarsel +=
                QStringLiteral("Strukturen %1 har ugyldige dokumentnavne i linje %2 i "
                               "%3; de er udeladt.")
                    .arg(QFileInfo(Strukturfile).absolutePath(), afvist.join(QStringLiteral(", ")),
                         QFileInfo(Datafile).fileName());
        }
    } else {
        for (TStrukturNode* n : alle) {
            n->data.clear();
            n->billede = -1;
        }
    }
    m_rod = std::move(noder);
    m_spaerret = false;
    Modified = false;
    Q_EMIT aendret();
    return true;
}

bool TStruktur::GemStruktur() {
    if (Strukturfile.isEmpty() || m_spaerret) return false;
    if (DataOn && Datafile.isEmpty()) return false;
    // Both files are written under their own names and synced, the tree
    // file last; its complete new file marks the pair as saved (a load
    // finishes an interrupted save from there). Only then do they replace
    // the old pair, data file first.
    fjernRester(Strukturfile);
    if (DataOn) fjernRester(Datafile);
    const QString nyTrae = nyNavn(Strukturfile);
    const QString nyData = nyNavn(Datafile);
    if (DataOn) {
        QStringList linjer;
        for (const TStrukturNode* n : preorden())
            linjer << (n->data.isEmpty() ? QStringLiteral("0") : n->data);
        skrivSynket(nyData, filBytes(joinCrLf(linjer), m_dataBom));
    }
    const QString delTrae = delNavn(Strukturfile);
    skrivSynket(delTrae, filBytes(skrivTrae(m_rod), m_traeBom));
    if (!omdoeb(delTrae, nyTrae)) {
        QFile::remove(delTrae);
        if (DataOn) QFile::remove(nyData);
        skrivFejl(Strukturfile);
    }
    const QString mappe = QFileInfo(Strukturfile).absolutePath();
    synkMappe(mappe);
    if (gemTrin) gemTrin(1);
    if (DataOn && !omdoeb(nyData, Datafile)) skrivFejl(Datafile);
    if (gemTrin) gemTrin(2);
    if (!omdoeb(nyTrae, Strukturfile)) skrivFejl(Strukturfile);
    synkMappe(mappe);
    Modified = false;
    Q_EMIT aendret();
    return true;
}

// ---- node operations -------------------------------------------------------

TNodeListe& TStruktur::soskende(TStrukturNode* node) {
    return node->foraelder ? node->foraelder->boern : m_rod;
}

TStrukturNode* TStruktur::indsaet(std::unique_ptr<TStrukturNode> ny, TStrukturNode* ref, int mode) {
    TStrukturNode* n = ny.get();
    if (!ref) {
        ny->foraelder = nullptr;
        m_rod.push_back(std::move(ny));
        return n;
    }
    auto position = [](TNodeListe& l, const TStrukturNode* x) {
        return std::find_if(l.begin(), l.end(), [x](const auto& p) { return p.get() == x; });
    };
    switch (mode) {
    case ForsteSoskende: {
        ny->foraelder = ref->foraelder;
        TNodeListe& l = soskende(ref);
        l.insert(l.begin(), std::move(ny));
        break;
    }
    case SidsteBarn:
        ny->foraelder = ref;
        ref->boern.push_back(std::move(ny));
        break;
    case ForsteBarn:
        ny->foraelder = ref;
        ref->boern.insert(ref->boern.begin(), std::move(ny));
        break;
    case Foran: {
        ny->foraelder = ref->foraelder;
        TNodeListe& l = soskende(ref);
        l.insert(position(l, ref), std::move(ny));
        break;
    }
    default: // EfterSidsteSoskende
        ny->foraelder = ref->foraelder;
        soskende(ref).push_back(std::move(ny));
        break;
    }
    return n;
}

std::unique_ptr<TStrukturNode> TStruktur::tagUd(TStrukturNode* node) {
    TNodeListe& l = soskende(node);
    auto it = std::find_if(l.begin(), l.end(), [node](const auto& p) { return p.get() == node; });
    std::unique_ptr<TStrukturNode> ud = std::move(*it);
    l.erase(it);
    return ud;
}

void TStruktur::saetData(TStrukturNode* node, const QString& Data, int Index) {
    if (DataOn) {
        node->data = QString::number(Index) + Data;
        node->billede = Index;
    } else {
        node->data.clear();
        node->billede = -1;
    }
}

void TStruktur::efterAendring(bool sorter, bool gem) {
    if (sorter) {
        sorterAlle(m_rod);
        Modified = true;
    } else if (gem) {
        Q_EMIT aendret();
        GemStruktur();
        return;
    } else {
        Modified = true;
    }
    Q_EMIT aendret();
}

void TStruktur::NyNode(const QString& Tekst, const QString& Data, int Index, bool sorter,
                       bool gem) {
    const QString tekst = rensTekst(Tekst);
    if (tekst.isEmpty()) return;
    auto ny = std::make_unique<TStrukturNode>();
    ny->tekst = tekst;
    TStrukturNode* ref = m_rod.empty() ? nullptr : (m_valgt ? m_valgt : forsteNode());
    TStrukturNode* n = indsaet(std::move(ny), ref, Flytmode);
    saetData(n, Data, Index);
    efterAendring(sorter, gem);
    // The reference stays chosen, so that several inserts in a row all go
    // beside it or below it; only the first node of a tree becomes chosen.
    if (!ref) vaelg(n);
}

void TStruktur::RedigerNode(const QString& Tekst, const QString& Data, int Index, bool sorter,
                            bool gem) {
    const QString tekst = rensTekst(Tekst);
    if (tekst.isEmpty() || !m_valgt) return;
    m_valgt->tekst = tekst;
    saetData(m_valgt, Data, Index);
    efterAendring(sorter, gem);
}

void TStruktur::sletDokument(TStrukturNode* node) {
    if (node->data.isEmpty()) return;
    const QString fil = dokument(node);
    if (QFileInfo(fil).isFile() && !FileDeleteRB(fil)) m_ikkeFlyttet << fil;
}

void TStruktur::SletNode() {
    m_ikkeFlyttet.clear();
    TStrukturNode* node = m_valgt;
    if (!node) return;
    for (const auto& barn : node->boern)
        sletDokument(barn.get());
    sletDokument(node);

    // The selection moves to a neighbour, as a tree view does.
    TNodeListe& l = soskende(node);
    auto it = std::find_if(l.begin(), l.end(), [node](const auto& p) { return p.get() == node; });
    TStrukturNode* naeste = nullptr;
    if (it + 1 != l.end())
        naeste = (it + 1)->get();
    else if (it != l.begin())
        naeste = (it - 1)->get();
    else
        naeste = node->foraelder;
    if (m_nodeDown && erEfterkommer(m_nodeDown, node)) m_nodeDown = nullptr;
    if (m_nodeUp && erEfterkommer(m_nodeUp, node)) m_nodeUp = nullptr;
    m_valgt = nullptr;
    tagUd(node);
    Modified = true;
    Q_EMIT aendret();
    vaelg(naeste);
}

QString TStruktur::SelectedData() const {
    if (!DataOn || !m_valgt || m_valgt->data.isEmpty()) return {};
    return m_valgt->dataUrl();
}

namespace {
// A document path or name reduced to the name without folder and extension.
QString dokumentNavn(const QString& dataUrl) {
    QString s = dataUrl;
    s.replace(u'\\', u'/');
    s = s.mid(s.lastIndexOf(u'/') + 1);
    const qsizetype punkt = s.lastIndexOf(u'.');
    return punkt >= 0 ? s.left(punkt) : s;
}
} // namespace

QString TStruktur::getNodeTekst(const QString& DataUrl) {
    if (!DataOn) return {};
    const QString noegle = dokumentNavn(DataUrl);
    if (noegle.isEmpty()) return {};
    for (TStrukturNode* n : preorden()) {
        if (!n->data.isEmpty() && n->dataUrl() == noegle) {
            vaelg(n);
            return n->tekst;
        }
    }
    return {};
}

bool TStruktur::setSelected(const QString& DataUrl) {
    if (!DataOn) return false;
    const QString noegle = dokumentNavn(DataUrl);
    if (noegle.isEmpty()) return false;
    for (TStrukturNode* n : preorden()) {
        if (!n->data.isEmpty() && n->dataUrl() == noegle) {
            const bool var = n == m_valgt;
            vaelg(n);
            return !var;
        }
    }
    return false;
}

QString TStruktur::InfoFilnavn(const QString& Filefternavn) const {
    if (!m_valgt) return {};
    QString navn = m_valgt->tekst;
    if (m_valgt->foraelder) navn.prepend(m_valgt->foraelder->tekst);
    return QDir::cleanPath(Infomappe + u'/' + navn + u'.' + Filefternavn);
}

int TStruktur::getTheSelectedIndex() const {
    const auto alle = preorden();
    if (alle.empty()) return -1;
    if (!m_valgt) return int(alle.size()) - 1;
    return int(std::find(alle.begin(), alle.end(), m_valgt) - alle.begin());
}

// ---- drag and drop ---------------------------------------------------------

void TStruktur::MusDown(TStrukturNode* node) {
    if (m_mouseDown) {
        m_mouseDown = false;
        Q_EMIT haandMarkoer(false);
        return;
    }
    m_nodeDown = node;
    if (node && node != forsteNode()) {
        m_mouseDown = true;
        Q_EMIT haandMarkoer(true);
    }
}

void TStruktur::MusUp(TStrukturNode* node, bool somGrundnode) {
    if (!m_mouseDown) return;
    Q_EMIT haandMarkoer(false);
    m_mouseDown = false;
    m_nodeUp = node;
    if (!node || node == m_nodeDown || !m_nodeDown) return;
    const bool flyttet =
        somGrundnode ? flyt(m_nodeDown, forsteNode(), Foran) : flyt(m_nodeDown, node, Flytmode);
    if (!flyttet) return;
    Modified = true;
    Q_EMIT aendret();
}

bool TStruktur::flyt(TStrukturNode* node, TStrukturNode* maal, int mode) {
    if (!node || !maal || erEfterkommer(maal, node)) return false;
    indsaet(tagUd(node), maal, mode);
    return true;
}

void TStruktur::sorter() {
    efterAendring(true, false);
}

bool TStruktur::FileDeleteRB(const QString& AFileName) {
    // Only the structure's own documents go to the wastebasket.
    if (!stier::indenfor(Infomappe, AFileName)) return false;
    const QFileInfo fi(AFileName);
    if (!fi.isFile()) return false;
    const QString fuld = fi.absoluteFilePath();
    if (fuld.size() > 253) return false;
    return papirkurv && papirkurv(fuld);
}
