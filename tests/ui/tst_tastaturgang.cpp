// Every window by keyboard alone: Tab walks through each window and reaches
// every enabled control exactly once, and a check box or radio button changed
// without a click (arrow keys, the accessible Toggle action) reaches the model.
#include "core/other/enhedsside.h"
#include "core/other/talsystemside.h"
#include "programfixtur.h"
#include "ui/app/egenskabsform.h"
#include "ui/app/mainform.h"
#include "ui/app/omform.h"
#include "ui/common/graense.h"
#include "ui/graph/form3.h"
#include "ui/graph/grafform.h"
#include "ui/graph/optform.h"
#include "ui/graph/printform.h"
#include "ui/graph/zoomform.h"
#include "ui/info/infoformen.h"
#include "ui/info/strukturform.h"
#include "ui/info/urlform1.h"
#include "ui/other/andetform.h"
#include "ui/primes/primtalform.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <functional>
#include <memory>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The walks start once the main window is on screen, as the user finds it.
struct Program : ProgramFixtur {
    QWidget* side(Qt::Key tast) {
        QTest::keyClick(&w(), tast);
        return &w();
    }
    // The calculator page with the calculation list and the expression window beside it.
    QWidget* medListe() {
        side(Qt::Key_F7);
        t->model().metaVisClick();
        t->udtryk().uMemoKnapClick();
        return &w();
    }
    QWidget* andet(int fane) {
        t->model().mAfunkClick();
        t->andetEnhed().andetform().bog()->setCurrentIndex(fane);
        return &t->andetEnhed().andetform();
    }
    // Modal dialogs are shown without their event loop, so the test never blocks.
    static QWidget* vis(QWidget* w) {
        w->show();
        return w;
    }
};

// Controls that hold several focusable parts count as one stop.
QWidget* stop(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) ||
            qobject_cast<QCalendarWidget*>(p))
            return p;
    return w;
}

bool erStyring(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
           qobject_cast<QTextEdit*>(w) || qobject_cast<QTabBar*>(w) ||
           qobject_cast<QCalendarWidget*>(w);
}

// On-screen keys whose keys the keyboard already has stay out of the Tab
// chain, so that Tab is not 40 presses long on the calculator.
bool tasteKnap(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        const QString n = p->objectName();
        if (n == QLatin1String("rmPanelTastatur") || n == QLatin1String("rmPanelXTastatur")) {
            // A key with a menu has more than its key: Tab reaches it.
            auto* t = qobject_cast<QToolButton*>(w);
            return !(t && t->menu());
        }
        if (n == QLatin1String("tastaturPanel") && qobject_cast<QPushButton*>(w) &&
            w->objectName() != QLatin1String("tastaturPanel"))
            return w->objectName().startsWith(QLatin1String("rm")) ||
                   w->objectName().startsWith(QLatin1String("hex"));
    }
    return false;
}

// A set of radio buttons of which one is chosen is one Tab stop (the chosen
// one); the arrow keys move inside it.
QObject* radioGruppe(QWidget* w) {
    auto* r = qobject_cast<QRadioButton*>(w);
    if (!r) return nullptr;
    if (r->group() && r->group()->exclusive()) return r->group();
    if (r->autoExclusive()) return r->parentWidget();
    return nullptr;
}

QString navn(QWidget* w) {
    QString n = w->accessibleName();
    if (n.isEmpty()) n = w->objectName();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), n);
}

// The controls the user can see and use in `vindue`.
QList<QWidget*> styringer(QWidget* vindue) {
    QList<QWidget*> ud;
    for (QWidget* w : vindue->findChildren<QWidget*>()) {
        if (w->window() != vindue || !w->isVisible() || !w->isEnabled() || !erStyring(w)) continue;
        if (stop(w) != w || tasteKnap(w)) continue;
        if (qobject_cast<QTabBar*>(w->parentWidget())) continue; // its scroll arrows
        if (auto* v = qobject_cast<QAbstractItemView*>(w);
            v && qobject_cast<QComboBox*>(v->window()))
            continue;
        ud.append(w);
    }
    return ud;
}

// The focus widgets Tab visits, once around from the first.
QList<QWidget*> tabRunde(QWidget* vindue) {
    QList<QWidget*> runde;
    for (int i = 0; i < 300; ++i) {
        QWidget* f = QApplication::focusWidget();
        QTest::keyClick(f && f->window() == vindue ? f : vindue, Qt::Key_Tab);
        f = QApplication::focusWidget();
        if (!f || f->window() != vindue) break;
        if (!runde.isEmpty() && f == runde.first()) return runde;
        if (runde.contains(f)) break; // a loop that does not come back to the start
        runde.append(f);
    }
    return runde;
}

