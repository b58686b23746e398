// The graph window's zoom-centre, colour and print dialogs, on their models
// over the graph window's model and the equation pages.
#include "beskedoptager.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/fejl.h"
#include "core/equations/andengrads.h"
#include "core/equations/grafligningssider.h"
#include "core/equations/ligninger.h"
#include "core/graph/grafformmodel.h"
#include "core/graph/optformmodel.h"
#include "core/graph/printformmodel.h"
#include "core/graph/zoomformmodel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Vinduer {
    QTemporaryDir dir;
    QString optDir = dir.path() + u'/';
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    TGrafformModel graf{optDir, beskeder};
    TAndengrads al{beskeder, regner, meta, huk, &graf};
    TLigninger lig{beskeder, regner, meta, huk, &al, &graf};
    TGrafLigningssider sider{al, lig};
    TZoomformModel zoom{optDir, graf, beskeder};

    Vinduer() {
        graf.setLigningssider(&sider);
        graf.FormCreate(QSize(1600, 1000));
        graf.FormResize(500, 400);
        graf.Graf.FlytFocus(100, 300); // origin away from the middle
    }
    void kurve(QChar k, double a, double b, double c) { graf.AddFormelToGraf(k, a, b, c); }
    QString beskeder_() const { return beskeder.tekster().join(u'|'); }
};

// A printer that writes down what it is asked to do, failing on request.
struct OptagerPrinter : TPrinterFlade {
    QStringList trin;
    int fejlVedKopi = 0; // 1-based copy whose drawing fails; 0 never
    int kopi = 0;
    void BeginDoc() override { trin << QStringLiteral("begin"); }
    void StretchDraw(qint32 x1, qint32 y1, qint32 x2, qint32 y2) override {
        if (++kopi == fejlVedKopi) throw TFejl(QStringLiteral("papirstop"));
        trin << QStringLiteral("tegn %1,%2-%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void NewPage() override { trin << QStringLiteral("side"); }
    void Abort() override { trin << QStringLiteral("abort"); }
    void EndDoc() override { trin << QStringLiteral("end"); }
};

} // namespace

class TstGrafdialoger : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // ---- Zoom centre ----

    void zoomOrigoCentreret() {
        Vinduer v;
        v.zoom.centrerCheck = true;
        v.zoom.ToolButton1Click();
        QCOMPARE(v.graf.Graf.CenterX(), 250);
        QCOMPARE(v.graf.Graf.CenterY(), 200);
        QCOMPARE(v.graf.zPosLabel, QStringLiteral("0.00 : 0.00"));
        QCOMPARE(v.graf.yAkseEdit, QStringLiteral("250"));
        QCOMPARE(v.graf.xAkseEdit, QStringLiteral("200"));
        QCOMPARE(v.zoom.xEdit + u'|' + v.zoom.yEdit, QStringLiteral("0|0"));
    }

    void zoomCentrumUdenCentrering() {
        Vinduer v;
        v.graf.Graf.MakeZoomCentrum(1.5, -2, false);
        v.graf.zPosLabel.clear();
        v.graf.yAkseEdit.clear();
        v.zoom.ToolButton2Click();
        QCOMPARE(v.zoom.xEdit + u'|' + v.zoom.yEdit, QStringLiteral("1,5|-2"));
        QCOMPARE(v.graf.Graf.CenterX(), 100); // nothing moved
        QCOMPARE(v.graf.zPosLabel, QStringLiteral("1.50 : -2.00"));
        QCOMPARE(v.graf.yAkseEdit, QStringLiteral("100"));
    }

    // The window shows the new centre, and the dialog's help is its own topic.
    void zoomCentrumMeldesOgHjaelp() {
        Vinduer v;
        QSignalSpy aendret(&v.graf, &TGrafformModel::aendret);
        QSignalSpy hjaelp(&v.zoom, &TZoomformModel::informationOenskes);
        v.zoom.xEdit = QStringLiteral("3");
        v.zoom.yEdit = QStringLiteral("4");
        v.zoom.SetZoomCentrum();
        QCOMPARE(aendret.size(), 1);
        QCOMPARE(v.graf.zPosLabel, QStringLiteral("3.00 : 4.00"));
        v.zoom.zoomSpmClick();
        QCOMPARE(hjaelp.size(), 1);
        QCOMPARE(hjaelp[0][0].toString(), QStringLiteral("Zoom og fokusering"));
    }

