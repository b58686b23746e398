#include "core/common/reopenfiler.h"
#include "ui/common/reopenmenu.h"

#include <algorithm>
#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The memory menu's set-up: values, columns of 8 with a bar between them.
void hukommelse(TReopenFiler& r, TMenuBeskrivelse& m, int antal) {
    r.setItemtype(itAndet);
    r.setFilantal(16);
    r.setBreakNr(8);
    r.setBreaktype(TBreakType::bjaelkeBrud);
    r.setMainItem(&m);
    for (int i = 0; i < antal; ++i)
        r.InsertItem(QStringLiteral("Kilde %1").arg(i), QStringLiteral("%1,5").arg(i));
    r.MakeMenu(-1);
}

// Column buttons in item order.
QList<QToolButton*> knapper(const TReopenMenu& v) {
    QList<QToolButton*> l = v.kolonner()->findChildren<QToolButton*>();
    std::sort(l.begin(), l.end(), [](QToolButton* a, QToolButton* b) {
        return a->property(TReopenMenu::positionEgenskab).toInt() <
               b->property(TReopenMenu::positionEgenskab).toInt();
    });
    return l;
}

QStringList tekster(const QMenu& menu) {
    QStringList l;
    for (QAction* a : menu.actions())
        l << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return l;
}

// A widget that opens menus and writes down the hints they hand it.
class Ejer : public QWidget {
public:
    QStringList tips;

protected:
    bool event(QEvent* ev) override {
        if (ev->type() == QEvent::StatusTip) {
            tips << static_cast<QStatusTipEvent*>(ev)->tip();
            return true;
        }
        return QWidget::event(ev);
    }
};

} // namespace

class TstReopenMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sekstenPosterIToKolonner() {
        TMenuBeskrivelse m;
        TReopenFiler r;
        QMenu menu;
        TReopenMenu v(&r, &menu);
        hukommelse(r, m, 16);
        QVERIFY(v.kolonner());
        QCOMPARE(menu.actions().size(), 1);

        const QList<QToolButton*> k = knapper(v);
        QCOMPARE(k.size(), 16);
        auto* gitter = qobject_cast<QGridLayout*>(v.kolonner()->layout());
        QVERIFY(gitter);
        for (int i = 0; i < 16; ++i) {
            int raekke, kolonne, rs, ks;
            gitter->getItemPosition(gitter->indexOf(k[i]), &raekke, &kolonne, &rs, &ks);
            QCOMPARE(raekke, i % 8);
            QCOMPARE(kolonne, i < 8 ? 0 : 2); // the bar stands in grid column 1
            QCOMPARE(k[i]->text(), r.GetCaption(i));
            QCOMPARE(k[i]->accessibleName(), r.GetCaption(i));
            QCOMPARE(k[i]->toolTip(), r.Ropen()[i].Filnavn);
            QCOMPARE(k[i]->statusTip(), r.Ropen()[i].Filnavn);
            QCOMPARE(k[i]->accessibleDescription(), r.Ropen()[i].Filnavn);
        }

