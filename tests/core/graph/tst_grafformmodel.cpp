#include "beskedoptager.h"
#include "core/common/fejl.h"
#include "core/graph/grafformmodel.h"
#include "core/graph/ligning3model.h"

#include <memory>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QSize kSkrivebord(1600, 1000);

// A graph window over a temporary options folder, its canvas 400 × 400 and
// painted once (origin at 200, 200).
struct Vindue {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    std::unique_ptr<TGrafformModel> m;

    Vindue() { m = std::make_unique<TGrafformModel>(dir.path() + u'/', beskeder); }
    void skriv(const QStringList& linjer) {
        QFile f(m->optfilnavn);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(linjer.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    }
    void start() {
        m->FormCreate(kSkrivebord);
        m->FormResize(400, 400);
        TTomLaerred tom;
        m->GrafPaint(tom);
    }
    void indfoer(int type, const QString& a, const QString& b, const QString& c) {
        m->ligBox = type;
        m->aEdit = a;
        m->bEdit = b;
        m->cEdit = c;
        m->InsertKnapClick();
    }
    QStringList raekker() const {
        QStringList s;
        for (const TFormelRaekke& r : m->formelBox())
            s << (r.afkrydset ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + r.tekst;
        return s;
    }
    void vaelg(const QList<int>& valgte) { m->formelBoxMarkering(valgte); }
};

QStringList gyldigeLinjer() {
    return {u"120"_s, u"240"_s, u"800"_s, u"650"_s, u"1"_s,  u"4"_s, u"0"_s, u"0"_s,
            u"0"_s,   u"7"_s,   u"33"_s,  u"2"_s,   u"15"_s, u"0"_s, u"9"_s};
}

} // namespace

class TstGrafformModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void friskStart() {
        Vindue v;
        v.start();
        QVERIFY(v.beskeder.boxe.isEmpty());
        const TFunktioner& g = v.m->Graf;
        QCOMPARE(g.Color(), farve::rgb(255, 251, 240));
        QCOMPARE(g.ColorKS(), farve::rgb(128, 128, 128));
        QCOMPARE(g.ColorLinie(), farve::rgb(0, 0, 0));
        QVERIFY(g.MedFelter() && g.Koordinatsystem() && !g.MedZoomCenter());
        QCOMPARE(g.PixelEnhed(), 20);
        QCOMPARE(g.MarkHojde(), 3);
        QCOMPARE(v.m->zoomSpringEdit, QStringLiteral("1"));
        QCOMPARE(v.m->pixelEdit, QStringLiteral("20"));
        QVERIFY(v.m->visEnhedsMarks && v.m->visEnhedskvadrater && !v.m->zoomCenterBox);
        // Centred on the desktop.
        QCOMPARE(v.m->vinduesPos, QPoint((1600 - 784) / 2, (1000 - 624) / 2));
        QCOMPARE(v.m->yAkseEdit, QStringLiteral("200"));
    }

    void optionerLaesesOgSkrives() {
        Vindue v;
        v.skriv(gyldigeLinjer());
        v.start();
        QVERIFY(v.beskeder.boxe.isEmpty());
        const TFunktioner& g = v.m->Graf;
        QCOMPARE(v.m->vinduesPos, QPoint(240, 120));
        QCOMPARE(v.m->vinduesStoerrelse, QSize(800, 650));
        QVERIFY(g.MedZoomCenter() && !g.Koordinatsystem() && !g.MedFelter());
        QCOMPARE(g.ZoomVal(), 7); // line 10 decides
        QCOMPARE(g.MarkHojde(), 0);
        QVERIFY(!v.m->visEnhedsMarks);
        QCOMPARE(g.PixelEnhed(), 33);
        QCOMPARE(g.MarkEnhed(), 2);
        QCOMPARE(g.Color(), farve::rgb(255, 255, 255));
        QCOMPARE(g.ColorKS(), farve::rgb(0, 0, 0));
        QCOMPARE(g.ColorLinie(), farve::rgb(255, 0, 0));
        v.m->gemOpt();
        QCOMPARE(TOptionsFil::laes(v.m->optfilnavn).linjer(),
                 (QStringList{u"120"_s, u"240"_s, u"800"_s, u"650"_s, u"1"_s, u"7"_s, u"0"_s,
                              u"0"_s, u"0"_s, u"7"_s, u"33"_s, u"2"_s, u"15"_s, u"0"_s, u"9"_s}));
    }

