// The value memory: store, recall, the list of stored values and its menu.
#include "regnerfixtur.h"

#include <QTest>

class TestHukommelse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gemMedResultat();
    void gemUdenResultat();
    void sammeVaerdiToGange();
    void fuldListeOgKolonner();
    void klikPaaAeldreVaerdi();
    void sletAktuelle();
    void toem();
    void stoerrelseNul();
    void mindreStoerrelse();
    void hentUdenGemt();
    void gemFraAndetVindue();
};

void TestHukommelse::gemMedResultat() {
    RegnerFixtur f;
    f.tast(QStringLiteral("2+3=g"));
    QCOMPARE(f.huk.Hval, 5.0);
    QCOMPARE(f.huk.hukDisplay, QStringLiteral("5"));
    QCOMPARE(f.huk.hukommelseMenu.punkter.size(), 1);
    QCOMPARE(f.huk.hukommelseMenu.punkter[0].caption, QStringLiteral("5"));
    QCOMPARE(f.huk.hukommelseMenu.punkter[0].hint, QStringLiteral("2 + 3 = 5"));
}

void TestHukommelse::gemUdenResultat() {
    RegnerFixtur f;
    f.tast(QStringLiteral("2+3g"));
    QCOMPARE(f.huk.Hval, 3.0);
    QCOMPARE(f.huk.hukommelseMenu.punkter[0].hint, QString());
}

void TestHukommelse::sammeVaerdiToGange() {
    RegnerFixtur f;
    f.tast(QStringLiteral("7gg"));
    QCOMPARE(f.huk.captions(), (QStringList{QStringLiteral("7"), QStringLiteral("7")}));
}

void TestHukommelse::fuldListeOgKolonner() {
    RegnerFixtur f;
    for (int i = 1; i <= 17; ++i) {
        f.regner.disNyClick();
        f.tast(QString::number(i) + u'g');
    }
    const QStringList c = f.huk.captions();
    QCOMPARE(c.size(), 16);
    QCOMPARE(c.first(), QStringLiteral("17"));
    QCOMPARE(c.last(), QStringLiteral("2")); // the oldest, 1, is gone
    const auto& punkter = f.huk.hukommelseMenu.punkter;
    QCOMPARE(punkter.size(), 16);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(punkter[i].brud, i == 8 ? TBreakType::bjaelkeBrud : TBreakType::ingen);
}

// A click makes an older value current and moves it to the top; the
// calculator's display waits for "H".
void TestHukommelse::klikPaaAeldreVaerdi() {
    RegnerFixtur f;
    f.tast(QStringLiteral("2+1=g"));
    f.regner.disNyClick();
    f.tast(QStringLiteral("9g"));
    f.huk.Huk.OnClick(1); // the entry "3"
    QCOMPARE(f.huk.Hval, 3.0);
    QCOMPARE(f.huk.hukDisplay, QStringLiteral("3"));
    QCOMPARE(f.huk.captions(), (QStringList{QStringLiteral("3"), QStringLiteral("9")}));
    QCOMPARE(f.huk.hukommelseMenu.punkter[0].hint, QStringLiteral("2 + 1 = 3"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("9"));
    f.tast(QStringLiteral("j"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("3"));
}

void TestHukommelse::sletAktuelle() {
    RegnerFixtur f;
    f.tast(QStringLiteral("3g"));
    f.regner.disNyClick();
    f.tast(QStringLiteral("7g"));
    f.regner.rmSletAktuelleClick();
    QCOMPARE(f.huk.Hval, 3.0);
    QCOMPARE(f.huk.hukDisplay, QStringLiteral("3"));
    f.regner.rmSletAktuelleClick();
    QCOMPARE(f.huk.Hval, 0.0);
    QCOMPARE(f.huk.hukDisplay, QString());
    QVERIFY(f.huk.hukommelseMenu.punkter.isEmpty());
    f.regner.rmSletAktuelleClick(); // on an empty memory: nothing
    QCOMPARE(f.huk.Hval, 0.0);
}

void TestHukommelse::toem() {
    RegnerFixtur f;
    f.tast(QStringLiteral("3g4g"));
    f.regner.rmDeleteHukommelseClick();
    QVERIFY(f.huk.captions().isEmpty());
    QVERIFY(f.huk.hukommelseMenu.punkter.isEmpty());
    QCOMPARE(f.huk.Hval, 0.0);
    QCOMPARE(f.huk.hukDisplay, QString());
}

void TestHukommelse::stoerrelseNul() {
    RegnerFixtur f;
    f.huk.setFilantal(0);
    f.tast(QStringLiteral("6g"));
    QVERIFY(f.huk.captions().isEmpty());
    QCOMPARE(f.huk.Hval, 6.0);
    QCOMPARE(f.huk.hukDisplay, QStringLiteral("6"));
}

void TestHukommelse::mindreStoerrelse() {
    RegnerFixtur f;
    for (int i = 1; i <= 16; ++i)
        f.huk.gemFraVindue(QString(), i);
    f.huk.setFilantal(8);
    QCOMPARE(f.huk.captions().size(), 16); // cut at the next store
    f.huk.gemFraVindue(QString(), 99);
    const QStringList c = f.huk.captions();
    QCOMPARE(c.size(), 8);
    QCOMPARE(c.first(), QStringLiteral("99"));
    QCOMPARE(c.last(), QStringLiteral("10"));
}

void TestHukommelse::hentUdenGemt() {
    RegnerFixtur f;
    f.tast(QStringLiteral("5+j="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
}

void TestHukommelse::gemFraAndetVindue() {
    RegnerFixtur f;
    f.huk.gemFraVindue(QStringLiteral("x1"), 2.5);
    QCOMPARE(f.huk.Hval, 2.5);
    QCOMPARE(f.huk.hukDisplay, QStringLiteral("2,5"));
    QCOMPARE(f.huk.hukommelseMenu.punkter[0].hint, QStringLiteral("x1"));
    f.tast(QStringLiteral("j*2="));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
}

QTEST_GUILESS_MAIN(TestHukommelse)
#include "tst_hukommelse.moc"
