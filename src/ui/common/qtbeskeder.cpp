#include "ui/common/qtbeskeder.h"

#include "ui/common/graense.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

// Message texts use "\r" as the line break; show it as one.
static QString linjeskift(QString t) {
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

static void boks(QWidget* ejer, QMessageBox::Icon ikon, const QString& titel,
                 const QString& tekst) {
    QMessageBox b(ikon, titel, linjeskift(tekst), QMessageBox::Ok, ejer);
    b.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    b.exec();
}

static std::function<void(const QString&)>& fejlModtager() {
    static std::function<void(const QString&)> modtager;
    return modtager;
}

void setFejlModtager(std::function<void(const QString&)> modtager) {
    fejlModtager() = std::move(modtager);
}

static TFejlSamler*& aktivSamler() {
    static TFejlSamler* samler = nullptr;
    return samler;
}

TFejlSamler::TFejlSamler() : m_forrige(aktivSamler()) {
    aktivSamler() = this;
}

TFejlSamler::~TFejlSamler() {
    aktivSamler() = m_forrige;
}

void visFejlboks(QWidget* ejer, const QString& tekst) {
    if (TFejlSamler* samler = aktivSamler()) {
        samler->m_tekster << tekst;
        return;
    }
    if (fejlModtager()) {
        fejlModtager()(tekst);
        return;
    }
    boks(ejer, QMessageBox::Critical, QStringLiteral("Fejl"), tekst);
}

TQtBeskeder::TQtBeskeder(std::function<QWidget*()> ejer) : m_ejer(std::move(ejer)) {}

void TQtBeskeder::information(const QString& tekst) {
    boks(m_ejer(), QMessageBox::Information, QStringLiteral("Information"), tekst);
}

void TQtBeskeder::fejl(const QString& tekst) {
    visFejlboks(m_ejer(), tekst);
}

bool TQtBeskeder::spoerg(const QString& tekst) {
    QMessageBox b(QMessageBox::Question, QStringLiteral("Bekræft"), linjeskift(tekst),
                  QMessageBox::Yes | QMessageBox::No, m_ejer());
    b.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    b.button(QMessageBox::No)->setText(QStringLiteral("Nej"));
    return b.exec() == QMessageBox::Yes;
}

QString TQtBeskeder::aabenFilnavn(const QString& titel, const QString& mappe,
                                  const QString& filter) {
    return QFileDialog::getOpenFileName(m_ejer(), titel, mappe, filter);
}

QString TQtBeskeder::gemFilnavn(const QString& titel, const QString& mappe, const QString& filter) {
    return QFileDialog::getSaveFileName(m_ejer(), titel, mappe, filter);
}

void TQtBeskeder::statusHint(const QString&) {}
