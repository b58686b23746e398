// State, number entry and display of the calculator engine.
#include "core/calc/regner.h"

#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner_haandtering.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <cmath>
#include <limits>

namespace {

const QString fejlTekst = QStringLiteral("Ugyldige funktionsdata   ");

bool erCiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads a typed number of more than a thousand characters. The value of such
// a text is decided by its first 800 significant digits and by whether any
// later digit is non-zero (no rounding boundary of a double needs more
// digits), so the text is shortened to that before reading. `stabil` tells
// that no digit appended later can change the value: the integer part is far
// beyond the double range, or a non-zero digit already lies past the kept
// ones. `komma` tells whether the text holds the decimal comma.
double laesLangtTal(const QString& s, bool& stabil, bool& komma) {
    stabil = false;
    komma = s.contains(u',');
    qsizetype i = 0;
    bool negativ = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negativ = s[i++] == u'-';
    const qsizetype start = i;
    qsizetype kommaPos = -1;
    for (qsizetype k = start; k < s.size(); ++k) {
        if (s[k] == u',' && kommaPos < 0)
            kommaPos = k;
        else if (!erCiffer(s[k]))
            return tal::laes(s); // not a plain decimal: the reader decides (or throws)
    }
    const QStringView heltalDel =
        QStringView(s).mid(start, (kommaPos < 0 ? s.size() : kommaPos) - start);
    const QStringView broekDel = kommaPos < 0 ? QStringView() : QStringView(s).mid(kommaPos + 1);
    if (heltalDel.isEmpty() && broekDel.isEmpty()) return tal::laes(s);

    qsizetype foersteCiffer = 0;
    while (foersteCiffer < heltalDel.size() && heltalDel[foersteCiffer] == u'0')
        ++foersteCiffer;
    const QStringView heltal = heltalDel.mid(foersteCiffer);
    if (heltal.size() > 400) {
        stabil = true;
        return negativ ? -HUGE_VAL : HUGE_VAL;
    }
    // Significant digits start at the first non-zero digit.
    qsizetype signifikantStart = 0; // index into heltal + broekDel
    const qsizetype alle = heltal.size() + broekDel.size();
    auto ciffer = [&](qsizetype k) {
        return k < heltal.size() ? heltal[k] : broekDel[k - heltal.size()];
    };
    while (signifikantStart < alle && ciffer(signifikantStart) == u'0')
        ++signifikantStart;
    constexpr qsizetype maks = 800;
    if (alle - signifikantStart <= maks) return tal::laes(s);

    const qsizetype behold = signifikantStart + maks; // always inside the fraction
    bool hale = false;
    for (qsizetype k = behold; k < alle && !hale; ++k)
        hale = ciffer(k) != u'0';
    QString kort;
    kort.reserve(behold + 4);
    if (negativ) kort += u'-';
    kort += heltal.isEmpty() ? QStringView(u"0") : heltal;
    kort += u',';
    kort += broekDel.left(behold - heltal.size());
    if (hale) kort += u'1';
    stabil = hale;
    return tal::laes(kort);
}

} // namespace

TRegner::TRegner(Beskeder& beskeder, TMetaListe& meta, THukommelse& huk, QObject* parent)
    : QObject(parent), m_beskeder(beskeder), m_meta(meta), m_huk(huk) {}

TRegner::~TRegner() = default;

double TRegner::Hval() const {
    return m_huk.Hval;
}

void TRegner::setFormelOn(bool on) {
    m_FormelOn = on;
}

void TRegner::setPformelOn(bool on) {
    m_PformelOn = on;
}

QString TRegner::parentesTekst() const {
    return m_ParaCount > 0 ? QString::number(m_ParaCount) : QString();
}

void TRegner::setUMemoTekst(const QString& tekst) {
    m_formel.setMemo(tekst);
}

void TRegner::setTastaturSynligt(bool synligt) {
    m_tastaturSynligt = synligt;
}

void TRegner::setUMemoFokus(bool fokus) {
    m_uMemoFokus = fokus;
}

void TRegner::visRmSideNulstil() {
    Haandtering h(*this);
    // Recorded as toggles, so a replay of the task keeps computing what the
    // keys computed after the page was shown.
    saetHyp(false, true);
    saetInv(false, true);
    m_inversFunk = false;
}

// ---- Small state helpers ---------------------------------------------------

