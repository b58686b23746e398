// The engine's side of formula programs: the few state changes a running
// program makes between the keys it presses, and "Tilbage" while it runs.
#include "core/calc/regner.h"

#include "core/calc/regner_haandtering.h"
#include "core/common/taltekst.h"

void TRegner::setUdtrykGo(bool go) {
    m_UdtrykGo = go;
}

void TRegner::formelVisVaerdi(double v) {
    Haandtering h(*this);
    m_Dval = v;
    UdskrivRmRes();
}

void TRegner::formelNytTal() {
    Haandtering h(*this);
    saetDstr(QStringLiteral("0"));
    m_ResOn = false;
    m_talKey = false;
}

void TRegner::formelSpoerg() {
    Haandtering h(*this);
    m_Dval = 0;
    saetDstr(QStringLiteral("0"));
    visDstr();
    m_talKey = false;
}

// While a program runs, a new task cannot begin, so undoing by replaying the
// task would add the whole recording to the number being typed. Instead the
// last character of that number goes; other keys are not undone.
void TRegner::tilbageIFormel() {
    if (!m_talKey || m_Dstr.isEmpty()) return;
    QString rest = m_Dstr.view().chopped(1).toString();
    const qsizetype kodeStart = qMin(m_talStart, m_formel.size());
    if (m_formel.size() > kodeStart) m_formel.afkort(m_formel.size() - 1);
    if (rest.isEmpty() || rest == QLatin1String("-")) rest = QStringLiteral("0");
    saetDstr(rest);
    m_Dval = tal::laes(rest.endsWith(u',') ? rest.chopped(1) : rest);
    m_dstrKomma = rest.contains(u',');
    visDstr();
}
