#include "app/datamappe.h"
#include "app/programmapper.h"
#include "app/tavlix.h"
#include "info/websider.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    websider::forbered(); // the page view's engine, loaded later, needs this first
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlix"));
    // An installed program lays down a missing data folder from its template.
    datamappe::foersteStart(QCoreApplication::applicationDirPath(),
                            TProgramMapper::standardProgramdir());
    Tavlix tavlix(app, TProgramMapper::standardProgramdir());
    tavlix.vis();
    return QApplication::exec();
}
