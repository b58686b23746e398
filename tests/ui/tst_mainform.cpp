#include "beskedoptager.h"
#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/app/tavlix.h"
#include "ui/calc/displaypanel.h"
#include "ui/calc/listepanel.h"
#include "ui/calc/tastatur.h"
#include "ui/common/graense.h"
#include "ui/common/visning.h"
#include "ui/graph/grafform.h"
#include "ui/info/infoformen.h"
#include "ui/info/strukturform.h"
#include "ui/other/andetform.h"

#include <memory>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// The whole program over a temporary data folder, with recorded messages.
struct Program : ProgramFixtur {
    using ProgramFixtur::ProgramFixtur;
    QString status(int felt) { return w().statusBar()->findChildren<QLabel*>().at(felt)->text(); }
};

class TstMainform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
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
        QCOMPARE(punkter, QStringList({u"Information...\tF1"_s, u"Enhedsinformation..."_s, u"-"_s,
                                       u"Andre funktioner...\tF10"_s, u"-"_s, u"Egenskaber..."_s,
                                       u"Strukturprogram..."_s, u"-"_s, u"Send Kritik..."_s,
                                       u"Hjemmesiden..."_s, u"-"_s, u"Om Tavlix..."_s}));
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

    // Closing the main window ends the program: every other window closes and
    // writes its settings.
    void lukningLukkerAlleVinduer() {
        Program p;
        p.t->grafEnhed().visGrafform();
        p.t->andetEnhed().andetform().vis();
        p.t->infoEnhed().strukturform().vis();
        p.t->infoEnhed().infoformen().visVindue();
        const QList<QWidget*> vinduer{&p.t->grafEnhed().grafform(), &p.t->andetEnhed().andetform(),
                                      &p.t->infoEnhed().strukturform(),
                                      &p.t->infoEnhed().infoformen()};
        for (QWidget* v : vinduer)
            QVERIFY(v->isVisible());
        const QString egenskaber = p.dir.path() + QStringLiteral("/Egenskaber/");
        p.beskeder.boxe.clear(); // the browser says it has no structures
        QVERIFY(p.w().close());
        for (QWidget* v : vinduer)
            QVERIFY2(!v->isVisible(), qPrintable(v->objectName()));
        for (const char* fil : {"mainform.txt", "grafer.txt", "andet.txt", "infor.txt"})
            QVERIFY2(QFile::exists(egenskaber + QString::fromLatin1(fil)), fil);
        QVERIFY2(p.beskeder.boxe.isEmpty(), qPrintable(p.beskeder.tekster().join(u" | "_s)));
    }

    // Files that cannot be written are named in one box, shown while the
    // main window still stands; then the window closes.
    void lukkefejlIEnBoks() {
        struct Optager : BeskedOptager {
            QWidget* vindue = nullptr;
            QList<bool> synlig;
            void fejl(const QString& t) override {
                BeskedOptager::fejl(t);
                synlig << (vindue && vindue->isVisible());
            }
        };
        QTemporaryDir dir;
        const QString egenskaber = dir.path() + QStringLiteral("/Egenskaber/");
        // A folder where a file should be: the graph window's is written by
        // the main window, the browser's by the browser as it closes.
        for (const char* fil : {"mainform.txt", "grafer.txt", "infor.txt"})
            QVERIFY(QDir().mkpath(egenskaber + QString::fromLatin1(fil)));
        Optager beskeder;
        Tavlix t(*qApp, dir.path(), &beskeder);
        t.vis();
        QVERIFY(QTest::qWaitForWindowExposed(&t.mainform()));
        beskeder.vindue = &t.mainform();
        t.grafEnhed().visGrafform();
        t.infoEnhed().infoformen().visVindue();
        beskeder.boxe.clear(); // the browser says it has no structures
        QVERIFY(t.mainform().close());
        QVERIFY2(beskeder.boxe.size() == 1, qPrintable(beskeder.tekster().join(u" | "_s)));
        QCOMPARE(beskeder.boxe.first().art, QStringLiteral("fejl"));
        QCOMPARE(beskeder.synlig, QList<bool>{true});
        const QString tekst = beskeder.boxe.first().tekst;
        for (const char* fil : {"mainform.txt", "grafer.txt", "infor.txt"})
            QVERIFY2(tekst.contains(egenskaber + QString::fromLatin1(fil)), qPrintable(tekst));
        QVERIFY(!t.mainform().isVisible());
        QVERIFY(!t.infoEnhed().infoformen().isVisible());
    }

    // "Ryd til ny formel" (Ctrl+Home) works while the expression window has
    // the focus, which is where its menu offers it.
    void rydTilNyFormelFraUdtryksvinduet() {
        Program p;
        p.t->model().metaVisClick();
        QPlainTextEdit* memo = p.w().metaPanel()->uMemo();
        QVERIFY(memo->isVisible());
        QApplication::setActiveWindow(&p.w());
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("2+3"));
        QCOMPARE(p.t->udtryk().uMemo(), QStringLiteral("2+3"));
        QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
        QVERIFY(memo->toPlainText().isEmpty());
        QVERIFY(p.t->udtryk().uMemo().isEmpty());
        // Home alone still moves the caret in the memo.
        QTest::keyClicks(memo, QStringLiteral("4*5"));
        QTest::keyClick(memo, Qt::Key_Home);
        QCOMPARE(memo->textCursor().position(), 0);
        QCOMPARE(memo->toPlainText(), QStringLiteral("4*5"));
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
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
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
