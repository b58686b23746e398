#include "core/other/datoforskel.h"

#include <QtTest>

class TstDatoforskel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void forskel_data() {
        QTest::addColumn<QString>("fra");
        QTest::addColumn<QString>("til");
        QTest::addColumn<QList<int>>("aarMdDage");
        QTest::addColumn<int>("ialt");
        QTest::newRow("samme dag") << "5-5-2020"
                                   << "5-5-2020" << QList<int>{0, 0, 0} << 0;
        QTest::newRow("et år en måned en dag") << "1-1-2019"
                                               << "2-2-2020" << QList<int>{1, 1, 1} << 397;
        QTest::newRow("månedsslut til kortere måned") << "31-1-2013"
                                                      << "28-2-2013" << QList<int>{0, 1, 0} << 28;
        QTest::newRow("månedsslut før den er nået") << "31-1-2013"
                                                    << "27-2-2013" << QList<int>{0, 0, 27} << 27;
        QTest::newRow("skuddag til året efter") << "29-2-2012"
                                                << "28-2-2013" << QList<int>{1, 0, 0} << 365;
        QTest::newRow("skuddag dagen efter") << "29-2-2012"
                                             << "1-3-2013" << QList<int>{1, 0, 1} << 366;
        QTest::newRow("skuddag til skuddag") << "29-2-2012"
                                             << "29-2-2016" << QList<int>{4, 0, 0} << 1461;
        QTest::newRow("30 jan til 1 mar") << "30-1-2013"
                                          << "1-3-2013" << QList<int>{0, 1, 1} << 30;
        QTest::newRow("omvendt rækkefølge") << "2-2-2020"
                                            << "1-1-2019" << QList<int>{1, 1, 1} << 397;
        QTest::newRow("århundrede ikke skudår") << "1-2-1900"
                                                << "1-3-1900" << QList<int>{0, 1, 0} << 28;
        QTest::newRow("år 2000 skudår") << "1-2-2000"
                                        << "1-3-2000" << QList<int>{0, 1, 0} << 29;
        QTest::newRow("lang") << "30-10-2013"
                              << "1-1-2020" << QList<int>{6, 2, 2} << 2254;
    }
    void forskel() {
        QFETCH(QString, fra);
        QFETCH(QString, til);
        QFETCH(QList<int>, aarMdDage);
        QFETCH(int, ialt);
        datoforskel::Dato a, b;
        QVERIFY(datoforskel::laesDato(fra.toStdString(), a));
        QVERIFY(datoforskel::laesDato(til.toStdString(), b));
        const datoforskel::Forskel f = datoforskel::beregn(a, b);
        QCOMPARE((QList<int>{f.aar, f.maaneder, f.dage}), aarMdDage);
        QCOMPARE(f.dageIalt, ialt);
    }

    void laesning_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("gyldig");
        QTest::newRow("kort form") << "1-1-2020" << true;
        QTest::newRow("nuller foran") << "01-03-2020" << true;
        QTest::newRow("29 feb ikke skudår") << "29-2-2013" << false;
        QTest::newRow("31 april") << "31-4-2013" << false;
        QTest::newRow("måned 13") << "1-13-2013" << false;
        QTest::newRow("år 0") << "1-1-0" << false;
        QTest::newRow("tom del") << "1--2013" << false;
        QTest::newRow("blank") << "1-1-2013 " << false;
        QTest::newRow("bogstav") << "x-1-2013" << false;
        QTest::newRow("to dele") << "1-2013" << false;
        QTest::newRow("for mange cifre") << "1-1-20130" << false;
    }
    void laesning() {
        QFETCH(QString, tekst);
        QFETCH(bool, gyldig);
        datoforskel::Dato d;
        QCOMPARE(datoforskel::laesDato(tekst.toStdString(), d), gyldig);
    }

    void resultatfil() {
        datoforskel::Forskel f{1, 2, 3, 400};
        QCOMPARE(QString::fromStdString(datoforskel::resultatTekst(f)),
                 QStringLiteral("1\r\n2\r\n3\r\n400\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstDatoforskel)
#include "tst_datoforskel.moc"
