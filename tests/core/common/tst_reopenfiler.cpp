#include "core/common/fejl.h"
#include "core/common/reopenfiler.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TItemtype)

namespace {

QStringList navne(const TReopenFiler& r) {
    QStringList l;
    for (const TReopenRec& e : r.Ropen())
        l << e.Filnavn;
    return l;
}

QStringList captions(const TMenuBeskrivelse& m) {
    QStringList l;
    for (const TMenuPunkt& p : m.punkter)
        l << p.caption;
    return l;
}

// Positions of the items that start a new column.
QList<int> brud(const TMenuBeskrivelse& m) {
    QList<int> l;
    for (int i = 0; i < m.punkter.size(); ++i)
        if (m.punkter[i].kolonneBrud()) l << i;
    return l;
}

TMenuPunkt fremmed(const QString& caption) {
    TMenuPunkt p;
    p.caption = caption;
    return p;
}

// Fills a list of kind itAndet with entries "v0" (oldest) .. "v<n-1>" (newest).
void fyld(TReopenFiler& r, int n) {
    for (int i = 0; i < n; ++i)
        r.InsertItem(QStringLiteral("n%1").arg(i), QStringLiteral("v%1").arg(i));
}

void skrivBytes(const QString& sti, const QByteArray& b) {
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

} // namespace

class TstReopenFiler : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standardvaerdier() {
        TReopenFiler r;
        QCOMPARE(r.Filantal(), 10);
        QCOMPARE(r.Itemtype(), itFil);
        QCOMPARE(r.Breaktype(), TBreakType::ingen);
        QCOMPARE(r.BreakNr(), 0);
        QCOMPARE(r.Antal(), 0);
        QVERIFY(r.MainItem() == nullptr);
    }

    void sammeNavnToGange_data() {
        QTest::addColumn<TItemtype>("type");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("andet beholder begge")
            << itAndet << QStringList{u"ny"_s, u"b"_s, u"gammel"_s};
        QTest::newRow("bibliotek flytter navnet op") << itBibliotek << QStringList{u"ny"_s, u"b"_s};
    }
    void sammeNavnToGange() {
        QFETCH(TItemtype, type);
        QFETCH(QStringList, captions);
        TReopenFiler r;
        r.setItemtype(type);
        r.InsertItem(u"x"_s, u"gammel"_s);
        r.InsertItem(u"y"_s, u"b"_s);
        r.InsertItem(u"x"_s, u"ny"_s);
        QStringList faktisk;
        for (int i = 0; i < r.Antal(); ++i)
            faktisk << r.GetCaption(i);
        QCOMPARE(faktisk, captions);
    }

    void filerSkalFindes() {
        QTemporaryDir dir;
        const QString a = dir.filePath(u"a.txt"_s);
        skrivBytes(a, "x");
        TReopenFiler r; // itFil
        r.InsertItem(dir.filePath(u"findesikke.txt"_s), u"mangler"_s);
        r.InsertItem(dir.path(), u"en mappe er ingen fil"_s);
        QCOMPARE(r.Antal(), 0);
        r.InsertItem(a, u"a"_s);
        r.InsertItem(a, u"a igen"_s);
        QCOMPARE(navne(r), QStringList{a});
        QCOMPARE(r.GetCaption(0), QStringLiteral("a igen"));
    }

    void kapacitet_data() {
        QTest::addColumn<int>("foer");     // entries held
        QTest::addColumn<int>("filantal"); // capacity set before the next insertion
        QTest::addColumn<QStringList>("efter");
        QTest::newRow("fuld liste taber den ældste")
            << 3 << 3 << QStringList{u"ny"_s, u"n2"_s, u"n1"_s};
        QTest::newRow("sænket fra 16 til 8")
            << 16 << 8 << QStringList{u"ny"_s,  u"n15"_s, u"n14"_s, u"n13"_s,
                                      u"n12"_s, u"n11"_s, u"n10"_s, u"n9"_s};
        QTest::newRow("filantal 0") << 0 << 0 << QStringList{};
        QTest::newRow("filantal 0 med poster") << 2 << 0 << QStringList{};
        QTest::newRow("negativt filantal") << 2 << -1 << QStringList{};
        QTest::newRow("plads til flere") << 2 << 10 << QStringList{u"ny"_s, u"n1"_s, u"n0"_s};
    }
    void kapacitet() {
        QFETCH(int, foer);
        QFETCH(int, filantal);
        QFETCH(QStringList, efter);
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setFilantal(qMax(foer, 1));
        fyld(r, foer);
        QCOMPARE(r.Antal(), foer);
        r.setFilantal(filantal);
        QCOMPARE(r.Antal(), foer); // the setter only stores
        r.InsertItem(u"ny"_s, u"v"_s);
        QCOMPARE(navne(r), efter);
    }

