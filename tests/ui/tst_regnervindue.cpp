// The calculator window as users meet it: numbers never shown cut without a
// mark, every control reachable by name and action through the accessibility
// interface, and a window that stays on screen.
#include "programfixtur.h"
#include "ui/calc/listepanel.h"
#include "ui/calc/tastatur.h"
#include "ui/common/graense.h"
#include "ui/common/statusfelt.h"

#include <QAccessible>
#include <QComboBox>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* tilgang(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    if (!i) qFatal("no accessible interface for %s", qPrintable(o->objectName()));
    return i;
}

// A control a user can meet: what is not only a container.
bool erKontrol(QWidget* w) {
    switch (tilgang(w)->role()) {
    case QAccessible::Client:
    case QAccessible::Pane:
    case QAccessible::Grouping:
    case QAccessible::Window:
    case QAccessible::StatusBar:
    case QAccessible::Separator:
    case QAccessible::ScrollBar:
    case QAccessible::NoRole:
        return !w->accessibleName().isEmpty(); // a named container counts
    default:
        return true;
    }
}

QStringList optioner(const QString& top, const QString& venstre, const QString& bredde,
                     const QString& liste) {
    return {QStringLiteral("Iceberg Classico"),
            top,
            venstre,
            QStringLiteral("0"),
            bredde,
            liste,
            QStringLiteral("0"),
            QStringLiteral("0"),
            QStringLiteral("1"),
            QStringLiteral("0"),
            QStringLiteral("1"),
            QStringLiteral("16"),
            QStringLiteral("1")};
}

} // namespace

