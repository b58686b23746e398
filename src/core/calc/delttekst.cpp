#include "core/calc/delttekst.h"

#include <utility>

namespace {

// How far along the buffers that texts went on in a text looks for its
// continuation before it copies; a few steps find what a replay needs.
constexpr int kaedeSkridt = 8;

} // namespace

TDelttekst::TDelttekst(const QString& s) {
    if (s.isEmpty()) return;
    m_lager = std::make_shared<Lager>();
    m_lager->tekst = s;
    m_laengde = s.size();
}

QString TDelttekst::toString() const {
    if (!m_lager) return QString();
    if (m_laengde == m_lager->tekst.size()) return m_lager->tekst;
    return view().toString();
}

void TDelttekst::append(QChar c) {
    if (m_lager) {
        const QString& t = m_lager->tekst;
        if (m_laengde == t.size()) {
            m_lager->tekst.append(c);
            ++m_laengde;
            return;
        }
        if (t.at(m_laengde) == c) {
            ++m_laengde;
            return;
        }
    }
    append(QStringView(&c, 1));
}

void TDelttekst::append(QStringView s) {
    if (s.isEmpty()) return;
    if (!m_lager) m_lager = std::make_shared<Lager>();
    const qsizetype fra = m_laengde;
    // This buffer, or one that a text went on in from here, may hold `s`
    // here already, or end inside it.
    Lager* l = m_lager.get();
    std::shared_ptr<Lager> fundet;
    for (int skridt = 0;; ++skridt) {
        const QStringView har = QStringView(std::as_const(l->tekst)).mid(fra);
        const qsizetype m = qMin(har.size(), s.size());
        qsizetype k = 0;
        while (k < m && har[k] == s[k])
            ++k;
        if (k == s.size() || k == har.size()) {
            if (fundet) m_lager = std::move(fundet);
            if (k < s.size()) m_lager->tekst.append(s.mid(k));
            m_laengde = fra + s.size();
            return;
        }
        if (skridt == kaedeSkridt || fra > l->faelles) break;
        std::shared_ptr<Lager> naeste = l->videre.lock();
        if (!naeste) break;
        fundet = std::move(naeste);
        l = fundet.get();
    }
    // No buffer holds it. One that no other text uses, and that no other
    // buffer shares this part of, is written over.
    if (m_lager.use_count() == 1 && fra >= m_lager->laast) {
        m_lager->tekst.truncate(fra);
        m_lager->tekst.append(s);
        m_lager->faelles = qMin(m_lager->faelles, fra);
        m_laengde = fra + s.size();
        return;
    }
    auto ny = std::make_shared<Lager>();
    ny->tekst.reserve(fra + s.size());
    ny->tekst.append(QStringView(std::as_const(l->tekst)).left(fra));
    ny->tekst.append(s);
    ny->laast = fra;
    l->videre = ny;
    l->faelles = fra;
    m_lager = std::move(ny);
    m_laengde = fra + s.size();
}

void TDelttekst::insert(qsizetype pos, QStringView s) {
    if (pos >= m_laengde) {
        append(s);
        return;
    }
    QString resten;
    resten.reserve(s.size() + m_laengde - pos);
    resten.append(s);
    resten.append(view().mid(pos));
    truncate(pos);
    append(resten);
}

bool TDelttekst::kaedeDeler(const Lager* a, const Lager* b, qsizetype n) {
    std::shared_ptr<Lager> holdt;
    for (int skridt = 0; a && skridt < kaedeSkridt && n <= a->faelles; ++skridt) {
        holdt = a->videre.lock();
        a = holdt.get();
        if (a == b) return true;
    }
    return false;
}

bool TDelttekst::sammeBegyndelse(const TDelttekst& andet, qsizetype n) const {
    if (n > m_laengde || n > andet.m_laengde) return false;
    if (n == 0 || m_lager == andet.m_lager) return true;
    if (kaedeDeler(m_lager.get(), andet.m_lager.get(), n) ||
        kaedeDeler(andet.m_lager.get(), m_lager.get(), n))
        return true;
    return view().left(n) == andet.view().left(n);
}

bool operator==(const TDelttekst& a, const TDelttekst& b) {
    if (a.m_laengde != b.m_laengde) return false;
    return a.sammeBegyndelse(b, a.m_laengde);
}
