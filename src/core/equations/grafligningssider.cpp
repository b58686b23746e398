#include "core/equations/grafligningssider.h"

#include "core/common/almenx.h"
#include "core/common/taltekst.h"
#include "core/equations/andengrads.h"
#include "core/equations/ligninger.h"

TLigning TGrafLigningssider::andengrads() const {
    TLigning l;
    l.opr = u'a';
    l.a = m_andengrads.Dval_a;
    l.b = m_andengrads.Dval_b;
    l.c = m_andengrads.Dval_c;
    return l;
}

void TGrafLigningssider::saetAndengrads(double a, double b, double c) {
    m_andengrads.setAndengradsA(tal::generel(a));
    m_andengrads.setAndengradsB(tal::generel(b));
    m_andengrads.setAndengradsC(tal::generel(c));
}

bool TGrafLigningssider::beregnAndengrads() {
    m_andengrads.andengradsBeregnClick();
    return m_andengrads.Lon;
}

QString TGrafLigningssider::andengradsRod(bool foerste) const {
    return foerste ? m_andengrads.andengradsX1() : m_andengrads.andengradsX2();
}

bool TGrafLigningssider::hentLigninger(TLigning& l1, TLigning& l2) {
    TLigninger& l = m_ligninger;
    if (!l.UdskrivStatus()) return false;
    double v[6];
    for (int i = 0; i < 6; ++i) {
        const auto b = TLigninger::Boks(i);
        v[i] = TAlmenX::EditFloat(l.boks(b));
        l.setBoks(b, tal::generel(v[i]));
    }
    l1 = {TLigninger::formTegn(l.ligninger1()), v[TLigninger::L1a], v[TLigninger::L1b],
          v[TLigninger::L1c]};
    l2 = {TLigninger::formTegn(l.ligninger2()), v[TLigninger::L2a], v[TLigninger::L2b],
          v[TLigninger::L2c]};
    return true;
}

void TGrafLigningssider::saetLigning(bool foerste, const TLigning& l) {
    const int form = l.opr == u'+'   ? TLigninger::Plus
                     : l.opr == u'*' ? TLigninger::Gange
                     : l.opr == u'/' ? TLigninger::Division
                                     : -1;
    if (foerste) {
        m_ligninger.ligninger1Click(form);
        m_ligninger.setBoks(TLigninger::L1a, tal::generel(l.a));
        m_ligninger.setBoks(TLigninger::L1b, tal::generel(l.b));
        m_ligninger.setBoks(TLigninger::L1c, tal::generel(l.c));
    } else {
        m_ligninger.ligninger2Click(form);
        m_ligninger.setBoks(TLigninger::L2a, tal::generel(l.a));
        m_ligninger.setBoks(TLigninger::L2b, tal::generel(l.b));
        m_ligninger.setBoks(TLigninger::L2c, tal::generel(l.c));
    }
}

QString TGrafLigningssider::loesningX(bool foerste) const {
    return foerste ? m_ligninger.ligningX1() : m_ligninger.ligningX2();
}

QString TGrafLigningssider::loesningY(bool foerste) const {
    return foerste ? m_ligninger.ligningY1() : m_ligninger.ligningY2();
}
