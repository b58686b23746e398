// The formula page through the window: write, save, find in the list, load,
// run with typed values, delete, "[G]", keys and accessible names.
#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/calc/displaypanel.h"
#include "ui/calc/listepanel.h"
#include "ui/common/graense.h"
#include "ui/common/visning.h"
#include "ui/formula/formelpanel.h"

#include <memory>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Program : ProgramFixtur {
    explicit Program(const QByteArray& formelfil = {})
        : ProgramFixtur([&formelfil](const QDir& mappe) {
              mappe.mkpath(QStringLiteral("Formler"));
              if (formelfil.isEmpty()) return;
              QFile f(mappe.filePath(QStringLiteral("Formler/areal.txt")));
              QVERIFY(f.open(QIODevice::WriteOnly));
              f.write(formelfil);
          }) {}
    TFormelPanel* panel() { return qobject_cast<TFormelPanel*>(w().side(3)); }
    QToolButton* knap(const char* navn) {
        return panel()->findChild<QToolButton*>(QString::fromLatin1(navn));
    }
    QStringList liste() { return t->meta().linjer; }
    void tast(const QString& taster) {
        for (QChar c : taster) {
            if (c == u'\r')
                QTest::keyClick(&w(), Qt::Key_Return);
            else
                QTest::keyClick(&w(), c.toLatin1());
        }
    }
};

const QByteArray
    rektangel("!Areal af et rektangel\r\n:L\xe6ngde\r\n:Bredde\r\n*[0]=\r\n:Areal\r\n");

} // namespace

class TstFormelpanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    void sidenOgNavne() {
        Program p(rektangel);
        auto* sideknap = qobject_cast<QToolButton*>(p.w().sideskiftKnap(4));
        QCOMPARE(sideknap->text(), QStringLiteral("[1]"));
        QVERIFY(!p.panel()->formelBog()); // built when first shown
        QTest::keyClick(&p.w(), Qt::Key_F4);
        QVERIFY(p.panel()->isVisible());
        QVERIFY(p.panel()->formelBog());
        QCOMPARE(p.w().width(), 221);
        QCOMPARE(p.panel()->formelBog()->tabText(0), QStringLiteral("Formel"));
        QCOMPARE(p.panel()->formelBog()->tabText(1), QStringLiteral("Formelfiler"));
        // The panel-switch bar ends the page.
        QVERIFY(p.panel()->isAncestorOf(sideknap));
        QStringList navne;
        for (QWidget* c : p.panel()->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(p.panel()) || qobject_cast<QTabWidget*>(c->parentWidget()))
                continue;
            if (qobject_cast<QToolButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                qobject_cast<QPlainTextEdit*>(c) || qobject_cast<QListWidget*>(c)) {
                QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
                navne << c->accessibleName();
            }
        }
        QCOMPARE(navne.removeDuplicates(), 0);
        QCOMPARE(p.knap("formelBeregn")->toolTip(), QStringLiteral("Udfør programmeringen: F9"));
        QCOMPARE(p.knap("formelNy")->accessibleDescription(),
                 QStringLiteral("Ny formel: Home eller Ctrl+n"));
        QCOMPARE(p.knap("formelSpm")->toolTip(), QStringLiteral("Information: Formelstruktur"));
        QStringList menu;
        for (QAction* a : p.panel()->filboksHandlinger())
            menu << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(menu, QStringList({u"Opdater listen"_s, u"-"_s, u"Slet valgte formelfil"_s}));
    }

    // Write, save, find in the list, load, run with typed values, delete.
    void helVejen() {
        Program p;
        QTest::keyClick(&p.w(), Qt::Key_F4);
        TFormelPanel* panel = p.panel();
        panel->formelMemo()->setFocus();
        panel->formelMemo()->insertPlainText(QStringLiteral(":Længde\n:Bredde\n*[0]=\n:Areal"));
        // Home edits while the editor has the focus.
        QTest::keyClick(&p.w(), Qt::Key_Home);
        QCOMPARE(p.t->formelEnhed().formelprogram().formelMemo().size(), 4);
        QTest::keyClicks(panel->formelFilnavn(), QStringLiteral("areal"));
        p.knap("formelGem")->click();
        QVERIFY(QFile::exists(p.dir.path() + QStringLiteral("/Formler/areal.txt")));
        QCOMPARE(qobject_cast<QToolButton*>(p.w().sideskiftKnap(4))->text(), QStringLiteral("[1]"));

        p.knap("formelNy")->click();
        QVERIFY(panel->formelMemo()->toPlainText().isEmpty());
        QVERIFY(panel->formelFilnavn()->text().isEmpty());

        panel->formelBog()->setCurrentIndex(1);
        QCOMPARE(panel->formelFilboks()->count(), 1);
        panel->formelFilboks()->setFocus();
        panel->formelFilboks()->setCurrentRow(0);
        QTest::keyClick(panel->formelFilboks(), Qt::Key_Return);
        QCOMPARE(panel->formelBog()->currentIndex(), 0);
        QCOMPARE(panel->formelMemo()->toPlainText(),
                 QStringLiteral(":Længde\n:Bredde\n*[0]=\n:Areal"));
        QCOMPARE(panel->formelFilnavn()->text(), QStringLiteral("areal.txt"));

        p.knap("formelBeregn")->click();
        QVERIFY(p.w().side(0)->isVisible());
        QVERIFY(p.w().metaPanel()->isVisible());
        p.tast(QStringLiteral("4\r3\r"));
        QCOMPARE(p.liste(), QStringList({u"Længde"_s, u"Længde = 4"_s, u"Bredde"_s, u"Bredde = 3"_s,
                                         u"Areal = 12"_s, u"Udført"_s, u""_s}));
        QCOMPARE(p.display(), QStringLiteral("12"));

        // "[G]" runs it again from the calculator page.
        auto* gentag = p.w().metaPanel()->findChild<QToolButton*>(QStringLiteral("metaGentag"));
        QVERIFY(gentag->isEnabled());
        gentag->click();
        QCOMPARE(p.liste(), QStringList({u"Længde"_s}));
        p.tast(QStringLiteral("5\r2\r"));
        QCOMPARE(p.liste().at(4), QStringLiteral("Areal = 10"));

        QTest::keyClick(&p.w(), Qt::Key_F4);
        panel->formelBog()->setCurrentIndex(1);
        panel->formelFilboks()->setCurrentRow(0);
        p.beskeder.svar.enqueue(true);
        panel->filboksHandlinger().last()->trigger();
        QCOMPARE(p.beskeder.tekster().last(), QStringLiteral("Skal filen areal.txt slettes?"));
        QCOMPARE(panel->formelFilboks()->count(), 0);
        QVERIFY(!QFile::exists(p.dir.path() + QStringLiteral("/Formler/areal.txt")));
        QCOMPARE(qobject_cast<QToolButton*>(p.w().sideskiftKnap(4))->text(), QStringLiteral("[0]"));
    }

    void tasterPaaSiden() {
        Program p(rektangel);
        QTest::keyClick(&p.w(), Qt::Key_F4);
        TFormelPanel* panel = p.panel();
        panel->formelBog()->setCurrentIndex(1);
        QListWidget* liste = panel->formelFilboks();
        const QPoint punkt = liste->visualItemRect(liste->item(0)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, punkt);
        QCOMPARE(panel->formelMemo()->toPlainText().split(u'\n').size(), 5);
        panel->formelBog()->setFocus();
        QTest::keyClick(&p.w(), Qt::Key_F9);
        QVERIFY(p.w().side(0)->isVisible());
        QCOMPARE(p.liste(), QStringList({u"Areal af et rektangel"_s, u"Længde"_s}));
        QTest::keyClick(&p.w(), Qt::Key_F4);
        QTest::keyClick(&p.w(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(panel->formelMemo()->toPlainText().isEmpty());
    }

    // "Ny" from the editor (Ctrl+N there) is an edit that Ctrl+Z takes back,
    // and the program gets the restored text.
    void nyKanFortrydes() {
        Program p;
        QTest::keyClick(&p.w(), Qt::Key_F4);
        QPlainTextEdit* memo = p.panel()->formelMemo();
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral(":a"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("*2="));
        QTest::keyClick(memo, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(memo->toPlainText().isEmpty());
        QVERIFY(p.t->formelEnhed().formelprogram().formelMemo().isEmpty());
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), QStringLiteral(":a\n*2="));
        QCOMPARE(p.t->formelEnhed().formelprogram().formelMemo(), QStringList({u":a"_s, u"*2="_s}));
    }
};

QTEST_MAIN(TstFormelpanel)
#include "tst_formelpanel.moc"
