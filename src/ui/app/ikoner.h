#pragma once
// Small icons drawn by the program itself, so the frame needs no image files.
#include <QIcon>

namespace ikoner {
QIcon lommeregner();       // the calculator page
QIcon simpelLommeregner(); // the simple calculator page
QIcon graf();              // the graph window
QIcon sletListe();         // empty the calculation list
QIcon udtryksvindue();     // open or close the expression window
} // namespace ikoner