    // The points that may be missing, each with its message; nothing changes then.
    void zoomManglendePunkt_data() {
        QTest::addColumn<int>("knap");
        QTest::addColumn<QString>("besked");
        QTest::newRow("ligninger_x1y1") << 3 << "Der er ikke beregnet nogen løsning!";
        QTest::newRow("ligninger_x2y2") << 4 << "Der er ikke beregnet to løsninger!";
        QTest::newRow("graf_x1y1") << 7 << "Der er ikke beregnet nogen løsning!";
        QTest::newRow("graf_x2y2") << 8 << "Der er ikke beregnet nogen løsning!";
        QTest::newRow("andengrads_x1_uden_parabel")
            << 5 << "Der er ikke valgt en andengradsligning.";
        QTest::newRow("andengrads_x2_uden_parabel")
            << 6 << "Der er ikke valgt en andengradsligning.";
    }
    void zoomManglendePunkt() {
        QFETCH(int, knap);
        QFETCH(QString, besked);
        Vinduer v;
        v.kurve(u'+', 1, 1, 4);
        v.graf.formelBoxMarkering({0}); // a selected line is no parabola
        v.zoom.xEdit = QStringLiteral("9");
        const double zx = v.graf.Graf.ZoomX();
        void (TZoomformModel::*knapper[])() = {nullptr,
                                               &TZoomformModel::ToolButton1Click,
                                               &TZoomformModel::ToolButton2Click,
                                               &TZoomformModel::ToolButton3Click,
                                               &TZoomformModel::ToolButton4Click,
                                               &TZoomformModel::ToolButton5Click,
                                               &TZoomformModel::ToolButton6Click,
                                               &TZoomformModel::ToolButton7Click,
                                               &TZoomformModel::ToolButton8Click};
        (v.zoom.*knapper[knap])();
        QCOMPARE(v.beskeder_(), besked);
        QCOMPARE(v.beskeder.boxe.first().art, QStringLiteral("information"));
        QCOMPARE(v.zoom.xEdit, QStringLiteral("9"));
        QCOMPARE(v.graf.Graf.ZoomX(), zx);
    }

    // "x1 : 0" solves the first selected parabola in list order on the
    // quadratic page and zooms on its root.
    void zoomAndengradsRod() {
        Vinduer v;
        v.kurve(u'+', 1, 1, 4);
        v.kurve(u'a', 1, -3, 2);
        v.kurve(u'a', 1, 0, -9);
        v.graf.formelBoxMarkering({0, 1, 2});
        v.zoom.ToolButton5Click();
        QCOMPARE(v.al.andengradsA() + u'|' + v.al.andengradsB() + u'|' + v.al.andengradsC(),
                 QStringLiteral("1|-3|2"));
        QCOMPARE(v.zoom.xEdit + u'|' + v.zoom.yEdit, v.al.andengradsX1() + QStringLiteral("|0"));
        QCOMPARE(v.graf.Graf.ZoomX(), 2.0);
        v.zoom.ToolButton6Click();
        QCOMPARE(v.graf.Graf.ZoomX(), 1.0);
        QVERIFY(v.beskeder.boxe.isEmpty());
    }

    // A parabola without real roots gives a message, not a zoom on 0 : 0.
    void zoomParabelUdenRoedder() {
        Vinduer v;
        v.kurve(u'a', 1, 0, 1);
        v.graf.formelBoxMarkering({0});
        v.graf.Graf.MakeZoomCentrum(3, 4, false);
        v.zoom.ToolButton5Click();
        QCOMPARE(v.beskeder_(), QStringLiteral("Der er ikke beregnet nogen løsning!"));
        QCOMPARE(v.graf.Graf.ZoomX(), 3.0);
        QCOMPARE(v.zoom.xEdit, QString());
    }

    // After the graph window solved two lines (one point), "x1 : y1" takes
    // it and "x2 : y2" has nothing to take.
    void zoomGrafensLoesning() {
        Vinduer v;
        v.kurve(u'+', 1, 1, 4);
        v.kurve(u'+', 1, -1, 0);
        v.graf.L1BoxChange(0);
        v.graf.L2BoxChange(1);
        v.graf.LigningsRes();
        v.zoom.centrerCheck = true;
        v.zoom.ToolButton7Click();
        QCOMPARE(v.graf.zPosLabel, QStringLiteral("2.00 : 2.00"));
        QCOMPARE(v.graf.Graf.KsToCompX(2), 250.0);
        v.zoom.ToolButton8Click();
        QCOMPARE(v.beskeder_(), QStringLiteral("Der er ikke beregnet nogen løsning!"));
    }

