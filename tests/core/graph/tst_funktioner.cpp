#include "core/graph/funktioner.h"
#include "optagerlaerred.h"

#include <cmath>
#include <limits>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A canvas that has had its first repaint, with the origin at (200, 200).
struct Laerred400 {
    TFunktioner g;
    OptagerLaerred l;
    Laerred400() {
        g.setStoerrelse(400, 400);
        g.Paint(l);
        l.kald.clear();
    }
};

// The tick walk written the plain way, from the origin outwards: the
// reference the canvas's own walk must match.
QStringList naiveMarker(const TFunktioner& g) {
    QStringList s;
    const qint64 p = g.PixelEnhed(), m = g.MarkEnhed(), h = g.MarkHojde();
    const qint64 cx = g.CenterX(), cy = g.CenterY();
    const auto lod = [&](qint64 x) {
        s << QStringLiteral("%1 %2 %1 %3").arg(x).arg(cy - h).arg(cy + h);
    };
    qint64 k = 0;
    for (qint64 x = cx; x < g.Width();) {
        ++k;
        x += p;
        if (k % m == 0) lod(x);
    }
    k = 0;
    for (qint64 x = cx; x >= 0;) {
        ++k;
        x -= p;
        if (k % m == 0) lod(x);
    }
    return s;
}

// The vertical segments among `segmenter` whose column lies inside the picture.
QStringList synligeLodrette(const QStringList& segmenter, int bredde) {
    QStringList s;
    for (const QString& seg : segmenter) {
        const QStringList t = seg.split(u' ');
        if (t[0] == t[2] && t[1] != t[3] && t[0].toInt() >= 0 && t[0].toInt() < bredde) s << seg;
    }
    s.sort();
    return s;
}

} // namespace

