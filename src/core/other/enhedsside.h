#pragma once
// The unit-conversion page of the other-functions window: a linear converter
// over the fixed unit table (value × factor, shown in the quantity's target
// unit and sent to the calculator memory on request) and a three-field
// converter for temperature and angle.
#include "core/other/enhedstabel.h"

#include <QObject>
#include <QStringList>

class THukommelse;

class TEnhedsside : public QObject {
    Q_OBJECT
public:
    explicit TEnhedsside(THukommelse& hukommelse, QObject* parent = nullptr);

    // The linear converter's controls.
    int valgIndex = -1;  // `valgbox`
    QStringList fraboks; // source units of the chosen quantity
    int fraIndex = -1;
    QStringList tilboks; // target units
    int tilIndex = -1;
    QString fraEdit;
    QString tilEdit;       // the result, with "Ca. " where the row has it
    bool visEinfo = false; // "Vis enhedsinformation"

    // The three-field converter.
    int enhedsIndex = 0; // `enhedsGroup`: 0 "Temperatur", 1 "Vinkel"
    QString feltLabel[3];
    QString felt[3];

    static QStringList valgboxItems();
    static QStringList enhedsGroupItems();

    // The input filter: digits, the first ',' and a leading '-' of `tekst`.
    static QString getExtended(const QString& tekst);

    void valgboxClick(int index);
    void LoadFraTilBokse(int No);
    void fraboksChange(int index);
    void tilboksChange(int index);
    // What the user typed into `fraEdit` (filtered before use).
    void fraEditEdited(const QString& tekst);
    // Text the program writes into `fraEdit`; not filtered.
    void setFraEdit(const QString& tekst);
    void UdskrivValues();
    void visEinfoClick(bool tjek);

    void enhedsGroupClick(int index);
    void feltEdited(int nr, const QString& tekst); // nr 1..3, filtered
    void setFelt(int nr, const QString& tekst);    // nr 1..3, not filtered
    void feltGoClick(int nr);                      // felt1GoClick .. felt3GoClick
    void felt1GoClick() { feltGoClick(1); }
    void felt2GoClick() { feltGoClick(2); }
    void felt3GoClick() { feltGoClick(3); }
    void feltGoHoejreklik(); // the topic of the current quantity, always

    void sendHukKnapClick();

    // The row of the chosen quantity and source unit, or null.
    const TEnhed* valgtEnhed() const;

Q_SIGNALS:
    void aendret();
    void enhedsinformationOenskes(const QString& emne);
    // "Vis enhedsinformation" follows what is typed and chosen: the browser
    // turns to the topic without taking the focus from the converter.
    void enhedsinformationFoelger(const QString& emne);

private:
    void saetTilEdit(const QString& tekst);
    THukommelse& m_hukommelse;
};
