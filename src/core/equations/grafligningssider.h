#pragma once
// The equation pages as the graph window sees them: the quadratic page and
// the two-equations page behind the graph's TLigningssider.
#include "core/graph/ligningssider.h"

class TAndengrads;
class TLigninger;

class TGrafLigningssider : public TLigningssider {
public:
    TGrafLigningssider(TAndengrads& andengrads, TLigninger& ligninger)
        : m_andengrads(andengrads), m_ligninger(ligninger) {}

    TLigning andengrads() const override;
    void saetAndengrads(double a, double b, double c) override;
    bool beregnAndengrads() override;
    QString andengradsRod(bool foerste) const override;

    bool hentLigninger(TLigning& l1, TLigning& l2) override;
    void saetLigning(bool foerste, const TLigning& l) override;
    QString loesningX(bool foerste) const override;
    QString loesningY(bool foerste) const override;

private:
    TAndengrads& m_andengrads;
    TLigninger& m_ligninger;
};
