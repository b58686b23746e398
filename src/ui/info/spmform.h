#pragma once
// The question window "Spørgemål" of the structure editor: a picture, the
// question in a read-only text area and the buttons "Ja" and "Nej".
// TSpmBeskeder puts it in front of another Beskeder: questions go to this
// window, every other message goes on unchanged.
#include "core/common/beskeder.h"

#include <QDialog>
#include <QPointer>

class QPlainTextEdit;

class Tspmform : public QDialog {
    Q_OBJECT
public:
    explicit Tspmform(QWidget* parent);
    // Empties the text, puts the question in as its only line and shows the
    // window modally, centred on its owner; true for "Ja".
    bool spoerg(const QString& spoergsmaal);
    QPlainTextEdit* tekst() const { return m_tekst; }

private:
    QPlainTextEdit* m_tekst = nullptr;
};

class TSpmBeskeder : public Beskeder {
public:
    // `ejer` gives the window the question window belongs to; it is built on first use.
    TSpmBeskeder(Beskeder& videre, std::function<QWidget*()> ejer);
    ~TSpmBeskeder() override;

    void information(const QString& t) override { m_videre.information(t); }
    void fejl(const QString& t) override { m_videre.fejl(t); }
    bool spoerg(const QString& t) override;
    QString aabenFilnavn(const QString& a, const QString& b, const QString& c) override {
        return m_videre.aabenFilnavn(a, b, c);
    }
    QString gemFilnavn(const QString& a, const QString& b, const QString& c) override {
        return m_videre.gemFilnavn(a, b, c);
    }
    void statusHint(const QString& t) override { m_videre.statusHint(t); }

private:
    Beskeder& m_videre;
    std::function<QWidget*()> m_ejer;
    QPointer<Tspmform> m_form; // owned by its owner window
};