    void sletPost() {
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.DeleteItem(-1);
        r.DeleteItem(0);
        QCOMPARE(r.Antal(), 0);

        r.InsertItem(u"a"_s, u"1"_s);
        r.InsertItem(u"b"_s, u"2"_s);
        r.InsertItem(u"a"_s, u"2"_s);
        r.InsertItem(u"c"_s, u"3"_s); // newest first: c/3, a/2, b/2, a/1
        r.DeleteItem(QStringLiteral("a"));
        QCOMPARE(navne(r), (QStringList{u"c"_s, u"b"_s, u"a"_s}));
        r.DeleteItemCaption(u"2"_s);
        QCOMPARE(navne(r), (QStringList{u"c"_s, u"a"_s}));
        r.DeleteItem(QStringLiteral("A")); // exact, case-sensitive
        r.DeleteItemCaption(u"findes ikke"_s);
        r.DeleteItem(2);
        r.DeleteItem(-1);
        QCOMPARE(navne(r), (QStringList{u"c"_s, u"a"_s}));
        r.DeleteItem(1);
        QCOMPARE(navne(r), QStringList{u"c"_s});
    }

    void getCaption() {
        TReopenFiler r;
        r.setItemtype(itAndet);
        fyld(r, 2);
        QCOMPARE(r.GetCaption(0), QStringLiteral("v1"));
        QCOMPARE(r.GetCaption(1), QStringLiteral("v0"));
        QCOMPARE(r.GetCaption(r.Antal()), QString());
        QCOMPARE(r.GetCaption(-1), QString());
    }

    void makeMenuPaaTomListe() {
        TMenuBeskrivelse m;
        m.punkter = {fremmed(u"Egen 1"_s), fremmed(u"Egen 2"_s), fremmed(u"gammel post"_s)};
        TReopenFiler r;
        r.setMainItem(&m);
        r.setMenuStartNr(2);
        r.setMedMenuStreg(true);
        r.setDeleteItemCap(u"Slet alle"_s);
        QSignalSpy spy(&r, &TReopenFiler::menuAendret);
        r.MakeMenu(-1);
        QCOMPARE(captions(m), (QStringList{u"Egen 1"_s, u"Egen 2"_s}));
        QCOMPARE(spy.count(), 1);
    }

    void makeMenuUdenMainItem() {
        TReopenFiler r;
        r.setItemtype(itAndet);
        fyld(r, 2);
        QSignalSpy spy(&r, &TReopenFiler::menuAendret);
        r.MakeMenu(-1);
        QCOMPARE(spy.count(), 0);
    }

    void makeMenuPunkter() {
        TMenuBeskrivelse m;
        m.punkter = {fremmed(u"Egen"_s)};
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setMainItem(&m);
        r.setMenuStartNr(1);
        r.setMedMenuStreg(true);
        r.setDeleteItemCap(u"Slet alle"_s);
        r.setDeleteItemHint(u"Sletter listen"_s);
        fyld(r, 2);
        r.MakeMenu(-1);
        QCOMPARE(m.punkter.size(), 5);
        QCOMPARE(m.punkter[0], fremmed(u"Egen"_s));
        QCOMPARE(m.punkter[1].art, TMenuPunkt::Post);
        QCOMPARE(m.punkter[1].caption, QStringLiteral("v1"));
        QCOMPARE(m.punkter[1].hint, QStringLiteral("n1"));
        QCOMPARE(m.punkter[2].caption, QStringLiteral("v0"));
        QCOMPARE(m.punkter[3].art, TMenuPunkt::Streg);
        QCOMPARE(m.punkter[3].caption, QStringLiteral("-"));
        QCOMPARE(m.punkter[4].art, TMenuPunkt::SletAlle);
        QCOMPARE(m.punkter[4].caption, QStringLiteral("Slet alle"));
        QCOMPARE(m.punkter[4].hint, QStringLiteral("Sletter listen"));

        // Rebuilding replaces the list's items, never adds to them.
        r.InsertItem(u"n2"_s, u"v2"_s);
        r.MakeMenu(-1);
        QCOMPARE(captions(m),
                 (QStringList{u"Egen"_s, u"v2"_s, u"v1"_s, u"v0"_s, u"-"_s, u"Slet alle"_s}));
    }

