#include "ui/info/strukturform.h"

#include "core/info/strukturmaker.h"
#include "ui/common/fedtekst.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/placering.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"
#include "ui/info/strukturikoner.h"
#include "ui/info/strukturvisning.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPushButton* knap(const QString& tekst, const QString& hint, QWidget* ejer, const char* navn) {
    auto* k = new QPushButton(tekst, ejer);
    k->setObjectName(QString::fromLatin1(navn));
    k->setAutoDefault(false);
    navngiv(k, tekst, hint);
    return k;
}

QCheckBox* afkrydsning(const QString& tekst, const QString& hint, QWidget* ejer, const char* navn) {
    auto* c = new QCheckBox(tekst, ejer);
    c->setObjectName(QString::fromLatin1(navn));
    navngiv(c, tekst, hint);
    return c;
}

} // namespace

template <typename F> void Tstrukturform::kald(F&& f) {
    vedGraensen(this, std::forward<F>(f));
}

Tstrukturform::Tstrukturform(TStrukturformModel& model, QWidget* ejer)
    : QWidget(ejer, Qt::Window), m_model(model), m_ejer(ejer) {
    setObjectName(QStringLiteral("Tstrukturform"));
    setWindowTitle(QStringLiteral("Strukturkonstruktøren"));
    auto* lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(6, 6, 6, 6);
    m_sider = new QTabWidget(this);
    m_sider->setObjectName(QStringLiteral("sider"));
    navngiv(m_sider, QStringLiteral("Sider"), QString());
    m_sider->addTab(lavSide1(), QStringLiteral("Ny struktur | Rediger struktur"));
    m_sider->addTab(lavSide2(), QStringLiteral("Informationsstruktur"));
    lodret->addWidget(m_sider);
    connect(m_sider, &QTabWidget::currentChanged, this, [this](int i) {
        if (!m_opdaterer) m_model.side = i;
    });
    connect(&m_model, &TStrukturformModel::aendret, this, &Tstrukturform::opdater);
    connect(&m_model.infostruktur, &TStruktur::aendret, this, &Tstrukturform::opdater);
    connect(&m_model.infostruktur, &TStruktur::valgtAendret, this, &Tstrukturform::opdater);
    connect(&m_model, &TStrukturformModel::fokusTekstEdit, this, [this] {
        m_tekstEdit->setFocus();
        m_tekstEdit->end(false);
    });
    connect(&m_model, &TStrukturformModel::fokusDataEdit, this, [this] { m_dataEdit->setFocus(); });
    connect(&m_model, &TStrukturformModel::fokusTrae, this, [this] { m_trae->setFocus(); });
    resize(760, 560);
    opdater();
}

QWidget* Tstrukturform::lavSide1() {
    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("side1"));
    auto* vandret = new QHBoxLayout(side);
    vandret->setSpacing(16);

    auto* venstre = new QVBoxLayout;
    venstre->addWidget(fedTekst(QStringLiteral("Informationsstrukturer"), side));
    m_strukturboks = new QListWidget(side);
    m_strukturboks->setObjectName(QStringLiteral("strukturboks"));
    navngiv(m_strukturboks, QStringLiteral("Informationsstrukturer"), QString());
    m_strukturboks->installEventFilter(this);
    venstre->addWidget(m_strukturboks, 1);
    auto* knapper = new QHBoxLayout;
    auto* rediger = knap(QStringLiteral("Rediger Struktur"),
                         QStringLiteral("Rediger valgte struktur"), side, "Button5");
    auto* slet = knap(QStringLiteral("Slet Struktur"), QStringLiteral("Slet valgte struktur"), side,
                      "sletStrukturButton");
    auto* opdater = knap(QStringLiteral("Opdater Infostrukturer"),
                         QStringLiteral("Opdater Informationsstrukturer efter ændringer i listen"),
                         side, "OpdaterInfoButton");
    knapper->addWidget(rediger);
    knapper->addWidget(slet);
    knapper->addWidget(opdater);
    venstre->addLayout(knapper);
    vandret->addLayout(venstre, 3);

    auto* hoejre = new QVBoxLayout;
    hoejre->addWidget(fedTekst(QStringLiteral("Ny struktur"), side));
    auto* navnLabel = new QLabel(QStringLiteral("Strukturnavn"), side);
    m_navnEdit = new QLineEdit(side);
    m_navnEdit->setObjectName(QStringLiteral("navnEdit"));
    navnLabel->setBuddy(m_navnEdit);
    navngiv(m_navnEdit, QStringLiteral("Strukturnavn"), QString());
    hoejre->addWidget(navnLabel);
    hoejre->addWidget(m_navnEdit);
    auto* opret =
        knap(QStringLiteral("Opret struktur"),
             QStringLiteral("Opret en ny struktur af valge strukturtype"), side, "opretKnap");
    hoejre->addWidget(opret);
    hoejre->addStretch(1);
    auto* info =
        knap(QStringLiteral("Information"),
             QStringLiteral("Information: Ny struktur og rediger struktur"), side, "infoKnap");
    info->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    hoejre->addWidget(info);
    vandret->addLayout(hoejre, 2);

    connect(m_strukturboks, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!m_opdaterer) m_model.strukturboksClick(r);
    });
    connect(m_strukturboks, &QListWidget::itemDoubleClicked, this,
            [this] { kald([&] { m_model.strukturboksDblClick(); }); });
    connect(rediger, &QPushButton::clicked, this,
            [this] { kald([&] { m_model.Button5Click(); }); });
    connect(slet, &QPushButton::clicked, this,
            [this] { kald([&] { m_model.sletStrukturButtonClick(); }); });
    connect(opdater, &QPushButton::clicked, this,
            [this] { kald([&] { m_model.OpdaterInfoButtonClick(); }); });
    connect(m_navnEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_model.navnEditChange(t); });
    connect(m_navnEdit, &QLineEdit::returnPressed, this,
            [this] { kald([&] { m_model.opretStruktur(); }); });
    connect(opret, &QPushButton::clicked, this,
            [this] { kald([&] { m_model.opretKnapClick(); }); });
    connect(info, &QPushButton::clicked, this, [this] { kald([&] { m_model.infoKnapClick(); }); });
    return side;
}

