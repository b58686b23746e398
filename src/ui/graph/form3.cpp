#include "ui/graph/form3.h"

#include "core/graph/ligning3model.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tform3::Tform3(TForm3Model& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(model) {
    setObjectName(QStringLiteral("Tform3"));
    setWindowTitle(QStringLiteral("Tredjegradsligning"));
    setModal(false);
    auto* v = new QVBoxLayout(this);
    auto* titel = new QLabel(QStringLiteral("Tredjegradsligning: ax^3 + bx^2 + cx + d = 0"), this);
    titel->setObjectName(QStringLiteral("Label1"));
    titel->setAccessibleName(titel->text());
    v->addWidget(titel);

    auto* g = new QGridLayout;
    QString TForm3Model::*felter[] = {&TForm3Model::ligningA, &TForm3Model::ligningB,
                                      &TForm3Model::ligningC, &TForm3Model::ligningD};
    void (TForm3Model::*enter[])() = {
        &TForm3Model::ligningAKeyPress, &TForm3Model::ligningBKeyPress,
        &TForm3Model::ligningCKeyPress, &TForm3Model::ligningDKeyPress};
    const QString bogstaver = QStringLiteral("abcd");
    for (int i = 0; i < 4; ++i) {
        const QString b = bogstaver.mid(i, 1);
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("ligning") + b.toUpper());
        e->setAlignment(Qt::AlignRight);
        navngiv(e, b, QString());
        const auto f = felter[i];
        const auto h = enter[i];
        connect(e, &QLineEdit::textEdited, this, [this, f](const QString& t) { m_model.*f = t; });
        connect(e, &QLineEdit::returnPressed, this, [this, h] { vedGraensen(this, m_model, h); });
        auto* l = new QLabel(b, this);
        l->setBuddy(e);
        g->addWidget(l, i / 2, (i % 2) * 2);
        g->addWidget(e, i / 2, (i % 2) * 2 + 1);
        e->installEventFilter(this);
        m_felter[i] = e;
    }
    v->addLayout(g);
    auto* knapper = new QHBoxLayout;
    knapper->addStretch(1);
    const auto knap = [this, knapper](const QString& navn, const QString& tekst,
                                      const QString& hint, void (TForm3Model::*h)()) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(navn);
        b->setAutoDefault(false);
        navngiv(b, tekst, hint);
        connect(b, &QPushButton::clicked, this, [this, h] { vedGraensen(this, m_model, h); });
        knapper->addWidget(b);
    };
    knap(QStringLiteral("nyKnap"), QStringLiteral("Ny"),
         QStringLiteral("Ny andengradsligning: Home"), &TForm3Model::nyKnapClick);
    knap(QStringLiteral("visKnap"), QStringLiteral("Vis"), QStringLiteral("Løs ligningen: F9"),
         &TForm3Model::visKnapClick);
    v->addLayout(knapper);

    connect(&m_model, &TForm3Model::aendret, this, &Tform3::opdater);
    connect(&m_model, &TForm3Model::fokusOenskes, this, [this](const QString& navn) {
        if (auto* w = findChild<QWidget*>(navn)) w->setFocus();
    });
    opdater();
    setFixedSize(sizeHint());
}

void Tform3::opdater() {
    const QString* tekster[] = {&m_model.ligningA, &m_model.ligningB, &m_model.ligningC,
                                &m_model.ligningD};
    for (int i = 0; i < 4; ++i)
        if (m_felter[i]->text() != *tekster[i]) m_felter[i]->setText(*tekster[i]);
}

bool Tform3::eventFilter(QObject* obj, QEvent* ev) {
    // On the coefficient boxes: the dialog's keys before the box's own.
    if (ev->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(ev);
        bool brugt = false;
        vedGraensen(this, [&] { brugt = m_model.FormKeyDown(k->key(), k->modifiers(), true); });
        if (brugt) return true;
    }
    return QDialog::eventFilter(obj, ev);
}

void Tform3::keyPressEvent(QKeyEvent* ev) {
    bool brugt = false;
    vedGraensen(this, [&] { brugt = m_model.FormKeyDown(ev->key(), ev->modifiers()); });
    if (!brugt) QDialog::keyPressEvent(ev);
}
