#include "ui/other/datopanel.h"

#include "core/other/datoside.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDatoPanel::TDatoPanel(TDatoside& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("side2"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(8, 8, 8, 8);
    l->setSpacing(6);
    auto* overskrift = new QLabel(QStringLiteral("Vælg datoer"), this);
    QFont f = overskrift->font();
    f.setBold(true);
    overskrift->setFont(f);
    l->addWidget(overskrift);
    auto* datoer = new QHBoxLayout;
    datoer->setSpacing(10);
    datoer->addWidget(lavDato(1));
    datoer->addWidget(lavDato(2));
    l->addLayout(datoer);

    auto* bund = new QGridLayout;
    bund->setHorizontalSpacing(8);
    bund->setVerticalSpacing(4);
    m_beregn = new QPushButton(QStringLiteral("Beregn"), this);
    m_beregn->setObjectName(QStringLiteral("beregnKnap"));
    navngiv(m_beregn, QStringLiteral("Beregn"),
            QStringLiteral("Beregn forskellen mellem de to datoer"));
    connect(m_beregn, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.beregnKnapClick(); }); });
    auto* info = new QPushButton(QStringLiteral("Information"), this);
    info->setObjectName(QStringLiteral("spmDatoerKnap"));
    navngiv(info, QStringLiteral("Information om datoer"), QStringLiteral("Information om datoer"));
    connect(info, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.spmDatoerKnapClick(); }); });
    auto lavResultat = [this, bund](int raekke, const QString& navn, const QString& objekt) {
        auto* label = new QLabel(navn, this);
        auto* felt = new TVisning(this);
        felt->setObjectName(objekt);
        navngiv(felt, navn, QString());
        label->setBuddy(felt);
        bund->addWidget(label, raekke, 1);
        bund->addWidget(felt, raekke + 1, 1);
        return felt;
    };
    m_edit1 =
        lavResultat(0, QStringLiteral("Forskel (år, måneder samt dage)"), QStringLiteral("Edit1"));
    m_edit2 = lavResultat(2, QStringLiteral("Forskel (dage ialt)"), QStringLiteral("Edit2"));
    m_beregn->setMinimumWidth(100);
    info->setMinimumWidth(100);
    bund->addWidget(m_beregn, 1, 0);
    bund->addWidget(info, 3, 0);
    bund->setColumnStretch(1, 1);
    l->addLayout(bund);
    l->addStretch(1);

    connect(&m_model, &TDatoside::aendret, this, &TDatoPanel::opdater);
    opdater();
}

