#pragma once
// The calculator engine: an immediate-execution calculator with operator
// precedence, parentheses, immediate functions, angle modes, a value memory
// and a running list of calculations.
//
// How data flows: every key (button click, typed character, or a character of
// a formula text being replayed) reaches one handler. The handler changes the
// current value (`Dval`/`Dstr`), pushes numbers and operators on the
// calculation stack `Rm` and reduces it by precedence, writes lines to the
// calculation list (TMetaListe), the human-readable expression line `udText`,
// and appends the key's code to the recording `formelString`. Replaying a
// recording through the character handler (`realiserFormel`) repeats the task;
// "Tilbage" undoes the last key that way. Views only read the state getters
// and call handlers; `aendret` tells them to re-read, once per handled key.
//
// The recording is made so that its replay repeats what the keys did: Inv and
// Hyp are recorded as their own toggles ("i", "h") whenever they change by
// the user's hand (key, check box, "q"/"w", a calculator page being shown);
// every sign change records "f"; going on from a result keeps the codes that
// made it rather than the result's text, which may have lost digits; a
// result reached by Enter, which records nothing, gets its "=" once the task
// goes on from it; and "=" replays as the "=" key.
//
// The implementation is split by topic: regner.cpp (state, number entry,
// display), regner_operatorer.cpp (binary operators and the stack),
// regner_funktioner.cpp (immediate functions, Inv/Hyp, angle modes),
// regner_taster.cpp (keyboard, buttons, memory keys, list switches) and
// regner_udtryk.cpp (expression line, recording and replay).
#include "core/calc/optagelse.h"
#include "core/calc/rmrec.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Beskeder;
class TMetaListe;
class THukommelse;

// The whole state of the calculator that keys change: what a replay of a
// recording rebuilds. Kept apart so that "Tilbage" can keep copies of it part
// way through a replay (TRegner::Oejeblik) and go on from there.
struct TRegnerTilstand {
    QList<RmRec> m_Rm;
    double m_Dval = 0;
    TDelttekst m_Dstr = QStringLiteral("0");
    double m_Tval = 0;
    QChar m_Opr = u'x';
    int m_Waitcount = 0;
    bool m_Para = false;
    int m_ParaCount = 0;
    int m_Decimaler = -1;
    double m_Grader = 360;
    int m_GradIndex = 0;
    bool m_ResOn = false;
    bool m_talKey = false;
    bool m_inversFunk = false;
    bool m_piOn = false;
    int m_knapNo = -1;
    int m_PknapNo = -1;
    TOptagelse m_formel;
    TDelttekst m_udText;
    bool m_valueError = false;
    bool m_FormelOn = false;
    bool m_PformelOn = false;
    bool m_disOn = true;
    bool m_UdskrivInOut = false;
    double m_pDval = 0;
    TDelttekst m_pDstr;

    // View state.
    TDelttekst m_display;
    // The display shows Dstr itself.
    bool m_displayErDstr = true;
    QString m_operator;
    bool m_inv = false;
    bool m_hyp = false;
    QHash<QString, QString> m_captions;
    bool m_tastaturSynligt = true;
    bool m_uMemoFokus = false;

    // Where the number being typed begins in the recording, so "Slet" removes
    // exactly its codes.
    qsizetype m_talStart = 0;
    // A result reached by Enter, which records nothing; its "=" is written to
    // the recording when the task goes on from that result.
    bool m_enterResultat = false;
    // Values fetched by memory recalls in this task, in order: "Tilbage"
    // replays them instead of the memory's present value.
    QList<double> m_hentet;
    qsizetype m_hentIndex = 0;
    bool m_ukendtTegn = false;       // the character handler met an unknown character
    bool m_udtrykNulstillet = false; // the expression line's error reset the task
    // The trailing group of the expression line begins at m_gruppeStart while
    // the line still has the length m_gruppeLaengde it had when that was found
    // (-1: not known; every other change of the line forgets it).
    qsizetype m_gruppeStart = -1;
    qsizetype m_gruppeLaengde = -1;
    // Long numbers: once the typed text fixes the value for good (its integer
    // part overflows, or later digits can no longer change the rounding),
    // further digits need not be read again.
    bool m_dstrLangKendt = false;
    bool m_dstrStabil = false;
    bool m_dstrKomma = false;

