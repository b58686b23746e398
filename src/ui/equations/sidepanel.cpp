#include "ui/equations/sidepanel.h"

#include "core/app/mainformmodel.h"
#include "core/equations/ligningsside.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/visning.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSidePanel::TSidePanel(TLigningsside& model, TMainformModel& ramme, const QString& navn,
                       QWidget* parent)
    : QWidget(parent), m_ramme(ramme), m_side(model) {
    setObjectName(navn);
    setProperty("egenBredde", 221);
    // The page-switch bar is added to this layout by the main window.
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 2, 4, 2);
    l->setSpacing(4);
}

void TSidePanel::showEvent(QShowEvent* ev) {
    byg();
    QWidget::showEvent(ev);
}

void TSidePanel::byg() {
    if (m_bygget) return;
    m_bygget = true;
    auto* indhold = new QWidget(this);
    indhold->setObjectName(objectName() + QStringLiteral("Indhold"));
    auto* l = new QVBoxLayout(indhold);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    bygIndhold(l);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, indhold, 1);
    // Built while the page is being shown: its children were shown before
    // this content existed, and the layout would show it only later, queued,
    // after the window has ordered its Tab chain and moved the focus.
    indhold->show();

    connect(&m_side, &TLigningsside::aendret, this, &TSidePanel::opdater);
    connect(&m_side, &TLigningsside::fokusOenskes, this, [this](const QString& navn) {
        if (auto* w = findChild<QWidget*>(navn)) w->setFocus(Qt::OtherFocusReason);
    });
    connect(&m_side, &TLigningsside::informationOenskes, this,
            [this](const QString& emne) { handling([&] { m_ramme.Information(emne); }); });
    opdater();
}

void TSidePanel::handling(const std::function<void()>& f) {
    vedGraensen(this, f);
}

QLabel* TSidePanel::etiket(const QString& tekst, QWidget* ven) {
    auto* e = new QLabel(tekst, this);
    if (ven) e->setBuddy(ven);
    return e;
}

QHBoxLayout* TSidePanel::titelRaekke(QBoxLayout* l, const QString& titel, const QString& side,
                                     const QString& spmNavn, const QString& spmHint,
                                     const QString& visNavn, const std::function<void()>& spmKlik) {
    auto* r = new QHBoxLayout;
    r->setSpacing(2);
    auto* t = new QLabel(titel, this);
    QFont f = t->font();
    f.setBold(true);
    t->setFont(f);
    t->setWordWrap(true);
    r->addWidget(t, 1);
    auto* spm =
        knap(spmNavn, QStringLiteral("?"), spmHint, spmKlik, QStringLiteral("Hjælp: ") + side);
    spm->setFixedWidth(24);
    r->addWidget(spm, 0, Qt::AlignTop);
    auto* vis = knap(
        visNavn, QStringLiteral(">"), QStringLiteral("Vis/skjul udskrift vindue"),
        [this] { m_ramme.metaVisClick(); }, QStringLiteral("> ") + side);
    vis->setFixedWidth(24);
    r->addWidget(vis, 0, Qt::AlignTop);
    l->addLayout(r);
    return r;
}

QPushButton* TSidePanel::knap(const QString& navn, const QString& caption, const QString& hint,
                              const std::function<void()>& klik, const QString& tilgNavn) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(navn);
    b->setFocusPolicy(Qt::TabFocus);
    navngiv(b, tilgNavn.isEmpty() ? caption : tilgNavn, hint);
    connect(b, &QPushButton::clicked, this, [this, klik] { handling(klik); });
    return b;
}

QLineEdit* TSidePanel::boks(const QString& navn, const QString& label,
                            const std::function<void(const QString&)>& aendret,
                            const std::function<void()>& enter) {
    auto* e = new QLineEdit(this);
    e->setObjectName(navn);
    e->setAlignment(Qt::AlignRight);
    navngiv(e, label, QString());
    connect(e, &QLineEdit::textEdited, this,
            [this, aendret](const QString& t) { handling([&] { aendret(t); }); });
    connect(e, &QLineEdit::returnPressed, this, [this, enter] { handling(enter); });
    return e;
}

TVisning* TSidePanel::resultat(const QString& navn, const QString& label) {
    auto* v = new TVisning(this);
    v->setObjectName(navn);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    navngiv(v, label, QString());
    return v;
}

void TSidePanel::saetTekst(QLineEdit* e, const QString& tekst) {
    // Only a changed text is written, so the caret stays where the user left it.
    if (e->text() != tekst) e->setText(tekst);
}
