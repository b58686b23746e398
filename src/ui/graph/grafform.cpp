#include "ui/graph/grafform.h"

#include "core/graph/grafformmodel.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/placering.h"
#include "ui/common/talfelt.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/vinduesfilter.h"
#include "ui/graph/grafwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kKnapBredde = 22;
constexpr int kFeltBredde =
    46; // the number boxes of the tool bar and the axis bar // the small "+" and "-" buttons

void saetTekst(QLineEdit* e, const QString& t) {
    if (e->text() != t) e->setText(t);
}

} // namespace

Tgrafform::Tgrafform(TGrafformModel& model, QWidget* parent) : QMainWindow(parent), m_model(model) {
    setObjectName(QStringLiteral("Tgrafform"));
    setWindowTitle(QStringLiteral("Grafer"));
    setMinimumSize(TGrafformModel::minBredde, TGrafformModel::minHoejde);

    lavMenu();
    lavVaerktoejslinje();

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    QWidget* venstre = lavVenstrePanel();
    venstre->setMinimumWidth(TGrafformModel::minVenstrePanel);
    splitter->addWidget(venstre);
    m_graf = new TGrafWidget(m_model, splitter);
    splitter->addWidget(m_graf);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({TGrafformModel::minVenstrePanel, 535});
    // The axis bar runs the whole width under the panel and the canvas.
    auto* central = new QWidget(this);
    auto* cl = new QVBoxLayout(central);
    cl->setContentsMargins(0, 0, 0, 0);
    cl->setSpacing(0);
    cl->addWidget(splitter, 1);
    cl->addWidget(lavAksebjaelke());
    setCentralWidget(central);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    tilgaengelighed::vaerdiEtiket(m_status, QStringLiteral("Info-tekst"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(&m_model, &TGrafformModel::aendret, this, &Tgrafform::opdater);
    connect(&m_model, &TGrafformModel::fokusOenskes, this, [this](const QString& navn) {
        if (auto* w = findChild<QWidget*>(navn)) w->setFocus();
    });
    vinduesfilter::installer(this, this);
    opdater();
}

Tgrafform::~Tgrafform() {}

void Tgrafform::handling(const std::function<void()>& f) {
    vedGraensen(this, f);
}

QLabel* Tgrafform::etiket(const QString& tekst) {
    auto* l = new QLabel(tekst, this);
    l->setAccessibleName(tekst);
    return l;
}

QToolButton* Tgrafform::knap(const QString& navn, const QString& tekst, const QString& hint,
                             void (TGrafformModel::*h)()) {
    auto* b = new QToolButton(this);
    b->setObjectName(navn);
    b->setText(tekst);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::TabFocus);
    navngiv(b, tekst, hint);
    if (h) connect(b, &QToolButton::clicked, this, [this, h] { vedGraensen(this, m_model, h); });
    return b;
}

QLineEdit* Tgrafform::felt(const QString& navn, const QString& tilgaengeligtNavn,
                           QString TGrafformModel::*f, bool skriv) {
    // Narrow boxes: a long number shrinks, then shows its start with "…".
    auto* e = new TTalFelt(this);
    e->setObjectName(navn);
    navngiv(e, tilgaengeligtNavn, QString());
    e->setAlignment(Qt::AlignRight);
    m_felter.insert(e, f);
    if (skriv)
        connect(e, &QLineEdit::textEdited, this, [this, f](const QString& t) { m_model.*f = t; });
    return e;
}

void Tgrafform::lavMenu() {
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PUmenu"));
    m_menu->setAccessibleName(QStringLiteral("Menu"));
    const auto punkt = [this](QMenu* m, const QString& tekst, const QString& hint,
                              void (TGrafformModel::*h)()) {
        QAction* a = m->addAction(tekst);
        a->setStatusTip(hint);
        a->setToolTip(hint);
        connect(a, &QAction::triggered, this, [this, h] { vedGraensen(this, m_model, h); });
        return a;
    };
    punkt(m_menu, QStringLiteral("Importer andengradsligning"),
          QStringLiteral("Importer eksisterende andengradsligning"), &TGrafformModel::ImporterAL);
    punkt(m_menu, QStringLiteral("Importer ligninger"),
          QStringLiteral("Importer eksisterende ligninger"), &TGrafformModel::ImporterLigninger);
    m_menu->addSeparator();
    punkt(m_menu, QStringLiteral("Exporter ligninger"), QStringLiteral("Exporter til løsning"),
          &TGrafformModel::MExportClick);
    m_menu->addSeparator();
    punkt(m_menu, QStringLiteral("Tredjegradsligning..."), QString(),
          &TGrafformModel::Tredjegradsligning1Click);
    m_menu->addSeparator();
    QMenu* ks = m_menu->addMenu(QStringLiteral("Koordinatsystem"));
    punkt(ks, QStringLiteral("Vis 1. kvadrant"), QString(), &TGrafformModel::Kvadrant1Click);
    punkt(ks, QStringLiteral("Vis 2. kvadrant"), QString(), &TGrafformModel::Kvadrant2Click);
    punkt(ks, QStringLiteral("Vis 3. kvadrant"), QString(), &TGrafformModel::Kvadrant3Click);
    punkt(ks, QStringLiteral("Vis 4. kvadrant"), QString(), &TGrafformModel::Kvadrant4Click);
    ks->addSeparator();
    punkt(ks, QStringLiteral("Centrer"), QString(), &TGrafformModel::centrerXYakseKnapClick);
    // The window's key handler takes the shortcuts; the menu only names them.
    punkt(m_menu, QStringLiteral("Egenskaber...\tCtrl+E"), QString(),
          &TGrafformModel::EgenskaberClick);
    m_menu->addSeparator();
    punkt(m_menu, QStringLiteral("Printer setup..."), QString(),
          &TGrafformModel::PrinterSetupClick);
    punkt(m_menu, QStringLiteral("Udskriv..."),
          QStringLiteral("Udskriv grafvindue efter størelses og plaserings angivelse"),
          &TGrafformModel::MPrintClick);
    punkt(m_menu, QStringLiteral("Gem som billede..."),
          QStringLiteral("Gem grafen som billede: PNG, SVG eller PDF efter filnavnets endelse"),
          &TGrafformModel::GemSomBilledeClick);
    m_menu->addSeparator();
    punkt(m_menu, QStringLiteral("Information\tF1"), QStringLiteral("Information til grafboks"),
          &TGrafformModel::InformationClick);
}

void Tgrafform::lavVaerktoejslinje() {
    auto* tb = addToolBar(QStringLiteral("Værktøjslinje"));
    tb->setObjectName(QStringLiteral("ToolBar1"));
    tb->setMovable(false);
    tb->setFloatable(false);
    tb->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    auto* menuKnap = knap(QStringLiteral("Button5"), QStringLiteral("Menu"), QString(), nullptr);
    menuKnap->setMenu(m_menu);
    menuKnap->setPopupMode(QToolButton::MenuButtonPopup);
    connect(menuKnap, &QToolButton::clicked, menuKnap, &QToolButton::showMenu);
    tb->addWidget(menuKnap);
    tb->addSeparator();

    const auto position = [this](const QString& navn, const QString& etiketTekst) {
        auto* l = new QLabel(this);
        l->setObjectName(navn);
        tilgaengelighed::vaerdiEtiket(l, etiketTekst);
        l->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-00.00 : -00.00")));
        return l;
    };
    const auto mellemrum = [this, tb](int bredde) {
        auto* w = new QWidget(this);
        w->setFixedWidth(bredde);
        tb->addWidget(w);
    };
    tb->addWidget(etiket(QStringLiteral("Pos")));
    mellemrum(4);
    m_pos = position(QStringLiteral("posLabel"), QStringLiteral("Pos"));
    tb->addWidget(m_pos);
    tb->addSeparator();

    m_zoomCenterBox = new QCheckBox(QStringLiteral("Vis zoomcentrum"), this);
    m_zoomCenterBox->setObjectName(QStringLiteral("zoomCenterBox"));
    navngiv(m_zoomCenterBox, QStringLiteral("Vis zoomcentrum"), QString());
    // On the state, so the keyboard and the accessible Toggle action reach the model too.
    connect(m_zoomCenterBox, &QCheckBox::toggled, this, [this](bool v) {
        if (!m_opdaterer) handling([&] { m_model.zoomCenterBoxClick(v); });
    });
    tb->addWidget(m_zoomCenterBox);
    tb->addWidget(knap(QStringLiteral("zoomBoksKnap"), QStringLiteral("Zoomboks"),
                       QStringLiteral("Zoomboks: Ctrl+z"), &TGrafformModel::zoomBoksKnapClick));
    tb->addSeparator();
    tb->addWidget(etiket(QStringLiteral("Zoom pos")));
    mellemrum(4);
    m_zPos = position(QStringLiteral("zPosLabel"), QStringLiteral("Zoom pos"));
    tb->addWidget(m_zPos);
    tb->addSeparator();
    tb->addWidget(etiket(QStringLiteral("Zoom spring")));
    mellemrum(4);
    auto* spring = felt(QStringLiteral("zoomSpringEdit"), QStringLiteral("Zoom spring"),
                        &TGrafformModel::zoomSpringEdit, false);
    spring->setFixedWidth(kFeltBredde);
    // Every change is read as a whole number and written back at once.
    connect(spring, &QLineEdit::textEdited, this, [this, spring](const QString& t) {
        handling([&] { m_model.zoomSpringEditChange(t); });
        saetTekst(spring, m_model.zoomSpringEdit);
        spring->setCursorPosition(int(spring->text().size()));
    });
    tb->addWidget(spring);
    auto* plus = knap(QStringLiteral("zoomPlusKnap"), QStringLiteral("+"),
                      QStringLiteral("Zoom ind"), &TGrafformModel::zoomPlusKnapClick);
    auto* minus = knap(QStringLiteral("zoomMinusKnap"), QStringLiteral("-"),
                       QStringLiteral("Zoom ud"), &TGrafformModel::zoomMinusKnapClick);
    plus->setFixedWidth(kKnapBredde);
    minus->setFixedWidth(kKnapBredde);
    tb->addWidget(plus);
    tb->addWidget(minus);
}

QWidget* Tgrafform::lavVenstrePanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("venstrePanel"));
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(6);

    m_formelBox = new QListWidget(panel);
    m_formelBox->setObjectName(QStringLiteral("formelBox"));
    navngiv(m_formelBox, QStringLiteral("Ligninger"), QString());
    m_formelBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_formelBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_formelBox, &QListWidget::itemChanged, this, [this](QListWidgetItem* it) {
        if (m_opdaterer) return;
        const int raekke = m_formelBox->row(it);
        const bool ticked = it->checkState() == Qt::Checked;
        handling([&] { m_model.formelBoxAfkrydset(raekke, ticked); });
    });
    connect(m_formelBox, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_opdaterer) return;
        QList<int> valgte;
        for (int i = 0; i < m_formelBox->count(); ++i)
            if (m_formelBox->item(i)->isSelected()) valgte << i;
        m_model.formelBoxMarkering(valgte);
    });
    connect(m_formelBox, &QListWidget::itemClicked, this,
            [this] { handling([&] { m_model.formelBoxClick(); }); });
    v->addWidget(m_formelBox, 1);

    auto* slet = new QHBoxLayout;
    slet->addWidget(knap(QStringLiteral("delSelKnap"), QStringLiteral("Slet valgte"),
                         QStringLiteral("Slet valgte formel fra listen"),
                         &TGrafformModel::delSelKnapClick));
    slet->addWidget(knap(QStringLiteral("delAllKnap"), QStringLiteral("Slet alle"),
                         QStringLiteral("Slet alle formler fra listen"),
                         &TGrafformModel::delAllKnapClick));
    slet->addWidget(knap(QStringLiteral("fjernAllKnap"), QStringLiteral("Fjern valgte"),
                         QStringLiteral("Slet alle formler fra listen"),
                         &TGrafformModel::fjernAllKnapClick));
    for (int i = 0; i < slet->count(); ++i)
        slet->itemAt(i)->widget()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    v->addLayout(slet);

    // The equation to enter.
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    const struct {
        const char* navn;
        const char* etiket;
        QString TGrafformModel::*felt;
        void (TGrafformModel::*enter)();
    } koef[] = {{"aEdit", "a", &TGrafformModel::aEdit, &TGrafformModel::aEditEnter},
                {"bEdit", "b", &TGrafformModel::bEdit, &TGrafformModel::bEditEnter},
                {"cEdit", "c", &TGrafformModel::cEdit, &TGrafformModel::cEditEnter}};
    int r = 0;
    for (const auto& k : koef) {
        auto* e = felt(QString::fromLatin1(k.navn), QString::fromLatin1(k.etiket), k.felt);
        const auto enter = k.enter;
        connect(e, &QLineEdit::returnPressed, this,
                [this, enter] { vedGraensen(this, m_model, enter); });
        g->addWidget(etiket(QString::fromLatin1(k.etiket)), r, 0);
        g->addWidget(e, r, 1);
        ++r;
    }
    m_ligBox = new QComboBox(panel);
    m_ligBox->setObjectName(QStringLiteral("ligBox"));
    navngiv(m_ligBox, QStringLiteral("Ligningstype"), QStringLiteral("Vælg ligningstype"));
    m_ligBox->addItems(TGrafformModel::ligningstyper());
    connect(m_ligBox, &QComboBox::activated, this, [this](int i) { m_model.ligBox = i; });
    g->addWidget(m_ligBox, r++, 0, 1, 2);
    auto* ind = new QHBoxLayout;
    ind->addWidget(knap(QStringLiteral("InsertKnap"), QStringLiteral("Indfør"),
                        QStringLiteral("Indfør ligningen i listen: Ctrl+i"),
                        &TGrafformModel::InsertKnapClick));
    ind->addWidget(knap(QStringLiteral("NewKnap"), QStringLiteral("Ny"),
                        QStringLiteral("Klargør til nye værdier: Ctrl+n"),
                        &TGrafformModel::NewKnapClick));
    for (int i = 0; i < ind->count(); ++i)
        ind->itemAt(i)->widget()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    g->addLayout(ind, r++, 0, 1, 2);
    v->addLayout(g);

    // The two equations to solve and the solutions.
    v->addWidget(etiket(QStringLiteral("Løs ligninger")));
    const auto valg = [this, panel](const QString& navn, const QString& tn, const QString& hint,
                                    void (TGrafformModel::*h)(int)) {
        auto* c = new QComboBox(panel);
        c->setObjectName(navn);
        navngiv(c, tn, hint);
        connect(c, &QComboBox::activated, this,
                [this, h](int i) { vedGraensen(this, m_model, h, i); });
        return c;
    };
    m_L1Box = valg(QStringLiteral("L1Box"), QStringLiteral("Ligning 1"),
                   QStringLiteral("Vælg ligning 1 til løsning"), &TGrafformModel::L1BoxChange);
    m_L2Box = valg(QStringLiteral("L2Box"), QStringLiteral("Ligning 2"),
                   QStringLiteral("Vælg ligning 2 til løsning"), &TGrafformModel::L2BoxChange);
    v->addWidget(m_L1Box);
    v->addWidget(m_L2Box);
    v->addWidget(etiket(QStringLiteral("Løsninger")));
    auto* loes = new QGridLayout;
    const struct {
        const char* navn;
        const char* etiket;
        QString TGrafformModel::*felt;
        const char* send;
        void (TGrafformModel::*sendKlik)();
    } res[] = {{"ligningX1", "x1", &TGrafformModel::ligningX1, "ligningerX1send",
                &TGrafformModel::ligningerX1sendClick},
               {"ligningY1", "y1", &TGrafformModel::ligningY1, "ligningerY1send",
                &TGrafformModel::ligningerY1sendClick},
               {"ligningX2", "x2", &TGrafformModel::ligningX2, "ligningerX2send",
                &TGrafformModel::ligningerX2sendClick},
               {"ligningY2", "y2", &TGrafformModel::ligningY2, "ligningerY2send",
                &TGrafformModel::ligningerY2sendClick}};
    r = 0;
    for (const auto& x : res) {
        loes->addWidget(etiket(QString::fromLatin1(x.etiket)), r, 0);
        loes->addWidget(felt(QString::fromLatin1(x.navn), QString::fromLatin1(x.etiket), x.felt), r,
                        1);
        auto* s = knap(QString::fromLatin1(x.send), QStringLiteral("^"),
                       QStringLiteral("Sendtil hukommelse"), x.sendKlik);
        s->setAccessibleName(
            QStringLiteral("Send %1 til hukommelse").arg(QString::fromLatin1(x.etiket)));
        s->setFixedWidth(kKnapBredde);
        loes->addWidget(s, r, 2);
        ++r;
    }
    v->addLayout(loes);
    auto* beregn = knap(QStringLiteral("BeregnKnap"), QStringLiteral("Løs"),
                        QStringLiteral("Løs de to valgte ligninger: Ctrl+l"),
                        &TGrafformModel::BeregnKnapClick);
    beregn->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    v->addWidget(beregn);
    return panel;
}

