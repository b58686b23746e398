#pragma once
// Starting a helper program, in place of the platform's shell "open" call:
// the program is started directly as a separate process (never through a
// command shell) with its arguments, and the result follows the shell's
// convention: a number above 32 on success, otherwise an error code whose
// Danish text `fejltekst` gives.
#include <QString>
#include <QStringList>

class QProcess;

namespace shellaabn {

constexpr int Startet = 42; // any value above 32 means started

enum Kode {
    IkkeFundet = 2,     // the file does not exist
    StiIkkeFundet = 3,  // its folder (or the working folder) does not exist
    AdgangNaegtet = 5,  // not allowed to run it
    IkkeHukommelse = 8, // out of memory
    IkkeProgram = 11,   // not a program this system can run
    Ukendt = 1,         // anything else
};

// Starts `program` in `mappe` with `argumenter` on `proces` and waits until it
// has started (not until it ends).
int aabn(QProcess& proces, const QString& program, const QStringList& argumenter,
         const QString& mappe);

// The message for a code returned by aabn (and by the shell).
QString fejltekst(int kode);

} // namespace shellaabn
