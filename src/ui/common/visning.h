#pragma once
// A read-only line of text in an edit-like frame: the calculator's display,
// the operator indicator, the expression line and the memory display. When
// the text is wider than the field, its end is shown (the newest digits and
// keys). The context menu holds "Vælg alt" and "Kopier". It is lighter than
// a read-only QLineEdit, which matters for how fast the program starts.
#include <QFrame>

class TVisning : public QFrame {
    Q_OBJECT
public:
    explicit TVisning(QWidget* parent = nullptr);

    QString text() const { return m_tekst; }
    void setText(const QString& tekst);
    void setAlignment(Qt::Alignment a);
    bool alleValgt() const { return m_valgt; }
    void selectAll();
    void copy() const; // the whole text to the clipboard

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;

private:
    QString m_tekst;
    Qt::Alignment m_justering = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_valgt = false;
};