    void daarligFil_data() {
        QTest::addColumn<QStringList>("linjer");
        QTest::addColumn<int>("pixel"); // line 11, read before the fault or not
        QStringList kort = gyldigeLinjer().mid(0, 14);
        QStringList tekst = gyldigeLinjer();
        tekst[12] = QStringLiteral("rød");
        QStringList tidlig = gyldigeLinjer();
        tidlig[5] = QStringLiteral("1,5");
        QTest::newRow("14 linjer") << kort << 33;
        QTest::newRow("linje 13 ikke et tal") << tekst << 33;
        QTest::newRow("linje 6 ikke et heltal") << tidlig << 20;
    }
    void daarligFil() {
        QFETCH(QStringList, linjer);
        QFETCH(int, pixel);
        Vindue v;
        v.skriv(linjer);
        v.start();
        QCOMPARE(v.beskeder.boxe.size(), 1);
        QCOMPARE(v.beskeder.boxe.first().art, QStringLiteral("fejl"));
        QCOMPARE(v.m->Graf.PixelEnhed(), pixel);
        QCOMPARE(v.m->pixelEdit, QString::number(pixel));
        QCOMPARE(v.m->vinduesPos, QPoint(240, 120)); // line 1 and 2 were read
    }

    void defaultOptBeholderVinduet() {
        Vindue v;
        v.skriv(gyldigeLinjer());
        v.start();
        v.m->defaultOpt();
        QCOMPARE(v.m->vinduesPos, QPoint(240, 120));
        QCOMPARE(v.m->Graf.Color(), farve::rgb(255, 251, 240));
        QCOMPARE(v.m->Graf.PixelEnhed(), 20);
        QVERIFY(v.m->Graf.MedFelter() && !v.m->Graf.MedZoomCenter());
        QCOMPARE(v.m->kurveItemIndex, 0);
    }

    void farvetabel_data() {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<uint>("farve");
        QTest::newRow("sort") << 0 << uint(farve::rgb(0, 0, 0));
        QTest::newRow("kastanje") << 1 << uint(farve::rgb(128, 0, 0));
        QTest::newRow("himmelblå") << 17 << uint(farve::rgb(166, 202, 240));
        QTest::newRow("mellemgrå") << 19 << uint(farve::rgb(160, 160, 164));
        QTest::newRow("20 er sort") << 20 << uint(farve::rgb(0, 0, 0));
        QTest::newRow("-1 er sort") << -1 << uint(farve::rgb(0, 0, 0));
    }
    void farvetabel() {
        QFETCH(int, indeks);
        QFETCH(uint, farve);
        QCOMPARE(uint(TGrafformModel::getFarver(indeks)), farve);
    }

    void indfoerLinje() {
        Vindue v;
        v.start();
        v.indfoer(0, u"1"_s, u"1"_s, u"4"_s);
        QCOMPARE(v.raekker(), QStringList{u"[x] x + y = 4"_s});
        QCOMPARE(v.m->L1Box(), QStringList{u"x + y = 4"_s});
        QCOMPARE(v.m->L2Box(), QStringList{u"x + y = 4"_s});
        v.indfoer(0, u"1"_s, u"1"_s, u"4"_s);
        QCOMPARE(v.m->formelBox().size(), 1);
        QCOMPARE(v.m->Graf.Antal(), 1);
    }

    void indfoerSkriverTalTilbage() {
        Vindue v;
        v.start();
        v.indfoer(3, u"1.5"_s, u"x-2"_s, u""_s);
        QCOMPARE(v.m->aEdit, QStringLiteral("1,5"));
        QCOMPARE(v.m->bEdit, QStringLiteral("-2"));
        QCOMPARE(v.m->cEdit, QStringLiteral("0"));
        QCOMPARE(v.raekker(), QStringList{u"[x] 1,5x^2 - 2x = 0"_s});
        QCOMPARE(v.m->Graf.Lin().first().opr, QChar(u'a'));
    }

    void afvistIndfoerSigerIntet() {
        Vindue v;
        v.start();
        v.indfoer(0, u"0"_s, u"1"_s, u"4"_s);
        QVERIFY(v.m->formelBox().isEmpty());
        QVERIFY(v.beskeder.boxe.isEmpty());
        // The next curve from another window still fills the boxes.
        v.m->AddFormelToGraf(u'*', 2, 3, 4);
        QCOMPARE(v.m->aEdit, QStringLiteral("2"));
        QCOMPARE(v.m->cEdit, QStringLiteral("4"));
        QCOMPARE(v.m->ligBox, 2);
        QCOMPARE(v.raekker(), QStringList{u"[x] 2x * 3y = 4"_s});
    }

