#include "ui/app/temaer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>

namespace {

// How a theme draws the face of a key or button.
enum class Flade {
    Flad,     // one colour
    Gradient, // lighter at the top, a touch darker at the bottom
    Glans,    // a gradient with a glossy upper half
};

struct Farver {
    const char* vindue; // window background
    const char* tekst;  // window text
    const char* felt;   // edit and list background
    const char* knap;   // key face (functions)
    const char* ramme;  // disabled text
    const char* markering;
    const char* tal; // digit keys
    const char* opr; // operator keys
    const char* lig; // the "=" key
    const char* ligTekst;
    const char* oprTekst = nullptr; // text on the operator keys (none: the window text)
    const char* kant;               // button outline
    int radius;                     // corner radius of buttons
    Flade flade;
    bool kantVedHover; // the outline shows only under the mouse (flat tiles)
    bool bundKant;     // a darker bottom edge, as a raised tile
    bool moerk;        // a dark theme: hover lightens instead of darkening
};

// The look of each theme. Colours are #rrggbb.
const Farver* farverFor(const QString& navn) {
    // Cool blue-grey with glassy keys: the default.
    static const Farver iceberg{.vindue = "#e6edf4",
                                .tekst = "#1b2733",
                                .felt = "#ffffff",
                                .knap = "#dfe7ef",
                                .ramme = "#8a9bac",
                                .markering = "#3d7ab8",
                                .tal = "#f7fafc",
                                .opr = "#c6d9ec",
                                .lig = "#3d7ab8",
                                .ligTekst = "#ffffff",
                                .kant = "#9fb2c5",
                                .radius = 4,
                                .flade = Flade::Gradient,
                                .kantVedHover = false,
                                .bundKant = false,
                                .moerk = false};
    // Slate with teal accents and rounded, glossy keys.
    static const Farver aqua{.vindue = "#dde6ea",
                             .tekst = "#1f2f38",
                             .felt = "#fbfdfe",
                             .knap = "#cfdde4",
                             .ramme = "#86a0ad",
                             .markering = "#2f8aa6",
                             .tal = "#f2f7f9",
                             .opr = "#a9d3e0",
                             .lig = "#1f7f9c",
                             .ligTekst = "#ffffff",
                             .kant = "#7f9eac",
                             .radius = 9,
                             .flade = Flade::Glans,
                             .kantVedHover = false,
                             .bundKant = false,
                             .moerk = false};
    // Charcoal, flat keys with a thin edge, blue accent.
    static const Farver carbon{.vindue = "#25272a",
                               .tekst = "#e8e8e8",
                               .felt = "#1a1b1d",
                               .knap = "#36393d",
                               .ramme = "#7a7e84",
                               .markering = "#4f8fd6",
                               .tal = "#45484d",
                               .opr = "#2c4661",
                               .lig = "#3d7fd0",
                               .ligTekst = "#ffffff",
                               .kant = "#141517",
                               .radius = 3,
                               .flade = Flade::Flad,
                               .kantVedHover = false,
                               .bundKant = false,
                               .moerk = true};
    // Bright sky blue and white, soft rounded keys.
    static const Farver sky{.vindue = "#cfe6fa",
                            .tekst = "#0f2d48",
                            .felt = "#ffffff",
                            .knap = "#eef7ff",
                            .ramme = "#8fb4d4",
                            .markering = "#2b83d1",
                            .tal = "#ffffff",
                            .opr = "#4aa3e8",
                            .lig = "#1565b8",
                            .ligTekst = "#ffffff",
                            .oprTekst = "#ffffff",
                            .kant = "#7fb4e0",
                            .radius = 12,
                            .flade = Flade::Gradient,
                            .kantVedHover = false,
                            .bundKant = false,
                            .moerk = false};
    // Smoky quartz: warm dark browns with copper operators.
    static const Farver smokey{.vindue = "#35302c",
                               .tekst = "#efe7dc",
                               .felt = "#2a2623",
                               .knap = "#4a433d",
                               .ramme = "#8d847a",
                               .markering = "#b4834f",
                               .tal = "#5a524b",
                               .opr = "#6e4f30",
                               .lig = "#b4763a",
                               .ligTekst = "#ffffff",
                               .kant = "#1f1b18",
                               .radius = 5,
                               .flade = Flade::Gradient,
                               .kantVedHover = false,
                               .bundKant = false,
                               .moerk = true};
    // Square, borderless tiles: the outline shows under the mouse.
    static const Farver clearDay{.vindue = "#e6e6e6",
                                 .tekst = "#1a1a1a",
                                 .felt = "#ffffff",
                                 .knap = "#f0f0f0",
                                 .ramme = "#a0a0a0",
                                 .markering = "#0078d7",
                                 .tal = "#fafafa",
                                 .opr = "#dcdcdc",
                                 .lig = "#0078d7",
                                 .ligTekst = "#ffffff",
                                 .kant = "#b4b4b4",
                                 .radius = 0,
                                 .flade = Flade::Flad,
                                 .kantVedHover = true,
                                 .bundKant = false,
                                 .moerk = false};
    // Light, lightly rounded tiles with a raised bottom edge and a blue "=".
    static const Farver modernLight{.vindue = "#f3f3f3",
                                    .tekst = "#1b1b1b",
                                    .felt = "#fbfbfb",
                                    .knap = "#f9f9f9",
                                    .ramme = "#a8a8a8",
                                    .markering = "#005fb8",
                                    .tal = "#ffffff",
                                    .opr = "#eef3f9",
                                    .lig = "#005fb8",
                                    .ligTekst = "#ffffff",
                                    .kant = "#e0e0e0",
                                    .radius = 5,
                                    .flade = Flade::Flad,
                                    .kantVedHover = false,
                                    .bundKant = true,
                                    .moerk = false};
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
    p.setColor(QPalette::Link, QColor(f.markering));
    p.setColor(QPalette::Light, knap.lighter(115));
    p.setColor(QPalette::Midlight, knap.lighter(107));
    p.setColor(QPalette::Mid, knap.darker(120));
    p.setColor(QPalette::Dark, knap.darker(150));
    p.setColor(QPalette::Shadow, knap.darker(300));
    for (auto rolle : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(QPalette::Disabled, rolle, QColor(f.ramme));
    p.setColor(QPalette::Disabled, QPalette::Base, vindue);
    p.setColor(QPalette::Disabled, QPalette::Button,
               f.moerk ? knap.darker(115) : knap.lighter(103));
    return p;
}

// Fusion, with each theme's own button faces and the keys' faces coloured by
// the dynamic property "rolle".
class TavlixStil : public QProxyStyle {
public:
    TavlixStil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    const Farver* farver = nullptr;

    void polish(QWidget* w) override {
        QProxyStyle::polish(w);
        if (qobject_cast<QAbstractButton*>(w)) w->setAttribute(Qt::WA_Hover);
        const QVariant rolle = w->property("rolle");
        if (!rolle.isValid() || !qobject_cast<QPushButton*>(w)) return;
        QPalette p = QApplication::palette();
        const QString r = rolle.toString();
        if (farver && w->objectName().startsWith(QLatin1String("oprResultat"))) {
            p.setColor(QPalette::Button, QColor(farver->lig));
            p.setColor(QPalette::ButtonText, QColor(farver->ligTekst));
        } else if (farver && r == QLatin1String("tal")) {
            p.setColor(QPalette::Button, QColor(farver->tal));
        } else if (farver && r == QLatin1String("opr")) {
            p.setColor(QPalette::Button, QColor(farver->opr));
            if (farver->oprTekst) p.setColor(QPalette::ButtonText, QColor(farver->oprTekst));
        }
        w->setPalette(p);
        if (r != QLatin1String("funk")) {
            QFont f = w->font();
            f.setBold(true);
            w->setFont(f);
        }
    }
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w) const override {
        if (farver && pe == PE_PanelButtonCommand) {
            tegnKnap(opt, p);
            return;
        }
        if (farver && pe == PE_PanelButtonTool) {
            // Tool buttons that raise only under the mouse stay flat otherwise.
            const bool hoejtstaaende = !(opt->state & State_AutoRaise) ||
                                       (opt->state & (State_MouseOver | State_Sunken | State_On));
            if (hoejtstaaende) tegnKnap(opt, p);
            return;
        }
        QProxyStyle::drawPrimitive(pe, opt, p, w);
        if (farver && farver->moerk &&
            (pe == PE_IndicatorCheckBox || pe == PE_IndicatorRadioButton)) {
            // Fusion outlines these a shade darker than the window, which
            // vanishes on a dark window: a light ring keeps them visible.
            p->save();
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(QPen(QColor(255, 255, 255, 90), 1));
            p->setBrush(Qt::NoBrush);
            const QRectF r = QRectF(opt->rect).adjusted(0.5, 0.5, -0.5, -0.5);
            if (pe == PE_IndicatorRadioButton)
                p->drawEllipse(r);
            else
                p->drawRoundedRect(r, 1.5, 1.5);
            p->restore();
        }
    }

private:
    void tegnKnap(const QStyleOption* opt, QPainter* p) const {
        const Farver& f = *farver;
        const bool aktiv = opt->state & State_Enabled;
        const bool nede = opt->state & (State_Sunken | State_On);
        const bool over = aktiv && (opt->state & State_MouseOver);
        QColor flade =
            opt->palette.color(aktiv ? QPalette::Active : QPalette::Disabled, QPalette::Button);
        if (nede)
            flade = f.moerk ? flade.lighter(125) : flade.darker(112);
        else if (over)
            flade = f.moerk ? flade.lighter(115) : flade.darker(104);
        QColor kant(f.kant);
        if (!aktiv) kant.setAlpha(110);

        p->save();
        p->setRenderHint(QPainter::Antialiasing, f.radius > 0);
        const QRectF r = QRectF(opt->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath form;
        if (f.radius > 0)
            form.addRoundedRect(r, f.radius, f.radius);
        else
            form.addRect(r);

        if (f.flade == Flade::Flad || nede) {
            p->fillPath(form, flade);
        } else {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, flade.lighter(f.moerk ? 118 : 108));
            g.setColorAt(1, flade.darker(f.moerk ? 110 : 104));
            p->fillPath(form, g);
            if (f.flade == Flade::Glans) {
                // The glossy upper half of an aqua key.
                QPainterPath oevre;
                const QRectF top(r.left() + 1.5, r.top() + 1.5, r.width() - 3, r.height() * 0.45);
                oevre.addRoundedRect(top, f.radius - 1.5, f.radius - 1.5);
                QLinearGradient glans(top.topLeft(), top.bottomLeft());
                glans.setColorAt(0, QColor(255, 255, 255, 150));
                glans.setColorAt(1, QColor(255, 255, 255, 30));
                p->fillPath(oevre, glans);
            }
        }

        if (!f.kantVedHover || over || nede || (opt->state & State_HasFocus)) {
            p->setPen(QPen(over && f.kantVedHover ? kant.darker(120) : kant, 1));
            p->setBrush(Qt::NoBrush);
            p->drawPath(form);
        }
        if (f.bundKant && !nede) {
            // A raised tile: a darker line along the bottom edge.
            p->setPen(QPen(kant.darker(125), 1));
            const qreal y = r.bottom();
            p->drawLine(QPointF(r.left() + f.radius, y), QPointF(r.right() - f.radius, y));
        }
        if (f.moerk && !nede && aktiv) {
            // A faint light line along the top edge gives the dark keys depth.
            p->setPen(QPen(QColor(255, 255, 255, 28), 1));
            const qreal y = r.top() + 1;
            p->drawLine(QPointF(r.left() + f.radius, y), QPointF(r.right() - f.radius, y));
        }
        if ((opt->state & State_HasFocus) && (opt->state & State_KeyboardFocusChange)) {
            // The key that Tab has reached: a ring in the highlight colour,
            // as Fusion draws it on its own buttons.
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(QPen(opt->palette.color(QPalette::Highlight), 2));
            p->setBrush(Qt::NoBrush);
            const qreal rr = qMax<qreal>(f.radius - 1, 0);
            p->drawRoundedRect(r.adjusted(1, 1, -1, -1), rr, rr);
        }
        p->restore();
    }
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
    // Keys coloured by role take their colours again; every window repaints.
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->property("rolle").isValid()) stil->polish(w);
        w->update();
    }
}

} // namespace temaer
