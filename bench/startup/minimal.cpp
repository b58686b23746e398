// The smallest program that still looks like a calculator: one line edit over a grid of
// 5 x 7 buttons. The start-up benchmark compares Tavlix with it, so it stands for the cost
// every Qt Widgets program pays before its first window shows.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));

    auto* layout = new QVBoxLayout(&window);
    auto* display = new QLineEdit(&window);
    display->setAlignment(Qt::AlignRight);
    layout->addWidget(display);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    constexpr int rows = 7;
    constexpr int columns = 5;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* button = new QPushButton(QString::number(r * columns + c + 1), &window);
            grid->addWidget(button, r, c);
        }
    }

    window.show();
    return app.exec();
}
