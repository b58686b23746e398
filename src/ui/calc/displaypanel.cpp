#include "ui/calc/displaypanel.h"

#include "core/calc/regner.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

// A read-only text with the context menu "Vælg alt", "Kopier".
TVisning* visning(QWidget* parent, const QString& navn) {
    auto* e = new TVisning(parent);
    e->setObjectName(navn);
    return e;
}
} // namespace

TDisplayPanel::TDisplayPanel(TRegner& regner, QWidget* parent) : QWidget(parent), m_regner(regner) {
    setObjectName(QStringLiteral("displayPanel"));
    m_gitter = new QGridLayout(this);
    m_gitter->setContentsMargins(0, 0, 0, 0);
    m_gitter->setHorizontalSpacing(4);
    m_gitter->setVerticalSpacing(4);

    m_display = visning(this, QStringLiteral("rmDisplay"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setMinimumHeight(40);
    QFont f = m_display->font();
    f.setPointSizeF(f.pointSizeF() * 1.7);
    m_display->setFont(f);
    navngiv(m_display, QStringLiteral("Display"), QString());

    m_operator = visning(this, QStringLiteral("rmOperator"));
    m_operator->setAlignment(Qt::AlignCenter);
    m_operator->setFixedWidth(24);
    m_operator->setMinimumHeight(40);
    navngiv(m_operator, QStringLiteral("Operator"), QString());

    m_decimaler = new QComboBox(this);
    tilgaengelighed::navngivetValg(m_decimaler);
    m_decimaler->setObjectName(QStringLiteral("disDecimaler"));
    m_decimaler->addItems({QStringLiteral("Automatisk"), QStringLiteral("0 decimaler"),
                           QStringLiteral("1 decimal"), QStringLiteral("2 decimaler"),
                           QStringLiteral("3 decimaler"), QStringLiteral("4 decimaler")});
    // Tab reaches it; the arrow keys choose (the calculator's keys stay the calculator's).
    m_decimaler->setFocusPolicy(Qt::StrongFocus);
    QFont lille = m_decimaler->font();
    lille.setPointSizeF(lille.pointSizeF() * 0.92);
    m_decimaler->setFont(lille);
    navngiv(m_decimaler, QStringLiteral("Decimaler"), QStringLiteral("Bestem decimaler"));
    connect(m_decimaler, &QComboBox::activated, this,
            [this](int i) { vedGraensen(this, [&] { m_regner.disDecimalerChange(i); }); });

    m_vinkelPanel = new QWidget(this);
    auto* vl = new QHBoxLayout(m_vinkelPanel);
    vl->setContentsMargins(0, 0, 0, 0);
    vl->setSpacing(12);
    struct Vinkel {
        const char* caption;
        const char* hint;
        const char* bogstav;
        void (TRegner::*handling)();
    };
    const Vinkel vinkler[] = {
        {"Deg", "360 grader", "v", &TRegner::gradGraderClick},
        {"Rad", "2pi grader", "b", &TRegner::gradRadianerClick},
        {"Nygrader", "400 grader", "d", &TRegner::gradNygraderClick},
    };
    auto* gruppe = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(vinkler[i].caption), m_vinkelPanel);
        r->setFocusPolicy(Qt::TabFocus);
        navngiv(r, r->text(), QString::fromUtf8(vinkler[i].hint));
        r->setProperty("tastBogstav", QString::fromUtf8(vinkler[i].bogstav));
        const auto handling = vinkler[i].handling;
        // On the state, not the click, so a change made by the keyboard or by
        // assistive technology reaches the calculator too. A box that follows
        // the calculator's own state finds nothing to change.
        connect(r, &QRadioButton::toggled, this, [this, handling, i](bool valgt) {
            if (valgt && m_regner.GradIndex() != i) vedGraensen(this, m_regner, handling);
        });
        gruppe->addButton(r, i);
        vl->addWidget(r);
        m_vinkel[i] = r;
    }
    vl->addStretch(1);
    m_vinkel[0]->setObjectName(QStringLiteral("gradGrader"));
    m_vinkel[1]->setObjectName(QStringLiteral("gradRadianer"));
    m_vinkel[2]->setObjectName(QStringLiteral("gradNygrader"));

    m_knapPanel = new QWidget(this);
    auto* kl = new QHBoxLayout(m_knapPanel);
    kl->setContentsMargins(0, 0, 0, 0);
    kl->setSpacing(3);
    m_ny = new QPushButton(QStringLiteral("Ny"), m_knapPanel);
    m_ny->setObjectName(QStringLiteral("disNy"));
    navngiv(m_ny, QStringLiteral("Ny"), QStringLiteral("Ny opgave: Home eller Ctrl+N"));
    connect(m_ny, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_regner.disNyClick(); }); });

    m_konFunk = new QAction(QStringLiteral("#"), this);
    m_konFunk->setToolTip(QStringLiteral("Funktioner"));
    connect(m_konFunk, &QAction::triggered, this,
            [this] { vedGraensen(this, [&] { m_regner.konFunkExecute(); }); });
    m_delTal = new QAction(QStringLiteral("Slet"), this);
    m_delTal->setToolTip(QStringLiteral("Sæt værdien til nul"));
    m_delTal->setStatusTip(m_delTal->toolTip());
    connect(m_delTal, &QAction::triggered, this,
            [this] { vedGraensen(this, [&] { m_regner.DelTalExecute(); }); });
    m_roundTal = new QAction(QStringLiteral("Afrund"), this);
    m_roundTal->setToolTip(QStringLiteral("Afrund tallet til nærmeste heltal"));
    m_roundTal->setStatusTip(m_roundTal->toolTip());
    connect(m_roundTal, &QAction::triggered, this,
            [this] { vedGraensen(this, [&] { m_regner.RoundTalExecute(); }); });
    auto* sletMenu = new QMenu(this);
    sletMenu->setAccessibleName(QStringLiteral("Funktioner"));
    sletMenu->setToolTipsVisible(true);
    sletMenu->addAction(m_delTal);
    sletMenu->addAction(m_roundTal);
    m_slet = new QToolButton(m_knapPanel);
    tilgaengelighed::deltKnap(m_slet);
    m_slet->setObjectName(QStringLiteral("disSlet"));
    m_slet->setPopupMode(QToolButton::MenuButtonPopup);
    m_slet->setDefaultAction(m_konFunk);
    m_slet->setMenu(sletMenu);
    navngiv(m_slet, QStringLiteral("Funktioner"), QStringLiteral("Funktioner"));

    m_tilbage = new QPushButton(QStringLiteral("Tilbage"), m_knapPanel);
    m_tilbage->setObjectName(QStringLiteral("disTilbage"));
    navngiv(m_tilbage, QStringLiteral("Tilbage"), QStringLiteral("Slet sidste talinput"));
    connect(m_tilbage, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_regner.BackTalExecute(); }); });
    for (QWidget* w : {static_cast<QWidget*>(m_ny), static_cast<QWidget*>(m_slet),
                       static_cast<QWidget*>(m_tilbage)}) {
        w->setFocusPolicy(Qt::TabFocus);
        w->setFixedHeight(26);
        w->setProperty("rolle", QStringLiteral("funk"));
        w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        kl->addWidget(w);
    }
    // Tab follows the rows: the buttons beside the decimals box, then the angles below the display.
    setTabOrder(m_decimaler, m_ny);
    setTabOrder(m_ny, m_slet);
    setTabOrder(m_slet, m_tilbage);
    m_ny->setMinimumWidth(26);
    m_slet->setMinimumWidth(36);
    m_tilbage->setMinimumWidth(48);

    connect(&m_regner, &TRegner::aendret, this, &TDisplayPanel::opdater);
    setSide(0);
    opdater();
}

