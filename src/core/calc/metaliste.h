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

Q_SIGNALS:
    void aendret();

private:
    void meld();

    int m_holdt = 0;
    bool m_aendretUnderHold = false;
};
