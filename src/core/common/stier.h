#pragma once
// Paths that come from files or users: one rule for whether a path stays
// inside a folder, used before anything is opened, renamed, moved or deleted.
#include <QString>

namespace stier {

// True when the cleaned absolute form of `sti` lies inside the cleaned
// absolute folder `mappe` (strictly below it, not the folder itself). A
// relative `sti` is taken relative to `mappe`. Links are not followed: the
// rule is about the names, which is what a name from a file can change.
bool indenfor(const QString& mappe, const QString& sti);

} // namespace stier