QWidget* Tgrafform::lavAksebjaelke() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("aksePanel"));
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(6, 4, 6, 4);
    h->setSpacing(2);
    const auto tjek = [this, bar](const QString& navn, const QString& hint,
                                  void (TGrafformModel::*f)(bool)) {
        auto* c = new QCheckBox(bar);
        c->setObjectName(navn);
        navngiv(c, hint, hint);
        connect(c, &QCheckBox::toggled, this, [this, f](bool v) {
            if (!m_opdaterer) vedGraensen(this, m_model, f, v);
        });
        return c;
    };
    m_visKoordinatsystem =
        tjek(QStringLiteral("visKoordinatsystem"), QStringLiteral("Vis koordinatsystem"),
             &TGrafformModel::visKoordinatsystemClick);
    m_visEnhedsMarks = tjek(QStringLiteral("visEnhedsMarks"), QStringLiteral("Vis enhedsmærker"),
                            &TGrafformModel::visEnhedsMarksClick);
    m_visEnhedskvadrater =
        tjek(QStringLiteral("visEnhedskvadrater"), QStringLiteral("Vis enhedskvadrater"),
             &TGrafformModel::visEnhedskvadraterClick);
    h->addWidget(m_visKoordinatsystem);
    h->addWidget(m_visEnhedsMarks);
    h->addWidget(m_visEnhedskvadrater);
    auto* c = knap(QStringLiteral("centrerXYakseKnap"), QStringLiteral("C"),
                   QStringLiteral("Centrer X og Y akse"), &TGrafformModel::centrerXYakseKnapClick);
    c->setFixedWidth(kKnapBredde);
    h->addWidget(c);
    const struct {
        const char* etiket;
        const char* navn;
        QString TGrafformModel::*felt;
        void (TGrafformModel::*enter)();
        void (TGrafformModel::*plus)();
        void (TGrafformModel::*minus)();
    } grupper[] = {
        {"Y-akse", "yAkse", &TGrafformModel::yAkseEdit, &TGrafformModel::yAkseEditEnter,
         &TGrafformModel::yAksePlusClick, &TGrafformModel::yAkseMinusClick},
        {"X-akse", "xAkse", &TGrafformModel::xAkseEdit, &TGrafformModel::xAkseEditEnter,
         &TGrafformModel::xAksePlusClick, &TGrafformModel::xAkseMinusClick},
        {"Pixels pr. enhed", "pixel", &TGrafformModel::pixelEdit, &TGrafformModel::pixelEditEnter,
         &TGrafformModel::pixelPlusClick, &TGrafformModel::pixelMinusClick},
        {"Enheder", "enheder", &TGrafformModel::enhederEdit, &TGrafformModel::enhederEditEnter,
         &TGrafformModel::enhederPlusClick, &TGrafformModel::enhederMinusClick},
    };
    for (const auto& g : grupper) {
        const QString navn = QString::fromLatin1(g.navn);
        const QString tekst = QString::fromUtf8(g.etiket);
        h->addSpacing(8);
        h->addWidget(etiket(tekst));
        h->addSpacing(2);
        auto* e = felt(navn + QStringLiteral("Edit"), tekst, g.felt);
        e->setFixedWidth(kFeltBredde);
        const auto enter = g.enter;
        connect(e, &QLineEdit::returnPressed, this,
                [this, enter] { vedGraensen(this, m_model, enter); });
        h->addWidget(e);
        auto* p = knap(navn + QStringLiteral("Plus"), QStringLiteral("+"),
                       tekst + QStringLiteral(" +"), g.plus);
        auto* m = knap(navn + QStringLiteral("Minus"), QStringLiteral("-"),
                       tekst + QStringLiteral(" -"), g.minus);
        p->setAccessibleName(tekst + QStringLiteral(" +"));
        m->setAccessibleName(tekst + QStringLiteral(" -"));
        p->setFixedWidth(kKnapBredde);
        m->setFixedWidth(kKnapBredde);
        h->addWidget(p);
        h->addWidget(m);
    }
    h->addStretch(1);
    return bar;
}

