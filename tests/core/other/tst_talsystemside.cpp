#include "beskedoptager.h"
#include "core/common/fejl.h"
#include "core/other/talsystemside.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
int idx(const char* navn) {
    return static_cast<int>(TTalsystemside::baseNavne().indexOf(QString::fromLatin1(navn)));
}
} // namespace

class TstTalsystemside : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void omregning_data() {
        QTest::addColumn<QString>("ind");
        QTest::addColumn<QString>("taster");
        QTest::addColumn<QString>("ud");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("bin 1000 til dec") << "Bin"
                                          << "1000"
                                          << "Dec"
                                          << "8";
        QTest::newRow("dec 255 til hex") << "Dec"
                                         << "255"
                                         << "Hex"
                                         << "FF";
        QTest::newRow("dec 255 til bin") << "Dec"
                                         << "255"
                                         << "Bin"
                                         << "11111111";
        QTest::newRow("dec 255 til okt") << "Dec"
                                         << "255"
                                         << "Okt"
                                         << "377";
        QTest::newRow("hex FF til dec") << "Hex"
                                        << "ff"
                                        << "Dec"
                                        << "255";
        QTest::newRow("okt 777 til dec") << "Okt"
                                         << "777"
                                         << "Dec"
                                         << "511";
        QTest::newRow("dec 0 til bin") << "Dec"
                                       << "0"
                                       << "Bin"
                                       << "0";
        QTest::newRow("nuller foran") << "Dec"
                                      << "0012"
                                      << "Bin"
                                      << "1100";
        QTest::newRow("base 3 til 13") << "3"
                                       << "2101"
                                       << "13"
                                       << "4C";
        // 2^59 and the largest 64-bit value convert exactly.
        QTest::newRow("2^59 fra bin")
            << u"Bin"_s << u"1"_s + QString(59, u'0') << u"Dec"_s << u"576460752303423488"_s;
        QTest::newRow("2^64-1 fra hex") << "Hex"
                                        << "FFFFFFFFFFFFFFFF"
                                        << "Dec"
                                        << "18446744073709551615";
        QTest::newRow("2^64-1 fra dec") << "Dec"
                                        << "18446744073709551615"
                                        << "Hex"
                                        << "FFFFFFFFFFFFFFFF";
        // Past 64 bits every digit still counts (checked with Python's int).
        QTest::newRow("2^64 fra hex") << "Hex"
                                      << "10000000000000000"
                                      << "Hex"
                                      << "10000000000000000";
        QTest::newRow("2^64 fra hex til dec") << "Hex"
                                              << "10000000000000000"
                                              << "Dec"
                                              << "18446744073709551616";
        QTest::newRow("17 F til dec") << "Hex"
                                      << "FFFFFFFFFFFFFFFFF"
                                      << "Dec"
                                      << "295147905179352825855";
        QTest::newRow("2^64 fra dec") << "Dec"
                                      << "18446744073709551616"
                                      << "Hex"
                                      << "10000000000000000";
        QTest::newRow("60 nitaller til base 7")
            << "Dec"
            << "999999999999999999999999999999999999999999999999999999999999"
            << "7"
            << "66531200401055223342053156061056162605530033102223501242003642315453630";
    }
    void omregning() {
        QFETCH(QString, ind);
        QFETCH(QString, taster);
        QFETCH(QString, ud);
        QFETCH(QString, resultat);
        BeskedOptager b;
        TTalsystemside s(b, {});
        s.setInputIndex(idx(ind.toLatin1()));
        s.outputIndex = idx(ud.toLatin1()) == 0 ? 1 : 0; // so the choice below is a change
        for (QChar c : taster)
            QVERIFY(s.FormKeyPress(c));
        s.setOutputIndex(idx(ud.toLatin1()));
        QCOMPARE(s.outputEdit, resultat);
        QVERIFY(b.boxe.isEmpty());
    }

    void cifreEfterBase() {
        BeskedOptager b;
        TTalsystemside s(b, {});
        s.setInputIndex(idx("Okt"));
        for (int d = 0; d < 16; ++d)
            QCOMPARE(s.cifferAktivt(d), d < 8);
        QVERIFY(!s.FormKeyPress(u'8'));
        QVERIFY(!s.FormKeyPress(u'a'));
        QVERIFY(!s.FormKeyPress(u'x'));
        s.ActionExecute(9); // a disabled key does nothing
        QCOMPARE(s.inputEdit, QString());
        s.setInputIndex(idx("Hex"));
        QVERIFY(s.FormKeyPress(u'f'));
        s.ActionExecute(10);
        s.ActionExecute(0);
        QCOMPARE(s.inputEdit, QStringLiteral("FA0"));
        s.setInputIndex(idx("Bin"));
        QVERIFY(s.cifferAktivt(1));
        QVERIFY(!s.cifferAktivt(2));
    }

    void nyInputBaseTaemmerOgFoelger() {
        BeskedOptager b;
        TTalsystemside s(b, {});
        s.ActionExecute(5);
        s.setOutputIndex(idx("Bin"));
        QCOMPARE(s.outputEdit, QStringLiteral("101"));
        s.setInputIndex(idx("Hex"));
        QVERIFY(s.inputEdit.isEmpty());
        QVERIFY(s.outputEdit.isEmpty());
        QCOMPARE(s.outputIndex, idx("Hex"));
        s.ActionExecute(7);
        s.nyKnapClick();
        QVERIFY(s.inputEdit.isEmpty());
        QCOMPARE(s.outputIndex, idx("Hex"));
    }

    void hentFraTavlix_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("bin");
        QTest::newRow("afkortes") << "12,9"
                                  << "12"
                                  << "1100";
        QTest::newRow("negativ") << "-5"
                                 << "-5"
                                 << "-101";
        QTest::newRow("negativ afkortes mod nul") << "-0,5"
                                                  << "0"
                                                  << "0";
        QTest::newRow("stor")
            << "1E20"
            << "1E20"
            << "1010110101111000111010111100010110101100011000100000000000000000000";
    }
    void hentFraTavlix() {
        QFETCH(QString, display);
        QFETCH(QString, input);
        QFETCH(QString, bin);
        BeskedOptager b;
        TTalsystemside s(b, [&] { return display; });
        s.setInputIndex(idx("Hex"));
        s.ActionExecute(15);
        s.setOutputIndex(idx("Bin"));
        s.hentKnapClick();
        QCOMPARE(s.inputIndex, TTalsystemside::DecIndex);
        QCOMPARE(s.outputIndex, TTalsystemside::DecIndex);
        QCOMPARE(s.inputEdit, input);
        QVERIFY(s.outputEdit.isEmpty());
        s.setOutputIndex(idx("Bin"));
        QCOMPARE(s.outputEdit, bin);
    }

    void hentRydderGammeltResultat() {
        BeskedOptager b;
        QString display = QStringLiteral("7");
        TTalsystemside s(b, [&] { return display; });
        s.hentKnapClick();
        s.outputBoxClick(); // Dec to Dec
        QCOMPARE(s.outputEdit, QStringLiteral("7"));
        display = QStringLiteral("9");
        s.hentKnapClick(); // both bases already "Dec": no selection changes
        QCOMPARE(s.inputEdit, QStringLiteral("9"));
        QVERIFY(s.outputEdit.isEmpty());
    }

    void uendeligOgNanAfvises_data() {
        QTest::addColumn<QString>("display");
        QTest::newRow("INF") << "INF";
        QTest::newRow("-INF") << "-INF";
        QTest::newRow("NAN") << "NAN";
    }
    void uendeligOgNanAfvises() {
        QFETCH(QString, display);
        BeskedOptager b;
        TTalsystemside s(b, [&] { return display; });
        s.hentKnapClick();
        s.setOutputIndex(idx("Bin"));
        QVERIFY(s.outputEdit.isEmpty());
        QCOMPARE(b.tekster(),
                 QStringList{QStringLiteral("Værdien %1 kan ikke omregnes til et andet "
                                            "talsystem.")
                                 .arg(display)});
    }

    void displayUdenTalGiverFejlEfterValg() {
        BeskedOptager b;
        TTalsystemside s(b, [] { return QStringLiteral("Fejl"); });
        s.setInputIndex(idx("Bin"));
        QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, s.hentKnapClick());
        QCOMPARE(s.inputIndex, TTalsystemside::DecIndex);
    }

    void decimalTilAndetDirekte_data() {
        QTest::addColumn<double>("tal");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("negativ") << -255.0 << 16 << "-FF";
        QTest::newRow("minus nul") << -0.0 << 2 << "0";
        QTest::newRow("1E30 base 10") << 1e30 << 10 << "1000000000000000019884624838656";
        QTest::newRow("uendelig") << qInf() << 2 << "";
        QTest::newRow("nan") << qQNaN() << 2 << "";
    }
    void decimalTilAndetDirekte() {
        QFETCH(double, tal);
        QFETCH(int, base);
        QFETCH(QString, tekst);
        QCOMPARE(TTalsystemside::DecimalToAndet(tal, base), tekst);
    }

    void potens() {
        QCOMPARE(TTalsystemside::GetPotens(7, 0), 1.0);
        QCOMPARE(TTalsystemside::GetPotens(7, 1), 7.0);
        QCOMPARE(TTalsystemside::GetPotens(2, 60), 1152921504606846976.0);
    }
};

QTEST_GUILESS_MAIN(TstTalsystemside)
#include "tst_talsystemside.moc"
