#include "core/equations/ligningsside.h"

#include "core/calc/metaliste.h"
#include "core/calc/regner.h"

TLigningsside::TLigningsside(Beskeder& beskeder, TRegner& regner, TMetaListe& meta,
                             THukommelse& huk, QObject* parent)
    : QObject(parent), m_beskeder(beskeder), m_regner(regner), m_meta(meta), m_huk(huk) {}

bool TLigningsside::disOn() const {
    return m_regner.disOn();
}

void TLigningsside::skriv(const QString& linje) {
    if (disOn()) m_meta.tilfoej(linje);
}

void TLigningsside::DoDis() {
    m_regner.DoDis();
}

void TLigningsside::vaelgSidsteLinje() {
    if (disOn()) m_meta.vaelgSidste();
}

void TLigningsside::nulstilFormelOn() {
    m_regner.setFormelOn(false);
}

bool TLigningsside::erNyTast(int qtKey, Qt::KeyboardModifiers mods) {
    return (qtKey == Qt::Key_Home && !(mods & Qt::ControlModifier)) ||
           (qtKey == Qt::Key_N && (mods & Qt::ControlModifier));
}
