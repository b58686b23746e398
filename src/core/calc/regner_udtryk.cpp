// The expression line, the recording and its replay.
#include "core/calc/regner.h"

#include "core/calc/metaliste.h"
#include "core/calc/regner_haandtering.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <algorithm>
#include <bit>

namespace {

bool erCiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool erSkifter(QChar c) {
    return c == u'i' || c == u'h';
}

} // namespace

// ---- Recording ---------------------------------------------------------------

void TRegner::tilfoejKode(QChar c) {
    gemHentEnter();
    m_formel.tilfoej(c);
}

void TRegner::tilfoejKode(const QString& s) {
    gemHentEnter();
    m_formel.tilfoej(s);
}

// A result reached by Enter, and the task now goes on from it: its "=" is
// recorded, so that a replay reaches the same result. The "=" key unchecks
// Inv and Enter does not, so an Inv still checked is recorded after it.
void TRegner::gemHentEnter() {
    if (!m_enterResultat) return;
    m_enterResultat = false;
    m_formel.tilfoej(u'=');
    if (m_inv) m_formel.tilfoej(u'i');
}

// The last code that is a key of its own; Inv and Hyp toggles do not count,
// as they leave the value to act on unchanged.
QChar TRegner::sidsteKode() const {
    const TDelttekst& f = m_formel.tekst();
    for (qsizetype i = f.size() - 1; i >= 0; --i)
        if (!erSkifter(f[i])) return f[i];
    return QChar();
}

void TRegner::setFormelString(const QString& tekst) {
    Haandtering h(*this);
    m_formel.saet(tekst);
    m_enterResultat = false;
    // A number being typed at the end of the text is what "Slet" removes.
    qsizetype k = tekst.size();
    while (k > 0 && (erCiffer(tekst[k - 1]) || tekst[k - 1] == u',' || tekst[k - 1] == u'.' ||
                     tekst[k - 1] == u' '))
        --k;
    m_talStart = k;
}

// ---- Expression line -----------------------------------------------------------

void TRegner::udskrivUdtext(QString S, bool erstatTal) {
    if (m_FormelOn) return;
    if (m_PknapNo == 500) {
        // A function is applied: put its name around its operand.
        const QChar sidste = m_udText.isEmpty() ? QChar() : m_udText.back();
        if (m_udText.isEmpty()) {
            S = S + u'(' + visning().toString() + u')';
        } else if (sidste == u' ') {
            S = S + u'(' + visning().toString() + u')';
            erstatTal = true;
        } else if (sidste == u')') {
            bool fejl = false;
            const qsizetype start = gruppeStart(S, fejl);
            // The line no longer matched the keys and the task was reset:
            // there is nothing left to write the name around.
            if (fejl) return;
            // The name goes in front of the group in place (a chain of
            // functions does not copy the growing group per key); a group
            // that is not in parentheses gets them.
            if (m_udText[start] == u'(') {
                m_udText.insert(start, S);
            } else {
                m_udText.insert(start, QString(S + u'('));
                m_udText += u')';
            }
            S.clear();
            // The group now begins where it began: the next function finds it at once.
            m_gruppeStart = start;
            m_gruppeLaengde = m_udText.size();
        } else if (erCiffer(sidste)) {
            if (m_knapNo == 11) {
                if (m_Dval > 0) {
                    S = u'-' + m_Dstr.toString();
                    erstatTal = true;
                } else {
                    m_gruppeLaengde = -1;
                    m_udText.chop(m_Dstr.size());
                    const QStringView d = m_Dstr.view();
                    S = (d.startsWith(u'-') ? d.mid(1) : d).toString();
                    erstatTal = false;
                }
            } else {
                S = S + u'(' + visning().toString() + u')';
                erstatTal = true;
            }
        }
    }
    m_pDval = m_Dval;
    m_pDstr = m_Dstr;
    m_PknapNo = m_knapNo;
    if (erstatTal && !visning().isEmpty() && m_udText.endsWith(visning().view())) {
        m_udText.chop(visning().size());
        m_gruppeLaengde = -1;
    }
    if (!S.isEmpty()) {
        m_udText += S;
        m_gruppeLaengde = -1;
    }
    if (S == QLatin1String(" = ")) m_udText += getSeperatorS(m_Dstr.view());
    m_formel.memoFoelger();
}

