#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstLigningVaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { vaerktoej::tilfoejAlleTilstande(); }
    void koer_data() {
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<int>("exitKode");
        QTest::addColumn<QString>("ud");
        QTest::addColumn<QString>("fejlUd");
        QTest::newRow("andengrads") << QStringList{u"--quadratic"_s, u"1"_s, u"-3"_s, u"2"_s} << 0
                                    << "1x^2 - 3x + 2 = 0\nD = 1\nx = 2\nx = 1\n\n"
                                    << "";
        QTest::newRow("negativ koefficient uden --")
            << QStringList{u"--quadratic"_s, u"-1"_s, u"0"_s, u"4"_s} << 0
            << "-1x^2 + 4 = 0\nD = 16\nx = -2\nx = 2\n\n"
            << "";
        QTest::newRow("negativ koefficient efter --")
            << QStringList{u"--quadratic"_s, u"--"_s, u"-1"_s, u"-0"_s, u"-4"_s} << 0
            << "-1x^2 - 4 = 0\nD < 0 : Ingen løsninger\n\n"
            << "";
        // The small roots keep their digits (before: 7,45058059692383E-9 and 0).
        QTest::newRow("lille rod ved stor negativ b")
            << QStringList{u"--quadratic"_s, u"1"_s, u"-100000000"_s, u"1"_s} << 0
            << "1x^2 - 100000000x + 1 = 0\nD = 1E16\nx = 100000000\nx = 1E-8\n\n"
            << "";
        QTest::newRow("lille rod ved stor positiv b")
            << QStringList{u"--quadratic"_s, u"10"_s, u"902315173"_s, u"1"_s} << 0
            << "10x^2 + 902315173x + 1 = 0\nD = 8,1417267142602E17\nx = -1,10826020654759E-9\n"
               "x = -90231517,3\n\n"
            << "";
        QTest::newRow("sum og produkt lille rod")
            << QStringList{u"--equations"_s, u"+"_s, u"1"_s, u"1"_s, u"100000000"_s,
                           u"*"_s,           u"1"_s, u"1"_s, u"1"_s}
            << 0
            << "1x + 1y = 100000000\n1x * 1y = 1\n-1x^2 + 100000000x - 1 = 0\nD = 1E16\n"
               "x1 = 1E-8\ny1 = 100000000\nx2 = 100000000\ny2 = 1E-8\n\n"
            << "";
        QTest::newRow("produkter samme kurve")
            << QStringList{u"--equations"_s, u"*"_s, u"1"_s, u"1"_s, u"2"_s,
                           u"*"_s,           u"2"_s, u"1"_s, u"4"_s}
            << 0 << "1x * 1y = 2\n2x * 1y = 4\n4 (=) 4\nUendeligt mange løsninger\n"
            << "";
        QTest::newRow("summer samme linje")
            << QStringList{u"--equations"_s, u"+"_s, u"1"_s, u"1"_s, u"2"_s,
                           u"+"_s,           u"2"_s, u"2"_s, u"4"_s}
            << 0 << "1x + 1y = 2\n2x + 2y = 4\nUendeligt mange løsninger\n"
            << "";
        // (0, 0) is not on x/y = 1; x/y = 0 is x = 0 without the origin.
        QTest::newRow("sum gennem origo og kvotient")
            << QStringList{u"--equations"_s, u"+"_s, u"1"_s, u"1"_s, u"0"_s,
                           u"/"_s,           u"1"_s, u"1"_s, u"1"_s}
            << 0 << "1x + 1y = 0\n1x / 1y = 1\nIngen løsning\n"
            << "";
        QTest::newRow("kvotient c = 0 og sum")
            << QStringList{u"--equations"_s, u"/"_s, u"1"_s, u"1"_s, u"0"_s,
                           u"+"_s,           u"1"_s, u"1"_s, u"3"_s}
            << 0 << "1x / 1y = 0\n1x + 1y = 3\nx = 0\ny = 3\n\n"
            << "";
        QTest::newRow("ugyldig andengrads") << QStringList{u"--quadratic"_s, u"0"_s, u"1"_s, u"1"_s}
                                            << 1 << u""_s << u"Ugyldige data\n"_s;
        QTest::newRow("ligninger") << QStringList{u"--equations"_s, u"+"_s, u"2"_s,  u"3"_s, u"7"_s,
                                                  u"+"_s,           u"1"_s, u"-1"_s, u"1"_s}
                                   << 0 << "2x + 3y = 7\n1x - 1y = 1\nx = 2\ny = 1\n\n"
                                   << "";
        QTest::newRow("statistik")
            << QStringList{u"--statistics"_s, u"--squares"_s, u"1"_s, u"2.5"_s, u"1E-5"_s} << 0
            << "n=3\nSum: 7,2500000001\nGennemsnit: 2,4166666667"
               "\nStandardafvigelse: 1,25830110335325\n"
            << "";
        QTest::newRow("statistik med én værdi") << QStringList{u"--statistics"_s, u"4"_s} << 1
                                                << "n=1\nSum:\nGennemsnit:\nStandardafvigelse:\n"
                                                << "Ingen beregning!\n";
        QTest::newRow("for få koefficienter")
            << QStringList{u"--quadratic"_s, u"1"_s, u"2"_s} << 2 << u""_s << u""_s;
        QTest::newRow("ukendt form")
            << QStringList{u"--equations"_s, u"-"_s, u"1"_s, u"1"_s, u"1"_s,
                           u"+"_s,           u"1"_s, u"1"_s, u"1"_s}
            << 2 << u""_s << u""_s;
        QTest::newRow("kvadrater uden statistik")
            << QStringList{u"--squares"_s, u"--quadratic"_s, u"1"_s, u"2"_s, u"3"_s} << 2 << u""_s
            << u""_s;
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
            QVERIFY(r.fejlUd.startsWith(u"tavlix-formel: "_s));
    }

    void json() {
        const auto r = TFormelVaerktoej::koer({u"--json"_s, u"--equations"_s, u"*"_s, u"1"_s,
                                               u"1"_s, u"4"_s, u"/"_s, u"1"_s, u"1"_s, u"1"_s},
                                              {});
        const QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
        QCOMPARE(o.value(u"status"_s).toString(), u"2 løsninger"_s);
        QCOMPARE(o.value(u"x2"_s).toString(), u"-2"_s);
        QCOMPARE(o.value(u"y2"_s).toString(), u"-2"_s);
        QCOMPARE(o.value(u"list"_s).toArray().size(), 7);
        QVERIFY(o.value(u"messages"_s).toArray().isEmpty());

        const auto s =
            TFormelVaerktoej::koer({u"--statistics"_s, u"--json"_s, u"--population"_s, u"2"_s,
                                    u"4"_s, u"4"_s, u"4"_s, u"5"_s, u"5"_s, u"7"_s, u"9"_s},
                                   {});
        const QJsonObject so = QJsonDocument::fromJson(s.ud.toUtf8()).object();
        QCOMPARE(so.value(u"n"_s).toInt(), 8);
        QCOMPARE(so.value(u"deviation"_s).toString(), u"2"_s);
        QCOMPARE(so.value(u"status"_s).toString(), u""_s);
    }
};

QTEST_GUILESS_MAIN(TstLigningVaerktoej)
#include "tst_ligningvaerktoej.moc"
