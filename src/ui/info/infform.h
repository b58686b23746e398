#pragma once
// The message window: caption "Information", one text and an OK button,
// shown modally after the text is put in with insertTekst.
#include <QDialog>

class QLabel;

class Tinfform : public QDialog {
    Q_OBJECT
public:
    explicit Tinfform(QWidget* parent = nullptr);
    void insertTekst(const QString& tekst); // "\r" is a line break
    QString tekst() const;

private:
    QLabel* m_tekst = nullptr;
};