void Tgrafform::visListe() {
    const QList<TFormelRaekke>& rk = m_model.formelBox();
    bool ens = m_formelBox->count() == rk.size();
    for (int i = 0; ens && i < rk.size(); ++i)
        ens = m_formelBox->item(i)->text() == rk.at(i).tekst;
    if (!ens) {
        m_formelBox->clear();
        for (const TFormelRaekke& r : rk) {
            auto* it = new QListWidgetItem(r.tekst, m_formelBox);
            it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            // Set in every row, so that an unticked row shows its box too.
            it->setCheckState(r.afkrydset ? Qt::Checked : Qt::Unchecked);
        }
    }
    for (int i = 0; i < rk.size(); ++i) {
        QListWidgetItem* it = m_formelBox->item(i);
        const Qt::CheckState s = rk.at(i).afkrydset ? Qt::Checked : Qt::Unchecked;
        if (it->checkState() != s) it->setCheckState(s);
        if (it->isSelected() != rk.at(i).valgt) it->setSelected(rk.at(i).valgt);
    }
    const auto valg = [](QComboBox* c, const QStringList& l, int i) {
        QStringList nu;
        for (int k = 0; k < c->count(); ++k)
            nu << c->itemText(k);
        if (nu != l) {
            c->clear();
            c->addItems(l);
        }
        c->setCurrentIndex(i);
    };
    valg(m_L1Box, m_model.L1Box(), m_model.L1Index());
    valg(m_L2Box, m_model.L2Box(), m_model.L2Index());
}

