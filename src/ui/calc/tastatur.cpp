#include "ui/calc/tastatur.h"

#include "core/calc/hukommelse.h"
#include "core/calc/knaptabel.h"
#include "core/calc/regner.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/reopenmenu.h"
#include "ui/common/statusfelt.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

// Digits and the comma look alike, the operators and "=" alike.
QString rolle(const QString& navn) {
    if (navn.startsWith(QLatin1String("rm")) && navn.size() >= 3 && navn.at(2).isDigit())
        return QStringLiteral("tal");
    if (navn.startsWith(QLatin1String("rmKomma"))) return QStringLiteral("tal");
    for (const char* o : {"oprPlus", "oprMinus", "oprGange", "oprDivider", "oprResultat"})
        if (navn.startsWith(QLatin1String(o))) return QStringLiteral("opr");
    // Function keys whose captions grow with Inv and Hyp ("ArcSinh", "x Rod y").
    return QStringLiteral("funk");
}
} // namespace

TTastatur::TTastatur(TRegner& regner, THukommelse& hukommelse, const QString& side, QWidget* parent)
    : QWidget(parent), m_regner(regner), m_hukommelse(hukommelse), m_side(side) {
    setObjectName(side + QStringLiteral("Tastatur"));
    const bool simpel = side == QLatin1String("rmPanelX");
    const int kolonner = simpel ? 4 : 7;
    auto* gitter = new QGridLayout(this);
    gitter->setContentsMargins(0, 0, 0, 0);
    gitter->setHorizontalSpacing(3);
    gitter->setVerticalSpacing(3);
    for (int k = 0; k < kolonner; ++k)
        gitter->setColumnStretch(k, 1);

    const int hoejde = simpel ? 36 : 32;
    for (const TKnap& k : TKnaptabel::side(simpel ? TKnapSide::Simpel : TKnapSide::Regner)) {
        QWidget* w = nullptr;
        int spaend = 1;
        switch (k.art) {
        case TKnapArt::Knap: {
            auto* b = new QPushButton(k.caption, this);
            b->setProperty("rolle", rolle(k.navn));
            if (!simpel && k.kolonne < 3) {
                QFont f = b->font();
                f.setPointSizeF(f.pointSizeF() * 0.85);
                b->setFont(f);
            }
            const QString navn = k.navn;
            connect(b, &QPushButton::clicked, this,
                    [this, navn] { vedGraensen(this, [&] { m_regner.klik(navn); }); });
            m_knapper.insert(k.navn, b);
            w = b;
            // The simple page's first row has three keys over four columns.
            if (simpel && k.raekke == 1 && k.kolonne == 2) spaend = 2;
            break;
        }
        case TKnapArt::Afkrydsning: {
            // A toggle key that stays down while the mode is on.
            auto* c = new QPushButton(k.caption, this);
            c->setCheckable(true);
            const bool hyp = k.navn == QLatin1String("funkHyp");
            // On the state, not the click: a change by the keyboard or by
            // assistive technology must reach the calculator too. When the key
            // only follows the calculator's state there is nothing to do.
            connect(c, &QPushButton::toggled, this, [this, hyp](bool valgt) {
                const bool nu = hyp ? m_regner.hypChecked() : m_regner.invChecked();
                if (valgt == nu) return;
                vedGraensen(this, [&] {
                    if (hyp)
                        m_regner.funkHypClick(valgt);
                    else
                        m_regner.funkInversClick(valgt);
                });
                // A refused change leaves the key showing the calculator's state.
                opdater();
            });
            m_knapper.insert(k.navn, c);
            w = c;
            break;
        }
        case TKnapArt::DeltKnap: {
            // "H": recall, with the memory menu on its arrow.
            auto* b = new QToolButton(this);
            tilgaengelighed::deltKnap(b);
            b->setText(k.caption);
            b->setPopupMode(QToolButton::MenuButtonPopup);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            connect(b, &QToolButton::clicked, this,
                    [this] { vedGraensen(this, [&] { m_regner.hukHentClick(); }); });
            m_PUhuk = new QMenu(b);
            m_PUhuk->setObjectName(QStringLiteral("PUhuk"));
            m_PUhuk->setAccessibleName(QStringLiteral("Hukommelsesmenu"));
            // Recall also from the menu, where keyboard and screen-reader users find it.
            QAction* hent = m_PUhuk->addAction(QStringLiteral("Hent"));
            hent->setObjectName(QStringLiteral("PUhukHent"));
            connect(hent, &QAction::triggered, this,
                    [this] { vedGraensen(this, [&] { m_regner.hukHentClick(); }); });
            QMenu* liste = m_PUhuk->addMenu(QStringLiteral("Hukommelse"));
            liste->setObjectName(QStringLiteral("Hukommelse"));
            new TReopenMenu(&m_hukommelse.Huk, liste);
            m_PUhuk->addSeparator();
            connect(m_PUhuk->addAction(QStringLiteral("Slet aktuelle\tCtrl+S")),
                    &QAction::triggered, this,
                    [this] { vedGraensen(this, [&] { m_regner.rmSletAktuelleClick(); }); });
            connect(m_PUhuk->addAction(QStringLiteral("Tøm hukommelse\tCtrl+T")),
                    &QAction::triggered, this,
                    [this] { vedGraensen(this, [&] { m_regner.rmDeleteHukommelseClick(); }); });
            b->setMenu(m_PUhuk);
            m_knapper.insert(k.navn, b);
            w = b;
            break;
        }
        case TKnapArt::Etiket: {
            m_parenteser = new TStatusFelt(QString(), this);
            m_parenteser->setObjectName(k.navn);
            m_parenteser->setAlignment(Qt::AlignCenter);
            w = m_parenteser;
            break;
        }
        case TKnapArt::Visning: {
            m_hukDisplay = new TVisning(this);
            m_hukDisplay->setObjectName(k.navn);
            // Greyed, as it only shows the memory value, yet enabled so that its
            // tool tip and its text reach the user.
            m_hukDisplay->setDaempet(true);
            m_hukDisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            w = m_hukDisplay;
            spaend = kolonner - k.kolonne;
            break;
        }
        default:
            continue;
        }
        w->setObjectName(k.navn);
        // The keys stay out of the Tab chain: the keyboard has every one of
        // them. The memory menu on the arrow of "H" has no key, so that button
        // takes Tab, and Down (or Alt+Down) opens its menu.
        auto* menuKnap = qobject_cast<QToolButton*>(w);
        const bool harMenu = menuKnap && menuKnap->menu();
        w->setFocusPolicy(harMenu ? Qt::TabFocus : Qt::NoFocus);
        if (harMenu) w->installEventFilter(this);
        w->setMinimumHeight(hoejde);
        w->setMinimumWidth(10);
        w->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        // A key whose caption is one letter ("G", "H") is named by its hint.
        QString navn = k.caption;
        if (k.caption.isEmpty())
            navn = k.navn == QLatin1String("hukDisplay") ? QStringLiteral("Hukommelse")
                                                         : QStringLiteral("Parenteser");
        else if (k.caption.size() == 1 && k.caption.at(0).isLetter())
            navn = k.hint;
        navngiv(w, navn, k.hint);
        if (!k.tast.isEmpty()) w->setProperty("tastBogstav", k.tast);
        if (!k.emne.isEmpty()) w->setProperty("hjaelpEmne", k.emne);
        gitter->addWidget(w, k.raekke - 1, k.kolonne, 1, spaend);
    }

    connect(&m_regner, &TRegner::aendret, this, &TTastatur::opdater);
    connect(&m_hukommelse, &THukommelse::aendret, this, &TTastatur::opdater);
    opdater();
}

