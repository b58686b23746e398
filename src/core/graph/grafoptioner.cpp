#include "graph/grafoptioner.h"

void laesGrafOptioner(const TOptionsFil& fil, TGrafOptioner& o) {
    o.top = fil.heltal(1);
    o.left = fil.heltal(2);
    o.centrer = false;
    o.bredde = fil.heltal(3);
    o.hoejde = fil.heltal(4);
    o.MedZoomCenter = fil.flag(5);
    o.ZoomVal = fil.heltal(6);
    o.Koordinatsystem = fil.flag(7);
    o.MarkHojde = fil.heltal(8);
    o.MedFelter = fil.flag(9);
    o.ZoomVal = fil.heltal(10);
    o.PixelEnhed = fil.heltal(11);
    o.MarkEnhed = fil.heltal(12);
    o.farveItemIndex = fil.heltal(13);
    o.linieItemIndex = fil.heltal(14);
    o.kurveItemIndex = fil.heltal(15);
}

TOptionsSkriver skrivGrafOptioner(const TGrafOptioner& o) {
    TOptionsSkriver s;
    s.heltal(o.top);
    s.heltal(o.left);
    s.heltal(o.bredde);
    s.heltal(o.hoejde);
    s.flag(o.MedZoomCenter);
    s.heltal(o.ZoomVal);
    s.flag(o.Koordinatsystem);
    s.heltal(o.MarkHojde);
    s.flag(o.MedFelter);
    s.heltal(o.ZoomVal);
    s.heltal(o.PixelEnhed);
    s.heltal(o.MarkEnhed);
    s.heltal(o.farveItemIndex);
    s.heltal(o.linieItemIndex);
    s.heltal(o.kurveItemIndex);
    return s;
}
