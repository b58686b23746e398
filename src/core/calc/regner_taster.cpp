// Keyboard, button clicks, memory keys and the calculation-list switches of
// the calculator engine.
#include "core/calc/regner.h"

#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner_haandtering.h"

#include <QHash>

using namespace Qt::StringLiterals;

void TRegner::FormKeyPress(QChar Key) {
    if (!m_tastaturSynligt || m_uMemoFokus) return;
    Haandtering h(*this);
    m_ukendtTegn = false;
    fjernFokus();
    const char16_t c = Key.unicode();
    if (c >= u'0' && c <= u'9') {
        rmCifferClick(c - u'0');
        return;
    }
    switch (c) {
    case 8: // Backspace
        BackTalExecute();
        break;
    case 13: // Enter: "=" without a code and without touching Inv
        if (m_PformelOn) {
            BeregnResultat();
        } else {
            BeregnResultat();
            m_enterResultat = true;
        }
        break;
    case u',':
    case u'.':
        rmKommaClick();
        break;
    case u'+':
        oprPlusClick();
        break;
    case u'-':
        oprMinusClick();
        break;
    case u'*':
        oprGangeClick();
        break;
    case u'/':
        oprDividerClick();
        break;
    case u'=':
        oprResultatClick();
        break;
    case u'(':
        funkPbegyndClick();
        break;
    case u')':
        funkPslutClick();
        break;
    case u'%':
        oprProcentClick();
        break;
    case u'^':
    case u'y':
        bePotensYClick();
        break;
    case u'@':
    case u'x':
        bePotens2Click();
        break;
    case u'#':
    case u'z':
        bePotens3Click();
        break;
    case u'q':
    case u'w':
        PotRod(Key);
        break;
    case u'm':
        beModClick();
        break;
    case u'!':
        beNClick();
        break;
    case u's':
        beSinClick();
        break;
    case u'c':
        beCosClick();
        break;
    case u't':
        beTanClick();
        break;
    case u'o':
        beCotClick();
        break;
    case u'n':
        beLnClick();
        break;
    case u'e':
        beExpClick();
        break;
    case u'l':
        beLogClick();
        break;
    case u'r':
        beReciprogClick();
        break;
    case u'f':
        rmPlusMinusClick();
        break;
    case u'p':
        oprPiClick();
        break;
    case u'h':
        funkHypClick(!m_hyp);
        break;
    case u'i':
        funkInversClick(!m_inv);
        break;
    case u'v':
        gradGraderClick();
        break;
    case u'b':
        gradRadianerClick();
        break;
    case u'd':
        gradNygraderClick();
        break;
    case u'a':
        if (m_ResOn) RoundTalExecute();
        break;
    case u'g':
        hukGemClick();
        break;
    case u'j':
        hukHentClick();
        break;
    default:
        // Unknown: a running replay or expression evaluation stops.
        m_UdtrykGo = false;
        m_ukendtTegn = true;
        break;
    }
}

bool TRegner::FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (!m_tastaturSynligt) return false;
    if (m_uMemoFokus) {
        if (qtKey != Qt::Key_F1) return false;
        Q_EMIT informationOenskes(QStringLiteral("Udtryk og formelsprog"));
        return true;
    }
    Haandtering h(*this);
    // Plain keys first, then the Ctrl combinations.
    switch (qtKey) {
    case Qt::Key_Home:
        fjernFokus();
        disNyClick();
        return true;
    case Qt::Key_F1:
        fjernFokus();
        Q_EMIT informationOenskes(QStringLiteral("Tavlix"));
        return true;
    case Qt::Key_F9:
        fjernFokus();
        oprResultatClick();
        return true;
    case Qt::Key_PageUp:
        fjernFokus();
        hukHentClick();
        return true;
    case Qt::Key_PageDown:
        fjernFokus();
        hukGemClick();
        return true;
    case Qt::Key_End:
        fjernFokus();
        rmSletAktuelleClick();
        return true;
    case Qt::Key_Delete:
        fjernFokus();
        if (!DelTalEnabled()) return false;
        DelTalExecute();
        return true;
    default:
        break;
    }
    if (!(modifiers & Qt::ControlModifier)) return false;
    switch (qtKey) {
    case Qt::Key_N:
        fjernFokus();
        disNyClick();
        return true;
    case Qt::Key_S:
        fjernFokus();
        rmSletAktuelleClick();
        return true;
    case Qt::Key_T:
        fjernFokus();
        rmDeleteHukommelseClick();
        return true;
    default:
        return false;
    }
}