QWidget* TDatoPanel::lavDato(int nr) {
    Dato& d = m_dato[nr - 1];
    auto* boks = new QGroupBox(QStringLiteral("Dato %1").arg(nr), this);
    boks->setAccessibleName(boks->title());
    auto* l = new QVBoxLayout(boks);
    l->setContentsMargins(6, 4, 6, 6);
    l->setSpacing(4);

    auto* felter = new QHBoxLayout;
    felter->setSpacing(3);
    const char* hints[3] = {"Dag", "Måned", "År"};
    const char* navne[3] = {"day%1Edit", "month%1Edit", "year%1Edit"};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) felter->addWidget(new QLabel(QStringLiteral("-"), boks));
        auto* e = new QLineEdit(boks);
        e->setObjectName(QString::fromLatin1(navne[i]).arg(nr));
        const QString hint = QString::fromUtf8(hints[i]);
        navngiv(e, hint + QStringLiteral(" %1").arg(nr), hint);
        e->setFixedWidth(i == 2 ? 56 : 36);
        e->setAlignment(Qt::AlignRight);
        connect(e, &QLineEdit::textEdited, this, [this, nr, i](const QString& t) {
            vedGraensen(this, [&] { m_model.setFelt(nr, i, t); });
        });
        connect(e, &QLineEdit::returnPressed, this,
                [this, nr] { vedGraensen(this, [&] { m_model.opdaterKnapClick(nr); }); });
        felter->addWidget(e);
        d.felt[i] = e;
    }
    d.opdater = new QPushButton(QStringLiteral("Opdater"), boks);
    d.opdater->setObjectName(QStringLiteral("opdater%1Knap").arg(nr));
    navngiv(d.opdater, QStringLiteral("Opdater %1").arg(nr),
            QStringLiteral("Opdater kalenderen til indførte dato"));
    connect(d.opdater, &QPushButton::clicked, this,
            [this, nr] { vedGraensen(this, [&] { m_model.opdaterKnapClick(nr); }); });
    felter->addStretch(1);
    felter->addWidget(d.opdater);
    l->addLayout(felter);

    // Month and year buttons around the shown month and year.
    auto* flyt = new QHBoxLayout;
    flyt->setSpacing(2);
    struct Knap {
        const char* navn;
        const char* caption;
        const char* hint;
        void (TDatoside::*handling)(int);
    };
    const Knap knapper[4] = {
        {"m%1Prev", "<", "Foregående måned", &TDatoside::mPrevClick},
        {"m%1Next", ">", "Næste måned", &TDatoside::mNextClick},
        {"y%1Prev", "<", "Foregående år", &TDatoside::yPrevClick},
        {"y%1Next", ">", "Næste år", &TDatoside::yNextClick},
    };
    d.maaned = new QLabel(boks);
    d.maaned->setObjectName(QStringLiteral("maaned%1").arg(nr));
    tilgaengelighed::vaerdiEtiket(d.maaned, QStringLiteral("Måned %1").arg(nr));
    d.aar = new QLabel(boks);
    d.aar->setObjectName(QStringLiteral("aar%1").arg(nr));
    tilgaengelighed::vaerdiEtiket(d.aar, QStringLiteral("År %1").arg(nr));
    for (int i = 0; i < 4; ++i) {
        const Knap& k = knapper[i];
        auto* b = new QPushButton(QString::fromLatin1(k.caption), boks);
        b->setObjectName(QString::fromLatin1(k.navn).arg(nr));
        b->setFixedSize(26, 24);
        b->setFocusPolicy(Qt::TabFocus);
        navngiv(b, QString::fromUtf8(k.hint) + QStringLiteral(" %1").arg(nr),
                QString::fromUtf8(k.hint));
        const auto handling = k.handling;
        connect(b, &QPushButton::clicked, this,
                [this, nr, handling] { vedGraensen(this, m_model, handling, nr); });
        flyt->addWidget(b);
        if (i == 0) {
            d.maaned->setAlignment(Qt::AlignCenter);
            d.maaned->setMinimumWidth(70);
            flyt->addWidget(d.maaned, 1);
        } else if (i == 2) {
            d.aar->setAlignment(Qt::AlignCenter);
            d.aar->setMinimumWidth(40);
            flyt->addWidget(d.aar, 1);
        } else if (i == 1) {
            flyt->addSpacing(8);
        }
    }
    l->addLayout(flyt);

    d.kalender = new QCalendarWidget(boks);
    d.kalender->setObjectName(QStringLiteral("kalender%1").arg(nr));
    d.kalender->setNavigationBarVisible(false);
    d.kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    d.kalender->setLocale(QLocale(QLocale::Danish, QLocale::Denmark));
    d.kalender->setFirstDayOfWeek(Qt::Monday);
    d.kalender->setMinimumDate(QDate(1, 1, 1));
    d.kalender->setMaximumDate(QDate(9999, 12, 31));
    navngiv(d.kalender, QStringLiteral("Kalender %1").arg(nr), QStringLiteral("Vælg en dato"));
    connect(d.kalender, &QCalendarWidget::selectionChanged, this, [this, nr] {
        if (m_opdaterer) return;
        vedGraensen(this,
                    [&] { m_model.kalenderKlik(nr, m_dato[nr - 1].kalender->selectedDate()); });
    });
    l->addWidget(d.kalender);

    d.idag = new QPushButton(boks);
    d.idag->setObjectName(QStringLiteral("dato%1Label").arg(nr));
    connect(d.idag, &QPushButton::clicked, this,
            [this, nr] { vedGraensen(this, [&] { m_model.datoLabelClick(nr); }); });
    l->addWidget(d.idag);
    return boks;
}

void TDatoPanel::opdater() {
    m_opdaterer = true;
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    for (int i = 0; i < 2; ++i) {
        Dato& d = m_dato[i];
        const TDatoside::Dato& m = m_model.dato[i];
        const QString tekster[3] = {m.dayEdit, m.monthEdit, m.yearEdit};
        for (int f = 0; f < 3; ++f)
            if (d.felt[f]->text() != tekster[f]) d.felt[f]->setText(tekster[f]);
        const QDate dato = m.kalender.dato();
        d.kalender->setSelectedDate(dato);
        d.kalender->setCurrentPage(dato.year(), dato.month());
        tilgaengelighed::visTekst(d.maaned, dansk.standaloneMonthName(dato.month()));
        tilgaengelighed::visTekst(d.aar, QString::number(dato.year()));
        d.idag->setText(m_model.idagCaption);
        navngiv(d.idag, m_model.idagCaption + QStringLiteral(" (%1)").arg(i + 1),
                QStringLiteral("Opdater kalenderen til indførte dato"));
    }
    m_edit1->setText(m_model.Edit1);
    m_edit2->setText(m_model.Edit2);
    m_opdaterer = false;
}