void TRegner::saetDstr(const QString& s) {
    if (m_displayErDstr) {
        // The display keeps the old text.
        m_display = m_Dstr;
        m_displayErDstr = false;
    }
    m_Dstr = s;
    m_dstrLangKendt = false;
}

void TRegner::saetDisplay(const QString& s) {
    if (visning().view() == s) return;
    m_display = s;
    m_displayErDstr = false;
    fjernFokus();
}

// The display shows the current number's text.
void TRegner::visDstr() {
    m_displayErDstr = true;
    m_display = TDelttekst();
    fjernFokus();
}

void TRegner::saetOperator(const QString& s) {
    if (s == m_operator) return;
    m_operator = s;
    rmOperatorChange();
}

void TRegner::fjernFokus() {
    m_uMemoFokus = false;
    m_fokusFjernes = true;
}

void TRegner::skrivLinje(const QString& linje) {
    if (!m_FormelOn && m_disOn) m_meta.tilfoej(linje);
}

void TRegner::saetInv(bool checked, bool optag) {
    if (m_inv == checked) return;
    if (optag) tilfoejKode(u'i');
    m_inv = checked;
    knapCaptions();
}

void TRegner::saetHyp(bool checked, bool optag) {
    if (m_hyp == checked) return;
    if (optag) tilfoejKode(u'h');
    m_hyp = checked;
    knapCaptions();
}

// ---- Operations ------------------------------------------------------------

void TRegner::Ny(bool bevarValue) {
    if (m_FormelOn) return;
    Haandtering h(*this);
    m_Rm.clear();
    m_Waitcount = 0;
    m_ResOn = m_talKey = m_piOn = m_Para = false;
    m_ParaCount = 0;
    m_Tval = 0;
    m_Opr = u'x';
    fjernFokus();
    m_meta.toem();
    m_knapNo = m_PknapNo = -1;
    if (bevarValue) {
        // The result becomes the first number of the new task. The recording
        // keeps the keys that made it (a number text would lose digits), and
        // a result reached by Enter gets its "=" now.
        m_udText = m_Dstr;
        m_gruppeLaengde = -1;
        gemHentEnter();
        return;
    }
    m_Dval = 0;
    saetDstr(QStringLiteral("0"));
    m_udText.clear();
    m_gruppeLaengde = -1;
    m_formel.ryd();
    m_hentet.clear();
    m_enterResultat = false;
    m_talStart = 0;
    saetDisplay(QStringLiteral("0"));
    saetOperator(QString());
    saetInv(false, false);
    m_inversFunk = false;
    saetHyp(false, false);
}

void TRegner::NewRecord(double Val, QChar OprChar) {
    RmRec r;
    r.Tal = Val;
    r.Operatoren = OprChar;
    r.InversFunktion = m_inversFunk;
    m_Rm.append(r);
}

void TRegner::Udskriv(QChar S) {
    // A number cannot follow a closing parenthesis directly.
    if (m_PknapNo == 13) return;
    if (erCiffer(S)) {
        if (m_Dstr.view() == u"0")
            saetDstr(QString(S));
        else
            m_Dstr.append(S);
        try {
            laesDstrEfterCiffer(S);
        } catch (const TFejl&) {
            // The text is no number (INF5): the display keeps what it showed.
            if (m_displayErDstr) saetDisplay(m_Dstr.view().chopped(1).toString());
            throw;
        }
        visDstr();
        udskrivUdtext(QString(S), false);
        m_talKey = true;
    } else if (S == u',') {
        if (m_Dstr.contains(u',')) return;
        if (m_udText.isEmpty()) m_udText = m_Dstr;
        m_gruppeLaengde = -1;
        m_Dstr.append(u',');
        m_dstrKomma = true;
        visDstr();
        udskrivUdtext(QStringLiteral(","), false);
        m_talKey = true;
    }
}

void TRegner::laesDstrEfterCiffer(QChar ciffer) {
    if (m_Dstr.size() <= 1000) {
        m_Dval = tal::laes(m_Dstr.toString());
        return;
    }
    if (m_dstrLangKendt) {
        if (m_dstrStabil) return;
        // A zero after the comma leaves the value as it is.
        if (m_dstrKomma && ciffer == u'0') return;
    }
    m_dstrLangKendt = false;
    bool stabil = false;
    bool komma = false;
    m_Dval = laesLangtTal(m_Dstr.toString(), stabil, komma);
    m_dstrStabil = stabil;
    m_dstrKomma = komma;
    m_dstrLangKendt = true;
}

