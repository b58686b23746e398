#include "ui/common/talfelt.h"

#include "ui/common/visning.h"

#include <algorithm>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

TTalFelt::TTalFelt(QWidget* parent) : QLineEdit(parent) {
    m_visFont = font();
    connect(this, &QLineEdit::textChanged, this, [this] {
        tilpas();
        update();
    });
}

QRect TTalFelt::tekstFelt() const {
    // The area QLineEdit draws its text in, by the style's own frame.
    QStyleOptionFrame o;
    initStyleOption(&o);
    const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &o, this);
    const QMargins m = textMargins();
    return r.marginsRemoved(m).adjusted(2, 0, -2, 0); // QLineEdit's own horizontal margin
}

void TTalFelt::tilpas() {
    const QString tekst = text();
    const int plads = tekstFelt().width();
    QFont f = font();
    m_vist = tekst;
    if (plads > 0 && QFontMetrics(f).horizontalAdvance(tekst) > plads) {
        const qreal mindst = std::min(f.pointSizeF(), TVisning::mindstePunkt);
        while (f.pointSizeF() > mindst && QFontMetrics(f).horizontalAdvance(tekst) > plads)
            f.setPointSizeF(std::max(mindst, f.pointSizeF() - 0.5));
        const QFontMetrics fm(f);
        if (fm.horizontalAdvance(tekst) > plads)
            m_vist = fm.elidedText(tekst, Qt::ElideRight, plads);
    }
    m_visFont = f;
    // The tool tip holds the whole number while it is shown cut; the box's
    // own tip returns when it fits again.
    if (afkortet() || m_visFont != font()) {
        if (!m_tipLaant) {
            m_hint = toolTip();
            m_tipLaant = true;
        }
        setToolTip(tekst);
    } else if (m_tipLaant) {
        setToolTip(m_hint);
        m_tipLaant = false;
    }
}

void TTalFelt::paintEvent(QPaintEvent* ev) {
    if (hasFocus() || (!afkortet() && m_visFont == font())) {
        QLineEdit::paintEvent(ev);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame o;
    initStyleOption(&o);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &o, &p, this);
    p.setFont(m_visFont);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.drawText(tekstFelt(), int(alignment() | Qt::AlignVCenter) & ~Qt::AlignTop, m_vist);
}

void TTalFelt::resizeEvent(QResizeEvent* ev) {
    QLineEdit::resizeEvent(ev);
    tilpas();
}

void TTalFelt::focusInEvent(QFocusEvent* ev) {
    QLineEdit::focusInEvent(ev);
    update();
}

void TTalFelt::focusOutEvent(QFocusEvent* ev) {
    QLineEdit::focusOutEvent(ev);
    update();
}
