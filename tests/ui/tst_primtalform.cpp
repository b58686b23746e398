#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/common/graense.h"
#include "ui/primes/primtalform.h"

#include <memory>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

struct Program : ProgramFixtur {};

class TstPrimtalform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    // The main window's "Primtal" button fills the box from the display and shows the window.
    void fraHovedvinduet() {
        Program p;
        QTest::keyClicks(&p.t->mainform(), QStringLiteral("2,6"));
        p.t->mainform().findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        TprimtalForm& f = p.t->primtalEnhed().primtalform();
        QVERIFY(f.isVisible());
        QCOMPARE(f.windowTitle(), QStringLiteral("Primtal"));
        QCOMPARE(f.primtalEdit()->text(), QStringLiteral("3"));
        for (QWidget* w : f.findChildren<QWidget*>())
            if (w->isVisibleTo(&f) && !qobject_cast<QLabel*>(w) && w->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }

    void enterKoererTesten() {
        Program p;
        TprimtalForm& f = p.t->primtalEnhed().primtalform();
        f.vis();
        f.primtalEdit()->clear();
        QTest::keyClicks(f.primtalEdit(), QStringLiteral("15"));
        QTest::keyClick(f.primtalEdit(), Qt::Key_Return);
        QTRY_COMPARE(f.primtalListe()->count(), 2);
        QCOMPARE(f.primtalListe()->item(0)->text(), QStringLiteral("3"));
        QCOMPARE(f.primtalListe()->item(1)->text(), QStringLiteral("5"));
        QCOMPARE(f.slutInfoLabel()->text(),
                 QStringLiteral("Der blev fundet 2 tal, der går op i tallet."));
        QCOMPARE(f.startInfoLabel()->text(), QStringLiteral("Udført"));
        QVERIFY(f.startKnap()->isEnabled());
        // Typing past the largest number brings the box back to it with a message.
        f.primtalEdit()->clear();
        QTest::keyClicks(f.primtalEdit(), QStringLiteral("2147483648"));
        QCOMPARE(f.primtalEdit()->text(), QStringLiteral("2147483647"));
        QCOMPARE(p.beskeder.tekster().last(),
                 QStringLiteral("Indførte tal overstiger integer-værdien 2147483647."));
    }

    // While a test is under way neither window closes.
    void lukningAfvist() {
        Program p;
        TprimtalForm& f = p.t->primtalEnhed().primtalform();
        f.vis();
        p.t->primtalEnhed().primtal().primtalEdit = QStringLiteral("2147483647");
        QVERIFY(p.t->primtalEnhed().primtal().KanProcessenStartes());
        QVERIFY(!f.startKnap()->isEnabled() && !f.hentButton()->isEnabled());
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        // The main window says so in its modal message window; close that when it shows.
        QTimer::singleShot(0, [] {
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
        });
        QVERIFY(!p.t->mainform().close());
        QVERIFY(p.t->mainform().isVisible());
        p.t->primtalEnhed().primtal().koerSynkront();
        QCOMPARE(f.slutInfoLabel()->text(), QStringLiteral("Tallet er et primtal"));
        QVERIFY(f.close());
    }
};

QTEST_MAIN(TstPrimtalform)
#include "tst_primtalform.moc"