    bool operator==(const TRegnerTilstand&) const = default;
};

class TRegner : public QObject, private TRegnerTilstand {
    Q_OBJECT
public:
    TRegner(Beskeder& beskeder, TMetaListe& meta, THukommelse& huk, QObject* parent = nullptr);
    ~TRegner() override;

    // ---- Calculator state -------------------------------------------------
    const QList<RmRec>& Rm() const { return m_Rm; }
    int RmIndex() const { return static_cast<int>(m_Rm.size()) - 1; }
    double Dval() const { return m_Dval; }
    QString Dstr() const { return m_Dstr.toString(); }
    double Tval() const { return m_Tval; }
    QChar Opr() const { return m_Opr; }
    int Waitcount() const { return m_Waitcount; }
    bool Para() const { return m_Para; }
    int ParaCount() const { return m_ParaCount; }
    int Decimaler() const { return m_Decimaler; }
    double Grader() const { return m_Grader; }
    int GradIndex() const { return m_GradIndex; }
    bool ResOn() const { return m_ResOn; }
    bool talKey() const { return m_talKey; }
    bool inversFunk() const { return m_inversFunk; }
    bool piOn() const { return m_piOn; }
    int knapNo() const { return m_knapNo; }
    int PknapNo() const { return m_PknapNo; }
    QString formelString() const { return m_formel.tekst().toString(); }
    QString udText() const { return m_udText.toString(); }
    bool valueError() const { return m_valueError; }
    bool UdtrykGo() const { return m_UdtrykGo; }
    bool FormelOn() const { return m_FormelOn; }
    bool PformelOn() const { return m_PformelOn; }
    bool disOn() const { return m_disOn; }
    bool UdskrivInOut() const { return m_UdskrivInOut; }
    double pDval() const { return m_pDval; }
    QString pDstr() const { return m_pDstr.toString(); }
    double Hval() const; // the memory's current value

    // Formula programs steer these.
    void setFormelOn(bool on);
    void setPformelOn(bool on);
    void setUdtrykGo(bool go);
    // A value reference of a program: `v` becomes the current number.
    void formelVisVaerdi(double v);
    // Before a program's operation: the number text starts afresh ("0") while
    // the entered value stays the operand, and no result is shown.
    void formelNytTal();
    // A program asks for a value: the display shows 0, which Enter then takes.
    void formelSpoerg();

    // ---- View state -------------------------------------------------------
    QString displayTekst() const { return visning().toString(); } // rmDisplay
    QString operatorTekst() const { return m_operator; }          // rmOperator
    QString parentesTekst() const;                                // funkParenteser
    bool invChecked() const { return m_inv; }
    bool hypChecked() const { return m_hyp; }
    int decimalIndex() const { return m_Decimaler + 1; } // item of disDecimaler
    QString caption(const QString& kontrolNavn) const;   // a key's current caption
    bool DelTalEnabled() const { return m_talKey; }
    bool RoundTalEnabled() const { return m_ResOn; }
    bool konFunkEnabled() const { return m_ResOn || m_talKey; }
    bool BackTalEnabled() const { return true; }
    // The expression window's memo, which follows the recording while it
    // holds text (see TOptagelse).
    QString uMemoTekst() const { return m_formel.memo(); }
    void setUMemoTekst(const QString& tekst);

    // ---- Frame hooks ------------------------------------------------------
    // A calculator keypad is shown; the character handler acts only then.
    void setTastaturSynligt(bool synligt);
    bool tastaturSynligt() const { return m_tastaturSynligt; }
    // The expression window's memo has the keyboard focus.
    void setUMemoFokus(bool fokus);
    bool uMemoFokus() const { return m_uMemoFokus; }
    // A calculator page is shown: Hyp and Inv unchecked, inverse flag cleared.
    void visRmSideNulstil();