QString TRegner::ValS(double Val) const {
    if (m_Decimaler == -1 || (std::isfinite(Val) && Val == std::trunc(Val)))
        return tal::generel(Val);
    return tal::fast(Val, m_Decimaler);
}

void TRegner::UdskrivRmRes() {
    m_Opr = u'x';
    saetDstr(ValS(m_Dval));
    visDstr();
}

void TRegner::OmskrivRes() {
    saetDisplay(m_Decimaler == -1 ? tal::generel(m_Dval) : tal::fast(m_Dval, m_Decimaler));
}

void TRegner::ErrorDis() {
    Haandtering h(*this);
    saetDisplay(fejlTekst);
    saetOperator(QStringLiteral("?"));
    m_Opr = u'x';
    m_UdtrykGo = false;
    skrivLinje(QStringLiteral("Tryk [Ny] for ny opgave."));
    skrivLinje(QStringLiteral("Eller anvend [Tilbage] knappen."));
    m_valueError = false;
}

// ---- Entry keys ------------------------------------------------------------

void TRegner::rmCifferClick(int d) {
    Haandtering h(*this);
    const QChar c(u'0' + d);
    m_knapNo = d;
    if (m_ResOn) Ny(false);
    if (!m_talKey) m_talStart = m_formel.size();
    tilfoejKode(c);
    Udskriv(c);
    saetOperator(QString());
}

void TRegner::rmKommaClick() {
    Haandtering h(*this);
    m_knapNo = 10;
    if (m_ResOn) Ny(true);
    if (!m_talKey) m_talStart = m_formel.size();
    tilfoejKode(u',');
    Udskriv(u',');
    saetOperator(QString());
}

void TRegner::rmPlusMinusClick() {
    Haandtering h(*this);
    m_knapNo = 11;
    if (m_Dval == 0) return;
    if (m_ResOn) Ny(true);
    BeregnStraks(12);
}

void TRegner::disNyClick() {
    Haandtering h(*this);
    m_FormelOn = false;
    Ny(false);
}

void TRegner::BackTalExecute() {
    Haandtering h(*this);
    m_knapNo = 37;
    if (m_FormelOn) {
        tilbageIFormel();
        return;
    }
    saetOperator(QString());
    if (!m_formel.isEmpty()) {
        const QChar fjernet = m_formel.sidste();
        m_formel.afkort(m_formel.size() - 1);
        // Undoing the digit after a comma takes the comma too; undoing an Inv
        // or Hyp toggle takes only the toggle.
        if (fjernet != u'i' && fjernet != u'h' && m_formel.sidste() == u',')
            m_formel.afkort(m_formel.size() - 1);
        udfoerAfspilning(m_formel.tekst(), true);
    }
    fjernFokus();
}

void TRegner::DelTalExecute() {
    Haandtering h(*this);
    if (m_talKey) {
        // Remove the codes of the number being typed, and nothing before it.
        const qsizetype fra = qMin(m_talStart, m_formel.size());
        QString andre;
        for (QChar c : m_formel.tekst().view().mid(fra))
            if (!erCiffer(c) && c != u',' && c != u'.') andre += c;
        m_formel.afkort(fra);
        m_formel.tilfoej(andre);
    }
    m_talKey = false;
    udskrivUdtext(QString(), true);
    saetDstr(QStringLiteral("0"));
    m_Dval = 0;
    saetDisplay(QStringLiteral("0"));
}

void TRegner::RoundTalExecute() {
    Haandtering h(*this);
    tilfoejKode(u'a');
    // Values beyond the 64-bit integer range are whole already.
    constexpr double graense = 9223372036854775808.0;
    if (std::isfinite(m_Dval) && std::fabs(m_Dval) < graense) m_Dval = tal::rundHalvLige(m_Dval);
    saetDstr(ValS(m_Dval));
    udskrivUdtext(m_Dstr.toString(), true);
    visDstr();
}

void TRegner::konFunkExecute() {
    Haandtering h(*this);
    if (m_ResOn)
        RoundTalExecute();
    else if (m_talKey)
        DelTalExecute();
}

void TRegner::disDecimalerChange(int itemIndex) {
    Haandtering h(*this);
    m_knapNo = 40;
    m_Decimaler = qBound(0, itemIndex, 5) - 1;
    OmskrivRes();
}