    void indfoerRoererIkkeBoksene() {
        Vindue v;
        v.start();
        v.m->AddFormelToGraf(u'a', 1, 0, 0);
        v.indfoer(0, u"1"_s, u"2"_s, u"3"_s);
        QCOMPARE(v.m->ligBox, 0);
        // Sent from another window, the curve's values fill the boxes.
        v.m->AddFormelToGraf(u'a', 5, 6, 7);
        QCOMPARE(v.m->ligBox, 3);
        QCOMPARE(v.m->aEdit, QStringLiteral("5"));
        // A refused curve from another window is skipped silently.
        v.m->AddFormelToGraf(u'+', 1, 0, 7);
        QCOMPARE(v.m->formelBox().size(), 3);
        QVERIFY(v.beskeder.boxe.isEmpty());
    }

    void tredjegradTilDialogen() {
        Vindue v;
        TForm3Model form3(v.m->Graf);
        v.m->setForm3(&form3);
        v.start();
        v.m->aEdit = QStringLiteral("9");
        v.m->Graf.NyGraf3(1, -6, 11, -6, true);
        QCOMPARE(form3.ligningD, QStringLiteral("-6"));
        QCOMPARE(v.m->aEdit, QStringLiteral("9"));
        QCOMPARE(v.raekker(), QStringList{u"[x] x^3 - 6x^2 + 11x - 6 = 0"_s});
    }

    void fjernOgIndfoerIgenAfkrydser() {
        Vindue v;
        v.start();
        v.indfoer(0, u"1"_s, u"1"_s, u"4"_s);
        v.indfoer(3, u"1"_s, u"0"_s, u"0"_s);
        v.vaelg({0, 1});
        v.m->fjernAllKnapClick();
        QCOMPARE(v.raekker(), (QStringList{u"[ ] x + y = 4"_s, u"[ ] x^2 = 0"_s}));
        QVERIFY(!v.m->Graf.Lin().at(1).synlig);
        v.indfoer(3, u"1"_s, u"0"_s, u"0"_s);
        QCOMPARE(v.raekker(), (QStringList{u"[ ] x + y = 4"_s, u"[x] x^2 = 0"_s}));
        QVERIFY(v.m->Graf.Lin().at(1).synlig);
    }

    void afkrydsning() {
        Vindue v;
        v.start();
        v.indfoer(0, u"1"_s, u"1"_s, u"4"_s);
        v.m->formelBoxAfkrydset(0, false);
        QVERIFY(!v.m->Graf.Lin().at(0).synlig);
        v.m->formelBoxAfkrydset(0, true);
        QVERIFY(v.m->Graf.Lin().at(0).synlig);
        v.m->formelBoxAfkrydset(5, true); // no such row
    }

    void sletValgteHolderListerneParallelle() {
        Vindue v;
        v.start();
        for (int c = 1; c <= 4; ++c)
            v.indfoer(0, u"1"_s, u"1"_s, QString::number(c));
        v.m->L1BoxChange(3);
        v.m->L2BoxChange(1);
        v.vaelg({1, 2});
        v.m->delSelKnapClick();
        QCOMPARE(v.raekker(), (QStringList{u"[x] x + y = 1"_s, u"[x] x + y = 4"_s}));
        QCOMPARE(v.m->L1Box(), (QStringList{u"x + y = 1"_s, u"x + y = 4"_s}));
        QCOMPARE(v.m->L2Box(), v.m->L1Box());
        QCOMPARE(v.m->Graf.Lin().at(1).fc, 4.0);
        QCOMPARE(v.m->L1Index(), 1);
        QCOMPARE(v.m->L2Index(), -1);
        v.vaelg({});
        v.m->delSelKnapClick(); // nothing selected: nothing happens
        QCOMPARE(v.m->formelBox().size(), 2);
        v.m->delAllKnapClick();
        QVERIFY(v.m->formelBox().isEmpty() && v.m->L1Box().isEmpty());
        QCOMPARE(v.m->Graf.Antal(), 0);
    }

    void raekkeKlikFylderBoksene() {
        Vindue v;
        v.start();
        v.indfoer(2, u"2"_s, u"-3"_s, u"0,5"_s);
        v.indfoer(0, u"1"_s, u"1"_s, u"4"_s);
        v.vaelg({0});
        v.m->formelBoxClick();
        QCOMPARE(v.m->ligBox, 2);
        QCOMPARE(v.m->bEdit, QStringLiteral("-3"));
        QCOMPARE(v.m->cEdit, QStringLiteral("0,5"));
    }

