#include "optagelse.h"

void TOptagelse::afkort(qsizetype laengde) {
    if (laengde >= m_tekst.size()) return;
    if (m_venter && laengde < m_p) {
        m_hale.prepend(QStringView(m_tekst).mid(laengde, m_p - laengde));
        m_p = laengde;
    }
    m_tekst.truncate(laengde);
}

void TOptagelse::saet(const QString& s) {
    ryd();
    m_tekst = s;
}

QString TOptagelse::memo() const {
    if (m_venter) {
        m_memo = m_tekst.left(m_p) + m_hale;
        m_hale.clear();
        m_venter = false;
    }
    return m_memo;
}

void TOptagelse::setMemo(const QString& s) {
    m_venter = false;
    m_hale.clear();
    m_memo = s;
    m_memoTom = s.isEmpty();
}

void TOptagelse::overtagMemo(const TOptagelse& andet) {
    m_memo = andet.m_memo;
    m_venter = andet.m_venter;
    m_p = andet.m_p;
    m_hale = andet.m_hale;
    m_memoTom = andet.m_memoTom;
    m_fulgt = andet.m_fulgt;
}

void TOptagelse::memoFoelger() {
    if (m_memoTom) return;
    ++m_fulgt;
    m_venter = true;
    m_p = m_tekst.size();
    m_hale.clear();
    m_memoTom = m_tekst.isEmpty();
}
