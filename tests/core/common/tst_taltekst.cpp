#include "core/common/almenx.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <cmath>
#include <limits>
#include <QtTest>

class TstTaltekst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void generel_data() {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("tekst");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("nul") << 0.0 << "0";
        QTest::newRow("minus nul") << -0.0 << "0";
        QTest::newRow("0,0001 fast") << 0.0001 << "0,0001";
        QTest::newRow("1E-5 eksponent") << 0.00001 << "1E-5";
        QTest::newRow("15 cifre") << 123456789012345.0 << "123456789012345";
        QTest::newRow("1E15") << 1e15 << "1E15";
        QTest::newRow("1,5E-7") << 1.5e-7 << "1,5E-7";
        QTest::newRow("-2,5") << -2.5 << "-2,5";
        QTest::newRow("heltal") << 14.0 << "14";
        QTest::newRow("pi") << 3.141592653589793 << "3,14159265358979";
        QTest::newRow("afrundet til 15") << 0.1 + 0.2 << "0,3";
        QTest::newRow("170!") << 7.257415615307994e306 << "7,25741561530799E306";
        QTest::newRow("sin pi") << 1.2246467991473532e-16 << "1,22464679914735E-16";
        QTest::newRow("stor negativ") << -1.25e20 << "-1,25E20";
        QTest::newRow("runder op til ny eksponent") << 999999999999999.9 << "1E15";
        QTest::newRow("inf") << inf << "INF";
        QTest::newRow("-inf") << -inf << "-INF";
        QTest::newRow("nan") << std::nan("") << "NAN";
    }
    void generel() {
        QFETCH(double, v);
        QFETCH(QString, tekst);
        QCOMPARE(tal::generel(v), tekst);
    }

    void fast_data() {
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("dec");
        QTest::addColumn<QString>("tekst");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("5 med 2") << 5.0 << 2 << "5,00";
        QTest::newRow("0 decimaler uden komma") << 2.7 << 0 << "3";
        QTest::newRow("4 decimaler") << 3.141592653589793 << 4 << "3,1416";
        QTest::newRow("negativ") << -1.5 << 1 << "-1,5";
        QTest::newRow("stor uden eksponent") << 1e20 << 1 << "100000000000000000000,0";
        QTest::newRow("lille negativ er nul") << -0.001 << 2 << "0,00";
        QTest::newRow("+Inf") << inf << 2 << "+Inf";
        QTest::newRow("-Inf") << -inf << 2 << "-Inf";
        QTest::newRow("Nan") << std::nan("") << 3 << "Nan";
    }
    void fast() {
        QFETCH(double, v);
        QFETCH(int, dec);
        QFETCH(QString, tekst);
        QCOMPARE(tal::fast(v, dec), tekst);
    }

    void laes_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("v");
        QTest::newRow("komma") << "12,5" << 12.5;
        QTest::newRow("fortegn") << "-0,5" << -0.5;
        QTest::newRow("slutkomma") << "12," << 12.0;
        QTest::newRow("eksponent") << "1,5E-7" << 1.5e-7;
        QTest::newRow("eksponent stor") << "7,25741561530799E306" << 7.25741561530799e306;
        QTest::newRow("blanke") << "  3 " << 3.0;
        QTest::newRow("for stor") << "1E400" << std::numeric_limits<double>::infinity();
        QTest::newRow("INF") << "INF" << std::numeric_limits<double>::infinity();
        QTest::newRow("-INF") << "-INF" << -std::numeric_limits<double>::infinity();
        QTest::newRow("1000 cifre")
            << QString(1000, u'9') << std::numeric_limits<double>::infinity();
        QTest::newRow("300 cifre") << QString(300, u'1') << 1.1111111111111111e299;
        // Too small for a double is zero (or the nearest subnormal), never infinity.
        QTest::newRow("lille decimal") << QStringLiteral("0,") + QString(323, u'0') + u'1' << 0.0;
        QTest::newRow("lille negativ decimal")
            << QStringLiteral("-0,") + QString(400, u'0') + u'5' << -0.0;
        QTest::newRow("subnormal decimal")
            << QStringLiteral("0,") + QString(322, u'0') + u'5' << 4.9406564584124654e-324;
        QTest::newRow("lille med eksponent") << "0,001E-400" << 0.0;
        QTest::newRow("stor decimal med eksponent")
            << QStringLiteral("0,") + QString(500, u'0') + QStringLiteral("1E900")
            << std::numeric_limits<double>::infinity();
        QTest::newRow("mange nuller foran stort tal")
            << QString(500, u'0') + QStringLiteral("1E400")
            << std::numeric_limits<double>::infinity();
    }
    void laes() {
        QFETCH(QString, tekst);
        QFETCH(double, v);
        QCOMPARE(tal::laes(tekst), v);
    }

    void laesFejl_data() {
        QTest::addColumn<QString>("tekst");
        for (const char* t : {"", "INF5", "12.5", "1,2,3", ",", "-", "1E", "abc", "1 000", "0x10"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void laesFejl() {
        QFETCH(QString, tekst);
        try {
            tal::laes(tekst);
            QFAIL("no error");
        } catch (const TKonverteringsFejl& f) {
            QCOMPARE(f.tekst(), QStringLiteral("'%1' er ikke et gyldigt tal").arg(tekst));
        }
    }

    void lilleDecimalLempeligt() {
        QCOMPARE(TAlmenX::EditFloat(QStringLiteral("0,") + QString(400, u'0') + u'1'), 0.0);
    }

    // A bad value is quoted with at most 60 characters in the message.
    void langFejltekstAfkortes() {
        const QString lang(100000, u'7');
        try {
            tal::laesHeltal(lang + u'x');
            QFAIL("no error");
        } catch (const TKonverteringsFejl& f) {
            QCOMPARE(f.tekst(),
                     QStringLiteral("'%1…' er ikke en gyldig heltalsværdi").arg(QString(60, u'7')));
        }
    }

    void laesNan() { QVERIFY(std::isnan(tal::laes(QStringLiteral("NAN")))); }

    void heltal() {
        QCOMPARE(tal::laesHeltal(QStringLiteral("300")), 300);
        QCOMPARE(tal::laesHeltal(QStringLiteral("-12")), -12);
        QCOMPARE(tal::laesHeltal(QStringLiteral("2147483647")), 2147483647);
        for (const char* t : {"", "x", "1,5", "2147483648", "12a"})
            QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, tal::laesHeltal(QString::fromLatin1(t)));
    }

    void rundHalvLige_data() {
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("r");
        QTest::newRow("2,5") << 2.5 << 2.0;
        QTest::newRow("3,5") << 3.5 << 4.0;
        QTest::newRow("-2,5") << -2.5 << -2.0;
        QTest::newRow("2,6") << 2.6 << 3.0;
        QTest::newRow("2,4") << 2.4 << 2.0;
    }
    void rundHalvLige() {
        QFETCH(double, v);
        QFETCH(double, r);
        QCOMPARE(tal::rundHalvLige(v), r);
    }
};

QTEST_GUILESS_MAIN(TstTaltekst)
#include "tst_taltekst.moc"
