#include "ui/common/tilgaengelighed.h"

#include "ui/common/statusfelt.h"
#include "ui/common/visning.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

const char* const deltKnapEgenskab = "tavlixDeltKnap";
const char* const valgEgenskab = "tavlixNavngivetValg";
const char* const vaerdiEgenskab = "tavlixVaerdiEtiket";

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

// The program as a whole. Qt leaves pop-up windows out of the program's
// children, so a screen reader that walks the tree never finds an open menu
// ("Menu", the memory menu, a list's context menu); it hears of it only when
// an item takes the focus. Open menus are listed here after the windows.
class TProgramTilgang : public QAccessibleApplication {
public:
    static QList<QWidget*> abneMenuer() {
        QList<QWidget*> l;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu*>(w) && w->isVisible()) l.append(w);
        return l;
    }
    int childCount() const override {
        return QAccessibleApplication::childCount() + int(abneMenuer().size());
    }
    QAccessibleInterface* child(int i) const override {
        const int vinduer = QAccessibleApplication::childCount();
        if (i < vinduer) return QAccessibleApplication::child(i);
        const QList<QWidget*> menuer = abneMenuer();
        return i - vinduer < menuer.size()
                   ? QAccessible::queryAccessibleInterface(menuer.at(i - vinduer))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const int i = QAccessibleApplication::indexOfChild(c);
        if (i >= 0 || !c) return i;
        const qsizetype m = abneMenuer().indexOf(qobject_cast<QWidget*>(c->object()));
        return m < 0 ? -1 : QAccessibleApplication::childCount() + int(m);
    }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* obj) {
    if (klasse == QLatin1String("QApplication") && obj == qApp) return new TProgramTilgang;
    if (klasse == QLatin1String("TVisning"))
        return new TTekstTilgang(static_cast<QWidget*>(obj), QAccessible::EditableText);
    if (klasse == QLatin1String("TStatusFelt"))
        return new TTekstTilgang(static_cast<QWidget*>(obj), QAccessible::StaticText);
    if (klasse == QLatin1String("QToolButton") && obj->property(deltKnapEgenskab).toBool())
        return new TDeltKnapTilgang(static_cast<QToolButton*>(obj));
    if (klasse == QLatin1String("QComboBox") && obj->property(valgEgenskab).toBool())
        return new TValgTilgang(static_cast<QComboBox*>(obj));
    if (klasse == QLatin1String("QLabel") && obj->property(vaerdiEgenskab).toBool())
        return new TTekstTilgang(static_cast<QWidget*>(obj), QAccessible::StaticText);
    return nullptr;
}

} // namespace

namespace tilgaengelighed {

void installer() {
    static bool foerProgrammet = false, efterProgrammet = false;
    if (efterProgrammet) return;
    if (!qApp) {
        // Early, so that the screen-reader bridge's first description of the
        // program is ours.
        if (!foerProgrammet) QAccessible::installFactory(fabrik);
        foerProgrammet = true;
        return;
    }
    // The application object adds Qt's own descriptions of its widgets, and
    // the last factory added is asked first: ours goes last again, or a plain
    // label, tool button or drop-down box would get Qt's description.
    QAccessible::removeFactory(fabrik);
    QAccessible::installFactory(fabrik);
    efterProgrammet = true;
    // A description of the program made before ours was known (a test makes
    // its application object first): drop it, so the next one is ours.
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(qApp);
    if (i && !dynamic_cast<TProgramTilgang*>(i))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

void deltKnap(QToolButton* knap) {
    installer();
    knap->setProperty(deltKnapEgenskab, true);
}

void navngivetValg(QComboBox* boks) {
    installer();
    boks->setProperty(valgEgenskab, true);
}

void vaerdiEtiket(QLabel* etiket, const QString& navn) {
    installer();
    etiket->setProperty(vaerdiEgenskab, true);
    etiket->setAccessibleName(navn);
    // A description made before the mark (a label given its text when it
    // was made) is Qt's own; drop it so that the next one is ours.
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(etiket);
    if (i && !i->textInterface()) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

static void (*s_lytter)(QAccessibleEvent*) = nullptr;

bool meldes() {
    return s_lytter || QAccessible::isActive();
}

void meld(QAccessibleEvent* e) {
    if (s_lytter) s_lytter(e);
    if (QAccessible::isActive()) QAccessible::updateAccessibility(e);
}

void lyt(void (*lytter)(QAccessibleEvent*)) {
    installer();
    s_lytter = lytter;
}

void visTekst(QLabel* etiket, const QString& tekst) {
    const QString foer = etiket->text();
    if (tekst == foer) return;
    etiket->setText(tekst);
    if (!meldes()) return;
    // Only a label described with a text interface can tell of its new text
    // (the bridge refuses a text event from anything else).
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(etiket);
    if (!i || !i->textInterface()) return;
    QAccessibleTextUpdateEvent e(etiket, 0, foer, tekst);
    meld(&e);
}

} // namespace tilgaengelighed