// A control by its object name or, for those without one, its accessible name.
QAbstractButton* knap(QWidget* vindue, const QString& navn) {
    for (auto* b : vindue->findChildren<QAbstractButton*>())
        if (b->objectName() == navn || b->accessibleName() == navn) return b;
    return nullptr;
}

using Aabner = std::function<QWidget*(Program&)>;
using Laeser = std::function<int(Program&)>;

} // namespace

class TstTastaturgang : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    void tabNaarAlt_data() {
        QTest::addColumn<std::function<QWidget*(Program&)>>("aabn");
        auto side = [](Qt::Key k) { return [k](Program& p) { return p.side(k); }; };
        QTest::newRow("lommeregner") << std::function<QWidget*(Program&)>(side(Qt::Key_F7));
        QTest::newRow("lommeregner med liste")
            << std::function<QWidget*(Program&)>([](Program& p) { return p.medListe(); });
        QTest::newRow("simpel lommeregner") << std::function<QWidget*(Program&)>(side(Qt::Key_F8));
        QTest::newRow("andengradsligning") << std::function<QWidget*(Program&)>(side(Qt::Key_F2));
        QTest::newRow("to ligninger") << std::function<QWidget*(Program&)>(side(Qt::Key_F3));
        QTest::newRow("formler") << std::function<QWidget*(Program&)>(side(Qt::Key_F4));
        QTest::newRow("statistik") << std::function<QWidget*(Program&)>(side(Qt::Key_F5));
        using F = std::function<QWidget*(Program&)>;
        QTest::newRow("egenskaber")
            << F([](Program& p) { return Program::vis(&p.t->egenskabsEnhed().egenskabsform()); });
        QTest::newRow("om") << F(
            [](Program& p) { return Program::vis(&p.t->egenskabsEnhed().omform()); });
        QTest::newRow("primtal") << F(
            [](Program& p) { return Program::vis(&p.t->primtalEnhed().primtalform()); });
        QTest::newRow("grafboks") << F([](Program& p) {
            p.t->grafEnhed().grafform().vis();
            return static_cast<QWidget*>(&p.t->grafEnhed().grafform());
        });
        QTest::newRow("tredjegradsligning") << F([](Program& p) {
            p.t->grafEnhed().visForm3();
            return static_cast<QWidget*>(&p.t->grafEnhed().form3());
        });
        QTest::newRow("zoomcenter") << F([](Program& p) {
            p.t->grafEnhed().grafform().vis();
            return Program::vis(&p.t->grafEnhed().zoomform());
        });
        QTest::newRow("grafarver") << F([](Program& p) {
            p.t->grafEnhed().grafform().vis();
            return Program::vis(&p.t->grafEnhed().optform());
        });
        QTest::newRow("udskriv graf") << F([](Program& p) {
            p.t->grafEnhed().grafform().vis();
            return Program::vis(&p.t->grafEnhed().printform());
        });
        QTest::newRow("talsystemer") << F([](Program& p) { return p.andet(0); });
        QTest::newRow("datoer") << F([](Program& p) { return p.andet(1); });
        QTest::newRow("enheder") << F([](Program& p) { return p.andet(2); });
        QTest::newRow("information") << F([](Program& p) {
            p.t->infoEnhed().infoformen().visVindue();
            return static_cast<QWidget*>(&p.t->infoEnhed().infoformen());
        });
        QTest::newRow("url-liste")
            << F([](Program& p) { return Program::vis(p.t->infoEnhed().infoformen().urlform()); });
        QTest::newRow("strukturprogram") << F([](Program& p) {
            p.t->infoEnhed().strukturform().vis();
            return static_cast<QWidget*>(&p.t->infoEnhed().strukturform());
        });
    }

    // Tab goes once around the window and reaches every control once: each
    // button, check box, box and list, and each set of radio buttons.
    void tabNaarAlt() {
        QFETCH(std::function<QWidget*(Program&)>, aabn);
        Program p;
        QWidget* vindue = aabn(p);
        QVERIFY(QTest::qWaitForWindowExposed(vindue));
        vindue->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(vindue));

        const QList<QWidget*> runde = tabRunde(vindue);
        QHash<QObject*, int> besoeg;
        QStringList fejl;
        for (QWidget* f : runde) {
            QWidget* s = stop(f);
            if (!s->isVisible()) fejl << QStringLiteral("hidden stop ") + navn(s);
            QObject* g = radioGruppe(s);
            ++besoeg[g ? g : s];
        }
        for (QWidget* w : styringer(vindue)) {
            QObject* g = radioGruppe(w);
            const int n = besoeg.value(g ? g : w);
            if (n != 1) fejl << QStringLiteral("%1 reached %2 times").arg(navn(w)).arg(n);
        }
        fejl.removeDuplicates();
        QVERIFY2(fejl.isEmpty(), qPrintable(fejl.join(QStringLiteral("\n"))));
    }

    void tabRaekkefoelge_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QStringList>("efterHinanden");
        QTest::newRow("lommeregner: knapperne ved decimalerne, så vinklerne")
            << int(Qt::Key_F7) << QStringList{u"Decimaler"_s, u"Ny"_s, u"Tilbage"_s, u"Deg"_s};
        QTest::newRow("lommeregner: menurækken, så sideskift")
            << int(Qt::Key_F7)
            << QStringList{u"Vis/skjul udskrift vindue"_s, u"Tavlix (F7)"_s,
                           u"Simpel lommeregner (F8)"_s};
        QTest::newRow("statistik: sidens knapper før sideskift")
            << int(Qt::Key_F5) << QStringList{u"Standardafvigelse"_s, u"Tavlix (F7)"_s};
        QTest::newRow("andengradsligning: sidens knapper før sideskift")
            << int(Qt::Key_F2)
            << QStringList{u"Send andengradsligning til grafboks"_s, u"Tavlix (F7)"_s};
    }

    // Tab follows the page from top to bottom; the page-switch bar at its
    // foot comes after the page's own controls, which are built later.
    void tabRaekkefoelge() {
        QFETCH(int, side);
        QFETCH(QStringList, efterHinanden);
        Program p;
        p.side(Qt::Key(side));
        QVERIFY(QTest::qWaitForWindowActive(&p.w()));
        QStringList navne;
        for (QWidget* f : tabRunde(&p.w()))
            navne << f->accessibleName();
        const QString runde = navne.join(QStringLiteral(" | "));
        QVERIFY2(runde.contains(efterHinanden.join(QStringLiteral(" | "))), qPrintable(runde));
    }

    void sideFokus_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("fokus");
        QTest::newRow("andengradsligning") << int(Qt::Key_F2) << "a";
        QTest::newRow("to ligninger") << int(Qt::Key_F3) << "Ligning 1 a";
        QTest::newRow("formler") << int(Qt::Key_F4) << "Filnavn";
        QTest::newRow("statistik") << int(Qt::Key_F5) << "Indfør værdi";
        QTest::newRow("lommeregner") << int(Qt::Key_F7) << "Tastaturindtastning";
    }

    // A page chosen by its key starts in its first box, so the user can type
    // at once; the calculator keeps the keys on the form.
    void sideFokus() {
        QFETCH(int, side);
        QFETCH(QString, fokus);
        Program p;
        QVERIFY(QTest::qWaitForWindowActive(&p.w()));
        p.side(Qt::Key_F5);
        p.side(Qt::Key(side));
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->accessibleName()
                                                 : QString(),
                     fokus);
    }

    // The memory menu on the arrow of "H" has no key of its own: Tab reaches
    // the button, Down opens the menu, Space recalls as a click does.
    void hukommelsesmenu() {
        Program p;
        p.side(Qt::Key_F7);
        QVERIFY(QTest::qWaitForWindowActive(&p.w()));
        auto* h = p.w().findChild<QToolButton*>(QStringLiteral("hukHent"));
        QVERIFY(h && h->menu());
        QWidget* f = nullptr;
        for (int i = 0; i < 40 && f != h; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &p.w(),
                            Qt::Key_Tab);
            f = QApplication::focusWidget();
        }
        QCOMPARE(f, h);
        bool vist = false;
        QTimer::singleShot(0, h->menu(), [&vist, m = h->menu()] {
            vist = m->isVisible();
            m->close();
        });
        QTest::keyClick(h, Qt::Key_Down); // the menu runs until the timer closes it
        QTRY_VERIFY(vist);
    }

    void escapeOgEnter_data() {
        QTest::addColumn<Aabner>("aabn");
        QTest::addColumn<QString>("standardKnap"); // empty: Enter belongs to the boxes
        const auto graf = [](QWidget* (*dialog)(Program&)) {
            return Aabner([dialog](Program& p) {
                p.t->grafEnhed().grafform().vis();
                return Program::vis(dialog(p));
            });
        };
        QTest::newRow("egenskaber") << Aabner([](Program& p) {
            return Program::vis(&p.t->egenskabsEnhed().egenskabsform());
        }) << "gemKnap";
        QTest::newRow("om") << Aabner([](Program& p) {
            return Program::vis(&p.t->egenskabsEnhed().omform());
        }) << "okKnap";
        QTest::newRow("primtal") << Aabner([](Program& p) {
            return Program::vis(&p.t->primtalEnhed().primtalform());
        }) << "";
        QTest::newRow("tredjegradsligning") << Aabner([](Program& p) {
            p.t->grafEnhed().visForm3();
            return static_cast<QWidget*>(&p.t->grafEnhed().form3());
        }) << "";
        QTest::newRow("zoomcenter")
            << graf([](Program& p) -> QWidget* { return &p.t->grafEnhed().zoomform(); }) << "";
        QTest::newRow("grafarver")
            << graf([](Program& p) -> QWidget* { return &p.t->grafEnhed().optform(); }) << "";
        QTest::newRow("udskriv graf")
            << graf([](Program& p) -> QWidget* { return &p.t->grafEnhed().printform(); }) << "";
    }

    // Escape closes a dialog wherever the focus is; Enter presses its default button.
    void escapeOgEnter() {
        QFETCH(Aabner, aabn);
        QFETCH(QString, standardKnap);
        Program p;
        QWidget* dialog = aabn(p);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto tast = [&](Qt::Key k) {
            QWidget* f = QApplication::focusWidget();
            QTest::keyClick(f && f->window() == dialog ? f : dialog, k);
        };
        tast(Qt::Key_Tab);
        tast(Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        if (standardKnap.isEmpty()) return;
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* knap = dialog->findChild<QPushButton*>(standardKnap);
        QVERIFY(knap && knap->isDefault());
        QSignalSpy klik(knap, &QPushButton::clicked);
        tast(Qt::Key_Return);
        QCOMPARE(klik.count(), 1);
        QVERIFY(!dialog->isVisible());
    }

    void toggleUdenKlik_data() {
        QTest::addColumn<Aabner>("aabn");
        QTest::addColumn<QString>("styring");
        QTest::addColumn<Laeser>("model");
        QTest::addColumn<int>("ventet"); // -1: the opposite of before

        const Aabner graf = [](Program& p) {
            p.t->grafEnhed().grafform().vis();
            return static_cast<QWidget*>(&p.t->grafEnhed().grafform());
        };
        QTest::newRow("egenskaber: elementantal") << Aabner([](Program& p) {
            return Program::vis(&p.t->egenskabsEnhed().egenskabsform());
        }) << "eleGroup3" << Laeser([](Program& p) {
            return p.t->egenskabsEnhed().egenskaber().eleGroup;
        }) << 3;
        QTest::newRow("grafboks: vis zoomcentrum")
            << graf << "zoomCenterBox"
            << Laeser([](Program& p) { return int(p.t->grafEnhed().grafModel().zoomCenterBox); })
            << -1;
        QTest::newRow("grafboks: koordinatsystem")
            << graf << "visKoordinatsystem" << Laeser([](Program& p) {
                   return int(p.t->grafEnhed().grafModel().visKoordinatsystem);
               })
            << -1;
        QTest::newRow("grafarver: realiser alle") << Aabner([](Program& p) {
            p.t->grafEnhed().grafform().vis();
            return Program::vis(&p.t->grafEnhed().optform());
        }) << "valGruppe1" << Laeser([](Program& p) {
            return p.t->grafEnhed().optModel().valGruppe;
        }) << 1;
        QTest::newRow("udskriv graf: størrelse") << Aabner([](Program& p) {
            p.t->grafEnhed().grafform().vis();
            return Program::vis(&p.t->grafEnhed().printform());
        }) << "Values3" << Laeser([](Program& p) { return p.t->grafEnhed().printModel().Values; })
                                                 << 3;
        QTest::newRow("udskrift: vis beregninger")
            << Aabner([](Program& p) { return p.medListe(); }) << "metaAktiv"
            << Laeser([](Program& p) { return int(p.t->regner().disOn()); }) << -1;
        QTest::newRow("udskrift: I-U")
            << Aabner([](Program& p) { return p.medListe(); }) << "metaIndUd"
            << Laeser([](Program& p) { return int(p.t->regner().UdskrivInOut()); }) << -1;
        QTest::newRow("statistik: kvadrater") << Aabner([](Program& p) {
            return p.side(Qt::Key_F5);
        }) << "statistikKvadrater" << Laeser([](Program& p) {
            return int(p.t->ligningsEnhed().statistik().statistikKvadrater());
        }) << -1;
        QTest::newRow("talsystemer: input-grundtal")
            << Aabner([](Program& p) { return p.andet(0); })
            << u"Input "_s + TTalsystemside::baseNavne().at(14)
            << Laeser([](Program& p) { return p.t->andetEnhed().andet().talsystemer.inputIndex; })
            << 14;
        QTest::newRow("talsystemer: output-grundtal")
            << Aabner([](Program& p) { return p.andet(0); })
            << u"Output "_s + TTalsystemside::baseNavne().at(0)
            << Laeser([](Program& p) { return p.t->andetEnhed().andet().talsystemer.outputIndex; })
            << 0;
        QTest::newRow("enheder: størrelse")
            << Aabner([](Program& p) { return p.andet(2); }) << TEnhedsside::valgboxItems().at(3)
            << Laeser([](Program& p) { return p.t->andetEnhed().andet().enheder.valgIndex; }) << 3;
        QTest::newRow("enheder: vis enhedsinformation")
            << Aabner([](Program& p) { return p.andet(2); }) << "Vis enhedsinformation"
            << Laeser([](Program& p) { return int(p.t->andetEnhed().andet().enheder.visEinfo); })
            << -1;
        QTest::newRow("strukturprogram: flyt") << Aabner([](Program& p) {
            p.t->infoEnhed().strukturform().vis();
            return static_cast<QWidget*>(&p.t->infoEnhed().strukturform());
        }) << "flyt2" << Laeser([](Program& p) { return p.t->infoEnhed().strukturModel().flytBox; })
                                               << 2;
        QTest::newRow("strukturprogram: ikon") << Aabner([](Program& p) {
            p.t->infoEnhed().strukturform().vis();
            return static_cast<QWidget*>(&p.t->infoEnhed().strukturform());
        }) << "ikon3" << Laeser([](Program& p) {
            return p.t->infoEnhed().strukturModel().ikonboksValgt;
        }) << 3;
    }

    // The accessible Toggle action (as a screen reader works a box) changes the
    // state without a click; the model follows all the same.
    void toggleUdenKlik() {
        QFETCH(Aabner, aabn);
        QFETCH(QString, styring);
        QFETCH(Laeser, model);
        QFETCH(int, ventet);
        Program p;
        QWidget* vindue = aabn(p);
        QVERIFY(QTest::qWaitForWindowExposed(vindue));
        QAbstractButton* b = knap(vindue, styring);
        QVERIFY2(b, qPrintable(styring));
        const int foer = model(p);
        if (ventet < 0) ventet = !foer;
        QVERIFY(foer != ventet);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        QVERIFY(a && a->actionInterface());
        QVERIFY(a->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(model(p), ventet);
        // The arrow keys inside a set of radio buttons choose as well.
        if (!qobject_cast<QRadioButton*>(b) && !b->group()) return;
        for (QWidget* w = b; w->parentWidget(); w = w->parentWidget())
            if (auto* stak = qobject_cast<QStackedWidget*>(w->parentWidget()))
                stak->setCurrentWidget(w); // its page of a tab widget
        b->setFocus();
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right}) {
            QTest::keyClick(b, k);
            if (QApplication::focusWidget() != b) break;
        }
        auto* ny = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        QVERIFY(ny && ny != b && ny->isChecked());
        const int valg = b->group()
                             ? b->group()->id(ny)
                             : int(ny->parentWidget()
                                       ->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)
                                       .indexOf(qobject_cast<QRadioButton*>(ny)));
        QCOMPARE(model(p), valg);
    }

    // Space on a value of the statistics list sets or clears its check mark,
    // and the statistics count only the checked values.
    void statistikMellemrum() {
        Program p;
        p.side(Qt::Key_F5);
        TStatistik& s = p.t->ligningsEnhed().statistik();
        for (const char* v : {"2", "4", "9"}) {
            s.setStatistikValue(QString::fromLatin1(v));
            s.statistikInsertClick();
        }
        auto* liste = p.w().findChild<QListWidget*>(QStringLiteral("statistikBoks"));
        QVERIFY(liste);
        liste->setFocus();
        liste->setCurrentRow(2);
        QTest::keyClick(liste, Qt::Key_Space);
        QVERIFY(!s.statistikBoks().at(2).markeret);
        QCOMPARE(liste->item(2)->checkState(), Qt::Unchecked);
        QTest::keyClick(liste, Qt::Key_Up);
        QTest::keyClick(liste, Qt::Key_Space);
        QVERIFY(!s.statistikBoks().at(1).markeret);
        QVERIFY(s.statistikBoks().at(0).markeret);
        QTest::keyClick(liste, Qt::Key_Space);
        QVERIFY(s.statistikBoks().at(1).markeret);
    }
};

QTEST_MAIN(TstTastaturgang)
#include "tst_tastaturgang.moc"
