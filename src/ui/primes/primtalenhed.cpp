#include "ui/primes/primtalenhed.h"

#include "core/app/mainformmodel.h"
#include "core/calc/regner.h"
#include "ui/primes/primtalform.h"

TPrimtalEnhed::TPrimtalEnhed(const Behov& behov)
    : m_hovedvindue(behov.hovedvindue),
      m_primtal(behov.beskeder, [&regner = behov.regner] { return regner.Dval(); }) {
    TMainformModel& ramme = behov.ramme;
    ramme.setKanLukkes([this] { return m_primtal.kanLukkes(); });
    connect(&ramme, &TMainformModel::primtalOenskes, this, [this](qint32 tal) {
        m_primtal.forudindstil(tal);
        primtalform().vis();
    });
    connect(&m_primtal, &TPrimtalModel::informationOenskes, &ramme, &TMainformModel::HelpInfo);
}

TprimtalForm& TPrimtalEnhed::primtalform() {
    if (!m_primtalform) m_primtalform = new TprimtalForm(m_primtal, &m_hovedvindue);
    return *m_primtalform;
}
