// The expression window: its actions and the memo that follows the keys.
#include "../calc/regnerfixtur.h"
#include "core/formula/udtryk.h"

#include <QSignalSpy>
#include <QTest>

struct UdtrykFixtur : RegnerFixtur {
    TUdtryk udtryk{regner, meta};
};

class TestUdtryk : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void beregn();
    void beregnFlereLinjer();
    void beregnUdenTastatur();
    void memoFoelgerTasterne();
    void tomMemoForbliverTom();
    void memoFoelgerTilbage();
    void memoEfterSletTal();
    void vis();
    void rydAlt();
    void nyFormel();
    void indsaetFraDisplay();
    void panel();
};

void TestUdtryk::beregn() {
    UdtrykFixtur f;
    QVERIFY(!f.udtryk.aBeregnEnabled());
    f.udtryk.setUMemo(QStringLiteral("2 + 3*4="));
    QVERIFY(f.udtryk.aBeregnEnabled());
    f.udtryk.aBeregn();
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("14"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("2 + 3*4="));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("2 + 3*4="));
    // The text is the recording now: "Tilbage" works on it.
    f.tast(QStringLiteral("\b"));
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("4"));
}

void TestUdtryk::beregnFlereLinjer() {
    UdtrykFixtur f;
    f.udtryk.setUMemo(QStringLiteral("2+\n3\r\n="));
    f.udtryk.aBeregn();
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("5"));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("2+3="));
}

void TestUdtryk::beregnUdenTastatur() {
    UdtrykFixtur f;
    f.tast(QStringLiteral("7+"));
    f.regner.setTastaturSynligt(false);
    f.udtryk.setUMemo(QStringLiteral("2+3="));
    f.udtryk.aBeregn();
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("7"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("7+"));
    QCOMPARE(f.regner.udText(), QStringLiteral("7 + "));
}

void TestUdtryk::memoFoelgerTasterne() {
    UdtrykFixtur f;
    f.udtryk.setUMemo(QStringLiteral("gammel tekst"));
    f.tast(QStringLiteral("12+"));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("12+"));
    f.tast(QStringLiteral("3="));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("12+3="));
    // Keys that write nothing to the expression line leave the memo behind.
    f.regner.disNyClick();
    f.tast(QStringLiteral("5,,"));
    QCOMPARE(f.regner.formelString(), QStringLiteral("5,,"));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("5,"));
}

void TestUdtryk::tomMemoForbliverTom() {
    UdtrykFixtur f;
    f.tast(QStringLiteral("12+3="));
    QCOMPARE(f.udtryk.uMemo(), QString());
}

void TestUdtryk::memoFoelgerTilbage() {
    UdtrykFixtur f;
    f.udtryk.setUMemo(QStringLiteral("x"));
    f.tast(QStringLiteral("12+34"));
    f.tast(QStringLiteral("\b"));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("12+3"));
    f.tast(QStringLiteral("\b\b"));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("12"));
}

// "Slet" on the only number empties the recording, and with it the memo,
// which then stays empty.
void TestUdtryk::memoEfterSletTal() {
    UdtrykFixtur f;
    f.udtryk.setUMemo(QStringLiteral("x"));
    f.tast(QStringLiteral("5"));
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("5"));
    f.regner.DelTalExecute();
    QCOMPARE(f.udtryk.uMemo(), QString());
    f.tast(QStringLiteral("7"));
    QCOMPARE(f.udtryk.uMemo(), QString());
}

void TestUdtryk::vis() {
    UdtrykFixtur f;
    QVERIFY(!f.udtryk.aVisEnabled());
    f.tast(QStringLiteral("2x+9ix="));
    QVERIFY(f.udtryk.aVisEnabled());
    f.udtryk.aVis();
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("2x+9ix="));
}

void TestUdtryk::rydAlt() {
    UdtrykFixtur f;
    QVERIFY(!f.udtryk.aRydAltEnabled());
    f.meta.tilfoej(QStringLiteral("linje"));
    QVERIFY(f.udtryk.aRydAltEnabled());
    f.meta.toem();
    f.udtryk.setUMemo(QStringLiteral("1"));
    QVERIFY(f.udtryk.aRydAltEnabled());
    f.tast(QStringLiteral("2+3="));
    f.udtryk.aRydAlt();
    QCOMPARE(f.udtryk.uMemo(), QString());
    QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    QVERIFY(f.meta.linjer.isEmpty());
    QVERIFY(!f.udtryk.aRydAltEnabled());
}

void TestUdtryk::nyFormel() {
    UdtrykFixtur f;
    QVERIFY(!f.udtryk.newFormelEnabled());
    f.udtryk.setUMemo(QStringLiteral("2+"));
    QVERIFY(f.udtryk.newFormelEnabled());
    f.udtryk.newFormel();
    QCOMPARE(f.udtryk.uMemo(), QString());
}

void TestUdtryk::indsaetFraDisplay() {
    UdtrykFixtur f;
    QSignalSpy fokus(&f.udtryk, &TUdtryk::uMemoFokusOenskes);
    f.tast(QStringLiteral("1,5"));
    f.udtryk.setUMemo(QStringLiteral("2+*3"));
    QCOMPARE(f.udtryk.AinsertFromDis(2, 0), 5);
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("2+1,5*3"));
    QCOMPARE(f.udtryk.AinsertFromDis(0, 1), 3); // replaces the selected "2"
    QCOMPARE(f.udtryk.uMemo(), QStringLiteral("1,5+1,5*3"));
    QCOMPARE(fokus.count(), 2);
    QVERIFY(f.regner.uMemoFokus());
}

void TestUdtryk::panel() {
    UdtrykFixtur f;
    QSignalSpy emne(&f.udtryk, &TUdtryk::informationOenskes);
    f.udtryk.SpeedButton14Click();
    QCOMPARE(emne.takeFirst().at(0).toString(), QStringLiteral("Udtryk og formelsprog"));
    QVERIFY(f.udtryk.uPanelSynlig());
    f.udtryk.uMemoKnapClick();
    QVERIFY(!f.udtryk.uPanelSynlig());
    f.udtryk.uMemoKnapClick();
    QVERIFY(f.udtryk.uPanelSynlig());
}

QTEST_GUILESS_MAIN(TestUdtryk)
#include "tst_udtryk.moc"
