#include "ui/other/enhedspanel.h"

#include "core/other/enhedsside.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/visning.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TEnhedsPanel::TEnhedsPanel(TEnhedsside& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("side3"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(8, 8, 8, 8);
    l->setSpacing(8);
    l->addWidget(lavLineaer());
    l->addWidget(lavTreFelter());
    l->addStretch(1);
    connect(&m_model, &TEnhedsside::aendret, this, &TEnhedsPanel::opdater);
    opdater();
}

QWidget* TEnhedsPanel::lavLineaer() {
    auto* side = new QWidget(this);
    auto* l = new QHBoxLayout(side);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(10);

    auto* valgbox = new QGroupBox(QStringLiteral("Størrelse"), side);
    valgbox->setObjectName(QStringLiteral("valgbox"));
    valgbox->setAccessibleName(valgbox->title());
    auto* vl = new QVBoxLayout(valgbox);
    vl->setContentsMargins(6, 4, 6, 4);
    vl->setSpacing(2);
    const QStringList items = TEnhedsside::valgboxItems();
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items.at(i), valgbox);
        navngiv(r, items.at(i), QStringLiteral("Omregn enheder for %1").arg(items.at(i).toLower()));
        // On the choice, not the click: arrow keys and assistive technology choose too.
        connect(r, &QRadioButton::toggled, this, [this, i](bool valgt) {
            if (valgt && !m_opdaterer) vedGraensen(this, [&] { m_model.valgboxClick(i); });
        });
        vl->addWidget(r);
        m_valg[i] = r;
    }
    l->addWidget(valgbox);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(6);
    auto* fraLabel = new QLabel(QStringLiteral("Fra"), side);
    m_fraboks = new QComboBox(side);
    m_fraboks->setObjectName(QStringLiteral("fraboks"));
    navngiv(m_fraboks, QStringLiteral("Fra enhed"), QStringLiteral("Enheden der omregnes fra"));
    fraLabel->setBuddy(m_fraboks);
    m_fraEdit = new QLineEdit(side);
    m_fraEdit->setObjectName(QStringLiteral("fraEdit"));
    m_fraEdit->setAlignment(Qt::AlignRight);
    navngiv(m_fraEdit, QStringLiteral("Fra værdi"), QStringLiteral("Værdien der omregnes"));
    auto* tilLabel = new QLabel(QStringLiteral("Til"), side);
    m_tilboks = new QComboBox(side);
    m_tilboks->setObjectName(QStringLiteral("tilboks"));
    navngiv(m_tilboks, QStringLiteral("Til enhed"), QStringLiteral("Enheden der omregnes til"));
    tilLabel->setBuddy(m_tilboks);
    m_tilEdit = new TVisning(side);
    m_tilEdit->setObjectName(QStringLiteral("tilEdit"));
    m_tilEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    navngiv(m_tilEdit, QStringLiteral("Resultat"), QStringLiteral("Den omregnede værdi"));
    g->addWidget(fraLabel, 0, 0);
    g->addWidget(m_fraboks, 0, 1);
    g->addWidget(m_fraEdit, 1, 1);
    g->addWidget(tilLabel, 2, 0);
    g->addWidget(m_tilboks, 2, 1);
    g->addWidget(m_tilEdit, 3, 1);
    m_sendHuk = new QPushButton(QStringLiteral("Send til hukommelse"), side);
    m_sendHuk->setObjectName(QStringLiteral("sendHukKnap"));
    navngiv(m_sendHuk, m_sendHuk->text(), QStringLiteral("Gem resultatet i tavlixs hukommelse"));
    g->addWidget(m_sendHuk, 4, 1, Qt::AlignLeft);
    m_visEinfo = new QCheckBox(QStringLiteral("Vis enhedsinformation"), side);
    m_visEinfo->setObjectName(QStringLiteral("visEinfoCheck"));
    navngiv(m_visEinfo, m_visEinfo->text(), QStringLiteral("Vis information om den valgte enhed"));
    g->addWidget(m_visEinfo, 5, 1);
    g->setRowStretch(6, 1);
    g->setColumnStretch(1, 1);
    l->addLayout(g, 1);

    connect(m_fraboks, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_opdaterer) vedGraensen(this, [&] { m_model.fraboksChange(i); });
    });
    connect(m_tilboks, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_opdaterer) vedGraensen(this, [&] { m_model.tilboksChange(i); });
    });
    // Only what the user types goes through the input filter.
    connect(m_fraEdit, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!vedGraensen(this, [&] { m_model.fraEditEdited(t); })) opdater();
    });
    connect(m_sendHuk, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.sendHukKnapClick(); }); });
    connect(m_visEinfo, &QCheckBox::toggled, this, [this](bool b) {
        if (!m_opdaterer) vedGraensen(this, [&] { m_model.visEinfoClick(b); });
    });
    return side;
}