    void tomtNavnAfslutterMenuen_data() {
        QTest::addColumn<TItemtype>("type");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("bibliotek stopper") << itBibliotek << QStringList{u"c"_s, u"-"_s};
        QTest::newRow("andet viser alle") << itAndet << QStringList{u"c"_s, u"b"_s, u"a"_s, u"-"_s};
    }
    void tomtNavnAfslutterMenuen() {
        QFETCH(TItemtype, type);
        QFETCH(QStringList, captions);
        TMenuBeskrivelse m;
        TReopenFiler r;
        r.setItemtype(type);
        r.setMainItem(&m);
        r.setMedMenuStreg(true);
        r.InsertItem(u"/a"_s, u"a"_s);
        r.InsertItem(u""_s, u"b"_s);
        r.InsertItem(u"/c"_s, u"c"_s);
        r.MakeMenu(-1);
        QCOMPARE(::captions(m), captions);
    }

    void billedindeks_data() {
        QTest::addColumn<int>("aImageIndex");
        QTest::addColumn<bool>("kunEt");
        QTest::addColumn<QList<int>>("indeks");
        QTest::newRow("automatisk") << -1 << false << QList<int>{5, 6, 7, -1};
        QTest::newRow("kun et billede") << -1 << true << QList<int>{5, 5, 5, -1};
        QTest::newRow("givet indeks") << 2 << true << QList<int>{2, 2, 2, -1};
        QTest::newRow("givet nul") << 0 << false << QList<int>{0, 0, 0, -1};
    }
    void billedindeks() {
        QFETCH(int, aImageIndex);
        QFETCH(bool, kunEt);
        QFETCH(QList<int>, indeks);
        TMenuBeskrivelse m;
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setMainItem(&m);
        r.setImageStartNr(5);
        r.setOnlyOneImageIndex(kunEt);
        r.setDeleteItemCap(u"Slet"_s);
        fyld(r, 3);
        r.MakeMenu(aImageIndex);
        QList<int> faktisk;
        for (const TMenuPunkt& p : m.punkter)
            faktisk << p.imageIndex;
        QCOMPARE(faktisk, indeks);
    }

    void kolonnebrud_data() {
        QTest::addColumn<int>("fremmede"); // the owner's items = MenuStartNr
        QTest::addColumn<int>("antal");
        QTest::addColumn<int>("breakNr");
        QTest::addColumn<bool>("streg");
        QTest::addColumn<bool>("sletAlle");
        QTest::addColumn<QList<int>>("brudVed");
        QTest::newRow("16 poster i to kolonner") << 0 << 16 << 8 << false << false << QList<int>{8};
        QTest::newRow("17 poster i tre kolonner")
            << 0 << 17 << 8 << false << false << QList<int>{8, 16};
        QTest::newRow("8 poster, ingen brud") << 0 << 8 << 8 << false << false << QList<int>{};
        QTest::newRow("streg starter kolonne") << 0 << 8 << 8 << true << true << QList<int>{8};
        QTest::newRow("slet alle starter kolonne") << 0 << 7 << 8 << true << true << QList<int>{8};
        QTest::newRow("egne punkter tæller med")
            << 1 << 16 << 8 << false << false << QList<int>{8, 16};
        QTest::newRow("første post bryder aldrig") << 8 << 2 << 8 << false << false << QList<int>{};
        QTest::newRow("BreakNr 0") << 0 << 16 << 0 << true << true << QList<int>{};
        QTest::newRow("BreakNr 1") << 0 << 3 << 1 << true << false << QList<int>{1, 2, 3};
    }
    void kolonnebrud() {
        QFETCH(int, fremmede);
        QFETCH(int, antal);
        QFETCH(int, breakNr);
        QFETCH(bool, streg);
        QFETCH(bool, sletAlle);
        QFETCH(QList<int>, brudVed);
        TMenuBeskrivelse m;
        for (int i = 0; i < fremmede; ++i)
            m.punkter << fremmed(QString::number(i));
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setFilantal(antal);
        r.setMainItem(&m);
        r.setMenuStartNr(fremmede);
        r.setBreakNr(breakNr);
        r.setBreaktype(TBreakType::bjaelkeBrud);
        r.setMedMenuStreg(streg);
        r.setDeleteItemCap(sletAlle ? QStringLiteral("Slet alle") : QString());
        fyld(r, antal);
        r.MakeMenu(-1);
        QCOMPARE(brud(m), brudVed);
        for (int i : brudVed)
            QCOMPARE(m.punkter[i].brud, TBreakType::bjaelkeBrud);
        QCOMPARE(m.harKolonneBrud(), !brudVed.isEmpty());
    }

