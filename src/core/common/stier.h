#pragma once
// Paths that come from files or users: one rule for whether a path stays
// inside a folder, used before anything is opened, renamed, moved or deleted.
#include <QString>

namespace stier {

// True when the cleaned absolute form of `sti` lies inside the cleaned
// absolute folder `mappe` (strictly below it, not the folder itself). A
// relative `sti` is taken relative to `mappe`. This compares names, which
// is what a name read from a file can change ("..", an absolute path).
bool indenfor(const QString& mappe, const QString& sti);

// The same with both sides' links resolved, for reading an existing file:
// a link inside the folder that points out of it does not get past. False
// when either does not exist.
bool aegteIndenfor(const QString& mappe, const QString& sti);

} // namespace stier
