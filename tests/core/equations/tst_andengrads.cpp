#include "core/equations/andengrads.h"
#include "core/equations/ligninger.h"
#include "ligningsfixtur.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstAndengrads : public QObject {
    Q_OBJECT

    struct Side : LigningsFixtur {
        TAndengrads al{beskeder, regner, meta, huk, &graf};
        void skriv(const QString& a, const QString& b, const QString& c) {
            al.setAndengradsA(a);
            al.setAndengradsB(b);
            al.setAndengradsC(c);
        }
    };

private Q_SLOTS:
    // Typing the coefficients and pressing "Løs".
    void loes_data() {
        QTest::addColumn<QStringList>("koef");
        QTest::addColumn<QString>("statusTastet");
        QTest::addColumn<QString>("D");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("bokse"); // a|b|c|x1|x2 after solving
        QTest::addColumn<QString>("liste");
        QTest::addColumn<bool>("Lon");

        QTest::newRow("to rødder") << QStringList{u"1"_s, u"-3"_s, u"2"_s} << u"  2 løsninger"_s
                                   << u"1"_s << u"  2 løsninger"_s << u"1|-3|2|2|1"_s
                                   << u"1x^2 - 3x + 2 = 0|D = 1|x = 2|x = 1|"_s << true;
        QTest::newRow("dobbeltrod") << QStringList{u"1"_s, u"2"_s, u"1"_s} << u"  Dobbeltrod"_s
                                    << u"0"_s << u"  Dobbeltrod"_s << u"1|2|1|-1|-1"_s
                                    << u"1x^2 + 2x + 1 = 0|D = 0|x = -1|x = -1|"_s << true;
        QTest::newRow("ingen reelle rødder")
            << QStringList{u"1"_s, u"0"_s, u"1"_s} << u"  Ingen løsninger"_s << u"-4"_s
            << u"  Ingen løsninger"_s << u"1|0|1|Ingen løsning|Ingen løsning"_s
            << u"1x^2 + 1 = 0|D < 0 : Ingen løsninger|"_s << false;
        QTest::newRow("kun a") << QStringList{u"2"_s, u"0"_s, u"0"_s} << u"  Dobbeltrod"_s << u"0"_s
                               << u"  Dobbeltrod"_s << u"2|0|0|0|0"_s
                               << u"2x^2 = 0|D = 0|x = 0|x = 0|"_s << true;
        QTest::newRow("negativ a") << QStringList{u"-1"_s, u""_s, u"4"_s} << u"  2 løsninger"_s
                                   << u"16"_s << u"  2 løsninger"_s << u"-1|0|4|-2|2"_s
                                   << u"-1x^2 + 4 = 0|D = 16|x = -2|x = 2|"_s << true;
        QTest::newRow("punktum skrives som komma")
            << QStringList{u"2.5"_s, u"-5"_s, u"0"_s} << u"  2 løsninger"_s << u"25"_s
            << u"  2 løsninger"_s << u"2,5|-5|0|2|0"_s << u"2,5x^2 - 5x = 0|D = 25|x = 2|x = 0|"_s
            << true;
        // The box gets "1E-5" back and must read it as 0,00001, not 15.
        QTest::newRow("lille a med eksponent")
            << QStringList{u"0,00001"_s, u"1"_s, u"0"_s} << u"  2 løsninger"_s << u"1"_s
            << u"  2 løsninger"_s << u"1E-5|1|0|0|-100000"_s
            << u"1E-5x^2 + 1x = 0|D = 1|x = 0|x = -100000|"_s << true;
        QTest::newRow("a = 0 kan ikke løses")
            << QStringList{u"0"_s, u"0"_s, u"5"_s} << u"  Ugyldige data"_s << u""_s
            << u"Ugyldige data"_s << u"0|0|5||"_s << u""_s << false;
        QTest::newRow("tom a kan ikke løses")
            << QStringList{u""_s, u"2"_s, u"5"_s} << u"  Ugyldige data"_s << u""_s
            << u"Ugyldige data"_s << u"0|2|5||"_s << u""_s << false;
        // (-b ± √D)/2a cancels for the small root; exact roots from decimal
        // arithmetic: 1E-8 (1,0000000000000001E-8) and -1,108260206547585E-9.
        QTest::newRow("lille rod med negativt b")
            << QStringList{u"1"_s, u"-100000000"_s, u"1"_s} << u"  2 løsninger"_s << u"1E16"_s
            << u"  2 løsninger"_s << u"1|-100000000|1|100000000|1E-8"_s
            << u"1x^2 - 100000000x + 1 = 0|D = 1E16|x = 100000000|x = 1E-8|"_s << true;
        QTest::newRow("lille rod med positivt b")
            << QStringList{u"10"_s, u"902315173"_s, u"1"_s} << u"  2 løsninger"_s
            << u"8,1417267142602E17"_s << u"  2 løsninger"_s
            << u"10|902315173|1|-1,10826020654759E-9|-90231517,3"_s
            << u"10x^2 + 902315173x + 1 = 0|D = 8,1417267142602E17|x = -1,10826020654759E-9|"_s
               "x = -90231517,3|"
            << true;
        QTest::newRow("c = 0 giver roden 0")
            << QStringList{u"1"_s, u"3"_s, u"0"_s} << u"  2 løsninger"_s << u"9"_s
            << u"  2 løsninger"_s << u"1|3|0|0|-3"_s << u"1x^2 + 3x = 0|D = 9|x = 0|x = -3|"_s
            << true;
        // An exponent beyond the double range is no number of the program's
        // own; the filter keeps its digits, as for any other text.
        QTest::newRow("eksponent uden for området")
            << QStringList{u"1"_s, u"1e400"_s, u"1"_s} << u"  2 løsninger"_s << u"1959996"_s
            << u"  2 løsninger"_s << u"1|1400|1|-0,000714286078717573|-1399,99928571392"_s
            << u"1x^2 + 1400x + 1 = 0|D = 1959996|x = -0,000714286078717573|"_s
               "x = -1399,99928571392|"
            << true;
        // 400 digits are beyond any double: no "INF" is written back.
        QTest::newRow("koefficient uden for double-området")
            << QStringList{u"1"_s, QString(400, u'9'), u"1"_s} << u"  Ugyldige data"_s << u"0"_s
            << u"Ugyldige data"_s << u"1|"_s + QString(400, u'9') + u"|1||"_s << u""_s << false;
        QTest::newRow("diskriminant løber over")
            << QStringList{u"1"_s, u"1E200"_s, u"0"_s} << u"  2 løsninger"_s << u"INF"_s
            << u"Ugyldige data"_s << u"1|1E200|0||"_s << u""_s << false;
    }
    void loes() {
        QFETCH(QStringList, koef);
        QFETCH(QString, statusTastet);
        QFETCH(QString, D);
        QFETCH(QString, status);
        QFETCH(QString, bokse);
        QFETCH(QString, liste);
        QFETCH(bool, Lon);
        Side s;
        s.skriv(koef[0], koef[1], koef[2]);
        QCOMPARE(s.al.andengradsStatus(), statusTastet);
        QCOMPARE(s.al.andengradsD(), D);
        s.al.andengradsBeregnClick();
        QCOMPARE(s.al.andengradsStatus(), status);
        const QStringList b{s.al.andengradsA(), s.al.andengradsB(), s.al.andengradsC(),
                            s.al.andengradsX1(), s.al.andengradsX2()};
        QCOMPARE(b.join(u'|'), bokse);
        QCOMPARE(s.liste(), liste);
        QCOMPARE(s.al.Lon, Lon);
        QVERIFY(s.beskeder.boxe.isEmpty());
    }

    void formelTekst_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("fuld") << 1.0 << -3.0 << 2.0 << "1x^2 - 3x + 2 = 0";
        QTest::newRow("uden x^2-led: b med fortegn") << 0.0 << -3.0 << -1.5 << "-3x - 1,5 = 0";
        QTest::newRow("kun konstant: fortegnsform") << 0.0 << 0.0 << 5.0 << " + 5 = 0";
        QTest::newRow("alt nul") << 0.0 << 0.0 << 0.0 << " = 0";
        QTest::newRow("lille b") << 1.0 << 1e-5 << 0.0 << "1x^2 + 1E-5x = 0";
    }
    void formelTekst() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(QString, tekst);
        QCOMPARE(TAndengrads::formelTekst(a, b, c), tekst);
    }

    void protokollenFoelgerDecimalerne() {
        Side s;
        s.regner.disDecimalerChange(3); // two decimals
        s.skriv(u"1"_s, u"0"_s, u"-2"_s);
        s.al.andengradsBeregnClick();
        QCOMPARE(s.liste(), u"1x^2 - 2 = 0|D = 8|x = 1,41|x = -1,41|"_s);
        QCOMPARE(s.al.andengradsX1(), u"1,4142135623731"_s); // the box keeps full precision
    }

    void tomLinjeAdskillerFraForrigeOpgave() {
        Side s;
        s.meta.tilfoej(u"2 + 3 = 5"_s);
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        s.al.andengradsBeregnClick();
        QCOMPARE(s.liste(), u"2 + 3 = 5||1x^2 - 3x + 2 = 0|D = 1|x = 2|x = 1|"_s);
        QCOMPARE(s.al.AlIndex, 2);
        s.al.andengradsBeregnClick(); // ends on an empty line already
        QCOMPARE(s.meta.linjer.mid(7).join(u'|'), u"1x^2 - 3x + 2 = 0|D = 1|x = 2|x = 1|"_s);
    }

    void udenListeSkrivesIntet() {
        Side s;
        s.regner.metaAktivClick(false);
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        s.al.andengradsBeregnClick();
        QCOMPARE(s.liste(), u""_s);
        QCOMPARE(s.al.andengradsX1(), u"2"_s);
        // A root is then stored with an empty label.
        s.al.andengradsX1sendClick();
        QCOMPARE(s.hukommelse(), u"2@"_s);
    }

    void formelOnRyddes() {
        Side s;
        s.regner.setFormelOn(true);
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        s.al.andengradsBeregnClick();
        QVERIFY(!s.regner.FormelOn());
    }

    void rodTilHukommelse() {
        Side s;
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        s.al.andengradsBeregnClick();
        s.al.andengradsX2sendClick();
        s.al.andengradsX1sendClick();
        QCOMPARE(s.hukommelse(), u"2@1x^2 - 3x + 2 = 0|1@1x^2 - 3x + 2 = 0"_s);
        QCOMPARE(s.huk.Hval, 2.0);
        QCOMPARE(s.huk.hukDisplay, u"2"_s);
    }

    void ingenRodIngenHukommelse() {
        Side s;
        s.skriv(u"1"_s, u"0"_s, u"1"_s);
        s.al.andengradsBeregnClick();
        s.al.andengradsX1sendClick();
        QCOMPARE(s.hukommelse(), u""_s);
    }

    // A solve on the two-equations page empties the shared root texts; the
    // quadratic buttons still store what their own boxes show.
    void rodknapGemmerSinEgenBoks() {
        Side s;
        TLigninger lig(s.beskeder, s.regner, s.meta, s.huk, &s.al);
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        s.al.andengradsBeregnClick();
        lig.ligningerBeregnClick();
        QCOMPARE(s.al.Lstr1, u""_s);
        s.al.andengradsX1sendClick();
        QCOMPARE(s.huk.Huk.GetCaption(0), u"2"_s);
    }

    void sendTilGraf() {
        Side s;
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        s.al.andengradsSendClick();
        QCOMPARE(s.graf.kurver, QStringList{u"a 1 -3 2"_s});
        QCOMPARE(s.graf.vist, 1);
        QCOMPARE(s.beskeder.hints, QStringList{u"Andengradsligning sendt til grafvisning!"_s});

        s.skriv(u"0"_s, u"-3"_s, u"2"_s);
        s.al.andengradsSendClick();
        QCOMPARE(s.graf.kurver.size(), 1);
        QCOMPARE(s.beskeder.tekster(), QStringList{u"Der er ikke tale om en andengradsligning!"_s});
    }

    void sendUdenGrafvindue() {
        LigningsFixtur f;
        TAndengrads al(f.beskeder, f.regner, f.meta, f.huk);
        al.setAndengradsA(u"1"_s);
        al.andengradsSendClick();
        QCOMPARE(f.beskeder.hints, QStringList{u"Andengradsligning sendt til grafvisning!"_s});
    }

    void ny() {
        Side s;
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        s.al.andengradsBeregnClick();
        s.regner.setFormelOn(true);
        QSignalSpy fokus(&s.al, &TLigningsside::fokusOenskes);
        QVERIFY(s.al.FormKeyDown(Qt::Key_Home, Qt::NoModifier));
        QCOMPARE(fokus.size(), 1);
        QCOMPARE(fokus.at(0).at(0).toString(), u"andengradsA"_s);
        const QStringList b{s.al.andengradsA(), s.al.andengradsB(),  s.al.andengradsC(),
                            s.al.andengradsD(), s.al.andengradsX1(), s.al.andengradsX2()};
        QCOMPARE(b.join(u'|'), u"|||||"_s);
        QCOMPARE(s.al.andengradsStatus(), u"Ugyldige data"_s);
        QCOMPARE(s.al.Lstr1, u"0"_s);
        QCOMPARE(s.al.Dval_a, 0.0);
        QCOMPARE(s.al.Dval_b, 0.0);
        QVERIFY(!s.al.Lon);
        QVERIFY(!s.regner.FormelOn());
        s.al.andengradsX1sendClick();
        QCOMPARE(s.hukommelse(), u""_s);
        QVERIFY(s.al.FormKeyDown(Qt::Key_N, Qt::ControlModifier));
        QVERIFY(!s.al.FormKeyDown(Qt::Key_Home, Qt::ControlModifier));
    }

    void enterKaedeOgF9() {
        Side s;
        QSignalSpy fokus(&s.al, &TLigningsside::fokusOenskes);
        s.skriv(u"1"_s, u"-3"_s, u"2"_s);
        QVERIFY(s.al.andengradsAKeyPress(QChar(13)));
        QVERIFY(s.al.andengradsBKeyPress(QChar(13)));
        QVERIFY(!s.al.andengradsAKeyPress(u'5'));
        QCOMPARE(fokus.size(), 2);
        QCOMPARE(fokus.at(1).at(0).toString(), u"andengradsC"_s);
        QVERIFY(s.al.andengradsCKeyPress(QChar(13)));
        QCOMPARE(s.al.andengradsX1(), u"2"_s);
        s.meta.toem();
        QVERIFY(s.al.FormKeyDown(Qt::Key_F9, Qt::NoModifier));
        QCOMPARE(s.meta.antal(), 5);
    }

    // The graph window's export writes the boxes; their change handlers
    // update the stored coefficients.
    void boksSkrevetUdefraOpdatererKoefficienterne() {
        Side s;
        s.al.setAndengradsB(u"-4"_s);
        s.al.setAndengradsA(u"2"_s);
        QCOMPARE(s.al.Dval_a, 2.0);
        QCOMPARE(s.al.Dval_b, -4.0);
        QCOMPARE(s.al.andengradsStatus(), u"  2 løsninger"_s);
    }
};

QTEST_GUILESS_MAIN(TstAndengrads)
#include "tst_andengrads.moc"