class TstRegnervindue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
        QAccessible::setActive(true);
    }

    // A number too wide for its field shrinks, then shows its start with
    // "…"; a running text shows its end. The tool tip holds the whole text
    // while it is cut.
    void felterAfkorterMedMaerke_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("loebende");
        QTest::addColumn<int>("bredde");
        QTest::addColumn<QString>("start"); // what the shown text begins with
        QTest::addColumn<QString>("slut");  // and ends with
        QTest::newRow("negativt tal med eksponent")
            << "-1,64318323399946E-296" << false << 120 << "-1,"
            << "…";
        QTest::newRow("30 cifre") << "123456789012345678901234567890" << false << 120 << "1234"
                                  << "…";
        QTest::newRow("tal der passer") << "0,5" << false << 120 << "0,5"
                                        << "0,5";
        QTest::newRow("udtrykslinje")
            << "1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 = 45" << true << 90 << "…"
            << "= 45";
        // Long texts are measured by the piece that can show: the same result.
        QTest::newRow("20 000 cifre")
            << u"-9,"_s + QString(20000, u'7') + u"1"_s << false << 120 << u"-9,7"_s << u"…"_s;
        QTest::newRow("lang udtrykslinje")
            << u"1"_s + QString(20000, u'+') + u" = 45"_s << true << 90 << u"…"_s << u"= 45"_s;
    }
    void felterAfkorterMedMaerke() {
        QFETCH(QString, tekst);
        QFETCH(bool, loebende);
        QFETCH(int, bredde);
        QFETCH(QString, start);
        QFETCH(QString, slut);
        TVisning v;
        v.setToolTip(QStringLiteral("Hint"));
        if (loebende) v.setArt(TVisning::Art::Loebende);
        v.resize(bredde, 30);
        v.setText(tekst);
        QVERIFY2(v.visteTekst().startsWith(start), qPrintable(v.visteTekst()));
        QVERIFY2(v.visteTekst().endsWith(slut), qPrintable(v.visteTekst()));
        QVERIFY(v.visteFont().pointSizeF() >=
                std::min(v.font().pointSizeF(), TVisning::mindstePunkt));
        QCOMPARE(v.visteTekst(), QFontMetrics(v.visteFont())
                                     .elidedText(tekst, loebende ? Qt::ElideLeft : Qt::ElideRight,
                                                 v.contentsRect().width() - 8));
        QCOMPARE(v.toolTip(), v.afkortet() ? tekst : QStringLiteral("Hint"));
        v.setText(QStringLiteral("1"));
        QCOMPARE(v.toolTip(), QStringLiteral("Hint")); // the hint comes back
    }

    // In the window: the display keeps the minus sign, the memory display
    // the leading digits.
    void displayOgHukommelseViserStarten() {
        ProgramFixtur p;
        p.skriv(QStringLiteral("7r^350=f"));
        TVisning* d = p.w().displayPanel()->rmDisplay();
        QCOMPARE(d->text(), QStringLiteral("-1,64318323399946E-296"));
        QVERIFY2(d->visteTekst().startsWith(QLatin1String("-1,6")), qPrintable(d->visteTekst()));
        QTest::keyClick(&p.w(), Qt::Key_Home);
        p.skriv(QStringLiteral("1/3=g"));
        auto* huk = p.w().side(0)->findChild<TVisning*>(QStringLiteral("hukDisplay"));
        QCOMPARE(huk->text(), QStringLiteral("0,333333333333333"));
        QVERIFY2(huk->visteTekst().startsWith(QLatin1String("0,3")), qPrintable(huk->visteTekst()));
        QVERIFY(huk->isEnabled()); // its tool tip and text reach the user
    }

    // A list line wider than the list ends at the list's edge, with the whole
    // line as its tool tip.
    void listelinjerAfkortes() {
        ProgramFixtur p;
        p.w().menuPanel()->findChild<QPushButton*>(QStringLiteral("metaVis"))->click();
        p.skriv(QStringLiteral("7r^350=f"));
        auto* liste = p.w().metaPanel()->findChild<QListView*>(QStringLiteral("metaBox"));
        QVERIFY(liste);
        const QModelIndex i = liste->model()->index(liste->model()->rowCount() - 1, 0);
        const QString linje = i.data().toString();
        QVERIFY2(linje.endsWith(QLatin1String("-1,64318323399946E-296")), qPrintable(linje));
        QCOMPARE(i.data(Qt::ToolTipRole).toString(), linje);
        QVERIFY(liste->visualRect(i).right() <= liste->viewport()->width());
    }

    // Every visible control has a name, and no two share one.
    void navneUnikkeOgIkkeTomme_data() {
        QTest::addColumn<int>("side");
        QTest::newRow("lommeregner med liste") << 0;
        QTest::newRow("simpel lommeregner med liste") << 100;
    }
    void navneUnikkeOgIkkeTomme() {
        QFETCH(int, side);
        ProgramFixtur p;
        QTest::keyClick(&p.w(), side == 100 ? Qt::Key_F8 : Qt::Key_F7);
        p.w().menuPanel()->findChild<QPushButton*>(QStringLiteral("metaVis"))->click();
        QVERIFY(p.w().metaPanel()->isVisible());
        QCoreApplication::processEvents(); // blocks moved to the page show themselves queued
        QHash<QString, QString> navne;     // name -> object name
        QStringList fejl;
        for (QWidget* w : p.w().findChildren<QWidget*>()) {
            if (!w->isVisible() || !erKontrol(w)) continue;
            const QString navn = tilgang(w)->text(QAccessible::Name);
            const QString hvem = w->objectName() + QLatin1Char('/') +
                                 QString::fromLatin1(w->metaObject()->className());
            if (navn.isEmpty())
                fejl << QStringLiteral("uden navn: ") + hvem;
            else if (navne.contains(navn))
                fejl << QStringLiteral("'%1' to gange: %2 og %3").arg(navn, navne[navn], hvem);
            navne.insert(navn, hvem);
        }
        QVERIFY2(fejl.isEmpty(), qPrintable(fejl.join(QLatin1Char('\n'))));
        QVERIFY(navne.contains(QStringLiteral("Decimaler")));
        QVERIFY(navne.contains(QStringLiteral("Tastaturindtastning")));
    }

    // Read-only fields tell a screen reader what they show.
    void felterGiverDerasTekst() {
        ProgramFixtur p;
        p.skriv(QStringLiteral("5g2+(3*"));
        struct Felt {
            QWidget* w;
            QString navn;
        };
        auto* tastatur = p.w().side(0)->findChild<TTastatur*>();
        const Felt felter[] = {
            {p.w().displayPanel()->rmDisplay(), QStringLiteral("Display")},
            {p.w().displayPanel()->rmOperator(), QStringLiteral("Operator")},
            {p.w().udBox(), QStringLiteral("Udtrykslinje")},
            {tastatur->findChild<QWidget*>(QStringLiteral("funkParenteser")),
             QStringLiteral("Parenteser")},
            {tastatur->findChild<QWidget*>(QStringLiteral("hukDisplay")),
             QStringLiteral("Hukommelse")},
        };
        for (const Felt& f : felter) {
            QAccessibleInterface* i = tilgang(f.w);
            QCOMPARE(i->text(QAccessible::Name), f.navn);
            QString vist;
            if (auto* v = qobject_cast<TVisning*>(f.w))
                vist = v->text();
            else
                vist = static_cast<QLabel*>(f.w)->text();
            QVERIFY2(!vist.isEmpty(), qPrintable(f.navn));
            QCOMPARE(i->text(QAccessible::Value), vist);
            QVERIFY(i->textInterface());
            QCOMPARE(i->textInterface()->text(0, i->textInterface()->characterCount()), vist);
        }
        QCOMPARE(tilgang(p.w().displayPanel()->rmDisplay())->text(QAccessible::Value),
                 QStringLiteral("3"));
        // The status-bar fields: a name that says what they are, and their text.
        const QList<TStatusFelt*> status = p.w().statusBar()->findChildren<TStatusFelt*>();
        QCOMPARE(status.size(), 4);
        QEvent ind(QEvent::Enter);
        QApplication::sendEvent(tastatur->knap(QStringLiteral("beSin")), &ind);
        QCOMPARE(tilgang(status[1])->text(QAccessible::Name), QStringLiteral("Genvejstast"));
        QCOMPARE(tilgang(status[1])->text(QAccessible::Value), QStringLiteral("s"));
        QCOMPARE(tilgang(status[3])->text(QAccessible::Name), QStringLiteral("Info-tekst"));
        QCOMPARE(tilgang(status[3])->text(QAccessible::Value),
                 QStringLiteral("Tal [Sin] : [inv] Tal [ArcSin]"));
    }

    // Inv, Hyp and the angle buttons act on their state, whichever way it
    // changes: by the accessible action, or set from code.
    void skiftVirkerUdenMus_data() {
        QTest::addColumn<QString>("knap");
        QTest::addColumn<bool>("handling"); // through the accessible action, else setChecked
        QTest::addColumn<QString>("taster");
        QTest::addColumn<QString>("forventet");
        QTest::newRow("Inv via handling") << "funkInvers" << true << "9^2="
                                          << "3";
        QTest::newRow("Inv sat") << "funkInvers" << false << "9^2="
                                 << "3";
        QTest::newRow("Hyp sat") << "funkHyp" << false << "2s"
                                 << "3,62686040784702";
        QTest::newRow("Rad via handling") << "gradRadianer" << true << "ps"
                                          << "1,22464679914735E-16";
        QTest::newRow("Rad sat") << "gradRadianer" << false << "ps"
                                 << "1,22464679914735E-16";
        QTest::newRow("Nygrader sat") << "gradNygrader" << false << "100s"
                                      << "1";
    }
    void skiftVirkerUdenMus() {
        QFETCH(QString, knap);
        QFETCH(bool, handling);
        QFETCH(QString, taster);
        QFETCH(QString, forventet);
        ProgramFixtur p;
        auto* b = p.w().findChild<QAbstractButton*>(knap);
        QVERIFY(b);
        if (handling) {
            QAccessibleActionInterface* a = tilgang(b)->actionInterface();
            QVERIFY(a);
            a->doAction(QAccessibleActionInterface::toggleAction());
        } else {
            b->setChecked(true);
        }
        QVERIFY(b->isChecked());
        p.skriv(taster);
        QCOMPARE(p.display(), forventet);
    }

    // "H" and "#" can be pressed, not only opened, and the memory menu recalls.
    void deltKnapperKanTrykkes() {
        ProgramFixtur p;
        auto* tastatur = p.w().side(0)->findChild<TTastatur*>();
        p.skriv(QStringLiteral("42g"));
        QTest::keyClick(&p.w(), Qt::Key_Home);
        QCOMPARE(p.display(), QStringLiteral("0"));
        QAccessibleInterface* h = tilgang(tastatur->knap(QStringLiteral("hukHent")));
        QCOMPARE(h->text(QAccessible::Name), QStringLiteral("Hent aktuelle hukommelsesværdi"));
        const QStringList handlinger = h->actionInterface()->actionNames();
        QCOMPARE(handlinger.count(QAccessibleActionInterface::showMenuAction()), 1);
        QVERIFY(handlinger.contains(QAccessibleActionInterface::pressAction()));
        h->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(p.display(), QStringLiteral("42"));

        QTest::keyClick(&p.w(), Qt::Key_Home);
        QAction* hent =
            tastatur->hukommelsesMenu()->findChild<QAction*>(QStringLiteral("PUhukHent"));
        QVERIFY(hent);
        QCOMPARE(hent->text(), QStringLiteral("Hent"));
        hent->trigger();
        QCOMPARE(p.display(), QStringLiteral("42"));

        QToolButton* slet = p.w().displayPanel()->disSlet();
        QAccessibleInterface* funk = tilgang(slet);
        QCOMPARE(funk->role(), QAccessible::ButtonDropDown);
        QCOMPARE(funk->actionInterface()->actionNames().contains(
                     QAccessibleActionInterface::pressAction()),
                 slet->isEnabled());
    }

    // Tab reaches the decimals box, "Menu" and ">", and Space works them.
    void tabNaarKontrollerne() {
        ProgramFixtur p;
        p.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.w()));
        p.w().centralWidget()->setFocus();
        QStringList naaet;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            naaet << QApplication::focusWidget()->accessibleName();
        }
        for (const char* n : {"Decimaler", "Menu", "Vis/skjul udskrift vindue"})
            QVERIFY2(naaet.contains(QString::fromUtf8(n)), qPrintable(naaet.join(u'|')));
        QWidget* vis = p.w().menuPanel()->findChild<QPushButton*>(QStringLiteral("metaVis"));
        vis->setFocus();
        QTest::keyClick(vis, Qt::Key_Space);
        QVERIFY(p.w().metaPanel()->isVisible());
        // Digits still go to the calculator.
        p.skriv(QStringLiteral("12"));
        QCOMPARE(p.display(), QStringLiteral("12"));
        p.w().displayPanel()->disDecimaler()->setFocus();
        QTest::keyClick(p.w().displayPanel()->disDecimaler(), Qt::Key_Down);
        QCOMPARE(p.w().displayPanel()->disDecimaler()->currentIndex(), 1);
    }

    // The window opens where it can be seen and is no wider than the screen.
    void vinduetForbliverPaaSkaermen_data() {
        QTest::addColumn<QStringList>("linjer");
        QTest::newRow("ingen skaerm") << optioner(u"-3000"_s, u"5000"_s, u"489"_s, u"0"_s);
        QTest::newRow("int-graense")
            << optioner(u"2147483647"_s, u"2147483647"_s, u"489"_s, u"0"_s);
        QTest::newRow("bred liste") << optioner(u"10"_s, u"10"_s, u"100000"_s, u"1"_s);
        QTest::newRow("negativ bredde") << optioner(u"10"_s, u"10"_s, u"-50"_s, u"1"_s);
        QTest::newRow("fejl i linje 3") << optioner(u"10"_s, u"x"_s, u"489"_s, u"0"_s);
    }
    void vinduetForbliverPaaSkaermen() {
        QFETCH(QStringList, linjer);
        QStringList fejl;
        setFejlModtager([&](const QString& t) { fejl << t; });
        ProgramFixtur p(linjer);
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
        const QRect skaerm = p.w().screen()->availableGeometry();
        QVERIFY2(skaerm.intersects(p.w().frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2").arg(p.w().x()).arg(p.w().y())));
        QVERIFY(p.w().width() <= skaerm.width());
        QVERIFY(p.w().width() >= 300);
        // The calculator page keeps its own width beside the list.
        QCOMPARE(p.w().side(0)->width(), 300);
    }

    // The calculator page cannot be narrowed below its keys' width.
    void regnersidenMindst300() {
        ProgramFixtur p;
        p.w().resize(221, p.w().height());
        QCOMPARE(p.w().width(), 300);
        QTest::keyClick(&p.w(), Qt::Key_F8);
        QCOMPARE(p.w().width(), 221);
    }

    // Showing the list after hiding it gives it its room again.
    void listenFaarPladsIgen() {
        ProgramFixtur p;
        auto* vis = p.w().menuPanel()->findChild<QPushButton*>(QStringLiteral("metaVis"));
        vis->click();
        p.w().resize(600, p.w().height());
        vis->click();
        QCOMPARE(p.w().width(), 300);
        vis->click();
        QCOMPARE(p.w().width(), 600);
        QVERIFY(p.w().metaPanel()->width() > 200);
    }
};

QTEST_MAIN(TstRegnervindue)
#include "tst_regnervindue.moc"