    // ---- Number entry and display -----------------------------------------
    void Ny(bool bevarValue);
    void NewRecord(double Val, QChar OprChar);
    void Udskriv(QChar S);
    QString ValS(double Val) const;
    void UdskrivRmRes();
    void OmskrivRes();
    void ErrorDis();
    void rmCifferClick(int d); // rm0Click … rm9Click
    void rmKommaClick();
    void rmPlusMinusClick();
    void disNyClick();
    void BackTalExecute();
    void DelTalExecute();
    void RoundTalExecute();
    void konFunkExecute();
    void disDecimalerChange(int itemIndex);

    // ---- Binary operators, parentheses and "=" -----------------------------
    void oprPlusClick();
    void oprMinusClick();
    void oprGangeClick();
    void oprDividerClick();
    void oprProcentClick();
    void beModClick();
    void bePotensYClick();
    void bePotens2Click();
    void bePotens3Click();
    void rodToKnapClick();
    void PotRod(QChar Ch);
    void funkPbegyndClick();
    void funkPslutClick();
    void oprResultatClick();
    void BeregnResultat();
    void BeregnRm();
    void Reducer(int start, QChar op);
    void FjernPara(int index);
    void Beregning(bool UdskrivDis);
    double GetPotens(double Tal, double Pot);
    double GetRod(double Tal, double Rod);

    // ---- Immediate functions, Inv/Hyp, angle modes --------------------------
    void beSinClick();
    void beCosClick();
    void beTanClick();
    void beCotClick();
    void beLnClick();
    void beExpClick();
    void beLogClick();
    void beNClick();
    void beReciprogClick();
    void oprPiClick();
    void funkInversClick(bool checked);
    void funkHypClick(bool checked);
    void knapCaptions();
    void gradGraderClick();
    void gradRadianerClick();
    void gradNygraderClick();
    void BeregnStraks(int Fnr);

    // ---- Keyboard and buttons ---------------------------------------------
    // The character handler: a key of the calculator, also every character
    // of a replayed formula text.
    void FormKeyPress(QChar Key);
    // The calculator pages' key-down keys (Home, Ctrl+N, F1, F9, Page Up/Down,
    // End, Delete, Ctrl+S, Ctrl+T); returns whether the key acted.
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);
    // Runs a button's handler as a mouse click does (names: TKnaptabel).
    // Returns false for an unknown name.
    bool klik(const QString& kontrolNavn);

    // ---- Memory and calculation list ---------------------------------------
    void hukGemClick();
    void hukHentClick();
    void rmSletAktuelleClick();
    void rmDeleteHukommelseClick();
    void metaSletClick();
    void metaAktivClick(bool checked);
    void metaIndUdClick(bool checked);
    void InOutDis(int InOut, const QString& nilS);
    void DoDis();

    // ---- Expression line, recording and replay ----------------------------
    void udskrivUdtext(QString S, bool erstatTal);
    // The trailing group of the expression line ("(3 + 4)" of "2 * (3 + 4)");
    // on unbalanced parentheses reports, resets the task and sets `fejl`.
    QString makeTekst(const QString& S, bool& fejl);
    QString getSeperatorS() const { return getSeperatorS(m_Dstr.view()); }
    static QString getSeperatorS(QStringView tal);
    bool insertDval();
    // Replays a formula text as the expression window does: a new task, then
    // every character through the character handler; an unknown character or
    // invalid function data stops it with a message.
    void realiserFormel(const QString& aFormel);
    // Replays this task's own recording as "Tilbage" does: invalid function
    // data does not stop it (the keys went on too), memory stores are not
    // repeated and memory recalls fetch what they fetched when typed.
    void genafspilOptagelse(const QString& optagelse);
    // The expression window's "Beregn": replays the text and then keeps the
    // text itself as the recording and in the memo.
    void beregnFormeltekst(const QString& tekst);
    // Replaces the recording (used by the expression window and formula programs).
    void setFormelString(const QString& tekst);
    // "Tilbage" keeps copies of the state part way through its replays (see
    // Oejeblik); this drops them, so the next undo replays from the first key.
    void glemOejeblikke() {
        m_oejeblikke.clear();
        m_paratTil = 0;
    }
    // Keys the last "Tilbage" replayed: from the nearest copy of the state,
    // not from the first key of a long task.
    qsizetype tilbageAfspillet() const { return m_tilbageAfspillet; }

