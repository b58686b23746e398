// The graph window's solving, choice lists, import and export, on the
// window's model together with the two equation pages.
#include "beskedoptager.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/taltekst.h"
#include "core/equations/andengrads.h"
#include "core/equations/grafligningssider.h"
#include "core/equations/ligninger.h"
#include "core/graph/grafformmodel.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Vinduer {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    TGrafformModel graf{dir.path() + u'/', beskeder};
    TAndengrads al{beskeder, regner, meta, huk, &graf};
    TLigninger lig{beskeder, regner, meta, huk, &al, &graf};
    TGrafLigningssider sider{al, lig};

    Vinduer() {
        graf.setLigningssider(&sider);
        graf.FormCreate(QSize(1600, 1000));
        graf.FormResize(400, 400);
    }
    // Adds a curve "K a b c" (K one of + / * a) or "3 a b c d".
    void kurve(const QString& tekst) {
        const QStringList d = tekst.split(u' ');
        if (d.at(0) == u"3")
            graf.Graf.NyGraf3(d.at(1).toDouble(), d.at(2).toDouble(), d.at(3).toDouble(),
                              d.at(4).toDouble(), true);
        else
            graf.AddFormelToGraf(d.at(0).at(0), d.at(1).toDouble(), d.at(2).toDouble(),
                                 d.at(3).toDouble());
    }
    QString resultater() const {
        return QStringList{graf.ligningX1, graf.ligningY1, graf.ligningX2, graf.ligningY2}.join(
            u'|');
    }
    QString kurver() const {
        QStringList l;
        for (const TLinier& k : graf.Graf.Lin())
            l << QStringLiteral("%1 %2 %3 %4").arg(k.opr).arg(k.fa).arg(k.fb).arg(k.fc);
        return l.join(u'|');
    }
    QString boksBeskeder() const {
        QStringList l;
        for (const auto& b : beskeder.boxe)
            l << b.art + u':' + b.tekst;
        return l.join(u'|');
    }
    QString ligning(int nr) const {
        const int f = nr == 1 ? lig.ligninger1() : lig.ligninger2();
        const auto b0 = nr == 1 ? TLigninger::L1a : TLigninger::L2a;
        return QStringLiteral("%1 %2 %3 %4")
            .arg(TLigninger::formTegn(f))
            .arg(lig.boks(b0), lig.boks(TLigninger::Boks(b0 + 1)),
                 lig.boks(TLigninger::Boks(b0 + 2)));
    }
};

} // namespace

