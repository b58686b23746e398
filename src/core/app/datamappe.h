#pragma once
// The data folder at a first start. An installed program carries a template
// of the data folder (share/tavlix/Tavlixmappe beside its bin folder). When
// the user has no data folder yet, the program lays it down from there at
// start, by the rule of scripts/install-data: add what is missing, never
// overwrite a file. A program run from its build folder has no template and
// leaves the data folder to scripts/install-data.
#include <QString>

namespace datamappe {

// The template of the program installed in `programMappe` (its bin folder),
// or an empty text when there is none.
QString skabelon(const QString& programMappe);

// Copies the folders and files of `skabelon` that `programdir` lacks. Returns
// false when a folder or file could not be made.
bool laegNed(const QString& skabelon, const QString& programdir);

// At start: lays the data folder down from the installed template when the
// user has none (no options folder). True when it was laid down.
bool foersteStart(const QString& programMappe, const QString& programdir);

} // namespace datamappe
