#pragma once
// Finds the print module the first time it is asked for.
#include <QString>

class TTrykFlade;

namespace tryk {
// The module's interface, or null when the module is missing.
TTrykFlade* flade();
// Why flade() gave null: the places looked in and the loader's reason.
QString mangler();
} // namespace tryk
