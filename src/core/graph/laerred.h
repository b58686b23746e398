#pragma once
// The drawing surface the graph canvas draws on. The canvas model knows
// nothing of windows or pictures: it draws only through these few calls, so
// the same drawing code fills the graph window, a picture file of the
// command-line tool, and the recording surface of the tests.
//
// Pixel coordinates are 32-bit signed integers, origin in the top left
// corner, x to the right and y downwards. The pen is always one pixel wide.
#include <QtGlobal>

// A colour laid out 0x00BBGGRR (red in the low byte).
using TFarve = quint32;

namespace farve {
constexpr TFarve rgb(int r, int g, int b) {
    return TFarve(r & 0xFF) | (TFarve(g & 0xFF) << 8) | (TFarve(b & 0xFF) << 16);
}
constexpr int roed(TFarve f) {
    return int(f & 0xFF);
}
constexpr int groen(TFarve f) {
    return int((f >> 8) & 0xFF);
}
constexpr int blaa(TFarve f) {
    return int((f >> 16) & 0xFF);
}
} // namespace farve

class TLaerred {
public:
    virtual ~TLaerred() = default;

    // Fills the whole surface with the background colour (before a repaint).
    virtual void Fyld(TFarve baggrund) = 0;
    virtual void setPenFarve(TFarve f) = 0;
    // Clear: figures are drawn as outlines only; solid: filled.
    virtual void setBrushKlar(bool klar) = 0;
    // Sets the current position.
    virtual void MoveTo(qint32 x, qint32 y) = 0;
    // Draws from the current position to (x, y), the end pixel excluded, and
    // makes (x, y) the current position.
    virtual void LineTo(qint32 x, qint32 y) = 0;
    // The ellipse inscribed in the box (x1, y1) - (x2, y2).
    virtual void Ellipse(qint32 x1, qint32 y1, qint32 x2, qint32 y2) = 0;
};

// A surface that draws nothing: for running the drawing without a picture.
class TTomLaerred : public TLaerred {
public:
    void Fyld(TFarve) override {}
    void setPenFarve(TFarve) override {}
    void setBrushKlar(bool) override {}
    void MoveTo(qint32, qint32) override {}
    void LineTo(qint32, qint32) override {}
    void Ellipse(qint32, qint32, qint32, qint32) override {}
};
