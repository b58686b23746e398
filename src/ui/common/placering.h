#pragma once
// Puts a secondary window or dialog where it asks to stand, kept inside the
// available area of a screen (see skaermplads.h).
#include <QPoint>

class QWidget;

// Moves `w` (its frame's top-left corner) to `oensket`, or as near to it as
// keeps the whole window on a screen.
void placerPaaSkaermen(QWidget& w, QPoint oensket);
// Centres `w` on the point `midte`, kept on a screen.
void centrerPaaSkaermen(QWidget& w, QPoint midte);
