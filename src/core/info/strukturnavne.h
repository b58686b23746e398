#pragma once
// Structure names. A structure is named after its folder below the structure
// root; callers often add ".txt" ("Info.txt"), which names the same folder,
// so names are compared without it and without regard to case.
#include <QString>
#include <QStringList>

namespace strukturnavne {

// The folder name of a structure: the name without a ".txt" extension.
QString mappenavn(const QString& navn);
// True when both names name the same structure.
bool samme(const QString& a, const QString& b);
// The folder of structure `navn` below the root; an existing folder whose
// name differs only in case counts as the same.
QString mappe(const QString& strukturDir, const QString& navn);
// The structures below the root: folders holding a tree file "struktur.txt",
// sorted by name without regard to case.
QStringList alle(const QString& strukturDir);

} // namespace strukturnavne
