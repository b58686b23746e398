#include "core/graph/grafvaerktoej.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstGrafvaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fortolk_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("fejl");
        QTest::newRow("kun ud") << QStringList{u"--out"_s, u"a.png"_s} << true << u""_s;
        QTest::newRow("alt med =") << QStringList{u"--size=300x200"_s,
                                                  u"--unit=5"_s,
                                                  u"--no-grid"_s,
                                                  u"--no-axes"_s,
                                                  u"--curve=3 1 0,5 0 -1"_s,
                                                  u"--out=a.png"_s}
                                   << true << "";
        QTest::newRow("ingen ud") << QStringList{u"--curve"_s, u"+ 1 1 1"_s} << false
                                  << u"--out mangler"_s;
        QTest::newRow("hjælp uden ud") << QStringList{u"-h"_s} << true << u""_s;
        QTest::newRow("ukendt") << QStringList{u"--farve"_s, u"--out"_s, u"a.png"_s} << false
                                << "Ukendt argument \"--farve\"";
        QTest::newRow("størrelse uden x") << QStringList{u"--size"_s, u"300"_s, u"--out"_s, u"a"_s}
                                          << false << u"Ugyldig størrelse \"300\""_s;
        QTest::newRow("størrelse 0") << QStringList{u"--size"_s, u"0x10"_s, u"--out"_s, u"a"_s}
                                     << false << u"Ugyldig størrelse \"0x10\""_s;
        QTest::newRow("enhed 0") << QStringList{u"--unit"_s, u"0"_s, u"--out"_s, u"a"_s} << false
                                 << "Ugyldig enhed \"0\"";
        QTest::newRow("værdi mangler")
            << QStringList{u"--out"_s} << false << u"--out mangler en værdi"_s;
        QTest::newRow("ukendt kurveart")
            << QStringList{u"--curve"_s, u"x 1 1 1"_s, u"--out"_s, u"a"_s} << false
            << "Ugyldig kurve \"x 1 1 1\"";
        QTest::newRow("d til en linje")
            << QStringList{u"--curve"_s, u"+ 1 1 1 1"_s, u"--out"_s, u"a"_s} << false
            << "Ugyldig kurve \"+ 1 1 1 1\"";
        QTest::newRow("for få tal") << QStringList{u"--curve"_s, u"a 1 1"_s, u"--out"_s, u"a"_s}
                                    << false << u"Ugyldig kurve \"a 1 1\""_s;
        QTest::newRow("ikke et tal") << QStringList{u"--curve"_s, u"a 1 1 to"_s, u"--out"_s, u"a"_s}
                                     << false << "Ugyldig kurve \"a 1 1 to\"";
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
        QVERIFY(
            grafvaerktoej::fortolk({u"--size"_s, u"300x200"_s, u"--unit"_s, u"5"_s, u"--no-grid"_s,
                                    u"--curve"_s, u"3 1 0.5 0 -1"_s, u"--curve"_s, u"+ 0 1 1"_s,
                                    u"--curve"_s, u"a 1,5 0 0"_s, u"--out"_s, u"a.png"_s},
                                   a, f));
        TFunktioner g;
        QStringList afviste;
        grafvaerktoej::opsaet(g, a, afviste);
        QCOMPARE(afviste, QStringList{u"Kurven \"+ 0 1 1\" kan ikke tegnes og er sprunget over"_s});
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