    void akseknapper() {
        Vindue v;
        v.start();
        v.m->yAksePlusClick();
        v.m->xAkseMinusClick();
        QCOMPARE(v.m->Graf.CenterX(), 210);
        QCOMPARE(v.m->Graf.CenterY(), 190);
        QCOMPARE(v.m->yAkseEdit, QStringLiteral("210"));
        QCOMPARE(v.m->xAkseEdit, QStringLiteral("190"));
        v.m->yAkseEdit = QStringLiteral("-3a0");
        v.m->yAkseEditEnter();
        QCOMPARE(v.m->Graf.CenterX(), -30);
        QCOMPARE(v.m->yAkseEdit, QStringLiteral("-30"));
        v.m->pixelEdit = QStringLiteral("0");
        v.m->pixelEditEnter();
        QCOMPARE(v.m->pixelEdit, QStringLiteral("1"));
        v.m->pixelMinusClick();
        QCOMPARE(v.m->Graf.PixelEnhed(), 1);
        v.m->enhederPlusClick();
        QCOMPARE(v.m->enhederEdit, QStringLiteral("2"));
        v.m->visEnhedsMarksClick(false);
        QCOMPARE(v.m->Graf.MarkHojde(), 0);
        v.m->visEnhedsMarksClick(true);
        QCOMPARE(v.m->Graf.MarkHojde(), 3);
        // At the edge of the pixel range the origin stays.
        v.m->Graf.FlytFocus(std::numeric_limits<qint32>::max(), 0);
        v.m->yAksePlusClick();
        QCOMPARE(v.m->Graf.CenterX(), std::numeric_limits<qint32>::max());
    }

    void kvadranter_data() {
        QTest::addColumn<int>("valg");
        QTest::addColumn<QPoint>("origo");
        QTest::newRow("1. kvadrant") << 1 << QPoint(0, 299);
        QTest::newRow("2. kvadrant") << 2 << QPoint(499, 299);
        QTest::newRow("3. kvadrant") << 3 << QPoint(499, 0);
        QTest::newRow("4. kvadrant") << 4 << QPoint(0, 0);
        QTest::newRow("centrer") << 0 << QPoint(250, 150);
    }
    void kvadranter() {
        QFETCH(int, valg);
        QFETCH(QPoint, origo);
        Vindue v;
        v.start();
        v.m->FormResize(500, 300);
        v.m->Graf.FlytFocus(7, 7);
        switch (valg) {
        case 1:
            v.m->Kvadrant1Click();
            break;
        case 2:
            v.m->Kvadrant2Click();
            break;
        case 3:
            v.m->Kvadrant3Click();
            break;
        case 4:
            v.m->Kvadrant4Click();
            break;
        default:
            v.m->centrerXYakseKnapClick();
        }
        QCOMPARE(QPoint(v.m->Graf.CenterX(), v.m->Graf.CenterY()), origo);
        QCOMPARE(v.m->yAkseEdit, QString::number(origo.x()));
        QCOMPARE(v.m->xAkseEdit, QString::number(origo.y()));
    }

    void zoomspring() {
        Vindue v;
        v.start();
        v.m->zoomSpringEditChange(QString());
        QCOMPARE(v.m->zoomSpringEdit, QStringLiteral("0"));
        v.m->zoomPlusKnapClick();
        QCOMPARE(v.m->zoomSpringEdit, QStringLiteral("1"));
        QCOMPARE(v.m->Graf.PixelEnhed(), 21);
        QCOMPARE(v.m->pixelEdit, QStringLiteral("21"));
        v.m->zoomSpringEditChange(QStringLiteral("a5"));
        v.m->zoomMinusKnapClick();
        QCOMPARE(v.m->Graf.ZoomVal(), -5);
        QCOMPARE(v.m->Graf.PixelEnhed(), 16);
        // The largest step is refused by the canvas, quietly.
        v.m->zoomSpringEditChange(QStringLiteral("2147483647"));
        v.m->zoomPlusKnapClick();
        QCOMPARE(v.m->Graf.PixelEnhed(), 16);
        QVERIFY_THROWS_EXCEPTION(TFejl, v.m->zoomSpringEditChange(QStringLiteral("99999999999")));
        QCOMPARE(v.m->zoomSpringEdit, QStringLiteral("2147483647"));
    }

