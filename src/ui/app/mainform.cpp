#include "ui/app/mainform.h"

#include "core/app/mainformmodel.h"
#include "core/calc/regner.h"
#include "ui/app/ikoner.h"
#include "ui/calc/displaypanel.h"
#include "ui/calc/listepanel.h"
#include "ui/calc/tastatur.h"
#include "ui/calc/udtrykshandlinger.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/statusfelt.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/vinduesfilter.h"
#include "ui/common/visning.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Index in m_sider of a page number.
int sideIndeks(int side) {
    return side == TMainformModel::RmSideX ? 5 : side;
}

} // namespace

Tmainform::Tmainform(TMainformModel& model, TRegner& regner, THukommelse& hukommelse,
                     TMetaListe& meta, TUdtryk& udtryk, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_model(model), m_regner(regner), m_hukommelse(hukommelse), m_meta(meta), m_udtryk(udtryk) {
    setObjectName(QStringLiteral("Tmainform"));
    setWindowTitle(QStringLiteral("Tavlix"));

    auto* central = new QWidget(this);
    central->setFocusPolicy(Qt::StrongFocus); // the form itself takes the keys
    // Named for assistive technology; no tool tip, which the status bar would
    // show as the hint of every key that has none.
    central->setAccessibleName(QStringLiteral("Tastaturindtastning"));
    auto* lodret = new QVBoxLayout(central);
    lodret->setContentsMargins(0, 4, 0, 0);
    lodret->setSpacing(2);

    m_udBox = new TVisning(central);
    m_udBox->setObjectName(QStringLiteral("udBox"));
    navngiv(m_udBox, QStringLiteral("Udtrykslinje"), QString());
    m_udBox->setArt(TVisning::Art::Loebende); // the newest keys at the right
    auto* udRække = new QHBoxLayout;
    udRække->setContentsMargins(4, 0, 4, 0);
    udRække->addWidget(m_udBox);
    lodret->addLayout(udRække);

    auto* krop = new QHBoxLayout;
    krop->setContentsMargins(0, 0, 0, 0);
    krop->setSpacing(0);
    lodret->addLayout(krop, 1);

    m_displayPanel = new TDisplayPanel(regner, central);
    m_menuPanel = lavMenuPanel();

    m_sider[0] = lavRegnerSide(0, QStringLiteral("rmPanel"), 300);
    m_sider[5] = lavRegnerSide(1, QStringLiteral("rmPanelX"), 221);
    // The calculator page's keypad now; the simple page's when it is first shown.
    m_tastaturHolder[0]->addWidget(
        new TTastatur(regner, hukommelse, QStringLiteral("rmPanel"), m_sider[0]));
    m_sider[1] = lavTomSide(QStringLiteral("Andengradsligning"));
    m_sider[1]->setObjectName(QStringLiteral("andengradsPanel"));
    m_sider[2] = lavTomSide(QStringLiteral("To ligninger med to ubekendte"));
    m_sider[2]->setObjectName(QStringLiteral("ligningerPanel"));
    m_sider[3] = lavTomSide(QStringLiteral("Formler"));
    m_sider[3]->setObjectName(QStringLiteral("formelPanel"));
    m_sider[4] = lavTomSide(QStringLiteral("Statistik"));
    m_sider[4]->setObjectName(QStringLiteral("statistikPanel"));
    for (int i = 1; i <= 4; ++i)
        m_sideskiftHolder[i] = static_cast<QVBoxLayout*>(m_sider[i]->layout());
    for (int i : {0, 5, 1, 2, 3, 4}) {
        krop->addWidget(m_sider[i]);
        m_sider[i]->setVisible(i == 0);
    }
    m_sideskift = lavSideskift();
    m_krop = krop;
    m_handlinger = new TUdtryksHandlinger(udtryk, regner, this);
    connect(&model, &TMainformModel::aendret, m_handlinger, &TUdtryksHandlinger::opdater);

    // Ctrl+C copies the shown value; the expression memo and other edit boxes
    // keep their own Ctrl+C while they have the focus.
    auto* kopier = new QAction(QStringLiteral("Kopier"), this);
    kopier->setShortcut(QKeySequence::Copy);
    kopier->setShortcutContext(Qt::WindowShortcut);
    connect(kopier, &QAction::triggered, this, [this] {
        if (m_model.erRegnerSide()) m_displayPanel->rmDisplay()->copy();
    });
    addAction(kopier);
    setCentralWidget(central);

    // The four status-bar fields.
    auto* bar = statusBar();
    bar->setSizeGripEnabled(false);
    bar->setObjectName(QStringLiteral("infoBar"));
    const char* faste[] = {"Genvej:", nullptr, "Info:", nullptr};
    for (int i = 0; i < 4; ++i) {
        m_status[i] = new TStatusFelt(faste[i] ? QString::fromUtf8(faste[i]) : QString(), bar);
        bar->addWidget(m_status[i], i == 3 ? 1 : 0);
    }
    m_status[1]->setMinimumWidth(24);
    m_status[1]->setAccessibleName(QStringLiteral("Genvejstast"));
    m_status[3]->setAccessibleName(QStringLiteral("Info-tekst"));
    m_status[3]->setMinimumWidth(0);
    m_status[3]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    connect(&model, &TMainformModel::aendret, this, &Tmainform::opdater);
    connect(&model, &TMainformModel::fokusTilForm, this, &Tmainform::fjernFokus);
    connect(&regner, &TRegner::fokusFjernes, this, &Tmainform::fjernFokus);
    connect(&regner, &TRegner::informationOenskes, this,
            [this](const QString& emne) { m_model.Information(emne); });
    connect(&regner, &TRegner::aendret, this, [this] {
        if (m_udBox->text() != m_regner.udText()) m_udBox->setText(m_regner.udText());
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nu) {
        m_model.setUMemoFokus(nu && m_metaPanel &&
                              nu == static_cast<QWidget*>(m_metaPanel->uMemo()));
        // The new focus may be another window's, even the web engine's: only
        // the window's own widgets are looked at.
        m_model.setTekstboksFokus(nu && isAncestorOf(nu) && vinduesfilter::skriverTekst(nu));
    });
    vinduesfilter::installer(this, this);

    flytBlokke();
    saetFastHoejde();
    opdater();
}

Tmainform::~Tmainform() {
    // Deleting the child widgets moves the focus; the handler must not run on
    // a window that is half destroyed.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

TListePanel* Tmainform::metaPanel() {
    if (!m_metaPanel) {
        m_metaPanel =
            new TListePanel(m_regner, m_meta, m_udtryk, m_model, *m_handlinger, centralWidget());
        m_metaPanel->setObjectName(QStringLiteral("metaPanel"));
        m_metaPanel->setVisible(false);
        m_krop->addWidget(m_metaPanel, 1);
    }
    return m_metaPanel;
}

QWidget* Tmainform::side(int nr) const {
    const int i = sideIndeks(nr);
    return i >= 0 && i < 6 ? m_sider[i] : nullptr;
}

void Tmainform::erstatSide(int nr, QWidget* ny) {
    const int i = sideIndeks(nr);
    QWidget* gammel = m_sider[i];
    // The panel-switch bar may stand on the placeholder; it moves to the new page.
    if (m_sideskift->parentWidget() == gammel) {
        m_sideskift->setParent(centralWidget());
        m_sideskiftSide = -2;
    }
    ny->setParent(centralWidget());
    ny->setVisible(false);
    delete m_krop->replaceWidget(gammel, ny); // the layout hands back the old item
    m_sider[i] = ny;
    m_sideskiftHolder[i] = static_cast<QVBoxLayout*>(ny->layout());
    delete gammel;
    opdater();
}

void Tmainform::setSideskiftCaption(int nr, const QString& caption) {
    const int knap = nr == TMainformModel::RmSideX ? 1 : nr == TMainformModel::RmSide ? 0 : nr + 1;
    if (auto* b = qobject_cast<QToolButton*>(m_sideskiftKnapper.value(knap))) {
        b->setText(caption);
        b->setAccessibleName(caption);
    }
}

QWidget* Tmainform::lavRegnerSide(int i, const QString& navn, int bredde) {
    auto* side = new QWidget(centralWidget());
    side->setObjectName(navn);
    side->setProperty("egenBredde", bredde);
    auto* l = new QVBoxLayout(side);
    l->setContentsMargins(4, 2, 4, 2);
    l->setSpacing(4);
    m_displayHolder[i] = new QVBoxLayout;
    l->addLayout(m_displayHolder[i]);
    m_tastaturHolder[i] = new QVBoxLayout;
    l->addLayout(m_tastaturHolder[i], 1);
    auto* bund = new QWidget(side);
    bund->setObjectName(i == 0 ? QStringLiteral("BundPanel") : QStringLiteral("bundpanelX"));
    auto* bl = new QVBoxLayout(bund);
    bl->setContentsMargins(0, 0, 0, 0);
    l->addWidget(bund);
    m_bundPanel[i] = bund;
    m_sideskiftHolder[i == 0 ? 0 : 5] = l;
    return side;
}

QWidget* Tmainform::lavTomSide(const QString& overskrift) {
    auto* side = new QWidget(centralWidget());
    side->setProperty("egenBredde", 221);
    auto* l = new QVBoxLayout(side);
    l->setContentsMargins(4, 2, 4, 2);
    l->setSpacing(4);
    auto* top = new QHBoxLayout;
    auto* titel = new QLabel(overskrift, side);
    QFont f = titel->font();
    f.setBold(true);
    titel->setFont(f);
    titel->setWordWrap(true);
    top->addWidget(titel, 1);
    auto* vis = new QPushButton(QStringLiteral(">"), side);
    vis->setFocusPolicy(Qt::TabFocus);
    vis->setFixedWidth(28);
    navngiv(vis, QStringLiteral("Vis/skjul udskrift vindue"),
            QStringLiteral("Vis/skjul udskrift vindue"));
    connect(vis, &QPushButton::clicked, this, [this] { m_model.metaVisClick(); });
    top->addWidget(vis);
    l->addLayout(top);
    l->addStretch(1);
    return side;
}

QWidget* Tmainform::lavSideskift() {
    auto* bar = new QWidget(centralWidget());
    bar->setObjectName(QStringLiteral("sideskift"));
    auto* l = new QHBoxLayout(bar);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    struct Knap {
        QIcon ikon;
        const char* caption;
        const char* hint;
        const char* bogstav;
        void (TMainformModel::*handling)();
    };
    const Knap knapper[] = {
        {ikoner::lommeregner(), "", "Tavlix", "F7", &TMainformModel::visRm2Click},
        {ikoner::simpelLommeregner(), "", "Simpel lommeregner", "F8",
         &TMainformModel::visStandardClick},
        {QIcon(), "x^2", "Andengradsligning", "F2", &TMainformModel::visAndengrads1Click},
        {QIcon(), "x-y", "To ligninger med to ubekendte", "F3",
         &TMainformModel::visLigninger1Click},
        {QIcon(), "[0]", "Formler", "F4", &TMainformModel::visFormel1Click},
        {QIcon(), "n=0", "Statistik", "F5", &TMainformModel::visStatistik1Click},
        {ikoner::graf(), "", "Grafboks", "F6", &TMainformModel::visGrafboks1Click},
    };
    for (const Knap& k : knapper) {
        auto* b = new QToolButton(bar);
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoRaise(false);
        b->setText(QString::fromUtf8(k.caption));
        if (!k.ikon.isNull()) {
            b->setIcon(k.ikon);
            b->setIconSize(QSize(18, 18));
        }
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setMinimumWidth(24);
        b->setFixedHeight(26);
        const QString hint = QString::fromUtf8(k.hint);
        // Named by what it shows, with its key: the captions are symbols, and
        // "Tavlix" is also the window's name.
        navngiv(b, hint + QStringLiteral(" (") + QString::fromUtf8(k.bogstav) + QLatin1Char(')'),
                hint);
        b->setProperty("sideskiftBogstav", QString::fromUtf8(k.bogstav));
        m_sideskiftKnapper.append(b);
        const auto handling = k.handling;
        connect(b, &QToolButton::clicked, this,
                [this, handling] { vedGraensen(this, m_model, handling); });
        l->addWidget(b);
    }
    return bar;
}

QWidget* Tmainform::lavMenuPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("menuPanel"));
    auto* l = new QHBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);

    auto* menuKnap = new QToolButton(panel);
    menuKnap->setObjectName(QStringLiteral("Button2"));
    menuKnap->setText(QStringLiteral("Menu"));
    menuKnap->setPopupMode(QToolButton::InstantPopup);
    menuKnap->setFocusPolicy(Qt::TabFocus); // Tab reaches it; Space or Down opens it
    menuKnap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    menuKnap->setFixedHeight(26);
    navngiv(menuKnap, QStringLiteral("Menu"), QString());

    m_menuPU = new QMenu(menuKnap);
    m_menuPU->setObjectName(QStringLiteral("menuPU"));
    m_menuPU->setAccessibleName(QStringLiteral("Menu"));
    struct Punkt {
        const char* caption;
        const char* genvej;
        void (TMainformModel::*handling)();
        bool stregEfter;
    };
    const Punkt punkter[] = {
        {"Information...", "F1", &TMainformModel::InformationClick, false},
        {"Enhedsinformation...", nullptr, &TMainformModel::EnhedsinformationClick, true},
        {"Andre funktioner...", "F10", &TMainformModel::mAfunkClick, true},
        {"Egenskaber...", nullptr, &TMainformModel::EgenskaberClick, false},
        {"Strukturprogram...", nullptr, &TMainformModel::Strukturprogram1Click, true},
        {"Send Kritik...", nullptr, &TMainformModel::SendKritikClick, false},
        {"Hjemmesiden...", nullptr, &TMainformModel::HjemmesidenClick, true},
        {"Om Tavlix...", nullptr, &TMainformModel::OmTavlix1Click, false},
    };
    for (const Punkt& p : punkter) {
        // The shortcut is only shown: the window's key handler acts on it.
        QString tekst = QString::fromUtf8(p.caption);
        if (p.genvej) tekst += QLatin1Char('\t') + QString::fromLatin1(p.genvej);
        QAction* a = m_menuPU->addAction(tekst);
        const auto handling = p.handling;
        connect(a, &QAction::triggered, this,
                [this, handling] { vedGraensen(this, m_model, handling); });
        if (p.stregEfter) m_menuPU->addSeparator();
    }
    menuKnap->setMenu(m_menuPU);
    l->addWidget(menuKnap, 3);

    auto* primtal = new QPushButton(QStringLiteral("Primtal"), panel);
    primtal->setObjectName(QStringLiteral("Button1"));
    primtal->setFocusPolicy(Qt::TabFocus);
    primtal->setFixedHeight(26);
    navngiv(primtal, QStringLiteral("Primtal"), QStringLiteral("Undersøg for primtal"));
    connect(primtal, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.Button1Click(); }); });
    l->addWidget(primtal, 3);

    auto* vis = new QPushButton(QStringLiteral(">"), panel);
    vis->setObjectName(QStringLiteral("metaVis"));
    vis->setFocusPolicy(Qt::TabFocus);
    vis->setFixedSize(28, 26);
    navngiv(vis, QStringLiteral("Vis/skjul udskrift vindue"),
            QStringLiteral("Vis/skjul udskrift vindue"));
    connect(vis, &QPushButton::clicked, this, [this] { m_model.metaVisClick(); });
    l->addWidget(vis);
    return panel;
}

