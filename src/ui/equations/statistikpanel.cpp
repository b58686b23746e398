#include "ui/equations/statistikpanel.h"

#include "core/equations/statistik.h"
#include "ui/common/navngiv.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TStatistikPanel::TStatistikPanel(TStatistik& model, TMainformModel& ramme, QWidget* parent)
    : TSidePanel(model, ramme, QStringLiteral("statistikPanel"), parent), m_model(model) {}

void TStatistikPanel::bygIndhold(QVBoxLayout* l) {
    TStatistik* m = &m_model;
    auto* top =
        titelRaekke(l, QStringLiteral("Statistik"), QStringLiteral("Statistik"),
                    QStringLiteral("statistikSpm"), QStringLiteral("Information: Statistik"),
                    QStringLiteral("SpeedButton15"), [m] { m->statistikSpmClick(); });
    m_nantal = new QLabel(this);
    m_nantal->setObjectName(QStringLiteral("statistikNantal"));
    tilgaengelighed::vaerdiEtiket(m_nantal, QStringLiteral("Antal værdier"));
    // Between the title and the two small buttons.
    top->insertWidget(1, m_nantal);
    top->insertSpacing(2, 4);

    auto* res = new QHBoxLayout;
    res->setSpacing(4);
    m_display = resultat(QStringLiteral("statistikDisplay"), QStringLiteral("Resultat"));
    res->addWidget(m_display, 1);
    auto* huk = knap(
        QStringLiteral("statistikHuk"), QStringLiteral("^"), QStringLiteral("Send til hukommelse"),
        [m] { m->statistikHukClick(); }, QStringLiteral("Resultat til hukommelse"));
    huk->setFixedWidth(28);
    res->addWidget(huk);
    l->addLayout(res);

    // The list with the buttons that fill and empty it beside it.
    auto* midt = new QHBoxLayout;
    midt->setSpacing(4);
    m_boks = new QListWidget(this);
    m_boks->setObjectName(QStringLiteral("statistikBoks"));
    navngiv(m_boks, QStringLiteral("Værdier"), QString());
    m_boks->setUniformItemSizes(true);
    connect(m_boks, &QListWidget::itemChanged, this, [this, m](QListWidgetItem* it) {
        if (m_opdaterer) return;
        const int i = m_boks->row(it);
        handling([&] { m->statistikBoksClickCheck(i, it->checkState() == Qt::Checked); });
    });
    connect(m_boks, &QListWidget::currentRowChanged, this, [this, m](int r) {
        if (!m_opdaterer) handling([&] { m->vaelg(r); });
    });
    midt->addWidget(m_boks, 1);
    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(knap(QStringLiteral("statistikSlet"), QStringLiteral("Slet"),
                         QStringLiteral("Slet valgte værdi"), [m] { m->statistikSletClick(); }));
    side->addWidget(knap(
        QStringLiteral("statistikNy"), QStringLiteral("Ny"),
        QStringLiteral("Slet alle værdier i listen: Ctrl+n"), [m] { m->statistikNyClick(); },
        QStringLiteral("Ny statistik")));
    side->addWidget(knap(QStringLiteral("statistikImporter"), QStringLiteral("Importer"),
                         QStringLiteral("Hent værdier fra hukommelse"),
                         [m] { m->statistikImporterClick(); }));
    side->addWidget(knap(
        QStringLiteral("statistikHent"), QStringLiteral("Hent"),
        QStringLiteral("Hent værdi fra tavlixen"), [m] { m->statistikHentClick(); },
        QStringLiteral("Hent fra tavlixen")));
    side->addWidget(knap(
        QStringLiteral("statistikSend"), QStringLiteral("Send"),
        QStringLiteral("Send valgte værdi til hukommelse"), [m] { m->statistikSendClick(); },
        QStringLiteral("Send valgte værdi")));
    side->addStretch(1);
    midt->addLayout(side);
    l->addLayout(midt, 1);

    m_value = boks(
        QStringLiteral("statistikValue"), QStringLiteral("Indfør værdi"),
        [m](const QString& t) { m->setStatistikValue(t); },
        [m] { m->statistikValueKeyPress(QChar(13)); });
    m_value->installEventFilter(this);
    l->addWidget(etiket(QStringLiteral("Indfør værdi"), m_value));
    auto* ind = new QHBoxLayout;
    ind->setSpacing(4);
    ind->addWidget(m_value, 1);
    ind->addWidget(knap(QStringLiteral("statistikInsert"), QStringLiteral("Indfør"),
                        QStringLiteral("Indfør værdi: Enter"), [m] { m->statistikInsertClick(); }));
    l->addLayout(ind);

    auto* valg = new QHBoxLayout;
    m_kvadrater = new QCheckBox(QStringLiteral("Kvadrater"), this);
    m_kvadrater->setObjectName(QStringLiteral("statistikKvadrater"));
    navngiv(m_kvadrater, m_kvadrater->text(), QStringLiteral("Opløft værdier i anden potens"));
    m_n = new QCheckBox(QStringLiteral("n modsat n-1"), this);
    m_n->setObjectName(QStringLiteral("statistikN"));
    navngiv(m_n, m_n->text(), QString());
    for (QCheckBox* c : {m_kvadrater, m_n}) {
        c->setFocusPolicy(Qt::TabFocus);
        valg->addWidget(c);
    }
    connect(m_kvadrater, &QCheckBox::toggled, this,
            [this, m](bool on) { handling([&] { m->setStatistikKvadrater(on); }); });
    connect(m_n, &QCheckBox::toggled, this,
            [this, m](bool on) { handling([&] { m->setStatistikN(on); }); });
    l->addLayout(valg);

    auto* beregn = new QGridLayout;
    beregn->setSpacing(4);
    beregn->addWidget(knap(QStringLiteral("statistikSum"), QStringLiteral("Sum"),
                           QStringLiteral("Beregn sum"), [m] { m->statistikSumClick(); }),
                      0, 0);
    beregn->addWidget(knap(QStringLiteral("statistikGennemsnit"), QStringLiteral("Gennemsnit"),
                           QStringLiteral("Beregn gennemsnit"),
                           [m] { m->statistikGennemsnitClick(); }),
                      0, 1);
    beregn->addWidget(
        knap(QStringLiteral("statistikAfvigelse"), QStringLiteral("Standardafvigelse"),
             QStringLiteral("Beregn standardafvigelse"), [m] { m->statistikAfvigelseClick(); }),
        1, 0, 1, 2);
    l->addLayout(beregn);
}