    void mus() {
        Vindue v;
        v.start();
        v.m->GrafMouseMove(230, 210);
        QCOMPARE(v.m->posLabel, QStringLiteral("1.50 : -0.50"));
        v.m->GrafMouseDown(Qt::RightButton, 240, 180);
        QCOMPARE(v.m->zPosLabel, QStringLiteral("2.00 : 1.00"));
        QCOMPARE(v.m->Graf.ZoomX(), 2.0);
        v.m->GrafMouseDown(Qt::LeftButton, 100, 50);
        QCOMPARE(v.m->Graf.CenterX(), 100);
        QCOMPARE(v.m->xAkseEdit, QStringLiteral("50"));
        v.m->GrafMouseDown(Qt::MiddleButton, 1, 1);
        QCOMPARE(v.m->Graf.CenterX(), 100);
        v.m->zoomCenterBoxClick(true);
        QVERIFY(v.m->Graf.MedZoomCenter());
        QCOMPARE(v.m->zPosLabel, QStringLiteral("2.00 : 1.00"));
    }

    void stoerrelse() {
        Vindue v;
        v.start();
        v.m->FormResize(500, 400);
        v.m->Graf.FlytFocus(250, 200);
        v.m->FormResize(600, 400);
        QCOMPARE(v.m->Graf.CenterX(), 300);
        QCOMPARE(v.m->yAkseEdit, QStringLiteral("300"));
        QCOMPARE(v.m->cX, 600);
        // From a canvas of no size the origin is left alone.
        v.m->FormResize(0, 0);
        v.m->Graf.FlytFocus(10, 10);
        v.m->FormResize(600, 400);
        QCOMPARE(v.m->Graf.CenterX(), 10);
    }

    void taster_data() {
        QTest::addColumn<int>("tast");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QString>("virkning");
        QTest::addColumn<bool>("tekstboks"); // a box the user types into has the focus
        QTest::newRow("Home") << int(Qt::Key_Home) << false << "ny" << false;
        QTest::newRow("Home i en boks") << int(Qt::Key_Home) << false << "" << true;
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << true << "ny" << false;
        QTest::newRow("Ctrl+N i en boks") << int(Qt::Key_N) << true << "ny" << true;
        QTest::newRow("Ctrl+I") << int(Qt::Key_I) << true << "indfoer" << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << false << "hjaelp" << false;
        QTest::newRow("Ctrl+E") << int(Qt::Key_E) << true << "optform" << false;
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << true << "zoomform" << false;
        QTest::newRow("N alene") << int(Qt::Key_N) << false << "" << false;
    }
    void taster() {
        QFETCH(int, tast);
        QFETCH(bool, ctrl);
        QFETCH(QString, virkning);
        QFETCH(bool, tekstboks);
        Vindue v;
        v.start();
        v.m->tekstboksFokus = tekstboks;
        v.m->ligBox = 0;
        v.m->aEdit = v.m->bEdit = v.m->cEdit = QStringLiteral("1");
        QSignalSpy dialog(v.m.get(), &TGrafformModel::dialogOenskes);
        QSignalSpy hjaelp(v.m.get(), &TGrafformModel::informationOenskes);
        const bool brugt = v.m->FormKeyDown(tast, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(brugt, !virkning.isEmpty());
        if (virkning == u"ny") QVERIFY(v.m->aEdit.isEmpty());
        if (virkning == u"indfoer") QCOMPARE(v.m->formelBox().size(), 1);
        if (virkning == u"hjaelp")
            QCOMPARE(hjaelp.value(0).value(0).toString(), QStringLiteral("Grafer og ligninger"));
        if (virkning == u"optform")
            QCOMPARE(dialog.value(0).value(0).value<TGrafformModel::Dialog>(),
                     TGrafformModel::Dialog::Farver);
        if (virkning == u"zoomform")
            QCOMPARE(dialog.value(0).value(0).value<TGrafformModel::Dialog>(),
                     TGrafformModel::Dialog::Zoomcenter);
    }

    void hints() {
        Vindue v;
        bool vis = true;
        v.m->setHintKilde([&] { return vis; });
        v.m->showHint(QStringLiteral("Indfør|Indfør ligningen i listen: Ctrl+i"));
        QCOMPARE(v.m->statusTekst, QStringLiteral("Indfør ligningen i listen: Ctrl+i"));
        vis = false;
        v.m->showHint(QStringLiteral("Ny"));
        QCOMPARE(v.m->statusTekst, QStringLiteral("Indfør ligningen i listen: Ctrl+i"));
    }
};

QTEST_GUILESS_MAIN(TstGrafformModel)
#include "tst_grafformmodel.moc"
