#include "ui/calc/metalistemodel.h"

#include "core/calc/metaliste.h"

#include <QPainter>

TMetaListeModel::TMetaListeModel(TMetaListe& meta, QObject* parent)
    : QAbstractListModel(parent), m_meta(meta), m_antal(meta.antal()) {
    connect(&m_meta, &TMetaListe::aendret, this, &TMetaListeModel::foelg);
}

void TMetaListeModel::foelg() {
    const int ny = m_meta.antal();
    const int uroert = qMin(m_meta.uroerteLinjer(), qMin(m_antal, ny));
    if (ny < m_antal) {
        beginRemoveRows({}, ny, m_antal - 1);
        m_antal = ny;
        endRemoveRows();
    }
    if (uroert < m_antal) Q_EMIT dataChanged(index(uroert), index(m_antal - 1));
    if (ny > m_antal) {
        beginInsertRows({}, m_antal, ny - 1);
        m_antal = ny;
        endInsertRows();
    }
}

int TMetaListeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_antal;
}

QVariant TMetaListeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_meta.antal() || index.row() >= m_antal) return {};
    // The tool tip holds the whole line for a line cut at the list's edge.
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return m_meta.linjer.at(index.row());
    return {};
}

void TMetaLinjeTegner::paint(QPainter* p, const QStyleOptionViewItem& opt,
                             const QModelIndex& index) const {
    const QRect r = opt.rect;
    const TMetaFarver f = TMetaLinjeTegner::farver(opt.palette);
    p->save();
    p->fillRect(r, f.bund);
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(f.prik);
    p->drawEllipse(QRect(r.left() + 2, r.top() + 4, 10, 10));
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(f.tekst);
    p->setFont(opt.font);
    // A line wider than the list ends in "…".
    const QRect tekstRect(r.left() + 16, r.top() + 1, r.width() - 16, r.height() - 2);
    p->drawText(tekstRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                QFontMetrics(opt.font).elidedText(index.data(Qt::DisplayRole).toString(),
                                                  Qt::ElideRight, tekstRect.width()));
    p->setPen(f.streg);
    p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p->restore();
}

TMetaFarver TMetaLinjeTegner::farver(const QPalette& pal) {
    const QColor bund = pal.color(QPalette::Active, QPalette::Base);
    const QColor tekst = pal.color(QPalette::Active, QPalette::Text);
    if (bund.lightness() >= 128) // a light theme: the list's own green dot and silver rule
        return {bund, tekst, QColor(0xC0, 0xDC, 0xC0), QColor(0xC0, 0xC0, 0xC0)};
    // A dark theme: a silver rule under every line would glare; a quarter of
    // the way from the background to the text is as quiet as silver on white.
    const auto blanding = [&](float t) {
        return QColor::fromRgbF(bund.redF() + (tekst.redF() - bund.redF()) * t,
                                bund.greenF() + (tekst.greenF() - bund.greenF()) * t,
                                bund.blueF() + (tekst.blueF() - bund.blueF()) * t);
    };
    return {bund, tekst, QColor(0x7F, 0xA8, 0x7F), blanding(0.25f)};
}

QSize TMetaLinjeTegner::sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const {
    // As narrow as may be, so a line takes the list's width and a longer one
    // ends in "…" there (its tool tip holds it whole) instead of being cut.
    Q_UNUSED(opt);
    Q_UNUSED(index);
    return {20, 20};
}
