#pragma once
// The text window "memoForm": one memo filling the window in a fixed-width
// font, used as a text buffer and to show generated text.
#include <QWidget>

class QPlainTextEdit;

class TmemoForm : public QWidget {
    Q_OBJECT
public:
    explicit TmemoForm(QWidget* parent = nullptr);
    QPlainTextEdit* Memo() const { return m_memo; }

private:
    QPlainTextEdit* m_memo;
};
