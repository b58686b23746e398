#include "ui/common/statusfelt.h"

#include "ui/common/tilgaengelighed.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

TStatusFelt::TStatusFelt(const QString& tekst, QWidget* parent) : QLabel(tekst, parent) {
    tilgaengelighed::installer();
}

QString TStatusFelt::visteTekst() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize TStatusFelt::minimumSizeHint() const {
    // It may shrink to nothing but "…"; its size hint stays the whole text.
    const QSize s = QLabel::minimumSizeHint();
    return {std::min(s.width(), fontMetrics().horizontalAdvance(QStringLiteral("…")) + 4),
            s.height()};
}

void TStatusFelt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), int(alignment()) | Qt::TextSingleLine, palette(),
                          isEnabled(), visteTekst(), foregroundRole());
}

bool TStatusFelt::event(QEvent* ev) {
    // The whole text as tool tip exactly while it is cut.
    if (ev->type() == QEvent::ToolTip) setToolTip(visteTekst() == text() ? QString() : text());
    return QLabel::event(ev);
}
