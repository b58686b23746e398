#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/calc/tastatur.h"
#include "ui/common/graense.h"
#include "ui/common/visning.h"
#include "ui/info/infoformen.h"
#include "ui/other/andetform.h"
#include "ui/other/datopanel.h"
#include "ui/other/enhedspanel.h"
#include "ui/other/talsystempanel.h"

#include <memory>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// The whole program over a temporary data folder with the date program in
// place, and the other-functions window opened with F10.
struct Program : ProgramFixtur {
    Program()
        : ProgramFixtur([](const QDir& mappe) {
              mappe.mkpath(QStringLiteral("datediff"));
              QFile::copy(QStringLiteral(TAVLIX_DATEDIFF),
                          mappe.filePath(QStringLiteral("datediff/datediff")));
          }) {
        QTest::keyClick(&t->mainform(), Qt::Key_F10);
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    Tandetform& w() { return t->andetEnhed().andetform(); }
};

class TstAndetform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    void vinduetOgNavnene() {
        QTemporaryDir dir;
        BeskedOptager b;
        Tavlix t(*qApp, dir.path(), &b);
        // Built on first show, not at start-up.
        QVERIFY(!t.andetEnhed().andetform().bog());
        t.vis();
        t.model().mAfunkClick();
        QVERIFY(QTest::qWaitForWindowExposed(&t.andetEnhed().andetform()));
        Tandetform& w = t.andetEnhed().andetform();
        QCOMPARE(w.windowTitle(), QStringLiteral("Andre funktioner"));
        QCOMPARE(w.bog()->count(), 3);
        QCOMPARE(w.bog()->currentIndex(), 2); // "Enhedskonvertering" without options
        QStringList navne;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            const bool styring = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                                 qobject_cast<TVisning*>(c) || qobject_cast<QCalendarWidget*>(c);
            if (!styring || c->parent()->inherits("QCalendarWidget") ||
                c->parentWidget()->inherits("QAbstractItemView") || c->inherits("QTabBar"))
                continue;
            if (c->objectName().startsWith(QStringLiteral("qt_"))) continue;
            QVERIFY2(!c->accessibleName().isEmpty(),
                     qPrintable(c->objectName() + u' ' +
                                QString::fromLatin1(c->metaObject()->className())));
            navne << c->accessibleName();
        }
        QStringList dubletter;
        for (const QString& n : navne)
            if (navne.count(n) > 1) dubletter << n;
        QVERIFY2(dubletter.isEmpty(), qPrintable(dubletter.join(u'|')));
        QCOMPARE(w.side1()->ciffer(0)->accessibleDescription(),
                 QStringLiteral("Tilføj cifferet 0"));
    }

    void konverteringTilHukommelsesmenuen() {
        Program p;
        TEnhedsPanel* s = p.w().side3();
        s->valg(1)->click(); // Effekt
        QCOMPARE(s->tilEdit()->text(), QStringLiteral("Ca. 735,499"));
        s->sendHukKnap()->click();
        QCOMPARE(s->tilEdit()->text(), QStringLiteral("735,499"));
        auto* tastatur = p.t->mainform().side(0)->findChild<TTastatur*>();
        QMenu* liste = tastatur->hukommelsesMenu()->findChild<QMenu*>(QStringLiteral("Hukommelse"));
        QStringList poster;
        for (QAction* a : liste->actions())
            poster << a->text();
        QVERIFY2(poster.contains(QStringLiteral("735,499")), qPrintable(poster.join(u'|')));
        QCOMPARE(tastatur->findChild<TVisning*>(QStringLiteral("hukDisplay"))->text(),
                 QStringLiteral("735,499"));
    }

    void indtastningFiltreres() {
        Program p;
        TEnhedsPanel* s = p.w().side3();
        s->fraEdit()->clear();
        QTest::keyClicks(s->fraEdit(), QStringLiteral("2.5"));
        QCOMPARE(s->fraEdit()->text(), QStringLiteral("25"));
        QCOMPARE(s->tilEdit()->text(), QStringLiteral("101171,41056"));
        s->enhedsKnap(1)->click();
        QTest::keyClicks(s->felt(1), QStringLiteral("0,0001"));
        QTest::keyClick(s->felt(1), Qt::Key_Return);
        QCOMPARE(s->felt(3)->text(), QStringLiteral("1,74532925199433E-6"));
    }

    void talsystemMedTastaturet() {
        Program p;
        p.w().bog()->setCurrentIndex(0);
        TTalsystemPanel* s = p.w().side1();
        QTest::keyClicks(&p.w(), QStringLiteral("255"));
        QCOMPARE(s->inputEdit()->text(), QStringLiteral("255"));
        s->outputKnap(14)->click(); // Hex
        QCOMPARE(s->outputEdit()->text(), QStringLiteral("FF"));
        s->inputKnap(0)->click(); // Bin
        QVERIFY(!s->ciffer(2)->isEnabled());
        QTest::keyClicks(&p.w(), QStringLiteral("1021"));
        QCOMPARE(s->inputEdit()->text(), QStringLiteral("101"));
        QVERIFY(s->outputKnap(0)->isChecked());
        // On another page the digits are not taken.
        p.w().bog()->setCurrentIndex(2);
        QTest::keyClicks(&p.w(), QStringLiteral("1"));
        QCOMPARE(p.t->andetEnhed().andet().talsystemer.inputEdit, QStringLiteral("101"));
    }

    void datoforskelMedProgrammet() {
        Program p;
        p.w().bog()->setCurrentIndex(1);
        TDatoPanel* s = p.w().side2();
        const QString felter[2][3] = {{u"1"_s, u"1"_s, u"2019"_s}, {u"2"_s, u"2"_s, u"2020"_s}};
        for (int nr = 1; nr <= 2; ++nr) {
            for (int f = 0; f < 3; ++f) {
                s->dato(nr).felt[f]->selectAll();
                QTest::keyClicks(s->dato(nr).felt[f], felter[nr - 1][f]);
            }
            s->dato(nr).opdater->click();
        }
        QCOMPARE(s->dato(2).kalender->selectedDate(), QDate(2020, 2, 2));
        s->beregnKnap()->click();
        QTRY_COMPARE_WITH_TIMEOUT(s->edit1()->text(), QStringLiteral("1 år, 1 måned samt 1 dag."),
                                  10000);
        QCOMPARE(s->edit2()->text(), QStringLiteral("397 dage ialt."));
        QVERIFY(p.beskeder.boxe.isEmpty());
        s->dato(1).kalender->setSelectedDate(QDate(2019, 1, 31));
        QCOMPARE(s->dato(1).felt[0]->text(), QStringLiteral("31"));
        QTest::mouseClick(p.w().findChild<QPushButton*>(QStringLiteral("m1Next")), Qt::LeftButton);
        QCOMPARE(s->dato(1).kalender->selectedDate(), QDate(2019, 2, 28));
    }

    // With "Vis enhedsinformation" every key in the value box turns the
    // browser's page; only the first shows the browser, and the focus stays
    // in the box for the next digit.
    void enhedsinformationTagerIkkeFokus() {
        Program p;
        TEnhedsPanel* s = p.w().side3();
        for (int i = 0; i < p.w().bog()->count(); ++i)
            if (p.w().bog()->widget(i)->isAncestorOf(s) || p.w().bog()->widget(i) == s)
                p.w().bog()->setCurrentIndex(i);
        QVERIFY(s->isVisible());
        s->visEinfoCheck()->click();
        s->fraEdit()->setFocus();
        QTest::keyClick(s->fraEdit(), Qt::Key_2);
        QTRY_VERIFY(p.t->infoEnhed().infoformen().isVisible());

        p.w().activateWindow();
        QTRY_VERIFY(p.w().isActiveWindow());
        s->fraEdit()->setFocus();
        for (const Qt::Key k : {Qt::Key_5, Qt::Key_0}) {
            QTest::keyClick(s->fraEdit(), k);
            QApplication::processEvents();
            QVERIFY(p.w().isActiveWindow());
            QCOMPARE(QApplication::focusWidget(), s->fraEdit());
        }
        QVERIFY(p.t->infoEnhed().infoformen().isVisible());
    }

    void optionerGemmesNaarHovedvinduetLukker() {
        {
            Program p;
            const QString sti = p.t->andetEnhed().andet().optFilnavn;
            p.w().bog()->setCurrentIndex(1);
            p.w().side3()->visEinfoCheck()->click();
            p.t->mainform().close();
            QFile f(sti);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(sti));
            const QList<QByteArray> linjer = f.readAll().split('\n');
            QCOMPARE(linjer.size(), 6);
            QCOMPARE(linjer.at(3).trimmed(), QByteArray("1"));
            QCOMPARE(linjer.at(4).trimmed(), QByteArray("1"));
        }
    }

    void hintlinjen() {
        Program p;
        QPushButton* ny = p.w().findChild<QPushButton*>(QStringLiteral("nyKnap"));
        p.w().bog()->setCurrentIndex(0);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(ny, &enter);
        QCOMPARE(p.w().infoBar()->text(),
                 QStringLiteral("Forbered nyt input med samme input talsystem"));
    }
};

QTEST_MAIN(TstAndetform)
#include "tst_andetform.moc"
