#include "app/mainform.h"
#include "app/tavlix.h"
#include "beskedoptager.h"
#include "calc/displaypanel.h"
#include "calc/listepanel.h"
#include "calc/tastatur.h"
#include "common/graense.h"
#include "common/visning.h"
#include "programfixtur.h"

#include <memory>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The whole program over a temporary data folder, with recorded messages.
struct Program : ProgramFixtur {
    using ProgramFixtur::ProgramFixtur;
    QString status(int felt) { return w().statusBar()->findChildren<QLabel*>().at(felt)->text(); }
};

class TstMainform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable("error box: " + t)); });
    }

    void vinduet() {
        Program p;
        QCOMPARE(p.w().windowTitle(), QStringLiteral("Tavlix"));
        QVERIFY(!(p.w().windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(p.w().minimumHeight(), p.w().maximumHeight());
        QCOMPARE(p.w().width(), 300);
        QVERIFY(p.w().side(0)->isVisible());
        QVERIFY(!p.w().metaPanel()->isVisible());
        QVERIFY(p.w().udBox()->isVisible());
        QCOMPARE(p.display(), QStringLiteral("0"));
    }

    void menuen() {
        Program p;
        QStringList punkter;
        for (QAction* a : p.w().menuPU()->actions())
            punkter << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(punkter, QStringList({"Information...\tF1", "Enhedsinformation...", "-",
                                       "Andre funktioner...\tF10", "-", "Egenskaber...",
                                       "Strukturprogram...", "-", "Send Kritik...",
                                       "Hjemmesiden...", "-", "Om Tavlix..."}));
    }

    void sideskiftMedTaster() {
        Program p;
        QTest::keyClick(&p.w(), Qt::Key_F2);
        QVERIFY(p.w().side(1)->isVisible());
        QVERIFY(!p.w().side(0)->isVisible());
        QVERIFY(!p.w().udBox()->isVisible());
        QCOMPARE(p.w().width(), 221);
        QTest::keyClick(&p.w(), Qt::Key_F8);
        QVERIFY(p.w().side(100)->isVisible());
        // The display block moved into the simple page.
        QVERIFY(p.w().side(100)->isAncestorOf(p.w().displayPanel()));
        QVERIFY(p.w().side(100)->isAncestorOf(p.w().menuPanel()));
        QTest::keyClick(&p.w(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(p.w().side(0)->isAncestorOf(p.w().displayPanel()));
        QCOMPARE(p.w().width(), 300);
    }

    void listepanelKnap() {
        Program p;
        auto* vis = p.w().menuPanel()->findChild<QPushButton*>(QStringLiteral("metaVis"));
        QVERIFY(vis);
        vis->click();
        QVERIFY(p.w().metaPanel()->isVisible());
        QCOMPARE(p.w().width(), 489);
        vis->click();
        QVERIFY(!p.w().metaPanel()->isVisible());
        QCOMPARE(p.w().width(), 300);
    }

    void tasterRegner() {
        Program p;
        p.skriv(QStringLiteral("2+3*4="));
        QCOMPARE(p.display(), QStringLiteral("14"));
        QCOMPARE(p.w().udBox()->text(), QStringLiteral("2 + 3 * 4 = 14"));
        p.skriv(QStringLiteral("1.5"));
        QCOMPARE(p.display(), QStringLiteral("1,5"));
        QTest::keyClick(&p.w(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1,5"));
        QTest::keyClick(&p.w(), Qt::Key_Home);
        QCOMPARE(p.display(), QStringLiteral("0"));
    }

    void knapKlikOgBogstav() {
        Program p;
        auto* tastatur = p.w().side(0)->findChild<TTastatur*>();
        QVERIFY(tastatur);
        static_cast<QPushButton*>(tastatur->knap(QStringLiteral("rm7")))->click();
        static_cast<QPushButton*>(tastatur->knap(QStringLiteral("beN")))->click();
        QCOMPARE(p.display(), QStringLiteral("5040"));
        QAbstractButton* sin = tastatur->knap(QStringLiteral("beSin"));
        QEvent ind(QEvent::Enter);
        QApplication::sendEvent(sin, &ind);
        QCOMPARE(p.status(1), QStringLiteral("s"));
        QCOMPARE(p.status(3), QStringLiteral("Tal [Sin] : [inv] Tal [ArcSin]"));
        QEvent ud(QEvent::Leave);
        QApplication::sendEvent(sin, &ud);
        QCOMPARE(p.status(1), QString());
    }

    // Hints of actions and menu items (status tips) go into the fourth field
    // like every other hint, and not at all while hints are switched off.
    void statusTipsIFjerdeFelt() {
        Program p;
        QToolButton* slet = p.w().displayPanel()->disSlet();
        QStatusTipEvent tip(QStringLiteral("Sæt værdien til nul"));
        QApplication::sendEvent(slet, &tip);
        QCOMPARE(p.w().statusBar()->currentMessage(), QString());
        QCOMPARE(p.status(0), QStringLiteral("Genvej:"));
        QCOMPARE(p.status(3), QStringLiteral("Sæt værdien til nul"));
        p.t->model().doShowHint = false;
        QStatusTipEvent andet(QStringLiteral("Afrund tallet til nærmeste heltal"));
        QApplication::sendEvent(slet, &andet);
        QCOMPARE(p.w().statusBar()->currentMessage(), QString());
        QCOMPARE(p.status(3), QStringLiteral("Sæt værdien til nul"));
    }

    void invSkifterCaptions() {
        Program p;
        auto* tastatur = p.w().side(0)->findChild<TTastatur*>();
        QTest::keyClick(&p.w(), 'i');
        QCOMPARE(tastatur->knap(QStringLiteral("beSin"))->text(), QStringLiteral("ArcSin"));
        QCOMPARE(tastatur->knap(QStringLiteral("bePotensY"))->text(), QStringLiteral("x Rod y"));
        QVERIFY(tastatur->knap(QStringLiteral("funkInvers"))->isChecked());
        tastatur->knap(QStringLiteral("funkInvers"))->click();
        QCOMPARE(tastatur->knap(QStringLiteral("beSin"))->text(), QStringLiteral("Sin"));
    }

    void hukommelsesMenu() {
        Program p;
        auto* tastatur = p.w().side(0)->findChild<TTastatur*>();
        for (int i = 1; i <= 17; ++i)
            p.skriv(QString::number(i) + QStringLiteral("=g"));
        QMenu* liste = tastatur->hukommelsesMenu()->findChild<QMenu*>(QStringLiteral("Hukommelse"));
        QVERIFY(liste);
        QVERIFY(liste->findChildren<QToolButton*>().size() >= 16);
        auto* hukDisplay = tastatur->findChild<TVisning*>(QStringLiteral("hukDisplay"));
        QCOMPARE(hukDisplay->text(), QStringLiteral("17"));
    }

    void optionerGemmesVedLukning() {
        QString sti;
        {
            Program p;
            sti = p.dir.path() + QStringLiteral("/Egenskaber/mainform.txt");
            QTest::keyClick(&p.w(), Qt::Key_F3);
            p.w().close();
            QVERIFY(QFile::exists(sti));
            QFile f(sti);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QStringList l = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
            QCOMPARE(l.at(0), QStringLiteral("Iceberg Classico"));
            QCOMPARE(l.at(3), QStringLiteral("2"));
        }
    }

    // A digit after INF makes a text that is no number: the error box shows
    // its text, and "Ny" recovers.
    void cifferEfterInfVisesSomFejl() {
        Program p;
        QStringList fejl;
        setFejlModtager([&](const QString& t) { fejl << t; });
        p.skriv(QStringLiteral("1000e"));
        QCOMPARE(p.display(), QStringLiteral("INF"));
        p.skriv(QStringLiteral("5"));
        setFejlModtager([](const QString& t) { QFAIL(qPrintable("error box: " + t)); });
        QCOMPARE(fejl, QStringList{QStringLiteral("'INF5' er ikke et gyldigt tal")});
        QTest::keyClick(&p.w(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.display(), QStringLiteral("0"));
        p.skriv(QStringLiteral("2*3="));
        QCOMPARE(p.display(), QStringLiteral("6"));
    }

    void fejlIOptionerVisesOgProgrammetKoerer() {
        Program p({QStringLiteral("Pink")});
        QCOMPARE(p.beskeder.boxe.size(), 1);
        QCOMPARE(p.beskeder.boxe.first().art, QStringLiteral("fejl"));
        p.skriv(QStringLiteral("1+1="));
        QCOMPARE(p.display(), QStringLiteral("2"));
    }
};

QTEST_MAIN(TstMainform)
#include "tst_mainform.moc"
