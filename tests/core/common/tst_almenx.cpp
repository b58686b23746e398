#include "core/common/almenx.h"
#include "core/common/fejl.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstAlmenX : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editFloat_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("tal");
        QTest::newRow("komma") << "12,5" << 12.5;
        QTest::newRow("punktum") << "12.5" << 12.5;
        QTest::newRow("første separator vinder") << "1.234,5" << 1.2345;
        QTest::newRow("minus inde i tallet droppes") << "3-4" << 34.0;
        QTest::newRow("blank før minus") << " -7" << -7.0;
        QTest::newRow("bogstaver før minus") << "abc-7" << -7.0;
        QTest::newRow("eksponent læses helt") << "1E5" << 100000.0;
        QTest::newRow("lille tal som programmet skriver det") << "1E-5" << 1e-5;
        // Beyond the double range it is no number the program writes: filtered.
        QTest::newRow("eksponent uden for området filtreres") << "1e400" << 1400.0;
        QTest::newRow("negativ eksponent uden for området") << "-1E400" << -1400.0;
        QTest::newRow("eksponent med komma og fortegn") << "-2,5E3" << -2500.0;
        QTest::newRow("eksponent med punktum og blanke") << " 1.5e2 " << 150.0;
        QTest::newRow("eksponent uden cifre filtreres") << "1E" << 1.0;
        QTest::newRow("E foran tallet filtreres") << "E5" << 5.0;
        QTest::newRow("INF er ikke et tal i en boks") << "INF" << 0.0;
        QTest::newRow("flere punktummer filtreres") << "1.2.3" << 1.23;
        QTest::newRow("kun minus") << "-" << 0.0;
        QTest::newRow("tom") << "" << 0.0;
        QTest::newRow("valuta foran") << "kr 10" << 10.0;
        QTest::newRow("kun bogstaver") << "abc" << 0.0;
        QTest::newRow("plus er fremmed") << "+5" << 5.0;
        QTest::newRow("separator først") << ",5" << 0.5;
        QTest::newRow("separator sidst") << "7." << 7.0;
        QTest::newRow("to minus") << "--2" << -2.0;
        // A separator without a digit is nothing to read yet (".5" being typed).
        QTest::newRow("punktum alene") << "." << 0.0;
        QTest::newRow("minus komma") << "-," << 0.0;
        QTest::newRow("separatorer uden cifre") << "a.b,c" << 0.0;
        QTest::newRow("andre skrifters cifre tæller ikke")
            << QString::fromUtf8("1\u0663\uFF12") << 1.0;
    }
    void editFloat() {
        QFETCH(QString, tekst);
        QFETCH(double, tal);
        QCOMPARE(TAlmenX::EditFloat(tekst), tal);
    }

    void editInteger_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("heltal");
        QTest::addColumn<int>("positiv");
        QTest::newRow("minus først") << "-12" << -12 << 12;
        QTest::newRow("blank før minus") << " -12" << 12 << 12;
        QTest::newRow("separator afslutter ikke") << "1.5" << 15 << 15;
        QTest::newRow("komma") << "2,5" << 25 << 25;
        QTest::newRow("ingen cifre") << "abc" << 0 << 0;
        QTest::newRow("bogstav inde i tallet") << "12a3" << 123 << 123;
        QTest::newRow("tom") << "" << 0 << 0;
        QTest::newRow("kun minus") << "-" << 0 << 0;
        QTest::newRow("minus senere") << "5-3" << 53 << 53;
        QTest::newRow("største") << "2147483647" << 2147483647 << 2147483647;
        QTest::newRow("mindste uden fortegn") << "-2147483647" << -2147483647 << 2147483647;
        QTest::newRow("foranstillede nuller") << "000000000000000000042" << 42 << 42;
    }
    void editInteger() {
        QFETCH(QString, tekst);
        QFETCH(int, heltal);
        QFETCH(int, positiv);
        QCOMPARE(TAlmenX::EditInteger(tekst), heltal);
        QCOMPARE(TAlmenX::EditPosInteger(tekst), positiv);
    }

    void editIntegerFejl_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("over 32 bit") << "2147483648";
        QTest::newRow("fortegn først efter konvertering") << "-2147483648";
        QTest::newRow("mange cifre") << "99999999999999999999999";
    }
    void editIntegerFejl() {
        QFETCH(QString, tekst);
        QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, TAlmenX::EditInteger(tekst));
        QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, TAlmenX::EditPosInteger(tekst));
    }

    void blankFoerMinusAdskillerLaeserne() {
        QCOMPARE(TAlmenX::EditFloat(u" -3"_s), -3.0);
        QCOMPARE(TAlmenX::EditInteger(u" -3"_s), 3);
    }
};

QTEST_GUILESS_MAIN(TstAlmenX)
#include "tst_almenx.moc"
