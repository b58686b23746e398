#include "common/visning.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

TVisning::TVisning(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TVisning::setText(const QString& tekst) {
    if (tekst == m_tekst) return;
    m_tekst = tekst;
    m_valgt = false;
    update();
}

void TVisning::setAlignment(Qt::Alignment a) {
    m_justering = a;
    update();
}

void TVisning::selectAll() {
    m_valgt = !m_tekst.isEmpty();
    update();
}

void TVisning::copy() const {
    if (!m_tekst.isEmpty()) QGuiApplication::clipboard()->setText(m_tekst);
}

QSize TVisning::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth() * 12 + 2 * frameWidth() + 8, fm.height() + 2 * frameWidth() + 6};
}

QSize TVisning::minimumSizeHint() const {
    return {2 * frameWidth() + 8, fontMetrics().height() + 2 * frameWidth() + 6};
}

void TVisning::paintEvent(QPaintEvent* ev) {
    QFrame::paintEvent(ev);
    QPainter p(this);
    const QRect r = contentsRect().adjusted(4, 1, -4, -1);
    const QFontMetrics fm = fontMetrics();
    const int bredde = fm.horizontalAdvance(m_tekst);
    // Too wide: show the end, where the newest input is.
    Qt::Alignment a = m_justering;
    if (bredde > r.width()) a = (a & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight;
    QRect tekstRect = fm.boundingRect(r, int(a), m_tekst);
    if (m_valgt) {
        p.fillRect(tekstRect.intersected(r), palette().color(QPalette::Highlight));
        p.setPen(palette().color(QPalette::HighlightedText));
    } else {
        p.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    }
    p.setClipRect(r);
    p.drawText(r, int(a) | Qt::TextSingleLine, m_tekst);
}

void TVisning::contextMenuEvent(QContextMenuEvent* ev) {
    QMenu m(this);
    connect(m.addAction(QStringLiteral("Vælg alt")), &QAction::triggered, this,
            &TVisning::selectAll);
    QAction* kopier = m.addAction(QStringLiteral("Kopier"));
    kopier->setEnabled(!m_tekst.isEmpty());
    connect(kopier, &QAction::triggered, this, &TVisning::copy);
    m.exec(ev->globalPos());
}

void TVisning::mousePressEvent(QMouseEvent* ev) {
    if (m_valgt) {
        m_valgt = false;
        update();
    }
    QFrame::mousePressEvent(ev);
}
