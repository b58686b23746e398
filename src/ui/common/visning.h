#pragma once
// A read-only line of text in an edit-like frame: the calculator's display,
// the operator indicator, the expression line and the memory display. The
// context menu holds "Vælg alt" and "Kopier". It is lighter than a read-only
// QLineEdit, which matters for how fast the program starts.
//
// A text wider than the field is never cut without a mark. A number (the
// default) first shrinks its font down to a readable minimum, and beyond that
// shows its start with "…" at the end: the leading digits and the sign are
// what the user reads. A running text (the expression line) shows its end,
// where the newest keys are, with "…" at the start. While the text is cut,
// the tool tip holds the whole text. Screen readers get the whole text
// through the field's accessible interface, and hear of each change.
#include <QFrame>

class TVisning : public QFrame {
    Q_OBJECT
public:
    enum class Art {
        Tal,     // shrink, then show the start
        Loebende // show the end
    };
    explicit TVisning(QWidget* parent = nullptr);

    QString text() const { return m_tekst; }
    void setText(const QString& tekst);
    void setAlignment(Qt::Alignment a);
    void setArt(Art art);
    // Greyed text for a field that only mirrors a value; it stays enabled, so
    // its tool tip and accessible text still reach the user.
    void setDaempet(bool daempet);
    bool alleValgt() const { return m_valgt; }
    void selectAll();
    void copy() const; // the whole text to the clipboard

    // What is drawn: the text as it fits, and the font it is drawn in.
    QString visteTekst() const { return m_vist; }
    QFont visteFont() const { return m_visFont; }
    bool afkortet() const { return m_vist != m_tekst; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr qreal mindstePunkt = 8.0; // the smallest font that is still read

protected:
    void paintEvent(QPaintEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;
    void changeEvent(QEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;

private:
    void tilpas();
    QRect tekstFelt() const;

    QString m_tekst;
    QString m_vist;
    QString m_hint;
    QFont m_visFont;
    Art m_art = Art::Tal;
    Qt::Alignment m_justering = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_valgt = false;
    bool m_daempet = false;
    bool m_tipLaant = false; // the tool tip shows the text; m_hint holds the control's own
};
