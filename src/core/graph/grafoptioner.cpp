#include "core/graph/grafoptioner.h"

#include "core/graph/funktioner.h"

#include <iterator>

TFarve grafFarve(qint32 indeks) {
    static constexpr TFarve tabel[] = {
        farve::rgb(0, 0, 0),       farve::rgb(128, 0, 0),     farve::rgb(0, 128, 0),
        farve::rgb(128, 128, 0),   farve::rgb(0, 0, 128),     farve::rgb(128, 0, 128),
        farve::rgb(0, 128, 128),   farve::rgb(128, 128, 128), farve::rgb(192, 192, 192),
        farve::rgb(255, 0, 0),     farve::rgb(0, 255, 0),     farve::rgb(255, 255, 0),
        farve::rgb(0, 0, 255),     farve::rgb(255, 0, 255),   farve::rgb(0, 255, 255),
        farve::rgb(255, 255, 255), farve::rgb(192, 220, 192), farve::rgb(166, 202, 240),
        farve::rgb(255, 251, 240), farve::rgb(160, 160, 164),
    };
    if (indeks < 0 || indeks >= qint32(std::size(tabel))) return farve::rgb(0, 0, 0);
    return tabel[indeks];
}

void saetGraf(TFunktioner& g, const TGrafOptioner& o) {
    g.setMedZoomCenter(o.MedZoomCenter);
    g.setZoomVal(o.ZoomVal);
    g.setKoordinatsystem(o.Koordinatsystem);
    g.setMarkHojde(o.MarkHojde);
    g.setMedFelter(o.MedFelter);
    g.setPixelEnhed(o.PixelEnhed);
    g.setMarkEnhed(o.MarkEnhed);
    g.setColor(grafFarve(o.farveItemIndex));
    g.setColorKS(grafFarve(o.linieItemIndex));
    g.setColorLinie(grafFarve(o.kurveItemIndex));
}

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
