#include "info/infform.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tinfform::Tinfform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tinfform"));
    setWindowTitle(QStringLiteral("Information"));
    auto* l = new QVBoxLayout(this);
    m_tekst = new QLabel(this);
    m_tekst->setWordWrap(true);
    m_tekst->setMinimumWidth(280);
    m_tekst->setAccessibleName(QStringLiteral("Besked"));
    l->addWidget(m_tekst);
    auto* knapper = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    knapper->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(knapper, &QDialogButtonBox::accepted, this, &QDialog::accept);
    l->addWidget(knapper);
}

void Tinfform::insertTekst(const QString& tekst)
{
    QString t = tekst;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    m_tekst->setText(t);
}

QString Tinfform::tekst() const
{
    return m_tekst->text();
}
