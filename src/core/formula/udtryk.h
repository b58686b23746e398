#pragma once
// The formula language and the expression window. The calculator records
// every key as a short code (TRegner's `formelString`); a text in that
// language is evaluated by replaying it through the calculator's character
// handler. The expression window (`uPanel` with the memo `uMemo`) lets the
// user write such a text and evaluate it ("Beregn"), show the current
// recording ("Vis"), or start afresh. While the memo holds text it follows the
// recording key by key.
#include <QObject>
#include <QString>

class TRegner;
class TMetaListe;

class TUdtryk : public QObject {
    Q_OBJECT
public:
    TUdtryk(TRegner& regner, TMetaListe& meta, QObject* parent = nullptr);

    // The memo's text (the view sets it as the user types).
    QString uMemo() const;
    void setUMemo(const QString& tekst);

    // The expression window is shown.
    bool uPanelSynlig() const { return m_uPanelSynlig; }
    void setUPanelSynlig(bool synlig);
    void uMemoKnapClick(); // shows or hides the expression window

    // "Beregn" (F9): evaluates the memo's lines as one formula text.
    void aBeregn();
    bool aBeregnEnabled() const;
    // "Vis" (Ctrl+F, Ins): shows the current recording in the memo.
    void aVis();
    bool aVisEnabled() const;
    // "Ryd alt" (Ctrl+Delete): a new task and an empty memo.
    void aRydAlt();
    bool aRydAltEnabled() const;
    // "Ryd til ny formel" (Ctrl+Home): empties the memo.
    void newFormel();
    bool newFormelEnabled() const;
    // "Insæt fra display": puts the shown number at the caret (replacing a
    // selection of selLength characters) and returns the caret after it.
    int AinsertFromDis(int caret, int selLength);
    bool AinsertFromDisEnabled() const { return true; }
    // The help button (SpeedButton14): asks for the topic "Udtryk og formelsprog".
    void SpeedButton14Click();

Q_SIGNALS:
    void aendret();
    // The memo is to take the keyboard focus.
    void uMemoFokusOenskes();
    // A help topic is to be opened.
    void informationOenskes(const QString& emne);

private:
    TRegner& m_regner;
    TMetaListe& m_meta;
    bool m_uPanelSynlig = true;
};
