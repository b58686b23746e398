#include "core/other/kalender.h"

#include "core/common/fejl.h"

bool TKalender::gyldig(int aar, int maaned, int dag) {
    return aar >= 1 && aar <= 9999 && QDate::isValid(aar, maaned, dag);
}

bool TKalender::setDato(const QDate& d) {
    if (!d.isValid() || !gyldig(d.year(), d.month(), d.day())) return false;
    if (d == m_dato) return false;
    m_dato = d;
    return true;
}

bool TKalender::byg(int aar, int maaned, int dag) {
    if (!gyldig(aar, maaned, dag))
        throw TFejl(QStringLiteral("Ugyldigt argument til datokodning: %1-%2-%3")
                        .arg(dag)
                        .arg(maaned)
                        .arg(aar));
    return setDato(QDate(aar, maaned, dag));
}

bool TKalender::setDag(int dag) {
    if (dag < 1 || dag > m_dato.daysInMonth() || dag == m_dato.day()) return false;
    return byg(m_dato.year(), m_dato.month(), dag);
}

bool TKalender::setMaaned(int maaned) {
    if (maaned < 1 || maaned > 12 || maaned == m_dato.month()) return false;
    return byg(m_dato.year(), maaned, m_dato.day());
}

bool TKalender::setAar(int aar) {
    if (aar < 1 || aar == m_dato.year()) return false;
    return byg(aar, m_dato.month(), m_dato.day());
}

bool TKalender::flytMaaned(int n) {
    return setDato(m_dato.addMonths(n));
}

bool TKalender::flytAar(int n) {
    QDate d = m_dato;
    if (d.month() == 2 && d.day() == 29) d.setDate(d.year(), 2, 28);
    const int aar = d.year() + n;
    if (aar < 1 || aar > 9999) return false;
    return setDato(QDate(aar, d.month(), d.day()));
}