bool TTastatur::eventFilter(QObject* obj, QEvent* ev) {
    auto* b = qobject_cast<QToolButton*>(obj);
    if (b && b->menu() && ev->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent*>(ev)->key();
        if (tast == Qt::Key_Down) {
            b->showMenu();
            return true;
        }
    }
    return QWidget::eventFilter(obj, ev);
}

void TTastatur::opdater() {
    for (auto it = m_knapper.cbegin(); it != m_knapper.cend(); ++it) {
        QAbstractButton* b = it.value();
        if (const TKnap* k = TKnaptabel::find(it.key()); k && k->art == TKnapArt::Knap) {
            const QString c = m_regner.caption(it.key());
            if (!c.isEmpty() && b->text() != c) {
                b->setText(c);
                b->setAccessibleName(c);
            }
        }
    }
    if (auto* hyp = m_knapper.value(QStringLiteral("funkHyp")))
        hyp->setChecked(m_regner.hypChecked());
    if (auto* inv = m_knapper.value(QStringLiteral("funkInvers")))
        inv->setChecked(m_regner.invChecked());
    if (m_parenteser) tilgaengelighed::visTekst(m_parenteser, m_regner.parentesTekst());
    if (m_hukDisplay && m_hukDisplay->text() != m_hukommelse.hukDisplay)
        m_hukDisplay->setText(m_hukommelse.hukDisplay);
}
