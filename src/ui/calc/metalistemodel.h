#pragma once
// The calculation list as an item model for the list view, and the delegate
// that draws each line: a white row with a light-green dot, black text and a
// silver rule under it.
#include <QAbstractListModel>
#include <QStyledItemDelegate>

class TMetaListe;

class TMetaListeModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TMetaListeModel(TMetaListe& meta, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    TMetaListe& m_meta;
};

class TMetaLinjeTegner : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opt,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override;
};
