#pragma once
// The expression window's actions with their shortcuts (F9, Ctrl+F and Ins,
// Ctrl+Delete, Ctrl+Home). They belong to the main window from the start, so
// their keys work while the list panel is hidden; an action that is disabled
// lets its key through to the window's key handler (F9 is then "="). Beregn
// keeps F9 only while a calculator page is shown: elsewhere F9 is the page's.
#include <QObject>

class QAction;
class QWidget;
class TRegner;
class TUdtryk;

class TUdtryksHandlinger : public QObject {
    Q_OBJECT
public:
    TUdtryksHandlinger(TUdtryk& udtryk, TRegner& regner, QWidget* vindue);

    QAction* aBeregn = nullptr;
    QAction* aVis = nullptr;
    QAction* aRydAlt = nullptr;
    QAction* newFormel = nullptr;
    QAction* AinsertFromDis = nullptr;

    // Enabled states follow the expression window's model; Beregn's F9 follows
    // the shown page (call again when the page changes).
    void opdater();

Q_SIGNALS:
    // "Insæt fra display" was chosen; the memo's view does the inserting.
    void indsaetFraDisplay();

private:
    TUdtryk& m_udtryk;
    TRegner& m_regner;
};
