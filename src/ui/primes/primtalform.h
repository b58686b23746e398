#pragma once
// The prime test window "Primtal": a number box, the test button, an
// activity indicator while the test runs, the two information lines and the
// divisors in three columns. It shows TPrimtalModel and forwards every event
// there; closing is refused while a test runs.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;
class TPrimtalModel;

class TprimtalForm : public QDialog {
    Q_OBJECT
public:
    TprimtalForm(TPrimtalModel& model, QWidget* parent);

    // Shows the window centred on its owner, without being modal.
    void vis();

    QLineEdit* primtalEdit() const { return m_primtalEdit; }
    QListWidget* primtalListe() const { return m_primtalListe; }
    QLabel* startInfoLabel() const { return m_startInfoLabel; }
    QLabel* slutInfoLabel() const { return m_slutInfoLabel; }
    QPushButton* startKnap() const { return m_startKnap; }
    QPushButton* hentButton() const { return m_hentButton; }
    QProgressBar* aktivitetBoks() const { return m_aktivitet; }

protected:
    void closeEvent(QCloseEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void opdater();
    void tilpasKolonner();

    TPrimtalModel& m_model;
    QLabel* m_startInfoLabel = nullptr;
    QLabel* m_slutInfoLabel = nullptr;
    QLineEdit* m_primtalEdit = nullptr;
    QPushButton* m_hentButton = nullptr;
    QPushButton* m_lukButton = nullptr;
    QToolButton* m_infoButton = nullptr;
    QPushButton* m_startKnap = nullptr;
    QProgressBar* m_aktivitet = nullptr;
    QListWidget* m_primtalListe = nullptr;
};
