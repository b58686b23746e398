// tavlix-graf: draws curves on the graph canvas and writes the picture.
// Exit status 0 when the file was written, 1 when it could not be, 2 for
// bad arguments.
#include "graph/funktioner.h"
#include "graph/grafvaerktoej.h"
#include "painterlaerred.h"

#include <QCoreApplication>
#include <QImage>
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
    grafvaerktoej::opsaet(g, a, afviste);
    for (const QString& t : afviste)
        err << "tavlix-graf: " << t << '\n';
    const QImage billede = grafBillede(g);
    if (!billede.save(a.ud)) {
        err << "tavlix-graf: Billedet kan ikke gemmes i \"" << a.ud << "\"\n";
        return 1;
    }
    return 0;
}