    void zoomLigningernesLoesning() {
        Vinduer v;
        const char* tekster[] = {"1", "1", "4", "1", "-1", "0"};
        for (int i = 0; i < 6; ++i)
            v.lig.setBoks(TLigninger::Boks(i), QString::fromLatin1(tekster[i]));
        v.lig.ligningerBeregnClick();
        v.zoom.ToolButton3Click();
        QCOMPARE(v.zoom.xEdit + u'|' + v.zoom.yEdit, QStringLiteral("2|2"));
        QCOMPARE(v.graf.zPosLabel, QStringLiteral("2.00 : 2.00"));
    }

    // ---- The dialogs' place files ----

    void pladsfil_data() {
        QTest::addColumn<QByteArray>("fil"); // empty: no file
        QTest::addColumn<bool>("centrer");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("fejl");
        QTest::newRow("ingen_fil") << QByteArray() << true << 0 << 0 << false;
        QTest::newRow("gyldig") << QByteArray("120\r\n340\r\n") << false << 120 << 340 << false;
        QTest::newRow("negativ") << QByteArray("-20\n-5") << false << -20 << -5 << false;
        QTest::newRow("kort") << QByteArray("120\r\n") << true << 0 << 0 << true;
        QTest::newRow("tekst") << QByteArray("abc\r\n5\r\n") << true << 0 << 0 << true;
    }
    void pladsfil() {
        QFETCH(QByteArray, fil);
        QFETCH(bool, centrer);
        QFETCH(int, top);
        QFETCH(int, left);
        QFETCH(bool, fejl);
        Vinduer v;
        for (const QString& navn :
             {QStringLiteral("zoomcenter.txt"), QStringLiteral("options.txt")}) {
            v.beskeder.boxe.clear();
            if (!fil.isEmpty()) {
                QFile f(v.optDir + navn);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(fil);
            }
            TDialogPladsFil p(v.optDir, navn);
            p.hentOpt(v.beskeder);
            QCOMPARE(p.plads.centrer, centrer);
            QCOMPARE(p.plads.top, top);
            QCOMPARE(p.plads.left, left);
            QCOMPARE(v.beskeder.boxe.size(), fejl ? 1 : 0);
        }
    }

