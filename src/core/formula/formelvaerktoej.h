#pragma once
// The command-line tool `tavlix-formel`: evaluates formula-language text with
// the calculator engine, as the expression window's "Beregn" does or key by
// key as typing does, and prints the display (or everything as JSON). Its
// other modes and the one front end that reads the arguments for all of them
// are in vaerktoejsfront.h; the program's main() only passes arguments and
// standard input in and writes the result out.
#include "core/formula/vaerktoejsfront.h"

#include <QString>
#include <QStringList>

#include <functional>

class TRegner;

class TFormelVaerktoej {
public:
    using Resultat = TVaerktoejsResultat;

    // The whole tool: `argumenter` without the program name; `laesInput`
    // gives standard input, asked only when no TEXT is given.
    static Resultat koer(const QStringList& argumenter, const std::function<QString()>& laesInput);
    static QString brug();

    // The formula mode, its values read by the front end. Exit code 1 when
    // a message stopped the evaluation.
    static Resultat koerTekst(const vaerktoej::Kald& k);

    // --angle and --decimals, shared with --program: false with the reason.
    static bool indstil(TRegner& regner, const vaerktoej::Kald& k, QString& fejl);
};
