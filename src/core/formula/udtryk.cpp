#include "core/formula/udtryk.h"

#include "core/calc/metaliste.h"
#include "core/calc/regner.h"

TUdtryk::TUdtryk(TRegner& regner, TMetaListe& meta, QObject* parent)
    : QObject(parent), m_regner(regner), m_meta(meta) {
    // Every key may rewrite the memo and changes what the actions allow.
    connect(&m_regner, &TRegner::aendret, this, &TUdtryk::aendret);
    connect(&m_meta, &TMetaListe::aendret, this, &TUdtryk::aendret);
}

QString TUdtryk::uMemo() const {
    return m_regner.uMemoTekst();
}

void TUdtryk::setUMemo(const QString& tekst) {
    if (tekst == m_regner.uMemoTekst()) return;
    m_regner.setUMemoTekst(tekst);
    Q_EMIT aendret();
}

void TUdtryk::setUPanelSynlig(bool synlig) {
    if (synlig == m_uPanelSynlig) return;
    m_uPanelSynlig = synlig;
    Q_EMIT aendret();
}

void TUdtryk::uMemoKnapClick() {
    setUPanelSynlig(!m_uPanelSynlig);
}

bool TUdtryk::aBeregnEnabled() const {
    return !uMemo().isEmpty();
}

void TUdtryk::aBeregn() {
    if (!aBeregnEnabled()) return;
    // With no keypad shown the keys would not act; Beregn then changes nothing.
    if (!m_regner.tastaturSynligt()) return;
    QString tekst = uMemo();
    // The lines are joined without separators: the text becomes one line.
    tekst.remove(u'\r');
    tekst.remove(u'\n');
    tekst.remove(QChar::LineSeparator);
    tekst.remove(QChar::ParagraphSeparator);
    m_regner.beregnFormeltekst(tekst);
}

bool TUdtryk::aVisEnabled() const {
    return !m_regner.udText().isEmpty();
}

void TUdtryk::aVis() {
    if (!aVisEnabled()) return;
    m_regner.setUMemoTekst(m_regner.formelString());
    Q_EMIT aendret();
}

bool TUdtryk::aRydAltEnabled() const {
    return !uMemo().isEmpty() || !m_regner.udText().isEmpty() || m_meta.antal() > 0;
}

void TUdtryk::aRydAlt() {
    m_regner.setFormelOn(false);
    m_regner.Ny(false);
    m_regner.setUMemoTekst(QString());
    Q_EMIT aendret();
}

bool TUdtryk::newFormelEnabled() const {
    return !uMemo().isEmpty();
}

void TUdtryk::newFormel() {
    setUMemo(QString());
}

int TUdtryk::AinsertFromDis(int caret, int selLength) {
    QString tekst = uMemo();
    const int fra = qBound(0, caret, static_cast<int>(tekst.size()));
    const int laengde = qBound(0, selLength, static_cast<int>(tekst.size()) - fra);
    const QString& tal = m_regner.Dstr();
    tekst.replace(fra, laengde, tal);
    setUMemo(tekst);
    m_regner.setUMemoFokus(true);
    Q_EMIT uMemoFokusOenskes();
    return fra + static_cast<int>(tal.size());
}

void TUdtryk::SpeedButton14Click() {
    Q_EMIT informationOenskes(QStringLiteral("Udtryk og formelsprog"));
}
