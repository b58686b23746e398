// The structure tree follows the structure by branches: after any change its
// items show the nodes in order, with their texts and open as the nodes say,
// and an insert or a delete leaves the items of the other branches alone.
#include "core/info/struktur.h"
#include "ui/info/strukturvisning.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The tree as the items show it, one line per item: depth and text.
QStringList itemTrae(QTreeWidgetItem* rod, int dybde = 0) {
    QStringList l;
    for (int i = 0; i < rod->childCount(); ++i) {
        QTreeWidgetItem* it = rod->child(i);
        l << QString(dybde, u'\t') + it->text(0);
        l << itemTrae(it, dybde + 1);
    }
    return l;
}

QStringList nodeTrae(const TNodeListe& noder, int dybde = 0) {
    QStringList l;
    for (const auto& n : noder) {
        l << QString(dybde, u'\t') + n->tekst;
        l << nodeTrae(n->boern, dybde + 1);
    }
    return l;
}

// 20 chapters of 5 sections of 4 pages.
void fyld(TStruktur& s) {
    QString tekst;
    for (int k = 0; k < 20; ++k) {
        tekst += QStringLiteral("Kapitel %1\r\n").arg(k);
        for (int a = 0; a < 5; ++a) {
            tekst += QStringLiteral("\tAfsnit %1.%2\r\n").arg(k).arg(a);
            for (int b = 0; b < 4; ++b)
                tekst += QStringLiteral("\t\tSide %1.%2.%3\r\n").arg(k).arg(a).arg(b);
        }
    }
    TNodeListe noder;
    QVERIFY(TStruktur::laesTrae(tekst, noder));
    // Through a file, as the program loads it.
    static QTemporaryDir dir;
    QFile f(dir.path() + QStringLiteral("/struktur.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(tekst.toUtf8());
    f.close();
    s.Strukturfile = f.fileName();
    QVERIFY(s.HentStruktur());
}

} // namespace

class TestStrukturVisning : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random inserts, deletes, renames, moves, sorting and opening: the
    // items always show the model, and every node has its own item.
    void foelgerStrukturen() {
        TStruktur s;
        fyld(s);
        TStrukturVisning v(s);
        QRandomGenerator g(3);
        for (int i = 0; i < 300; ++i) {
            const auto alle = s.preorden();
            TStrukturNode* en =
                alle[static_cast<std::size_t>(g.bounded(static_cast<int>(alle.size())))];
            TStrukturNode* anden =
                alle[static_cast<std::size_t>(g.bounded(static_cast<int>(alle.size())))];
            s.vaelg(en);
            switch (g.bounded(8)) {
            case 0:
            case 1:
                s.Flytmode = g.bounded(5);
                s.NyNode(QStringLiteral("Ny %1").arg(i), QString(), 0, false, false);
                break;
            case 2:
                if (alle.size() > 10) s.SletNode();
                break;
            case 3:
                s.RedigerNode(QStringLiteral("Omdøbt %1").arg(i), QString(), 0, false, false);
                break;
            case 4:
            case 5:
                // A drag ends so.
                if (s.flyt(en, anden, g.bounded(5))) Q_EMIT s.aendret();
                break;
            case 6:
                if (g.bounded(10) == 0) s.sorter();
                break;
            default:
                v.item(en)->setExpanded(!v.item(en)->isExpanded());
            }
            QCOMPARE(itemTrae(v.invisibleRootItem()), nodeTrae(s.topNoder()));
            // Open nodes show open (the view also opens the way to the
            // selected node).
            for (TStrukturNode* n : s.preorden()) {
                QCOMPARE(v.node(v.item(n)), n);
                if (n->udfoldet && !n->boern.empty()) QVERIFY(v.item(n)->isExpanded());
            }
            QCOMPARE(v.node(v.currentItem()), s.Selected());
        }
    }

    // An insert and a delete touch their sibling list only: the view hears of
    // no reset, and the items of the other nodes stay the same items.
    void aendringRoererKunSinGren() {
        TStruktur s;
        fyld(s);
        s.FullExpand();
        TStrukturVisning v(s);
        QHash<TStrukturNode*, QTreeWidgetItem*> foer;
        for (TStrukturNode* n : s.preorden())
            foer.insert(n, v.item(n));
        QSignalSpy nulstillet(v.model(), &QAbstractItemModel::modelReset);
        QSignalSpy indsat(v.model(), &QAbstractItemModel::rowsInserted);
        TStrukturNode* side = s.preorden()[200];
        s.vaelg(side);
        s.Flytmode = TStruktur::EfterSidsteSoskende;
        s.NyNode(QStringLiteral("Ny side"), QString(), 0, false, false);
        QCOMPARE(itemTrae(v.invisibleRootItem()), nodeTrae(s.topNoder()));
        // The insert leaves the reference page selected; the new page is its
        // parent's last child, and that is what is deleted again.
        QVERIFY(side->foraelder);
        s.vaelg(side->foraelder->boern.back().get());
        QCOMPARE(s.Selected()->tekst, QStringLiteral("Ny side"));
        s.SletNode();
        QCOMPARE(itemTrae(v.invisibleRootItem()), nodeTrae(s.topNoder()));
        QCOMPARE(nulstillet.size(), 0);
        // Twice the sibling list of the new page (four pages and it) put back.
        int raekker = 0;
        for (const auto& a : indsat)
            raekker += a.at(2).toInt() - a.at(1).toInt() + 1;
        QVERIFY2(raekker <= 9, qPrintable(QString::number(raekker)));
        for (auto it = foer.cbegin(); it != foer.cend(); ++it)
            QCOMPARE(v.item(it.key()), it.value());
    }
};

QTEST_MAIN(TestStrukturVisning)
#include "tst_strukturvisning.moc"
