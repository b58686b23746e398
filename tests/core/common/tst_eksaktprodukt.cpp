#include "core/common/eksaktprodukt.h"

#include <cmath>
#include <limits>
#include <QtTest>

class TstEksaktProdukt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void produkterLige_data() {
        QTest::addColumn<QList<double>>("venstre");
        QTest::addColumn<QList<double>>("hoejre");
        QTest::addColumn<bool>("lige");
        // In binary 0,1·3 = 0,30000000000000004; as shown both are 0,3.
        QTest::newRow("0,1 gange 3 er 0,3") << QList<double>{0.1, 3} << QList<double>{0.3} << true;
        QTest::newRow("ens efter 15 cifre")
            << QList<double>{1} << QList<double>{1.0000000000000002} << true;
        QTest::newRow("fortegn") << QList<double>{2, 3} << QList<double>{-6} << false;
        QTest::newRow("to minus") << QList<double>{-2, -3} << QList<double>{6} << true;
        QTest::newRow("nul uden fortegn") << QList<double>{0, 5} << QList<double>{-0.0, -1} << true;
        // 10^600 on both sides: beyond the double range, still exact.
        QTest::newRow("ud over double")
            << QList<double>{1e200, 1e200, 1e200} << QList<double>{1e300, 1e300} << true;
        // The products differ in the 29th digit only
        // (1,0000000000000200000000000001 against 1,00000000000002).
        QTest::newRow("forskel i 29. ciffer") << QList<double>{1.00000000000001, 1.00000000000001}
                                              << QList<double>{1.00000000000002} << false;
        // 123456789012345 · 0,00001 = 1234567890,12345 exactly.
        QTest::newRow("15 cifre gange potens")
            << QList<double>{123456789012345, 0.00001} << QList<double>{1234567890.12345} << true;
        QTest::newRow("ikke endelig")
            << QList<double>{std::numeric_limits<double>::infinity()}
            << QList<double>{std::numeric_limits<double>::infinity()} << false;
    }
    void produkterLige() {
        QFETCH(QList<double>, venstre);
        QFETCH(QList<double>, hoejre);
        QFETCH(bool, lige);
        auto kald = [](const QList<double>& v, const QList<double>& h) {
            return eksakt::produkterLige(
                std::span<const double>(v.constData(), static_cast<std::size_t>(v.size())),
                std::span<const double>(h.constData(), static_cast<std::size_t>(h.size())));
        };
        QCOMPARE(kald(venstre, hoejre), lige);
        QCOMPARE(kald(hoejre, venstre), lige);
    }
};

QTEST_GUILESS_MAIN(TstEksaktProdukt)
#include "tst_eksaktprodukt.moc"
