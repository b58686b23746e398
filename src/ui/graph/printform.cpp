#include "ui/graph/printform.h"

#include "core/graph/printformmodel.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A small printer with a sheet of paper coming out of it.
QPixmap printerBillede() {
    QPixmap pm(40, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11.5, 3.5, 17, 14));
    p.setBrush(QColor(0x9a, 0xa4, 0xae));
    p.drawRoundedRect(QRectF(4.5, 15.5, 31, 14), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10.5, 25.5, 19, 11));
    p.setPen(QPen(QColor(0xc0, 0x30, 0x30), 1.2));
    p.drawLine(QPointF(13, 29.5), QPointF(27, 29.5));
    p.drawLine(QPointF(13, 33), QPointF(23, 33));
    return pm;
}

} // namespace

Tprintform::Tprintform(TPrintformModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(model) {
    setObjectName(QStringLiteral("printform"));
    setWindowTitle(QStringLiteral("Udskriv grafer"));
    setModal(false);
    auto* h = new QHBoxLayout(this);
    auto* venstre = new QVBoxLayout;
    auto* g = new QGridLayout;
    struct Felt {
        const char* navn;
        const char* etiket;
        QString TPrintformModel::*m;
    } felter[] = {{"EditX1", "X1", &TPrintformModel::EditX1},
                  {"EditX2", "X2", &TPrintformModel::EditX2},
                  {"EditY1", "Y1", &TPrintformModel::EditY1},
                  {"EditY2", "Y2", &TPrintformModel::EditY2},
                  {"EditKopi", "Kopiantal", &TPrintformModel::EditKopi}};
    int r = 0;
    for (const Felt& f : felter) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(f.navn));
        e->setAlignment(Qt::AlignRight);
        navngiv(e, QString::fromLatin1(f.etiket), QString());
        const auto m = f.m;
        connect(e, &QLineEdit::textEdited, this, [this, m](const QString& t) { m_model.*m = t; });
        e->installEventFilter(this);
        auto* l = new QLabel(QString::fromLatin1(f.etiket), this);
        l->setBuddy(e);
        g->addWidget(l, r, 0);
        g->addWidget(e, r, 1);
        m_felter.insert(e, f.m);
        ++r;
    }
    venstre->addLayout(g);
    auto* knapper = new QHBoxLayout;
    const auto knap = [&](const QString& navn, const QString& tekst, const QString& hint) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(navn);
        b->setAutoDefault(false);
        navngiv(b, tekst, hint);
        knapper->addWidget(b);
        return b;
    };
    connect(knap(QStringLiteral("annullerKnap"), QStringLiteral("Luk"),
                 QStringLiteral("Annuller og luk: Esc")),
            &QPushButton::clicked, this, &QDialog::hide);
    connect(knap(QStringLiteral("udskrivKnap"), QStringLiteral("Udskriv"),
                 QStringLiteral("Luk og udskriv: Ctrl+U")),
            &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.udskrivKnapClick(); }); });
    venstre->addLayout(knapper);
    h->addLayout(venstre);

    auto* hoejre = new QVBoxLayout;
    auto* billede = new QLabel(this);
    billede->setObjectName(QStringLiteral("Image1"));
    billede->setPixmap(printerBillede());
    billede->setAlignment(Qt::AlignCenter);
    navngiv(billede, QStringLiteral("Printer"), QString());
    hoejre->addWidget(billede);
    auto* values = new QGroupBox(QStringLiteral("Standard værdier"), this);
    values->setObjectName(QStringLiteral("Values"));
    const QString hint = QStringLiteral("Størelserne forholder sig relativt til graffeltet");
    navngiv(values, values->title(), hint);
    auto* vl = new QVBoxLayout(values);
    m_values = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        const QString tekst = QStringLiteral("Størrelse %1").arg(i + 1);
        auto* rb = new QRadioButton(tekst, values);
        rb->setObjectName(QStringLiteral("Values%1").arg(i));
        navngiv(rb, tekst, hint);
        m_values->addButton(rb, i);
        vl->addWidget(rb);
    }
    // On the choice, not the click: arrow keys and assistive technology choose too.
    // Our own sync in opdater() chooses what the model has, and is skipped here.
    connect(m_values, &QButtonGroup::idToggled, this, [this](int i, bool valgt) {
        if (valgt && i != m_model.Values) vedGraensen(this, [&] { m_model.ValuesClick(i); });
    });
    hoejre->addWidget(values);
    h->addLayout(hoejre);

    connect(&m_model, &TPrintformModel::aendret, this, &Tprintform::opdater);
    opdater();
    setFixedSize(sizeHint());
}

void Tprintform::opdater() {
    for (auto it = m_felter.cbegin(); it != m_felter.cend(); ++it)
        if (it.key()->text() != m_model.*it.value()) it.key()->setText(m_model.*it.value());
    if (auto* b = m_values->button(m_model.Values)) b->setChecked(true);
}

bool Tprintform::eventFilter(QObject* obj, QEvent* ev) {
    // Enter moves on in the cycle Kopiantal, X1, X2, Y1, Y2.
    if (ev->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(ev);
        // The fields would take Ctrl+U themselves: the dialog sees it first.
        if (k->key() == Qt::Key_U && (k->modifiers() & Qt::ControlModifier)) {
            vedGraensen(this, [&] { m_model.udskrivKnapClick(); });
            return true;
        }
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && obj->isWidgetType()) {
            const QString naeste = TPrintformModel::naesteFelt(obj->objectName());
            if (auto* w = findChild<QLineEdit*>(naeste)) w->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(obj, ev);
}

void Tprintform::keyPressEvent(QKeyEvent* ev) {
    if (ev->key() == Qt::Key_U && (ev->modifiers() & Qt::ControlModifier)) {
        vedGraensen(this, [&] { m_model.udskrivKnapClick(); });
        return;
    }
    if (ev->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QDialog::keyPressEvent(ev);
}
