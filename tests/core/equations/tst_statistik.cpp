#include "core/common/taltekst.h"
#include "core/equations/statistik.h"
#include "ligningsfixtur.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

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
                l << (p.markeret ? "" : "-") + p.tekst;
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
        const QStringList otte{"2", "4", "4", "4", "5", "5", "7", "9"};
        QTest::newRow("stikprøve") << otte << false << false << "40"
                                   << "5" << tal::generel(std::sqrt(32.0 / 7));
        QTest::newRow("population") << otte << false << true << "40"
                                    << "5"
                                    << "2";
        QTest::newRow("kvadrater påvirker ikke afvigelsen")
            << QStringList{"1", "2", "3"} << true << false << "14" << tal::generel(14.0 / 3) << "1";
        QTest::newRow("decimaltal") << QStringList{"1,5", "2.5", "-1"} << false << false << "3"
                                    << "1" << tal::generel(std::sqrt(3.25));
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
        QCOMPARE(s.liste(), ""); // nothing of the page goes to the calculation list
    }

    void indfoerLaeserBoksen() {
        Side s;
        QSignalSpy n(&s.st, &TStatistik::nantalAendret);
        s.indfoer({"abc", "2.5", "1E-5", "-0"});
        QCOMPARE(s.boks(), "0 2,5 1E-5 0");
        QCOMPARE(s.st.statistikValue(), "");
        QCOMPARE(s.st.statistikNantal(), "n=4");
        QCOMPARE(n.size(), 4);
        QCOMPARE(n.last().at(0).toString(), "n=4");
    }

    void afkrydsningTaellesIkkeOm() {
        Side s;
        s.indfoer({"1", "2", "3"});
        s.st.statistikBoksClickCheck(1, false);
        QCOMPARE(s.st.statistikNantal(), "n=3");
        s.st.statistikSumClick();
        QCOMPARE(s.st.statistikDisplay(), "4");
        QCOMPARE(s.st.Data, (QList<double>{1, 3}));
    }

    void foerreEndToVaerdier() {
        Side s;
        s.indfoer({"1", "2"});
        s.st.statistikSumClick();
        s.st.statistikBoksClickCheck(0, false);
        s.st.statistikSumClick();
        s.st.statistikGennemsnitClick();
        s.st.statistikAfvigelseClick();
        // The first sum succeeded and cleared the status bar.
        QCOMPARE(s.beskeder.hints,
                 (QStringList{"", "Ingen beregning!", "Ingen beregning!", "Ingen beregning!"}));
        QCOMPARE(s.st.statistikDisplay(), "3"); // unchanged
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
        s.indfoer({"1"});
        s.st.statistikSumClick();
        QCOMPARE(s.beskeder.hints.last(), "Ingen beregning!");
        s.indfoer({"3"});
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
        QCOMPARE(s.st.statistikNantal(), afvist ? "n=0" : "n=1");
    }

    void importerHukommelsen() {
        Side s;
        s.indfoer({"1"});
        s.st.statistikImporterClick(); // empty memory adds nothing
        QCOMPARE(s.boks(), "1");
        s.huk.gemFraVindue("a", 3);
        s.huk.gemFraVindue("b", 7);
        s.st.statistikImporterClick();
        QCOMPARE(s.boks(), "1 7 3");
        QCOMPARE(s.st.statistikNantal(), "n=3");
    }

    void importeretTekstDerIkkeErEtTal() {
        Side s;
        s.indfoer({"1", "2"});
        s.huk.gemFraVindue("x", 0, "Ingen løsning");
        s.st.statistikImporterClick();
        s.st.statistikSumClick();
        QCOMPARE(s.st.statistikDisplay(), "");
        QCOMPARE(s.beskeder.hints.size(), 1);
        QVERIFY(s.beskeder.hints[0].contains("'Ingen løsning'"));
    }

    void sletOgNy() {
        Side s;
        s.indfoer({"1", "2", "3"});
        s.st.statistikSletClick(); // nothing selected
        QCOMPARE(s.boks(), "1 2 3");
        s.st.vaelg(1);
        s.st.statistikSletClick();
        QCOMPARE(s.boks(), "1 3");
        QCOMPARE(s.st.valgt(), -1);
        QCOMPARE(s.st.statistikNantal(), "n=2");
        s.st.statistikNyClick();
        QCOMPARE(s.boks(), "");
        QCOMPARE(s.st.statistikNantal(), "n=0");
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
        s.indfoer({"1"});
        s.st.setStatistikValueFokus(fokusIBoksen);
        QCOMPARE(s.st.FormKeyDown(tast, Qt::KeyboardModifiers(mods)), ryddet);
        QCOMPARE(s.boks(), ryddet ? "" : "1");
    }

    void tilHukommelse() {
        Side s;
        s.indfoer({"2,5", "4"});
        s.st.statistikSendClick(); // nothing selected
        s.st.statistikHukClick();  // no result yet
        QCOMPARE(s.hukommelse(), "");
        s.st.vaelg(0);
        s.st.statistikSendClick();
        QCOMPARE(s.hukommelse(), "2,5@2,5");
        QCOMPARE(s.huk.Hval, 2.5);
        s.st.statistikSumClick();
        s.st.statistikHukClick();
        QCOMPARE(s.hukommelse(), "6,5@Ligninger|2,5@2,5");
        QCOMPARE(s.huk.hukDisplay, "6,5");
    }

    void enterIndfoerer() {
        Side s;
        s.st.setStatistikValue("7");
        QVERIFY(s.st.statistikValueKeyPress(QChar(13)));
        QVERIFY(!s.st.statistikValueKeyPress(u'7'));
        QCOMPARE(s.boks(), "7");
    }
};

QTEST_GUILESS_MAIN(TstStatistik)
#include "tst_statistik.moc"