void Tmainform::flytBlokke() {
    // The one panel-switch bar ends the page shown; only the calculator
    // page's own bar shows key letters in the status bar.
    const int synlig = m_model.synligSide;
    if (synlig != m_sideskiftSide && sideIndeks(synlig) >= 0 && sideIndeks(synlig) < 6) {
        m_sideskiftSide = synlig;
        m_sideskiftHolder[sideIndeks(synlig)]->addWidget(m_sideskift);
        for (QWidget* b : m_sideskiftKnapper)
            b->setProperty("tastBogstav", synlig == TMainformModel::RmSide
                                              ? b->property("sideskiftBogstav")
                                              : QVariant());
    }
    if (synlig == TMainformModel::RmSideX && !m_simpelTastatur) {
        m_simpelTastatur = true;
        m_tastaturHolder[1]->addWidget(
            new TTastatur(m_regner, m_hukommelse, QStringLiteral("rmPanelX"), m_sider[5]));
    }
    const int side = m_model.displayBlokSide;
    if (side == m_blokSide) return;
    m_blokSide = side;
    const int i = side == TMainformModel::RmSideX ? 1 : 0;
    m_displayHolder[i]->addWidget(m_displayPanel);
    m_bundPanel[i]->layout()->addWidget(m_menuPanel);
    m_displayPanel->setSide(side);
}

