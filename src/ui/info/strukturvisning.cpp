#include "info/strukturvisning.h"

#include "info/struktur.h"
#include "info/strukturikoner.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

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

void TStrukturVisning::genopbyg() {
    m_opdaterer = true;
    clear();
    m_items.clear();
    std::function<void(const TNodeListe&, QTreeWidgetItem*)> tilfoej =
        [&](const TNodeListe& noder, QTreeWidgetItem* foraelder) {
            for (const auto& n : noder) {
                auto* it = foraelder ? new QTreeWidgetItem(foraelder) : new QTreeWidgetItem(this);
                it->setText(0, n->tekst);
                it->setIcon(0, strukturikoner::ikon(n->billede));
                it->setData(0, Qt::UserRole, QVariant::fromValue<void*>(n.get()));
                m_items.insert(n.get(), it);
                tilfoej(n->boern, it);
            }
        };
    tilfoej(m_struktur.topNoder(), nullptr);
    m_opdaterer = false;
    visUdfoldet();
    visValgt();
}

void TStrukturVisning::visUdfoldet() {
    m_opdaterer = true;
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
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