void TDisplayPanel::setSide(int side) {
    if (side == m_side) return;
    m_side = side;
    for (QWidget* w : {static_cast<QWidget*>(m_decimaler), static_cast<QWidget*>(m_display),
                       static_cast<QWidget*>(m_operator), m_vinkelPanel, m_knapPanel})
        m_gitter->removeWidget(w);
    if (side == 100) {
        // The simple page: display on top, decimals box beside the buttons below.
        m_gitter->addWidget(m_display, 0, 0, 1, 2);
        m_gitter->addWidget(m_operator, 0, 2);
        m_gitter->addWidget(m_decimaler, 1, 0);
        m_gitter->addWidget(m_knapPanel, 1, 1, 1, 2);
        m_gitter->addWidget(m_vinkelPanel, 2, 0, 1, 3);
        m_decimaler->setFixedWidth(93);
    } else {
        // The calculator page: decimals box and task buttons on top, the
        // display, then the angle buttons.
        m_gitter->addWidget(m_decimaler, 0, 0);
        m_gitter->addWidget(m_knapPanel, 0, 1, 1, 2);
        m_gitter->addWidget(m_display, 1, 0, 1, 2);
        m_gitter->addWidget(m_operator, 1, 2);
        m_gitter->addWidget(m_vinkelPanel, 2, 0, 1, 3);
        m_decimaler->setFixedWidth(104);
    }
}

void TDisplayPanel::setVinkelKnapperSynlige(bool synlige) {
    m_vinkelPanel->setVisible(synlige);
}

void TDisplayPanel::opdater() {
    if (m_display->text() != m_regner.displayTekst()) {
        m_display->setText(m_regner.displayTekst());
    }
    m_operator->setText(m_regner.operatorTekst());
    if (m_decimaler->currentIndex() != m_regner.decimalIndex())
        m_decimaler->setCurrentIndex(m_regner.decimalIndex());
    const int vinkel =
        m_regner.GradIndex() >= 0 && m_regner.GradIndex() <= 2 ? m_regner.GradIndex() : 2;
    if (!m_vinkel[vinkel]->isChecked()) m_vinkel[vinkel]->setChecked(true);
    m_konFunk->setEnabled(m_regner.konFunkEnabled());
    m_delTal->setEnabled(m_regner.DelTalEnabled());
    m_roundTal->setEnabled(m_regner.RoundTalEnabled());
}
