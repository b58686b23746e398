#pragma once
// The structure editor "Strukturkonstruktøren": page one lists the
// structures and creates new ones; page two edits the open structure's tree
// and its elements. It shows TStrukturformModel and forwards every event
// there; the tree is the same tree view the information browser uses.
#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class TStrukturformModel;
class TStrukturVisning;
class TVisning;

class Tstrukturform : public QWidget {
    Q_OBJECT
public:
    Tstrukturform(TStrukturformModel& model, QWidget* ejer);

    // Shows the window centred on its owner.
    void vis();

    QTabWidget* sider() const { return m_sider; }
    QListWidget* strukturboks() const { return m_strukturboks; }
    QLineEdit* navnEdit() const { return m_navnEdit; }
    QLineEdit* tekstEdit() const { return m_tekstEdit; }
    QLineEdit* dataEdit() const { return m_dataEdit; }
    TStrukturVisning* infostruktur() const { return m_trae; }
    QGroupBox* ikonboks() const { return m_ikonboks; }
    QLabel* infoLabel() const { return m_infoLabel; }
    QAction* handling(const QString& navn) const; // Aclear, Ainsert, Arediger, Aslet, Agem, Areload

protected:
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    QWidget* lavSide1();
    QWidget* lavSide2();
    QWidget* lavFelter(QWidget* ejer);
    void opdater();
    template <typename F> void kald(F&& f);

    TStrukturformModel& m_model;
    QWidget* m_ejer;
    QTabWidget* m_sider = nullptr;
    QListWidget* m_strukturboks = nullptr;
    QLineEdit* m_navnEdit = nullptr;
    TVisning* m_elementEdit = nullptr;
    TStrukturVisning* m_trae = nullptr;
    QLabel* m_infoLabel = nullptr;
    QGroupBox* m_ikonboks = nullptr;
    QButtonGroup* m_ikonKnapper = nullptr;
    QLineEdit* m_tekstEdit = nullptr;
    QLineEdit* m_dataEdit = nullptr;
    QCheckBox* m_gemCheck = nullptr;
    QCheckBox* m_sorterCheck = nullptr;
    QCheckBox* m_autoNavn = nullptr;
    QCheckBox* m_ensNavn = nullptr;
    QCheckBox* m_flytmodeBox = nullptr;
    QButtonGroup* m_flytBox = nullptr;
    QAction* m_Aclear = nullptr;
    QAction* m_Ainsert = nullptr;
    QAction* m_Arediger = nullptr;
    QAction* m_Aslet = nullptr;
    QAction* m_Agem = nullptr;
    QAction* m_Areload = nullptr;
    bool m_opdaterer = false;
};
