#pragma once
// The tree view of a structure: shows a TStruktur with its node pictures,
// keeps the model's selection and open nodes, and forwards clicks, Enter,
// space and mouse presses and releases (for dragging) to its owner. Used
// read-only by the information browser and for editing by the structure editor.
#include <QHash>
#include <QTreeWidget>

class TStruktur;
struct TStrukturNode;

class TStrukturVisning : public QTreeWidget {
    Q_OBJECT
public:
    explicit TStrukturVisning(TStruktur& struktur, QWidget* parent = nullptr);

    TStruktur& struktur() { return m_struktur; }
    TStrukturNode* node(QTreeWidgetItem* item) const;
    QTreeWidgetItem* item(const TStrukturNode* node) const;
    TStrukturNode* nodeVed(const QPoint& pos) const; // in viewport coordinates
    void genopbyg();                                 // rebuilds the items from the model

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

    TStruktur& m_struktur;
    QHash<const TStrukturNode*, QTreeWidgetItem*> m_items;
    bool m_opdaterer = false;
};