bool TRegner::klik(const QString& kontrolNavn) {
    using Handler = void (TRegner::*)();
    static const QHash<QString, Handler> handlere = {
        {u"rmKomma"_s, &TRegner::rmKommaClick},
        {u"rmKommaX"_s, &TRegner::rmKommaClick},
        {u"rmPlusMinus"_s, &TRegner::rmPlusMinusClick},
        {u"rmPlusMinusX"_s, &TRegner::rmPlusMinusClick},
        {u"oprPlus"_s, &TRegner::oprPlusClick},
        {u"oprPlusX"_s, &TRegner::oprPlusClick},
        {u"oprMinus"_s, &TRegner::oprMinusClick},
        {u"oprMinusX"_s, &TRegner::oprMinusClick},
        {u"oprGange"_s, &TRegner::oprGangeClick},
        {u"oprGangeX"_s, &TRegner::oprGangeClick},
        {u"oprDivider"_s, &TRegner::oprDividerClick},
        {u"oprDividerX"_s, &TRegner::oprDividerClick},
        {u"oprProcent"_s, &TRegner::oprProcentClick},
        {u"oprProcentX"_s, &TRegner::oprProcentClick},
        {u"beMod"_s, &TRegner::beModClick},
        {u"bePotensY"_s, &TRegner::bePotensYClick},
        {u"bePotens2"_s, &TRegner::bePotens2Click},
        {u"bePotens2X"_s, &TRegner::bePotens2Click},
        {u"bePotens3"_s, &TRegner::bePotens3Click},
        {u"rodToKnap"_s, &TRegner::rodToKnapClick},
        {u"funkPbegynd"_s, &TRegner::funkPbegyndClick},
        {u"funkPslut"_s, &TRegner::funkPslutClick},
        {u"oprResultat"_s, &TRegner::oprResultatClick},
        {u"oprResultatX"_s, &TRegner::oprResultatClick},
        {u"beSin"_s, &TRegner::beSinClick},
        {u"beCos"_s, &TRegner::beCosClick},
        {u"beTan"_s, &TRegner::beTanClick},
        {u"beCot"_s, &TRegner::beCotClick},
        {u"beLn"_s, &TRegner::beLnClick},
        {u"beExp"_s, &TRegner::beExpClick},
        {u"beLog"_s, &TRegner::beLogClick},
        {u"beN"_s, &TRegner::beNClick},
        {u"beReciprog"_s, &TRegner::beReciprogClick},
        {u"beReciprogX"_s, &TRegner::beReciprogClick},
        {u"oprPi"_s, &TRegner::oprPiClick},
        {u"gradGrader"_s, &TRegner::gradGraderClick},
        {u"gradRadianer"_s, &TRegner::gradRadianerClick},
        {u"gradNygrader"_s, &TRegner::gradNygraderClick},
        {u"disNy"_s, &TRegner::disNyClick},
        {u"disSlet"_s, &TRegner::konFunkExecute},
        {u"disTilbage"_s, &TRegner::BackTalExecute},
        {u"DelTal"_s, &TRegner::DelTalExecute},
        {u"RoundTal"_s, &TRegner::RoundTalExecute},
        {u"hukGem"_s, &TRegner::hukGemClick},
        {u"hukGemX"_s, &TRegner::hukGemClick},
        {u"hukHent"_s, &TRegner::hukHentClick},
        {u"hukHentX"_s, &TRegner::hukHentClick},
    };
    if (kontrolNavn == QLatin1String("funkInvers")) {
        funkInversClick(!m_inv);
        return true;
    }
    if (kontrolNavn == QLatin1String("funkHyp")) {
        funkHypClick(!m_hyp);
        return true;
    }
    // Digits: rm0 … rm9 and rm0X … rm9X.
    if (kontrolNavn.startsWith(QLatin1String("rm")) && kontrolNavn.size() >= 3 &&
        kontrolNavn[2].isDigit() &&
        (kontrolNavn.size() == 3 || (kontrolNavn.size() == 4 && kontrolNavn[3] == u'X'))) {
        rmCifferClick(kontrolNavn[2].digitValue());
        return true;
    }
    const auto it = handlere.constFind(kontrolNavn);
    if (it == handlere.constEnd()) return false;
    (this->**it)();
    return true;
}

// ---- Memory ------------------------------------------------------------------

void TRegner::hukGemClick() {
    Haandtering h(*this);
    m_knapNo = 34;
    tilfoejKode(u'g');
    // "Tilbage" replays the task: the value was stored when the key was pressed.
    if (m_fortryder) return;
    const QString label = (m_ResOn && m_meta.antal() > 0) ? m_meta.sidsteLinje() : QString();
    m_huk.gemFraVindue(label, m_Dval);
}

void TRegner::hukHentClick() {
    Haandtering h(*this);
    m_knapNo = 35;
    tilfoejKode(u'j');
    double v = m_huk.Hval;
    // "Tilbage" fetches what the key fetched, whatever the memory holds now.
    if (m_fortryder && m_hentIndex < m_hentetFoer.size()) v = m_hentetFoer[m_hentIndex++];
    m_hentet.append(v);
    m_Dval = v;
    saetDstr(ValS(v));
    visDstr();
    udskrivUdtext(m_Dstr.toString(), false);
}

void TRegner::rmSletAktuelleClick() {
    Haandtering h(*this);
    m_huk.rmSletAktuelleClick();
}

void TRegner::rmDeleteHukommelseClick() {
    Haandtering h(*this);
    m_huk.rmDeleteHukommelseClick();
}

// ---- Calculation list ----------------------------------------------------------

void TRegner::metaSletClick() {
    Haandtering h(*this);
    m_meta.toem();
}

void TRegner::metaAktivClick(bool checked) {
    Haandtering h(*this);
    m_disOn = checked;
}

void TRegner::metaIndUdClick(bool checked) {
    Haandtering h(*this);
    m_UdskrivInOut = checked;
}