    void brudtypenFoelgesUden() {
        TMenuBeskrivelse m;
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setMainItem(&m);
        r.setBreakNr(2);
        fyld(r, 3);
        r.MakeMenu(-1); // Breaktype ingen: nothing to give
        QVERIFY(!m.harKolonneBrud());
        r.setBreaktype(TBreakType::brud);
        r.MakeMenu(-1);
        QCOMPARE(m.punkter[2].brud, TBreakType::brud);
    }

    void menuStartEfterSidstePunkt() {
        TMenuBeskrivelse m;
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setMainItem(&m);
        r.setMenuStartNr(2);
        r.MakeMenu(-1); // nothing to insert: no error
        fyld(r, 1);
        QVERIFY_THROWS_EXCEPTION(TIndeksFejl, r.MakeMenu(-1));
        QVERIFY(m.punkter.isEmpty());
    }

    void deleteAllItems() {
        TMenuBeskrivelse m;
        m.punkter = {fremmed(u"Egen"_s)};
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setMainItem(&m);
        r.setMenuStartNr(1);
        fyld(r, 3);
        r.MakeMenu(-1);
        QSignalSpy spy(&r, &TReopenFiler::menuAendret);
        r.DeleteAllItems();
        QCOMPARE(r.Antal(), 0);
        QCOMPARE(captions(m), QStringList{u"Egen"_s});
        QCOMPARE(spy.count(), 1);

        // An empty list leaves the menu alone.
        m.punkter << fremmed(u"rest"_s);
        r.DeleteAllItems();
        QCOMPARE(captions(m), (QStringList{u"Egen"_s, u"rest"_s}));
        QCOMPARE(spy.count(), 1);
    }

    void klikPaaAndet() {
        TMenuBeskrivelse m;
        m.punkter = {fremmed(u"Egen"_s)};
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setMainItem(&m);
        r.setMenuStartNr(1);
        r.setMedMenuStreg(true);
        r.setDeleteItemCap(u"Slet alle"_s);
        fyld(r, 3);
        r.MakeMenu(-1);
        QSignalSpy klik(&r, &TReopenFiler::OnKlik);
        r.OnClick(2); // entry 1
        QCOMPARE(klik.count(), 1);
        QCOMPARE(klik[0][0].toInt(), 2);
        QCOMPARE(klik[0][1].toString(), QStringLiteral("n1"));

        // The owner's item, the separator, the delete-all item and positions
        // outside the menu are no entries.
        for (int p : {0, 4, 5, 6, -1})
            r.OnClick(p);
        QCOMPARE(klik.count(), 1);
        QCOMPARE(r.Antal(), 3);

        r.OnDeleteAll();
        QCOMPARE(klik.count(), 1);
        QCOMPARE(r.Antal(), 0);
        QCOMPARE(captions(m), QStringList{u"Egen"_s});
    }

    void klikPaaForsvundenFil() {
        QTemporaryDir dir;
        const QString a = dir.filePath(u"a.txt"_s);
        const QString b = dir.filePath(u"b.txt"_s);
        skrivBytes(a, "x");
        skrivBytes(b, "x");
        TMenuBeskrivelse m;
        TReopenFiler r; // itFil
        r.setMainItem(&m);
        r.InsertItem(a, u"A"_s);
        r.InsertItem(b, u"B"_s);
        r.MakeMenu(-1);
        QSignalSpy klik(&r, &TReopenFiler::OnKlik);

        r.OnClick(1);
        QCOMPARE(klik.takeFirst(), (QVariantList{1, a}));
        QCOMPARE(r.Antal(), 2);

        QVERIFY(QFile::remove(a));
        r.OnClick(1);
        QCOMPARE(klik.takeFirst(), (QVariantList{1, QString()}));
        QCOMPARE(navne(r), QStringList{b}); // the gone entry is removed
        QCOMPARE(m.punkter.size(), 2);      // the menu is not rebuilt here
    }

    void klikPaaBibliotek() {
        QTemporaryDir dir;
        const QString mappe = dir.filePath(u"m"_s);
        QVERIFY(QDir().mkdir(mappe));
        TMenuBeskrivelse m;
        TReopenFiler r;
        r.setItemtype(itBibliotek);
        r.setMainItem(&m);
        r.InsertItem(dir.filePath(u"ingen"_s), u"væk"_s);
        r.InsertItem(mappe, u"m"_s);
        r.MakeMenu(-1);
        QSignalSpy klik(&r, &TReopenFiler::OnKlik);
        r.OnClick(0);
        r.OnClick(1);
        QCOMPARE(klik.count(), 2);
        QCOMPARE(klik[0][1].toString(), mappe);
        QCOMPARE(klik[1][1].toString(), QString());
        QCOMPARE(navne(r), QStringList{mappe});
    }

