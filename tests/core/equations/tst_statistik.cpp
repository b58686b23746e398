#include "core/common/taltekst.h"
#include "core/equations/statistik.h"
#include "ligningsfixtur.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TstStatistik : public QObject {
    Q_OBJECT

    struct Side : LigningsFixtur {
        TStatistik st{beskeder, regner, meta, huk};
        void indfoer(const QStringList& vaerdier) {
            for (const QString& v : vaerdier) {
                st.setStatistikValue(v);
                st.statistikInsertClick();
            }
        }
        QString boks() const {
            QStringList l;
            for (const TStatistikPost& p : st.statistikBoks())
                l << (p.markeret ? u""_s : u"-"_s) + p.tekst;
            return l.join(u' ');
        }
    };

private Q_SLOTS:
    // "Sum", "Gennemsnit" and "Standardafvigelse" with the two check boxes.
    void beregn_data() {
        QTest::addColumn<QStringList>("vaerdier");
        QTest::addColumn<bool>("kvadrater");
        QTest::addColumn<bool>("population");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("middel");
        QTest::addColumn<QString>("afvigelse");
        const QStringList otte{u"2"_s, u"4"_s, u"4"_s, u"4"_s, u"5"_s, u"5"_s, u"7"_s, u"9"_s};
        QTest::newRow("stikprøve") << otte << false << false << "40"
                                   << "5" << tal::generel(std::sqrt(32.0 / 7));
        QTest::newRow("population") << otte << false << true << "40"
                                    << "5"
                                    << "2";
        QTest::newRow("kvadrater påvirker ikke afvigelsen")
            << QStringList{u"1"_s, u"2"_s, u"3"_s} << true << false << u"14"_s
            << tal::generel(14.0 / 3) << u"1"_s;
        QTest::newRow("decimaltal") << QStringList{u"1,5"_s, u"2.5"_s, u"-1"_s} << false << false
                                    << u"3"_s << u"1"_s << tal::generel(std::sqrt(3.25));
    }
    void beregn() {
        QFETCH(QStringList, vaerdier);
        QFETCH(bool, kvadrater);
        QFETCH(bool, population);
        QFETCH(QString, sum);
        QFETCH(QString, middel);
        QFETCH(QString, afvigelse);
        Side s;
        s.indfoer(vaerdier);
        s.st.setStatistikKvadrater(kvadrater);
        s.st.setStatistikN(population);
        s.st.statistikSumClick();
        QCOMPARE(s.st.statistikDisplay(), sum);
        s.st.statistikGennemsnitClick();
        QCOMPARE(s.st.statistikDisplay(), middel);
        s.st.statistikAfvigelseClick();
        QCOMPARE(s.st.statistikDisplay(), afvigelse);
        QCOMPARE(s.beskeder.hints.join(QString()), QString()); // only clearing hints
        QCOMPARE(s.liste(), u""_s); // nothing of the page goes to the calculation list
    }

    void indfoerLaeserBoksen() {
        Side s;
        QSignalSpy n(&s.st, &TStatistik::nantalAendret);
        s.indfoer({u"abc"_s, u"2.5"_s, u"1E-5"_s, u"-0"_s});
        QCOMPARE(s.boks(), u"0 2,5 1E-5 0"_s);
        QCOMPARE(s.st.statistikValue(), u""_s);
        QCOMPARE(s.st.statistikNantal(), u"n=4"_s);
        QCOMPARE(n.size(), 4);
        QCOMPARE(n.last().at(0).toString(), u"n=4"_s);
    }

    void afkrydsningTaellesIkkeOm() {
        Side s;
        s.indfoer({u"1"_s, u"2"_s, u"3"_s});
        s.st.statistikBoksClickCheck(1, false);
        QCOMPARE(s.st.statistikNantal(), u"n=3"_s);
        s.st.statistikSumClick();
        QCOMPARE(s.st.statistikDisplay(), u"4"_s);
        QCOMPARE(s.st.Data, (QList<double>{1, 3}));
    }

    void foerreEndToVaerdier() {
        Side s;
        s.indfoer({u"1"_s, u"2"_s});
        s.st.statistikSumClick();
        s.st.statistikBoksClickCheck(0, false);
        s.st.statistikSumClick();
        s.st.statistikGennemsnitClick();
        s.st.statistikAfvigelseClick();
        // The first sum succeeded and cleared the status bar.
        QCOMPARE(s.beskeder.hints, (QStringList{u""_s, u"Ingen beregning!"_s, u"Ingen beregning!"_s,
                                                u"Ingen beregning!"_s}));
        QCOMPARE(s.st.statistikDisplay(), u"3"_s); // unchanged
    }

    // A success after a failure clears "Ingen beregning!" from the status bar.
    void succesRyderStatus_data() {
        QTest::addColumn<int>("knap");
        QTest::newRow("Sum") << 0;
        QTest::newRow("Gennemsnit") << 1;
        QTest::newRow("Standardafvigelse") << 2;
    }
    void succesRyderStatus() {
        QFETCH(int, knap);
        Side s;
        s.indfoer({u"1"_s});
        s.st.statistikSumClick();
        QCOMPARE(s.beskeder.hints.last(), u"Ingen beregning!"_s);
        s.indfoer({u"3"_s});
        if (knap == 0) s.st.statistikSumClick();
        if (knap == 1) s.st.statistikGennemsnitClick();
        if (knap == 2) s.st.statistikAfvigelseClick();
        QCOMPARE(s.beskeder.hints.last(), QString());
    }

    void hent_data() {
        QTest::addColumn<QString>("taster");
        QTest::addColumn<QString>("boks");
        QTest::addColumn<bool>("afvist");
        QTest::newRow("tal") << "12,5"
                             << "12,5" << false;
        QTest::newRow("resultat") << "2+3="
                                  << "5" << false;
        QTest::newRow("fejltekst") << "0r"
                                   << "" << true;
    }
    void hent() {
        QFETCH(QString, taster);
        QFETCH(QString, boks);
        QFETCH(bool, afvist);
        Side s;
        for (QChar c : taster)
            s.regner.FormKeyPress(c);
        s.st.statistikHentClick();
        QCOMPARE(s.boks(), boks);
        QCOMPARE(s.beskeder.hints.size(), afvist ? 1 : 0);
        QCOMPARE(s.st.statistikNantal(), afvist ? u"n=0"_s : u"n=1"_s);
    }

    void importerHukommelsen() {
        Side s;
        s.indfoer({u"1"_s});
        s.st.statistikImporterClick(); // empty memory adds nothing
        QCOMPARE(s.boks(), u"1"_s);
        s.huk.gemFraVindue(u"a"_s, 3);
        s.huk.gemFraVindue(u"b"_s, 7);
        s.st.statistikImporterClick();
        QCOMPARE(s.boks(), u"1 7 3"_s);
        QCOMPARE(s.st.statistikNantal(), u"n=3"_s);
    }

    void importeretTekstDerIkkeErEtTal() {
        Side s;
        s.indfoer({u"1"_s, u"2"_s});
        s.huk.gemFraVindue(u"x"_s, 0, u"Ingen løsning"_s);
        s.st.statistikImporterClick();
        s.st.statistikSumClick();
        QCOMPARE(s.st.statistikDisplay(), u""_s);
        QCOMPARE(s.beskeder.hints.size(), 1);
        QVERIFY(s.beskeder.hints[0].contains(u"'Ingen løsning'"_s));
    }

    void sletOgNy() {
        Side s;
        s.indfoer({u"1"_s, u"2"_s, u"3"_s});
        s.st.statistikSletClick(); // nothing selected
        QCOMPARE(s.boks(), u"1 2 3"_s);
        s.st.vaelg(1);
        s.st.statistikSletClick();
        QCOMPARE(s.boks(), u"1 3"_s);
        QCOMPARE(s.st.valgt(), -1);
        QCOMPARE(s.st.statistikNantal(), u"n=2"_s);
        s.st.statistikNyClick();
        QCOMPARE(s.boks(), u""_s);
        QCOMPARE(s.st.statistikNantal(), u"n=0"_s);
    }

    // Home in the entry box moves its caret; elsewhere on the page, and
    // Ctrl+N anywhere, clear the list.
    void nyTaster_data() {
        QTest::addColumn<int>("tast");
        QTest::addColumn<int>("mods");
        QTest::addColumn<bool>("fokusIBoksen");
        QTest::addColumn<bool>("ryddet");
        QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier) << false << true;
        QTest::newRow("Home i indtastningsboksen")
            << int(Qt::Key_Home) << int(Qt::NoModifier) << true << false;
        QTest::newRow("Ctrl+N i indtastningsboksen")
            << int(Qt::Key_N) << int(Qt::ControlModifier) << true << true;
        QTest::newRow("F9 gør intet") << int(Qt::Key_F9) << int(Qt::NoModifier) << false << false;
    }
    void nyTaster() {
        QFETCH(int, tast);
        QFETCH(int, mods);
        QFETCH(bool, fokusIBoksen);
        QFETCH(bool, ryddet);
        Side s;
        s.indfoer({u"1"_s});
        s.st.setStatistikValueFokus(fokusIBoksen);
        QCOMPARE(s.st.FormKeyDown(tast, Qt::KeyboardModifiers(mods)), ryddet);
        QCOMPARE(s.boks(), ryddet ? u""_s : u"1"_s);
    }

    void tilHukommelse() {
        Side s;
        s.indfoer({u"2,5"_s, u"4"_s});
        s.st.statistikSendClick(); // nothing selected
        s.st.statistikHukClick();  // no result yet
        QCOMPARE(s.hukommelse(), u""_s);
        s.st.vaelg(0);
        s.st.statistikSendClick();
        QCOMPARE(s.hukommelse(), u"2,5@2,5"_s);
        QCOMPARE(s.huk.Hval, 2.5);
        s.st.statistikSumClick();
        s.st.statistikHukClick();
        QCOMPARE(s.hukommelse(), u"6,5@Ligninger|2,5@2,5"_s);
        QCOMPARE(s.huk.hukDisplay, u"6,5"_s);
    }

    void enterIndfoerer() {
        Side s;
        s.st.setStatistikValue(u"7"_s);
        QVERIFY(s.st.statistikValueKeyPress(QChar(13)));
        QVERIFY(!s.st.statistikValueKeyPress(u'7'));
        QCOMPARE(s.boks(), u"7"_s);
    }
};

QTEST_GUILESS_MAIN(TstStatistik)
#include "tst_statistik.moc"
