#pragma once
// Named themes: a palette over the Fusion style, with the keys coloured by
// their role (digits, operators, functions). "Windows" is the platform's plain
// look: Fusion with its own palette. Style sheets are not used: they make
// every widget slower to create, and the program must start quickly.
#include <QString>

class QApplication;
class QWidget;

namespace temaer {
// Applies the theme with that name (as listed by the frame model) to the whole program.
void anvend(QApplication& app, const QString& navn);
} // namespace temaer