void Tgrafform::opdater() {
    m_opdaterer = true;
    for (auto it = m_felter.cbegin(); it != m_felter.cend(); ++it)
        saetTekst(it.key(), m_model.*(it.value()));
    tilgaengelighed::visTekst(m_pos, m_model.posLabel);
    tilgaengelighed::visTekst(m_zPos, m_model.zPosLabel);
    tilgaengelighed::visTekst(m_status, m_model.statusTekst);
    m_zoomCenterBox->setChecked(m_model.zoomCenterBox);
    m_visKoordinatsystem->setChecked(m_model.visKoordinatsystem);
    m_visEnhedsMarks->setChecked(m_model.visEnhedsMarks);
    m_visEnhedskvadrater->setChecked(m_model.visEnhedskvadrater);
    m_ligBox->setCurrentIndex(m_model.ligBox);
    visListe();
    m_opdaterer = false;
}

void Tgrafform::vis() {
    if (!m_placeret) {
        m_placeret = true;
        resize(m_model.vinduesStoerrelse.expandedTo(minimumSize()));
        placerPaaSkaermen(*this, m_model.vinduesPos);
    }
    show();
    raise();
    activateWindow();
}

bool Tgrafform::event(QEvent* ev) {
    // Hints of menu items arrive as status tips and go the way of every hint.
    if (ev->type() == QEvent::StatusTip) {
        m_model.showHint(static_cast<QStatusTipEvent*>(ev)->tip());
        return true;
    }
    return QMainWindow::event(ev);
}

