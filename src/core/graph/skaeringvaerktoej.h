#pragma once
// tavlix-graf --intersect: the graph window's "Løs" on two of the curves
// given, without a window.
#include "core/graph/grafvaerktoej.h"

#include <QString>

namespace skaeringvaerktoej {

// Solves curve a.skaering1 with curve a.skaering2 on the canvas `g` set up
// from `a` by grafvaerktoej::opsaet, which gave `indeks`. `ud` gets "x1 = ..." lines in number text
// or the window's message, or with a.json one JSON object with x1, y1, x2,
// y2 (empty where the window leaves a field empty) and message. Returns 0
// when points were found, 1 when the window would show a message.
int skaering(const TFunktioner& g, const TGrafArgumenter& a, const QList<int>& indeks, QString& ud);

} // namespace skaeringvaerktoej
