#include "ui/info/strukturvisning.h"

#include "core/info/struktur.h"
#include "ui/info/strukturikoner.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>

TStrukturVisning::TStrukturVisning(TStruktur& struktur, QWidget* parent)
    : QTreeWidget(parent), m_struktur(struktur) {
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setExpandsOnDoubleClick(true);
    connect(&m_struktur, &TStruktur::aendret, this, &TStrukturVisning::genopbyg);
    connect(&m_struktur, &TStruktur::valgtAendret, this, &TStrukturVisning::visValgt);
    connect(&m_struktur, &TStruktur::udfoldAendret, this, &TStrukturVisning::visUdfoldet);
    connect(&m_struktur, &TStruktur::haandMarkoer, this, [this](bool haand) {
        if (haand)
            viewport()->setCursor(Qt::PointingHandCursor);
        else
            viewport()->unsetCursor();
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* it) {
        if (TStrukturNode* n = node(it)) Q_EMIT nodeValgt(n);
    });
    // Opening and closing by hand is kept in the model, so a rebuild keeps it.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* it) {
        if (TStrukturNode* n = node(it); n && !m_opdaterer) n->udfoldet = true;
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* it) {
        if (TStrukturNode* n = node(it); n && !m_opdaterer) n->udfoldet = false;
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* it) {
        if (!m_opdaterer) m_struktur.vaelg(node(it));
    });
    genopbyg();
}

