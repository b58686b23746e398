#pragma once
// The command-line tool `tavlix-formel`: evaluates formula-language text with
// the calculator engine, as the expression window's "Beregn" does or key by
// key as typing does, and prints the display (or everything as JSON). The
// program's main() only passes arguments and standard input in and writes
// the result out.
#include <QString>
#include <QStringList>

#include <functional>

class TFormelVaerktoej {
public:
    struct Resultat {
        int exitKode = 0; // 0 when it ran, 2 for bad options
        QString ud;       // standard output
        QString fejlUd;   // standard error
    };

    // `argumenter` without the program name; `laesInput` gives standard
    // input, asked only when no TEXT is given.
    static Resultat koer(const QStringList& argumenter, const std::function<QString()>& laesInput);
    static QString brug();
};