QWidget* Tstrukturform::lavSide2() {
    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("side2"));
    auto* lodret = new QVBoxLayout(side);

    auto* bjaelke = new QToolBar(side);
    bjaelke->setObjectName(QStringLiteral("vaerktoej"));
    bjaelke->setToolButtonStyle(Qt::ToolButtonTextOnly);
    navngiv(bjaelke, QStringLiteral("Værktøjslinje"), QString());
    auto handling = [&](const QString& tekst, const QString& hint, const char* navn,
                        const QKeySequence& genvej, void (TStrukturformModel::*h)()) {
        auto* a = new QAction(tekst, this);
        a->setObjectName(QString::fromLatin1(navn));
        a->setToolTip(hint);
        a->setStatusTip(hint);
        if (!genvej.isEmpty()) {
            a->setShortcut(genvej);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        connect(a, &QAction::triggered, this, [this, h] { vedGraensen(this, m_model, h); });
        addAction(a);
        bjaelke->addAction(a);
        if (QWidget* w = bjaelke->widgetForAction(a)) navngiv(w, tekst, hint);
        return a;
    };
    m_Aclear = handling(QStringLiteral("Klargør"),
                        QStringLiteral("Klargør til nyt element: Ctrl+K"), "Aclear",
                        QKeySequence(QStringLiteral("Ctrl+K")), &TStrukturformModel::AclearExecute);
    m_Ainsert = handling(QStringLiteral("Indsæt"), QStringLiteral("Indsæt som nyt element: Ctrl+I"),
                         "Ainsert", QKeySequence(QStringLiteral("Ctrl+I")),
                         &TStrukturformModel::InsertNode);
    m_Arediger = handling(QStringLiteral("Rediger"),
                          QStringLiteral("Rediger valgte element: Ctrl+R"), "Arediger",
                          QKeySequence(QStringLiteral("Ctrl+R")), &TStrukturformModel::RedigerNode);
    m_Aslet = handling(QStringLiteral("Slet"), QStringLiteral("Slet valgte element"), "Aslet", {},
                       &TStrukturformModel::DeleteNode);
    bjaelke->addSeparator();
    m_Agem = handling(QStringLiteral("Gem"), QStringLiteral("Gem strukturen"), "Agem", {},
                      &TStrukturformModel::AgemExecute);
    m_Areload = handling(QStringLiteral("Genindlæs"),
                         QStringLiteral("Genindlæs struktur (Husk at gemme hvis relevant)"),
                         "Areload", {}, &TStrukturformModel::ReloadStruktur);
    bjaelke->addSeparator();
    handling(QStringLiteral("Vis"), QStringLiteral("Vis strukturen i information"), "tbVisStruktur",
             {}, &TStrukturformModel::tbVisStrukturClick);
    lodret->addWidget(bjaelke);

    m_infoLabel = new QLabel(side);
    m_infoLabel->setObjectName(QStringLiteral("InfoLabel"));
    tilgaengelighed::vaerdiEtiket(m_infoLabel, QStringLiteral("Strukturinfo"));
    lodret->addWidget(m_infoLabel);

    auto* midte = new QHBoxLayout;
    auto* traeKolonne = new QVBoxLayout;
    m_elementEdit = new TVisning(side);
    m_elementEdit->setObjectName(QStringLiteral("elementEdit"));
    navngiv(m_elementEdit, QStringLiteral("Valgt element"), QString());
    traeKolonne->addWidget(m_elementEdit);
    m_trae = new TStrukturVisning(m_model.infostruktur, side);
    m_trae->setObjectName(QStringLiteral("infostruktur"));
    navngiv(m_trae, QStringLiteral("Informationsstruktur"), QString());
    traeKolonne->addWidget(m_trae, 1);
    auto* traeKnapper = new QHBoxLayout;
    auto lavVaerktoej = [&](const QString& hint, QStyle::StandardPixmap ikon, const char* navn) {
        auto* k = new QToolButton(side);
        k->setObjectName(QString::fromLatin1(navn));
        k->setIcon(style()->standardIcon(ikon));
        navngiv(k, hint, hint);
        traeKnapper->addWidget(k);
        return k;
    };
    auto* udfold =
        lavVaerktoej(QStringLiteral("Udfold strukturen"), QStyle::SP_ArrowDown, "ExpandKnap");
    auto* sammenfold =
        lavVaerktoej(QStringLiteral("Sammenfold strukturen"), QStyle::SP_ArrowUp, "CollapseKnap");
    auto* sorter = lavVaerktoej(QStringLiteral("Sorter strukturen alfabetisk"),
                                QStyle::SP_FileDialogDetailedView, "sorterKnap");
    traeKnapper->addStretch(1);
    auto* info = lavVaerktoej(QStringLiteral("Information: Informationsstruktur"),
                              QStyle::SP_MessageBoxQuestion, "infoButton");
    traeKolonne->addLayout(traeKnapper);
    midte->addLayout(traeKolonne, 1);
    midte->addWidget(lavFelter(side));
    lodret->addLayout(midte, 1);

    connect(m_trae, &TStrukturVisning::nodeValgt, this,
            [this](TStrukturNode* n) { kald([&] { m_model.infostrukturClick(n); }); });
    connect(m_trae, &TStrukturVisning::musTrykket, this, [this](TStrukturNode* n, QMouseEvent* ev) {
        if (ev->button() == Qt::LeftButton) kald([&] { m_model.infostrukturMusDown(n); });
    });
    connect(m_trae, &TStrukturVisning::musSluppet, this, [this](TStrukturNode* n, QMouseEvent* ev) {
        if (ev->button() == Qt::LeftButton) kald([&] { m_model.infostrukturMusUp(n); });
    });
    connect(udfold, &QToolButton::clicked, this,
            [this] { kald([&] { m_model.ExpandKnapClick(); }); });
    connect(sammenfold, &QToolButton::clicked, this,
            [this] { kald([&] { m_model.CollapseKnapClick(); }); });
    connect(sorter, &QToolButton::clicked, this, [this] { kald([&] { m_model.sorterNoder(); }); });
    connect(info, &QToolButton::clicked, this,
            [this] { kald([&] { m_model.infoButtonClick(); }); });
    return side;
}

