#pragma once
// The keypad of one calculator page, built from the calculator's button
// table: a grid of equal keys; Inv and Hyp as check boxes; the memory keys
// with the memory menu and display. Every key forwards its click to the
// calculator, shows its key letter in the status bar on mouse-over and opens
// its help topic on a right click (the main window's event filter does both
// from the properties set here).
#include <QHash>
#include <QWidget>

class QAbstractButton;
class QCheckBox;
class QLabel;
class TVisning;
class QMenu;
class QToolButton;
class TMainformModel;
class TRegner;
class THukommelse;
class TReopenMenu;

class TTastatur : public QWidget {
    Q_OBJECT
public:
    // `side` is "rmPanel" or "rmPanelX".
    TTastatur(TRegner& regner, THukommelse& hukommelse, const QString& side,
              QWidget* parent = nullptr);

    QAbstractButton* knap(const QString& kontrolNavn) const { return m_knapper.value(kontrolNavn); }
    QMenu* hukommelsesMenu() const { return m_PUhuk; }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void opdater();

    TRegner& m_regner;
    THukommelse& m_hukommelse;
    QString m_side;
    QHash<QString, QAbstractButton*> m_knapper;
    QLabel* m_parenteser = nullptr;
    TVisning* m_hukDisplay = nullptr;
    QMenu* m_PUhuk = nullptr;
};
