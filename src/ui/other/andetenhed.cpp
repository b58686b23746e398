#include "ui/other/andetenhed.h"

#include "core/app/mainformmodel.h"
#include "ui/other/andetform.h"

TAndetEnhed::TAndetEnhed(const Behov& behov)
    : m_andet(
          behov.hjaelp, [&ramme = behov.ramme] { return ramme.doShowHint; }, behov.ramme.mapper(),
          behov.hukommelse, behov.regner, behov.beskeder) {
    m_andet.FormCreate();
    m_andetform = new Tandetform(m_andet, &behov.hovedvindue);
    behov.ramme.vedLukning([this] { m_andet.gemOpt(); });
}

void TAndetEnhed::lukVinduer() {
    if (m_andetform->isVisible()) m_andetform->close();
}
