// What a screen reader gets of the windows: every label that shows a value
// says what it is by its name and what it shows by its value and text, and
// tells of each new text; open pop-up menus are found under the program; the
// status messages reach the status bar whether hints are shown or not.
#include "core/equations/statistik.h"
#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/common/graense.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/common/visning.h"
#include "ui/graph/grafform.h"
#include "ui/info/infoformen.h"
#include "ui/info/strukturform.h"
#include "ui/info/urlform1.h"
#include "ui/other/andetform.h"
#include "ui/primes/primtalform.h"

#include <functional>
#include <memory>
#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The objects that told the accessibility bridge of a new text or value.
QList<QObject*>& meldte() {
    static QList<QObject*> l;
    return l;
}

void optag(QAccessibleEvent* e) {
    if (e->type() == QAccessible::TextUpdated || e->type() == QAccessible::ValueChanged)
        meldte().append(e->object());
}

// The whole program over a copy of the shipped data folder.
struct Program : ProgramFixtur {
    Program()
        : ProgramFixtur([](const QDir& mappe) {
              kopierMappe(QStringLiteral(TAVLIX_KILDEMAPPE "/data/Tavlixmappe"), mappe.path());
          }) {}
    void tast(int k) { QTest::keyClick(&w(), static_cast<Qt::Key>(k)); }
};

// The label in `vindue` that a screen reader knows by `navn` and reads as a
// text (a caption beside it may carry the same name).
QLabel* etiket(QWidget* vindue, const QString& navn) {
    for (QLabel* l : vindue->findChildren<QLabel*>()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(l);
        if (i && i->text(QAccessible::Name) == navn && i->textInterface()) return l;
    }
    return nullptr;
}

struct Rad {
    const char* tilfaelde;
    QString navn;                          // the label's accessible name
    std::function<QWidget*(Program&)> vis; // shows the window, returns it
    std::function<void(Program&)> aendr;   // what makes the label change
    QString tekst;                         // what it shows then
};