QString TRegner::makeTekst(const QString& S, bool& fejl) {
    const qsizetype start = gruppeStart(S, fejl);
    return fejl ? QString() : m_udText.view().mid(start).toString();
}

qsizetype TRegner::gruppeStart(const QString& S, bool& fejl) {
    fejl = false;
    if (m_gruppeLaengde == m_udText.size() && m_gruppeStart >= 0) return m_gruppeStart;
    int dybde = 0;
    qsizetype i = m_udText.size();
    while (i > 0) {
        const QChar c = m_udText[i - 1];
        if (dybde == 0 && (c == u' ' || c == u'(')) break;
        if (c == u')')
            ++dybde;
        else if (c == u'(')
            --dybde;
        --i;
    }
    if (dybde != 0) {
        ++m_beskedTal;
        if (!m_skygge)
            m_beskeder.information(S + u'\n' + QStringLiteral("Der er fejl i formuleringen."));
        Ny(false);
        m_udtrykNulstillet = true;
        // The reset ends the key: a domain error it found is gone with the task
        // and must not go off at the next reduction.
        m_valueError = false;
        fejl = true;
        return 0;
    }
    return i;
}

// Thousands grouping of a number text: "1234567,5" gives "1.234.567,5". Only
// an integer part of plain digits is grouped (INF, 1E20 stay as they are).
QString TRegner::getSeperatorS(QStringView tal) {
    const qsizetype komma = tal.indexOf(u',');
    const QStringView hel = tal.left(komma < 0 ? tal.size() : komma);
    const bool negativ = hel.startsWith(u'-');
    const QStringView cifre = negativ ? hel.mid(1) : hel;
    for (QChar c : cifre)
        if (!erCiffer(c)) return tal.toString();
    QString ud;
    ud.reserve(tal.size() + cifre.size() / 3 + 1);
    if (negativ) ud += u'-';
    for (qsizetype k = 0; k < cifre.size(); ++k) {
        if (k > 0 && (cifre.size() - k) % 3 == 0) ud += u'.';
        ud += cifre[k];
    }
    if (komma >= 0) ud += tal.mid(komma);
    return ud;
}

bool TRegner::insertDval() {
    if (m_ResOn) return true;
    const QChar c = sidsteKode();
    if (c.isNull()) return false;
    if (c == u'*' || c == u'+' || c == u'-' || c == u'/') {
        // The function applies to the value still shown after the operator.
        udskrivUdtext(ValS(m_Dval), false);
        return true;
    }
    return c == u')' || erCiffer(c) || c == u'^' || (c >= u'a' && c <= u'z');
}

// ---- Replay --------------------------------------------------------------------

namespace {

// Near the end of the text replayed a copy every few keys (the next undo goes
// on from the one just before its end), before that one every few hundred
// (an undo that reaches back past the close copies goes on from there and
// makes new close ones). On a long task both grow, by doubling, so that there
// are at most some dozens of far copies (each holds the task's texts): an
// undo then replays at most a couple of thousand keys, a few milliseconds.
constexpr qsizetype naerOmraade = 256;
constexpr qsizetype fjernAntal = 48;

qsizetype fjernAfstand(qsizetype laengde) {
    qsizetype a = 256;
    while (laengde / a > fjernAntal)
        a *= 2;
    return a;
}

qsizetype naerAfstand(qsizetype laengde) {
    return qMax<qsizetype>(8, fjernAfstand(laengde) / 32);
}

// Typing keeps "Tilbage" within this many keys of its copies, and a replay
// that catches up goes on at most this far per typed key.
constexpr qsizetype tilbageForan = 64;
constexpr qsizetype tilbageIndhent = 512;

} // namespace

void TRegner::realiserFormel(const QString& aFormel) {
    udfoerAfspilning(TDelttekst(aFormel), false);
}

void TRegner::genafspilOptagelse(const QString& optagelse) {
    udfoerAfspilning(TDelttekst(optagelse), true);
}