class TstFunktioner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tekstformer_data() {
        QTest::addColumn<QChar>("opr");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("d");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("linje med negativ b")
            << QChar(u'+') << 2.0 << -3.0 << 1.0 << 0.0 << "2x - 3y = 1";
        QTest::newRow("linje med ettaller")
            << QChar(u'+') << 1.0 << 1.0 << 4.0 << 0.0 << "x + y = 4";
        QTest::newRow("linje med decimaler")
            << QChar(u'+') << 1.0 << 0.5 << -2.0 << 0.0 << "x + 0,5y = -2";
        QTest::newRow("gennem origo") << QChar(u'/') << 1.0 << 1.0 << 2.0 << 0.0 << "x / y = 2";
        QTest::newRow("hyperbel, b negativ")
            << QChar(u'*') << 1.0 << -2.0 << 3.0 << 0.0 << "x * -2y = 3";
        QTest::newRow("parabel") << QChar(u'a') << 0.5 << 1.0 << -3.0 << 0.0
                                 << "0,5x^2 + x - 3 = 0";
        QTest::newRow("parabel a -1")
            << QChar(u'a') << -1.0 << 0.0 << 4.0 << 0.0 << "-1x^2 + 4 = 0";
        QTest::newRow("parabel b -1") << QChar(u'a') << 1.0 << -1.0 << 0.0 << 0.0 << "x^2 - 1x = 0";
        QTest::newRow("parabel kun a") << QChar(u'a') << 1.0 << 0.0 << 0.0 << 0.0 << "x^2 = 0";
        QTest::newRow("tredjegrad")
            << QChar(u'3') << 1.0 << -6.0 << 11.0 << -6.0 << "x^3 - 6x^2 + 11x - 6 = 0";
        QTest::newRow("tredjegrad c 1, d 1")
            << QChar(u'3') << 2.0 << 0.0 << 1.0 << 1.0 << "2x^3 + x + 1 = 0";
        QTest::newRow("stort tal") << QChar(u'+') << 1e20 << 1.0 << 0.0 << 0.0 << "1E20x + y = 0";
    }
    void tekstformer() {
        QFETCH(QChar, opr);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(double, d);
        QFETCH(QString, tekst);
        QCOMPARE(TFunktioner::formelTekst(opr, a, b, c, d), tekst);
    }

    void nyGrafAfviser_data() {
        QTest::addColumn<QChar>("opr");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("linje a 0") << QChar(u'+') << 0.0 << 1.0 << QString();
        QTest::newRow("linje b 0") << QChar(u'+') << 1.0 << 0.0 << QString();
        QTest::newRow("gennem origo b 0") << QChar(u'/') << 1.0 << 0.0 << QString();
        QTest::newRow("hyperbel b 0") << QChar(u'*') << 1.0 << 0.0 << QString();
        QTest::newRow("parabel a 0") << QChar(u'a') << 0.0 << 1.0 << QString();
        QTest::newRow("parabel b 0 godtages") << QChar(u'a') << 1.0 << 0.0 << "x^2 + 2 = 0";
    }
    void nyGrafAfviser() {
        QFETCH(QChar, opr);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(QString, tekst);
        TFunktioner g;
        QSignalSpy ny(&g, &TFunktioner::OnNyGraf);
        QCOMPARE(g.NyGraf(a, b, 2, opr, true), tekst);
        QCOMPARE(g.Antal(), tekst.isEmpty() ? 0 : 1);
        QCOMPARE(ny.count(), tekst.isEmpty() ? 0 : 1);
    }

    void nyGraf3AfviserKunA0() {
        TFunktioner g;
        QCOMPARE(g.NyGraf3(0, 1, 1, 1, true), QString());
        QCOMPARE(g.NyGraf3(1, 0, 0, 0, true), QStringLiteral("x^3 = 0"));
        // d is compared for the cubic: another d is another curve.
        g.NyGraf3(1, 0, 0, 5, true);
        QCOMPARE(g.Antal(), 2);
        QCOMPARE(g.Lin().at(1).fd, 5.0);
    }

    void ensKurveGenbruges() {
        TFunktioner g;
        g.setColorLinie(farve::rgb(1, 2, 3));
        QSignalSpy ny(&g, &TFunktioner::OnNyGraf);
        QSignalSpy tegn(&g, &TFunktioner::OnTegnGraf);
        g.NyGraf(1, 1, 4, u'+', true);
        g.NyGraf(1, 2, 3, u'+', true);
        g.setColorLinie(farve::rgb(9, 9, 9));
        QCOMPARE(g.NyGraf(1, 2, 3, u'+', true), QStringLiteral("x + 2y = 3"));
        QCOMPARE(g.Antal(), 2);
        QCOMPARE(g.Lin().at(1).farve, farve::rgb(1, 2, 3)); // keeps its colour
        QCOMPARE(ny.last(), (QList<QVariant>{QStringLiteral("x + 2y = 3"), true, false, 1}));
        QCOMPARE(tegn.count(), 3);
        QCOMPARE(tegn.last().at(1).value<QChar>(), QChar(u'+'));
        // The same coefficients with another kind are another curve.
        g.NyGraf(1, 2, 3, u'*', true);
        QCOMPARE(g.Antal(), 3);
        QCOMPARE(ny.last().at(2).toBool(), true);
    }

    void clearSkjulerOgNyGrafViserIgen() {
        TFunktioner g;
        g.NyGraf(1, 1, 4, u'+', true);
        g.NyGraf(1, 0, 0, u'a', true);
        g.Clear(false);
        QCOMPARE(g.Antal(), 2);
        QVERIFY(!g.Lin().at(0).synlig && !g.Lin().at(1).synlig);
        QSignalSpy ny(&g, &TFunktioner::OnNyGraf);
        g.NyGraf(1, 0, 0, u'a', true);
        QVERIFY(g.Lin().at(1).synlig);
        QCOMPARE(ny.last(), (QList<QVariant>{QStringLiteral("x^2 = 0"), true, false, 1}));
        g.Clear(true);
        QCOMPARE(g.Antal(), 0);
    }

    void regulerOgGetValues() {
        TFunktioner g;
        g.NyGraf(1, 1, 1, u'+', true);
        g.NyGraf(2, 2, 2, u'/', true);
        g.NyGraf(3, 3, 3, u'*', true);
        g.RegulerGraf(1, true, false);
        g.RegulerGraf(7, true, false); // outside: ignored
        QCOMPARE(g.Antal(), 2);
        QChar opr;
        double a = 0, b = 0, c = 0;
        QVERIFY(g.GetValues(1, opr, a, b, c));
        QCOMPARE(opr, QChar(u'*'));
        QCOMPARE(a, 3.0);
        QVERIFY(!g.GetValues(2, opr, a, b, c));
        QVERIFY(!g.GetValues(-1, opr, a, b, c));
        g.RegulerGraf(0, false, false);
        QVERIFY(!g.Lin().at(0).synlig);
    }

    void foersteTegningCentrerer() {
        TFunktioner g;
        g.setStoerrelse(401, 300);
        g.setCenterX(17);
        g.setZoomX(5);
        OptagerLaerred l;
        g.Paint(l);
        QCOMPARE(g.CenterX(), 200);
        QCOMPARE(g.CenterY(), 150);
        QCOMPARE(g.ZoomX(), 0.0);
        QVERIFY(!g.Opstart());
        // Later repaints leave the origin where it is.
        g.FlytFocus(10, 20);
        g.Paint(l);
        QCOMPARE(g.CenterX(), 10);
    }

    void transformer() {
        Laerred400 t;
        QCOMPARE(t.g.GetXY(230, 210), QStringLiteral("1.50 : -0.50"));
        QCOMPARE(t.g.GetXY(200, 200), QStringLiteral("0.00 : 0.00"));
        QCOMPARE(t.g.GetXY(199, 201), QStringLiteral("-0.05 : -0.05"));
        // Halves round to the even pixel.
        t.g.FlytFocus(0, 0);
        t.g.setPixelEnhed(2);
        QCOMPARE(t.g.KsToCompX(50.25), 100.0);
        QCOMPARE(t.g.KsToCompX(50.75), 102.0);
        QCOMPARE(t.g.KsToCompY(-50.25), 100.0);
    }

    void egenskaber_data() {
        QTest::addColumn<int>("skrevet");
        QTest::addColumn<int>("pixel");
        QTest::addColumn<int>("mark");
        QTest::addColumn<int>("hojde");
        QTest::newRow("nul") << 0 << 1 << 1 << 0;
        QTest::newRow("negativ") << -4 << 1 << 1 << 0;
        QTest::newRow("positiv") << 7 << 7 << 7 << 7;
    }
    void egenskaber() {
        QFETCH(int, skrevet);
        QFETCH(int, pixel);
        QFETCH(int, mark);
        QFETCH(int, hojde);
        TFunktioner g;
        g.setPixelEnhed(skrevet);
        g.setMarkEnhed(skrevet);
        g.setMarkHojde(skrevet);
        QCOMPARE(g.PixelEnhed(), pixel);
        QCOMPARE(g.MarkEnhed(), mark);
        QCOMPARE(g.MarkHojde(), hojde);
    }

    void gentegningVedAendring() {
        TFunktioner g;
        QSignalSpy gentegn(&g, &TFunktioner::Invalidate);
        g.setCenterX(0);     // unchanged
        g.setPixelEnhed(20); // unchanged
        g.setColorLinie(5);  // store only
        g.setZoomVal(3);
        QCOMPARE(gentegn.count(), 0);
        g.setMedFelter(true);
        g.setColorKS(1);
        QCOMPARE(gentegn.count(), 2);
    }

    void zoomEksempel() {
        Laerred400 t;
        t.g.setZoomX(2);
        t.g.setZoomY(1);
        t.g.setZoomVal(5);
        QSignalSpy zoom(&t.g, &TFunktioner::OnZoom);
        t.g.Zoom();
        QCOMPARE(t.g.PixelEnhed(), 25);
        QCOMPARE(t.g.CenterX(), 190);
        QCOMPARE(t.g.CenterY(), 205);
        QCOMPARE(t.g.KsToCompX(2), 240.0);
        QCOMPARE(t.g.KsToCompY(1), 180.0);
        QCOMPARE(zoom.last(), (QList<QVariant>{QStringLiteral("25"), QStringLiteral("190"),
                                               QStringLiteral("205")}));
    }

    void zoomAfvises_data() {
        QTest::addColumn<int>("pixel");
        QTest::addColumn<int>("zoomVal");
        QTest::addColumn<double>("zoomX");
        QTest::newRow("under 1") << 1 << -1 << 0.0;
        QTest::newRow("skala over 32 bit") << 20 << std::numeric_limits<qint32>::max() << 0.0;
        QTest::newRow("origo over 32 bit") << 1 << 1000000 << 1e6;
    }
    void zoomAfvises() {
        QFETCH(int, pixel);
        QFETCH(int, zoomVal);
        QFETCH(double, zoomX);
        Laerred400 t;
        t.g.setPixelEnhed(pixel);
        t.g.setZoomVal(zoomVal);
        t.g.setZoomX(zoomX);
        QSignalSpy zoom(&t.g, &TFunktioner::OnZoom);
        QSignalSpy gentegn(&t.g, &TFunktioner::Invalidate);
        t.g.Zoom();
        QCOMPARE(t.g.PixelEnhed(), pixel);
        QCOMPARE(t.g.CenterX(), 200);
        QCOMPARE(zoom.count(), 0);
        QCOMPARE(gentegn.count(), 0);
    }

    void zoomcentrum() {
        Laerred400 t;
        t.g.SetZoomcenter(240, 180);
        QCOMPARE(t.g.GetZoomXY(), QStringLiteral("2.00 : 1.00"));
        // Centring moves the origin so that the point comes to the middle.
        QCOMPARE(t.g.MakeZoomCentrum(2, 1, true), QStringLiteral("2.00 : 1.00"));
        QCOMPARE(t.g.CenterX(), 160);
        QCOMPARE(t.g.CenterY(), 220);
        QCOMPARE(t.g.MakeZoomCentrum(-1, 0, false), QStringLiteral("-1.00 : 0.00"));
        QCOMPARE(t.g.CenterX(), 160);
        QCOMPARE(t.g.ZoomX(), -1.0);
    }

    void gitterfarve_data() {
        QTest::addColumn<uint>("baggrund");
        QTest::addColumn<uint>("gitter");
        QTest::newRow("sort") << uint(farve::rgb(0, 0, 0)) << uint(farve::rgb(30, 30, 30));
        QTest::newRow("creme") << uint(farve::rgb(255, 251, 240))
                               << uint(farve::rgb(225, 221, 210));
        QTest::newRow("grænsen 219/220")
            << uint(farve::rgb(219, 220, 0)) << uint(farve::rgb(249, 190, 30));
    }
    void gitterfarve() {
        QFETCH(uint, baggrund);
        QFETCH(uint, gitter);
        QCOMPARE(uint(TFunktioner::feltFarve(baggrund)), gitter);
    }

    void gentegningensRaekkefoelge() {
        TFunktioner g;
        g.setStoerrelse(100, 100);
        g.setColor(farve::rgb(0, 0, 0));
        g.setMedFelter(true);
        g.setMedZoomCenter(true);
        g.setMarkEnhed(1);
        g.NyGraf(1, 1, 0, u'+', true);
        OptagerLaerred l;
        g.Paint(l);
        const QStringList& k = l.kald;
        QCOMPARE(k.first(), QStringLiteral("F 000000"));
        QCOMPARE(k.at(1), QStringLiteral("P 1e1e1e")); // grid
        // Grid lines through the whole picture, the first on the axis.
        QCOMPARE(k.mid(2, 4), (QStringList{u"M 50 0"_s, u"L 50 99"_s, u"M 70 0"_s, u"L 70 99"_s}));
        const qsizetype akse = k.indexOf(QStringLiteral("P ffffff"));
        QCOMPARE(k.mid(akse + 1, 4),
                 (QStringList{u"M 50 0"_s, u"L 50 99"_s, u"M 0 50"_s, u"L 99 50"_s}));
        // The marker: four strokes, then a clear circle, then a solid brush.
        const qsizetype cirkel = k.indexOf(QStringLiteral("E 40 40 60 60"));
        QVERIFY(cirkel > akse);
        QCOMPARE(k.at(cirkel - 1), QStringLiteral("B klar"));
        QCOMPARE(k.at(cirkel + 1), QStringLiteral("B fast"));
        QCOMPARE(k.mid(cirkel - 9, 2), (QStringList{u"M 40 50"_s, u"L 48 50"_s}));
        // The curve last, in its colour: x + y = 0 from the top row to the bottom row.
        QCOMPARE(k.mid(k.size() - 3), (QStringList{u"P 00ffff"_s, u"M 0 0"_s, u"L 99 99"_s}));
    }

    void markeringer_data() {
        QTest::addColumn<int>("markEnhed");
        QTest::addColumn<int>("hojde");
        QTest::addColumn<QStringList>("lodrette");
        // The last tick of a walk may lie just outside; none at the origin.
        QTest::newRow("hver enhed")
            << 1 << 5 << QStringList{u"110 45 110 55"_s, u"30 45 30 55"_s, u"70 45 70 55"_s,
                                     u"90 45 90 55"_s,   u"10 45 10 55"_s, u"-10 45 -10 55"_s};
        QTest::newRow("hver anden") << 2 << 5 << QStringList{u"90 45 90 55"_s, u"10 45 10 55"_s};
        QTest::newRow("højde 0") << 2 << 0 << QStringList{u"90 50 90 50"_s, u"10 50 10 50"_s};
    }
    void markeringer() {
        QFETCH(int, markEnhed);
        QFETCH(int, hojde);
        QFETCH(QStringList, lodrette);
        TFunktioner g;
        g.setStoerrelse(100, 100);
        g.setMarkEnhed(markEnhed);
        g.setMarkHojde(hojde);
        OptagerLaerred l;
        g.Paint(l);
        QStringList s;
        for (const QString& seg : l.segmenter()) {
            const QStringList t = seg.split(u' ');
            // Vertical ticks cross the x-axis (row 50) and are not the y-axis.
            if (t[0] == t[2] && t[0] != QStringLiteral("50")) s << seg;
        }
        s.sort();
        lodrette.sort();
        QCOMPARE(s, lodrette);
    }

    // An origin far to the left: the walk starts near the picture, and the
    // ticks in the picture are the same as those of the walk from the origin.
    void fjernOrigoSammeBillede_data() {
        QTest::addColumn<int>("centerX");
        QTest::addColumn<int>("markEnhed");
        QTest::newRow("venstre") << -1000 << 3;
        QTest::newRow("venstre, helt ud for") << -1010 << 7;
        QTest::newRow("højre") << 5033 << 4;
        QTest::newRow("i billedet") << 37 << 2;
    }
    void fjernOrigoSammeBillede() {
        QFETCH(int, centerX);
        QFETCH(int, markEnhed);
        TFunktioner g;
        g.setStoerrelse(300, 100);
        OptagerLaerred l;
        g.Paint(l);
        g.setPixelEnhed(20);
        g.setMarkEnhed(markEnhed);
        g.setMedFelter(false);
        g.FlytFocus(centerX, 50);
        l.kald.clear();
        g.Paint(l);
        const QStringList forventet = synligeLodrette(naiveMarker(g), 300);
        QStringList faktisk = synligeLodrette(l.segmenter(), 300);
        faktisk.removeAll(QStringLiteral("%1 0 %1 99").arg(centerX)); // the y-axis
        QCOMPARE(faktisk, forventet);
    }

    void fjernOrigoErHurtig() {
        TFunktioner g;
        g.setStoerrelse(1920, 1080);
        g.setMedFelter(true);
        g.setMedZoomCenter(true);
        g.setPixelEnhed(1);
        OptagerLaerred l;
        g.Paint(l);
        g.FlytFocus(-2000000000, std::numeric_limits<qint32>::max());
        l.kald.clear();
        g.Paint(l);
        // One tick and one grid line per pixel column and row at most.
        QVERIFY2(l.kald.size() < 4 * (1920 + 1080) + 50,
                 qPrintable(QString::number(l.kald.size())));
        for (const QString& k : l.kald) {
            if (!k.startsWith(u'M') && !k.startsWith(u'L')) continue;
            const QStringList t = k.split(u' ');
            QVERIFY2(std::abs(t[1].toLongLong()) < (1 << 22) &&
                         std::abs(t[2].toLongLong()) < (1 << 22),
                     qPrintable(k));
        }
    }

    void hyperbelVedYaksen() {
        Laerred400 t;
        // y = 0,05 / x: left branch below the x-axis, right branch above.
        t.g.NyGraf(1, 1, 0.05, u'*', true);
        t.g.TegnGrafen(t.l, 0);
        const QStringList& k = t.l.kald;
        const qsizetype i = k.indexOf(QStringLiteral("L 198 210"));
        QVERIFY(i > 0);
        QCOMPARE(k.mid(i, 4),
                 (QStringList{u"L 198 210"_s, u"L 200 399"_s, u"M 200 0"_s, u"L 202 190"_s}));
        for (const QString& c : k)
            QVERIFY2(!c.startsWith(QStringLiteral("L 199")) &&
                         !c.startsWith(QStringLiteral("M 199")),
                     qPrintable(c));
        // Mirrored: the left branch ends at the top edge, the right starts at the bottom.
        t.l.kald.clear();
        t.g.NyGraf(1, -1, 0.05, u'*', true);
        t.g.TegnGrafen(t.l, 1);
        const qsizetype j = k.indexOf(QStringLiteral("L 198 190"));
        QCOMPARE(k.mid(j, 4),
                 (QStringList{u"L 198 190"_s, u"L 199 0"_s, u"M 201 399"_s, u"L 202 210"_s}));
    }

    void parabelEnProevePrKolonne() {
        Laerred400 t;
        t.g.NyGraf(1, 0, 0, u'a', false);
        t.g.RegulerGraf(0, false, true);
        t.g.TegnGrafen(t.l, 0);
        // One line per column while the curve is in the picture (|x| <= 3,16,
        // columns 137 to 263); the samples beside it draw nothing.
        QVERIFY(t.l.kald.contains(QStringLiteral("L 200 200")));
        QVERIFY(t.l.kald.contains(QStringLiteral("L 220 180")));
        int linjer = 0;
        for (const QString& k : t.l.kald) {
            if (!k.startsWith(u'L')) continue;
            ++linjer;
            const int x = k.split(u' ').at(1).toInt();
            QVERIFY2(x >= 136 && x <= 264, qPrintable(k));
        }
        QCOMPARE(linjer, 264 - 136);
    }

    void nyGrafTegnerMed() {
        Laerred400 t;
        t.g.setLaerred(&t.l);
        QSignalSpy gentegn(&t.g, &TFunktioner::Invalidate);
        t.g.NyGraf(1, 1, 0, u'+', true);
        QCOMPARE(t.l.kald, (QStringList{u"P 00ffff"_s, u"M 0 0"_s, u"L 399 399"_s}));
        QCOMPARE(gentegn.count(), 0);
        t.l.kald.clear();
        t.g.NyGraf(1, 1, 1, u'+', false); // hidden: nothing drawn
        QVERIFY(t.l.kald.isEmpty());
    }

    void langtUdeOgUdenTal() {
        Laerred400 t;
        // A steep parabola at this scale lies mostly beyond 32-bit rows; the
        // part near the vertex is still drawn into it.
        t.g.NyGraf(1e9, 0, 0, u'a', true);
        // Coefficients that give no number draw nothing.
        t.g.NyGraf(1, 1, std::nan(""), u'*', true);
        t.g.NyGraf(std::numeric_limits<double>::infinity(), 0, 0, u'a', true);
        t.g.Paint(t.l);
        QVERIFY(t.l.kald.contains(QStringLiteral("L 200 200")));
        for (const QString& k : t.l.kald) {
            if (!k.startsWith(u'M') && !k.startsWith(u'L')) continue;
            const QStringList d = k.split(u' ');
            QVERIFY2(std::abs(d[1].toLongLong()) <= (1 << 20) + 400 &&
                         std::abs(d[2].toLongLong()) <= (1 << 20) + 400,
                     qPrintable(k));
        }
        // The last two curves: their pen, and nothing drawn.
        QCOMPARE(t.l.kald.mid(t.l.kald.size() - 2), (QStringList{u"P 00ffff"_s, u"P 00ffff"_s}));
    }
};

QTEST_GUILESS_MAIN(TstFunktioner)
#include "tst_funktioner.moc"
