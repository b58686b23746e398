#include "ui/common/visning.h"

#include "ui/common/tilgaengelighed.h"

#include <algorithm>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

TVisning::TVisning(QWidget* parent) : QFrame(parent) {
    tilgaengelighed::installer();
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_visFont = font();
}

void TVisning::setText(const QString& tekst) {
    if (tekst == m_tekst) return;
    const QString foer = m_tekst;
    m_tekst = tekst;
    m_valgt = false;
    tilpas();
    update();
    // Screen readers hear of the new text (a new result).
    if (tilgaengelighed::meldes()) {
        QAccessibleTextUpdateEvent e(this, 0, foer, m_tekst);
        tilgaengelighed::meld(&e);
    }
}

void TVisning::setAlignment(Qt::Alignment a) {
    m_justering = a;
    update();
}

void TVisning::setArt(Art art) {
    m_art = art;
    tilpas();
    update();
}

void TVisning::setDaempet(bool daempet) {
    m_daempet = daempet;
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

QRect TVisning::tekstFelt() const {
    return contentsRect().adjusted(4, 1, -4, -1);
}

void TVisning::tilpas() {
    const int plads = tekstFelt().width();
    QFont f = font();
    m_vist = m_tekst;
    if (plads > 0) {
        // Of a long text only the piece at the shown end can be drawn. Laying
        // out the whole of a number of thousands of digits for every key costs
        // more than a frame, so a long text is measured by that piece alone:
        // a piece that is too wide at the smallest size tells as much as the
        // whole text. The piece starts at twice what fits of average
        // characters and grows up to a quarter of a pixel a character.
        QFont mindste = f;
        if (m_art == Art::Tal && f.pointSizeF() > mindstePunkt) mindste.setPointSizeF(mindstePunkt);
        const QFontMetrics mfm(mindste);
        const qsizetype stoerst = 4 * qsizetype(plads) + 16;
        QString del;
        for (qsizetype n = 2 * qsizetype(plads) / std::max(1, mfm.averageCharWidth()) + 16;
             n < m_tekst.size(); n = std::min(4 * n, stoerst)) {
            const QString stykke = m_art == Art::Tal ? m_tekst.first(n) : m_tekst.last(n);
            if (mfm.horizontalAdvance(stykke) > plads) {
                del = stykke;
                break;
            }
            if (n >= stoerst) break;
        }
        if (!del.isEmpty()) {
            f = mindste;
            m_vist = QFontMetrics(f).elidedText(
                del, m_art == Art::Tal ? Qt::ElideRight : Qt::ElideLeft, plads);
        } else if (QFontMetrics(f).horizontalAdvance(m_tekst) > plads) {
            if (m_art == Art::Tal) {
                // Smaller, in steps, down to the readable minimum.
                const qreal mindst = std::min(f.pointSizeF(), mindstePunkt);
                while (f.pointSizeF() > mindst &&
                       QFontMetrics(f).horizontalAdvance(m_tekst) > plads)
                    f.setPointSizeF(std::max(mindst, f.pointSizeF() - 0.5));
            }
            const QFontMetrics fm(f);
            if (fm.horizontalAdvance(m_tekst) > plads)
                m_vist = fm.elidedText(m_tekst, m_art == Art::Tal ? Qt::ElideRight : Qt::ElideLeft,
                                       plads);
        }
    }
    m_visFont = f;
    // While the text is cut, the tool tip shows it whole; the control's own
    // hint returns when it fits again.
    if (afkortet()) {
        if (!m_tipLaant) {
            m_hint = toolTip();
            m_tipLaant = true;
        }
        setToolTip(m_tekst);
    } else if (m_tipLaant) {
        m_tipLaant = false;
        setToolTip(m_hint);
    }
}

void TVisning::resizeEvent(QResizeEvent* ev) {
    QFrame::resizeEvent(ev);
    tilpas();
}

void TVisning::changeEvent(QEvent* ev) {
    QFrame::changeEvent(ev);
    if (ev->type() == QEvent::FontChange) tilpas();
}

void TVisning::paintEvent(QPaintEvent* ev) {
    QFrame::paintEvent(ev);
    QPainter p(this);
    p.setFont(m_visFont);
    const QRect r = tekstFelt();
    const QFontMetrics fm(m_visFont);
    // A cut number shows its start, a cut running text its end.
    Qt::Alignment a = m_justering;
    if (afkortet())
        a = (a & ~Qt::AlignHorizontal_Mask) | (m_art == Art::Tal ? Qt::AlignLeft : Qt::AlignRight);
    QRect tekstRect = fm.boundingRect(r, int(a), m_vist);
    if (m_valgt) {
        p.fillRect(tekstRect.intersected(r), palette().color(QPalette::Highlight));
        p.setPen(palette().color(QPalette::HighlightedText));
    } else {
        const bool graa = m_daempet || !isEnabled();
        p.setPen(palette().color(graa ? QPalette::Disabled : QPalette::Active, QPalette::Text));
    }
    p.setClipRect(r);
    p.drawText(r, int(a) | Qt::TextSingleLine, m_vist);
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