QList<Rad> tabel() {
    const auto hoved = [](int side) {
        return [side](Program& p) -> QWidget* {
            if (side) p.tast(side);
            return &p.w();
        };
    };
    const auto graf = [](Program& p) -> QWidget* {
        p.tast(Qt::Key_F6);
        return &p.t->grafEnhed().grafform();
    };
    const auto andet = [](int side) {
        return [side](Program& p) -> QWidget* {
            p.t->andetEnhed().andetform().vis();
            p.t->andetEnhed().andetform().bog()->setCurrentIndex(side);
            return &p.t->andetEnhed().andetform();
        };
    };
    const auto browser = [](Program& p) -> QWidget* {
        p.t->model().Information(QStringLiteral("Tavlix"));
        return &p.t->infoEnhed().infoformen();
    };
    const auto primtal = [](Program& p) -> QWidget* {
        p.t->primtalEnhed().primtalform().vis();
        return &p.t->primtalEnhed().primtalform();
    };
    const auto primtest = [](Program& p) {
        p.t->primtalEnhed().primtal().primtalEdit = QStringLiteral("1000003");
        p.t->primtalEnhed()
            .primtalform()
            .findChild<QPushButton*>(QStringLiteral("startKnap"))
            ->click();
        QTRY_VERIFY_WITH_TIMEOUT(p.t->primtalEnhed().primtal().kanLukkes(), 20000);
    };
    return {
        {"hovedvinduets statusfelt", QStringLiteral("Info-tekst"), hoved(Qt::Key_F5),
         [](Program& p) { p.t->ligningsEnhed().statistik().statistikSumClick(); },
         QStringLiteral("Ingen beregning!")},
        {"parenteser", QStringLiteral("Parenteser"), hoved(0),
         [](Program& p) { QTest::keyClicks(&p.w(), QStringLiteral("((")); }, QStringLiteral("2")},
        {"andengradsligningens status", QStringLiteral("Status"), hoved(Qt::Key_F2),
         [](Program& p) {
             p.t->ligningsEnhed().andengrads().setAndengradsA(QStringLiteral("1"));
             p.t->ligningsEnhed().andengrads().setAndengradsB(QStringLiteral("-3"));
             p.t->ligningsEnhed().andengrads().setAndengradsC(QStringLiteral("2"));
         },
         QStringLiteral("  2 løsninger")},
        {"to ligningers status", QStringLiteral("Status for ligninger"), hoved(Qt::Key_F3),
         [](Program& p) {
             const char* tal[] = {"1", "1", "5", "1", "-1", "1"};
             for (int b = TLigninger::L1a; b <= TLigninger::L2c; ++b)
                 p.t->ligningsEnhed().ligninger().setBoks(static_cast<TLigninger::Boks>(b),
                                                          QString::fromLatin1(tal[b]));
             p.t->ligningsEnhed().ligninger().ligningerBeregnClick();
         },
         QStringLiteral("1 løsning")},
        {"statistikkens n", QStringLiteral("Antal værdier"), hoved(Qt::Key_F5),
         [](Program& p) {
             for (const char* v : {"2", "4"}) {
                 p.t->ligningsEnhed().statistik().setStatistikValue(QString::fromLatin1(v));
                 p.t->ligningsEnhed().statistik().statistikInsertValue();
             }
         },
         QStringLiteral("n=2")},
        {"primtal, øverste linje", QStringLiteral("Øverste informationslinje"), primtal, primtest,
         QStringLiteral("Udført")},
        {"primtal, dommen", QStringLiteral("Nederste informationslinje"), primtal, primtest,
         QStringLiteral("Tallet er et primtal")},
        {"grafens position", QStringLiteral("Pos"), graf,
         [](Program& p) { p.t->grafEnhed().grafModel().GrafMouseMove(40, 60); }, QString()},
        {"grafens zoomcentrum", QStringLiteral("Zoom pos"), graf,
         [](Program& p) { p.t->grafEnhed().grafModel().GrafMouseDown(Qt::RightButton, 40, 60); },
         QString()},
        {"grafens statuslinje", QStringLiteral("Info-tekst"), graf,
         [](Program& p) {
             p.t->grafEnhed().grafModel().showHint(QStringLiteral("Kort|Et langt hint"));
         },
         QStringLiteral("Et langt hint")},
        {"andre funktioners statuslinje", QStringLiteral("Info"), andet(0),
         [](Program& p) { p.t->andetEnhed().andet().showHint(QStringLiteral("Et hint")); },
         QStringLiteral("Et hint")},
        {"datoens måned", QStringLiteral("Måned 1"), andet(2),
         [](Program& p) { p.t->andetEnhed().andet().datoer.mNextClick(1); }, QString()},
        {"datoens år", QStringLiteral("År 2"), andet(2),
         [](Program& p) { p.t->andetEnhed().andet().datoer.yNextClick(2); }, QString()},
        {"browserens linklinje", QStringLiteral("Link under musen"), browser,
         [](Program& p) {
             p.t->infoEnhed().infoModel().linkOver(QStringLiteral("https://example.org/a"));
         },
         QStringLiteral("https://example.org/a")},
        {"browserens antal elementer", QStringLiteral("Antal elementer"), browser,
         [](Program& p) { p.t->model().Enhedsinformation(QStringLiteral("SI-enheder")); },
         QString()},
        {"urllistens statuslinje", QStringLiteral("Statuslinje"),
         [browser](Program& p) -> QWidget* {
             browser(p);
             p.t->infoEnhed().infoformen().urlform()->visVindue();
             return p.t->infoEnhed().infoformen().urlform();
         },
         [](Program& p) {
             Turlform1* u = p.t->infoEnhed().infoformen().urlform();
             QWidget* luk = u->findChild<QPushButton*>();
             QEvent ind(QEvent::Enter);
             QApplication::sendEvent(luk, &ind);
         },
         QString()},
        {"strukturkonstruktørens info", QStringLiteral("Strukturinfo"),
         [](Program& p) -> QWidget* {
             p.t->model().Strukturprogram1Click();
             return &p.t->infoEnhed().strukturform();
         },
         [](Program& p) {
             QLineEdit* navn = p.t->infoEnhed().strukturform().navnEdit();
             QTest::keyClicks(navn, QStringLiteral("Geometri"));
             QTest::keyClick(navn, Qt::Key_Return);
         },
         QStringLiteral("Strukturnavn: Geometri")},
    };
}

} // namespace

