#include "core/calc/optagelse.h"

void TOptagelse::setMemo(const QString& s) {
    m_memo = TDelttekst(s);
    m_memoTom = s.isEmpty();
}

void TOptagelse::overtagMemo(const TOptagelse& andet) {
    m_memo = andet.m_memo;
    m_memoTom = andet.m_memoTom;
    m_fulgt = andet.m_fulgt;
}

void TOptagelse::memoFoelger() {
    if (m_memoTom) return;
    ++m_fulgt;
    m_memo = m_tekst;
    m_memoTom = m_tekst.isEmpty();
}
