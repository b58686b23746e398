#include "ui/equations/ligningsenhed.h"

#include "ui/equations/ligningssider.h"

TLigningsEnhed::TLigningsEnhed(const Behov& behov)
    : m_andengrads(behov.beskeder, behov.regner, behov.meta, behov.hukommelse),
      m_ligninger(behov.beskeder, behov.regner, behov.meta, behov.hukommelse, &m_andengrads),
      m_statistik(behov.beskeder, behov.regner, behov.meta, behov.hukommelse) {
    indsaetLigningssider(behov.vindue, behov.ramme, m_andengrads, m_ligninger, m_statistik);
}
