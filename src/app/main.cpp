#include "core/app/datamappe.h"
#include "core/common/programmapper.h"
#include "ui/app/qtdansk.h"
#include "ui/app/selvtest.h"
#include "ui/app/tavlix.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/info/websider.h"

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
