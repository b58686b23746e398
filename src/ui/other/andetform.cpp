#include "ui/other/andetform.h"

#include "core/other/andetmodel.h"
#include "ui/common/graense.h"
#include "ui/common/placering.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/vinduesfilter.h"
#include "ui/other/datopanel.h"
#include "ui/other/enhedspanel.h"
#include "ui/other/talsystempanel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

Tandetform::Tandetform(TAndetModel& model, QWidget* ejer)
    : QWidget(ejer, Qt::Window), m_model(model) {
    setObjectName(QStringLiteral("Tandetform"));
    setWindowTitle(QStringLiteral("Andre funktioner"));
    // Without an options file the window stands centred on the desktop; the
    // place is known from the start, so closing writes it even when the
    // window was never shown.
    if (m_model.hoejde <= 0) m_model.hoejdeAendret(designStoerrelse().height());
    if (m_model.centrer) {
        const QScreen* s = QGuiApplication::primaryScreen();
        const QRect skaerm = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
        m_model.flyttet(skaerm.center() -
                        QPoint(designStoerrelse().width() / 2, m_model.hoejde / 2));
    }
}

Tandetform::~Tandetform() {}

QSize Tandetform::designStoerrelse() {
    return {600, 500};
}

void Tandetform::vis() {
    byg();
    if (!m_placeret) {
        m_placeret = true;
        // A stored height outside what the window and the screen allow is
        // brought inside, so the window always shows whole.
        const QScreen* s = QGuiApplication::primaryScreen();
        const int skaermHoejde = s ? s->availableGeometry().height() : 768;
        const int h = std::max(std::min(m_model.hoejde, skaermHoejde), minimumSizeHint().height());
        resize(designStoerrelse().width(), h);
        placerPaaSkaermen(*this, m_model.vinduesPos);
    }
    show();
    raise();
    activateWindow();
}

void Tandetform::byg() {
    if (m_bygget) return;
    m_bygget = true;
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 0);
    l->setSpacing(4);
    m_bog = new QTabWidget(this);
    m_bog->setObjectName(QStringLiteral("bog"));
    m_bog->setAccessibleName(QStringLiteral("Andre funktioner"));
    m_side1 = new TTalsystemPanel(m_model.talsystemer, m_bog);
    m_side2 = new TDatoPanel(m_model.datoer, m_bog);
    m_side3 = new TEnhedsPanel(m_model.enheder, m_bog);
    const QStringList navne = TAndetModel::sideNavne();
    m_bog->addTab(m_side1, navne.at(0));
    m_bog->addTab(m_side2, navne.at(1));
    m_bog->addTab(m_side3, navne.at(2));
    l->addWidget(m_bog, 1);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("infoBar"));
    bar->setSizeGripEnabled(false);
    m_infoBar = new QLabel(bar);
    tilgaengelighed::vaerdiEtiket(m_infoBar, QStringLiteral("Info"));
    m_infoBar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(m_infoBar, 1);
    l->addWidget(bar);

    connect(m_bog, &QTabWidget::currentChanged, this,
            [this](int i) { vedGraensen(this, [&] { m_model.bogChange(i); }); });
    connect(&m_model, &TAndetModel::aendret, this, &Tandetform::opdater);
    vinduesfilter::installer(this, this);
    opdater();
}

void Tandetform::opdater() {
    if (!m_bygget) return;
    if (m_bog->currentIndex() != m_model.aktivSide) m_bog->setCurrentIndex(m_model.aktivSide);
    tilgaengelighed::visTekst(m_infoBar, m_model.infoBar);
}

void Tandetform::moveEvent(QMoveEvent* ev) {
    QWidget::moveEvent(ev);
    if (m_placeret && isVisible()) m_model.flyttet(pos());
}

void Tandetform::resizeEvent(QResizeEvent* ev) {
    QWidget::resizeEvent(ev);
    if (m_placeret && isVisible()) m_model.hoejdeAendret(height());
}

bool Tandetform::eventFilter(QObject* obj, QEvent* ev) {
    vinduesfilter::foelg(this, obj, ev);
    auto* w = qobject_cast<QWidget*>(obj);
    if (!w || w->window() != this) return QWidget::eventFilter(obj, ev);
    switch (ev->type()) {
    case QEvent::KeyPress: {
        // The window sees typed characters first: digits for the number page.
        auto* tast = static_cast<QKeyEvent*>(ev);
        if (tast->text().size() == 1 &&
            !(tast->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            bool brugt = false;
            vedGraensen(this, [&] { brugt = m_model.FormKeyPress(tast->text().at(0)); });
            if (brugt) return true;
        }
        break;
    }
    case QEvent::Enter: {
        QWidget* h = w;
        while (h && h != this && h->toolTip().isEmpty())
            h = h->parentWidget();
        m_model.showHint(h && h != this ? h->toolTip() : QString());
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(obj, ev);
}
