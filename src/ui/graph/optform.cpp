#include "ui/graph/optform.h"

#include "core/graph/grafformmodel.h"
#include "core/graph/optformmodel.h"
#include "paint/painterlaerred.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A colour sample: a filled square with a thin dark border.
QIcon proeve(TFarve f) {
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(TPainterLaerred::qFarve(f));
    p.drawRect(0, 0, 13, 13);
    return QIcon(pm);
}

void farvFlade(QFrame* f, TFarve farve) {
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, TPainterLaerred::qFarve(farve));
    f->setPalette(pal);
}

} // namespace

Toptform::Toptform(TOptformModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(model) {
    setObjectName(QStringLiteral("optform"));
    setWindowTitle(QStringLiteral("Graf egenskaber"));
    setModal(false);
    auto* v = new QVBoxLayout(this);
    m_faner = new QTabWidget(this);
    m_faner->setObjectName(QStringLiteral("faner"));
    m_faner->setAccessibleName(QStringLiteral("Faner"));
    v->addWidget(m_faner);

    // "Kurvefarve".
    auto* side1 = new QWidget(m_faner);
    side1->setObjectName(QStringLiteral("kurvefarveSide"));
    auto* k = new QVBoxLayout(side1);
    auto* l4 = new QLabel(QStringLiteral("Skiftende kurvefarve"), side1);
    k->addWidget(l4);
    m_nyKurve =
        farveliste(QStringLiteral("NyKurvebox"), l4->text(), &TOptformModel::NyKurveboxChange);
    l4->setBuddy(m_nyKurve);
    k->addWidget(m_nyKurve);
    auto* skift = new QPushButton(QStringLiteral("Sæt farve for næste kurve"), side1);
    skift->setObjectName(QStringLiteral("skiftKurvefarve"));
    skift->setAutoDefault(false);
    navngiv(skift, skift->text(), QStringLiteral("Individuel kurvefarve"));
    connect(skift, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.skiftKurvefarveClick(); }); });
    k->addWidget(skift);
    m_bgfarvePan = new QFrame(side1);
    m_bgfarvePan->setObjectName(QStringLiteral("bgfarvePan"));
    m_bgfarvePan->setFrameShape(QFrame::Box);
    m_bgfarvePan->setAutoFillBackground(true);
    m_bgfarvePan->setMinimumHeight(56);
    navngiv(m_bgfarvePan, QStringLiteral("Baggrundsfarve"), QString());
    auto* pl = new QVBoxLayout(m_bgfarvePan);
    pl->setContentsMargins(12, 0, 12, 0);
    m_colorPan = new QFrame(m_bgfarvePan);
    m_colorPan->setObjectName(QStringLiteral("colorPan"));
    m_colorPan->setAutoFillBackground(true);
    m_colorPan->setFixedHeight(4);
    navngiv(m_colorPan, QStringLiteral("Kurvefarve"), QString());
    pl->addWidget(m_colorPan);
    k->addWidget(m_bgfarvePan);
    k->addStretch(1);
    m_faner->addTab(side1, QStringLiteral("Kurvefarve"));

    // "Egenskaber".
    auto* side2 = new QWidget(m_faner);
    side2->setObjectName(QStringLiteral("egenskaberSide"));
    auto* e = new QVBoxLayout(side2);
    auto* f = new QFormLayout;
    m_farve = farveliste(QStringLiteral("Farvebox"), QStringLiteral("Farve"),
                         &TOptformModel::FarveboxChange);
    m_linie = farveliste(QStringLiteral("Liniebox"), QStringLiteral("Linier"),
                         &TOptformModel::LinieboxChange);
    m_kurve = farveliste(QStringLiteral("Kurvebox"), QStringLiteral("Kurver"),
                         &TOptformModel::KurveboxChange);
    f->addRow(QStringLiteral("Farve"), m_farve);
    f->addRow(QStringLiteral("Linier"), m_linie);
    f->addRow(QStringLiteral("Kurver"), m_kurve);
    e->addLayout(f);
    auto* opr = new QPushButton(QStringLiteral("Oprindelige farver"), side2);
    opr->setObjectName(QStringLiteral("oprindeligeKnap"));
    opr->setAutoDefault(false);
    navngiv(opr, opr->text(), QStringLiteral("Sæt oprindelige farveværdier"));
    connect(opr, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.oprindeligeKnapClick(); }); });
    e->addWidget(opr);
    auto* gruppe = new QGroupBox(QStringLiteral("Værdiområde"), side2);
    gruppe->setObjectName(QStringLiteral("valGruppe"));
    navngiv(gruppe, gruppe->title(), QStringLiteral("Vælg værdiområde"));
    auto* gl = new QVBoxLayout(gruppe);
    m_valGruppe = new QButtonGroup(this);
    const QString punkter[] = {QStringLiteral("Realiser kun valgte farver"),
                               QStringLiteral("Realiser alle oprindelige værdier")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(punkter[i], gruppe);
        r->setObjectName(QStringLiteral("valGruppe%1").arg(i));
        navngiv(r, punkter[i], QStringLiteral("Vælg værdiområde"));
        m_valGruppe->addButton(r, i);
        gl->addWidget(r);
    }
    // On the choice, not the click: arrow keys and assistive technology choose too.
    connect(m_valGruppe, &QButtonGroup::idToggled, this, [this](int i, bool valgt) {
        if (valgt && i != m_model.valGruppe) vedGraensen(this, [&] { m_model.valGruppeClick(i); });
    });
    e->addWidget(gruppe);
    auto* realiser = new QPushButton(QStringLiteral("Realiser"), side2);
    realiser->setObjectName(QStringLiteral("realiserKnap"));
    realiser->setAutoDefault(false);
    navngiv(realiser, realiser->text(), QStringLiteral("Realiser værdierne"));
    connect(realiser, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.realiserKnapClick(); }); });
    e->addWidget(realiser);
    e->addStretch(1);
    m_faner->addTab(side2, QStringLiteral("Egenskaber"));

    connect(&m_model, &TOptformModel::aendret, this, &Toptform::opdater);
    opdater();
    setFixedSize(sizeHint());
}

QComboBox* Toptform::farveliste(const QString& navn, const QString& etiket,
                                void (TOptformModel::*h)(int)) {
    auto* c = new QComboBox(this);
    c->setObjectName(navn);
    c->setMaxVisibleItems(20);
    const QStringList navne = TOptformModel::farveNavne();
    for (int i = 0; i < navne.size(); ++i)
        c->addItem(proeve(TGrafformModel::getFarver(i)), navne.at(i));
    navngiv(c, etiket, QString());
    connect(c, &QComboBox::activated, this, [this, h](int i) { vedGraensen(this, m_model, h, i); });
    return c;
}

void Toptform::opdater() {
    // An index outside the palette shows no selection.
    m_farve->setCurrentIndex(m_model.Farvebox);
    m_linie->setCurrentIndex(m_model.Liniebox);
    m_kurve->setCurrentIndex(m_model.Kurvebox);
    m_nyKurve->setCurrentIndex(m_model.NyKurvebox);
    if (auto* b = m_valGruppe->button(m_model.valGruppe)) b->setChecked(true);
    farvFlade(m_bgfarvePan, m_model.bgfarvePan);
    farvFlade(m_colorPan, m_model.colorPan);
}

void Toptform::moveEvent(QMoveEvent* ev) {
    QDialog::moveEvent(ev);
    m_model.opt.plads = {false, pos().y(), pos().x()};
}
