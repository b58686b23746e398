#include "app/temaer.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>

namespace {

struct Farver {
    const char* vindue; // window background
    const char* tekst;  // window text
    const char* felt;   // edit and list background
    const char* knap;   // key face (functions)
    const char* ramme;  // disabled text
    const char* markering;
    const char* tal; // digit keys
    const char* opr; // operator keys
};

// The look of each theme. Colours are #rrggbb.
const Farver* farverFor(const QString& navn) {
    static const Farver iceberg{"#e8eef4", "#1b2733", "#ffffff", "#dde6ee",
                                "#8a9bac", "#3d7ab8", "#f7fafc", "#c9dbec"};
    static const Farver aqua{"#e6edf0", "#20303a", "#fbfdfe", "#d6e2e8",
                             "#8ea6b3", "#3f8aa6", "#f4f8fa", "#c3dbe5"};
    static const Farver carbon{"#2b2d30", "#e6e6e6", "#1e1f21", "#3a3d41",
                               "#7a7e84", "#4f8fd6", "#484b50", "#2f4a66"};
    static const Farver sky{"#e9f3fb", "#16324a", "#ffffff", "#d5e8f7",
                            "#8fb4d4", "#2b83d1", "#f5faff", "#bcdaf3"};
    static const Farver smokey{"#3a3836", "#ece7e1", "#2d2b2a", "#4a4745",
                               "#8b8681", "#b08a5a", "#56524f", "#5c4a33"};
    static const Farver clearDay{"#f3f3f3", "#1a1a1a", "#ffffff", "#e5e5e5",
                                 "#a0a0a0", "#0078d7", "#fbfbfb", "#d6e6f5"};
    static const Farver modernLight{"#f3f3f3", "#1b1b1b", "#ffffff", "#ebebeb",
                                    "#a8a8a8", "#005fb8", "#ffffff", "#dbe8f5"};
    if (navn == QLatin1String("Iceberg Classico")) return &iceberg;
    if (navn == QLatin1String("Aqua Light Slate")) return &aqua;
    if (navn == QLatin1String("Carbon")) return &carbon;
    if (navn == QLatin1String("Sky")) return &sky;
    if (navn == QLatin1String("Smokey Quartz Kamri")) return &smokey;
    if (navn == QLatin1String("Windows10 Clear Day")) return &clearDay;
    if (navn == QLatin1String("Windows11 Modern Light")) return &modernLight;
    return nullptr; // "Windows": the plain look
}

QPalette palette(const Farver& f) {
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
    p.setColor(QPalette::Light, knap.lighter(115));
    p.setColor(QPalette::Midlight, knap.lighter(107));
    p.setColor(QPalette::Mid, knap.darker(120));
    p.setColor(QPalette::Dark, knap.darker(150));
    p.setColor(QPalette::Shadow, knap.darker(300));
    for (auto rolle : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(QPalette::Disabled, rolle, QColor(f.ramme));
    p.setColor(QPalette::Disabled, QPalette::Base, vindue);
    return p;
}

// Fusion, with the keys' faces coloured by the dynamic property "rolle".
class TavlixStil : public QProxyStyle {
public:
    TavlixStil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    const Farver* farver = nullptr;

    void polish(QWidget* w) override {
        QProxyStyle::polish(w);
        const QVariant rolle = w->property("rolle");
        if (!rolle.isValid() || !qobject_cast<QPushButton*>(w)) return;
        QPalette p = w->palette();
        const QString r = rolle.toString();
        if (farver && r == QLatin1String("tal"))
            p.setColor(QPalette::Button, QColor(farver->tal));
        else if (farver && r == QLatin1String("opr"))
            p.setColor(QPalette::Button, QColor(farver->opr));
        else
            p.setColor(QPalette::Button, QApplication::palette().color(QPalette::Button));
        w->setPalette(p);
        if (r != QLatin1String("funk")) {
            QFont f = w->font();
            f.setBold(true);
            w->setFont(f);
        }
    }
    using QProxyStyle::polish;
};

} // namespace

namespace temaer {

void anvend(QApplication& app, const QString& navn) {
    auto* stil = dynamic_cast<TavlixStil*>(app.style());
    if (!stil) {
        stil = new TavlixStil;
        QApplication::setStyle(stil); // the application takes ownership
    }
    stil->farver = farverFor(navn);
    QApplication::setPalette(stil->farver ? palette(*stil->farver) : stil->standardPalette());
    // Keys coloured by role take their colours again.
    for (QWidget* w : QApplication::allWidgets())
        if (w->property("rolle").isValid()) stil->polish(w);
}

} // namespace temaer