        // On screen: two columns side by side, each top to bottom.
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        for (int i = 0; i < 16; ++i) {
            const QRect g = k[i]->geometry();
            QVERIFY(g.isValid());
            QCOMPARE(g.x(), k[i < 8 ? 0 : 8]->geometry().x());
            if (i % 8) QVERIFY(g.y() > k[i - 1]->geometry().y());
        }
        QVERIFY(k[8]->geometry().x() >= k[0]->geometry().right());
        QCOMPARE(k[8]->geometry().y(), k[0]->geometry().y());
    }

    // In columns, an item's hint reaches the widget that opened the menu, as
    // the ordinary menu's hints do (through a parent menu, too).
    void hintIKolonnerNaarEjeren() {
        Ejer ejer;
        QMenu top(&ejer);
        QMenu* liste = top.addMenu(QStringLiteral("Hukommelse"));
        TMenuBeskrivelse m;
        TReopenFiler r;
        TReopenMenu v(&r, liste);
        hukommelse(r, m, 16);
        QStatusTipEvent tip(knapper(v)[3]->statusTip());
        QApplication::sendEvent(knapper(v)[3], &tip);
        QCOMPARE(ejer.tips, QStringList{QStringLiteral("Kilde 12")});
    }

    void klikGaarTilModellen() {
        TMenuBeskrivelse m;
        TReopenFiler r;
        QMenu menu;
        TReopenMenu v(&r, &menu);
        hukommelse(r, m, 16);
        // Like the memory's own handler: move the clicked value to the top and
        // rebuild the menu while the click is still running.
        connect(&r, &TReopenFiler::OnKlik, this, [&r](int position, const QString& navn) {
            const QString caption = r.GetCaption(position);
            r.DeleteItem(position);
            r.InsertItem(navn, caption);
            r.MakeMenu(-1);
        });
        QSignalSpy klik(&r, &TReopenFiler::OnKlik);
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QToolButton* knap = knapper(v)[11];
        QTest::mouseClick(knap, Qt::LeftButton);
        QCOMPARE(klik.count(), 1);
        QCOMPARE(klik[0][0].toInt(), 11);
        QCOMPARE(klik[0][1].toString(), QStringLiteral("Kilde 4"));
        QVERIFY(!menu.isVisible());
        QCOMPARE(r.GetCaption(0), QStringLiteral("4,5"));
        QCOMPARE(knapper(v)[0]->text(), QStringLiteral("4,5"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(knapper(v).size(), 16);
    }

    void udenBrudVisesSomHandlinger() {
        TMenuBeskrivelse m;
        TReopenFiler r;
        QMenu menu;
        QAction egen(QStringLiteral("Egen"));
        QSignalSpy egenSpy(&egen, &QAction::triggered);
        m.punkter = {TMenuPunkt{}}; // the owner's item
        r.setMenuStartNr(1);
        r.setMedMenuStreg(true);
        r.setDeleteItemCap(QStringLiteral("Slet alle"));
        TReopenMenu v(&r, &menu, {&egen});
        hukommelse(r, m, 3);
        QVERIFY(!v.kolonner());
        QCOMPARE(tekster(menu),
                 (QStringList{u"Egen"_s, u"2,5"_s, u"1,5"_s, u"0,5"_s, u"-"_s, u"Slet alle"_s}));
        QCOMPARE(menu.actions()[2]->statusTip(), QStringLiteral("Kilde 1"));

        QSignalSpy klik(&r, &TReopenFiler::OnKlik);
        menu.actions()[2]->trigger();
        QCOMPARE(klik.count(), 1);
        QCOMPARE(klik[0][0].toInt(), 2);
        menu.actions()[0]->trigger();
        QCOMPARE(egenSpy.count(), 1);
        QCOMPARE(klik.count(), 1);

        menu.actions()[5]->trigger(); // delete all
        QCOMPARE(r.Antal(), 0);
        QCOMPARE(tekster(menu), QStringList{u"Egen"_s});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(egen.text(), QStringLiteral("Egen")); // the owner's action is kept
    }

    void sletAlleIKolonner() {
        TMenuBeskrivelse m;
        TReopenFiler r;
        QMenu menu;
        r.setDeleteItemCap(QStringLiteral("Slet alle"));
        r.setDeleteItemHint(QStringLiteral("Tøm listen"));
        TReopenMenu v(&r, &menu);
        hukommelse(r, m, 8); // the delete-all item opens the second column
        const QList<QToolButton*> k = knapper(v);
        QCOMPARE(k.size(), 9);
        QCOMPARE(k[8]->text(), QStringLiteral("Slet alle"));
        QCOMPARE(k[8]->toolTip(), QStringLiteral("Tøm listen"));
        k[8]->click();
        QCOMPARE(r.Antal(), 0);
        QVERIFY(menu.actions().isEmpty());
    }
};

QTEST_MAIN(TstReopenMenu)
#include "tst_reopenmenu.moc"
