#pragma once
// A label in bold type: the group headings of the dialogs.
#include <QLabel>

inline QLabel* fedTekst(const QString& tekst, QWidget* ejer) {
    auto* l = new QLabel(tekst, ejer);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
