#pragma once
// Where a window may stand: every secondary window and dialog is placed
// where its owner or its options file asks, and then kept inside the
// available area of a screen, as the main window is.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace skaermplads {

// The top-left corner for a window of `vindue` (frame included) that asks to
// stand at `oensket`, moved the least so that it lies inside the available
// area of one of `skaerme`: the screen that holds most of it, or, when it
// lies on none, the screen nearest to it. A window larger than the screen
// keeps its top-left corner on it. No screens: `oensket` as it is.
QPoint indenfor(QPoint oensket, QSize vindue, const QList<QRect>& skaerme);

} // namespace skaermplads
