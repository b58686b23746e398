// The information browser and the URL list through their windows, over the
// help content that comes with the program: F1 on every page and a right
// click on a key open their topics, the search finds a word, back and
// forward work, the structure menu shows names as they are, and every
// control can be found by its accessible name.
#include "core/info/infoformenmodel.h"
#include "core/info/urlliste.h"
#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/common/graense.h"
#include "ui/info/infoformen.h"
#include "ui/info/memoform.h"
#include "ui/info/strukturvisning.h"
#include "ui/info/urlform1.h"
#include "ui/info/websideflade.h"
#include "ui/info/websider.h"

#include <memory>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {} // namespace

// The whole program over a temporary data folder holding the shipped help.
struct Program : ProgramFixtur {
    Program()
        : ProgramFixtur([](const QDir& mappe) {
              kopierMappe(QStringLiteral(TAVLIX_KILDEMAPPE "/data/Tavlixmappe/Struktur"),
                          mappe.filePath(QStringLiteral("Struktur")));
          }) {}
    Tinfoformen& b() { return t->infoEnhed().infoformen(); }
    TInfoformenModel& m() { return t->infoEnhed().infoModel(); }
    QString side() { return b().web()->url().fileName(); }
    QString valgt() {
        const TStrukturNode* n = m().Struktur.Selected();
        return n ? n->tekst : QString();
    }
};

