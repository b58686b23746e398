#include "core/graph/grafvaerktoej.h"

#include <QtTest>

class TstGrafvaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fortolk_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("fejl");
        QTest::newRow("kun ud") << QStringList{"--out", "a.png"} << true << "";
        QTest::newRow("alt med =")
            << QStringList{"--size=300x200",       "--unit=5",   "--no-grid", "--no-axes",
                           "--curve=3 1 0,5 0 -1", "--out=a.png"}
            << true << "";
        QTest::newRow("ingen ud") << QStringList{"--curve", "+ 1 1 1"} << false << "--out mangler";
        QTest::newRow("hjælp uden ud") << QStringList{"-h"} << true << "";
        QTest::newRow("ukendt") << QStringList{"--farve", "--out", "a.png"} << false
                                << "Ukendt argument \"--farve\"";
        QTest::newRow("størrelse uden x")
            << QStringList{"--size", "300", "--out", "a"} << false << "Ugyldig størrelse \"300\"";
        QTest::newRow("størrelse 0")
            << QStringList{"--size", "0x10", "--out", "a"} << false << "Ugyldig størrelse \"0x10\"";
        QTest::newRow("enhed 0") << QStringList{"--unit", "0", "--out", "a"} << false
                                 << "Ugyldig enhed \"0\"";
        QTest::newRow("værdi mangler") << QStringList{"--out"} << false << "--out mangler en værdi";
        QTest::newRow("ukendt kurveart") << QStringList{"--curve", "x 1 1 1", "--out", "a"} << false
                                         << "Ugyldig kurve \"x 1 1 1\"";
        QTest::newRow("d til en linje") << QStringList{"--curve", "+ 1 1 1 1", "--out", "a"}
                                        << false << "Ugyldig kurve \"+ 1 1 1 1\"";
        QTest::newRow("for få tal")
            << QStringList{"--curve", "a 1 1", "--out", "a"} << false << "Ugyldig kurve \"a 1 1\"";
        QTest::newRow("ikke et tal") << QStringList{"--curve", "a 1 1 to", "--out", "a"} << false
                                     << "Ugyldig kurve \"a 1 1 to\"";
    }
    void fortolk() {
        QFETCH(QStringList, args);
        QFETCH(bool, ok);
        QFETCH(QString, fejl);
        TGrafArgumenter a;
        QString f;
        QCOMPARE(grafvaerktoej::fortolk(args, a, f), ok);
        if (!ok) QCOMPARE(f, fejl);
    }

    void opsaetter() {
        TGrafArgumenter a;
        QString f;
        QVERIFY(grafvaerktoej::fortolk({"--size", "300x200", "--unit", "5", "--no-grid", "--curve",
                                        "3 1 0.5 0 -1", "--curve", "+ 0 1 1", "--curve",
                                        "a 1,5 0 0", "--out", "a.png"},
                                       a, f));
        TFunktioner g;
        QStringList afviste;
        grafvaerktoej::opsaet(g, a, afviste);
        QCOMPARE(afviste, QStringList{"Kurven \"+ 0 1 1\" kan ikke tegnes og er sprunget over"});
        QCOMPARE(g.Antal(), 2);
        QCOMPARE(g.Lin().at(0).formel, QStringLiteral("x^3 + 0,5x^2 - 1 = 0"));
        QCOMPARE(g.Lin().at(1).fa, 1.5);
        QCOMPARE(g.Width(), 300);
        QCOMPARE(g.PixelEnhed(), 5);
        QVERIFY(!g.MedFelter() && g.Koordinatsystem());
        // The window's fresh-start colours.
        QCOMPARE(g.Color(), farve::rgb(255, 251, 240));
        QCOMPARE(g.ColorKS(), farve::rgb(128, 128, 128));
        QCOMPARE(g.Lin().at(0).farve, farve::rgb(0, 0, 0));
    }
};

QTEST_GUILESS_MAIN(TstGrafvaerktoej)
#include "tst_grafvaerktoej.moc"