TStrukturNode* TStrukturVisning::node(QTreeWidgetItem* it) const {
    return it ? static_cast<TStrukturNode*>(it->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

QTreeWidgetItem* TStrukturVisning::item(const TStrukturNode* n) const {
    return m_items.value(n, nullptr);
}

TStrukturNode* TStrukturVisning::nodeVed(const QPoint& pos) const {
    return node(itemAt(pos));
}

namespace {

// An item knows its node and what it shows of it, so that bringing a
// branch in line costs a comparison where nothing changed.
class TStrukturItem : public QTreeWidgetItem {
public:
    explicit TStrukturItem(TStrukturNode* n) : node(n) {
        setData(0, Qt::UserRole, QVariant::fromValue<void*>(n));
        vis();
    }
    void vis() {
        if (tekst.constData() != node->tekst.constData() || tekst != node->tekst) {
            tekst = node->tekst;
            setText(0, tekst);
        }
        if (billede != node->billede || !harBillede) {
            billede = node->billede;
            harBillede = true;
            setIcon(0, strukturikoner::ikon(billede));
        }
    }
    TStrukturNode* node;
    QString tekst;
    int billede = -1;
    bool harBillede = false;
};

TStrukturNode* itemNode(QTreeWidgetItem* it) {
    return static_cast<TStrukturItem*>(it)->node;
}

} // namespace

// A new item for a node, with the items of its whole subtree, made before
// it is shown, so that the view hears of the branch once.
QTreeWidgetItem* TStrukturVisning::nytItem(TStrukturNode* n) {
    auto* it = new TStrukturItem(n);
    m_items.insert(n, it);
    QList<QTreeWidgetItem*> boern;
    boern.reserve(qsizetype(n->boern.size()));
    for (const auto& b : n->boern)
        boern << nytItem(b.get());
    it->addChildren(boern);
    return it;
}

void TStrukturVisning::genopbyg() {
    m_opdaterer = true;
    QList<QTreeWidgetItem*> forladte;
    synkroniser(nullptr, m_struktur.topNoder(), forladte);
    // Items of nodes that are gone (those moved elsewhere have a place again).
    for (QTreeWidgetItem* it : forladte)
        if (!it->parent() && indexOfTopLevelItem(it) < 0) {
            glem(it);
            delete it;
        }
    m_opdaterer = false;
    visValgt();
}

// Brings the children of `foraelder` (nullptr: the top level) in line with
// `noder`: a list that still matches is only compared; one that changed is
// put in order again, reusing the items of nodes that have one.
void TStrukturVisning::synkroniser(QTreeWidgetItem* foraelder, const TNodeListe& noder,
                                   QList<QTreeWidgetItem*>& forladte) {
    QTreeWidgetItem* rod = foraelder ? foraelder : invisibleRootItem();
    const int antal = rod->childCount();
    bool ens = antal == int(noder.size());
    for (int i = 0; ens && i < antal; ++i)
        ens = itemNode(rod->child(i)) == noder[size_t(i)].get();
    if (ens) {
        for (int i = 0; i < antal; ++i) {
            auto* it = static_cast<TStrukturItem*>(rod->child(i));
            it->vis();
            synkroniser(it, it->node->boern, forladte);
        }
        return;
    }
    // The list changed: its items out, then the list's items in order.
    const QList<QTreeWidgetItem*> gamle = rod->takeChildren();
    QSet<QTreeWidgetItem*> beholdt;
    QList<QTreeWidgetItem*> nye;
    QSet<QTreeWidgetItem*> lavet;
    nye.reserve(qsizetype(noder.size()));
    for (const auto& n : noder) {
        QTreeWidgetItem* it = m_items.value(n.get(), nullptr);
        if (it) {
            // Moved here from another branch, perhaps.
            if (QTreeWidgetItem* p = it->parent())
                p->removeChild(it);
            else if (const int i = indexOfTopLevelItem(it); i >= 0)
                takeTopLevelItem(i);
            beholdt.insert(it);
        } else {
            it = nytItem(n.get());
            lavet.insert(it);
        }
        nye << it;
    }
    rod->addChildren(nye);
    for (QTreeWidgetItem* it : gamle)
        if (!beholdt.contains(it)) forladte << it;
    for (QTreeWidgetItem* it : nye) {
        if (!lavet.contains(it)) {
            static_cast<TStrukturItem*>(it)->vis();
            synkroniser(it, itemNode(it)->boern, forladte);
        }
        // Taken out and put back, the branch shows its nodes open as before.
        udfold(it);
    }
}

void TStrukturVisning::udfold(QTreeWidgetItem* it) {
    if (it->childCount() == 0) return;
    if (itemNode(it)->udfoldet != it->isExpanded()) it->setExpanded(itemNode(it)->udfoldet);
    for (int i = 0; i < it->childCount(); ++i)
        udfold(it->child(i));
}

// Forgets the items of a branch that is about to be deleted.
void TStrukturVisning::glem(QTreeWidgetItem* it) {
    const auto f = m_items.constFind(itemNode(it));
    if (f != m_items.cend() && f.value() == it) m_items.erase(f);
    for (int i = 0; i < it->childCount(); ++i)
        glem(it->child(i));
}

void TStrukturVisning::visUdfoldet() {
    m_opdaterer = true;
    // All open or all closed (FullExpand, FullCollapse): one layout.
    bool alleAabne = true, alleLukkede = true;
    for (auto it = m_items.cbegin(); it != m_items.cend() && (alleAabne || alleLukkede); ++it) {
        if (it.value()->childCount() == 0) continue;
        (it.key()->udfoldet ? alleLukkede : alleAabne) = false;
    }
    if (alleAabne)
        expandAll();
    else if (alleLukkede)
        collapseAll();
    else
        for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
            if (it.value()->isExpanded() != it.key()->udfoldet)
                it.value()->setExpanded(it.key()->udfoldet);
    m_opdaterer = false;
}

void TStrukturVisning::visValgt() {
    m_opdaterer = true;
    QTreeWidgetItem* it = item(m_struktur.Selected());
    for (QTreeWidgetItem* p = it ? it->parent() : nullptr; p; p = p->parent())
        p->setExpanded(true);
    setCurrentItem(it);
    if (it) scrollToItem(it);
    m_opdaterer = false;
}

void TStrukturVisning::keyPressEvent(QKeyEvent* ev) {
    if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter || ev->key() == Qt::Key_Space) {
        if (TStrukturNode* n = node(currentItem())) Q_EMIT nodeValgt(n);
        return;
    }
    QTreeWidget::keyPressEvent(ev);
}

void TStrukturVisning::mousePressEvent(QMouseEvent* ev) {
    QTreeWidget::mousePressEvent(ev);
    Q_EMIT musTrykket(nodeVed(ev->position().toPoint()), ev);
}

void TStrukturVisning::mouseReleaseEvent(QMouseEvent* ev) {
    QTreeWidget::mouseReleaseEvent(ev);
    Q_EMIT musSluppet(nodeVed(ev->position().toPoint()), ev);
}
