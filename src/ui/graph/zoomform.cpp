#include "ui/graph/zoomform.h"

#include "core/graph/zoomformmodel.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A small cross with a point on it, in the group's colour.
QIcon punktIkon(const QColor& farve) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.drawLine(QPointF(1, 8.5), QPointF(15, 8.5));
    p.drawLine(QPointF(8.5, 1), QPointF(8.5, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(farve);
    p.drawEllipse(QPointF(11, 5.5), 3, 3);
    return QIcon(pm);
}

} // namespace

Tzoomform::Tzoomform(TZoomformModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_model(model) {
    setObjectName(QStringLiteral("zoomform"));
    setWindowTitle(QStringLiteral("Sæt zoomcentrum"));
    setModal(false);
    auto* v = new QVBoxLayout(this);
    v->setSpacing(4);

    struct Knap {
        const char* navn;
        const char* tekst;
        const char* hint;
        void (TZoomformModel::*h)();
    };
    const auto gruppe = [&](const QString& overskrift, const QString& navn, const QColor& farve,
                            std::initializer_list<Knap> knapper) {
        auto* l = new QLabel(overskrift, this);
        l->setAccessibleName(overskrift);
        v->addWidget(l);
        auto* tb = new QToolBar(this);
        tb->setObjectName(navn);
        tb->setAccessibleName(overskrift);
        tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tb->setIconSize(QSize(16, 16));
        const QIcon ikon = punktIkon(farve);
        for (const Knap& k : knapper) {
            auto* b = new QToolButton(tb);
            b->setObjectName(QString::fromLatin1(k.navn));
            b->setText(QString::fromUtf8(k.tekst));
            b->setIcon(ikon);
            b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            // Names are unique within the window: the group says where from.
            navngiv(b, QString::fromUtf8(k.tekst) + QStringLiteral(" (") + overskrift + u')',
                    QString::fromUtf8(k.hint));
            const auto h = k.h;
            connect(b, &QToolButton::clicked, this, [this, h] { vedGraensen(this, m_model, h); });
            tb->addWidget(b);
        }
        v->addWidget(tb);
    };
    gruppe(
        QStringLiteral("Andengradsligning og ligninger"), QStringLiteral("ligningsBar"),
        QColor(0x20, 0x50, 0xc0),
        {{"ToolButton5", "x1 : 0", "Hent andengrads løsning x1 til valgte andengradsligning",
          &TZoomformModel::ToolButton5Click},
         {"ToolButton6", "x2 : 0", "Hent andengrads løsning x2 til valgte andengradsligning",
          &TZoomformModel::ToolButton6Click},
         {"ToolButton3", "x1 : y1", "Hent ligninger løsning 1", &TZoomformModel::ToolButton3Click},
         {"ToolButton4", "x2 : y2", "Hent ligninger løsning 2",
          &TZoomformModel::ToolButton4Click}});
    gruppe(QStringLiteral("Grafboks"), QStringLiteral("grafBar"), QColor(0xc0, 0x30, 0x30),
           {{"ToolButton1", "0 : 0", "Sæt zoomcentrum i 0,0", &TZoomformModel::ToolButton1Click},
            {"ToolButton2", "zX : zY", "Hent zoomcentrum", &TZoomformModel::ToolButton2Click},
            {"ToolButton7", "x1 : y1", "Hent løsning 1", &TZoomformModel::ToolButton7Click},
            {"ToolButton8", "x2 : y2", "Hent løsning 2", &TZoomformModel::ToolButton8Click}});

    auto* f = new QFormLayout;
    const auto felt = [&](const QString& navn, const QString& etiket, QString TZoomformModel::*m) {
        auto* e = new QLineEdit(this);
        e->setObjectName(navn);
        e->setAlignment(Qt::AlignRight);
        navngiv(e, etiket, QString());
        connect(e, &QLineEdit::textEdited, this, [this, m](const QString& t) { m_model.*m = t; });
        f->addRow(etiket, e);
        return e;
    };
    m_x = felt(QStringLiteral("xEdit"), QStringLiteral("X"), &TZoomformModel::xEdit);
    m_y = felt(QStringLiteral("yEdit"), QStringLiteral("Y"), &TZoomformModel::yEdit);
    v->addLayout(f);

    auto* bund = new QHBoxLayout;
    m_centrer = new QCheckBox(QStringLiteral("Centrer zoomcentrum"), this);
    m_centrer->setObjectName(QStringLiteral("centrerCheck"));
    navngiv(m_centrer, m_centrer->text(),
            QStringLiteral("Flyt visningen, så zoomcentrum ligger midt i grafen"));
    connect(m_centrer, &QCheckBox::toggled, this,
            [this](bool t) { vedGraensen(this, [&] { m_model.centrerCheckClick(t); }); });
    bund->addWidget(m_centrer, 1);
    auto* spm = new QToolButton(this);
    spm->setObjectName(QStringLiteral("zoomSpm"));
    spm->setText(QStringLiteral("?"));
    navngiv(spm, QStringLiteral("?"), QStringLiteral("Information:Zoom og fokusering"));
    connect(spm, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.zoomSpmClick(); }); });
    bund->addWidget(spm);
    v->addLayout(bund);

    connect(&m_model, &TZoomformModel::aendret, this, &Tzoomform::opdater);
    opdater();
    setFixedSize(sizeHint());
}

void Tzoomform::opdater() {
    if (m_x->text() != m_model.xEdit) m_x->setText(m_model.xEdit);
    if (m_y->text() != m_model.yEdit) m_y->setText(m_model.yEdit);
    if (m_centrer->isChecked() != m_model.centrerCheck) {
        const QSignalBlocker b(m_centrer);
        m_centrer->setChecked(m_model.centrerCheck);
    }
}

void Tzoomform::moveEvent(QMoveEvent* ev) {
    QDialog::moveEvent(ev);
    m_model.opt.plads = {false, pos().y(), pos().x()};
}
