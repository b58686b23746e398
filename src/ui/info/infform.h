#pragma once
// The message window: caption "Information", one text and an OK button,
// shown modally after the text is put in with insertTekst. The window exists
// from start-up; its widgets are built the first time it is shown.
#include <QObject>
#include <QPointer>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

class Tinfform : public QObject {
    Q_OBJECT
public:
    explicit Tinfform(QWidget* ejer);
    void insertTekst(const QString& tekst); // "\r" is a line break
    QString tekst() const { return m_tekst; }
    // Shows the window modally with the text.
    void exec();
    QDialog* dialog(); // built on first use

private:
    QWidget* m_ejer;
    QString m_tekst;
    QPointer<QDialog> m_dialog;
    QLabel* m_label = nullptr;
};
