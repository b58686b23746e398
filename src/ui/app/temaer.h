#pragma once
// Named themes: a palette and a style sheet over the Fusion style. "Windows"
// is the platform's plain look (Fusion with its own palette, no style sheet).
#include <QString>

class QApplication;

namespace temaer {
// Applies the theme with that name (as listed by the frame model) to the whole program.
void anvend(QApplication& app, const QString& navn);
} // namespace temaer
