#pragma once
// The one front end of `tavlix-formel`. Every mode (formula text, --program,
// --quadratic, --equations, --statistics, --convert, --base, --datediff,
// --prime) is a row of one table: its name, its values and what kind each is,
// its own options and the function that runs it. One parser reads the
// arguments for all of them, so "--", --json and --help mean the same
// everywhere, numbers are read with "," or "." as the decimal separator and a
// value that is not a number is refused with its position named. Every mode
// answers with one result type and one exit-code rule, and JSON is written by
// one writer. --batch runs one task per line of standard input in one process.
#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// What a run gives: the exit code and the two output streams.
struct TVaerktoejsResultat {
    int exitKode = 0;
    QString ud;     // standard output
    QString fejlUd; // standard error
};

namespace vaerktoej {

// The exit-code rule of every mode.
enum Afslutning {
    Resultat = 0, // a result
    Besked = 1,   // the program's message stopped it (or the input could not be read)
    Brugsfejl = 2,
    Venter = 3, // a formula program waits for a value no --input gave
};

// The values of one run, read and checked by the front end.
struct Kald {
    QStringList vaerdier;             // the mode's values; numbers with decimal comma
    QHash<QString, QStringList> valg; // option (with "--") -> its values ("" for a flag)
    bool json = false;
    std::function<QString()> laesInput; // standard input, for modes that read it

    bool har(const QString& navn) const { return valg.contains(navn); }
    QString vaerdi(const QString& navn) const {
        const QStringList l = valg.value(navn);
        return l.isEmpty() ? QString() : l.last();
    }
    QStringList alle(const QString& navn) const { return valg.value(navn); }
};

// What a value of a mode must be.
enum class Art {
    Tekst,  // anything
    Tal,    // a number, "," or "."
    Heltal, // a whole number
    Form,   // "+", "*" or "/"
    Dato,   // d-m-yyyy (or d.m.yyyy)
};

struct Valg {
    QString navn;       // "--angle"
    QString vaerdiNavn; // "deg|rad|grad"; empty for a flag
    QString hjaelp;
    bool valgfriVaerdi = false; // a flag that may take "=VALUE" (--keys=TEXT)
    Art art = Art::Tekst;       // what its value must be
};

struct Tilstand {
    QString navn;     // "--quadratic"; empty for formula text
    QString vaerdier; // "A B C", for the usage line
    QString beskrivelse;
    QList<Art> arter; // the kind of each value; the last repeats up to `maks`
    int min = 0, maks = 0;
    QList<Valg> valg;
    std::function<TVaerktoejsResultat(const Kald&)> koer;
};

// Adds modes to the table after the formula language's own (a mode of the
// same name is replaced). The subsystems' modes are added by the program
// that runs the front end (vaerktoejstilstande.h), so that this front end
// needs none of them.
void tilfoejTilstande(const QList<Tilstand>& tilstande);

// Reads a number as the command line gives it: "," or "." as the decimal
// separator, strictly (the whole text). On success `ud` holds it with the
// decimal comma, as the program's boxes show numbers.
bool laesTal(const QString& tekst, QString* ud = nullptr);

// The one JSON writer: one object on one line.
QString json(const QJsonObject& o);

// Ends a mode's run: in JSON `felter` plus "messages"; otherwise `linjer` on
// standard output and the messages (one per line, "\r" as a line break) on
// standard error.
TVaerktoejsResultat afslut(const Kald& k, int kode, QJsonObject felter, const QStringList& linjer,
                           const QStringList& beskeder);

// The whole tool: `argumenter` without the program name; `laesInput` gives
// standard input (asked only when a mode reads it).
TVaerktoejsResultat koer(const QStringList& argumenter, const std::function<QString()>& laesInput);

// --batch: one task per line of `ind` (a formula, or a mode with its
// arguments; blank lines and lines starting with "#" are skipped), one result
// line per task through `skriv` (false from it stops the run). `faelles` are
// the options given with --batch, put before every task. Returns the exit
// code: the largest of the tasks'.
int batch(QIODevice& ind, const QStringList& faelles,
          const std::function<bool(const QString&)>& skriv);

// Splits a batch line into arguments: blanks separate them, '...' and "..."
// quote, a backslash outside single quotes takes the next character.
QStringList delLinje(const QString& linje);

// The usage text: every mode once, or one mode's own ("--quadratic").
QString brug(const QString& tilstand = QString());

} // namespace vaerktoej
