#pragma once
// The calculation list: the lines of the current task (every operation, every
// function, error hints), shared by the calculator, the formula programs and
// the equation and statistics pages. The view draws `linjer` and keeps `valgt`
// selected.
#include <QObject>
#include <QStringList>

class TMetaListe : public QObject {
    Q_OBJECT
public:
    explicit TMetaListe(QObject* parent = nullptr);

    QStringList linjer;
    int valgt = -1; // selected line, -1 none

    // Adds a line and selects it (the list follows the newest line).
    void tilfoej(const QString& linje);
    void toem();
    int antal() const { return static_cast<int>(linjer.size()); }
    QString sidsteLinje() const { return linjer.isEmpty() ? QString() : linjer.constLast(); }
    void vaelgSidste();
    // Puts back lines and selection kept from before.
    void gendan(const QStringList& nyeLinjer, int nyValgt);

    // While held, changes are collected and `aendret` is emitted once when the
    // last holder lets go (a replay of many keys writes many lines).
    void hold();
    void slip();

    // While `aendret` is emitted: how many lines at the top are the same as
    // at the previous `aendret`, so a view redraws only what changed.
    int uroerteLinjer() const { return qMin(m_uroert, antal()); }

    // The lines, the selection and what has changed, to be put back exactly
    // as they were by `saetTilbage` (the calculator tries a replay out of
    // sight and then leaves the list as it found it).
    struct Gemt {
        QStringList linjer;
        int valgt = -1;
        int uroert = 0;
        bool aendretUnderHold = false;
        QStringList foer;
        bool harFoer = false;
    };
    Gemt gem() const { return {linjer, valgt, m_uroert, m_aendretUnderHold, m_foer, m_harFoer}; }
    void saetTilbage(Gemt g);

Q_SIGNALS:
    void aendret();

private:
    void meld();
    void udsend();

    int m_holdt = 0;
    bool m_aendretUnderHold = false;
    // Lines at the top unchanged since the last `aendret`. Once the list was
    // emptied, the lines as they were then (m_foer, the first m_uroert of
    // them unchanged) are kept until `aendret` compares them with the new.
    int m_uroert = 0;
    QStringList m_foer;
    bool m_harFoer = false;
};
