#pragma once
// The formula page of the main window (`formelPanel`): the tabs "Formel" (file
// name, program editor, Hent/Gem/Ny/Udfør and help) and "Formelfiler" (the
// sorted list of formula files with its context menu). It shows
// TFormelProgram's state and forwards every event to it. The widgets are
// built the first time the page is shown.
#include <QWidget>

class QLineEdit;
class QListWidget;
class QAction;
class QPlainTextEdit;
class QTabWidget;
class QVBoxLayout;
class TFormelProgram;
class TMainformModel;

class TFormelPanel : public QWidget {
    Q_OBJECT
public:
    TFormelPanel(TFormelProgram& program, TMainformModel& ramme, QWidget* parent = nullptr);

    // Built on first show; null before.
    QTabWidget* formelBog() const { return m_bog; }
    QLineEdit* formelFilnavn() const { return m_filnavn; }
    QPlainTextEdit* formelMemo() const { return m_memo; }
    QListWidget* formelFilboks() const { return m_filboks; }
    // The items of the file list's popup menu, separator included.
    const QList<QAction*>& filboksHandlinger() const { return m_filboksHandlinger; }
    // Builds the widgets now if they are not built yet.
    void byg();

protected:
    void showEvent(QShowEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    QWidget* lavFormelSide();
    QWidget* lavFilSide();
    void opdater();

    TFormelProgram& m_program;
    TMainformModel& m_ramme;
    QVBoxLayout* m_layout = nullptr;
    QTabWidget* m_bog = nullptr;
    QLineEdit* m_filnavn = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QListWidget* m_filboks = nullptr;
    QList<QAction*> m_filboksHandlinger;
    bool m_opdaterer = false;
};