class TstTilgaengelighed : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
        tilgaengelighed::lyt(optag);
        QVERIFY(tilgaengelighed::meldes());
    }

    // A label that shows a value keeps its name (what it is) while its value
    // and text follow what it shows, and it tells of the change.
    void vaerdietiketter_data() {
        QTest::addColumn<int>("nr");
        const QList<Rad> t = tabel();
        for (int i = 0; i < t.size(); ++i)
            QTest::newRow(t.at(i).tilfaelde) << i;
    }
    void vaerdietiketter() {
        QFETCH(int, nr);
        const Rad rad = tabel().at(nr);
        Program p;
        QWidget* vindue = rad.vis(p);
        QVERIFY(vindue && vindue->isVisible());
        QLabel* l = etiket(vindue, rad.navn);
        QVERIFY2(l, qPrintable(u"no label named "_s + rad.navn));
        const QString foer = l->text();
        meldte().clear();
        rad.aendr(p);
        const QString tekst = l->text();
        if (rad.tekst.isEmpty())
            QVERIFY2(!tekst.isEmpty() && tekst != foer, qPrintable(foer + u" -> "_s + tekst));
        else
            QCOMPARE(tekst, rad.tekst);

        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(l);
        QVERIFY(i);
        QCOMPARE(i->text(QAccessible::Name), rad.navn);
        QCOMPARE(i->text(QAccessible::Value), tekst);
        QAccessibleTextInterface* ti = i->textInterface();
        QVERIFY(ti);
        QCOMPARE(ti->characterCount(), int(tekst.size()));
        QCOMPARE(ti->text(0, ti->characterCount()), tekst);
        QVERIFY(i->state().readOnly);
        QVERIFY2(meldte().contains(l), "the change was not announced");
    }

    // An open menu is a child of the program, named after what opened it,
    // with its items; a closed one is not there.
    void aabneMenuerFindes() {
        Program p;
        QAccessibleInterface* program = QAccessible::queryAccessibleInterface(qApp);
        QVERIFY(program);
        const int vinduer = program->childCount();
        auto* menuKnap = p.w().findChild<QToolButton*>(QStringLiteral("Button2"));
        QMenu* menu = menuKnap->menu();
        QVERIFY(menu);
        menu->popup(menuKnap->mapToGlobal(QPoint(0, menuKnap->height())));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(program->childCount(), vinduer + 1);
        QAccessibleInterface* m = program->child(vinduer);
        QVERIFY(m);
        QCOMPARE(m->object(), menu);
        QCOMPARE(program->indexOfChild(m), vinduer);
        QCOMPARE(m->role(), QAccessible::PopupMenu);
        QCOMPARE(m->text(QAccessible::Name), QStringLiteral("Menu"));
        QStringList punkter;
        for (int k = 0; k < m->childCount(); ++k)
            if (m->child(k)->role() == QAccessible::MenuItem)
                punkter << m->child(k)->text(QAccessible::Name).section(u'\t', 0, 0);
        QVERIFY2(punkter.contains(QStringLiteral("Information...")) &&
                     punkter.contains(QStringLiteral("Om Tavlix...")),
                 qPrintable(punkter.join(u", "_s)));
        menu->hide();
        QCOMPARE(program->childCount(), vinduer);
    }

    // A result box at the window's own size shows a 15-digit result whole
    // (smaller if it must), never cut; where a result is cut all the same, its
    // tool tip and accessible text hold it whole.
    void resultatfelterHarPladsTil15Cifre_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("felt");
        for (const char* f : {"andengradsD", "andengradsX1", "andengradsX2"})
            QTest::newRow(f) << int(Qt::Key_F2) << f;
        for (const char* f : {"ligningX1", "ligningY1", "ligningX2", "ligningY2"})
            QTest::newRow(f) << int(Qt::Key_F3) << f;
        QTest::newRow("statistikDisplay") << int(Qt::Key_F5) << "statistikDisplay";
    }
    void resultatfelterHarPladsTil15Cifre() {
        QFETCH(int, side);
        QFETCH(QString, felt);
        Program p;
        p.tast(side);
        auto* v = p.w().findChild<TVisning*>(felt);
        QVERIFY(v);
        QTRY_VERIFY(v->isVisible());
        const QString tal = QStringLiteral("-0,666666666666667");
        v->setText(tal);
        QVERIFY2(!v->afkortet(),
                 qPrintable(QStringLiteral("%1 px: %2").arg(v->width()).arg(v->visteTekst())));
        const QString lang = QStringLiteral("-1,23456789012345E-308");
        v->setText(lang);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(v);
        QCOMPARE(i->text(QAccessible::Value), lang);
        if (v->afkortet()) QCOMPARE(v->toolTip(), lang);
    }

    // Status messages show with hints off, through the program's own road
    // to the status bar; hints follow the setting.
    void statusbeskederUdenHints_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("statistik uden værdier") << int(Qt::Key_F5) << "Ingen beregning!";
        QTest::newRow("andengradsligning sendt")
            << int(Qt::Key_F2) << "Andengradsligning sendt til grafvisning!";
        QTest::newRow("formel afbrudt") << 0 << "Afbrudt";
    }
    void statusbeskederUdenHints() {
        QFETCH(int, side);
        QFETCH(QString, tekst);
        Program p;
        p.t->model().doShowHint = false;
        if (side) p.tast(side);
        QLabel* felt = etiket(&p.w(), QStringLiteral("Info-tekst"));
        QVERIFY(felt);
        switch (side) {
        case Qt::Key_F5:
            p.t->ligningsEnhed().statistik().statistikSumClick();
            break;
        case Qt::Key_F2:
            p.t->ligningsEnhed().andengrads().setAndengradsA(QStringLiteral("1"));
            p.t->ligningsEnhed().andengrads().setAndengradsB(QStringLiteral("-3"));
            p.t->ligningsEnhed().andengrads().setAndengradsC(QStringLiteral("2"));
            p.t->ligningsEnhed().andengrads().andengradsSendClick();
            break;
        default:
            // A formula program whose reference is no number stops.
            p.t->formelEnhed().formelprogram().setFormelMemoTekst(QStringLiteral(":a\n[x]\n:b"));
            p.t->formelEnhed().formelprogram().formelBeregnClick();
            p.t->regner().FormKeyPress(QChar(u'1'));
            p.t->regner().FormKeyPress(QChar(13));
            break;
        }
        QCOMPARE(felt->text(), tekst);
        QCOMPARE(p.beskeder.hints.last(), tekst); // and the program's Beskeder heard it
        QVERIFY(p.beskeder.boxe.isEmpty());
        // The hint of a control under the mouse follows the setting.
        p.t->model().showHint(QStringLiteral("Kort|Et hint"));
        QCOMPARE(felt->text(), tekst);
        p.t->model().doShowHint = true;
        p.t->model().showHint(QStringLiteral("Kort|Et hint"));
        QCOMPARE(felt->text(), QStringLiteral("Et hint"));
    }
};

QTEST_MAIN(TstTilgaengelighed)
#include "tst_tilgaengelighed.moc"
