#pragma once
// Where the program's own pieces lie. An installed Tavlix keeps its programs
// in bin, its helper programs in libexec/tavlix and the modules it opens at
// run time in lib/tavlix (the folder names CMake chose when it was
// configured, taken relative to the bin folder so a moved prefix still
// works). A program run from its build folder finds the pieces in the build.
// The data folder holds only data.
#include <QString>
#include <QStringList>

namespace installation {

// The folder of the running program.
QString programMappe();
// True when the running program lies in the build folder it was built in.
bool iByggemappen();
// The installed folder of the helper programs and of the run-time modules,
// as seen from the running program's bin folder.
QString hjaelpeMappe();
QString modulMappe();

// The places a run-time module `navn` (without prefix or suffix) is looked
// for, in order: beside the program, the installed module folder, and in a
// build folder also `byggeSti` (the build's own path of the module).
QStringList modulSteder(const QString& navn, const QString& byggeSti = QString());

// Opens module `navn` and resolves `symbol`; null when no place has it, with
// the places tried and the loader's last reason in `grund`.
void* hentModulSymbol(const QString& navn, const char* symbol, const QString& byggeSti,
                      QString* grund = nullptr);

} // namespace installation
