#pragma once
// Finds the print module the first time it is asked for.
class TTrykFlade;

namespace tryk {
// The module's interface, or null when the module is missing.
TTrykFlade* flade();
} // namespace tryk
