#include "core/common/taltekst.h"
#include "core/graph/ligningsres.h"

#include <cmath>
#include <QtTest>

namespace {

TLigning ligning(const QString& tekst) {
    const QStringList d = tekst.split(u' ');
    return {d.at(0).at(0), d.at(1).toDouble(), d.at(2).toDouble(), d.at(3).toDouble()};
}

QString g(double v) {
    return tal::generel(v);
}

} // namespace

class TstLigningsRes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every ordered pair of the table, each in both orders of choice, with
    // the messages, the one-point pairs and the arithmetic errors.
    void loes_data() {
        QTest::addColumn<QString>("l1");
        QTest::addColumn<QString>("l2");
        QTest::addColumn<QString>("punkter"); // x1|y1|x2|y2
        QTest::addColumn<QString>("besked");

        const double r17 = std::sqrt(17.0);
        const double p1 = (-1 + r17) / 2, p2 = (-1 - r17) / 2;
        const QString linjeParabel = QStringList{g(p1), g(p1 * p1), g(p2), g(p2 * p2)}.join(u'|');
        QTest::newRow("linje_parabel") << "+ 1 1 4"
                                       << "a 1 0 0" << linjeParabel << "";
        QTest::newRow("parabel_linje_byttes") << "a 1 0 0"
                                              << "+ 1 1 4" << linjeParabel << "";
        QTest::newRow("linje_parabel_ingen_rod") << "+ 0 1 -5"
                                                 << "a 1 0 0"
                                                 << "|||"
                                                 << "Ingen løsning";
        QTest::newRow("linje_parabel_dobbeltrod") << "+ 0 1 0"
                                                  << "a 1 0 0"
                                                  << "0|0|0|0"
                                                  << "";
        // The root x = 0 is the origin, where x/y is undefined: one point.
        QTest::newRow("origolinje_parabel") << "/ 1 1 1"
                                            << "a 1 0 0"
                                            << "1|1||"
                                            << "";
        QTest::newRow("parabel_origolinje_byttes") << "a 1 0 0"
                                                   << "/ 1 1 1"
                                                   << "1|1||"
                                                   << "";
        // x/y = 0 is the line x = 0 without the origin.
        QTest::newRow("parabel_origolinje_c0") << "a 1 0 3"
                                               << "/ 1 1 0"
                                               << "0|3||"
                                               << "";
        QTest::newRow("origolinje_c0_parabel_gennem_origo") << "/ 1 1 0"
                                                            << "a 1 0 0"
                                                            << "|||"
                                                            << "Ingen løsning";
        QTest::newRow("hyperbel_parabel") << "* 1 1 1"
                                          << "a 1 0 0"
                                          << "|||"
                                          << "Ingen løsningsfunktion!";
        QTest::newRow("parabel_hyperbel") << "a 1 0 0"
                                          << "* 1 1 1"
                                          << "|||"
                                          << "Ingen løsningsfunktion!";
        QTest::newRow("parabler_lige_a_et_punkt") << "a 1 0 0"
                                                  << "a 1 2 -4"
                                                  << "2|4||"
                                                  << "";
        QTest::newRow("parabler_lige_a_og_b") << "a 1 2 0"
                                              << "a 1 2 3"
                                              << "|||"
                                              << "Fejl";
        QTest::newRow("samme_parabel") << "a 1 2 3"
                                       << "a 1 2 3"
                                       << "|||"
                                       << "Uendeligt mange løsninger";
        QTest::newRow("parabler_to_punkter") << "a 1 0 0"
                                             << "a -1 0 2"
                                             << "1|1|-1|1"
                                             << "";
        QTest::newRow("to_linjer") << "+ 1 1 4"
                                   << "+ 1 -1 0"
                                   << "2|2||"
                                   << "";
        QTest::newRow("samme_linje") << "+ 1 1 2"
                                     << "+ 2 2 4"
                                     << "|||"
                                     << "Uendeligt mange løsninger";
        // 0,1·3 is not 0,3 in binary (before: x1 = 2, y1 = 0).
        QTest::newRow("samme_linje_decimaler") << "+ 0.1 0.3 0.2"
                                               << "+ 1 3 2"
                                               << "|||"
                                               << "Uendeligt mange løsninger";
        // Before: a point near x = 1,6E16 from a determinant of -5,55E-17.
        QTest::newRow("parallelle_linjer_decimaler") << "+ 0.1 0.3 0.5"
                                                     << "+ 1 3 2"
                                                     << "|||"
                                                     << "Ingen løsning";
        QTest::newRow("parallelle_linjer") << "+ 1 1 1"
                                           << "+ 2 2 5"
                                           << "|||"
                                           << "Ingen løsning";
        QTest::newRow("linje_hyperbel") << "+ 1 1 3"
                                        << "* 1 1 2"
                                        << "1|2|2|1"
                                        << "";
        QTest::newRow("hyperbel_linje_byttes") << "* 1 1 2"
                                               << "+ 1 1 3"
                                               << "1|2|2|1"
                                               << "";
        QTest::newRow("linje_origolinje") << "+ 1 1 4"
                                          << "/ 1 1 1"
                                          << "2|2||"
                                          << "";
        QTest::newRow("origolinje_linje_byttes") << "/ 1 1 1"
                                                 << "+ 1 1 4"
                                                 << "2|2||"
                                                 << "";
        QTest::newRow("linje_gennem_origo_origolinje") << "+ 1 1 0"
                                                       << "/ 1 1 1"
                                                       << "|||"
                                                       << "Ingen løsning";
        QTest::newRow("linje_gennem_origo_origolinje_c0") << "+ 1 1 0"
                                                          << "/ 1 1 0"
                                                          << "|||"
                                                          << "Ingen løsning";
        QTest::newRow("linje_er_origolinjen") << "+ 1 -1 0"
                                              << "/ 1 1 1"
                                              << "|||"
                                              << "Uendeligt mange løsninger";
        QTest::newRow("linje_parallel_med_origolinjen") << "+ 1 -1 1"
                                                        << "/ 1 1 1"
                                                        << "|||"
                                                        << "Fejl";
        // y = 1/10000000001 = 9,99999999900000000009999E-11; the line's
        // 1 - x gave 1,00000008274037E-10.
        QTest::newRow("linje_origolinje_lille_y") << "+ 1 1 1"
                                                  << "/ 1 1 10000000000"
                                                  << "0,9999999999|9,999999999E-11||"
                                                  << "";
        QTest::newRow("origolinje_hyperbel") << "/ 1 1 1"
                                             << "* 1 1 1"
                                             << "1|1|-1|-1"
                                             << "";
        QTest::newRow("hyperbel_origolinje_byttes") << "* 1 1 1"
                                                    << "/ 1 1 1"
                                                    << "1|1|-1|-1"
                                                    << "";
        QTest::newRow("origolinje_hyperbel_A_negativ") << "/ 1 1 1"
                                                       << "* 1 1 -1"
                                                       << "|||"
                                                       << "Ingen løsning";
        // A = 0: only the origin, where the quotient is undefined (before: (0, 0) twice).
        QTest::newRow("origolinje_hyperbel_c0") << "/ 1 1 2"
                                                << "* 1 1 0"
                                                << "|||"
                                                << "Ingen løsning";
        QTest::newRow("origolinje_c0_hyperbel") << "/ 1 1 0"
                                                << "* 1 1 1"
                                                << "|||"
                                                << "Ingen løsning";
        // x = 0 lies on x·y = 0.
        QTest::newRow("origolinje_c0_hyperbel_c0") << "/ 1 1 0"
                                                   << "* 1 1 0"
                                                   << "|||"
                                                   << "Uendeligt mange løsninger";
        QTest::newRow("samme_origolinje") << "/ 1 1 1"
                                          << "/ 2 1 2"
                                          << "|||"
                                          << "Uendeligt mange løsninger";
        QTest::newRow("origolinjer") << "/ 1 1 1"
                                     << "/ 1 1 2"
                                     << "|||"
                                     << "Ingen løsning";
        QTest::newRow("samme_hyperbel") << "* 1 1 1"
                                        << "* 2 1 2"
                                        << "|||"
                                        << "Uendeligt mange løsninger";
        QTest::newRow("hyperbler") << "* 1 1 1"
                                   << "* 2 1 1"
                                   << "|||"
                                   << "Ingen løsning";
        // Two parabolas, one twice the other: they meet where x^2 - 1E8x + 1 = 0,
        // at 1,0000000000000001E-8 and 99999999,99999999, both with y = 0 (the
        // root step must not cancel; it gave y1 = 0,25). y1 is 0 within one
        // rounding of the terms; y2 is the parabola at x2 rounded to a double,
        // where the slope is 1E8, so one step of x2 moves y by about 1.
        QTest::newRow("parabler_lille_rod") << "a 1 -100000000 1"
                                            << "a 2 -200000000 2"
                                            << "1E-8|1,11022302462516E-16|100000000|1"
                                            << "";
        QTest::newRow("overloeb") << "+ 1e200 1 1e200"
                                  << "a 1e200 0 0"
                                  << "|||"
                                  << "Fejl";
        QTest::newRow("tredjegrads_intet") << "3 1 0 0"
                                           << "+ 1 1 1"
                                           << "|||"
                                           << "";
    }
    void loes() {
        QFETCH(QString, l1);
        QFETCH(QString, l2);
        QFETCH(QString, punkter);
        QFETCH(QString, besked);
        const TLigningsResultat r = ligningsres::loes(ligning(l1), ligning(l2));
        QCOMPARE(QStringList({r.x1, r.y1, r.x2, r.y2}).join(u'|'), punkter);
        QCOMPARE(r.besked, besked);
        QCOMPARE(r.uendeligtMange, besked == u"Uendeligt mange løsninger");
    }

    // After ordering a line comes first, a parabola second, "/" before "*".
    void ordning() {
        const QString kinds = QStringLiteral("+/*a");
        for (QChar k1 : kinds)
            for (QChar k2 : kinds) {
                TLigning l1{k1, 1, 2, 3}, l2{k2, 4, 5, 6};
                ligningsres::ordn(l1, l2);
                const QString par = QString(l1.opr) + l2.opr;
                QVERIFY2(l2.opr != u'+' || l1.opr == u'+', qPrintable(par));
                QVERIFY2(l1.opr != u'a' || l2.opr == u'a', qPrintable(par));
                QVERIFY2(!(l1.opr == u'*' && l2.opr == u'/'), qPrintable(par));
                // Kind and coefficients move together.
                QCOMPARE(l1.a == 1, l1.opr == k1);
                QCOMPARE(l2.c == 6, l2.opr == k2);
            }
    }
};

QTEST_GUILESS_MAIN(TstLigningsRes)
#include "tst_ligningsres.moc"
