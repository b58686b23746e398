#pragma once
// Internal to the calculator engine: one handled key. Nested handlers share
// the outermost one, which releases the list and the memory and tells the
// views once, however many internal steps (or replayed keys) ran.
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"

class TRegner::Haandtering {
public:
    explicit Haandtering(TRegner& r) : m_r(r) {
        if (m_r.m_dybde++ == 0) {
            m_r.m_meta.hold();
            m_r.m_huk.hold();
        }
    }
    ~Haandtering() {
        if (m_r.m_dybde == 1) m_r.holdTilbageParat();
        if (--m_r.m_dybde > 0) return;
        m_r.m_meta.slip();
        m_r.m_huk.slip();
        if (m_r.m_fokusFjernes) {
            m_r.m_fokusFjernes = false;
            Q_EMIT m_r.fokusFjernes();
        }
        Q_EMIT m_r.aendret();
    }
    Haandtering(const Haandtering&) = delete;
    Haandtering& operator=(const Haandtering&) = delete;

private:
    TRegner& m_r;
};