class TstGrafvaerktoejer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loesUdenValg() {
        Vinduer v;
        v.kurve(u"+ 1 1 4"_s);
        v.graf.ligningX1 = QStringLiteral("7");
        v.graf.L1BoxChange(0);
        v.graf.LigningsRes();
        QCOMPARE(v.boksBeskeder(),
                 QStringLiteral("fejl:Der er ikke valgt to ligninger til løsning!"));
        QCOMPARE(v.graf.ligningX1, QStringLiteral("7")); // nothing else happens
    }

    // The window solves the chosen rows, keeps the pair in solving order and
    // empties the fields it does not fill.
    void loesIVinduet() {
        Vinduer v;
        v.kurve(u"a 1 0 0"_s);
        v.kurve(u"+ 1 -1 0"_s);
        v.kurve(u"+ 1 1 4"_s);
        v.graf.ligningX2 = QStringLiteral("gammel");
        v.graf.L1BoxChange(2);
        v.graf.L2BoxChange(1);
        v.graf.BeregnKnapClick();
        QCOMPARE(v.resultater(), QStringLiteral("2|2||"));
        QVERIFY(v.beskeder.boxe.isEmpty());

        v.graf.L1BoxChange(0); // the parabola first: swapped to the second place
        v.graf.LigningsRes();
        QCOMPARE(v.graf.opr1, QChar(u'+'));
        QCOMPARE(v.graf.opr2, QChar(u'a'));
        QCOMPARE(v.resultater(), QStringLiteral("0|0|1|1"));

        // A message empties the fields and is an error box.
        v.kurve(u"+ 2 -2 5"_s);
        v.graf.L1BoxChange(3);
        v.graf.LigningsRes();
        QCOMPARE(v.resultater(), QStringLiteral("|||"));
        QCOMPARE(v.boksBeskeder(), QStringLiteral("fejl:Ingen løsning"));

        // One line chosen twice is an answer, not an error.
        v.beskeder.boxe.clear();
        v.graf.L1BoxChange(2);
        v.graf.L2BoxChange(2);
        v.graf.LigningsRes();
        QCOMPARE(v.resultater(), QStringLiteral("|||"));
        QCOMPARE(v.boksBeskeder(), QStringLiteral("information:Uendeligt mange løsninger"));
    }

    // The "^" beside each result stores it in the calculator memory, as the
    // equation pages do; an empty field stores nothing.
    void sendTilHukommelse_data() {
        QTest::addColumn<QString>("kurve1");
        QTest::addColumn<QString>("kurve2");
        QTest::addColumn<int>("knap");
        QTest::addColumn<QString>("gemt"); // the memory display afterwards
        QTest::addColumn<QString>("label");
        // y = x² and x + y = 6 meet in (2, 4) and (-3, 9).
        const QString p = QStringLiteral("a 1 0 0"), l = QStringLiteral("+ 1 1 6");
        QTest::newRow("x1") << p << l << 0 << "2"
                            << "Graf x1";
        QTest::newRow("y1") << p << l << 1 << "4"
                            << "Graf y1";
        QTest::newRow("x2") << p << l << 2 << "-3"
                            << "Graf x2";
        QTest::newRow("y2") << p << l << 3 << "9"
                            << "Graf y2";
        QTest::newRow("fraction") << p << "+ 1 1 0.75" << 2 << "-1,5"
                                  << "Graf x2";
        QTest::newRow("one point: x2 empty") << "+ 1 -1 0"
                                             << "+ 1 1 4" << 2 << ""
                                             << "";
    }
    void sendTilHukommelse() {
        QFETCH(QString, kurve1);
        QFETCH(QString, kurve2);
        QFETCH(int, knap);
        QFETCH(QString, gemt);
        QFETCH(QString, label);
        Vinduer v;
        v.graf.setHukommelse(&v.huk);
        v.kurve(kurve1);
        v.kurve(kurve2);
        v.graf.L1BoxChange(0);
        v.graf.L2BoxChange(1);
        v.graf.BeregnKnapClick();
        QVERIFY(v.beskeder.boxe.isEmpty());
        void (TGrafformModel::*klik[])() = {
            &TGrafformModel::ligningerX1sendClick, &TGrafformModel::ligningerY1sendClick,
            &TGrafformModel::ligningerX2sendClick, &TGrafformModel::ligningerY2sendClick};
        (v.graf.*klik[knap])();
        if (gemt.isEmpty()) {
            QCOMPARE(v.huk.Hval, 0.0);
            QVERIFY(v.huk.captions().isEmpty());
            return;
        }
        QCOMPARE(v.huk.hukDisplay, gemt);
        QCOMPARE(v.huk.Hval, tal::laes(gemt));
        QCOMPARE(v.huk.captions(), QStringList{gemt});
        QCOMPARE(v.huk.hukommelseMenu.punkter[0].hint, label);
    }

    void tredjegradsIValget() {
        Vinduer v;
        v.kurve(u"+ 1 1 4"_s);
        v.kurve(u"3 1 0 0 0"_s);
        v.graf.L1BoxChange(0);
        v.graf.L2BoxChange(0);
        v.graf.L2BoxChange(1);
        QCOMPARE(v.graf.L2Index(), -1);
        QCOMPARE(v.graf.L1Index(), 0);
        v.graf.L1BoxChange(1);
        QCOMPARE(v.graf.L1Index(), -1);
        QCOMPARE(v.boksBeskeder(),
                 QStringLiteral("information:Der løses ikke tredjegradsligninger!|"
                                "information:Der løses ikke tredjegradsligninger!"));
    }

    void importerAndengrads() {
        Vinduer v;
        v.graf.ImporterAL();
        QCOMPARE(v.boksBeskeder(),
                 QStringLiteral("fejl:Der er ikke tale om en andengradsligning!"));
        QCOMPARE(v.kurver(), QString());
        v.beskeder.boxe.clear();
        v.al.setAndengradsA(QStringLiteral("1"));
        v.al.setAndengradsB(QStringLiteral("-3"));
        v.al.setAndengradsC(QStringLiteral("2,5"));
        v.graf.ImporterAL();
        QCOMPARE(v.kurver(), QStringLiteral("a 1 -3 2.5"));
        // A success is told in an information box.
        QCOMPARE(v.boksBeskeder(),
                 QStringLiteral("information:Andengradsligning importeret til grafvisning!"));
    }

    void importerLigninger() {
        Vinduer v;
        v.lig.setBoks(TLigninger::L1a, QStringLiteral("2"));
        v.graf.ImporterLigninger();
        QCOMPARE(v.boksBeskeder(), QStringLiteral("fejl:Der mangler inputsværdier!"));
        v.beskeder.boxe.clear();
        const char* tekster[] = {"2", "3.5", "7x", "1", "-1", ""};
        for (int i = 0; i < 6; ++i)
            v.lig.setBoks(TLigninger::Boks(i), QString::fromLatin1(tekster[i]));
        v.lig.ligninger1Click(TLigninger::Division);
        v.lig.ligninger2Click(TLigninger::Gange);
        v.graf.ImporterLigninger();
        QCOMPARE(v.ligning(1), QStringLiteral("/ 2 3,5 7"));
        QCOMPARE(v.ligning(2), QStringLiteral("* 1 -1 0"));
        QCOMPARE(v.kurver(), QStringLiteral("/ 2 3.5 7|* 1 -1 0"));
        QCOMPARE(v.boksBeskeder(),
                 QStringLiteral("information:Ligninger importeret til grafvisning!"));
    }

    void eksporter_data() {
        QTest::addColumn<QStringList>("kurver");
        QTest::addColumn<QList<int>>("valgte");
        QTest::addColumn<QString>("ligning1");
        QTest::addColumn<QString>("ligning2");
        QTest::addColumn<QString>("andengrads"); // a|b|c
        QTest::addColumn<QString>("besked");

        const QString tom = QStringLiteral("+   ");
        QTest::newRow("intet_valgt")
            << QStringList{u"+ 1 1 4"_s} << QList<int>{} << tom << tom << u"||"_s
            << u"fejl:Der er ikke valgt ligninger til eksport!"_s;
        QTest::newRow("tre_linjer_skifter")
            << QStringList{u"+ 1 1 4"_s, u"* 2 1 3"_s, u"/ 1 2 5"_s} << QList<int>{0, 1, 2}
            << u"/ 1 2 5"_s << u"* 2 1 3"_s << u"||"_s << u"information:Ligninger exporteret!"_s;
        QTest::newRow("parabler_sidste_vinder")
            << QStringList{u"a 1 0 0"_s, u"+ 1 1 4"_s, u"a 2 -1 3"_s} << QList<int>{0, 1, 2}
            << u"+ 1 1 4"_s << tom << u"2|-1|3"_s << u"information:Ligninger exporteret!"_s;
        QTest::newRow("tredjegrads_springes_over")
            << QStringList{u"+ 1 1 4"_s, u"3 1 2 3 4"_s, u"+ 1 -1 0"_s} << QList<int>{0, 1, 2}
            << u"+ 1 1 4"_s << u"+ 1 -1 0"_s << u"||"_s << u"information:Ligninger exporteret!"_s;
        QTest::newRow("kun_tredjegrads")
            << QStringList{u"3 1 2 3 4"_s} << QList<int>{0} << tom << tom << u"||"_s
            << u"fejl:Der er ikke valgt ligninger til eksport!"_s;
    }
    void eksporter() {
        QFETCH(QStringList, kurver);
        QFETCH(QList<int>, valgte);
        QFETCH(QString, ligning1);
        QFETCH(QString, ligning2);
        QFETCH(QString, andengrads);
        QFETCH(QString, besked);
        Vinduer v;
        for (const QString& k : kurver)
            v.kurve(k);
        v.graf.formelBoxMarkering(valgte);
        v.graf.MExportClick();
        QCOMPARE(v.ligning(1), ligning1);
        QCOMPARE(v.ligning(2), ligning2);
        QCOMPARE(
            QStringList({v.al.andengradsA(), v.al.andengradsB(), v.al.andengradsC()}).join(u'|'),
            andengrads);
        QCOMPARE(v.boksBeskeder(), besked);
    }

    // The pages send to the graph window's model, which draws the curve.
    void sendFraSiderne() {
        Vinduer v;
        v.al.setAndengradsA(QStringLiteral("1"));
        v.al.setAndengradsB(QStringLiteral("0"));
        v.al.setAndengradsC(QStringLiteral("-4"));
        v.al.andengradsSendClick();
        QCOMPARE(v.kurver(), QStringLiteral("a 1 0 -4"));
        QCOMPARE(v.graf.formelBox().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstGrafvaerktoejer)
#include "tst_grafvaerktoejer.moc"
