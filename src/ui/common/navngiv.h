#pragma once
// Every control carries an accessible name and its hint as tool tip and
// accessible description, so screen readers and automated checks find it.
#include <QString>
#include <QWidget>

inline void navngiv(QWidget* w, const QString& navn, const QString& hint) {
    w->setAccessibleName(navn);
    if (!hint.isEmpty()) {
        w->setToolTip(hint);
        w->setAccessibleDescription(hint);
    }
}
