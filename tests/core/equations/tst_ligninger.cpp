#include "core/equations/andengrads.h"
#include "core/equations/ligninger.h"
#include "ligningsfixtur.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstLigninger : public QObject {
    Q_OBJECT

    struct Side : LigningsFixtur {
        TLigninger lig{beskeder, regner, meta, huk, nullptr, &graf};
        // "F a b c" for each equation, F being +, * or /.
        void skriv(const QString& l1, const QString& l2) {
            const QStringList d = QString(l1 + u' ' + l2).split(u' ');
            lig.ligninger1Click(static_cast<int>(QStringLiteral("+*/").indexOf(d[0])));
            lig.ligninger2Click(static_cast<int>(QStringLiteral("+*/").indexOf(d[4])));
            const int felt[] = {1, 2, 3, 5, 6, 7};
            for (int b = 0; b < 6; ++b)
                lig.setBoks(static_cast<TLigninger::Boks>(b), d[felt[b]]);
        }
        QString resultater() const {
            return QStringList{lig.ligningX1(), lig.ligningY1(), lig.ligningX2(), lig.ligningY2()}
                .join(u'|');
        }
    };

private Q_SLOTS:
    // The nine combinations of forms, and their failures.
    void loes_data() {
        QTest::addColumn<QString>("l1");
        QTest::addColumn<QString>("l2");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QString>("resultater"); // x1|y1|x2|y2
        QTest::addColumn<int>("antalL");
        QTest::addColumn<bool>("Kon");

        QTest::newRow("sum og sum") << "+ 2 3 7"
                                    << "+ 1 -1 1"
                                    << "1 løsning"
                                    << "2x + 3y = 7|1x - 1y = 1|x = 2|y = 1|"
                                    << "2|1||" << 1 << true;
        QTest::newRow("sum og sum samme linje")
            << "+ 1 1 2"
            << "+ 2 2 4"
            << "Uendeligt mange løsninger"
            << "1x + 1y = 2|2x + 2y = 4|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        // 0,1·3 is not 0,3 in binary; as shown the lines are one (before: x = 2, y = 0).
        QTest::newRow("sum og sum samme linje med decimaler")
            << "+ 0.1 0.3 0.2"
            << "+ 1 3 2"
            << "Uendeligt mange løsninger"
            << "0,1x + 0,3y = 0,2|1x + 3y = 2|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        // Before: x = 1,62129586585338E16 from a determinant of -5,55E-17.
        QTest::newRow("sum og sum parallelle med decimaler")
            << "+ 0.1 0.3 0.5"
            << "+ 1 3 2"
            << "Funktionsfejl"
            << "0,1x + 0,3y = 0,5|1x + 3y = 2|Division med 0"
            << "|||" << 0 << false;
        QTest::newRow("sum og sum parallelle") << "+ 1 1 1"
                                               << "+ 2 2 5"
                                               << "Funktionsfejl"
                                               << "1x + 1y = 1|2x + 2y = 5|Division med 0"
                                               << "|||" << 0 << false;
        QTest::newRow("sum og produkt")
            << "+ 1 1 5"
            << "* 1 1 6"
            << "2 løsninger"
            << "1x + 1y = 5|1x * 1y = 6|-1x^2 + 5x - 6 = 0|D = 1|x1 = 2|y1 = 3|x2 = 3|y2 = 2|"
            << "2|3|3|2" << 2 << true;
        QTest::newRow("sum og produkt dobbeltrod")
            << "+ 1 1 2"
            << "* 1 1 1"
            << "1 løsning"
            << "1x + 1y = 2|1x * 1y = 1|-1x^2 + 2x - 1 = 0|D = 0|x = 1|y = 1|"
            << "1|1||" << 1 << true;
        QTest::newRow("sum og produkt uden løsning")
            << "+ 1 1 1"
            << "* 1 1 1"
            << "Ingen løsning"
            << "1x + 1y = 1|1x * 1y = 1|-1x^2 + 1x - 1 = 0|D < 0 : Ingen løsninger"
            << "|||" << 0 << false;
        QTest::newRow("sum og kvotient") << "+ 1 1 3"
                                         << "/ 1 1 2"
                                         << "1 løsning"
                                         << "1x + 1y = 3|1x / 1y = 2|x = 2|y = 1|"
                                         << "2|1||" << 1 << true;
        // The quotient's y is its denominator: (0, 0) is no solution.
        QTest::newRow("sum gennem origo og kvotient") << "+ 1 1 0"
                                                      << "/ 1 1 1"
                                                      << "Ingen løsning"
                                                      << "1x + 1y = 0|1x / 1y = 1|Ingen løsning"
                                                      << "|||" << 0 << false;
        QTest::newRow("sum gennem origo og kvotient c = 0")
            << "+ 1 1 0"
            << "/ 1 1 0"
            << "Ingen løsning"
            << "1x + 1y = 0|1x / 1y = 0|Ingen løsning"
            << "|||" << 0 << false;
        // x - y = 0 is the quotient's line x/y = 1 with the origin.
        QTest::newRow("sum og kvotient samme linje")
            << "+ 1 -1 0"
            << "/ 1 1 1"
            << "Uendeligt mange løsninger"
            << "1x - 1y = 0|1x / 1y = 1|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        // y = 1/10000000001 = 9,99999999900000000009999E-11; the line's 1 - x
        // gave 1,00000008274037E-10.
        QTest::newRow("sum og kvotient lille y")
            << "+ 1 1 1"
            << "/ 1 1 10000000000"
            << "1 løsning"
            << "1x + 1y = 1|1x / 1y = 10000000000|x = 0,9999999999|y = 9,999999999E-11|"
            << "0,9999999999|9,999999999E-11||" << 1 << true;
        // Parallel to the quotient's line, which does not pass through (0, 1).
        QTest::newRow("sum og kvotient deler med nul") << "+ 1 1 1"
                                                       << "/ 1 1 -1"
                                                       << "Funktionsfejl"
                                                       << "1x + 1y = 1|1x / 1y = -1"
                                                       << "|||" << 0 << false;
        QTest::newRow("produkt og sum")
            << "* 1 1 6"
            << "+ 1 1 5"
            << "2 løsninger"
            << "1x * 1y = 6|1x + 1y = 5|-1x^2 + 5x - 6 = 0|D = 1|x1 = 2|y1 = 3|x2 = 3|y2 = 2|"
            << "2|3|3|2" << 2 << true;
        QTest::newRow("produkt og produkt samme kurve")
            << "* 1 2 8"
            << "* 1 1 4"
            << "Uendeligt mange løsninger"
            << "1x * 2y = 8|1x * 1y = 4|8 (=) 8|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        // 0,1·3 = 0,30000000000000004 in binary; as shown both say x·y = 0,1.
        QTest::newRow("produkt og produkt samme kurve med decimaler")
            << "* 1 1 0.1"
            << "* 3 1 0.3"
            << "Uendeligt mange løsninger"
            << "1x * 1y = 0,1|3x * 1y = 0,3|0,3 (=) 0,3|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        QTest::newRow("produkt og produkt") << "* 1 2 8"
                                            << "* 1 1 5"
                                            << "Ingen løsning"
                                            << "1x * 2y = 8|1x * 1y = 5|8 (=) 10|Ingen løsning"
                                            << "|||" << 0 << false;
        QTest::newRow("produkt og kvotient")
            << "* 1 1 4"
            << "/ 1 1 1"
            << "2 løsninger"
            << "1x * 1y = 4|1x / 1y = 1|x1 = 2|y1 = 2|x2 = -2|y2 = -2|"
            << "2|2|-2|-2" << 2 << true;
        QTest::newRow("produkt og kvotient uden løsning")
            << "* 1 1 -4"
            << "/ 1 1 1"
            << "Ingen løsning"
            << "1x * 1y = -4|1x / 1y = 1|Ingen løsning"
            << "|||" << 0 << false;
        // x/y = 0 is the line x = 0 without the origin: the sum gives y = 3.
        QTest::newRow("kvotient c = 0 og sum") << "/ 1 1 0"
                                               << "+ 1 1 3"
                                               << "1 løsning"
                                               << "1x / 1y = 0|1x + 1y = 3|x = 0|y = 3|"
                                               << "0|3||" << 1 << true;
        QTest::newRow("produkt c = 0 og kvotient c = 0")
            << "* 1 1 0"
            << "/ 1 1 0"
            << "Uendeligt mange løsninger"
            << "1x * 1y = 0|1x / 1y = 0|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        QTest::newRow("kvotient og sum") << "/ 1 1 2"
                                         << "+ 1 1 3"
                                         << "1 løsning"
                                         << "1x / 1y = 2|1x + 1y = 3|x = 2|y = 1|"
                                         << "2|1||" << 1 << true;
        QTest::newRow("kvotient og produkt")
            << "/ 1 1 1"
            << "* 1 1 4"
            << "2 løsninger"
            << "1x / 1y = 1|1x * 1y = 4|x1 = 2|y1 = 2|x2 = -2|y2 = -2|"
            << "2|2|-2|-2" << 2 << true;
        QTest::newRow("kvotient og kvotient samme linje")
            << "/ 1 1 2"
            << "/ 2 1 4"
            << "Uendeligt mange løsninger"
            << "1x / 1y = 2|2x / 1y = 4|4 (=) 4|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        QTest::newRow("kvotient og kvotient c = 0")
            << "/ 1 1 0"
            << "/ 2 1 0"
            << "Uendeligt mange løsninger"
            << "1x / 1y = 0|2x / 1y = 0|0 (=) 0|Uendeligt mange løsninger"
            << "|||" << 0 << false;
        QTest::newRow("kvotient og kvotient") << "/ 1 1 2"
                                              << "/ 2 1 5"
                                              << "Ingen løsning"
                                              << "1x / 1y = 2|2x / 1y = 5|5 (=) 4|Ingen løsning"
                                              << "|||" << 0 << false;
        // The quadratic's small root keeps its digits (exactly 1,0000000000000001E-8),
        // and so does y2, the same small value (the line's 100000000 - x2 gives 0).
        QTest::newRow("sum og produkt lille rod")
            << "+ 1 1 100000000"
            << "* 1 1 1"
            << "2 løsninger"
            << "1x + 1y = 100000000|1x * 1y = 1|-1x^2 + 100000000x - 1 = 0|D = 1E16|x1 = 1E-8|"
               "y1 = 100000000|x2 = 100000000|y2 = 1E-8|"
            << "1E-8|100000000|100000000|1E-8" << 2 << true;
        // The product first: y comes from it too.
        QTest::newRow("produkt og sum lille rod")
            << "* 1 1 1"
            << "+ 1 1 100000000"
            << "2 løsninger"
            << "1x * 1y = 1|1x + 1y = 100000000|-1x^2 + 100000000x - 1 = 0|D = 1E16|x1 = 1E-8|"
               "y1 = 100000000|x2 = 100000000|y2 = 1E-8|"
            << "1E-8|100000000|100000000|1E-8" << 2 << true;
        QTest::newRow("koefficient uden for double-området")
            << u"+ 1 "_s + QString(400, u'9') + u" 1"_s << u"+ 1 -1 2"_s << u"Ugyldige data"_s
            << u""_s << u"|||"_s << 0 << false;
        QTest::newRow("overløb i formlen") << "+ 1E300 1 1"
                                           << "+ 1 1E300 1"
                                           << "Funktionsfejl"
                                           << "1E300x + 1y = 1|1x + 1E300y = 1"
                                           << "|||" << 0 << false;
        QTest::newRow("tom c bliver 0") << "+ 1 1 "
                                        << "+ 1 -1 2"
                                        << "1 løsning"
                                        << "1x + 1y = 0|1x - 1y = 2|x = 1|y = -1|"
                                        << "1|-1||" << 1 << true;
        QTest::newRow("b = 0 er ugyldig") << "+ 1 0 1"
                                          << "+ 1 1 1"
                                          << "Ugyldige data"
                                          << ""
                                          << "|||" << 0 << false;
    }
    void loes() {
        QFETCH(QString, l1);
        QFETCH(QString, l2);
        QFETCH(QString, status);
        QFETCH(QString, liste);
        QFETCH(QString, resultater);
        QFETCH(int, antalL);
        QFETCH(bool, Kon);
        Side s;
        s.skriv(l1, l2);
        s.lig.ligningerBeregnClick();
        QCOMPARE(s.lig.ligningerStatus(), status);
        QCOMPARE(s.liste(), liste);
        QCOMPARE(s.resultater(), resultater);
        QCOMPARE(s.lig.antalL, antalL);
        QCOMPARE(s.lig.Kon, Kon);
        QVERIFY(s.beskeder.boxe.isEmpty());
    }

    void normalTekst_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("sum med negativ b") << 2.0 << -1.0 << 0 << "2x - 1y = 1";
        QTest::newRow("produkt beholder fortegnet") << 1.0 << -2.0 << 1 << "1x * -2y = 1";
        QTest::newRow("kvotient") << 4.0 << 2.0 << 2 << "4x / 2y = 1";
        QTest::newRow("uden a") << 0.0 << -2.0 << 2 << "-2y = 1";
        QTest::newRow("uden b") << 3.0 << 0.0 << 0 << "3x = 1";
    }
    void normalTekst() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, form);
        QFETCH(QString, tekst);
        QCOMPARE(TLigninger::normalTekst(a, b, 1, form), tekst);
    }

    void koefficienterSkrivesTilbage() {
        Side s;
        s.skriv(u"+ 2.5 1 1"_s, u"+ 1 kr-1 abc"_s);
        s.lig.ligningerBeregnClick();
        const QStringList b{s.lig.ligning1a(), s.lig.ligning1b(), s.lig.ligning1c(),
                            s.lig.ligning2a(), s.lig.ligning2b(), s.lig.ligning2c()};
        QCOMPARE(b.join(u'|'), u"2,5|1|1|1|-1|0"_s);
    }

    void separatorLinjeFoerLoesningen() {
        Side s;
        s.meta.tilfoej(u"2 + 3 = 5"_s);
        s.skriv(u"+ 2 3 7"_s, u"+ 1 -1 1"_s);
        s.lig.ligningerBeregnClick();
        QCOMPARE(s.meta.linjer.mid(0, 3).join(u'|'), u"2 + 3 = 5||2x + 3y = 7"_s);
    }

    void udenListe() {
        Side s;
        s.regner.metaAktivClick(false);
        s.skriv(u"+ 2 3 7"_s, u"+ 1 -1 1"_s);
        s.lig.ligningerBeregnClick();
        QCOMPARE(s.liste(), u""_s);
        QCOMPARE(s.resultater(), u"2|1||"_s);
        QCOMPARE(s.lig.ligningerStatus(), u"1 løsning"_s);
    }

    void kontrol() {
        Side s;
        s.skriv(u"+ 1 1 5"_s, u"* 1 1 6"_s);
        s.lig.ligningerBeregnClick();
        s.meta.toem();
        s.lig.ligningerKonClick();
        QCOMPARE(s.liste(), u"5 (=) 5|6 (=) 6|5 (=) 5|6 (=) 6"_s);
        QCOMPARE(s.lig.opr1, u'+');
        QCOMPARE(s.lig.opr2, u'*');
    }

    void kontrolEfterRettelseGoerIntet_data() {
        QTest::addColumn<int>("hvad");
        QTest::newRow("koefficient") << 0;
        QTest::newRow("form") << 1;
    }
    void kontrolEfterRettelseGoerIntet() {
        QFETCH(int, hvad);
        Side s;
        s.skriv(u"+ 2 3 7"_s, u"+ 1 -1 1"_s);
        s.lig.ligningerBeregnClick();
        if (hvad == 0)
            s.lig.setBoks(TLigninger::L2c, u"2"_s);
        else
            s.lig.ligninger2Click(1);
        QVERIFY(!s.lig.Kon);
        s.meta.toem();
        s.lig.ligningerKonClick();
        QCOMPARE(s.liste(), u""_s);
    }

    void kvadratLoesningTomgoerAndengradsTekster() {
        Side s;
        TAndengrads al(s.beskeder, s.regner, s.meta, s.huk);
        TLigninger lig(s.beskeder, s.regner, s.meta, s.huk, &al);
        al.Lstr1 = u"2"_s;
        al.Lstr2 = u"1"_s;
        lig.ligningerBeregnClick();
        QCOMPARE(al.Lstr1, u""_s);
        QCOMPARE(al.Lstr2, u""_s);
    }

    void tilHukommelse() {
        Side s;
        s.skriv(u"* 1 1 4"_s, u"/ 1 1 1"_s);
        s.lig.ligningerBeregnClick();
        s.lig.ligningerY2sendClick();
        s.lig.ligningerX1sendClick();
        QCOMPARE(s.hukommelse(), u"2@Ligninger|-2@Ligninger"_s);
        QCOMPARE(s.huk.Hval, 2.0);
        QCOMPARE(s.huk.hukDisplay, u"2"_s);
    }

    void tomResultatboksGemmesIkke() {
        Side s;
        s.skriv(u"+ 2 3 7"_s, u"+ 1 -1 1"_s);
        s.lig.ligningerBeregnClick();
        s.lig.ligningerX2sendClick();
        QCOMPARE(s.hukommelse(), u""_s);
    }

    void sendTilGraf() {
        Side s;
        bool synlig = false;
        s.lig.setGrafSynlig([&] { return synlig; });
        s.skriv(u"* 1.5 2 8"_s, u"/ 4 2 1"_s);
        s.lig.ligningerSendClick();
        QCOMPARE(s.graf.kurver, (QStringList{u"* 1.5 2 8"_s, u"/ 4 2 1"_s}));
        QCOMPARE(s.lig.ligning1a(), u"1,5"_s);
        QCOMPARE(s.graf.vist, 0); // the window is not opened
        QCOMPARE(s.beskeder.tekster(), QStringList{u"Ligninger sendt til grafvisning!"_s});
        synlig = true;
        s.lig.ligningerSendClick();
        QCOMPARE(s.beskeder.boxe.size(), 1);
    }

    void sendManglerInput() {
        Side s;
        s.skriv(u"+ 1 1 1"_s, u"+ 0 1 1"_s);
        s.lig.ligningerSendClick();
        QCOMPARE(s.beskeder.tekster(), QStringList{u"Der mangler inputsværdier!"_s});
        QVERIFY(s.graf.kurver.isEmpty());
        QCOMPARE(s.lig.opr1, u' ');
    }

    void ny() {
        Side s;
        s.skriv(u"+ 2 3 7"_s, u"+ 1 -1 1"_s);
        s.lig.ligningerBeregnClick();
        QSignalSpy fokus(&s.lig, &TLigningsside::fokusOenskes);
        s.regner.setFormelOn(true);
        QVERIFY(s.lig.FormKeyDown(Qt::Key_N, Qt::ControlModifier));
        QCOMPARE(fokus.at(0).at(0).toString(), u"ligning1a"_s);
        QCOMPARE(s.resultater(), u"|||"_s);
        QCOMPARE(s.lig.ligning2c(), u""_s);
        QCOMPARE(s.lig.ligningerStatus(), u"Ugyldige data"_s);
        QCOMPARE(s.lig.L1x, 0.0);
        QVERIFY(!s.regner.FormelOn());
        QVERIFY(s.lig.FormKeyDown(Qt::Key_Home, Qt::NoModifier));
    }

    void enterKaedeLoeserISidsteBoks() {
        Side s;
        s.skriv(u"+ 2 3 7"_s, u"+ 1 -1 1"_s);
        QSignalSpy fokus(&s.lig, &TLigningsside::fokusOenskes);
        for (int b = TLigninger::L1a; b < TLigninger::L2c; ++b)
            QVERIFY(s.lig.ligningKeyPress(static_cast<TLigninger::Boks>(b), QChar(13)));
        QStringList navne;
        for (const auto& a : fokus)
            navne << a.at(0).toString();
        QCOMPARE(navne.join(u' '), u"ligning1b ligning1c ligning2a ligning2b ligning2c"_s);
        QVERIFY(s.lig.ligningKeyPress(TLigninger::L2c, QChar(13)));
        QCOMPARE(s.lig.ligningX1(), u"2"_s);
    }

    void ukendtFormLaederValgetUroert() {
        Side s;
        s.lig.ligninger1Click(2);
        s.lig.ligninger1Click(-1);
        s.lig.ligninger1Click(3);
        QCOMPARE(s.lig.ligninger1(), 2);
    }
};

QTEST_GUILESS_MAIN(TstLigninger)
#include "tst_ligninger.moc"
