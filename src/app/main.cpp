#include "app/datamappe.h"
#include "common/programmapper.h"
#include "app/qtdansk.h"
#include "app/selvtest.h"
#include "app/tavlix.h"
#include "common/tilgaengelighed.h"
#include "info/websider.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    websider::forbered(); // the page view's engine, loaded later, needs this first
    // Our accessible descriptions before the screen-reader bridge describes the program.
    tilgaengelighed::installer();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlix"));
    qtdansk::indlaes(app); // Qt's own dialogs in Danish
    // An installed program lays down a missing data folder from its template.
    datamappe::foersteStart(QCoreApplication::applicationDirPath(),
                            TProgramMapper::standardProgramdir());
    const QStringList argumenter = QCoreApplication::arguments().mid(1);
    if (!argumenter.isEmpty() && argumenter.first() == QLatin1String("--self-test"))
        return selvtest::koer(app, TProgramMapper::standardProgramdir(), argumenter.mid(1));
    Tavlix tavlix(app, TProgramMapper::standardProgramdir());
    tavlix.vis();
    return QApplication::exec();
}
