#pragma once
// The only way a model talks to the user: message boxes, questions, file
// dialogs and status-bar hints. Views implement it with real dialogs; tests
// implement it with a recorder that writes down what was shown and answers
// questions as told.
#include <QString>
#include <QStringList>

class Beskeder {
public:
    virtual ~Beskeder() = default;

    // Information box with an OK button.
    virtual void information(const QString& tekst) = 0;
    // Error box with an OK button.
    virtual void fejl(const QString& tekst) = 0;
    // Yes/No question ("Ja"/"Nej"); true for yes.
    virtual bool spoerg(const QString& tekst) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString aabenFilnavn(const QString& titel, const QString& mappe,
                                 const QString& filter) = 0;
    virtual QString gemFilnavn(const QString& titel, const QString& mappe,
                               const QString& filter) = 0;
    // A status message (shown in the status bar whatever the hint setting).
    virtual void statusHint(const QString& tekst) = 0;
};

// Says nothing and answers no: for the command-line tool and for models that
// are used without a user.
class TavseBeskeder : public Beskeder {
public:
    void information(const QString&) override {}
    void fejl(const QString&) override {}
    bool spoerg(const QString&) override { return false; }
    QString aabenFilnavn(const QString&, const QString&, const QString&) override { return {}; }
    QString gemFilnavn(const QString&, const QString&, const QString&) override { return {}; }
    void statusHint(const QString&) override {}
};

// Writes down the texts of the message boxes a run would have shown, and the
// last status-bar hint, and answers no: for the command-line tools.
class OpsamledeBeskeder : public Beskeder {
public:
    QStringList tekster;
    QString status;
    void information(const QString& t) override { tekster << t; }
    void fejl(const QString& t) override { tekster << t; }
    bool spoerg(const QString& t) override {
        tekster << t;
        return false;
    }
    QString aabenFilnavn(const QString&, const QString&, const QString&) override { return {}; }
    QString gemFilnavn(const QString&, const QString&, const QString&) override { return {}; }
    void statusHint(const QString& t) override { status = t; }
};