QWidget* TEnhedsPanel::lavTreFelter() {
    auto* boks = new QGroupBox(QStringLiteral("Temperatur og vinkel"), this);
    boks->setAccessibleName(boks->title());
    auto* g = new QGridLayout(boks);
    g->setContentsMargins(6, 4, 6, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    auto* gruppe = new QWidget(boks);
    gruppe->setObjectName(QStringLiteral("enhedsGroup"));
    auto* gl = new QHBoxLayout(gruppe);
    gl->setContentsMargins(0, 0, 0, 0);
    const QStringList items = TEnhedsside::enhedsGroupItems();
    for (int i = 0; i < 2; ++i) {
        m_enhed[i] = new QRadioButton(items.at(i), gruppe);
        navngiv(m_enhed[i], items.at(i),
                QStringLiteral("Omregn mellem enheder for %1").arg(items.at(i).toLower()));
        connect(m_enhed[i], &QRadioButton::toggled, this, [this, i](bool valgt) {
            if (valgt && !m_opdaterer) vedGraensen(this, [&] { m_model.enhedsGroupClick(i); });
        });
        gl->addWidget(m_enhed[i]);
    }
    gl->addStretch(1);
    g->addWidget(gruppe, 0, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        const int nr = i + 1;
        m_feltLabel[i] = new QLabel(boks);
        m_feltLabel[i]->setObjectName(QStringLiteral("felt%1Label").arg(nr));
        m_feltLabel[i]->setMinimumWidth(80);
        m_felt[i] = new QLineEdit(boks);
        m_felt[i]->setObjectName(QStringLiteral("felt%1").arg(nr));
        m_felt[i]->setAlignment(Qt::AlignRight);
        m_feltLabel[i]->setBuddy(m_felt[i]);
        m_go[i] = new QPushButton(QStringLiteral(">"), boks);
        m_go[i]->setObjectName(QStringLiteral("felt%1Go").arg(nr));
        m_go[i]->setFixedWidth(32);
        m_go[i]->setContextMenuPolicy(Qt::CustomContextMenu);
        g->addWidget(m_feltLabel[i], nr, 0);
        g->addWidget(m_felt[i], nr, 1);
        g->addWidget(m_go[i], nr, 2);
        connect(m_felt[i], &QLineEdit::textEdited, this, [this, nr](const QString& t) {
            vedGraensen(this, [&] { m_model.feltEdited(nr, t); });
        });
        connect(m_felt[i], &QLineEdit::returnPressed, this,
                [this, nr] { vedGraensen(this, [&] { m_model.feltGoClick(nr); }); });
        connect(m_go[i], &QPushButton::clicked, this,
                [this, nr] { vedGraensen(this, [&] { m_model.feltGoClick(nr); }); });
        connect(m_go[i], &QPushButton::customContextMenuRequested, this,
                [this] { vedGraensen(this, [&] { m_model.feltGoHoejreklik(); }); });
    }
    g->setColumnStretch(1, 1);
    return boks;
}

void TEnhedsPanel::opdater() {
    m_opdaterer = true;
    for (int i = 0; i < 9; ++i)
        m_valg[i]->setChecked(i == m_model.valgIndex);
    auto fyld = [](QComboBox* c, const QStringList& items, int index) {
        QStringList nu;
        for (int i = 0; i < c->count(); ++i)
            nu << c->itemText(i);
        if (nu != items) {
            c->clear();
            c->addItems(items);
        }
        if (c->currentIndex() != index) c->setCurrentIndex(index);
    };
    fyld(m_fraboks, m_model.fraboks, m_model.fraIndex);
    fyld(m_tilboks, m_model.tilboks, m_model.tilIndex);
    if (m_fraEdit->text() != m_model.fraEdit) {
        m_fraEdit->setText(m_model.fraEdit);
        // A line edit holds at most 32767 characters.
        m_fraEdit->setCursorPosition(static_cast<int>(m_model.fraEdit.size()));
    }
    m_tilEdit->setText(m_model.tilEdit);
    m_visEinfo->setChecked(m_model.visEinfo);
    m_enhed[m_model.enhedsIndex]->setChecked(true);
    for (int i = 0; i < 3; ++i) {
        m_feltLabel[i]->setText(m_model.feltLabel[i]);
        const QString navn = m_model.feltLabel[i];
        navngiv(m_felt[i], navn, QStringLiteral("Værdi i %1").arg(navn.toLower()));
        navngiv(m_go[i], QStringLiteral("Omregn fra %1").arg(navn.toLower()),
                QStringLiteral("Omregn fra %1 til de to andre (højreklik: information)")
                    .arg(navn.toLower()));
        if (m_felt[i]->text() != m_model.felt[i]) {
            m_felt[i]->setText(m_model.felt[i]);
            m_felt[i]->setCursorPosition(static_cast<int>(m_model.felt[i].size()));
        }
    }
    m_opdaterer = false;
}
