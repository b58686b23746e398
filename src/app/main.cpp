#include "app/programmapper.h"
#include "app/tavlix.h"
#include "info/websider.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    websider::forbered(); // the page view's engine, loaded later, needs this first
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlix"));
    Tavlix tavlix(app, TProgramMapper::standardProgramdir());
    tavlix.vis();
    return QApplication::exec();
}
