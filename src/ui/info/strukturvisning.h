#pragma once
// The tree view of a structure: shows a TStruktur with its node pictures,
// keeps the model's selection and open nodes, and forwards clicks, Enter,
// space and mouse presses and releases (for dragging) to its owner. Used
// read-only by the information browser and for editing by the structure editor.
// A change of the structure is followed by branches: the items of a sibling
// list that changed are put in order, new nodes get new items, and the rest
// of the tree is left as it is (no whole rebuild for an insert or a delete).
#include <QHash>
#include <QTreeWidget>

#include <memory>
#include <vector>

class TStruktur;
struct TStrukturNode;
using TNodeListe = std::vector<std::unique_ptr<TStrukturNode>>;

class TStrukturVisning : public QTreeWidget {
    Q_OBJECT
public:
    explicit TStrukturVisning(TStruktur& struktur, QWidget* parent = nullptr);

    TStruktur& struktur() { return m_struktur; }
    TStrukturNode* node(QTreeWidgetItem* item) const;
    QTreeWidgetItem* item(const TStrukturNode* node) const;
    TStrukturNode* nodeVed(const QPoint& pos) const; // in viewport coordinates
    void genopbyg(); // brings the items in line with the model (see above)

Q_SIGNALS:
    void nodeValgt(TStrukturNode* node); // click, Enter or space
    void musTrykket(TStrukturNode* node, QMouseEvent* ev);
    void musSluppet(TStrukturNode* node, QMouseEvent* ev);

protected:
    void keyPressEvent(QKeyEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;

private:
    void visValgt();
    void visUdfoldet();
    QTreeWidgetItem* nytItem(TStrukturNode* n);
    void synkroniser(QTreeWidgetItem* foraelder, const TNodeListe& noder,
                     QList<QTreeWidgetItem*>& forladte);
    void udfold(QTreeWidgetItem* it);
    void glem(QTreeWidgetItem* it);

    TStruktur& m_struktur;
    QHash<const TStrukturNode*, QTreeWidgetItem*> m_items;
    bool m_opdaterer = false;
};
