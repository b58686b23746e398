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
        setFejlModtager([](const QString& t) { QFAIL(qPrintable("error box: " + t)); });
    }

    // Solve by Enter in the last box, store a root, see it in the memory menu.
    void andengradsGennemVinduet() {
        Vindue v(Qt::Key_F2);
        QVERIFY(v.w().side(1)->isVisible());
        QCOMPARE(v.w().side(1)->objectName(), "andengradsPanel");
        QCOMPARE(v.w().width(), 221);
        v.skriv("andengradsA", "1");
        v.enter();
        QCOMPARE(v.fokus(), "andengradsB");
        QTest::keyClicks(QApplication::focusWidget(), "-3");
        v.enter();
        QTest::keyClicks(QApplication::focusWidget(), "2.0");
        QCOMPARE(v.find<QLabel>("andengradsStatus")->text(), "  2 løsninger");
        QCOMPARE(v.vis("andengradsD"), "1");
        v.enter();
        QCOMPARE(v.boks("andengradsC")->text(), "2");
        QCOMPARE(v.vis("andengradsX1"), "2");
        QCOMPARE(v.vis("andengradsX2"), "1");
        QCOMPARE(v.t->meta().linjer.first(), "1x^2 - 3x + 2 = 0");

        v.find<QPushButton>("andengradsX2send")->click();
        QTest::keyClick(&v.w(), Qt::Key_F7);
        auto* tastatur = v.w().side(0)->findChild<TTastatur*>();
        QMenu* liste = tastatur->hukommelsesMenu()->findChild<QMenu*>("Hukommelse");
        QVERIFY(liste);
        QStringList punkter;
        for (QAction* a : liste->actions())
            punkter << a->text() + u'@' + a->toolTip();
        QVERIFY2(punkter.contains("1@1x^2 - 3x + 2 = 0"), qPrintable(punkter.join(", ")));
        QCOMPARE(tastatur->findChild<TVisning*>("hukDisplay")->text(), "1");

        // Ctrl+N starts a new equation, also from a box (Home there moves the
        // caret: see homeIKoefficientboks).
        QTest::keyClick(&v.w(), Qt::Key_F2);
        v.boks("andengradsB")->setFocus();
        QTest::keyClick(v.boks("andengradsB"), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(v.boks("andengradsA")->text(), "");
        QCOMPARE(v.vis("andengradsX1"), "");
        QCOMPARE(v.fokus(), "andengradsA");
        QCOMPARE(v.find<QLabel>("andengradsStatus")->text(), "Ugyldige data");
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
        v.skriv(foerste.toLatin1().constData(), "7");
        v.skriv(boks.toLatin1().constData(), "12");
        QLineEdit* e = v.boks(boks.toLatin1().constData());
        QTest::keyClick(e, Qt::Key_Home);
        QCOMPARE(e->text(), "12");
        QCOMPARE(e->cursorPosition(), 0);
        QCOMPARE(v.boks(foerste.toLatin1().constData())->text(), "7");
        QVERIFY(e->hasFocus());

        e->clearFocus();
        v.w().setFocus();
        QTest::keyClick(&v.w(), Qt::Key_Home);
        QCOMPARE(e->text(), "");
        QCOMPARE(v.boks(foerste.toLatin1().constData())->text(), "");
    }

    // F9 belongs to the shown page: with text in the expression memo it still
    // solves the quadratic, and on the calculator page it evaluates the memo.
    void f9TilDenVisteSide() {
        Vindue v(Qt::Key_F2);
        v.w().metaPanel()->uMemo()->setPlainText(QStringLiteral("2+3*4="));
        v.skriv("andengradsA", "1");
        v.skriv("andengradsB", "-3");
        v.skriv("andengradsC", "2");
        QCOMPARE(v.vis("andengradsX1"), "");
        QTest::keyClick(v.boks("andengradsC"), Qt::Key_F9);
        QCOMPARE(v.vis("andengradsX1"), "2");
        QCOMPARE(v.vis("andengradsX2"), "1");

        QTest::keyClick(&v.w(), Qt::Key_F7);
        QTest::keyClick(&v.w(), Qt::Key_F9);
        QCOMPARE(v.w().displayPanel()->rmDisplay()->text(), "14");
        // Back on the quadratic page after the calculator, F9 is the page's again.
        QTest::keyClick(&v.w(), Qt::Key_F2);
        v.boks("andengradsC")->clear();
        v.skriv("andengradsC", "-4");
        QTest::keyClick(v.boks("andengradsC"), Qt::Key_F9);
        QCOMPARE(v.vis("andengradsX1"), "4");
    }

    void ligningerGennemVinduet() {
        Vindue v(Qt::Key_F3);
        QVERIFY(v.w().side(2)->isVisible());
        v.find<QGroupBox>("ligninger2")->findChildren<QRadioButton*>().at(1)->click();
        QCOMPARE(v.t->ligningsEnhed().ligninger().ligninger2(), 1);
        v.skriv("ligning1a", "1");
        const char* resten[] = {"1", "5", "1", "1", "6"};
        for (const char* t : resten) {
            v.enter();
            QTest::keyClicks(QApplication::focusWidget(), t);
        }
        QCOMPARE(v.fokus(), "ligning2c");
        v.enter();
        QCOMPARE(v.find<QLabel>("ligningerStatus")->text(), "2 løsninger");
        const QStringList res{v.vis("ligningX1"), v.vis("ligningY1"), v.vis("ligningX2"),
                              v.vis("ligningY2")};
        QCOMPARE(res.join(u' '), "2 3 3 2");

        // F9 solves again after a change; a form chosen from the model shows.
        v.t->ligningsEnhed().ligninger().ligninger1Click(2);
        QVERIFY(v.find<QGroupBox>("ligninger1")->findChildren<QRadioButton*>().at(2)->isChecked());
        v.t->ligningsEnhed().ligninger().ligninger1Click(0);
        v.boks("ligning2c")->setText(QString());
        QTest::keyClicks(v.boks("ligning2c"), "4");
        QTest::keyClick(v.boks("ligning2c"), Qt::Key_F9);
        QCOMPARE(v.vis("ligningX1"), "1");
        QCOMPARE(v.vis("ligningX2"), "4");
        v.find<QPushButton>("ligningerY1send")->click();
        QCOMPARE(v.t->hukommelse().Huk.GetCaption(0), "4");

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
        QCOMPARE(v.statistikKnap()->text(), "n=0");
        v.t->hukommelse().gemFraVindue("a", 3);
        v.t->hukommelse().gemFraVindue("b", 7);
        v.find<QPushButton>("statistikImporter")->click();
        auto* liste = v.find<QListWidget>("statistikBoks");
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->item(0)->text(), "7");
        QCOMPARE(v.statistikKnap()->text(), "n=2");
        QCOMPARE(v.find<QLabel>("statistikNantal")->text(), "n=2");

        v.skriv("statistikValue", "2,5");
        QTest::keyClick(v.boks("statistikValue"), Qt::Key_Home);
        QCOMPARE(liste->count(), 2);
        QCOMPARE(v.boks("statistikValue")->cursorPosition(), 0);
        v.enter();
        QCOMPARE(liste->item(2)->text(), "2,5");
        QCOMPARE(v.boks("statistikValue")->text(), "");

        liste->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!v.t->ligningsEnhed().statistik().statistikBoks().at(0).markeret);
        v.find<QPushButton>("statistikSum")->click();
        QCOMPARE(v.vis("statistikDisplay"), "5,5");
        QCOMPARE(v.statistikKnap()->text(), "n=3"); // unchecking does not recount

        QTest::keyClick(&v.w(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(liste->count(), 0);
        QCOMPARE(v.statistikKnap()->text(), "n=0");
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
            if (!kontrol || w->objectName() == "qt_spinbox_lineedit") continue;
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
        QVERIFY2(dubletter.isEmpty(), qPrintable(dubletter.join(", ")));
    }
};

QTEST_MAIN(TstLigningssider)
#include "tst_ligningssider.moc"
