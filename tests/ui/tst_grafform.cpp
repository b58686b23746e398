#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/common/graense.h"
#include "ui/common/talfelt.h"
#include "ui/graph/form3.h"
#include "ui/graph/grafform.h"
#include "ui/graph/grafwidget.h"

#include <memory>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// The whole program over a temporary data folder; the graph window is shown
// with F6 from the main window.
struct Program : ProgramFixtur {
    Tgrafform& g() { return t->grafEnhed().grafform(); }
    template <typename T> T* find(const QString& navn) { return ProgramFixtur::find<T>(g(), navn); }
    void skriv(const QString& felt, const QString& tekst) {
        auto* e = find<QLineEdit>(felt);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, tekst);
    }
};

namespace {
bool harGrafvindue() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Tgrafform*>(w)) return true;
    return false;
}
} // namespace

class TstGrafform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    void byggesFoersteGangDenVises() {
        Program p;
        QVERIFY(!harGrafvindue());
        QTest::keyClick(&p.t->mainform(), Qt::Key_F6);
        QVERIFY(harGrafvindue());
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        QCOMPARE(p.g().windowTitle(), QStringLiteral("Grafer"));
        QVERIFY(p.g().width() >= 743 && p.g().height() >= 624);
    }

    void indfoerOgSkjul() {
        Program p;
        p.t->grafEnhed().visGrafform();
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        p.skriv(QStringLiteral("aEdit"), QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bEdit"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter in c enters it
        auto* liste = p.find<QListWidget>(QStringLiteral("formelBox"));
        QCOMPARE(liste->count(), 1);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("x + y = 4"));
        QCOMPARE(liste->item(0)->checkState(), Qt::Checked);
        liste->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!p.t->grafEnhed().grafModel().Graf.Lin().at(0).synlig);
        // Ctrl+N in a box is "Ny": the window sees the key first.
        QTest::keyClick(p.find<QLineEdit>(QStringLiteral("cEdit")), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(p.find<QLineEdit>(QStringLiteral("aEdit"))->text().isEmpty());
        // An unticked row keeps its box when the list is rebuilt.
        p.t->grafEnhed().grafModel().AddFormelToGraf(u'a', 1, 0, 0);
        p.t->grafEnhed().grafModel().formelBoxMarkering({1});
        p.t->grafEnhed().grafModel().delSelKnapClick();
        QCOMPARE(liste->count(), 1);
        QCOMPARE(liste->item(0)->data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    }

    void musOgZoom() {
        Program p;
        p.t->grafEnhed().visGrafform();
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        TGrafWidget* graf = p.g().graf();
        QTest::mouseClick(graf, Qt::LeftButton, {}, QPoint(100, 80));
        QCOMPARE(p.find<QLineEdit>(QStringLiteral("yAkseEdit"))->text(), QStringLiteral("100"));
        QCOMPARE(p.find<QLineEdit>(QStringLiteral("xAkseEdit"))->text(), QStringLiteral("80"));
        // An emptied step box shows "0"; "+" then makes it 1 and zooms by 1.
        auto* spring = p.find<QLineEdit>(QStringLiteral("zoomSpringEdit"));
        spring->selectAll();
        QTest::keyClick(spring, Qt::Key_Backspace);
        QCOMPARE(spring->text(), QStringLiteral("0"));
        p.find<QToolButton>(QStringLiteral("zoomPlusKnap"))->click();
        QCOMPARE(spring->text(), QStringLiteral("1"));
        QCOMPARE(p.find<QLineEdit>(QStringLiteral("pixelEdit"))->text(), QStringLiteral("21"));
        // A step too large for a whole number is refused and the box keeps its value.
        QStringList fejl;
        setFejlModtager([&](const QString& t) { fejl << t; });
        spring->selectAll();
        QTest::keyClicks(spring, QStringLiteral("99999999999"));
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
        QVERIFY(!fejl.isEmpty());
        QVERIFY(spring->text().size() < 11);
        p.find<QCheckBox>(QStringLiteral("visEnhedskvadrater"))->click();
        QVERIFY(!p.t->grafEnhed().grafModel().Graf.MedFelter());
    }

    void tilgaengeligeNavne() {
        Program p;
        p.t->grafEnhed().visGrafform();
        p.t->grafEnhed().visForm3();
        for (QWidget* vindue :
             {static_cast<QWidget*>(&p.g()), static_cast<QWidget*>(&p.t->grafEnhed().form3())}) {
            QSet<QString> navne;
            for (QWidget* w : vindue->findChildren<QWidget*>()) {
                if (w->window() != vindue || !w->focusPolicy()) continue;
                // Menus and the inner parts of lists and drop-downs are not controls of their own.
                const QWidget* ejer = w->parentWidget();
                if (qobject_cast<QMenu*>(w) || !w->isVisibleTo(vindue) ||
                    ejer->inherits("QComboBox") || ejer->inherits("QAbstractScrollArea") ||
                    w->inherits("QScrollBar"))
                    continue;
                const QString navn = w->accessibleName();
                QVERIFY2(!navn.isEmpty(),
                         qPrintable(w->objectName() + u' ' +
                                    QString::fromLatin1(w->metaObject()->className())));
                QVERIFY2(!navne.contains(navn), qPrintable(navn));
                navne.insert(navn);
            }
        }
        QCOMPARE(p.find<QToolButton>(QStringLiteral("InsertKnap"))->accessibleDescription(),
                 QStringLiteral("Indfør ligningen i listen: Ctrl+i"));
    }

    // The window's Ctrl keys win over a focused box's own (Ctrl+Z is the box's
    // undo), through the whole key delivery with its shortcut override; the box
    // keeps its text.
    // The "^" beside a result puts it in the calculator's memory.
    void sendTilHukommelse() {
        Program p;
        p.t->grafEnhed().visGrafform();
        p.t->grafEnhed().grafModel().ligningX2 = QStringLiteral("-1,5");
        Q_EMIT p.t->grafEnhed().grafModel().aendret();
        p.find<QToolButton>(QStringLiteral("ligningerX2send"))->click();
        QCOMPARE(p.t->hukommelse().Hval, -1.5);
        QCOMPARE(p.t->hukommelse().hukDisplay, QStringLiteral("-1,5"));
        p.find<QToolButton>(QStringLiteral("ligningerY2send"))->click(); // empty: nothing
        QCOMPARE(p.t->hukommelse().captions(), QStringList{u"-1,5"_s});
    }

    // A number wider than its box shrinks, then shows its leading digits with
    // "…"; the tool tip holds it whole. Typing shows the real text.
    void langeTalIFelterne_data() {
        QTest::addColumn<QString>("felt");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("afkortet");
        QTest::newRow("y-akse kort") << "yAkseEdit"
                                     << "20" << false;
        QTest::newRow("y-akse stort") << "yAkseEdit"
                                      << "2147483647" << true;
        QTest::newRow("pixel stort") << "pixelEdit"
                                     << "2147483647" << true;
        QTest::newRow("x-akse negativt") << "xAkseEdit"
                                         << "-2147483648" << true;
    }
    void langeTalIFelterne() {
        QFETCH(QString, felt);
        QFETCH(QString, tekst);
        QFETCH(bool, afkortet);
        Program p;
        p.t->grafEnhed().visGrafform();
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        auto* e = p.find<TTalFelt>(felt);
        p.g().setFocus();
        e->setText(tekst);
        QCOMPARE(e->text(), tekst);
        const QFontMetrics fm(e->visteFont());
        QVERIFY2(fm.horizontalAdvance(e->visteTekst()) <= e->width(), qPrintable(e->visteTekst()));
        if (!afkortet) {
            QCOMPARE(e->visteTekst(), tekst);
            QVERIFY(e->toolTip().isEmpty());
            return;
        }
        QCOMPARE(e->toolTip(), tekst);
        // The sign and the leading digits are what is read.
        const QString vist = QString(e->visteTekst()).remove(QChar(0x2026));
        QVERIFY2(tekst.startsWith(vist) && vist.size() >= 2, qPrintable(e->visteTekst()));
        // A value that fits again gives the box its own tip back.
        e->setText(QStringLiteral("1"));
        QVERIFY(e->toolTip().isEmpty());
        QCOMPARE(e->visteTekst(), QStringLiteral("1"));
    }

    void ctrlTasterFoerBoksen_data() {
        QTest::addColumn<int>("tast");
        QTest::addColumn<TGrafformModel::Dialog>("dialog");
        QTest::newRow("Ctrl+Z zoomcentrum") << int(Qt::Key_Z) << TGrafformModel::Dialog::Zoomcenter;
        QTest::newRow("Ctrl+E farver") << int(Qt::Key_E) << TGrafformModel::Dialog::Farver;
    }
    void ctrlTasterFoerBoksen() {
        QFETCH(int, tast);
        QFETCH(TGrafformModel::Dialog, dialog);
        Program p;
        p.t->grafEnhed().visGrafform();
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        QApplication::setActiveWindow(&p.g());
        auto* a = p.find<QLineEdit>(QStringLiteral("aEdit"));
        p.skriv(QStringLiteral("aEdit"), QStringLiteral("12"));
        QCOMPARE(QApplication::focusWidget(), a);
        QSignalSpy spy(&p.t->grafEnhed().grafModel(), &TGrafformModel::dialogOenskes);
        QTest::keyClick(p.g().windowHandle(), Qt::Key(tast), Qt::ControlModifier);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<TGrafformModel::Dialog>(), dialog);
        QCOMPARE(a->text(), QStringLiteral("12"));
    }

    // A key that reaches the box while another window is the active one (the
    // activation lags behind) is still the graph window's first; typing and
    // the box's other Ctrl keys are left to the box.
    void ctrlTasterUdenAktivtVindue() {
        Program p;
        p.t->grafEnhed().visGrafform();
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        QApplication::setActiveWindow(&p.t->mainform());
        auto* a = p.find<QLineEdit>(QStringLiteral("aEdit"));
        a->setFocus();
        QTest::keyClicks(a, QStringLiteral("12"));
        QCOMPARE(a->text(), QStringLiteral("12"));
        QSignalSpy spy(&p.t->grafEnhed().grafModel(), &TGrafformModel::dialogOenskes);
        QTest::keyClick(a, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(a->text(), QStringLiteral("12"));
        QTest::keyClick(a, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(a->selectedText(), QStringLiteral("12"));
        QTest::keyClick(a, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(a->text().isEmpty());
    }

    // Home in a coefficient box moves the caret and keeps every box; with no
    // box focused it is the window's "Ny".
    void homeIKoefficientboks_data() {
        QTest::addColumn<bool>("tredjegrads");
        QTest::addColumn<QString>("boks");
        QTest::addColumn<QString>("foerste");
        QTest::newRow("grafvinduet") << false << "cEdit"
                                     << "aEdit";
        QTest::newRow("tredjegradsdialogen") << true << "ligningC"
                                             << "ligningA";
    }
    void homeIKoefficientboks() {
        QFETCH(bool, tredjegrads);
        QFETCH(QString, boks);
        QFETCH(QString, foerste);
        Program p;
        p.t->grafEnhed().visGrafform();
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        QWidget* vindue = &p.g();
        if (tredjegrads) {
            p.t->grafEnhed().visForm3();
            vindue = &p.t->grafEnhed().form3();
            QVERIFY(QTest::qWaitForWindowExposed(vindue));
        }
        QApplication::setActiveWindow(vindue);
        auto* e = vindue->findChild<QLineEdit*>(boks);
        auto* a = vindue->findChild<QLineEdit*>(foerste);
        a->setText(QStringLiteral("7"));
        e->setFocus();
        QTest::keyClicks(e, QStringLiteral("12"));
        QTest::keyClick(e, Qt::Key_Home);
        QCOMPARE(e->text(), QStringLiteral("12"));
        QCOMPARE(e->cursorPosition(), 0);
        QCOMPARE(a->text(), QStringLiteral("7"));

        vindue->setFocus();
        QTest::keyClick(vindue, Qt::Key_Home);
        QVERIFY(e->text().isEmpty());
        QVERIFY(a->text().isEmpty());
    }

    void tredjegradsdialogen() {
        Program p;
        p.t->grafEnhed().visGrafform();
        QVERIFY(QTest::qWaitForWindowExposed(&p.g()));
        QAction* punkt = nullptr;
        for (QAction* a : p.g().menu()->actions())
            if (a->text() == u"Tredjegradsligning...") punkt = a;
        QVERIFY(punkt);
        punkt->trigger();
        Tform3& f = p.t->grafEnhed().form3();
        QVERIFY(f.isVisible());
        QCOMPARE(f.windowTitle(), QStringLiteral("Tredjegradsligning"));
        QCOMPARE(f.pos(), p.t->grafEnhed().grafModel().vinduesPos + QPoint(270, 350));
        auto* a = f.findChild<QLineEdit*>(QStringLiteral("ligningA"));
        a->setFocus();
        QTest::keyClicks(a, QStringLiteral("1.5"));
        // Enter moves a -> b -> c -> d, and in d draws the curve.
        for (const char* naeste : {"ligningB", "ligningC", "ligningD", "ligningD"}) {
            QTest::keyClick(f.focusWidget(), Qt::Key_Return);
            QCOMPARE(f.focusWidget()->objectName(), QString::fromLatin1(naeste));
        }
        QCOMPARE(a->text(), QStringLiteral("1,5"));
        QCOMPARE(p.t->grafEnhed().grafModel().formelBox().last().tekst,
                 QStringLiteral("1,5x^3 = 0"));
        // Ctrl+N empties the boxes, whichever box has the focus.
        QTest::keyClick(f.findChild<QLineEdit*>(QStringLiteral("ligningC")), Qt::Key_N,
                        Qt::ControlModifier);
        QVERIFY(a->text().isEmpty());
        // Closing the graph window closes the dialog.
        p.g().close();
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(TstGrafform)
#include "tst_grafform.moc"
