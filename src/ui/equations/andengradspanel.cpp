#include "ui/equations/andengradspanel.h"

#include "core/equations/andengrads.h"
#include "ui/common/navngiv.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAndengradsPanel::TAndengradsPanel(TAndengrads& model, TMainformModel& ramme, QWidget* parent)
    : TSidePanel(model, ramme, QStringLiteral("andengradsPanel"), parent), m_model(model) {}

void TAndengradsPanel::bygIndhold(QVBoxLayout* l) {
    TAndengrads* m = &m_model;
    titelRaekke(l, QStringLiteral("Andengradsligning: ax^2 + bx + c = 0"),
                QStringLiteral("Andengradsligning"), QStringLiteral("andengradsSpm"),
                QStringLiteral("Andengradsligning"), QStringLiteral("metaVisA"),
                [m] { m->andengradsSpmClick(); });
    l->addWidget(new QLabel(QStringLiteral("Diskriminant: b^2 - 4ac"), this));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("andengradsStatus"));
    tilgaengelighed::vaerdiEtiket(m_status, QStringLiteral("Status"));
    l->addWidget(m_status);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    const char* navne[] = {"andengradsA", "andengradsB", "andengradsC"};
    const char* etiketter[] = {"a", "b", "c"};
    void (TAndengrads::*saet[])(const QString&) = {
        &TAndengrads::setAndengradsA, &TAndengrads::setAndengradsB, &TAndengrads::setAndengradsC};
    bool (TAndengrads::*enter[])(QChar) = {&TAndengrads::andengradsAKeyPress,
                                           &TAndengrads::andengradsBKeyPress,
                                           &TAndengrads::andengradsCKeyPress};
    for (int i = 0; i < 3; ++i) {
        const auto s = saet[i];
        const auto e = enter[i];
        m_boks[i] = boks(
            QString::fromLatin1(navne[i]), QString::fromLatin1(etiketter[i]),
            [m, s](const QString& t) { (m->*s)(t); }, [m, e] { (m->*e)(QChar(13)); });
        g->addWidget(etiket(QString::fromLatin1(etiketter[i]), m_boks[i]), i, 0);
        g->addWidget(m_boks[i], i, 1);
    }
    m_d = resultat(QStringLiteral("andengradsD"), QStringLiteral("D"));
    g->addWidget(etiket(QStringLiteral("D")), 3, 0);
    g->addWidget(m_d, 3, 1);
    // One grid for coefficients and roots, so that every box has the same width.
    g->addWidget(new QLabel(QStringLiteral("Løsninger"), this), 4, 0, 1, 3);
    const char* xNavne[] = {"andengradsX1", "andengradsX2"};
    const char* sendNavne[] = {"andengradsX1send", "andengradsX2send"};
    void (TAndengrads::*send[])() = {&TAndengrads::andengradsX1sendClick,
                                     &TAndengrads::andengradsX2sendClick};
    for (int i = 0; i < 2; ++i) {
        const QString x = QStringLiteral("x%1").arg(i + 1);
        m_x[i] = resultat(QString::fromLatin1(xNavne[i]), x);
        const auto s = send[i];
        auto* op = knap(
            QString::fromLatin1(sendNavne[i]), QStringLiteral("^"),
            QStringLiteral("Sendtil hukommelse"), [m, s] { (m->*s)(); },
            x + QStringLiteral(" til hukommelse"));
        op->setFixedWidth(28);
        g->addWidget(etiket(x), 5 + i, 0);
        g->addWidget(m_x[i], 5 + i, 1);
        g->addWidget(op, 5 + i, 2);
    }
    l->addLayout(g);

    auto* knapper = new QHBoxLayout;
    knapper->addWidget(knap(
        QStringLiteral("andengradsNy"), QStringLiteral("Ny"),
        QStringLiteral("Ny andengradsligning: Home eller Ctrl+n"), [m] { m->andengradsNyClick(); },
        QStringLiteral("Ny andengradsligning")));
    knapper->addWidget(knap(
        QStringLiteral("andengradsBeregn"), QStringLiteral("Løs"),
        QStringLiteral("Løs ligningen: F9"), [m] { m->andengradsBeregnClick(); },
        QStringLiteral("Løs andengradsligning")));
    l->addLayout(knapper);
    l->addWidget(knap(
        QStringLiteral("andengradsSend"), QStringLiteral("Send til grafboks"),
        QStringLiteral("Send ligningen til grafboksen"), [m] { m->andengradsSendClick(); },
        QStringLiteral("Send andengradsligning til grafboks")));
    l->addStretch(1);
}

void TAndengradsPanel::opdater() {
    saetTekst(m_boks[0], m_model.andengradsA());
    saetTekst(m_boks[1], m_model.andengradsB());
    saetTekst(m_boks[2], m_model.andengradsC());
    m_d->setText(m_model.andengradsD());
    m_x[0]->setText(m_model.andengradsX1());
    m_x[1]->setText(m_model.andengradsX2());
    tilgaengelighed::visTekst(m_status, m_model.andengradsStatus());
}
