#include "core/calc/metaliste.h"

TMetaListe::TMetaListe(QObject* parent) : QObject(parent) {}

void TMetaListe::tilfoej(const QString& linje) {
    linjer.append(linje);
    valgt = antal() - 1;
    meld();
}

void TMetaListe::toem() {
    if (linjer.isEmpty() && valgt == -1) return;
    if (!m_harFoer) {
        m_foer = std::move(linjer);
        m_harFoer = true;
    }
    linjer.clear();
    valgt = -1;
    meld();
}

void TMetaListe::vaelgSidste() {
    if (valgt == antal() - 1) return;
    valgt = antal() - 1;
    meld();
}

namespace {

// How many lines at the top of `a`, at most `n`, are the same in `b`; the
// lines of lists kept from before mostly share their texts.
int sammeTop(const QStringList& a, const QStringList& b, int n) {
    n = qMin(n, static_cast<int>(qMin(a.size(), b.size())));
    if (a.constData() == b.constData()) return n;
    int i = 0;
    while (i < n && (a[i].constData() == b[i].constData() || a[i] == b[i]))
        ++i;
    return i;
}

} // namespace

void TMetaListe::gendan(const QStringList& nyeLinjer, int nyValgt) {
    if (!m_harFoer) m_uroert = sammeTop(linjer, nyeLinjer, uroerteLinjer());
    linjer = nyeLinjer;
    valgt = nyValgt;
    meld();
}

void TMetaListe::hold() {
    ++m_holdt;
}

void TMetaListe::slip() {
    if (m_holdt > 0 && --m_holdt == 0 && m_aendretUnderHold) {
        m_aendretUnderHold = false;
        udsend();
    }
}

void TMetaListe::saetTilbage(Gemt g) {
    linjer = std::move(g.linjer);
    valgt = g.valgt;
    m_uroert = g.uroert;
    m_aendretUnderHold = g.aendretUnderHold;
    m_foer = std::move(g.foer);
    m_harFoer = g.harFoer;
}

void TMetaListe::meld() {
    if (m_holdt > 0)
        m_aendretUnderHold = true;
    else
        udsend();
}

void TMetaListe::udsend() {
    if (m_harFoer) {
        m_uroert = sammeTop(m_foer, linjer, m_uroert);
        m_foer.clear();
        m_harFoer = false;
    }
    Q_EMIT aendret();
    m_uroert = antal();
}
