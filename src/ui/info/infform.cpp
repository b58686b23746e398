#include "ui/info/infform.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tinfform::Tinfform(QWidget* ejer) : QObject(ejer), m_ejer(ejer) {}

void Tinfform::insertTekst(const QString& tekst) {
    m_tekst = tekst;
    m_tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_tekst.replace(u'\r', u'\n');
    if (m_label) m_label->setText(m_tekst);
}

QDialog* Tinfform::dialog() {
    if (!m_dialog) {
        m_dialog = new QDialog(m_ejer);
        m_dialog->setObjectName(QStringLiteral("Tinfform"));
        m_dialog->setWindowTitle(QStringLiteral("Information"));
        auto* l = new QVBoxLayout(m_dialog);
        m_label = new QLabel(m_dialog);
        QFont f = m_label->font();
        f.setPointSize(8);
        m_label->setFont(f);
        m_label->setWordWrap(true);
        m_label->setMinimumWidth(280);
        m_label->setAccessibleName(QStringLiteral("Besked"));
        l->addWidget(m_label);
        auto* knapper = new QDialogButtonBox(QDialogButtonBox::Ok, m_dialog);
        knapper->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
        connect(knapper, &QDialogButtonBox::accepted, m_dialog.data(), &QDialog::accept);
        l->addWidget(knapper);
    }
    return m_dialog;
}

void Tinfform::exec() {
    QDialog* d = dialog();
    // Shown in 10 points, the window as high as the text plus room for the
    // button; afterwards the label is emptied and back at 8 points.
    QFont f = m_label->font();
    f.setPointSize(10);
    m_label->setFont(f);
    m_label->setText(m_tekst);
    d->adjustSize();
    d->resize(d->width(), m_label->heightForWidth(m_label->width()) + 80);
    d->exec();
    f.setPointSize(8);
    m_label->setFont(f);
    m_label->clear();
}