class TstInfo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    void f1PaaHverSide_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("emne");
        QTest::newRow("calculator") << int(TMainformModel::RmSide) << "Tavlix";
        QTest::newRow("simple calculator") << int(TMainformModel::RmSideX) << "Tavlix";
        QTest::newRow("quadratic") << int(TMainformModel::AndengradsSide) << "Andengradsligning";
        QTest::newRow("two equations") << int(TMainformModel::LigningerSide) << "Ligninger";
        QTest::newRow("formulas") << int(TMainformModel::FormelSide) << "Formelstruktur";
        QTest::newRow("statistics") << int(TMainformModel::StatistikSide) << "Statistik";
    }
    void f1PaaHverSide() {
        QFETCH(int, side);
        QFETCH(QString, emne);
        Program p;
        switch (side) {
        case TMainformModel::RmSideX:
            p.t->model().visRmBoksX();
            break;
        case TMainformModel::AndengradsSide:
            p.t->model().visAndengradsBoks();
            break;
        case TMainformModel::LigningerSide:
            p.t->model().visLigningerBoks();
            break;
        case TMainformModel::FormelSide:
            p.t->model().visFormelBoks();
            break;
        case TMainformModel::StatistikSide:
            p.t->model().visStatistikBoks();
            break;
        default:
            break;
        }
        QTest::keyClick(&p.t->mainform(), Qt::Key_F1);
        QVERIFY(p.b().isVisible());
        QCOMPARE(p.valgt(), emne);
        QCOMPARE(p.side(), emne + u".html"_s);
        QCOMPARE(p.b().windowTitle(), QStringLiteral("Info.txt"));
        QVERIFY(p.beskeder.boxe.isEmpty());
    }

    void hoejreklikPaaSin() {
        Program p;
        QPushButton* sin = nullptr;
        for (auto* k : p.t->mainform().findChildren<QPushButton*>())
            if (k->text() == QLatin1String("Sin") && k->isVisible()) sin = k;
        QVERIFY(sin);
        QTest::mouseClick(sin, Qt::RightButton);
        QCOMPARE(p.valgt(), QStringLiteral("Trigonometriske funktioner"));
        QCOMPARE(p.side(), QStringLiteral("Trigonometriske funktioner.html"));
        QVERIFY(p.b().strukturVisning()->currentItem()->isSelected());
    }

    void soegOgHistorik() {
        Program p;
        p.t->model().Information(QStringLiteral("Statistik"));
        p.t->model().Enhedsinformation(QStringLiteral("Længde"));
        QCOMPARE(p.b().windowTitle(), QStringLiteral("Enhedsinformation.txt"));

        p.b().handling(u"Aback"_s)->trigger();
        QCOMPARE(p.side(), QStringLiteral("Statistik.html"));
        QCOMPARE(p.b().windowTitle(), QStringLiteral("Info.txt"));
        QVERIFY(p.b().handling(u"Aforward"_s)->isEnabled());
        p.b().handling(u"Aforward"_s)->trigger();
        QCOMPARE(p.side(), QStringLiteral("Længde.html"));
        QVERIFY(!p.b().handling(u"Aforward"_s)->isEnabled());

        // The search page: type a word and press Enter.
        p.b().infoBog()->setCurrentIndex(1);
        QTest::keyClicks(p.b().editFind(), QStringLiteral("kilogram"));
        QTest::keyClick(p.b().editFind(), Qt::Key_Return);
        QStringList fundet;
        for (int i = 0; i < p.b().findis()->count(); ++i)
            fundet << p.b().findis()->item(i)->text();
        QVERIFY2(fundet.contains(QStringLiteral("Vægt_Masse")), qPrintable(fundet.join(u',')));
        QVERIFY(!fundet.contains(QStringLiteral("Vægt_Masse.html")));
        const QRect r = p.b().findis()->visualItemRect(p.b().findis()->item(0));
        QTest::mouseClick(p.b().findis()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(p.side(), fundet[0] + u".html"_s);
    }

    void traeKlikOgAdresse() {
        Program p;
        p.t->model().Information(QStringLiteral("Pi"));
        auto* trae = p.b().strukturVisning();
        QTreeWidgetItem* it = trae->item(trae->struktur().forsteNode());
        trae->scrollToItem(it);
        QTest::mouseClick(trae->viewport(), Qt::LeftButton, {}, trae->visualItemRect(it).center());
        QCOMPARE(p.side(), QStringLiteral("Tavlix.html"));

        QLineEdit* adresse = p.b().adresse();
        adresse->clear();
        QTest::keyClicks(adresse, QStringLiteral("Fakultet.html"));
        QTest::keyClick(adresse, Qt::Key_Return);
        QCOMPARE(p.side(), QStringLiteral("Fakultet.html"));
        QCOMPARE(p.valgt(), QStringLiteral("Fakultet"));
    }

    void strukturMenu() {
        Program p;
        QDir(p.dir.path()).mkpath(QStringLiteral("Struktur/A&B/tekstfiler"));
        QFile f(p.dir.path() + QStringLiteral("/Struktur/A&B/struktur.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Forside\r\n");
        f.close();
        p.t->infoEnhed().infoModel().createStrukturPU();
        QStringList tekster;
        for (QAction* a : p.b().strukturMenu()->actions())
            if (!a->isSeparator()) tekster << a->text();
        QCOMPARE(tekster, (QStringList{u"Program information"_s, u"Enhedsinformation"_s, u"A&&B"_s,
                                       u"Enhedsinformation"_s, u"Info"_s}));
        p.b().strukturMenu()->actions().at(3)->trigger();
        QCOMPARE(p.b().windowTitle(), QStringLiteral("A&B"));
        QCOMPARE(p.valgt(), QStringLiteral("Forside"));
        p.b().strukturMenu()->actions().at(0)->trigger(); // "Program information"
        QCOMPARE(p.valgt(), QStringLiteral("Tavlix"));
    }

    void urlboks() {
        Program p;
        for (const char* e : {"Pi", "Negate", "Reciprok", "Fakultet"})
            p.t->model().Information(QString::fromUtf8(e));
        Turlform1* u = p.b().urlform();
        u->visVindue();
        QVERIFY(QTest::qWaitForWindowExposed(u));
        QCOMPARE(u->windowTitle(), QStringLiteral("Urlboks"));
        QCOMPARE(u->urlListe()->count(), u->strukturliste()->count());
        const QRect r = u->urlListe()->visualItemRect(u->urlListe()->item(2));
        QTest::mouseClick(u->urlListe()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(u->strukturliste()->currentRow(), 2);
        QTest::mouseDClick(u->urlListe()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(p.side(), u->urlListe()->item(2)->text() + u".html"_s);
        QVERIFY(u->sletKnap()->isEnabled());
        QTest::mouseClick(u->sletKnap(), Qt::LeftButton);
        QCOMPARE(u->urlListe()->count(), 0);
        QVERIFY(!u->sletKnap()->isEnabled());
        QVERIFY(!p.b().handling(u"Aback"_s)->isEnabled());
        QVERIFY(!p.b().handling(u"Aforward"_s)->isEnabled());
    }

    void tilgaengeligeNavne() {
        Program p;
        p.t->model().Information(QStringLiteral("Tavlix"));
        p.b().urlform()->visVindue();
        TmemoForm memo;
        for (QWidget* vindue :
             {static_cast<QWidget*>(&p.b()), static_cast<QWidget*>(p.b().urlform()),
              static_cast<QWidget*>(&memo)}) {
            QSet<QString> navne;
            for (QWidget* w : vindue->findChildren<QWidget*>()) {
                const bool kontrol =
                    qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                    qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                    qobject_cast<QTabWidget*>(w);
                // Parts Qt builds inside its own widgets are named by Qt.
                if (!kontrol || w->objectName().startsWith(QLatin1String("qt_")) ||
                    w->inherits("QTabBar") || w->inherits("QToolBarExtension") ||
                    w->inherits("QLineEditIconButton") || w->inherits("QHeaderView"))
                    continue;
                QVERIFY2(!w->accessibleName().isEmpty(),
                         qPrintable(QString::fromLatin1(w->metaObject()->className()) + u' ' +
                                    w->objectName()));
                QVERIFY2(!navne.contains(w->accessibleName()), qPrintable(w->accessibleName()));
                navne << w->accessibleName();
            }
        }
        QCOMPARE(memo.windowTitle(), QStringLiteral("memoForm"));
        QCOMPARE(memo.Memo()->font().pointSize(), 10);
    }

    // The real page view; it needs the web engine and a display, so it runs
    // only when asked for: TAVLIX_WEBMOTOR_TEST=1 (with QT_QPA_PLATFORM=xcb).
    void webMotorViserSiden() {
        if (qEnvironmentVariable("TAVLIX_WEBMOTOR_TEST") != QLatin1String("1"))
            QSKIP("set TAVLIX_WEBMOTOR_TEST=1 to try the web engine page view");
        qunsetenv("TAVLIX_WEBSIDE");
        websider::forbered();
        Program p;
        // The shipped pages show in the rich-text view; a page with a script
        // of its own gets the engine.
        p.t->model().Information(QStringLiteral("Pi"));
        QVERIFY(!websider::erWebMotor());
        const QString side = p.m().Mappe + QStringLiteral("/Script.html");
        QFile f(side);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><head><title>S</title><script>document.title='Scriptet'</script>"
                "</head><body>x</body></html>");
        f.close();
        p.b().web()->naviger(QUrl::fromLocalFile(side));
        QVERIFY(websider::erWebMotor());
        QTRY_COMPARE_WITH_TIMEOUT(p.m().Edit, QStringLiteral("Script.html"), 30000);
        p.t->model().Information(QStringLiteral("Pi"));
        QVERIFY(!websider::erWebMotor());
        QCOMPARE(p.valgt(), QStringLiteral("Pi"));
        qputenv("TAVLIX_WEBSIDE", "tekst");
    }

    void indstillingerGemmesVedLuk() {
        Program p;
        p.t->model().Information(QStringLiteral("Pi"));
        p.b().close();
        QVERIFY(QFile::exists(p.dir.path() + QStringLiteral("/Egenskaber/infor.txt")));
        p.b().urlform()->visVindue();
        p.b().urlform()->close();
        QVERIFY(QFile::exists(p.dir.path() + QStringLiteral("/Egenskaber/urlboks1.txt")));
    }
};

QTEST_MAIN(TstInfo)
#include "tst_info.moc"
