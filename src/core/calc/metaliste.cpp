#include "metaliste.h"

TMetaListe::TMetaListe(QObject* parent) : QObject(parent) {}

void TMetaListe::tilfoej(const QString& linje) {
    linjer.append(linje);
    valgt = antal() - 1;
    meld();
}

void TMetaListe::toem() {
    if (linjer.isEmpty() && valgt == -1) return;
    linjer.clear();
    valgt = -1;
    meld();
}

void TMetaListe::vaelgSidste() {
    if (valgt == antal() - 1) return;
    valgt = antal() - 1;
    meld();
}

void TMetaListe::gendan(const QStringList& nyeLinjer, int nyValgt) {
    linjer = nyeLinjer;
    valgt = nyValgt;
    meld();
}

void TMetaListe::hold() {
    ++m_holdt;
}

void TMetaListe::slip() {
    if (m_holdt > 0 && --m_holdt == 0 && m_aendretUnderHold) {
        m_aendretUnderHold = false;
        Q_EMIT aendret();
    }
}

void TMetaListe::meld() {
    if (m_holdt > 0)
        m_aendretUnderHold = true;
    else
        Q_EMIT aendret();
}
