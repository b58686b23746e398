#include "beskedoptager.h"
#include "ui/app/mainform.h"
#include "ui/app/tavlix.h"
#include "ui/calc/displaypanel.h"
#include "ui/calc/listepanel.h"
#include "ui/calc/tastatur.h"
#include "ui/common/graense.h"
#include "ui/common/visning.h"
#include "ui/equations/ligningsenhed.h"

#include <memory>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// The program over a temporary data folder, on one of the equation pages.
struct Vindue {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    std::unique_ptr<Tavlix> t;

    explicit Vindue(Qt::Key sideTast) {
        QDir(dir.path()).mkpath(QStringLiteral("Egenskaber"));
        t = std::make_unique<Tavlix>(*qApp, dir.path(), &beskeder);
        t->vis();
        QVERIFY(QTest::qWaitForWindowExposed(&t->mainform()));
        QTest::keyClick(&w(), sideTast);
    }
    Tmainform& w() { return t->mainform(); }
    template <typename T> T* find(const char* navn) {
        T* x = w().findChild<T*>(QString::fromLatin1(navn));
        if (!x) qWarning("no control %s", navn);
        return x;
    }
    QLineEdit* boks(const char* navn) { return find<QLineEdit>(navn); }
    QString vis(const char* navn) { return find<TVisning>(navn)->text(); }
    // Types into a box as the user does: the focus goes there, the keys follow.
    void skriv(const char* navn, const QString& tekst) {
        QLineEdit* e = boks(navn);
        e->setFocus();
        QTest::keyClicks(e, tekst);
    }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    QString fokus() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QToolButton* statistikKnap() {
        for (auto* b : w().findChildren<QToolButton*>())
            if (b->toolTip() == QStringLiteral("Statistik")) return b;
        return nullptr;
    }
};

