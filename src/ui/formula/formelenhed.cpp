#include "ui/formula/formelenhed.h"

#include "core/app/mainformmodel.h"
#include "ui/app/mainform.h"
#include "ui/formula/formelpanel.h"

TFormelEnhed::TFormelEnhed(const Behov& behov)
    : m_behov(behov), m_formel(behov.regner, behov.meta, behov.beskeder, behov.ramme.formeldir()) {
    m_formel.LoadFormelFilboks();
}

void TFormelEnhed::indsaet(Tmainform& vindue) {
    TMainformModel& ramme = m_behov.ramme;
    vindue.erstatSide(TMainformModel::FormelSide,
                      new TFormelPanel(m_formel, ramme, vindue.centralWidget()));
    ramme.setSideTaster(TMainformModel::FormelSide, [this](int tast, Qt::KeyboardModifiers m) {
        return m_formel.FormKeyDown(tast, m);
    });
    ramme.gentagFormel = [this] { m_formel.formelBeregnClick(); };
    connect(&m_formel, &TFormelProgram::informationOenskes, this,
            [&ramme](const QString& emne) { ramme.Information(emne); });
    connect(&m_formel, &TFormelProgram::visRegnerOenskes, &ramme,
            &TMainformModel::visRegnerMedListe);
    auto caption = [this, &vindue] {
        vindue.setSideskiftCaption(TMainformModel::FormelSide, m_formel.sideknapTekst());
    };
    connect(&m_formel, &TFormelProgram::aendret, this, caption);
    caption();
}
