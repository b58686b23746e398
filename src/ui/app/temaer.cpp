#include "app/temaer.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

struct Farver {
    const char* vindue;   // window background
    const char* tekst;    // window text
    const char* felt;     // edit and list background
    const char* knap;     // key face
    const char* knapTop;  // key face, top of the gradient
    const char* ramme;    // key border
    const char* markering;
    const char* tal;      // digit keys
    const char* opr;      // operator keys
};

// The look of each theme. Colours are #rrggbb.
const Farver* farverFor(const QString& navn)
{
    static const Farver iceberg{"#e8eef4", "#1b2733", "#ffffff", "#dfe7ef", "#f4f8fb",
                                "#9fb2c4", "#3d7ab8", "#f7fafc", "#d3e1ee"};
    static const Farver aqua{"#e6edf0", "#20303a", "#fbfdfe", "#d6e2e8", "#eef4f7",
                             "#8ea6b3", "#3f8aa6", "#f4f8fa", "#c8dbe4"};
    static const Farver carbon{"#2b2d30", "#e6e6e6", "#1e1f21", "#3a3d41", "#46494e",
                               "#5a5e64", "#4f8fd6", "#44474c", "#34373b"};
    static const Farver sky{"#e9f3fb", "#16324a", "#ffffff", "#d5e8f7", "#eef6fd",
                            "#8fb4d4", "#2b83d1", "#f5faff", "#c4def3"};
    static const Farver smokey{"#3a3836", "#ece7e1", "#2d2b2a", "#4a4745", "#55524f",
                               "#6b6763", "#b08a5a", "#524f4c", "#444240"};
    static const Farver clearDay{"#f3f3f3", "#1a1a1a", "#ffffff", "#e5e5e5", "#f7f7f7",
                                 "#adadad", "#0078d7", "#fbfbfb", "#e1e1e1"};
    static const Farver modernLight{"#f3f3f3", "#1b1b1b", "#ffffff", "#ebebeb", "#fbfbfb",
                                    "#c8c8c8", "#005fb8", "#ffffff", "#e8e8e8"};
    if (navn == QLatin1String("Iceberg Classico")) return &iceberg;
    if (navn == QLatin1String("Aqua Light Slate")) return &aqua;
    if (navn == QLatin1String("Carbon")) return &carbon;
    if (navn == QLatin1String("Sky")) return &sky;
    if (navn == QLatin1String("Smokey Quartz Kamri")) return &smokey;
    if (navn == QLatin1String("Windows10 Clear Day")) return &clearDay;
    if (navn == QLatin1String("Windows11 Modern Light")) return &modernLight;
    return nullptr; // "Windows": the plain look
}

QPalette palette(const Farver& f)
{
    QPalette p;
    const QColor vindue(f.vindue), tekst(f.tekst), felt(f.felt), knap(f.knap);
    p.setColor(QPalette::Window, vindue);
    p.setColor(QPalette::WindowText, tekst);
    p.setColor(QPalette::Base, felt);
    p.setColor(QPalette::AlternateBase, vindue);
    p.setColor(QPalette::Text, tekst);
    p.setColor(QPalette::Button, knap);
    p.setColor(QPalette::ButtonText, tekst);
    p.setColor(QPalette::ToolTipBase, felt);
    p.setColor(QPalette::ToolTipText, tekst);
    p.setColor(QPalette::Highlight, QColor(f.markering));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(f.ramme));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(f.ramme));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(f.ramme));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(f.ramme));
    return p;
}

QString stil(const Farver& f)
{
    // Keys carry the dynamic property "rolle": "tal" (digits), "opr" (operators).
    return QStringLiteral(
               "QPushButton, QToolButton { border: 1px solid %6; border-radius: 4px;"
               " background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 %5, stop:1 %4);"
               " padding: 2px 4px; }"
               "QToolButton[popupMode=\"MenuButtonPopup\"] { padding-right: 16px; }"
               "QToolButton::menu-button { border: none; border-left: 1px solid %6; width: 14px; }"
               "QPushButton:hover, QToolButton:hover { border-color: %7; }"
               "QPushButton:pressed, QToolButton:pressed { background: %4; border-color: %7; }"
               "QPushButton:checked, QToolButton:checked { background: %7; color: white;"
               " border-color: %7; }"
               "QPushButton:disabled, QToolButton:disabled { color: %6; }"
               "QPushButton[rolle=\"tal\"] { background: %8; font-weight: bold; }"
               "QPushButton[rolle=\"opr\"] { background: %9; font-weight: bold; }"
               "QPushButton[rolle=\"funk\"], QToolButton[rolle=\"funk\"] { padding: 2px 0px; }"
               "QToolButton[rolle=\"funk\"][popupMode=\"MenuButtonPopup\"] { padding-right: 14px; }"
               "QComboBox { padding: 1px 2px 1px 4px; }"
               "QLineEdit, QComboBox, QListView, QPlainTextEdit { border: 1px solid %6;"
               " border-radius: 3px; background: %3; }"
               "QLineEdit#rmDisplay { font-size: 17pt; padding: 1px 4px; }"
               "QStatusBar QLabel { padding: 0 3px; }"
               "QToolTip { background: %3; color: %2; border: 1px solid %6; }"
               "QMainWindow { background: %1; }")
        .arg(QLatin1String(f.vindue), QLatin1String(f.tekst), QLatin1String(f.felt),
             QLatin1String(f.knap), QLatin1String(f.knapTop), QLatin1String(f.ramme),
             QLatin1String(f.markering), QLatin1String(f.tal), QLatin1String(f.opr));
}

} // namespace

namespace temaer {

void anvend(QApplication& app, const QString& navn)
{
    if (!app.style() || app.style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive))
        app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (const Farver* f = farverFor(navn)) {
        app.setPalette(palette(*f));
        app.setStyleSheet(stil(*f));
    } else {
        app.setPalette(app.style()->standardPalette());
        app.setStyleSheet(QString());
    }
}

} // namespace temaer
