#pragma once
// Starting a program with a file, in place of the platform shell's "open":
// the answer is above 32 when the program started, otherwise one of the
// shell's failure codes, which `fejlTekst` turns into the Danish message.
#include <QString>
#include <QStringList>

namespace programstart {

constexpr int startet = 42;

// Starts `program` detached with `argumenter` (each one argument, so a path
// with blanks needs no quoting). Codes: 2 the program does not exist, 5 it
// may not be run, 0 the start failed otherwise.
int aabn(const QString& program, const QStringList& argumenter);

// The message for a failure code.
QString fejlTekst(int kode);

} // namespace programstart
