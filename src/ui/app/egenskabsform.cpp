#include "ui/app/egenskabsform.h"

#include "core/app/egenskaber.h"
#include "ui/common/fedtekst.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/placering.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {} // namespace

Tegenskabsform::Tegenskabsform(TEgenskabsModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowSystemMenuHint),
      m_model(model) {
    setObjectName(QStringLiteral("Tegenskabsform"));
    setWindowTitle(QStringLiteral("Egenskaber"));
    setModal(true);

    auto* lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(12, 12, 12, 12);
    lodret->setSpacing(6);

    lodret->addWidget(fedTekst(QStringLiteral("Hukommelse"), this));
    auto* gruppe = new QGroupBox(QStringLiteral("Elementantal"), this);
    gruppe->setObjectName(QStringLiteral("eleGroup"));
    navngiv(gruppe, QStringLiteral("Elementantal"), QString());
    auto* gitter = new QGridLayout(gruppe);
    gitter->setHorizontalSpacing(24);
    m_eleGroup = new QButtonGroup(this);
    const char* punkter[] = {"8", "16", "24", "32", "Flere"};
    for (int i = 0; i < 5; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(punkter[i]), gruppe);
        r->setObjectName(QStringLiteral("eleGroup%1").arg(i));
        navngiv(r, QString::fromUtf8(punkter[i]), QString());
        m_eleGroup->addButton(r, i);
        gitter->addWidget(r, i % 3, i / 3); // two columns, filled top to bottom
    }
    lodret->addWidget(gruppe);

    auto* antalRaekke = new QHBoxLayout;
    auto* antalLabel = new QLabel(QStringLiteral("Antal elementer i hukommelse"), this);
    m_antalEdit = new QLineEdit(QStringLiteral("16"), this);
    m_antalEdit->setObjectName(QStringLiteral("antalEdit"));
    m_antalEdit->setMaximumWidth(70);
    antalLabel->setBuddy(m_antalEdit);
    navngiv(m_antalEdit, QStringLiteral("Antal elementer i hukommelse"), QString());
    antalRaekke->addWidget(antalLabel);
    antalRaekke->addStretch(1);
    antalRaekke->addWidget(m_antalEdit);
    lodret->addLayout(antalRaekke);

    lodret->addSpacing(6);
    lodret->addWidget(fedTekst(QStringLiteral("Information"), this));
    m_showHintCheck = new QCheckBox(QStringLiteral("Vis knapinformation"), this);
    m_showHintCheck->setObjectName(QStringLiteral("showHintCheck"));
    navngiv(m_showHintCheck, QStringLiteral("Vis knapinformation"),
            QStringLiteral("Vis information om knappen under musen i statuslinjen"));
    lodret->addWidget(m_showHintCheck);

    lodret->addSpacing(6);
    lodret->addWidget(fedTekst(QStringLiteral("Programdesign"), this));
    auto* designRaekke = new QHBoxLayout;
    m_designBox = new QComboBox(this);
    m_designBox->setObjectName(QStringLiteral("designBox"));
    navngiv(m_designBox, QStringLiteral("Programdesign"),
            QStringLiteral("Vælg programmets udseende"));
    m_testKnap = new QPushButton(QStringLiteral("Test og gem"), this);
    m_testKnap->setObjectName(QStringLiteral("testKnap"));
    m_testKnap->setAutoDefault(false);
    navngiv(m_testKnap, QStringLiteral("Test og gem"),
            QStringLiteral("Anvend det valgte design med det samme"));
    designRaekke->addWidget(m_designBox, 1);
    designRaekke->addWidget(m_testKnap);
    lodret->addLayout(designRaekke);

    lodret->addSpacing(10);
    auto* knapper = new QHBoxLayout;
    m_gemKnap = new QPushButton(QStringLiteral("Gem"), this);
    m_gemKnap->setObjectName(QStringLiteral("gemKnap"));
    m_gemKnap->setDefault(true);
    navngiv(m_gemKnap, QStringLiteral("Gem"), QStringLiteral("Luk og gem"));
    m_lukKnap = new QPushButton(QStringLiteral("Annuller"), this);
    m_lukKnap->setObjectName(QStringLiteral("lukKnap"));
    m_lukKnap->setAutoDefault(false);
    navngiv(m_lukKnap, QStringLiteral("Annuller"), QStringLiteral("Annuller"));
    const int knapBredde = qMax(m_gemKnap->sizeHint().width(), m_lukKnap->sizeHint().width());
    m_gemKnap->setMinimumWidth(knapBredde);
    m_lukKnap->setMinimumWidth(knapBredde);
    knapper->addStretch(1);
    knapper->addWidget(m_gemKnap);
    knapper->addWidget(m_lukKnap);
    lodret->addLayout(knapper);

    // On the choice, not the click: arrow keys and assistive technology choose too.
    connect(m_eleGroup, &QButtonGroup::idToggled, this, [this](int id, bool valgt) {
        if (valgt && !m_opdaterer) vedGraensen(this, [&] { m_model.eleGroupClick(id); });
    });
    connect(m_antalEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_model.antalEdit = t; });
    connect(m_showHintCheck, &QCheckBox::toggled, this, [this](bool b) {
        if (!m_opdaterer) m_model.showHintCheck = b;
    });
    connect(m_designBox, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_opdaterer) m_model.designBoxChange(i);
    });
    connect(m_testKnap, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.testKnapClick(); }); });
    connect(m_gemKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_lukKnap, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_model, &TEgenskabsModel::aendret, this, &Tegenskabsform::opdater);

    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
    opdater();
}

void Tegenskabsform::opdater() {
    m_opdaterer = true;
    if (m_designBox->count() != m_model.designBox.size()) {
        m_designBox->clear();
        m_designBox->addItems(m_model.designBox);
    }
    m_designBox->setCurrentIndex(m_model.designIndeks);
    if (m_model.eleGroup >= 0 && m_model.eleGroup < 5) {
        m_eleGroup->button(m_model.eleGroup)->setChecked(true);
    } else if (QAbstractButton* valgt = m_eleGroup->checkedButton()) {
        m_eleGroup->setExclusive(false);
        valgt->setChecked(false);
        m_eleGroup->setExclusive(true);
    }
    if (m_antalEdit->text() != m_model.antalEdit) m_antalEdit->setText(m_model.antalEdit);
    m_antalEdit->setEnabled(m_model.antalEditAktiv);
    m_showHintCheck->setChecked(m_model.showHintCheck);
    m_opdaterer = false;
}

int Tegenskabsform::vis() {
    vedGraensen(parentWidget(), [&] { m_model.Egenskaber1Click(); });
    if (m_model.centreret) {
        const QScreen* skaerm =
            parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        centrerPaaSkaermen(*this, skaerm->availableGeometry().center());
    } else {
        placerPaaSkaermen(*this, m_model.position);
    }
    const int resultat = exec();
    // The place is taken as the dialog closes: move events before it is
    // shown (or while a window manager frames it) say nothing of where the
    // user left it.
    m_model.flyttet(pos());
    vedGraensen(parentWidget(), [&] { m_model.FormClose(); });
    if (resultat == QDialog::Accepted) vedGraensen(parentWidget(), [&] { m_model.gemKnapClick(); });
    return resultat;
}