void TRegner::udfoerAfspilning(const TDelttekst& tekstInd, bool fortryd, qsizetype hoejst) {
    Haandtering h(*this);
    // The text may be the recording itself, which the new task empties.
    const TDelttekst tekst = tekstInd;
    // Whatever happens (also an error thrown by a key), the replay ends. A
    // replay inside another one (a Backspace in a replayed text runs
    // "Tilbage") gives the outer one back its running state, so the outer
    // evaluation goes on after it.
    struct Afslut {
        TRegner& r;
        bool foer;
        bool udtrykGoFoer;
        ~Afslut() {
            r.m_UdtrykGo = udtrykGoFoer;
            r.m_fortryder = foer;
        }
    } afslut{*this, m_fortryder, m_UdtrykGo};

    if (fortryd) {
        m_hentetFoer = m_hentet;
        m_hentIndex = 0;
        m_tilbageAfspillet = 0;
        // A replay stopped by a message is not tried again while typing.
        m_paratTil = tekst.size();
    }
    m_fortryder = fortryd;
    Ny(false);
    if (tekst.isEmpty()) return;
    m_UdtrykGo = true;
    if (m_disOn && m_meta.antal() > 0 && !m_meta.sidsteLinje().isEmpty()) m_meta.tilfoej(QString());
    // Copies of the state are used and kept only where the replay is the
    // engine's own business: not in a formula program, whose "=" hands over
    // to the program and whose task the replay does not begin anew.
    // Nor does a replay keep copies once a message was shown in it (a copy
    // would skip it) or once a replay ran inside it (a Backspace in the text),
    // which changes what the memory recalls after it fetch.
    const bool medOejeblikke = fortryd && !m_FormelOn && !m_PformelOn;
    const auto start =
        medOejeblikke
            ? std::make_shared<const TRegnerTilstand>(static_cast<const TRegnerTilstand&>(*this))
            : nullptr;
    const int beskederFoer = m_beskedTal;
    const int afspilningerFoer = ++m_afspilninger;
    const auto gemmer = [&] {
        return medOejeblikke && m_beskedTal == beskederFoer && m_afspilninger == afspilningerFoer;
    };
    const qsizetype fra = medOejeblikke ? gendanOejeblik(tekst, start) : 0;
    const qsizetype ende = hoejst >= 0 ? qMin(tekst.size(), fra + hoejst) : tekst.size();
    for (qsizetype i = fra; i < ende; ++i) {
        if (gemmer()) gemOejeblik(i, tekst.size(), tekst, start);
        const QChar c = tekst[i];
        if (c == u' ') continue;
        if (fortryd) {
            // The keys went on after an error they reported; so does the undo.
            try {
                FormKeyPress(c);
            } catch (const TFejl&) {
            }
        } else {
            FormKeyPress(c);
        }
        if (m_UdtrykGo) continue;
        if (fortryd && !m_ukendtTegn) {
            m_UdtrykGo = true;
            continue;
        }
        ++m_beskedTal;
        if (m_skygge) return;
        m_beskeder.statusHint(QStringLiteral("Afbrudt"));
        m_beskeder.information(QStringLiteral("Beregning afbrudt!\nDer er opstået en fejl.\n"
                                              "Det kan skyldes ugyldige funktionsdata.\n"
                                              "Eller det kan have sin årsag i ukendt tegn: ") +
                               c);
        return;
    }
    if (fortryd) {
        m_tilbageAfspillet = ende - fra;
        // A replay cut short keeps a copy where it stopped, for the next one
        // to go on from.
        if (ende < tekst.size() && gemmer()) gemOejeblik(ende, tekst.size(), tekst, start, true);
        m_paratTil = ende;
    }
    m_UdtrykGo = false;
    if (m_disOn) m_meta.vaelgSidste();
}

