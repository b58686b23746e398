#pragma once
// The calculation list as an item model for the list view (a change tells
// the views only of the lines it added, removed or changed: a long list is
// not laid out anew for every key), and the delegate that draws each line:
// a row in the list's background with a light-green dot, the text in the
// list's text colour and a silver rule under it. The colours come from the
// palette, so the list follows the dark themes.
#include <QAbstractListModel>
#include <QColor>
#include <QStyledItemDelegate>

class TMetaListe;

class TMetaListeModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TMetaListeModel(TMetaListe& meta, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void foelg();

    TMetaListe& m_meta;
    int m_antal = 0; // rows as the views know them
};

struct TMetaFarver {
    QColor bund, tekst, prik, streg;
};

class TMetaLinjeTegner : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // The colours of a line drawn with palette `pal`.
    static TMetaFarver farver(const QPalette& pal);
    void paint(QPainter* p, const QStyleOptionViewItem& opt,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override;
};
