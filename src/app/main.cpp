#include "app/datamappe.h"
#include "app/programmapper.h"
#include "app/tavlix.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlix"));
    // An installed program lays down a missing data folder from its template.
    datamappe::foersteStart(QCoreApplication::applicationDirPath(),
                            TProgramMapper::standardProgramdir());
    Tavlix tavlix(app, TProgramMapper::standardProgramdir());
    tavlix.vis();
    return QApplication::exec();
}