class TstLigningssider : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    // Solve by Enter in the last box, store a root, see it in the memory menu.
    void andengradsGennemVinduet() {
        Vindue v(Qt::Key_F2);
        QVERIFY(v.w().side(1)->isVisible());
        QCOMPARE(v.w().side(1)->objectName(), u"andengradsPanel"_s);
        QCOMPARE(v.w().width(), 221);
        v.skriv("andengradsA", u"1"_s);
        v.enter();
        QCOMPARE(v.fokus(), u"andengradsB"_s);
        QTest::keyClicks(QApplication::focusWidget(), u"-3"_s);
        v.enter();
        QTest::keyClicks(QApplication::focusWidget(), u"2.0"_s);
        QCOMPARE(v.find<QLabel>("andengradsStatus")->text(), u"  2 løsninger"_s);
        QCOMPARE(v.vis("andengradsD"), u"1"_s);
        v.enter();
        QCOMPARE(v.boks("andengradsC")->text(), u"2"_s);
        QCOMPARE(v.vis("andengradsX1"), u"2"_s);
        QCOMPARE(v.vis("andengradsX2"), u"1"_s);
        QCOMPARE(v.t->meta().linjer.first(), u"1x^2 - 3x + 2 = 0"_s);

        v.find<QPushButton>("andengradsX2send")->click();
        QTest::keyClick(&v.w(), Qt::Key_F7);
        auto* tastatur = v.w().side(0)->findChild<TTastatur*>();
        QMenu* liste = tastatur->hukommelsesMenu()->findChild<QMenu*>(u"Hukommelse"_s);
        QVERIFY(liste);
        QStringList punkter;
        for (QAction* a : liste->actions())
            punkter << a->text() + u'@' + a->toolTip();
        QVERIFY2(punkter.contains(u"1@1x^2 - 3x + 2 = 0"_s), qPrintable(punkter.join(u", "_s)));
        QCOMPARE(tastatur->findChild<TVisning*>(u"hukDisplay"_s)->text(), u"1"_s);

        // Ctrl+N starts a new equation, also from a box (Home there moves the
        // caret: see homeIKoefficientboks).
        QTest::keyClick(&v.w(), Qt::Key_F2);
        v.boks("andengradsB")->setFocus();
        QTest::keyClick(v.boks("andengradsB"), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(v.boks("andengradsA")->text(), u""_s);
        QCOMPARE(v.vis("andengradsX1"), u""_s);
        QCOMPARE(v.fokus(), u"andengradsA"_s);
        QCOMPARE(v.find<QLabel>("andengradsStatus")->text(), u"Ugyldige data"_s);
    }

    // Home in a coefficient box moves the caret and keeps every box; with no
    // box focused it is the page's "Ny".
    void homeIKoefficientboks_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("boks");
        QTest::addColumn<QString>("foerste");
        QTest::newRow("andengrads") << int(Qt::Key_F2) << "andengradsB"
                                    << "andengradsA";
        QTest::newRow("to ligninger") << int(Qt::Key_F3) << "ligning2b"
                                      << "ligning1a";
    }
    void homeIKoefficientboks() {
        QFETCH(int, side);
        QFETCH(QString, boks);
        QFETCH(QString, foerste);
        Vindue v{Qt::Key(side)};
        v.skriv(foerste.toLatin1().constData(), u"7"_s);
        v.skriv(boks.toLatin1().constData(), u"12"_s);
        QLineEdit* e = v.boks(boks.toLatin1().constData());
        QTest::keyClick(e, Qt::Key_Home);
        QCOMPARE(e->text(), u"12"_s);
        QCOMPARE(e->cursorPosition(), 0);
        QCOMPARE(v.boks(foerste.toLatin1().constData())->text(), u"7"_s);
        QVERIFY(e->hasFocus());

        e->clearFocus();
        v.w().setFocus();
        QTest::keyClick(&v.w(), Qt::Key_Home);
        QCOMPARE(e->text(), u""_s);
        QCOMPARE(v.boks(foerste.toLatin1().constData())->text(), u""_s);
    }

    // F9 belongs to the shown page: with text in the expression memo it still
    // solves the quadratic, and on the calculator page it evaluates the memo.
    void f9TilDenVisteSide() {
        Vindue v(Qt::Key_F2);
        v.w().metaPanel()->uMemo()->setPlainText(QStringLiteral("2+3*4="));
        v.skriv("andengradsA", u"1"_s);
        v.skriv("andengradsB", u"-3"_s);
        v.skriv("andengradsC", u"2"_s);
        QCOMPARE(v.vis("andengradsX1"), u""_s);
        QTest::keyClick(v.boks("andengradsC"), Qt::Key_F9);
        QCOMPARE(v.vis("andengradsX1"), u"2"_s);
        QCOMPARE(v.vis("andengradsX2"), u"1"_s);

        QTest::keyClick(&v.w(), Qt::Key_F7);
        QTest::keyClick(&v.w(), Qt::Key_F9);
        QCOMPARE(v.w().displayPanel()->rmDisplay()->text(), u"14"_s);
        // Back on the quadratic page after the calculator, F9 is the page's again.
        QTest::keyClick(&v.w(), Qt::Key_F2);
        v.boks("andengradsC")->clear();
        v.skriv("andengradsC", u"-4"_s);
        QTest::keyClick(v.boks("andengradsC"), Qt::Key_F9);
        QCOMPARE(v.vis("andengradsX1"), u"4"_s);
    }

    void ligningerGennemVinduet() {
        Vindue v(Qt::Key_F3);
        QVERIFY(v.w().side(2)->isVisible());
        v.find<QGroupBox>("ligninger2")->findChildren<QRadioButton*>().at(1)->click();
        QCOMPARE(v.t->ligningsEnhed().ligninger().ligninger2(), 1);
        v.skriv("ligning1a", u"1"_s);
        const char* resten[] = {"1", "5", "1", "1", "6"};
        for (const char* t : resten) {
            v.enter();
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(t));
        }
        QCOMPARE(v.fokus(), u"ligning2c"_s);
        v.enter();
        QCOMPARE(v.find<QLabel>("ligningerStatus")->text(), u"2 løsninger"_s);
        const QStringList res{v.vis("ligningX1"), v.vis("ligningY1"), v.vis("ligningX2"),
                              v.vis("ligningY2")};
        QCOMPARE(res.join(u' '), u"2 3 3 2"_s);

        // F9 solves again after a change; a form chosen from the model shows.
        v.t->ligningsEnhed().ligninger().ligninger1Click(2);
        QVERIFY(v.find<QGroupBox>("ligninger1")->findChildren<QRadioButton*>().at(2)->isChecked());
        v.t->ligningsEnhed().ligninger().ligninger1Click(0);
        v.boks("ligning2c")->setText(QString());
        QTest::keyClicks(v.boks("ligning2c"), u"4"_s);
        QTest::keyClick(v.boks("ligning2c"), Qt::Key_F9);
        QCOMPARE(v.vis("ligningX1"), u"1"_s);
        QCOMPARE(v.vis("ligningX2"), u"4"_s);
        v.find<QPushButton>("ligningerY1send")->click();
        QCOMPARE(v.t->hukommelse().Huk.GetCaption(0), u"4"_s);

        // A form chosen without a click (arrow key, the accessible Toggle action) reaches
        // the solver too, and the form buttons can be reached by Tab.
        auto* gange = v.find<QGroupBox>("ligninger1")->findChildren<QRadioButton*>().at(1);
        QVERIFY(gange->focusPolicy() & Qt::TabFocus);
        gange->setChecked(true);
        QCOMPARE(v.t->ligningsEnhed().ligninger().ligninger1(), 1);
        v.t->ligningsEnhed().ligninger().ligninger1Click(0);
        QCOMPARE(v.t->ligningsEnhed().ligninger().ligninger1(), 0);
        QVERIFY(!gange->isChecked());
    }

    // Values from memory, the count on the page button, Home in the entry box.
    void statistikGennemVinduet() {
        Vindue v(Qt::Key_F5);
        QVERIFY(v.w().side(4)->isVisible());
        QCOMPARE(v.statistikKnap()->text(), u"n=0"_s);
        v.t->hukommelse().gemFraVindue(u"a"_s, 3);
        v.t->hukommelse().gemFraVindue(u"b"_s, 7);
        v.find<QPushButton>("statistikImporter")->click();
        auto* liste = v.find<QListWidget>("statistikBoks");
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->item(0)->text(), u"7"_s);
        QCOMPARE(v.statistikKnap()->text(), u"n=2"_s);
        QCOMPARE(v.find<QLabel>("statistikNantal")->text(), u"n=2"_s);

        v.skriv("statistikValue", u"2,5"_s);
        QTest::keyClick(v.boks("statistikValue"), Qt::Key_Home);
        QCOMPARE(liste->count(), 2);
        QCOMPARE(v.boks("statistikValue")->cursorPosition(), 0);
        v.enter();
        QCOMPARE(liste->item(2)->text(), u"2,5"_s);
        QCOMPARE(v.boks("statistikValue")->text(), u""_s);

        liste->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!v.t->ligningsEnhed().statistik().statistikBoks().at(0).markeret);
        v.find<QPushButton>("statistikSum")->click();
        QCOMPARE(v.vis("statistikDisplay"), u"5,5"_s);
        QCOMPARE(v.statistikKnap()->text(), u"n=3"_s); // unchecking does not recount

        QTest::keyClick(&v.w(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(liste->count(), 0);
        QCOMPARE(v.statistikKnap()->text(), u"n=0"_s);
    }

    // Every control of the three pages has an accessible name, unique in the
    // window, and a button's hint is its tool tip and description.
    void tilgaengelighed() {
        Vindue v(Qt::Key_F2);
        QTest::keyClick(&v.w(), Qt::Key_F3);
        QTest::keyClick(&v.w(), Qt::Key_F5);
        QHash<QString, QWidget*> navne;
        QStringList dubletter;
        for (QWidget* w : v.w().findChildren<QWidget*>()) {
            // The panel-switch bar travels with the page shown; it is not the pages' own.
            const bool egen = (v.w().side(1)->isAncestorOf(w) || v.w().side(2)->isAncestorOf(w) ||
                               v.w().side(4)->isAncestorOf(w)) &&
                              !w->property("sideskiftBogstav").isValid();
            const bool kontrol = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<TVisning*>(w) || qobject_cast<QListWidget*>(w);
            if (!kontrol || w->objectName() == u"qt_spinbox_lineedit"_s) continue;
            const QString n = w->accessibleName();
            if (egen) {
                QVERIFY2(!n.isEmpty(), qPrintable(w->objectName()));
                if (auto* b = qobject_cast<QPushButton*>(w))
                    QCOMPARE(b->accessibleDescription(), b->toolTip());
            }
            if (!n.isEmpty() && navne.contains(n) &&
                (egen || navne.value(n)->property("egen").toBool()))
                dubletter << n;
            if (egen) w->setProperty("egen", true);
            navne.insert(n, w);
        }
        QVERIFY2(dubletter.isEmpty(), qPrintable(dubletter.join(u", "_s)));
    }
};

QTEST_MAIN(TstLigningssider)
#include "tst_ligningssider.moc"
