#pragma once
// What the three equation and statistics pages share as views: the page is
// an empty panel until it is first shown (so it costs nothing at start-up),
// then builds its controls; it shows its model's state when the model says so,
// moves the focus where the model asks, and opens the help topics the model
// names. Every event goes to the model through the event boundary.
#include <functional>
#include <QWidget>

class QBoxLayout;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class TLigningsside;
class TMainformModel;
class TVisning;

class TSidePanel : public QWidget {
    Q_OBJECT
public:
    // `navn` is the page's object name; the page is 221 pixels wide.
    TSidePanel(TLigningsside& model, TMainformModel& ramme, const QString& navn,
               QWidget* parent = nullptr);

    // Builds the controls now, if the page has not been shown yet.
    void byg();
    bool erBygget() const { return m_bygget; }

protected:
    void showEvent(QShowEvent* ev) override;
    // Fills the page's content; runs once.
    virtual void bygIndhold(QVBoxLayout* l) = 0;
    // Shows the model's state.
    virtual void opdater() = 0;

    // Runs a handler of the model at the event boundary.
    void handling(const std::function<void()>& f);

    // The title row: the title, the help button and the ">" list toggle.
    // `side` names the page in the accessible names of the two buttons.
    // Returns the row.
    QHBoxLayout* titelRaekke(QBoxLayout* l, const QString& titel, const QString& side,
                             const QString& spmNavn, const QString& spmHint, const QString& visNavn,
                             const std::function<void()>& spmKlik);
    // A button; `tilgNavn` is its accessible name when its caption is not
    // unique in the window (empty: the caption).
    QPushButton* knap(const QString& navn, const QString& caption, const QString& hint,
                      const std::function<void()>& klik, const QString& tilgNavn = {});
    // An edit box with its label; Enter goes to `enter`, each typed change to `aendret`.
    QLineEdit* boks(const QString& navn, const QString& label,
                    const std::function<void(const QString&)>& aendret,
                    const std::function<void()>& enter);
    TVisning* resultat(const QString& navn, const QString& label);
    QLabel* etiket(const QString& tekst, QWidget* ven = nullptr);
    static void saetTekst(QLineEdit* e, const QString& tekst);

    TMainformModel& m_ramme;

private:
    TLigningsside& m_side;
    bool m_bygget = false;
};
