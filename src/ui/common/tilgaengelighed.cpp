#include "common/tilgaengelighed.h"

#include "common/statusfelt.h"
#include "common/visning.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QToolButton>

namespace {

const char* const deltKnapEgenskab = "tavlixDeltKnap";
const char* const valgEgenskab = "tavlixNavngivetValg";

// A field that shows one line of text it does not let the user edit.
class TTekstTilgang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    TTekstTilgang(QWidget* w, QAccessible::Role rolle) : QAccessibleWidget(w, rolle) {}

    QString tekst() const {
        if (auto* v = qobject_cast<TVisning*>(widget())) return v->text();
        if (auto* l = qobject_cast<QLabel*>(widget())) return l->text();
        return {};
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: {
            const QString navn = widget()->accessibleName();
            return navn.isEmpty() ? tekst() : navn;
        }
        case QAccessible::Value:
            return tekst();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text interface: the whole text, no caret, at most the whole text selected.
    void selection(int i, int* start, int* slut) const override {
        const bool valgt = i == 0 && selectionCount() == 1;
        *start = 0;
        *slut = valgt ? characterCount() : 0;
    }
    int selectionCount() const override {
        auto* v = qobject_cast<TVisning*>(widget());
        return v && v->alleValgt() ? 1 : 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int slut) const override {
        const QString t = tekst();
        start = std::clamp(start, 0, int(t.size()));
        slut = std::clamp(slut < 0 ? int(t.size()) : slut, start, int(t.size()));
        return t.mid(start, slut - start);
    }
    int characterCount() const override { return int(tekst().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* slut) const override {
        *start = *slut = offset;
        return {};
    }
};

// A button that acts when pressed and has a menu on its arrow.
class TDeltKnapTilgang : public QAccessibleWidget {
public:
    explicit TDeltKnapTilgang(QToolButton* b) : QAccessibleWidget(b, QAccessible::ButtonDropDown) {}
    QToolButton* knap() const { return static_cast<QToolButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (t == QAccessible::Name) return knap()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        if (!widget()->isEnabled()) return QAccessibleWidget::actionNames();
        return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& navn) override {
        if (!widget()->isEnabled()) return;
        if (navn == pressAction())
            knap()->click();
        else if (navn == showMenuAction())
            knap()->showMenu();
        else
            QAccessibleWidget::doAction(navn);
    }
};

// A drop-down box named by what it chooses; its value is the chosen item and
// its one child the list of items, as Qt's own description has it.
class TValgTilgang : public QAccessibleWidget {
public:
    explicit TValgTilgang(QComboBox* b) : QAccessibleWidget(b, QAccessible::ComboBox) {}
    QComboBox* boks() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return boks()->currentText();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return boks()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int i) const override {
        return i == 0 ? QAccessible::queryAccessibleInterface(boks()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c && c->object() == boks()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& navn) override {
        if (navn == showMenuAction() || navn == pressAction())
            boks()->showPopup();
        else
            QAccessibleWidget::doAction(navn);
    }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* obj) {
    if (klasse == QLatin1String("TVisning"))
        return new TTekstTilgang(static_cast<QWidget*>(obj), QAccessible::EditableText);
    if (klasse == QLatin1String("TStatusFelt"))
        return new TTekstTilgang(static_cast<QWidget*>(obj), QAccessible::StaticText);
    if (klasse == QLatin1String("QToolButton") && obj->property(deltKnapEgenskab).toBool())
        return new TDeltKnapTilgang(static_cast<QToolButton*>(obj));
    if (klasse == QLatin1String("QComboBox") && obj->property(valgEgenskab).toBool())
        return new TValgTilgang(static_cast<QComboBox*>(obj));
    return nullptr;
}

} // namespace

namespace tilgaengelighed {

void installer() {
    static const bool installeret = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    Q_UNUSED(installeret);
}

void deltKnap(QToolButton* knap) {
    installer();
    knap->setProperty(deltKnapEgenskab, true);
}

void navngivetValg(QComboBox* boks) {
    installer();
    boks->setProperty(valgEgenskab, true);
}

} // namespace tilgaengelighed
