#pragma once
// Deleting to the desktop's wastebasket.
#include <QString>

namespace papirkurv {

// Moves the file to the wastebasket. True only when the file now lies in a
// wastebasket's files folder; otherwise it stays where it was (false). The
// home wastebasket is made first when it does not exist yet, so the move
// never lands in a folder of the program's own choosing.
bool flyt(const QString& sti);

} // namespace papirkurv
