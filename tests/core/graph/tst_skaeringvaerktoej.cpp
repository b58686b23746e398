#include "core/graph/grafvaerktoej.h"
#include "core/graph/skaeringvaerktoej.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstSkaeringvaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skaering_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ud");

        QTest::newRow("to_linjer_tekst")
            << QStringList{u"--curve"_s,     u"+ 1 1 4"_s, u"--curve"_s, u"+ 1 -1 0"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 0 << "x1 = 2\ny1 = 2\n";
        QTest::newRow("to_linjer_json")
            << QStringList{u"--curve"_s,     u"+ 1 1 4"_s, u"--curve"_s, u"+ 1 -1 0"_s,
                           u"--intersect"_s, u"2"_s,       u"1"_s,       u"--json"_s}
            << 0 << "{\"message\":\"\",\"x1\":\"2\",\"x2\":\"\",\"y1\":\"2\",\"y2\":\"\"}\n";
        QTest::newRow("hyperbel_origolinje")
            << QStringList{u"--curve"_s,     u"* 1 1 1"_s, u"--curve"_s, u"/ 1 1 1"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 0 << "x1 = 1\ny1 = 1\nx2 = -1\ny2 = -1\n";
        // The small root of the difference keeps its digits (before: y1 = 0,25).
        QTest::newRow("parabler_lille_rod")
            << QStringList{u"--curve"_s,
                           u"a 1 -100000000 1"_s,
                           u"--curve"_s,
                           u"a 2 -200000000 2"_s,
                           u"--intersect"_s,
                           u"1"_s,
                           u"2"_s}
            << 0 << "x1 = 1E-8\ny1 = 1,11022302462516E-16\nx2 = 100000000\ny2 = 1\n";
        QTest::newRow("besked") << QStringList{u"--curve"_s, u"/ 1 1 1"_s, u"--intersect"_s, u"1"_s,
                                               u"1"_s}
                                << 1 << "Uendeligt mange løsninger\n";
        QTest::newRow("samme_linje")
            << QStringList{u"--curve"_s,     u"+ 1 1 2"_s, u"--curve"_s, u"+ 2 2 4"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 1 << "Uendeligt mange løsninger\n";
        QTest::newRow("parallelle_linjer")
            << QStringList{u"--curve"_s,     u"+ 1 1 2"_s, u"--curve"_s, u"+ 2 2 5"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 1 << "Ingen løsning\n";
        // A quotient x/y = c has no point with y = 0, and with c = 0 it is x = 0.
        QTest::newRow("origolinje_parabel_uden_origo")
            << QStringList{u"--curve"_s,     u"/ 1 1 1"_s, u"--curve"_s, u"a 1 0 0"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 0 << "x1 = 1\ny1 = 1\n";
        QTest::newRow("parabel_origolinje_c0")
            << QStringList{u"--curve"_s,     u"a 1 0 3"_s, u"--curve"_s, u"/ 1 1 0"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 0 << "x1 = 0\ny1 = 3\n";
        QTest::newRow("origolinje_hyperbel_c0")
            << QStringList{u"--curve"_s,     u"/ 1 1 2"_s, u"--curve"_s, u"* 1 1 0"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 1 << "Ingen løsning\n";
        QTest::newRow("besked_json")
            << QStringList{u"--curve"_s,     u"* 1 1 1"_s, u"--curve"_s, u"a 1 0 0"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s,       u"--json"_s}
            << 1
            << "{\"message\":\"Ingen løsningsfunktion!\",\"x1\":\"\",\"x2\":\"\",\"y1\":\"\","
               "\"y2\":\"\"}\n";
        QTest::newRow("tredjegrads")
            << QStringList{u"--curve"_s,     u"+ 1 1 4"_s, u"--curve"_s, u"3 1 0 0 0"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 1 << "Der løses ikke tredjegradsligninger!\n";
        // Curve 2 is refused by the canvas; curve 3 still counts as the third.
        QTest::newRow("afvist_kurve") << QStringList{u"--curve"_s,     u"+ 1 1 4"_s, u"--curve"_s,
                                                     u"+ 1 0 1"_s,     u"--curve"_s, u"+ 1 -1 0"_s,
                                                     u"--intersect"_s, u"1"_s,       u"3"_s}
                                      << 0 << "x1 = 2\ny1 = 2\n";
        QTest::newRow("afvist_kurve_valgt")
            << QStringList{u"--curve"_s,     u"+ 1 1 4"_s, u"--curve"_s, u"+ 1 0 1"_s,
                           u"--intersect"_s, u"1"_s,       u"2"_s}
            << 1 << "Kurve 2 kan ikke tegnes\n";
        QTest::newRow("samme_kurve_to_gange")
            << QStringList{u"--curve"_s,     u"+ 1 1 4"_s, u"--curve"_s,
                           u"+ 1 1 4"_s,     u"--curve"_s, u"+ 1 -1 0"_s,
                           u"--intersect"_s, u"2"_s,       u"3"_s}
            << 0 << "x1 = 2\ny1 = 2\n";
    }
    void skaering() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, ud);
        TGrafArgumenter a;
        QString fejl;
        QVERIFY2(grafvaerktoej::fortolk(args, a, fejl), qPrintable(fejl));
        TFunktioner g;
        QStringList afviste;
        QList<int> indeks;
        grafvaerktoej::opsaet(g, a, afviste, &indeks);
        QString tekst;
        QCOMPARE(skaeringvaerktoej::skaering(g, a, indeks, tekst), status);
        QCOMPARE(tekst, ud);
    }

    void forkerteArgumenter_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("fejl");
        QTest::newRow("et_nummer")
            << QStringList{u"--curve"_s, u"+ 1 1 1"_s, u"--intersect"_s, u"1"_s}
            << "--intersect skal have to kurvenumre";
        QTest::newRow("nul") << QStringList{u"--curve"_s, u"+ 1 1 1"_s, u"--intersect"_s, u"0"_s,
                                            u"1"_s}
                             << "Ugyldige kurvenumre til --intersect";
        QTest::newRow("for_stort")
            << QStringList{u"--curve"_s, u"+ 1 1 1"_s, u"--intersect"_s, u"1"_s, u"2"_s}
            << "--intersect: der er kun 1 kurver";
    }
    void forkerteArgumenter() {
        QFETCH(QStringList, args);
        QFETCH(QString, fejl);
        TGrafArgumenter a;
        QString f;
        QVERIFY(!grafvaerktoej::fortolk(args, a, f));
        QCOMPARE(f, fejl);
    }
};

QTEST_GUILESS_MAIN(TstSkaeringvaerktoej)
#include "tst_skaeringvaerktoej.moc"