QWidget* Tstrukturform::lavFelter(QWidget* ejer) {
    auto* felter = new QWidget(ejer);
    felter->setFixedWidth(330);
    auto* lodret = new QVBoxLayout(felter);
    lodret->setContentsMargins(0, 0, 0, 0);

    m_ikonboks = new QGroupBox(felter);
    m_ikonboks->setObjectName(QStringLiteral("ikonboks"));
    navngiv(m_ikonboks, QStringLiteral("Element ikon"), QStringLiteral("Vælg ikon til elementer"));
    auto* ikonGitter = new QGridLayout(m_ikonboks);
    ikonGitter->setSpacing(2);
    m_ikonKnapper = new QButtonGroup(this);
    for (int i = 0; i < TStrukturformModel::antalIkoner; ++i) {
        auto* k = new QToolButton(m_ikonboks);
        const QString caption = TStrukturformModel::ikonCaption(i);
        k->setObjectName(QStringLiteral("ikon%1").arg(i));
        k->setText(caption);
        k->setIcon(strukturikoner::ikon(TStrukturformModel::ikonKind(i)));
        k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        k->setCheckable(true);
        // One choice of many: the arrow keys move between the icons, as in a radio group.
        k->setAutoExclusive(true);
        k->setAutoRaise(true);
        k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        navngiv(k, caption, QStringLiteral("Vælg ikon til elementer"));
        m_ikonKnapper->addButton(k, i);
        ikonGitter->addWidget(k, i / 2, i % 2);
    }
    lodret->addWidget(m_ikonboks);

    auto* form = new QGridLayout;
    auto* tekstLabel = new QLabel(QStringLiteral("Tekst"), felter);
    m_tekstEdit = new QLineEdit(felter);
    m_tekstEdit->setObjectName(QStringLiteral("tekstEdit"));
    tekstLabel->setBuddy(m_tekstEdit);
    navngiv(m_tekstEdit, QStringLiteral("Tekst"), QString());
    auto* dataLabel = new QLabel(QStringLiteral("Elementets filnavn"), felter);
    m_dataEdit = new QLineEdit(felter);
    m_dataEdit->setObjectName(QStringLiteral("dataEdit"));
    dataLabel->setBuddy(m_dataEdit);
    navngiv(m_dataEdit, QStringLiteral("Elementets filnavn"), QString());
    form->addWidget(tekstLabel, 0, 0);
    form->addWidget(m_tekstEdit, 1, 0, 1, 3);
    form->addWidget(dataLabel, 2, 0);
    form->addWidget(m_dataEdit, 3, 0, 1, 3);
    auto* inf = knap(QStringLiteral("Inf"), QStringLiteral("Check om filnavnet eksisterer"), felter,
                     "checkKnap");
    auto* fn =
        knap(QStringLiteral("Fn"), QStringLiteral("Indsæt konstrueret filnavn"), felter, "fnKnap");
    auto* opretFil =
        knap(QStringLiteral("Opret fil"), QStringLiteral("Opret en fil hvis den ikke findes"),
             felter, "makeFilKnap");
    form->addWidget(inf, 4, 0);
    form->addWidget(fn, 4, 1);
    form->addWidget(opretFil, 4, 2);
    lodret->addLayout(form);

    auto* valg = new QGridLayout;
    m_gemCheck = afkrydsning(QStringLiteral("Auto gem"),
                             QStringLiteral("Gem automatisk strukturen ved Indsæt og Rediger"),
                             felter, "gemCheck");
    m_sorterCheck =
        afkrydsning(QStringLiteral("Sorter"),
                    QStringLiteral("Sorter elementerne alfabetisk ved Indsæt og Rediger"), felter,
                    "sorterCheck");
    m_autoNavn = afkrydsning(
        QStringLiteral("Auto navn"),
        QStringLiteral("Hvis 'Ens navn' ikke er valgt indføres der automatisk et filnavn"), felter,
        "autoNavn");
    m_ensNavn = afkrydsning(QStringLiteral("Ens tekst"),
                            QStringLiteral("Filnavnet og strukturtekst er ens"), felter, "EnsNavn");
    m_flytmodeBox = afkrydsning(
        QStringLiteral("Arranger elementer"),
        QStringLiteral("Afkryds boksen for at flytte rundt på elementerne, afkryds bagefter"),
        felter, "flytmodeBox");
    valg->addWidget(m_gemCheck, 0, 0);
    valg->addWidget(m_sorterCheck, 0, 1);
    valg->addWidget(m_autoNavn, 1, 0);
    valg->addWidget(m_ensNavn, 1, 1);
    valg->addWidget(m_flytmodeBox, 2, 0, 1, 2);
    lodret->addLayout(valg);

    auto* flyt = new QGroupBox(QStringLiteral("Indsæt og flyt metode"), felter);
    flyt->setObjectName(QStringLiteral("flytBox"));
    navngiv(flyt, QStringLiteral("Indsæt og flyt metode"),
            QStringLiteral("Vælg indsæt og flyt metode"));
    auto* flytLag = new QVBoxLayout(flyt);
    flytLag->setSpacing(2);
    m_flytBox = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* r = new QRadioButton(TStrukturformModel::flytCaption(i), flyt);
        r->setObjectName(QStringLiteral("flyt%1").arg(i));
        navngiv(r, TStrukturformModel::flytCaption(i),
                QStringLiteral("Vælg indsæt og flyt metode"));
        m_flytBox->addButton(r, i);
        flytLag->addWidget(r);
    }
    lodret->addWidget(flyt);
    lodret->addStretch(1);

    // On the choice, not the click: arrow keys and assistive technology choose too.
    connect(m_ikonKnapper, &QButtonGroup::idToggled, this, [this](int i, bool valgt) {
        if (valgt && !m_opdaterer) kald([&] { m_model.ikonboksClick(i); });
    });
    connect(m_tekstEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { kald([&] { m_model.tekstEditChange(t); }); });
    connect(m_dataEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_model.dataEditChange(t); });
    connect(m_tekstEdit, &QLineEdit::returnPressed, this,
            [this] { kald([&] { m_model.tekstEditEnter(); }); });
    connect(m_dataEdit, &QLineEdit::returnPressed, this,
            [this] { kald([&] { m_model.dataEditEnter(); }); });
    connect(inf, &QPushButton::clicked, this,
            [this] { kald([&] { m_model.KontrollerFilnavn(); }); });
    connect(fn, &QPushButton::clicked, this,
            [this] { kald([&] { m_model.InsertAutoFilnavn(); }); });
    connect(opretFil, &QPushButton::clicked, this, [this] { kald([&] { m_model.opretFil(); }); });
    const auto flag = [this](QCheckBox* c, bool TStrukturformModel::*felt) {
        connect(c, &QCheckBox::toggled, this, [this, felt](bool b) {
            if (!m_opdaterer) m_model.*felt = b;
        });
    };
    flag(m_gemCheck, &TStrukturformModel::gemCheck);
    flag(m_sorterCheck, &TStrukturformModel::sorterCheck);
    flag(m_autoNavn, &TStrukturformModel::autoNavn);
    flag(m_ensNavn, &TStrukturformModel::EnsNavn);
    flag(m_flytmodeBox, &TStrukturformModel::flytmodeBox);
    // On the choice, not the click: arrow keys and assistive technology choose too.
    connect(m_flytBox, &QButtonGroup::idToggled, this, [this](int i, bool valgt) {
        if (valgt && !m_opdaterer) kald([&] { m_model.setFlytMode(i); });
    });
    return felter;
}

