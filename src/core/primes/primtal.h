#pragma once
// Prime numbers: the prime test window's model. A whole number from 3 up to
// 2147483647 is tested off the user-interface thread; its divisors other than
// 1 and the number itself come back to the window, which lists them in
// ascending order. While a test runs the window (and with it the main window)
// refuses to close.
//
// Flow: the number box's text -> KanProcessenStartes (checks it and prepares
// MyData) -> processenGo (one task on the global thread pool finds the
// divisors) -> the completion step on the user-interface thread writes the
// information lines and the list. The tool and the tests may run the same test
// synchronously with koerSynkront.
#include <functional>
#include <QList>
#include <QObject>
#include <QSemaphore>
#include <QString>

class Beskeder;

// The data of one test. The task writes X, antalTal and Tal; the
// user-interface thread writes the object only before the task starts and
// reads it only in the completion step, so no lock is needed.
struct TMyData {
    qint32 startTal = 0;
    qint32 X = 0;
    qint32 antalTal = 0;
    QList<qint32> Tal; // divisors in the order found: largest first
    QString startTekst;
    QString slutTekst;
};

class TPrimtalModel : public QObject {
    Q_OBJECT
public:
    static constexpr qint32 stoerste = 2147483647;

    // `hentVaerdi` gives the calculator's value, which "Hent" takes by
    // hentTal() below.
    TPrimtalModel(Beskeder& beskeder, std::function<double()> hentVaerdi,
                  QObject* parent = nullptr);

    // "Hent"'s number for a calculator value: rounded (halves to even) and
    // capped at stoerste; a value below 1 gives 0, as the box holds digits only.
    static qint32 hentTal(double v);
    ~TPrimtalModel() override;

    // What the window shows.
    QString primtalEdit = QStringLiteral("2147483645");
    QString startInfoLabel = QStringLiteral("Information");
    QString slutInfoLabel = QStringLiteral("Information");
    QList<qint32> primtalListe; // ascending
    bool aktivitet = false;     // the activity indicator runs
    bool startKnapAktiv = true;
    bool hentButtonAktiv = true;

    TMyData MyData;
    bool kanLukkes() const { return m_kanLukkes; }

    // Every divisor d of n with 3 <= d <= n - 1, largest first: the list the
    // plain trial division from n - 1 down to 3 finds, computed with divisors
    // up to the square root.
    static QList<qint32> divisorer(qint32 n);

    bool KanProcessenStartes();
    void processenGo();
    // Runs a prepared test on this thread and then the completion step.
    void koerSynkront();

    // Handlers.
    void startKnapClick();
    void primtalEditKeyPress(); // Enter
    void primtalEditChange(const QString& tekst);
    void hentButtonClick();
    void infoButtonClick();
    bool FormCloseQuery();
    // The caller's preset number (the main window's "Primtal" button).
    void forudindstil(qint32 tal);

Q_SIGNALS:
    void aendret();
    void informationOenskes(const QString& struktur, const QString& emne);
    void testFaerdig();

private:
    void beregn();  // the task's work
    void afslut();  // the completion step
    void fejlet();  // a failure while preparing or starting
    void tilKlar(); // back to idle: indicator off, buttons on, may close

    Beskeder& m_beskeder;
    std::function<double()> m_hentVaerdi;
    bool m_kanLukkes = true;
    bool m_koerer = false; // a task has been started and not completed
    QSemaphore m_beregnet; // released by the task when its work on MyData is done
};
