#pragma once
// The drawing half of tavlix-graf. The tool itself needs only Qt Core (an
// intersection draws nothing); painting a picture needs Qt Gui and the SVG
// writer, so that lives in a module the tool opens only when --out asks for
// a picture.
class QString;
class TFunktioner;

// Paints the canvas into `fil` (.png, .svg or .pdf); false with the reason.
using TGemGraf = bool (*)(TFunktioner& g, const QString& fil, QString& fejl);
#define TAVLIX_GEM_GRAF "tavlix_gem_graf"
