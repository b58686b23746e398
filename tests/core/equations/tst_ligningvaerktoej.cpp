#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class TstLigningVaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { vaerktoej::tilfoejAlleTilstande(); }
    void koer_data() {
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<int>("exitKode");
        QTest::addColumn<QString>("ud");
        QTest::addColumn<QString>("fejlUd");
        QTest::newRow("andengrads") << QStringList{"--quadratic", "1", "-3", "2"} << 0
                                    << "1x^2 - 3x + 2 = 0\nD = 1\nx = 2\nx = 1\n\n"
                                    << "";
        QTest::newRow("negativ koefficient uden --")
            << QStringList{"--quadratic", "-1", "0", "4"} << 0
            << "-1x^2 + 4 = 0\nD = 16\nx = -2\nx = 2\n\n"
            << "";
        QTest::newRow("negativ koefficient efter --")
            << QStringList{"--quadratic", "--", "-1", "-0", "-4"} << 0
            << "-1x^2 - 4 = 0\nD < 0 : Ingen løsninger\n\n"
            << "";
        // The small roots keep their digits (before: 7,45058059692383E-9 and 0).
        QTest::newRow("lille rod ved stor negativ b")
            << QStringList{"--quadratic", "1", "-100000000", "1"} << 0
            << "1x^2 - 100000000x + 1 = 0\nD = 1E16\nx = 100000000\nx = 1E-8\n\n"
            << "";
        QTest::newRow("lille rod ved stor positiv b")
            << QStringList{"--quadratic", "10", "902315173", "1"} << 0
            << "10x^2 + 902315173x + 1 = 0\nD = 8,1417267142602E17\nx = -1,10826020654759E-9\n"
               "x = -90231517,3\n\n"
            << "";
        QTest::newRow("sum og produkt lille rod")
            << QStringList{"--equations", "+", "1", "1", "100000000", "*", "1", "1", "1"} << 0
            << "1x + 1y = 100000000\n1x * 1y = 1\n-1x^2 + 100000000x - 1 = 0\nD = 1E16\n"
               "x1 = 1E-8\ny1 = 100000000\nx2 = 100000000\ny2 = 1E-8\n\n"
            << "";
        QTest::newRow("produkter samme kurve")
            << QStringList{"--equations", "*", "1", "1", "2", "*", "2", "1", "4"} << 0
            << "1x * 1y = 2\n2x * 1y = 4\n4 (=) 4\nUendeligt mange løsninger\n"
            << "";
        QTest::newRow("summer samme linje")
            << QStringList{"--equations", "+", "1", "1", "2", "+", "2", "2", "4"} << 0
            << "1x + 1y = 2\n2x + 2y = 4\nUendeligt mange løsninger\n"
            << "";
        // (0, 0) is not on x/y = 1; x/y = 0 is x = 0 without the origin.
        QTest::newRow("sum gennem origo og kvotient")
            << QStringList{"--equations", "+", "1", "1", "0", "/", "1", "1", "1"} << 0
            << "1x + 1y = 0\n1x / 1y = 1\nIngen løsning\n"
            << "";
        QTest::newRow("kvotient c = 0 og sum")
            << QStringList{"--equations", "/", "1", "1", "0", "+", "1", "1", "3"} << 0
            << "1x / 1y = 0\n1x + 1y = 3\nx = 0\ny = 3\n\n"
            << "";
        QTest::newRow("ugyldig andengrads") << QStringList{"--quadratic", "0", "1", "1"} << 1 << ""
                                            << "Ugyldige data\n";
        QTest::newRow("ligninger")
            << QStringList{"--equations", "+", "2", "3", "7", "+", "1", "-1", "1"} << 0
            << "2x + 3y = 7\n1x - 1y = 1\nx = 2\ny = 1\n\n"
            << "";
        QTest::newRow("statistik")
            << QStringList{"--statistics", "--squares", "1", "2.5", "1E-5"} << 0
            << "n=3\nSum: 7,2500000001\nGennemsnit: 2,4166666667"
               "\nStandardafvigelse: 1,25830110335325\n"
            << "";
        QTest::newRow("statistik med én værdi") << QStringList{"--statistics", "4"} << 1
                                                << "n=1\nSum:\nGennemsnit:\nStandardafvigelse:\n"
                                                << "Ingen beregning!\n";
        QTest::newRow("for få koefficienter") << QStringList{"--quadratic", "1", "2"} << 2 << ""
                                              << "";
        QTest::newRow("ukendt form")
            << QStringList{"--equations", "-", "1", "1", "1", "+", "1", "1", "1"} << 2 << ""
            << "";
        QTest::newRow("kvadrater uden statistik")
            << QStringList{"--squares", "--quadratic", "1", "2", "3"} << 2 << ""
            << "";
    }
    void koer() {
        QFETCH(QStringList, argumenter);
        QFETCH(int, exitKode);
        QFETCH(QString, ud);
        QFETCH(QString, fejlUd);
        const auto r = TFormelVaerktoej::koer(argumenter, {});
        QCOMPARE(r.exitKode, exitKode);
        QCOMPARE(r.ud, ud);
        if (exitKode != 2)
            QCOMPARE(r.fejlUd, fejlUd);
        else
            QVERIFY(r.fejlUd.startsWith("tavlix-formel: "));
    }

    void json() {
        const auto r = TFormelVaerktoej::koer(
            {"--json", "--equations", "*", "1", "1", "4", "/", "1", "1", "1"}, {});
        const QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value("status").toString(), "2 løsninger");
        QCOMPARE(o.value("x2").toString(), "-2");
        QCOMPARE(o.value("y2").toString(), "-2");
        QCOMPARE(o.value("list").toArray().size(), 7);
        QVERIFY(o.value("messages").toArray().isEmpty());

        const auto s = TFormelVaerktoej::koer(
            {"--statistics", "--json", "--population", "2", "4", "4", "4", "5", "5", "7", "9"}, {});
        const QJsonObject so = QJsonDocument::fromJson(s.ud.toUtf8()).object();
        QCOMPARE(so.value("n").toInt(), 8);
        QCOMPARE(so.value("deviation").toString(), "2");
        QCOMPARE(so.value("status").toString(), "");
    }
};

QTEST_GUILESS_MAIN(TstLigningVaerktoej)
#include "tst_ligningvaerktoej.moc"
