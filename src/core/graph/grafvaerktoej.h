#pragma once
// The logic of the drawing tool `tavlix-graf`: its arguments, and the canvas
// they describe. The tool itself only paints the canvas into a picture file.
#include "core/graph/funktioner.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

struct TGrafKurve {
    QChar kind;
    double a = 0, b = 0, c = 0, d = 0;
    QString tekst; // as given
};

struct TGrafArgumenter {
    QSize stoerrelse{800, 600};
    qint32 enhed = 20;
    bool gitter = true;
    bool akser = true;
    QList<TGrafKurve> kurver;
    QString ud;
    bool hjaelp = false;
    // --intersect I J: the curves (counted from 1) to intersect; 0 for none.
    int skaering1 = 0, skaering2 = 0;
    bool json = false;
};

namespace grafvaerktoej {

QString brug();

// Reads the arguments (without the program name). Returns false and sets
// `fejl` for an argument the tool does not accept.
bool fortolk(const QStringList& args, TGrafArgumenter& ud, QString& fejl);

// Sets up `g` with the graph window's fresh-start settings, then the
// arguments' size, scale, grid, axes and curves. Each curve the canvas refuses
// gives one line in `afviste`. `indeks`, when given, gets each curve's row on
// the canvas (-1 for a refused one).
void opsaet(TFunktioner& g, const TGrafArgumenter& a, QStringList& afviste,
            QList<int>* indeks = nullptr);

} // namespace grafvaerktoej