void TRegner::holdTilbageParat() {
    if (m_fortryder || m_UdtrykGo || m_FormelOn || m_PformelOn || m_skygge ||
        std::uncaught_exceptions() > 0)
        return;
    const qsizetype laengde = m_formel.size();
    m_paratTil = qMin(m_paratTil, laengde);
    if (laengde - m_paratTil < tilbageForan) return;
    // The typed state and what the views show, put back afterwards whatever
    // happens; the replay's copies stay.
    struct Gendan {
        TRegner& r;
        TRegnerTilstand tilstand;
        TMetaListe::Gemt liste;
        QList<double> hentetFoer;
        bool fokusFjernes;
        qsizetype tilbageAfspillet;
        ~Gendan() {
            static_cast<TRegnerTilstand&>(r) = std::move(tilstand);
            r.m_meta.saetTilbage(std::move(liste));
            r.m_hentetFoer = std::move(hentetFoer);
            r.m_fokusFjernes = fokusFjernes;
            r.m_tilbageAfspillet = tilbageAfspillet;
            r.m_skygge = false;
        }
    } gendan{*this, *this, m_meta.gem(), m_hentetFoer, m_fokusFjernes, m_tilbageAfspillet};
    m_skygge = true;
    try {
        // Far behind (no copy fits) it goes on a stretch per typed key.
        udfoerAfspilning(m_formel.tekst(), true, tilbageIndhent);
    } catch (...) {
        // Not ready then: "Tilbage" replays as far as it must.
        m_oejeblikke.clear();
        m_paratTil = 0;
    }
}

// ---- Copies of the state for "Tilbage" ----------------------------------------

namespace {

// Element by element: QList's own comparison of doubles hands memcmp a null
// pointer for an empty list that never held data, which is undefined.
// Bit for bit, so that a NaN (an error's value) equals itself.
bool sammeTal(double a, double b) {
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

bool sammeVaerdier(const QList<double>& a, const QList<double>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), sammeTal);
}

} // namespace

// Two replays from these states do the same: they differ at most in fields
// that a replay writes before it reads them.
bool TRegner::sammeStart(const TRegnerTilstand& a, const TRegnerTilstand& b) {
    TRegnerTilstand x = a;
    x.m_pDval = b.m_pDval;
    x.m_pDstr = b.m_pDstr;
    x.m_ukendtTegn = b.m_ukendtTegn;
    x.m_udtrykNulstillet = b.m_udtrykNulstillet;
    x.m_gruppeStart = b.m_gruppeStart;
    x.m_dstrStabil = b.m_dstrStabil;
    x.m_dstrKomma = b.m_dstrKomma;
    if (!sammeVaerdier(a.m_hentet, b.m_hentet)) return false;
    x.m_hentet = b.m_hentet;
    // The memo's text does not steer a replay; only whether it follows does.
    if (a.m_formel.memoTom() != b.m_formel.memoTom()) return false;
    x.m_formel.overtagMemo(b.m_formel);
    // The numbers may be NaN after an error, which a comparison of the
    // fields would never find equal: they are compared bit for bit and then
    // left out.
    TRegnerTilstand y = b;
    for (auto felt : {&TRegnerTilstand::m_Dval, &TRegnerTilstand::m_Tval,
                      &TRegnerTilstand::m_Grader, &TRegnerTilstand::m_pDval}) {
        if (!sammeTal(x.*felt, y.*felt)) return false;
        x.*felt = y.*felt = 0;
    }
    if (x.m_Rm.size() != y.m_Rm.size()) return false;
    for (qsizetype i = 0; i < x.m_Rm.size(); ++i) {
        if (!sammeTal(x.m_Rm[i].Tal, y.m_Rm[i].Tal)) return false;
        x.m_Rm[i].Tal = y.m_Rm[i].Tal = 0;
    }
    return x == y;
}

