#pragma once
// The graph window "Grafer": a tool bar with the menu, the mouse and zoom
// positions and the zoom step; the equation list and the equation tools in a
// resizable left panel; the canvas; the axis bar below it; a status bar for
// hints. Everything it shows is read from TGrafformModel, and every event is
// forwarded to it.
#include <functional>
#include <QHash>
#include <QMainWindow>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QToolButton;
class TGrafformModel;
class TGrafWidget;

class Tgrafform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tgrafform(TGrafformModel& model, QWidget* parent = nullptr);
    ~Tgrafform() override;

    TGrafformModel& model() { return m_model; }
    TGrafWidget* graf() const { return m_graf; }
    QMenu* menu() const { return m_menu; }
    // Puts the window where the model says and shows it.
    void vis();

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    bool event(QEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    void moveEvent(QMoveEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;

private:
    void lavVaerktoejslinje();
    QWidget* lavVenstrePanel();
    QWidget* lavAksebjaelke();
    void lavMenu();
    // An edit box showing model field `f`; with `skriv` what is typed goes
    // straight into the field.
    QLineEdit* felt(const QString& navn, const QString& tilgaengeligtNavn,
                    QString TGrafformModel::*f, bool skriv = true);
    QToolButton* knap(const QString& navn, const QString& tekst, const QString& hint,
                      void (TGrafformModel::*handling)());
    QLabel* etiket(const QString& tekst);
    void opdater();
    void visListe();
    void handling(const std::function<void()>& f);

    TGrafformModel& m_model;
    TGrafWidget* m_graf = nullptr;
    QMenu* m_menu = nullptr;
    QLabel* m_pos = nullptr;
    QLabel* m_zPos = nullptr;
    QLabel* m_status = nullptr;
    QCheckBox* m_zoomCenterBox = nullptr;
    QCheckBox* m_visKoordinatsystem = nullptr;
    QCheckBox* m_visEnhedsMarks = nullptr;
    QCheckBox* m_visEnhedskvadrater = nullptr;
    QListWidget* m_formelBox = nullptr;
    QComboBox* m_ligBox = nullptr;
    QComboBox* m_L1Box = nullptr;
    QComboBox* m_L2Box = nullptr;
    // The edit boxes and the model fields they show.
    QHash<QLineEdit*, QString TGrafformModel::*> m_felter;
    bool m_placeret = false;
    bool m_opdaterer = false;
};
