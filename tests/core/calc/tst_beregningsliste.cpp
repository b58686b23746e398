// The calculation list: what the calculator writes, its input/output form,
// and the switches that steer it.
#include "regnerfixtur.h"

#include <QTest>

class TestBeregningsliste : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void indUd_data();
    void indUd();
    void visSlaaetFra();
    void nyOpgaveToemmer();
    void doDis();
};

void TestBeregningsliste::indUd_data() {
    QTest::addColumn<QString>("taster");
    QTest::addColumn<QString>("liste");
    QTest::newRow("2+3") << "2+3="
                         << "INPUT: 2+3=|2 + 3 = 5|OUTPUT: 5=";
    QTest::newRow("funktion") << "30s"
                              << "INPUT: Sin(30)|Sin(30) = 0,5|OUTPUT: 0,5";
    QTest::newRow("funktion med stak") << "2+30s"
                                       << "INPUT: 2+Sin(30)|Sin(30) = 0,5|OUTPUT: 2+0,5";
    QTest::newRow("parentes") << "2*(3+4)"
                              << "INPUT: 2*|OUTPUT: 2*|INPUT: 2*(3+4)|3 + 4 = 7|OUTPUT: 2*7";
    QTest::newRow("rod") << "9i^2="
                         << "INPUT: 9 Rod 2=|9 Rod 2 = 3|OUTPUT: 3=";
    // The stack shows each record's own root flag, not the Inv box.
    QTest::newRow("rod efter Inv er fjernet") << "9i^2+"
                                              << "INPUT: 9 Rod 2+|9 Rod 2 = 3|OUTPUT: 3+";
    QTest::newRow("potens med Inv tilvalgt") << "2^3i="
                                             << "INPUT: 2^3=|2 ^ 3 = 8|OUTPUT: 8=";
}

void TestBeregningsliste::indUd() {
    QFETCH(QString, taster);
    QFETCH(QString, liste);
    RegnerFixtur f;
    f.regner.metaIndUdClick(true);
    f.tast(taster);
    QCOMPARE(f.liste(), liste);
    QCOMPARE(f.meta.valgt, f.meta.antal() - 1);
}

void TestBeregningsliste::visSlaaetFra() {
    RegnerFixtur f;
    f.regner.metaAktivClick(false);
    f.regner.metaIndUdClick(true);
    f.tast(QStringLiteral("2+3=s8/0="));
    QVERIFY(f.meta.linjer.isEmpty());
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("Ugyldige funktionsdata   "));
}

void TestBeregningsliste::nyOpgaveToemmer() {
    RegnerFixtur f;
    f.tast(QStringLiteral("2+3="));
    QCOMPARE(f.meta.antal(), 1);
    f.tast(QStringLiteral("4"));
    QVERIFY(f.meta.linjer.isEmpty());
    QCOMPARE(f.meta.valgt, -1);
    f.tast(QStringLiteral("+1="));
    f.regner.metaSletClick();
    QVERIFY(f.meta.linjer.isEmpty());
}

void TestBeregningsliste::doDis() {
    RegnerFixtur f;
    f.regner.DoDis(); // empty list: nothing
    QVERIFY(f.meta.linjer.isEmpty());
    f.tast(QStringLiteral("2+3="));
    f.regner.DoDis();
    QCOMPARE(f.meta.linjer, (QStringList{QStringLiteral("2 + 3 = 5"), QString()}));
    QCOMPARE(f.meta.valgt, 1);
    f.regner.DoDis(); // already ends a block
    QCOMPARE(f.meta.antal(), 2);
}

QTEST_GUILESS_MAIN(TestBeregningsliste)
#include "tst_beregningsliste.moc"
