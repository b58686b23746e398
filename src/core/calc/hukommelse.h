#pragma once
// The calculator's value memory: one current value `Hval`, shown in
// `hukDisplay`, and the list `Huk` of recently stored values, newest first,
// shown as the "Hukommelse" sub-menu in columns of 8. Every window that stores
// a result goes through gemFraVindue; a click on a stored value makes it
// current again. The memory lives for one run of the program.
#include "core/common/reopenfiler.h"

#include <QObject>
#include <QString>
#include <QStringList>

class THukommelse : public QObject {
    Q_OBJECT
public:
    explicit THukommelse(QObject* parent = nullptr);

    double Hval = 0;                 // the current memory value
    TReopenFiler Huk;                // the stored values: caption = value text, name = label
    TMenuBeskrivelse hukommelseMenu; // the "Hukommelse" sub-menu, built by Huk.MakeMenu
    QString hukDisplay;              // the memory display's text

    // Memory store: Hval := vaerdi; an entry (label, value text) goes on top of
    // the list; the menu is rebuilt; the display shows the value text.
    void gemFraVindue(const QString& label, double vaerdi);
    // The same with the text the sender shows for the value as the caption
    // (a result box's text).
    void gemFraVindue(const QString& label, double vaerdi, const QString& caption);
    // A stored value was clicked in the sub-menu (Huk's OnKlik): it becomes
    // current and moves to the top with its label.
    void HukKlik(int position, const QString& filnavn);
    // "Slet aktuelle": drops the newest entry; the next one becomes current.
    void rmSletAktuelleClick();
    // "Tøm hukommelse": drops every entry; the value becomes 0.
    void rmDeleteHukommelseClick();
    void setFilantal(int antal);

    // The captions of the stored values, newest first.
    QStringList captions() const;

    // While held, `aendret` is emitted once when the last holder lets go.
    void hold();
    void slip();

Q_SIGNALS:
    void aendret();

private:
    void visCaption(const QString& caption);
    void meld();

    int m_holdt = 0;
    bool m_aendretUnderHold = false;
};