    void postfilRundtur() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"filer.txt"_s);
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setItemfile(sti);
        r.setFilantal(16);
        r.InsertItem(u"navn 1"_s, QString::fromUtf8("1,5"));
        r.InsertItem(QString::fromUtf8("Ligninger æ"), u""_s);
        r.GemReopenFiler();
        QFile f(sti);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("16\r\n2\r\n\r\nLigninger \xE6\r\n1,5\r\nnavn 1\r\n"));

        TMenuBeskrivelse m;
        TReopenFiler h;
        h.setItemfile(sti);
        h.setMainItem(&m);
        h.InsertItem(dir.path(), u"bliver væk"_s); // itFil: a folder is not kept
        h.HentReopenFiler();
        QCOMPARE(h.Filantal(), 16);
        QCOMPARE(h.Ropen(), r.Ropen());
        QVERIFY(m.punkter.isEmpty()); // the caller rebuilds the menu
    }

    void hentAntalOverFilantal() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"filer.txt"_s);
        skrivBytes(sti, "1\n2\na\nA\nb\nB\n");
        TReopenFiler r;
        r.setItemfile(sti);
        r.HentReopenFiler();
        QCOMPARE(r.Filantal(), 1);
        QCOMPARE(navne(r), (QStringList{u"A"_s, u"B"_s}));
    }

    void hentKortFil_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("en linje") << QByteArray("5\r\n");
        QTest::newRow("tom fil") << QByteArray();
    }
    void hentKortFil() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"filer.txt"_s);
        skrivBytes(sti, bytes);
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setFilantal(3);
        r.InsertItem(u"x"_s, u"y"_s);
        r.setItemfile(sti);
        r.HentReopenFiler();
        QCOMPARE(r.Antal(), 0);
        QCOMPARE(r.Filantal(), 10);
    }

    void hentManglendeFil() {
        QTemporaryDir dir;
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setFilantal(3);
        r.InsertItem(u"x"_s, u"y"_s);
        r.setItemfile(dir.filePath(u"findesikke.txt"_s));
        r.HentReopenFiler();
        QCOMPARE(r.Antal(), 0);
        QCOMPARE(r.Filantal(), 3);
    }

    void hentFejl_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fejl");
        QTest::addColumn<int>("filantal");
        QTest::newRow("linje 1 er ikke et tal") << QByteArray("x\r\n1\r\n") << 0 << 0;
        QTest::newRow("linje 2 er ikke et tal") << QByteArray("7\r\n1,5\r\n") << 0 << 7;
        QTest::newRow("negativt antal") << QByteArray("7\r\n-1\r\n") << 0 << 7;
        QTest::newRow("færre linjer end antal")
            << QByteArray("7\r\n2\r\na\r\nA\r\nb\r\n") << 1 << 7;
        QTest::newRow("kæmpe antal") << QByteArray("7\r\n2000000000\r\n") << 1 << 7;
    }
    void hentFejl() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fejl);
        QFETCH(int, filantal);
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"filer.txt"_s);
        skrivBytes(sti, bytes);
        TMenuBeskrivelse m;
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setMainItem(&m);
        r.InsertItem(u"gammel"_s, u"g"_s);
        r.MakeMenu(-1);
        r.setItemfile(sti);
        if (fejl == 0)
            QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, r.HentReopenFiler());
        else
            QVERIFY_THROWS_EXCEPTION(TIndeksFejl, r.HentReopenFiler());
        QCOMPARE(r.Antal(), 0);
        QVERIFY(m.punkter.isEmpty());
        QCOMPARE(r.Filantal(), filantal);
    }

    void gemFejl() {
        QTemporaryDir dir;
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.InsertItem(u"a"_s, u"b"_s);
        r.GemReopenFiler(); // no item file: nothing to do
        r.setItemfile(dir.filePath(u"mangler/filer.txt"_s));
        QVERIFY_THROWS_EXCEPTION(TFilFejl, r.GemReopenFiler());
    }

    void deleteItemFile() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"filer.txt"_s);
        TReopenFiler r;
        r.setItemtype(itAndet);
        r.setItemfile(sti);
        r.InsertItem(u"a"_s, u"b"_s);
        r.DeleteItemFile(); // no file yet: nothing happens
        QCOMPARE(r.Antal(), 1);
        QCOMPARE(r.Itemfile(), sti);

        r.GemReopenFiler();
        r.DeleteItemFile();
        QCOMPARE(r.Antal(), 0);
        QVERIFY(r.Itemfile().isEmpty());
        QVERIFY(!QFileInfo::exists(sti));
    }
};

QTEST_GUILESS_MAIN(TstReopenFiler)
#include "tst_reopenfiler.moc"
