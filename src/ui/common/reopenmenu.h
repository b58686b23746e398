#pragma once
// Shows the menu description of a recent-items list (TReopenFiler) as a real
// QMenu and keeps it in step: the menu is rebuilt whenever the model says its
// description changed. Clicks go back to the model with the item's position.
//
// QMenu cannot break into columns. When any item of the description starts a
// new column, the whole menu is shown as one panel of flat, menu-looking
// buttons laid out column by column (a bar break also draws a vertical line
// between the columns). Without breaks the items are ordinary QActions.
//
// The owner's own items (art Fremmed, before the list's start position) are
// shown with the actions the owner passes in, in order; the owner keeps them.
// An item without a matching action is shown with its caption and does nothing.
//
// An item's hint reaches the window that opened the menu as a status tip, in
// columns as well as in the ordinary menu.
#include "core/common/reopenfiler.h"

#include <QAction>
#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QWidget>

class TReopenMenu : public QObject {
    Q_OBJECT
public:
    // Builds `menu` from the model's MainItem at once. The helper is a child of
    // the menu. The model is watched, so it may be destroyed first.
    TReopenMenu(TReopenFiler* model, QMenu* menu, QList<QAction*> egne = {});

    // Images by image index (an item's imageIndex outside the list: no image).
    void setBilleder(const QList<QIcon>& billeder);
    // The owner's actions for the items of art Fremmed, in order.
    void setEgne(const QList<QAction*>& egne);

    QMenu* menu() const { return m_menu; }
    // The column panel while the menu is shown in columns, else null.
    QWidget* kolonner() const { return m_kolonner; }

    // Name of the dynamic property holding each column button's item position.
    static const char* positionEgenskab;

public Q_SLOTS:
    // Rebuilds the menu from the model's current description.
    void genopbyg();

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void ryd();
    void bygAktioner();
    void bygKolonner();
    void klik(int position);
    void lukMenuer();
    QIcon billede(int indeks) const;

    QPointer<TReopenFiler> m_model;
    QMenu* m_menu;
    QList<QAction*> m_egne;
    QList<QIcon> m_billeder;
    QList<QPointer<QAction>> m_lavede; // actions made here, removed on rebuild
    QPointer<QWidget> m_kolonner;
};
