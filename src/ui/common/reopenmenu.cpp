#include "ui/common/reopenmenu.h"

#include "core/common/reopenfiler.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QMenu>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QWidgetAction>

const char* TReopenMenu::positionEgenskab = "menuPosition";

namespace {

// Buttons in the column panel look like menu items: flat, left aligned, the
// highlight colour under the mouse.
const char* kolonneStil =
    "QToolButton { border: none; text-align: left; padding: 4px 20px 4px 8px; }"
    "QToolButton:hover, QToolButton:focus {"
    " background-color: palette(highlight); color: palette(highlighted-text); }";

} // namespace

TReopenMenu::TReopenMenu(TReopenFiler* model, QMenu* menu, QList<QAction*> egne)
    : QObject(menu), m_model(model), m_menu(menu), m_egne(std::move(egne)) {
    m_menu->setToolTipsVisible(true);
    connect(model, &TReopenFiler::menuAendret, this, &TReopenMenu::genopbyg);
    genopbyg();
}

void TReopenMenu::setBilleder(const QList<QIcon>& billeder) {
    m_billeder = billeder;
    genopbyg();
}

void TReopenMenu::setEgne(const QList<QAction*>& egne) {
    m_egne = egne;
    genopbyg();
}

QIcon TReopenMenu::billede(int indeks) const {
    return indeks >= 0 && indeks < m_billeder.size() ? m_billeder[indeks] : QIcon();
}

void TReopenMenu::ryd() {
    // A rebuild may come from inside a click on one of our own items (the
    // model's click handler rebuilds the list), so what we made is deleted
    // later, never under the running click.
    for (QAction* a : m_menu->actions())
        m_menu->removeAction(a);
    for (const QPointer<QAction>& a : std::as_const(m_lavede))
        if (a) a->deleteLater();
    m_lavede.clear();
    m_kolonner = nullptr;
}

void TReopenMenu::genopbyg() {
    ryd();
    if (!m_model || !m_model->MainItem()) return;
    if (m_model->MainItem()->harKolonneBrud())
        bygKolonner();
    else
        bygAktioner();
}

void TReopenMenu::bygAktioner() {
    const QList<TMenuPunkt> punkter = m_model->MainItem()->punkter;
    int egen = 0;
    for (int i = 0; i < punkter.size(); ++i) {
        const TMenuPunkt& p = punkter[i];
        if (p.art == TMenuPunkt::Fremmed && egen < m_egne.size() && m_egne[egen]) {
            m_menu->addAction(m_egne[egen++]);
            continue;
        }
        if (p.art == TMenuPunkt::Fremmed) ++egen;
        auto* a = new QAction(p.caption, this);
        m_lavede.append(a);
        if (p.art == TMenuPunkt::Streg) {
            a->setSeparator(true);
        } else {
            a->setIcon(billede(p.imageIndex));
            a->setToolTip(p.hint);
            a->setStatusTip(p.hint);
            a->setWhatsThis(p.hint);
            if (p.art == TMenuPunkt::Post)
                connect(a, &QAction::triggered, this, [this, i] { klik(i); });
            else if (p.art == TMenuPunkt::SletAlle)
                connect(a, &QAction::triggered, this, [this] {
                    if (m_model) m_model->OnDeleteAll();
                });
        }
        m_menu->addAction(a);
    }
}

void TReopenMenu::bygKolonner() {
    const QList<TMenuPunkt> punkter = m_model->MainItem()->punkter;
    auto* handling = new QWidgetAction(this);
    m_lavede.append(handling);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("reopenKolonner"));
    panel->setStyleSheet(QString::fromLatin1(kolonneStil));
    auto* gitter = new QGridLayout(panel);
    gitter->setContentsMargins(2, 2, 2, 2);
    gitter->setSpacing(0);

    // Items go in the even grid columns; the odd ones hold the bars.
    int kolonne = 0;
    int raekke = 0;
    int flestRaekker = 0;
    QList<int> bjaelker;
    int egen = 0;
    for (int i = 0; i < punkter.size(); ++i) {
        const TMenuPunkt& p = punkter[i];
        if (i > 0 && p.kolonneBrud()) {
            ++kolonne;
            raekke = 0;
            if (p.brud == TBreakType::bjaelkeBrud) bjaelker.append(2 * kolonne - 1);
        }
        QWidget* w = nullptr;
        if (p.art == TMenuPunkt::Streg) {
            auto* streg = new QFrame;
            streg->setFrameShape(QFrame::HLine);
            streg->setFrameShadow(QFrame::Sunken);
            w = streg;
        } else {
            auto* knap = new QToolButton;
            knap->setAutoRaise(true);
            knap->setFocusPolicy(Qt::StrongFocus);
            knap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            knap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            QAction* egenHandling = p.art == TMenuPunkt::Fremmed ? m_egne.value(egen++) : nullptr;
            const QString tekst = egenHandling ? egenHandling->text() : p.caption;
            const QString hint = egenHandling ? egenHandling->statusTip() : p.hint;
            knap->setText(tekst);
            knap->setIcon(egenHandling ? egenHandling->icon() : billede(p.imageIndex));
            knap->setToolTip(hint);
            knap->setStatusTip(hint);
            knap->setAccessibleName(QString(tekst).remove(u'&'));
            knap->setAccessibleDescription(hint);
            knap->setProperty(positionEgenskab, i);
            if (egenHandling) knap->setEnabled(egenHandling->isEnabled());
            connect(knap, &QToolButton::clicked, this, [this, i, art = p.art, egenHandling] {
                lukMenuer();
                if (art == TMenuPunkt::Post)
                    klik(i);
                else if (art == TMenuPunkt::SletAlle && m_model)
                    m_model->OnDeleteAll();
                else if (egenHandling)
                    egenHandling->trigger();
            });
            w = knap;
        }
        gitter->addWidget(w, raekke++, 2 * kolonne);
        flestRaekker = qMax(flestRaekker, raekke);
    }
    for (int k : bjaelker) {
        auto* bjaelke = new QFrame;
        bjaelke->setFrameShape(QFrame::VLine);
        bjaelke->setFrameShadow(QFrame::Sunken);
        gitter->addWidget(bjaelke, 0, k, flestRaekker, 1);
    }
    // Shorter columns keep to the top.
    gitter->setRowStretch(flestRaekker, 1);

    panel->installEventFilter(this);
    handling->setDefaultWidget(panel);
    m_menu->addAction(handling);
    m_kolonner = panel;
}

bool TReopenMenu::eventFilter(QObject* obj, QEvent* ev) {
    // A column button's hint would stop at the menu, which is a window of its
    // own; the ordinary menu hands its items' hints to the widget that opened
    // it, so the column panel does the same.
    if (obj == m_kolonner && ev->type() == QEvent::StatusTip) {
        QWidget* ejer = m_menu;
        while (qobject_cast<QMenu*>(ejer))
            ejer = ejer->parentWidget();
        if (ejer) {
            QStatusTipEvent tip(static_cast<QStatusTipEvent*>(ev)->tip());
            QApplication::sendEvent(ejer, &tip);
        }
        return true;
    }
    return QObject::eventFilter(obj, ev);
}

void TReopenMenu::klik(int position) {
    if (m_model) m_model->OnClick(position);
}

// A widget in a menu does not close the menu when clicked, as an action does;
// close it and any menus it was opened from.
void TReopenMenu::lukMenuer() {
    m_menu->close();
    for (int n = 0; n < 16; ++n) {
        auto* aaben = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!aaben) break;
        aaben->close();
    }
}
