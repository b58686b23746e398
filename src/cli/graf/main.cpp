// tavlix-graf: draws curves on the graph canvas and writes the picture, and
// intersects two of them as the graph window's "Løs" does.
// Exit status 0 when the file was written (and the curves intersect), 1 when
// it could not be written or the intersection gives a message, 2 for bad
// arguments.
#include "cli/graf/grafmodul.h"
#include "core/common/installation.h"
#include "core/graph/funktioner.h"
#include "core/graph/grafvaerktoej.h"
#include "core/graph/skaeringvaerktoej.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);
    TGrafArgumenter a;
    QString fejl;
    if (!grafvaerktoej::fortolk(app.arguments().mid(1), a, fejl)) {
        err << "tavlix-graf: " << fejl << "\n\n" << grafvaerktoej::brug();
        return 2;
    }
    if (a.hjaelp) {
        out << grafvaerktoej::brug();
        return 0;
    }
    TFunktioner g;
    QStringList afviste;
    QList<int> indeks;
    grafvaerktoej::opsaet(g, a, afviste, &indeks);
    for (const QString& t : afviste)
        err << "tavlix-graf: " << t << '\n';
    int status = 0;
    if (!a.ud.isEmpty()) {
        // Only a picture needs the painting module (Qt Gui, SVG).
#ifdef TAVLIX_GRAFMODUL_STI
        const QString bygget = QStringLiteral(TAVLIX_GRAFMODUL_STI);
#else
        const QString bygget;
#endif
        auto gem = reinterpret_cast<TGemGraf>(installation::hentModulSymbol(
            QStringLiteral("tavlix_grafmodul"), TAVLIX_GEM_GRAF, bygget, &fejl));
        if (!gem) {
            err << "tavlix-graf: " << fejl << '\n';
            return 1;
        }
        if (!gem(g, a.ud, fejl)) {
            err << "tavlix-graf: " << fejl << '\n';
            return 1;
        }
    }
    if (a.skaering1 > 0) {
        QString tekst;
        status = skaeringvaerktoej::skaering(g, a, indeks, tekst);
        out << tekst;
    }
    return status;
}
