#pragma once
// An edit box for a number in a narrow place (the graph window's axis and
// scale boxes). While it has the focus it is an ordinary edit box. Without
// the focus, a number wider than the box is never cut without a mark: as the
// display does, the font first shrinks down to a readable minimum, and
// beyond that the box shows the number's start with "…" at the end; the
// tool tip then holds the whole number. The text itself is never changed, so
// screen readers and the model read the whole value.
#include <QLineEdit>

class TTalFelt : public QLineEdit {
    Q_OBJECT
public:
    explicit TTalFelt(QWidget* parent = nullptr);

    // What is drawn without the focus, and in which font.
    QString visteTekst() const { return m_vist; }
    QFont visteFont() const { return m_visFont; }
    bool afkortet() const { return m_vist != text(); }

protected:
    void paintEvent(QPaintEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;
    void focusInEvent(QFocusEvent* ev) override;
    void focusOutEvent(QFocusEvent* ev) override;

private:
    void tilpas();
    QRect tekstFelt() const;

    QString m_vist;
    QFont m_visFont;
    QString m_hint;
    bool m_tipLaant = false;
};
