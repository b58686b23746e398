#pragma once
// Saving the graph's picture as a file, the format chosen by the file name's
// ending: ".png" a picture of pixels, ".pdf" and ".svg" vector drawings of the
// same lines. The canvas is drawn at its current size through the same
// painter surface as the window.
//
// The SVG writer lives in a library the program loads only when it is first
// needed, so the caller hands in the means to make an SVG surface.
#include <functional>
#include <memory>
#include <QSize>
#include <QString>
#include <QStringList>

class QIODevice;
class QPaintDevice;
class TFunktioner;

namespace grafeksport {

// An SVG surface of `stoerrelse` pixels writing to `ud`; null when none can
// be made. The drawing is complete on the device when the surface is gone.
using TSvgFlade = std::function<std::unique_ptr<QPaintDevice>(QIODevice* ud, QSize)>;

// The endings accepted, in lower case without the dot.
QStringList endelser();
// True when the name ends in one of them (any case).
bool kendtEndelse(const QString& fil);

// Draws `g` into `fil`. Returns false and sets `fejl` (a Danish message)
// when the ending is unknown or the file cannot be written whole. The file
// is written under a temporary name and put in place only when every byte
// was written (a full disk leaves the old file, or none); a name that is
// not a regular file (a folder, a device) is refused untouched.
bool gem(TFunktioner& g, const QString& fil, const TSvgFlade& svg, QString& fejl);

} // namespace grafeksport
