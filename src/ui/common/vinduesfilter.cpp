#include "ui/common/vinduesfilter.h"

#include <QAbstractSpinBox>
#include <QChildEvent>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace vinduesfilter {

namespace {
// Only QObject's own calls: a widget that joins may still be under construction.
void paaGren(QObject* rod, QObject* filter) {
    rod->installEventFilter(filter);
    for (QObject* barn : rod->children())
        if (barn->isWidgetType()) paaGren(barn, filter);
}
} // namespace

void installer(QWidget* vindue, QObject* filter) {
    paaGren(vindue, filter);
}

void foelg(QObject* filter, QObject*, QEvent* ev) {
    if (ev->type() != QEvent::ChildAdded) return;
    QObject* barn = static_cast<QChildEvent*>(ev)->child();
    if (barn && barn->isWidgetType()) paaGren(barn, filter);
}

bool skriverTekst(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return !e->isReadOnly();
    if (const auto* e = qobject_cast<const QPlainTextEdit*>(w)) return !e->isReadOnly();
    if (const auto* e = qobject_cast<const QTextEdit*>(w)) return !e->isReadOnly();
    return qobject_cast<const QAbstractSpinBox*>(w) != nullptr;
}

} // namespace vinduesfilter