bool Tgrafform::eventFilter(QObject* obj, QEvent* ev) {
    vinduesfilter::foelg(this, obj, ev);
    auto* w = qobject_cast<QWidget*>(obj);
    if (!w || w->window() != this) return QMainWindow::eventFilter(obj, ev);
    // The window sees a key before its controls: at the first receiver, which is
    // this window's own focus widget. The application's focus widget may still be
    // in another window while this one's activation lags behind; a box would
    // then keep Ctrl+Z (its undo) and the other Ctrl keys for itself.
    QWidget* fokus = focusWidget();
    if (ev->type() == QEvent::KeyPress && (obj == fokus || (!fokus && obj == this))) {
        auto* k = static_cast<QKeyEvent*>(ev);
        bool brugt = false;
        m_model.tekstboksFokus = fokus && vinduesfilter::skriverTekst(fokus);
        handling([&] { brugt = m_model.FormKeyDown(k->key(), k->modifiers()); });
        if (brugt) return true;
    } else if (ev->type() == QEvent::Enter) {
        QWidget* h = w;
        while (h && h != this && h->toolTip().isEmpty())
            h = h->parentWidget();
        m_model.showHint(h && h != this ? h->toolTip() : QString());
    }
    return QMainWindow::eventFilter(obj, ev);
}

void Tgrafform::closeEvent(QCloseEvent* ev) {
    handling([&] { m_model.FormClose(); });
    QMainWindow::closeEvent(ev);
}

void Tgrafform::moveEvent(QMoveEvent* ev) {
    QMainWindow::moveEvent(ev);
    if (isVisible()) m_model.vinduesPos = pos();
}

void Tgrafform::resizeEvent(QResizeEvent* ev) {
    QMainWindow::resizeEvent(ev);
    if (isVisible()) m_model.vinduesStoerrelse = size();
}