    void pladsGemmesOgLaeses() {
        Vinduer v;
        v.zoom.gemOpt(); // never placed: no file
        QVERIFY(!QFile::exists(v.zoom.opt.optfilnavn));
        v.zoom.opt.plads = {false, 33, 44};
        v.zoom.gemOpt();
        QFile f(v.zoom.opt.optfilnavn);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("33\r\n44\r\n"));
        TZoomformModel igen(v.optDir, v.graf, v.beskeder);
        igen.FormCreate();
        QCOMPARE(igen.opt.plads.left, 44);
    }

    // ---- Colours ----

    void farverVedStart() {
        Vinduer v;
        TOptformModel o(v.optDir, v.graf, v.beskeder);
        o.FormCreate();
        const QStringList n = TOptformModel::farveNavne();
        QCOMPARE(n.size(), 20);
        QCOMPARE(
            QStringList({n[o.Farvebox], n[o.Liniebox], n[o.Kurvebox], n[o.NyKurvebox]}).join(u'|'),
            QStringLiteral("Cream|Grå|Sort|Sort"));
        QCOMPARE(o.bgfarvePan, v.graf.Graf.Color());
    }

    // "Sæt farve for næste kurve" colours the next curve only for this run.
    void naesteKurvefarve() {
        Vinduer v;
        TOptformModel o(v.optDir, v.graf, v.beskeder);
        o.FormCreate();
        o.NyKurveboxChange(9);
        QCOMPARE(o.colorPan, TGrafformModel::getFarver(9));
        QCOMPARE(v.graf.Graf.ColorLinie(), TGrafformModel::getFarver(0)); // preview only
        o.skiftKurvefarveClick();
        v.kurve(u'+', 1, 1, 4);
        QCOMPARE(v.graf.Graf.Lin().last().farve, farve::rgb(255, 0, 0));
        QCOMPARE(v.graf.kurveItemIndex, 0);
        v.graf.gemOpt();
        TGrafformModel igen(v.optDir, v.beskeder);
        igen.FormCreate(QSize(1600, 1000));
        QCOMPARE(igen.Graf.ColorLinie(), farve::rgb(0, 0, 0));
    }

    void realiser_data() {
        QTest::addColumn<int>("valGruppe");
        QTest::addColumn<QList<int>>("indeks"); // background, lines, curves after "Realiser"
        QTest::newRow("valgte_farver") << 0 << QList<int>{15, 0, 11};
        QTest::newRow("alle_oprindelige") << 1 << QList<int>{18, 7, 0};
    }
    void realiser() {
        QFETCH(int, valGruppe);
        QFETCH(QList<int>, indeks);
        Vinduer v;
        TOptformModel o(v.optDir, v.graf, v.beskeder);
        o.FormCreate();
        o.FarveboxChange(15);
        o.LinieboxChange(0);
        o.KurveboxChange(11);
        o.NyKurveboxChange(5);
        o.valGruppeClick(valGruppe);
        v.graf.Graf.setPixelEnhed(35);
        o.realiserKnapClick();
        QCOMPARE(QList<int>({v.graf.farveItemIndex, v.graf.linieItemIndex, v.graf.kurveItemIndex}),
                 indeks);
        QCOMPARE(v.graf.Graf.Color(), TGrafformModel::getFarver(indeks[0]));
        QCOMPARE(v.graf.Graf.ColorKS(), TGrafformModel::getFarver(indeks[1]));
        QCOMPARE(v.graf.Graf.ColorLinie(), TGrafformModel::getFarver(indeks[2]));
        QCOMPARE(v.graf.Graf.PixelEnhed(), valGruppe == 1 ? 20 : 35);
        // The lists show what is now in force, also after the defaults.
        QCOMPARE(QList<int>({o.Farvebox, o.Liniebox, o.Kurvebox}), indeks);
        QCOMPARE(o.NyKurvebox, valGruppe == 1 ? 0 : 5);
        QCOMPARE(o.bgfarvePan, v.graf.Graf.Color());
        // Saved with the graph window and there after a restart.
        v.graf.gemOpt();
        TGrafformModel igen(v.optDir, v.beskeder);
        igen.FormCreate(QSize(1600, 1000));
        QCOMPARE(igen.farveItemIndex, indeks[0]);
        QCOMPARE(igen.kurveItemIndex, indeks[2]);
    }

    void oprindeligeFarver() {
        Vinduer v;
        TOptformModel o(v.optDir, v.graf, v.beskeder);
        o.FarveboxChange(3);
        o.NyKurveboxChange(5);
        o.oprindeligeKnapClick();
        QCOMPARE(QList<int>({o.Farvebox, o.Liniebox, o.Kurvebox, o.NyKurvebox}),
                 QList<int>({18, 7, 0, 0}));
        QCOMPARE(v.graf.farveItemIndex, 18); // nothing applied yet
    }

    // ---- Printing ----

    // The sizes are printer pixels of a 600 dpi printer per screen pixel; on
    // a printer of another resolution the picture keeps its size in inches
    // (the canvas is 500 x 400: "Størrelse 2" is 1500 pixels wide at 600 dpi,
    // 2.5 inches on every printer).
    void standardVaerdier_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("x1");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("x2y2");
        QTest::newRow("stoerrelse_2") << 1 << "160" << 600 << "1660|1360";
        QTest::newRow("stoerrelse_5") << 4 << "160" << 600 << "3160|2560";
        QTest::newRow("stoerrelse_1") << 0 << "0" << 600 << "1000|960";
        QTest::newRow("ingen printer: 600") << 1 << "160" << 0 << "1660|1360";
        QTest::newRow("stoerrelse_2 1200 dpi") << 1 << "160" << 1200 << "3160|2560";
        QTest::newRow("stoerrelse_5 1200 dpi") << 4 << "160" << 1200 << "6160|4960";
        QTest::newRow("stoerrelse_2 300 dpi") << 1 << "160" << 300 << "910|760";
        QTest::newRow("stoerrelse_2 720 dpi") << 1 << "160" << 720 << "1960|1600";
        QTest::newRow("ingen_overloeb") << 4 << "2147483000" << 600 << "2147483647|2560";
        QTest::newRow("ingen_overloeb 9600 dpi") << 4 << "0" << 9600 << "48000|38560";
    }
    void standardVaerdier() {
        QFETCH(int, item);
        QFETCH(QString, x1);
        QFETCH(int, dpi);
        QFETCH(QString, x2y2);
        Vinduer v;
        TPrintformModel p(v.graf.Graf, v.beskeder);
        p.setOploesningKilde([dpi] { return dpi; });
        QCOMPARE(p.EditX1 + u'|' + p.EditY1, QStringLiteral("160|160"));
        p.EditX1 = x1;
        p.ValuesClick(item);
        QCOMPARE(p.EditX2 + u'|' + p.EditY2, x2y2);
    }

    void mPrintForbereder() {
        Vinduer v;
        TPrintformModel p(v.graf.Graf, v.beskeder);
        QSignalSpy vis(&p, &TPrintformModel::visOenskes);
        p.EditX1 = QStringLiteral("10");
        p.MPrintClick();
        QCOMPARE(vis.size(), 1);
        QCOMPARE(p.BitmapPrint.X1, 10);
        QCOMPARE(p.BitmapPrint.X2, 1510);
        QCOMPARE(p.BitmapPrint.Y2, 1360);
        QCOMPARE(p.EditX2, QStringLiteral("1510"));
    }

    void kopier_data() {
        QTest::addColumn<QString>("kopi");
        QTest::addColumn<QList<bool>>("svar");
        QTest::addColumn<int>("sider");
        QTest::newRow("nul_giver_en") << "0" << QList<bool>{} << 1;
        QTest::newRow("negativ_giver_en") << "-2" << QList<bool>{} << 1;
        QTest::newRow("tre") << "3" << QList<bool>{} << 3;
        QTest::newRow("mange_nej") << "250" << QList<bool>{false} << 0;
        QTest::newRow("mange_ja") << "101" << QList<bool>{true} << 101;
    }
    void kopier() {
        QFETCH(QString, kopi);
        QFETCH(QList<bool>, svar);
        QFETCH(int, sider);
        Vinduer v;
        for (bool s : svar)
            v.beskeder.svar.enqueue(s);
        TPrintformModel p(v.graf.Graf, v.beskeder);
        int lavet = 0;
        QStringList trin;
        p.setPrinterKilde([&]() -> std::unique_ptr<TPrinterFlade> {
            ++lavet;
            struct Kopi : OptagerPrinter {
                QStringList* ud;
                ~Kopi() override { *ud = trin; }
            };
            auto o = std::make_unique<Kopi>();
            o->ud = &trin;
            return o;
        });
        p.EditKopi = kopi;
        p.EditX1 = QStringLiteral("5");
        p.EditY1 = QStringLiteral("6");
        p.EditX2 = QStringLiteral("105");
        p.EditY2 = QStringLiteral("86");
        p.udskrivKnapClick();
        QCOMPARE(lavet, sider > 0 ? 1 : 0);
        QCOMPARE(v.beskeder.boxe.size(), svar.size());
        if (sider == 0) return;
        QCOMPARE(trin.count(QStringLiteral("tegn 5,6-105,86")), sider);
        QCOMPARE(trin.count(QStringLiteral("side")), sider - 1);
        QCOMPARE(trin.first(), QStringLiteral("begin"));
        QCOMPARE(trin.last(), QStringLiteral("end"));
        QCOMPARE(p.EditKopi, kopi); // the fields keep their values
    }

    // A copy that fails cancels the document and is reported; no copies follow.
    void kopiFejler() {
        OptagerPrinter pr;
        pr.fejlVedKopi = 2;
        TBitmapPrint bp;
        bp.KopiAntal = 4;
        QVERIFY_THROWS_EXCEPTION(TFejl, bp.PrintStretchDraw(pr));
        QCOMPARE(pr.trin.join(u'|'), QStringLiteral("begin|tegn 160,160-0,0|side|abort"));
        bp.KopiAntal = 0;
        OptagerPrinter ingen;
        bp.PrintStretchDraw(ingen);
        QVERIFY(ingen.trin.isEmpty());
    }

    void felterIRing() {
        QStringList ring{QStringLiteral("EditKopi")};
        for (int i = 0; i < 5; ++i)
            ring << TPrintformModel::naesteFelt(ring.last());
        QCOMPARE(ring.join(u' '), QStringLiteral("EditKopi EditX1 EditX2 EditY1 EditY2 EditKopi"));
    }
};

QTEST_GUILESS_MAIN(TstGrafdialoger)
#include "tst_grafdialoger.moc"