QAction* Tstrukturform::handling(const QString& navn) const {
    return findChild<QAction*>(navn);
}

void Tstrukturform::opdater() {
    m_opdaterer = true;
    if (m_sider->currentIndex() != m_model.side) m_sider->setCurrentIndex(m_model.side);
    QStringList vist;
    for (int i = 0; i < m_strukturboks->count(); ++i)
        vist << m_strukturboks->item(i)->text();
    if (vist != m_model.strukturboks) {
        m_strukturboks->clear();
        m_strukturboks->addItems(m_model.strukturboks);
    }
    m_strukturboks->setCurrentRow(m_model.strukturboksValgt);
    if (m_navnEdit->text() != m_model.navnEdit) m_navnEdit->setText(m_model.navnEdit);
    tilgaengelighed::visTekst(m_infoLabel, m_model.InfoLabel);
    m_elementEdit->setText(m_model.elementEdit);
    if (m_tekstEdit->text() != m_model.tekstEdit) m_tekstEdit->setText(m_model.tekstEdit);
    if (m_dataEdit->text() != m_model.dataEdit) m_dataEdit->setText(m_model.dataEdit);
    m_ikonboks->setTitle(m_model.ikonboksCaption);
    if (QAbstractButton* k = m_ikonKnapper->button(m_model.ikonboksValgt)) k->setChecked(true);
    m_gemCheck->setChecked(m_model.gemCheck);
    m_sorterCheck->setChecked(m_model.sorterCheck);
    m_autoNavn->setChecked(m_model.autoNavn);
    m_ensNavn->setChecked(m_model.EnsNavn);
    m_flytmodeBox->setChecked(m_model.flytmodeBox);
    if (QAbstractButton* r = m_flytBox->button(m_model.flytBox)) r->setChecked(true);
    m_Aclear->setEnabled(m_model.AclearAktiv());
    m_Ainsert->setEnabled(m_model.AinsertAktiv());
    m_Arediger->setEnabled(m_model.AredigerAktiv());
    m_Aslet->setEnabled(m_model.AsletAktiv());
    m_Agem->setEnabled(m_model.AgemAktiv());
    m_opdaterer = false;
}

void Tstrukturform::vis() {
    if (!isVisible() && m_ejer) {
        const QRect ejer = m_ejer->frameGeometry();
        centrerPaaSkaermen(*this, ejer.center());
    }
    opdater();
    show();
    raise();
    activateWindow();
}

bool Tstrukturform::eventFilter(QObject* obj, QEvent* ev) {
    if (obj == m_strukturboks && ev->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent*>(ev)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            kald([&] { m_model.strukturboksEnter(); });
            return true;
        }
    }
    return QWidget::eventFilter(obj, ev);
}

void Tstrukturform::closeEvent(QCloseEvent* ev) {
    kald([&] { m_model.FormCloseQuery(); });
    ev->accept();
}
