#include "ui/equations/ligningerpanel.h"

#include "core/equations/ligninger.h"
#include "ui/common/navngiv.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TLigningerPanel::TLigningerPanel(TLigninger& model, TMainformModel& ramme, QWidget* parent)
    : TSidePanel(model, ramme, QStringLiteral("ligningerPanel"), parent), m_model(model) {}

QWidget* TLigningerPanel::formValg(int nr) {
    const QString titel = QStringLiteral("Ligning %1").arg(nr);
    auto* g = new QGroupBox(titel, this);
    g->setObjectName(QStringLiteral("ligninger%1").arg(nr));
    navngiv(g, titel, QString());
    auto* l = new QVBoxLayout(g);
    l->setContentsMargins(4, 2, 2, 2);
    l->setSpacing(0);
    auto* gruppe = new QButtonGroup(g);
    const char* punkter[] = {"ax + by = c", "ax * by = c", "ax / by = c"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(punkter[i]), g);
        r->setFocusPolicy(Qt::TabFocus);
        navngiv(r, titel + QStringLiteral(": ") + r->text(), QString());
        gruppe->addButton(r, i);
        l->addWidget(r);
    }
    TLigninger* m = &m_model;
    connect(gruppe, &QButtonGroup::idClicked, this, [this, m, nr](int id) {
        handling([&] { nr == 1 ? m->ligninger1Click(id) : m->ligninger2Click(id); });
    });
    // Keyboard arrows and the accessible Toggle action change the choice without a click.
    // Our own sync in opdater() checks the form the model already has, so it is skipped here.
    connect(gruppe, &QButtonGroup::idToggled, this, [this, m, nr](int id, bool paa) {
        if (!paa || id == (nr == 1 ? m->ligninger1() : m->ligninger2())) return;
        handling([&] { nr == 1 ? m->ligninger1Click(id) : m->ligninger2Click(id); });
    });
    m_former[nr - 1] = gruppe;
    return g;
}

void TLigningerPanel::bygIndhold(QVBoxLayout* l) {
    TLigninger* m = &m_model;
    titelRaekke(l, QStringLiteral("To ligninger med to ubekendte"), QStringLiteral("Ligninger"),
                QStringLiteral("ligningerSpm"), QStringLiteral("To ligninger med to ubekendte"),
                QStringLiteral("metaVisB"), [m] { m->ligningerSpmClick(); });
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("ligningerStatus"));
    tilgaengelighed::vaerdiEtiket(m_status, QStringLiteral("Status for ligninger"));
    l->addWidget(m_status);

    auto* former = new QHBoxLayout;
    former->setSpacing(4);
    former->addWidget(formValg(1));
    former->addWidget(formValg(2));
    l->addLayout(former);

    // Equation 1 on the left, equation 2 on the right, a, b, c downwards.
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(4);
    for (int b = TLigninger::L1a; b <= TLigninger::L2c; ++b) {
        const auto boksNr = static_cast<TLigninger::Boks>(b);
        const int ligning = b / 3;
        const QString bogstav = QString(QChar(u'a' + b % 3));
        m_boks[b] = boks(
            TLigninger::boksNavn(boksNr),
            QStringLiteral("Ligning %1 %2").arg(ligning + 1).arg(bogstav),
            [m, boksNr](const QString& t) { m->setBoks(boksNr, t); },
            [m, boksNr] { m->ligningKeyPress(boksNr, QChar(13)); });
        g->addWidget(etiket(bogstav, m_boks[b]), b % 3, ligning * 2);
        g->addWidget(m_boks[b], b % 3, ligning * 2 + 1);
    }
    l->addLayout(g);

    l->addWidget(new QLabel(QStringLiteral("Løsninger"), this));
    auto* r = new QGridLayout;
    r->setHorizontalSpacing(4);
    r->setVerticalSpacing(4);
    const char* navne[] = {"ligningX1", "ligningY1", "ligningX2", "ligningY2"};
    const char* etiketter[] = {"x1", "y1", "x2", "y2"};
    const char* sendNavne[] = {"ligningerX1send", "ligningerY1send", "ligningerX2send",
                               "ligningerY2send"};
    void (TLigninger::*send[])() = {
        &TLigninger::ligningerX1sendClick, &TLigninger::ligningerY1sendClick,
        &TLigninger::ligningerX2sendClick, &TLigninger::ligningerY2sendClick};
    for (int i = 0; i < 4; ++i) {
        const QString e = QString::fromLatin1(etiketter[i]);
        m_res[i] = resultat(QString::fromLatin1(navne[i]), QStringLiteral("Løsning ") + e);
        const auto s = send[i];
        auto* op = knap(
            QString::fromLatin1(sendNavne[i]), QStringLiteral("^"),
            QStringLiteral("Sendtil hukommelse"), [m, s] { (m->*s)(); },
            QStringLiteral("Løsning ") + e + QStringLiteral(" til hukommelse"));
        op->setFixedWidth(22);
        // One solution a row: two to a row left a box too narrow for the 15
        // digits of a result.
        r->addWidget(etiket(e), i, 0);
        r->addWidget(m_res[i], i, 1);
        r->addWidget(op, i, 2);
    }
    r->setColumnStretch(1, 1);
    l->addLayout(r);

    auto* knapper = new QHBoxLayout;
    knapper->setSpacing(4);
    knapper->addWidget(knap(
        QStringLiteral("ligningerNy"), QStringLiteral("Ny"),
        QStringLiteral("Nye ligninger: Home eller Ctrl+n"), [m] { m->ligningerNyClick(); },
        QStringLiteral("Nye ligninger")));
    knapper->addWidget(knap(
        QStringLiteral("ligningerBeregn"), QStringLiteral("Løs"),
        QStringLiteral("Løs ligninger: F9"), [m] { m->ligningerBeregnClick(); },
        QStringLiteral("Løs ligninger")));
    knapper->addWidget(knap(QStringLiteral("ligningerKon"), QStringLiteral("Kon"),
                            QStringLiteral("Kontroller løsning"), [m] { m->ligningerKonClick(); }));
    l->addLayout(knapper);
    l->addWidget(knap(
        QStringLiteral("ligningerSend"), QStringLiteral("Send til grafboks"),
        QStringLiteral("Indfør ligningerne i grafboksen"), [m] { m->ligningerSendClick(); },
        QStringLiteral("Send ligninger til grafboks")));
    l->addStretch(1);
}

void TLigningerPanel::opdater() {
    for (int b = TLigninger::L1a; b <= TLigninger::L2c; ++b)
        saetTekst(m_boks[b], m_model.boks(static_cast<TLigninger::Boks>(b)));
    const QString res[] = {m_model.ligningX1(), m_model.ligningY1(), m_model.ligningX2(),
                           m_model.ligningY2()};
    for (int i = 0; i < 4; ++i)
        m_res[i]->setText(res[i]);
    const int valg[] = {m_model.ligninger1(), m_model.ligninger2()};
    for (int i = 0; i < 2; ++i)
        if (auto* k = m_former[i]->button(valg[i])) k->setChecked(true);
    tilgaengelighed::visTekst(m_status, m_model.ligningerStatus());
}
