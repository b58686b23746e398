#pragma once
// The date page of the other-functions window: two dates, each on a month
// calendar and in three fields, and their difference, computed by the helper
// program `datediff` that is installed with the program (`findProgram`).
// "Beregn" gives each run a result file of its own in the data folder's
// "datediff" folder, starts the program with the two dates and that file and
// polls once a second until the program has ended; then it shows the
// four-line result (or why there is none) and removes the file. So two
// windows, or a window and a script, never read each other's results. The
// wait is bounded.
#include "core/other/kalender.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

class Beskeder;

class TDatoside : public QObject {
    Q_OBJECT
public:
    TDatoside(const QString& programdir, Beskeder& beskeder, QObject* parent = nullptr);
    ~TDatoside() override;

    // One date: its calendar and its three fields.
    struct Dato {
        TKalender kalender;
        QString dayEdit, monthEdit, yearEdit;
    };
    Dato dato[2];         // date 1 and date 2
    QString idagCaption;  // "I dag: " and today's date, on both today buttons
    QString Edit1;        // years, months and days
    QString Edit2;        // days in total
    QStringList resultat; // the four lines of the last result read
    QTimer scriptTimer;
    // Seconds to wait for the program before giving up.
    int ventegraense = 10;

    // The helper program: found at construction, may be set (tests).
    QString programSti;
    QString programFil() const { return programSti; }
    // The folder of the result files (the data folder's "datediff", or the
    // temporary folder when there is no data folder), and the result file of
    // the run under way (empty when none is).
    QString resultatMappe() const;
    QString resultatFil() const { return m_resultatFil; }

    // The helper program for a data folder: beside the running program, in
    // the build when run from there, in the installed helper folder, and
    // last in the data folder's "datediff" folder (where a data folder laid
    // down by hand keeps it). The last place when none has it.
    static QString findProgram(const QString& programdir);

    static QString kortDato(const QDate& d); // "dd-MM-yyyy"

    void FormCreate(); // both calendars to today, the today captions

    // nr is 1 or 2.
    void kalenderChange(int nr);
    void kalenderKlik(int nr, const QDate& d);            // a day picked on the calendar
    void setFelt(int nr, int felt, const QString& tekst); // felt 0 day, 1 month, 2 year
    void opdaterKnapClick(int nr);
    void mNextClick(int nr) { flyt(nr, 1, 0); }
    void mPrevClick(int nr) { flyt(nr, -1, 0); }
    void yNextClick(int nr) { flyt(nr, 0, 1); }
    void yPrevClick(int nr) { flyt(nr, 0, -1); }
    void datoLabelClick(int nr);
    void beregnKnapClick();
    void scriptTimerTimer();
    void spmDatoerKnapClick() { Q_EMIT informationOenskes(QStringLiteral("Funktioner")); }
    void ErrorInfo(int Nr);

    // The parameter text: "d-m-y d-m-y" from the fields as they stand.
    QString parameterTekst() const;
    static QString resultatTekst1(const QString& y, const QString& m, const QString& d);
    static QString resultatTekst2(const QString& t);

    // Waits (blocking) for a started program and shows its result; for runs
    // without an event loop.
    void koerTilEnde();
    bool venter() const { return scriptTimer.isActive(); }

Q_SIGNALS:
    void aendret();
    void informationOenskes(const QString& emne);

private:
    void flyt(int nr, int maaneder, int aar);
    void tik();
    QString datoArgument(int i) const;
    void fjernResultatfil();

    QString m_programdir;
    Beskeder& m_beskeder;
    QProcess m_proces;
    int m_ventet = 0;
    QString m_resultatFil;
};