void Tmainform::saetFastHoejde() {
    // The window's height is fixed at what the calculator page needs.
    centralWidget()->layout()->activate();
    const int h = std::max(sizeHint().height(), 440);
    setFixedHeight(h);
}

void Tmainform::opdater() {
    if (m_opdaterer) return;
    m_opdaterer = true;
    const int synlig = m_model.synligSide;
    flytBlokke();
    m_displayPanel->setVinkelKnapperSynlige(m_model.vinkelKnapperSynlige);
    for (int nr : {0, 1, 2, 3, 4, 100}) {
        QWidget* s = m_sider[sideIndeks(nr)];
        s->setVisible(nr == synlig);
        // With the list shown the page keeps its own width at the left edge;
        // otherwise it fills the window.
        if (m_model.metaPanelSynlig) {
            s->setFixedWidth(s->property("egenBredde").toInt());
        } else {
            // The page is never narrower than its own width, which its keys need.
            s->setMinimumWidth(s->property("egenBredde").toInt());
            s->setMaximumWidth(QWIDGETSIZE_MAX);
        }
    }
    if (QWidget* vist = side(synlig)) setMinimumWidth(vist->property("egenBredde").toInt());
    m_udBox->parentWidget()->layout();
    m_udBox->setVisible(m_model.udBoxSynlig);
    if (m_model.metaPanelSynlig || m_metaPanel) {
        metaPanel()->setVisible(m_model.metaPanelSynlig);
        m_metaPanel->setKnapbarSynlig(m_model.miniMetaPanelSynlig);
    }
    if (width() != m_model.klientBredde) resize(m_model.klientBredde, height());
    tilgaengelighed::visTekst(m_status[1], m_model.statusBogstav);
    tilgaengelighed::visTekst(m_status[3], m_model.statusInfo);
    ordenTab();
    if (synlig != m_fokusSide && isVisible()) {
        m_fokusSide = synlig;
        // After the page's new boxes are shown, which the layout does queued.
        QMetaObject::invokeMethod(this, &Tmainform::fokusPaaSiden, Qt::QueuedConnection);
    }
    m_opdaterer = false;
}

