// The engine under unusual input: cases where it once gave a wrong result.
#include "langopgave.h"
#include "regnerfixtur.h"

#include "core/common/taltekst.h"

#include <QRandomGenerator>

#include <cmath>
#include <QtTest>

// What a user can see of the engine, and what steers its next keys.
static QStringList tilstand(const RegnerFixtur& x) {
    const TRegner& r = x.regner;
    QStringList l{r.displayTekst(),
                  r.udText(),
                  r.formelString(),
                  r.uMemoTekst(),
                  r.operatorTekst(),
                  r.Dstr(),
                  tal::generel(r.Dval()),
                  r.parentesTekst(),
                  QString::number(r.Waitcount()),
                  QString::number(r.ResOn()) + QString::number(r.talKey()) +
                      QString::number(r.invChecked()) + QString::number(r.hypChecked()) +
                      QString::number(r.valueError()),
                  r.caption(QStringLiteral("beSin")),
                  x.meta.linjer.join(u'|'),
                  QString::number(x.meta.valgt),
                  tal::generel(r.Hval())};
    for (const RmRec& rec : r.Rm())
        l << tal::generel(rec.Tal) + rec.Operatoren + rec.Parentes + QString::number(rec.Pantal) +
                 QString::number(rec.InversFunktion);
    return l;
}

// A long task of numbers, operators, parentheses and functions (some of them
// ending in an error, whose value is NaN), with no message on the way.
static QString fejlOpgave(int koder, quint32 froe) {
    LangOpgaveValg valg;
    valg.funktioner = QStringLiteral("scnexrfl");
    valg.decimaler = false;
    return langOpgave(koder, froe, valg);
}