// Puts back the latest copy that a replay of `tekst` from the present state
// passes through, and returns its position (0: none, replay from the start).
// Copies that this text does not pass through are dropped.
qsizetype TRegner::gendanOejeblik(const TDelttekst& tekst,
                                  const std::shared_ptr<const TRegnerTilstand>& start) {
    // The copies of one replay share their starting state: compared once.
    // Those that began as this replay does share its starting state from now
    // on, so the next replay compares them once, not once per earlier replay.
    std::shared_ptr<const TRegnerTilstand> sammeSom;
    std::shared_ptr<const TRegnerTilstand> andenEnd;
    const auto startetSom = [&](const std::shared_ptr<const TRegnerTilstand>& s) {
        if (s == start || s == sammeSom) return true;
        if (s == andenEnd) return false;
        const bool lig = sammeStart(*s, *start);
        (lig ? sammeSom : andenEnd) = s;
        return lig;
    };
    for (qsizetype k = m_oejeblikke.size() - 1; k >= 0; --k) {
        Oejeblik& o = m_oejeblikke[k];
        if (o.position > tekst.size() || !sammeTal(o.Hval, m_huk.Hval) ||
            !sammeVaerdier(o.hentetFoer, m_hentetFoer) || !startetSom(o.start))
            m_oejeblikke.removeAt(k);
        else
            o.start = start;
    }
    // The latest copy whose text begins as this one does; the text is
    // compared for that copy only, the one used.
    for (;;) {
        qsizetype bedst = -1;
        for (qsizetype k = 0; k < m_oejeblikke.size(); ++k)
            if (bedst < 0 || m_oejeblikke[k].position > m_oejeblikke[bedst].position) bedst = k;
        if (bedst < 0) return 0;
        const Oejeblik& o = m_oejeblikke[bedst];
        // At once when both texts share their characters, as the recording
        // and the copies of the replays of it do.
        if (!tekst.sammeBegyndelse(o.tekst, o.position)) {
            m_oejeblikke.removeAt(bedst);
            continue;
        }
        const TOptagelse memoNu = m_formel;
        static_cast<TRegnerTilstand&>(*this) = o.tilstand;
        // Until the memo followed the recording in that replay, it is the
        // memo this replay began with.
        if (o.tilstand.m_formel.fulgt() == o.startFulgt) m_formel.overtagMemo(memoNu);
        m_meta.gendan(o.listeLinjer, o.listeValgt);
        m_fokusFjernes = true; // as every key replayed up to there did
        return o.position;
    }
}

void TRegner::gemOejeblik(qsizetype position, qsizetype laengde, const TDelttekst& tekst,
                          const std::shared_ptr<const TRegnerTilstand>& start, bool altid) {
    if (position == 0) return;
    const qsizetype fjern = fjernAfstand(laengde);
    const bool naer = laengde - position <= naerOmraade && position % naerAfstand(laengde) == 0;
    if (!altid && !naer && position % fjern != 0) return;
    // One copy per position; the close ones of an earlier, longer replay that
    // lie far back now make way, and so do far ones off the present spacing.
    for (qsizetype k = m_oejeblikke.size() - 1; k >= 0; --k) {
        const qsizetype p = m_oejeblikke[k].position;
        if (p == position || (p % fjern != 0 && laengde - p > naerOmraade))
            m_oejeblikke.removeAt(k);
    }
    Oejeblik o;
    o.position = position;
    o.tekst = tekst;
    o.start = start;
    o.startFulgt = start->m_formel.fulgt();
    o.tilstand = *this;
    o.listeLinjer = m_meta.linjer;
    o.listeValgt = m_meta.valgt;
    o.Hval = m_huk.Hval;
    o.hentetFoer = m_hentetFoer;
    m_oejeblikke.append(o);
}

void TRegner::beregnFormeltekst(const QString& tekst) {
    Haandtering h(*this);
    realiserFormel(tekst);
    setFormelString(tekst);
    m_formel.setMemo(tekst);
}

// The operator indicator's hook: writes the operator to the expression line.
void TRegner::rmOperatorChange() {
    if (m_FormelOn) return;
    if (m_operator.isEmpty() || m_operator == QLatin1String("?")) return;
    if (m_operator == QLatin1String("p")) {
        // pi was entered
        saetOperator(QString());
        m_piOn = true;
        return;
    }
    if (m_udText.isEmpty()) {
        saetDstr(tal::generel(m_Dval));
        udskrivUdtext(m_Dstr.toString(), false);
    }
    QString tekst;
    switch (m_operator[0].unicode()) {
    case u'%':
        tekst = QStringLiteral(" % ");
        break;
    case u'*':
        tekst = QStringLiteral(" * ");
        break;
    case u'+':
        tekst = QStringLiteral(" + ");
        break;
    case u'-':
        tekst = QStringLiteral(" - ");
        break;
    case u'/':
        tekst = QStringLiteral(" / ");
        break;
    case u'=':
        tekst = QStringLiteral(" = ");
        break;
    case u'^':
        tekst = m_inversFunk ? QStringLiteral(" Rod ") : QStringLiteral("^");
        break;
    case u'm':
        tekst = QStringLiteral(" Mod ");
        break;
    default:
        break;
    }
    if (!tekst.isEmpty()) udskrivUdtext(tekst, false);
    m_piOn = false;
}
