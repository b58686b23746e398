#pragma once
// The settings dialog "Egenskaber": memory size, status-bar hints and theme.
// It shows TEgenskabsModel and forwards every event there; the main window's
// menu item opens it modally with vis().
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TEgenskabsModel;

class Tegenskabsform : public QDialog {
    Q_OBJECT
public:
    Tegenskabsform(TEgenskabsModel& model, QWidget* parent);

    // The menu item "Egenskaber...": fills the dialog, shows it modally and,
    // on "Gem", hands the settings on. Returns the dialog's result.
    int vis();

    QLineEdit* antalEdit() const { return m_antalEdit; }
    QButtonGroup* eleGroup() const { return m_eleGroup; }
    QCheckBox* showHintCheck() const { return m_showHintCheck; }
    QComboBox* designBox() const { return m_designBox; }
    QPushButton* testKnap() const { return m_testKnap; }
    QPushButton* gemKnap() const { return m_gemKnap; }
    QPushButton* lukKnap() const { return m_lukKnap; }

private:
    void opdater();

    TEgenskabsModel& m_model;
    QLineEdit* m_antalEdit = nullptr;
    QButtonGroup* m_eleGroup = nullptr;
    QCheckBox* m_showHintCheck = nullptr;
    QComboBox* m_designBox = nullptr;
    QPushButton* m_testKnap = nullptr;
    QPushButton* m_gemKnap = nullptr;
    QPushButton* m_lukKnap = nullptr;
    bool m_opdaterer = false;
};