Q_SIGNALS:
    void aendret();
    void fokusFjernes();
    void informationOenskes(const QString& emne);
    void formelprogramFortsaet();

private:
    class Haandtering;
    friend class Haandtering;

    void tilfoejKode(QChar c);
    void tilfoejKode(const QString& s);
    void saetDstr(const QString& s);
    void saetDisplay(const QString& s);
    void visDstr();
    const TDelttekst& visning() const { return m_displayErDstr ? m_Dstr : m_display; }
    void saetOperator(const QString& s);
    void rmOperatorChange();
    void saetInv(bool checked, bool optag);
    void saetHyp(bool checked, bool optag);
    void fjernFokus();
    void skrivLinje(const QString& linje);
    void opdaterParentes();
    void binaerOperator(QChar op, int nummer);
    void potensTast(QChar op, bool medInv, int nummer, int invNummer, QChar kode);
    void funktionsTast(int nummer, int invNummer, QChar kode, int Fnr, bool nyOpgave);
    void laesDstrEfterCiffer(QChar ciffer);
    void Beregning(bool UdskrivDis, bool rod);
    QString stakTekst() const;
    // Where the trailing group of the expression line begins (see makeTekst).
    qsizetype gruppeStart(const QString& S, bool& fejl);
    // Replays `tekst`; one that prepares "Tilbage" stops after `slut` characters.
    void udfoerAfspilning(const TDelttekst& tekst, bool fortryd, qsizetype slut = -1);
    // After a typed key: see m_paratTil.
    void holdTilbageParat();
    QChar sidsteKode() const;
    void gemHentEnter();
    void tilbageIFormel();

    Beskeder& m_beskeder;
    TMetaListe& m_meta;
    THukommelse& m_huk;

    // Replay control, outside the state a replay rebuilds.
    bool m_UdtrykGo = false;
    bool m_fortryder = false; // a "Tilbage" replay runs
    QList<double> m_hentetFoer;
    // Handling of one key: nesting depth and what to tell the views at the end.
    int m_dybde = 0;
    bool m_fokusFjernes = false;
    // Messages shown by keys; a replay that showed one keeps no copies, so
    // that going on from a copy never leaves out a message.
    int m_beskedTal = 0;
    // Replays begun so far; one that sees the count change ran another inside it.
    int m_afspilninger = 0;
    // Typing keeps "Tilbage" within a few keys of its copies: the copies reach
    // the recording up to m_paratTil, and once the recording has grown a few
    // dozen keys beyond that, the key's handling ends with a quiet replay of
    // the new keys from the latest copy (m_skygge: no messages, no changes
    // seen outside), which keeps copies on its way; the typed state is then
    // put back. A replay that begins far behind (no copy fits, after a change
    // of the angle mode, say) goes on a few hundred keys per typed key.
    qsizetype m_paratTil = 0;
    bool m_skygge = false;
    qsizetype m_tilbageAfspillet = 0;

    // "Tilbage" replays the task without its last key. So that a long task
    // is not replayed whole for every undone key, such replays keep copies
    // of the state part way through (every few keys near the end of the
    // text, every few hundred before that); the next replay of a text with
    // the same beginning, from the same starting state, goes on from the
    // nearest copy instead of from the first key.
    struct Oejeblik {
        qsizetype position = 0; // characters of the text replayed
        TDelttekst tekst;       // the text replayed, at least `position` long
        // The state the replay began from, shared by the copies of one replay.
        std::shared_ptr<const TRegnerTilstand> start;
        // How often the memo had followed the recording when that replay began.
        int startFulgt = 0;
        TRegnerTilstand tilstand;
        QStringList listeLinjer;
        int listeValgt = -1;
        double Hval = 0;
        QList<double> hentetFoer;
    };
    QList<Oejeblik> m_oejeblikke;
    qsizetype gendanOejeblik(const TDelttekst& tekst,
                             const std::shared_ptr<const TRegnerTilstand>& start);
    void gemOejeblik(qsizetype position, qsizetype laengde, const TDelttekst& tekst,
                     const std::shared_ptr<const TRegnerTilstand>& start, bool altid = false);
    static bool sammeStart(const TRegnerTilstand& a, const TRegnerTilstand& b);
};