class TestRegnerGraenser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Mod works on the numbers as the user sees them (their 15-digit decimal
    // forms), exactly; far apart magnitudes keep the exact binary remainder.
    void modulo_data() {
        QTest::addColumn<QString>("taster");
        QTest::addColumn<QString>("display");
        QTest::newRow("1 Mod 0,1") << "1m0,1="
                                   << "0";
        QTest::newRow("5,5 Mod 1,1") << "5,5m1,1="
                                     << "0";
        QTest::newRow("46656 Mod 0,8") << "46656m0,8="
                                       << "0";
        QTest::newRow("73 Mod 2,89") << "73m2,89="
                                     << "0,75";
        QTest::newRow("0,7 Mod 0,2") << "0,7m0,2="
                                     << "0,1";
        QTest::newRow("negativ dividend") << "7fm3="
                                          << "2";
        QTest::newRow("negativ divisor") << "7m3f="
                                         << "-2";
        QTest::newRow("begge negative") << "7fm3f="
                                        << "-1";
        QTest::newRow("negativ decimal") << "1fm0,3="
                                         << "0,2";
        QTest::newRow("stor dividend") << "78300000000000000m443="
                                       << "98";
        // 10^300 as the user sees it: 3^300 = 1 (mod 7).
        QTest::newRow("dividend langt over divisor") << "10y300=m7="
                                                     << "1";
        QTest::newRow("divisor langt over dividend") << "0,123456789012345m10y30="
                                                     << "0,123456789012345";
    }
    void modulo() {
        QFETCH(QString, taster);
        QFETCH(QString, display);
        RegnerFixtur f;
        f.tast(taster);
        QCOMPARE(f.regner.displayTekst(), display);
    }

    // A Backspace in an evaluated text undoes the last key, and the
    // evaluation goes on after it.
    void tilbageIUdtryk_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("display");
        QTest::newRow("midt i et tal") << "12\b3+1="
                                       << "14";
        QTest::newRow("sidste tast") << "1\b2"
                                     << "2";
        QTest::newRow("intet at fortryde") << "\b5+1="
                                           << "6";
        QTest::newRow("operator fortrydes") << "2+\b*3="
                                            << "6";
    }
    void tilbageIUdtryk() {
        QFETCH(QString, tekst);
        QFETCH(QString, display);
        RegnerFixtur f;
        f.regner.realiserFormel(tekst);
        QCOMPARE(f.regner.displayTekst(), display);
        QVERIFY2(f.beskeder.boxe.isEmpty(), qPrintable(f.beskeder.tekster().join(u'|')));
        QVERIFY(!f.regner.UdtrykGo());
    }

    // A domain error found by a key that the expression line's reset ends
    // goes with the task: it does not go off at the next reduction.
    void domaenefejlNulstilles_data() {
        QTest::addColumn<QString>("taster");
        QTest::addColumn<QString>("display");
        QTest::newRow("lig med") << "1+9f(0f)t="
                                 << "0";
        QTest::newRow("ny opgave") << "1+9f(0f)t5+3="
                                   << "8";
    }
    void domaenefejlNulstilles() {
        QFETCH(QString, taster);
        QFETCH(QString, display);
        RegnerFixtur f;
        f.tast(taster);
        QCOMPARE(f.regner.displayTekst(), display);
        QVERIFY(!f.regner.valueError());
    }

    // "Tilbage" goes on from copies of the state kept by earlier undos; after
    // every undo the engine must be exactly where a replay from the first key
    // leads. Random long tasks, undone key by key, beside a twin that forgets
    // its copies before every undo.
    void tilbageSomFuldGenafspilning() {
        static const QString taster =
            QStringLiteral("0123456789012345,,+-*/()=scotnelrfiihxzqw^%!pajg\b");
        for (quint32 froe = 1; froe <= 6; ++froe) {
            QRandomGenerator g(froe);
            RegnerFixtur f;
            RegnerFixtur tvilling;
            for (RegnerFixtur* x : {&f, &tvilling}) {
                x->regner.metaIndUdClick(froe % 2 == 0);
                if (froe % 3 == 0) x->regner.setUMemoTekst(QStringLiteral("x"));
            }
            QString tekst;
            for (int i = 0; i < 700; ++i)
                tekst += taster[g.bounded(static_cast<int>(taster.size()))];
            f.tast(tekst);
            tvilling.tast(tekst);
            for (int n = 0; n < 400 && !f.regner.formelString().isEmpty(); ++n) {
                // Now and then the angle mode or the memory changes between two undos.
                if (n % 37 == 36)
                    for (RegnerFixtur* x : {&f, &tvilling})
                        x->regner.klik(x->regner.GradIndex() == 1 ? QStringLiteral("gradGrader")
                                                                  : QStringLiteral("gradRadianer"));
                if (n % 53 == 52)
                    for (RegnerFixtur* x : {&f, &tvilling})
                        x->huk.gemFraVindue(QStringLiteral("test"), n);
                // Now and then more keys between two undos.
                if (n % 61 == 60) {
                    QString mere;
                    for (int i = 0; i < 90; ++i)
                        mere += taster[g.bounded(static_cast<int>(taster.size()))];
                    f.tast(mere);
                    tvilling.tast(mere);
                    QCOMPARE(tilstand(f), tilstand(tvilling));
                }
                f.regner.BackTalExecute();
                tvilling.regner.glemOejeblikke();
                tvilling.regner.BackTalExecute();
                QCOMPARE(tilstand(f), tilstand(tvilling));
            }
        }
    }

    // While keys are typed the engine replays them quietly to keep copies for
    // "Tilbage": the typed state, the list and the messages stay as typing
    // alone leaves them. The twin forgets its copies before every key, so its
    // quiet replays begin elsewhere and reach back further.
    void tastningUberoertAfForberedelse() {
        static const QString taster =
            QStringLiteral("0123456789012345,,+-*/()=scotnelrfiihxzqw^%!pajg\b");
        for (quint32 froe = 11; froe <= 13; ++froe) {
            QRandomGenerator g(froe);
            RegnerFixtur f;
            RegnerFixtur tvilling;
            if (froe == 12)
                for (RegnerFixtur* x : {&f, &tvilling})
                    x->regner.setUMemoTekst(QStringLiteral("x"));
            for (int i = 0; i < 1500; ++i) {
                const QChar c = taster[g.bounded(static_cast<int>(taster.size()))];
                f.tast(QString(c));
                tvilling.regner.glemOejeblikke();
                tvilling.tast(QString(c));
                QCOMPARE(tilstand(f), tilstand(tvilling));
            }
            QCOMPARE(f.beskeder.tekster(), tvilling.beskeder.tekster());
            QCOMPARE(f.fejl, tvilling.fejl);
        }
    }

    // Typing keeps copies of the state, so that no "Tilbage" replays more
    // than a few hundred keys of a long task: the first after typing, the
    // following ones, one after new keys, and one after the angle mode
    // changed (the copies no longer fit; typing makes new ones as it goes).
    void tilbageGaarFraNaerKopi() {
        RegnerFixtur f;
        // It ends in an error: the value shown is NaN.
        f.tast(fejlOpgave(6000, 5) + QStringLiteral("2fn"));
        QVERIFY(std::isnan(f.regner.Dval()));
        const auto tilbage = [&](int gange) {
            for (int i = 0; i < gange; ++i) {
                f.regner.BackTalExecute();
                QVERIFY2(f.regner.tilbageAfspillet() <= 320,
                         qPrintable(QStringLiteral("%1 keys replayed at %2")
                                        .arg(f.regner.tilbageAfspillet())
                                        .arg(f.regner.formelString().size())));
            }
        };
        tilbage(300);
        f.tast(fejlOpgave(700, 6));
        tilbage(20);
        f.regner.klik(QStringLiteral("gradRadianer"));
        f.tast(fejlOpgave(200, 7));
        tilbage(20);
        QVERIFY(f.beskeder.boxe.isEmpty());
    }

    // A recording that makes a replay stop with a message (an unknown
    // character, put there through the expression window): typing on after it
    // shows nothing; "Tilbage" shows the message as before.
    void stilleForberedelse() {
        RegnerFixtur f;
        f.regner.setFormelString(QStringLiteral("1+2\u00e6"));
        f.tast(fejlOpgave(300, 8));
        QVERIFY(f.beskeder.boxe.isEmpty());
        f.regner.BackTalExecute();
        QCOMPARE(f.beskeder.boxe.size(), 1);
        QVERIFY(f.beskeder.tekster().constFirst().startsWith(QStringLiteral("Beregning afbrudt!")));
    }

    // A plain decimal too small for a double is zero, never infinity.
    void meget_lilleDecimal() {
        RegnerFixtur f;
        const QString lille = QStringLiteral("0,") + QString(323, u'0') + u'1';
        f.regner.realiserFormel(lille + u'=');
        QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
        f.tast(QStringLiteral("*0="));
        QCOMPARE(f.regner.displayTekst(), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestRegnerGraenser)
#include "tst_regnergraenser.moc"
