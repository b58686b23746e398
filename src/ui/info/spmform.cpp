#include "ui/info/spmform.h"

#include "ui/common/navngiv.h"
#include "ui/common/placering.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

Tspmform::Tspmform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowSystemMenuHint) {
    setObjectName(QStringLiteral("Tspmform"));
    setWindowTitle(QStringLiteral("Spørgemål"));
    setModal(true);
    auto* lodret = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* billede = new QLabel(this);
    billede->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(40, 40));
    billede->setAlignment(Qt::AlignTop);
    billede->setAccessibleName(QStringLiteral("Spørgsmålstegn"));
    m_tekst = new QPlainTextEdit(this);
    m_tekst->setObjectName(QStringLiteral("tekst"));
    m_tekst->setReadOnly(true);
    m_tekst->setFrameShape(QFrame::NoFrame);
    m_tekst->viewport()->setAutoFillBackground(false);
    m_tekst->setFixedSize(300, 70);
    navngiv(m_tekst, QStringLiteral("Spørgsmål"), QString());
    top->addWidget(billede);
    top->addWidget(m_tekst, 1);
    lodret->addLayout(top);
    auto* knapper = new QHBoxLayout;
    auto* ja = new QPushButton(QStringLiteral("Ja"), this);
    ja->setObjectName(QStringLiteral("ja"));
    navngiv(ja, QStringLiteral("Ja"), QString());
    ja->setDefault(true);
    auto* nej = new QPushButton(QStringLiteral("Nej"), this);
    nej->setObjectName(QStringLiteral("nej"));
    navngiv(nej, QStringLiteral("Nej"), QString());
    knapper->addStretch(1);
    knapper->addWidget(ja);
    knapper->addWidget(nej);
    lodret->addLayout(knapper);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

bool Tspmform::spoerg(const QString& spoergsmaal) {
    QString t = spoergsmaal;
    t.replace(u'\r', u'\n');
    m_tekst->clear();
    m_tekst->appendPlainText(t);
    if (parentWidget()) {
        const QRect ejer = parentWidget()->window()->frameGeometry();
        centrerPaaSkaermen(*this, ejer.center());
    }
    return exec() == QDialog::Accepted;
}

TSpmBeskeder::TSpmBeskeder(Beskeder& videre, std::function<QWidget*()> ejer)
    : m_videre(videre), m_ejer(std::move(ejer)) {}

TSpmBeskeder::~TSpmBeskeder() = default;

bool TSpmBeskeder::spoerg(const QString& t) {
    if (!m_form) m_form = new Tspmform(m_ejer ? m_ejer() : nullptr);
    return m_form->spoerg(t);
}
