#include "core/equations/statistik.h"

#include "core/calc/hukommelse.h"
#include "core/calc/regner.h"
#include "core/common/almenx.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <cmath>
#include <optional>

namespace {

// An entry's or a display's text as a number, or nothing when it is none.
std::optional<double> somTal(const QString& tekst) {
    try {
        return tal::laes(tekst);
    } catch (const TKonverteringsFejl&) {
        return std::nullopt;
    }
}

} // namespace

TStatistik::TStatistik(Beskeder& beskeder, TRegner& regner, TMetaListe& meta, THukommelse& huk,
                       QObject* parent)
    : TLigningsside(beskeder, regner, meta, huk, parent) {}

void TStatistik::vaelg(int index) {
    Aendring a(*this);
    m_valgt = index >= 0 && index < m_boks.size() ? index : -1;
}

void TStatistik::statistikBoksClickCheck(int index, bool markeret) {
    if (index < 0 || index >= m_boks.size()) return;
    Aendring a(*this);
    if (m_boks[index].markeret != markeret) m_markerede += markeret ? 1 : -1;
    m_boks[index].markeret = markeret;
}

void TStatistik::setStatistikValue(const QString& tekst) {
    if (tekst == m_value) return;
    Aendring a(*this);
    m_value = tekst;
}

void TStatistik::setStatistikKvadrater(bool on) {
    Aendring a(*this);
    m_kvadrater = on;
}

void TStatistik::setStatistikN(bool on) {
    Aendring a(*this);
    m_populationN = on;
}

void TStatistik::DisN() {
    Aendring a(*this);
    // Kept as entries come and go: counting the list on every new value
    // would make entering n values take n² steps.
    Nant = static_cast<int>(m_markerede);
    m_nantal = QStringLiteral("n=") + QString::number(Nant);
    Q_EMIT nantalAendret(m_nantal);
}

bool TStatistik::MakeData() {
    Data.clear();
    for (const TStatistikPost& p : m_boks) {
        if (!p.markeret) continue;
        const auto v = somTal(p.tekst);
        if (!v) {
            // An entry that is no number (an odd memory caption) stops the
            // calculation and says which one.
            m_beskeder.statusHint(
                QStringLiteral("Ingen beregning! '%1' er ikke et tal.").arg(p.tekst));
            Data.clear();
            return false;
        }
        Data.append(*v);
    }
    if (Data.size() >= 2) return true;
    m_beskeder.statusHint(QStringLiteral("Ingen beregning!"));
    return false;
}

void TStatistik::visResultat(double v) {
    m_display = tal::generel(v);
    // A success clears an earlier "Ingen beregning!".
    m_beskeder.statusHint(QString());
}

double TStatistik::sum(bool kvadrater) const {
    double s = 0;
    for (double x : Data)
        s += kvadrater ? x * x : x;
    return s;
}

void TStatistik::statistikSumClick() {
    Aendring a(*this);
    if (!MakeData()) return;
    visResultat(sum(m_kvadrater));
}

void TStatistik::statistikGennemsnitClick() {
    Aendring a(*this);
    if (!MakeData()) return;
    visResultat(sum(m_kvadrater) / static_cast<double>(Data.size()));
}

void TStatistik::statistikAfvigelseClick() {
    Aendring a(*this);
    if (!MakeData()) return;
    const auto n = static_cast<double>(Data.size());
    const double middel = sum(false) / n;
    double kvadratsum = 0;
    for (double x : Data)
        kvadratsum += (x - middel) * (x - middel);
    visResultat(std::sqrt(kvadratsum / (m_populationN ? n : n - 1)));
}

void TStatistik::tilfoej(const QString& tekst) {
    m_boks.append({tekst, true});
    ++m_markerede;
}

void TStatistik::statistikInsertValue() {
    Aendring a(*this);
    tilfoej(tal::generel(TAlmenX::EditFloat(m_value)));
    m_value.clear();
    DisN();
}

bool TStatistik::statistikValueKeyPress(QChar key) {
    if (key != QChar(13)) return false;
    statistikInsertValue();
    return true;
}

void TStatistik::statistikHentClick() {
    Aendring a(*this);
    const QString tekst = m_regner.displayTekst();
    const auto v = somTal(tekst);
    // The error text, INF and NAN would only stop every later calculation.
    if (!v || !std::isfinite(*v)) {
        m_beskeder.statusHint(
            QStringLiteral("Displayet viser ikke et tal: '%1' er ikke hentet.").arg(tekst));
        return;
    }
    tilfoej(tekst);
    DisN();
}

void TStatistik::statistikImporterClick() {
    Aendring a(*this);
    const int antal = m_huk.Huk.Antal();
    if (antal == 0) return;
    for (int i = 0; i < antal; ++i)
        tilfoej(m_huk.Huk.GetCaption(i));
    DisN();
}

void TStatistik::statistikSletClick() {
    Aendring a(*this);
    if (m_valgt >= 0 && m_valgt < m_boks.size()) {
        if (m_boks.at(m_valgt).markeret) --m_markerede;
        m_boks.removeAt(m_valgt);
        m_valgt = -1;
    }
    DisN();
}

void TStatistik::statistikNyClick() {
    Aendring a(*this);
    m_boks.clear();
    m_markerede = 0;
    m_valgt = -1;
    DisN();
}

void TStatistik::statistikSendClick() {
    if (m_valgt < 0 || m_valgt >= m_boks.size()) return;
    const QString tekst = m_boks.at(m_valgt).tekst;
    const auto v = somTal(tekst);
    if (!v) {
        m_beskeder.statusHint(QStringLiteral("'%1' er ikke et tal.").arg(tekst));
        return;
    }
    m_huk.gemFraVindue(tekst, *v, tekst);
}

void TStatistik::statistikHukClick() {
    if (m_display.isEmpty()) return;
    const auto v = somTal(m_display);
    if (!v) return;
    m_huk.gemFraVindue(QStringLiteral("Ligninger"), *v, m_display);
}

void TStatistik::statistikSpmClick() {
    Q_EMIT informationOenskes(QStringLiteral("Statistik"));
}

bool TStatistik::FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) {
    // Home in the entry box belongs to the box (it moves the caret).
    const bool home = qtKey == Qt::Key_Home && !(mods & Qt::ControlModifier);
    if (erNyTast(qtKey, mods) && !(home && m_valueFokus)) {
        statistikNyClick();
        return true;
    }
    return false;
}
