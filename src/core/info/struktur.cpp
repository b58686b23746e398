#include "info/struktur.h"

#include "common/fejl.h"
#include "common/tekstkodning.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

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

bool harBom(const QString& sti) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray start = f.read(3);
    return start == bomUtf8 || start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF");
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
    papirkurv = [](const QString& sti) { return QFile::moveToTrash(sti); };
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
    return Infomappe + node->dataUrl() + QStringLiteral(".html");
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

void TStruktur::skrivFil(const QString& sti, const QString& tekst, bool bom) const {
    if (!bom) {
        tekst::skrivFil(sti, tekst);
        return;
    }
    // A file read with a byte-order mark keeps one: written as UTF-8.
    QSaveFile f(sti);
    if (!f.open(QIODevice::WriteOnly) || f.write(bomUtf8 + tekst.toUtf8()) < 0 || !f.commit())
        throw TFilFejl(
            QStringLiteral("Kan ikke skrive filen %1").arg(QDir::toNativeSeparators(sti)));
}

bool TStruktur::HentStruktur() {
    m_valgt = nullptr;
    m_nodeDown = m_nodeUp = nullptr;
    m_mouseDown = false;
    m_rod.clear();
    m_traeBom = m_dataBom = false;
    if (!QFileInfo(Strukturfile).isFile()) {
        Q_EMIT aendret();
        return false;
    }
    m_traeBom = harBom(Strukturfile);
    TNodeListe noder;
    if (!laesTrae(tekst::laesFil(Strukturfile), noder)) {
        Q_EMIT aendret();
        return false;
    }
    m_rod = std::move(noder);
    const auto alle = preorden();
    if (DataOn) {
        if (!QFileInfo(Datafile).isFile()) {
            QStringList linjer;
            for (const TStrukturNode* n : alle)
                linjer << QStringLiteral("0") + n->tekst;
            m_dataBom = m_traeBom;
            skrivFil(Datafile, joinCrLf(linjer), m_dataBom);
        }
        m_dataBom = harBom(Datafile);
        const QStringList linjer = linjerAf(tekst::laesFil(Datafile));
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
            n->data = d;
            n->billede = d[0].unicode() - '0';
        }
    } else {
        for (TStrukturNode* n : alle) {
            n->data.clear();
            n->billede = -1;
        }
    }
    Modified = false;
    Q_EMIT aendret();
    return true;
}

bool TStruktur::GemStruktur() {
    if (Strukturfile.isEmpty()) return false;
    if (DataOn && Datafile.isEmpty()) return false;
    if (DataOn) {
        QStringList linjer;
        for (const TStrukturNode* n : preorden())
            linjer << (n->data.isEmpty() ? QStringLiteral("0") : n->data);
        skrivFil(Datafile, joinCrLf(linjer), m_dataBom);
    }
    skrivFil(Strukturfile, skrivTrae(m_rod), m_traeBom);
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
    vaelg(n);
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
    if (QFileInfo(fil).isFile()) FileDeleteRB(fil);
}

void TStruktur::SletNode() {
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
    const QFileInfo fi(AFileName);
    if (!fi.isFile()) return false;
    const QString fuld = fi.absoluteFilePath();
    if (fuld.size() > 253) return false;
    return papirkurv && papirkurv(fuld);
}
