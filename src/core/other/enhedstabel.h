#pragma once
// The fixed table of the unit converter: per quantity its source units, its
// target unit (two for speed) and, per source unit, the factor F with
// value in target unit = value in source unit × F, the information topic and
// whether the result is shown with "Ca. " in front.
#include <QList>
#include <QString>

struct TEnhed {
    QString navn;
    double faktor = 1;  // to the first target unit
    double faktor2 = 0; // to the second target unit (speed only)
    bool ca = false;    // result shown with "Ca. " in front
    QString emne;       // information topic
};

struct TStoerrelse {
    QString navn;            // the item of `valgbox`
    QList<TEnhed> enheder;   // the items of `fraboks`, in order
    QStringList maalenheder; // the items of `tilboks`, in order
};

namespace enhedstabel {

// The quantities in the order of `valgbox`.
const QList<TStoerrelse>& stoerrelser();

inline const QString& caPrefix() {
    static const QString p = QStringLiteral("Ca. ");
    return p;
}

} // namespace enhedstabel
