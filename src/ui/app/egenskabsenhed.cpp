#include "ui/app/egenskabsenhed.h"

#include "ui/app/egenskabsform.h"
#include "ui/app/omform.h"

TEgenskabsEnhed::TEgenskabsEnhed(const Behov& behov)
    : m_ramme(behov.ramme), m_hovedvindue(behov.hovedvindue),
      m_egenskaber(behov.ramme, behov.hukommelse, behov.beskeder) {
    m_egenskaber.FormCreate();
}

Tegenskabsform& TEgenskabsEnhed::egenskabsform() {
    if (!m_egenskabsform) m_egenskabsform = new Tegenskabsform(m_egenskaber, m_hovedvindue());
    return *m_egenskabsform;
}

TomForm& TEgenskabsEnhed::omform() {
    if (!m_omform) m_omform = new TomForm(m_ramme, m_hovedvindue());
    return *m_omform;
}

void TEgenskabsEnhed::lukVinduer() {
    if (m_omform && m_omform->isVisible()) m_omform->close();
}
