#pragma once
// The graph window's options file "grafer.txt": one value per line, read by
// line position. Lines: window top, left, width, height; zoom-centre marker
// (flag); zoom step; axes (flag); half tick length; unit grid (flag); zoom
// step again (this one decides); pixels per unit; units per mark; colour
// indexes of background, axes and new curves.
#include "core/common/optionsfil.h"
#include "core/graph/laerred.h"

#include <QtGlobal>

struct TGrafOptioner {
    bool centrer = true; // no position read: centre the window on the desktop
    qint32 top = 0;
    qint32 left = 0;
    qint32 bredde = 784;
    qint32 hoejde = 624;
    bool MedZoomCenter = false;
    qint32 ZoomVal = 1;
    bool Koordinatsystem = true;
    qint32 MarkHojde = 3;
    bool MedFelter = true;
    qint32 PixelEnhed = 20;
    qint32 MarkEnhed = 1;
    qint32 farveItemIndex = 18; // cream
    qint32 linieItemIndex = 7;  // gray
    qint32 kurveItemIndex = 0;  // black
};

class TFunktioner;

// The colour table of the graph: index 0 to 19; any other index gives black.
TFarve grafFarve(qint32 indeks);

// Puts the graph settings of `o` (not the window's place) on the canvas:
// marker, zoom step, axes, tick length, grid, scale and the three colours.
void saetGraf(TFunktioner& g, const TGrafOptioner& o);

// Reads the lines in order into `o`. A line that is not a whole number or a
// missing line throws (TKonverteringsFejl, TIndeksFejl); the lines before it
// stay read into `o`, the rest keep what `o` held.
void laesGrafOptioner(const TOptionsFil& fil, TGrafOptioner& o);

// The lines of the file for `o`, in order.
TOptionsSkriver skrivGrafOptioner(const TGrafOptioner& o);
