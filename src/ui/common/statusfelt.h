#pragma once
// A status-bar field: a text that ends in "…" when it does not fit, with the
// whole text as tool tip. Screen readers get its name (what the field is)
// and its whole text (see tilgaengelighed.h).
#include <QLabel>

class TStatusFelt : public QLabel {
    Q_OBJECT
public:
    explicit TStatusFelt(const QString& tekst, QWidget* parent = nullptr);

    // The text as drawn in the field's present width.
    QString visteTekst() const;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* ev) override;
    void paintEvent(QPaintEvent* ev) override;
};