void Tmainform::fokusPaaSiden() {
    // A page chosen from the keyboard (F2..F5) starts with the focus in its
    // first box, so typing goes there; the calculator pages keep the focus on
    // the form, which takes their keys.
    if (m_model.erRegnerSide()) return;
    QWidget* side = m_sider[sideIndeks(m_model.synligSide)];
    if (!side || (QApplication::focusWidget() && side->isAncestorOf(QApplication::focusWidget())))
        return;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (qobject_cast<QLineEdit*>(w) && side->isAncestorOf(w) && w->isVisible() &&
            w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Tmainform::ordenTab() {
    // The page-switch bar sits at the foot of the page shown, so Tab reaches
    // it after the page's own controls (pages build theirs when first shown,
    // after the bar) and before the calculation list beside the page.
    QWidget* side = m_sider[sideIndeks(m_model.synligSide)];
    if (!side) return;
    QWidget* sidst = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        const bool paaSiden = side->isAncestorOf(w) || m_menuPanel->isAncestorOf(w);
        if (paaSiden && (w->focusPolicy() & Qt::TabFocus) && !m_sideskift->isAncestorOf(w))
            sidst = w;
    }
    for (QWidget* b : std::as_const(m_sideskiftKnapper)) {
        if (!sidst) break;
        setTabOrder(sidst, b);
        sidst = b;
    }
}

void Tmainform::placer() {
    // The screens' available areas, the window's own screen first: the window
    // keeps its saved place only where it can be seen, and no wider than a screen.
    QList<QRect> skaerme;
    if (QScreen* egen = screen()) skaerme << egen->availableGeometry();
    for (QScreen* s : QGuiApplication::screens())
        if (s != screen()) skaerme << s->availableGeometry();
    const QSize ramme = frameGeometry().size() - size();
    int bredest = 0;
    for (const QRect& r : skaerme)
        bredest = std::max(bredest, r.width());
    if (bredest > 0) m_model.saetMaksKlientBredde(bredest - ramme.width());
    opdater();
    move(m_model.placering(skaerme, frameGeometry().size()));
    m_placeret = true;
    m_model.flyttet(pos());
}

void Tmainform::fjernFokus() {
    if (QWidget* c = centralWidget()) c->setFocus(Qt::OtherFocusReason);
}

void Tmainform::resizeEvent(QResizeEvent* ev) {
    QMainWindow::resizeEvent(ev);
    if (!m_opdaterer) m_model.FormResize(width());
}

void Tmainform::moveEvent(QMoveEvent* ev) {
    QMainWindow::moveEvent(ev);
    if (m_placeret) m_model.flyttet(pos());
}

void Tmainform::closeEvent(QCloseEvent* ev) {
    if (!m_model.FormCloseQuery()) {
        ev->ignore();
        return;
    }
    // The program ends with this window. The other windows close first and
    // write their settings as they do; then every options file is written,
    // and whatever failed is told in one box while this window still stands.
    QStringList andreFejl;
    bool alleLukket = true;
    {
        const TFejlSamler samler;
        const QList<QWidget*> vinduer = QApplication::topLevelWidgets();
        for (QWidget* v : vinduer)
            if (v != this && v->isVisible() && !v->close()) alleLukket = false;
        andreFejl = samler.tekster();
    }
    if (!alleLukket) {
        // A window that refused to close keeps the program running.
        for (const QString& t : andreFejl)
            visFejlboks(this, t);
        ev->ignore();
        return;
    }
    vedGraensen(this, [&] { m_model.FormClose(andreFejl); });
    ev->accept();
    // Nothing else may keep the program running.
    QCoreApplication::quit();
}

void Tmainform::changeEvent(QEvent* ev) {
    QMainWindow::changeEvent(ev);
    // When the window becomes active, no control keeps the focus, so keys reach the form.
    if (ev->type() == QEvent::ActivationChange && isActiveWindow() && !m_model.uMemoHarFokus())
        fjernFokus();
}

bool Tmainform::tastTryk(QObject* obj, QKeyEvent* ev) {
    bool handlet = false;
    vedGraensen(this, [&] { handlet = m_model.FormKeyDown(ev->key(), ev->modifiers()); });
    if (!m_model.erRegnerSide() || m_model.uMemoHarFokus()) return false;
    if (handlet) return true;
    // Space works the button or box that Tab gave the focus; the calculator
    // has no use for it.
    if (ev->key() == Qt::Key_Space && obj != centralWidget()) return false;

    QChar tegn;
    switch (ev->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        tegn = QChar(13);
        break;
    case Qt::Key_Backspace:
        tegn = QChar(8);
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        if (ev->text().isEmpty()) return false;
        tegn = ev->text().at(0);
    }
    vedGraensen(this, [&] { m_regner.FormKeyPress(tegn); });
    return true;
}

bool Tmainform::event(QEvent* ev) {
    // The hints of actions and menu items arrive as status tips. They take the
    // road of every other hint, into the fourth field and only while hints are
    // switched on; the status bar's own message line would cover all four fields.
    if (ev->type() == QEvent::StatusTip) {
        m_model.showHint(static_cast<QStatusTipEvent*>(ev)->tip());
        return true;
    }
    return QMainWindow::event(ev);
}

bool Tmainform::eventFilter(QObject* obj, QEvent* ev) {
    vinduesfilter::foelg(this, obj, ev);
    auto* w = qobject_cast<QWidget*>(obj);
    if (!w || w->window() != this) return QMainWindow::eventFilter(obj, ev);
    switch (ev->type()) {
    case QEvent::KeyPress: {
        // Only at the first receiver: an ignored key travels up the parents
        // as the same event object. The next press (even at the same address)
        // differs in its key or time, and a release clears the mark.
        auto* tast = static_cast<QKeyEvent*>(ev);
        const TastMaerke maerke{ev, tast->key(), tast->timestamp()};
        if (maerke == m_tastMaerke) break;
        m_tastMaerke = maerke;
        return tastTryk(obj, tast);
    }
    case QEvent::KeyRelease:
        m_tastMaerke = {};
        break;
    case QEvent::Enter: {
        QWidget* h = w;
        while (h && h != this && h->toolTip().isEmpty())
            h = h->parentWidget();
        m_model.showHint(h && h != this ? h->toolTip() : QString());
        const QVariant bogstav = w->property("tastBogstav");
        if (bogstav.isValid()) m_model.knapBogstav(bogstav.toString());
        break;
    }
    case QEvent::Leave:
        if (w->property("tastBogstav").isValid()) m_model.knapBogstav(QString());
        break;
    case QEvent::MouseButtonRelease: {
        const QVariant emne = w->property("hjaelpEmne");
        if (emne.isValid() && static_cast<QMouseEvent*>(ev)->button() == Qt::RightButton)
            vedGraensen(this, [&] { m_model.Information(emne.toString()); });
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(obj, ev);
}