bool TStatistikPanel::eventFilter(QObject* obj, QEvent* ev) {
    if (obj == m_value && (ev->type() == QEvent::FocusIn || ev->type() == QEvent::FocusOut))
        m_model.setStatistikValueFokus(ev->type() == QEvent::FocusIn);
    return TSidePanel::eventFilter(obj, ev);
}

void TStatistikPanel::opdater() {
    m_opdaterer = true;
    tilgaengelighed::visTekst(m_nantal, m_model.statistikNantal());
    m_display->setText(m_model.statistikDisplay());
    saetTekst(m_value, m_model.statistikValue());
    m_kvadrater->setChecked(m_model.statistikKvadrater());
    m_n->setChecked(m_model.statistikN());
    const auto& poster = m_model.statistikBoks();
    while (m_boks->count() > poster.size())
        delete m_boks->takeItem(m_boks->count() - 1);
    for (int i = 0; i < poster.size(); ++i) {
        QListWidgetItem* it = m_boks->item(i);
        if (!it) {
            it = new QListWidgetItem(m_boks);
            it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
        if (it->text() != poster[i].tekst) it->setText(poster[i].tekst);
        const auto stand = poster[i].markeret ? Qt::Checked : Qt::Unchecked;
        if (it->checkState() != stand) it->setCheckState(stand);
    }
    if (m_boks->currentRow() != m_model.valgt()) m_boks->setCurrentRow(m_model.valgt());
    m_opdaterer = false;
}
