#include "beskedoptager.h"
#include "core/app/egenskaber.h"
#include "core/app/mainformmodel.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/fejl.h"
#include "core/formula/udtryk.h"

#include <cmath>
#include <memory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// A frame with its calculator over a temporary data folder.
struct Ramme {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
    TUdtryk udtryk{regner, meta};
    std::unique_ptr<TMainformModel> m;

    explicit Ramme(bool medMappe = true) {
        if (medMappe) QDir(dir.path()).mkpath(QStringLiteral("Egenskaber"));
        m = std::make_unique<TMainformModel>(TProgramMapper::fra(dir.path()), beskeder, regner, huk,
                                             udtryk);
    }
    void skrivOptioner(const QStringList& linjer) {
        QFile f(m->optFilnavn());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(linjer.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    }
};

static QStringList gyldigeLinjer() {
    return {QStringLiteral("Carbon"), QStringLiteral("120"), QStringLiteral("240"),
            QStringLiteral("1"),      QStringLiteral("500"), QStringLiteral("1"),
            QStringLiteral("1"),      QStringLiteral("3"),   QStringLiteral("0"),
            QStringLiteral("1"),      QStringLiteral("0"),   QStringLiteral("24"),
            QStringLiteral("0")};
}

class TstMainformModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mapper() {
        const TProgramMapper p = TProgramMapper::fra(QStringLiteral("/x/Tavlixmappe"));
        QCOMPARE(p.formeldir, QStringLiteral("/x/Tavlixmappe/Formler"));
        QCOMPARE(p.optDir, QStringLiteral("/x/Tavlixmappe/Egenskaber/"));
        QCOMPARE(p.optFilnavn, QStringLiteral("/x/Tavlixmappe/Egenskaber/mainform.txt"));
        QCOMPARE(p.strukturDir, QStringLiteral("/x/Tavlixmappe/Struktur"));
    }

    void udenOptionsfil() {
        Ramme r;
        r.m->FormCreate();
        QVERIFY(r.beskeder.boxe.isEmpty());
        QVERIFY(r.m->centrer);
        QCOMPARE(r.m->rmSide, 0);
        QCOMPARE(r.m->synligSide, int(TMainformModel::RmSide));
        QVERIFY(!r.m->metaPanelSynlig);
        QVERIFY(!r.m->miniMetaPanelSynlig);
        QCOMPARE(r.m->klientBredde, 300);
        QCOMPARE(r.m->designName, QStringLiteral("Iceberg Classico"));
        QCOMPARE(r.regner.GradIndex(), 0);
        QCOMPARE(r.regner.Grader(), 360.0);
        QCOMPARE(r.regner.decimalIndex(), 0);
        QCOMPARE(r.m->hukFilantal, 16);
        QVERIFY(r.m->doShowHint);
        QVERIFY(r.regner.disOn());
        QVERIFY(r.m->udBoxSynlig);
    }

    void rundtur() {
        Ramme r;
        r.skrivOptioner(gyldigeLinjer());
        r.m->FormCreate();
        QVERIFY2(r.beskeder.boxe.isEmpty(), qPrintable(r.beskeder.tekster().join(u'|')));
        QCOMPARE(r.m->designName, QStringLiteral("Carbon"));
        QCOMPARE(r.m->vinduesPos, QPoint(240, 120));
        QVERIFY(!r.m->centrer);
        QCOMPARE(r.m->rmSide, 1);
        QCOMPARE(r.m->synligSide, int(TMainformModel::AndengradsSide));
        QVERIFY(r.m->metaPanelSynlig);
        QVERIFY(r.m->miniMetaPanelSynlig);
        QCOMPARE(r.m->klientBredde, 500);
        QCOMPARE(r.m->formWidth, 500);
        QCOMPARE(r.regner.GradIndex(), 1);
        QCOMPARE(r.regner.decimalIndex(), 3);
        QVERIFY(!r.regner.disOn());
        QVERIFY(r.regner.UdskrivInOut());
        QVERIFY(!r.m->doShowHint);
        QCOMPARE(r.m->hukFilantal, 24);
        QVERIFY(!r.udtryk.uPanelSynlig());

        r.m->GemOpt();
        QFile f(r.m->optFilnavn());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList skrevet =
            QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(skrevet, gyldigeLinjer());
    }

    // Every line is read: a bad or missing line keeps its default, all bad
    // lines are named in one error box, and the good lines apply and are
    // written back unchanged at closing.
    void fejlILinje_data() {
        QTest::addColumn<QList<int>>("linjer");      // bad lines (1-based)
        QTest::addColumn<QStringList>("tekster");    // their texts; null: the file ends before
        QTest::addColumn<QStringList>("skrevetSom"); // what closing writes for them
        QTest::newRow("ukendt tema")
            << QList<int>{1} << QStringList{u"Pink"_s} << QStringList{u"Iceberg Classico"_s};
        QTest::newRow("side ikke et tal")
            << QList<int>{4} << QStringList{u"abc"_s} << QStringList{u"0"_s};
        QTest::newRow("vinkel ikke et tal")
            << QList<int>{7} << QStringList{u"x"_s} << QStringList{u"0"_s};
        QTest::newRow("decimaler og hukommelse")
            << QList<int>{8, 12} << QStringList{u"x"_s, u"1,5"_s} << QStringList{u"0"_s, u"16"_s};
        QTest::newRow("manglende linje 13")
            << QList<int>{13} << QStringList{QString()} << QStringList{u"1"_s};
    }
    void fejlILinje() {
        QFETCH(QList<int>, linjer);
        QFETCH(QStringList, tekster);
        QFETCH(QStringList, skrevetSom);
        Ramme r;
        QStringList l = gyldigeLinjer();
        QStringList forventet = l;
        for (int k = 0; k < linjer.size(); ++k) {
            forventet[linjer[k] - 1] = skrevetSom[k];
            if (tekster[k].isNull())
                l = l.mid(0, linjer[k] - 1);
            else
                l[linjer[k] - 1] = tekster[k];
        }
        r.skrivOptioner(l);
        r.m->FormCreate();
        QCOMPARE(r.beskeder.boxe.size(), 1);
        QCOMPARE(r.beskeder.boxe.first().art, QStringLiteral("fejl"));
        for (int n : linjer)
            QVERIFY2(r.beskeder.boxe.first().tekst.contains(QStringLiteral("Linje %1").arg(n)),
                     qPrintable(r.beskeder.boxe.first().tekst));
        // The lines after the bad one took effect (the list panel of lines 5 and 6).
        QVERIFY(r.m->metaPanelSynlig);
        QCOMPARE(r.m->formWidth, 500);

        r.m->GemOpt();
        QFile f(r.m->optFilnavn());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
                 forventet);
    }

    // A huge bad value is quoted short, so the error box lays out at once.
    void langLinjeCiteresKort() {
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[3] = QString(60000, u'x');
        r.skrivOptioner(l);
        r.m->FormCreate();
        QCOMPARE(r.beskeder.boxe.size(), 1);
        const QString tekst = r.beskeder.boxe.first().tekst;
        QVERIFY2(tekst.size() < 200, qPrintable(tekst.left(300)));
        QVERIFY(tekst.contains(QString(60, u'x') + QChar(0x2026)));
    }

    // An options file beyond any real size counts as damaged at once: the
    // box names it and the defaults apply, without reading it all.
    void forStorOptionsfilErSkadet() {
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[3] = QString(100000, u'x');
        r.skrivOptioner(l);
        r.m->FormCreate();
        QCOMPARE(r.beskeder.boxe.size(), 1);
        QVERIFY2(r.beskeder.boxe.first().tekst.startsWith(QString::fromUtf8("Kan ikke læse filen")),
                 qPrintable(r.beskeder.boxe.first().tekst));
    }

    void ukendtSideViserIngenOperation() {
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[3] = QStringLiteral("7");
        l[5] = QStringLiteral("0");
        r.skrivOptioner(l);
        r.m->FormCreate();
        QCOMPARE(r.m->rmSide, 7);
        QCOMPARE(r.m->synligSide, int(TMainformModel::RmSide));
        QCOMPARE(r.m->klientBredde, 300); // the designed width, untouched
    }

    void hukommelseMindst8() {
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[11] = QStringLiteral("3");
        r.skrivOptioner(l);
        r.m->FormCreate();
        QCOMPARE(r.m->hukFilantal, 8);
        QCOMPARE(r.huk.Huk.Filantal(), 8);
    }

    // A size edited by hand becomes what the settings dialog would make of
    // it (a multiple of 8 in 8..1000), so the dialog shows the size in effect.
    void hukommelseSomIDialogen_data() {
        QTest::addColumn<QString>("linje");
        QTest::addColumn<int>("stoerrelse");
        QTest::addColumn<int>("valg"); // the dialog's item; 4: "Flere"
        QTest::newRow("20 er halvvejs: lige nabo") << "20" << 16 << 1;
        QTest::newRow("12 er halvvejs: lige nabo") << "12" << 16 << 1;
        QTest::newRow("28") << "28" << 32 << 3;
        QTest::newRow("1004 over det største") << "1004" << 1000 << 4;
        QTest::newRow("ud over 32 bit") << "99999999999" << 1000 << 4;
        QTest::newRow("negativ ud over 32 bit") << "-99999999999" << 8 << 0;
    }
    void hukommelseSomIDialogen() {
        QFETCH(QString, linje);
        QFETCH(int, stoerrelse);
        QFETCH(int, valg);
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[11] = linje;
        r.skrivOptioner(l);
        r.m->FormCreate();
        QVERIFY2(r.beskeder.boxe.isEmpty(), qPrintable(r.beskeder.tekster().join(u'|')));
        QCOMPARE(r.m->hukFilantal, stoerrelse);
        QCOMPARE(r.huk.Huk.Filantal(), stoerrelse);
        TEgenskabsModel dialog(*r.m, r.huk, r.beskeder);
        dialog.FormShow();
        QCOMPARE(dialog.eleGroup, valg);
        QCOMPARE(dialog.antalEdit, QString::number(stoerrelse));
    }

    void listepanelOgBredde() {
        Ramme r;
        r.m->FormCreate();
        r.m->metaVisClick(); // show: width becomes formWidth (489)
        QVERIFY(r.m->metaPanelSynlig);
        QCOMPARE(r.m->klientBredde, 489);
        r.m->visLigningerBoks(); // 221 page, list shown: window keeps formWidth
        QCOMPARE(r.m->klientBredde, 489);
        r.m->FormResize(640); // the user widens the window
        QCOMPARE(r.m->formWidth, 640);
        r.m->metaVisClick(); // hide: 300 whatever the page; formWidth keeps the list's width
        QCOMPARE(r.m->klientBredde, 300);
        QCOMPARE(r.m->formWidth, 640);
        r.m->metaVisClick(); // show again: the list gets its room back
        QVERIFY(r.m->metaPanelSynlig);
        QCOMPARE(r.m->klientBredde, 640);
    }

    // A formula program that starts shows the calculator page with its list,
    // wide enough for the protocol, and takes the focus from the expression
    // window.
    void regnerMedListe_data() {
        QTest::addColumn<bool>("listeVist");
        QTest::addColumn<int>("skaerm");    // widest client width the screens allow
        QTest::addColumn<int>("forventet"); // client width afterwards
        QTest::newRow("liste skjult") << false << 1200 << 640;
        QTest::newRow("liste vist") << true << 1200 << 640;
        QTest::newRow("smal skaerm") << false << 300 << TMainformModel::listeBredde;
    }
    void regnerMedListe() {
        QFETCH(bool, listeVist);
        QFETCH(int, skaerm);
        QFETCH(int, forventet);
        Ramme r;
        r.m->FormCreate();
        r.m->metaVisClick();
        r.m->FormResize(640);
        if (!listeVist) r.m->metaVisClick();
        r.m->visFormelBoks();
        r.m->saetMaksKlientBredde(skaerm);
        r.m->setUMemoFokus(true);
        QSignalSpy fokus(r.m.get(), &TMainformModel::fokusTilForm);
        r.m->visRegnerMedListe();
        QCOMPARE(r.m->synligSide, int(TMainformModel::RmSide));
        QVERIFY(r.m->metaPanelSynlig);
        QCOMPARE(r.m->klientBredde, forventet);
        QVERIFY(!r.m->uMemoHarFokus());
        QVERIFY(fokus.count() >= 1);
    }

    // Showing the list never leaves it without room, and stays within the screen.
    void listepanelFaarPlads_data() {
        QTest::addColumn<int>("gemt");      // line 5
        QTest::addColumn<int>("skaerm");    // widest client width the screens allow
        QTest::addColumn<int>("forventet"); // client width with the list shown
        QTest::newRow("gemt 300 fra en skjult liste") << 300 << 1200 << 420;
        QTest::newRow("negativ") << -50 << 1200 << 420;
        QTest::newRow("bredere end skaermen") << 100000 << 1200 << 1200;
        QTest::newRow("inden for skaermen") << 700 << 1200 << 700;
    }
    void listepanelFaarPlads() {
        QFETCH(int, gemt);
        QFETCH(int, skaerm);
        QFETCH(int, forventet);
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[4] = QString::number(gemt);
        l[5] = QStringLiteral("0");
        r.skrivOptioner(l);
        r.m->FormCreate();
        r.m->saetMaksKlientBredde(skaerm);
        QCOMPARE(r.m->klientBredde, 221); // the quadratic page, no list
        r.m->metaVisClick();
        QCOMPARE(r.m->klientBredde, forventet);
        QCOMPARE(r.m->formWidth, forventet);
    }

    // The saved place is kept only where the window can be taken hold of;
    // otherwise the window is centred on the first screen.
    void placering_data() {
        QTest::addColumn<QStringList>("pos"); // lines 2 (top) and 3 (left); empty: no file
        QTest::addColumn<QPoint>("forventet");
        const QPoint midt(960 - 150, 540 - 220);
        QTest::newRow("ingen fil") << QStringList() << midt;
        QTest::newRow("paa skaermen") << QStringList{u"120"_s, u"240"_s} << QPoint(240, 120);
        QTest::newRow("paa anden skaerm") << QStringList{u"100"_s, u"2000"_s} << QPoint(2000, 100);
        QTest::newRow("ingen skaerm") << QStringList{u"-3000"_s, u"5000"_s} << midt;
        QTest::newRow("kun et hjoerne synligt") << QStringList{u"1060"_s, u"1900"_s} << midt;
        QTest::newRow("titellinje over skaermen") << QStringList{u"-20"_s, u"100"_s} << midt;
        QTest::newRow("int-graense") << QStringList{u"2147483647"_s, u"2147483647"_s} << midt;
        QTest::newRow("negativ int-graense") << QStringList{u"-2147483648"_s, u"0"_s} << midt;
        QTest::newRow("fejl i linje 3") << QStringList{u"120"_s, u"x"_s} << midt;
    }
    void placering() {
        QFETCH(QStringList, pos);
        QFETCH(QPoint, forventet);
        Ramme r;
        if (!pos.isEmpty()) {
            QStringList l = gyldigeLinjer();
            l[1] = pos[0];
            l[2] = pos[1];
            r.skrivOptioner(l);
        }
        r.m->FormCreate();
        const QList<QRect> skaerme{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(r.m->placering(skaerme, QSize(300, 440)), forventet);
        // What is written back at closing is where the window stands.
        QCOMPARE(r.m->vinduesPos, forventet);
    }

    // A bad line is reported with the file's full path and the line number.
    void fejlNaevnerFilOgLinje() {
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[6] = QStringLiteral("x");
        r.skrivOptioner(l);
        r.m->FormCreate();
        QCOMPARE(r.beskeder.boxe.size(), 1);
        const QString t = r.beskeder.boxe.first().tekst;
        QVERIFY2(t.startsWith(QStringLiteral("Fejl i filen ") +
                              QDir::toNativeSeparators(r.m->optFilnavn()) + QStringLiteral(":\n")),
                 qPrintable(t));
        QVERIFY2(t.contains(QLatin1String("Linje 7:")), qPrintable(t));
        QVERIFY2(t.contains(QLatin1String("'x'")), qPrintable(t));
        QVERIFY(r.m->centrer);
    }

    void sider_data() {
        QTest::addColumn<int>("tast");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("bredde");
        QTest::newRow("F2") << int(Qt::Key_F2) << 1 << 221;
        QTest::newRow("F3") << int(Qt::Key_F3) << 2 << 221;
        QTest::newRow("F4") << int(Qt::Key_F4) << 3 << 221;
        QTest::newRow("F5") << int(Qt::Key_F5) << 4 << 221;
        QTest::newRow("F8") << int(Qt::Key_F8) << 100 << 221;
    }
    void sider() {
        QFETCH(int, tast);
        QFETCH(int, side);
        QFETCH(int, bredde);
        Ramme r;
        r.m->FormCreate();
        QVERIFY(r.m->FormKeyDown(tast, Qt::NoModifier));
        QCOMPARE(r.m->rmSide, side);
        QCOMPARE(r.m->synligSide, side);
        QCOMPARE(r.m->klientBredde, bredde);
        QCOMPARE(r.m->udBoxSynlig, side == 100);
        if (side == 100) QVERIFY(!r.m->vinkelKnapperSynlige);
        // F7 and Ctrl+R bring the calculator back with its angle buttons.
        QVERIFY(r.m->FormKeyDown(Qt::Key_R, Qt::ControlModifier));
        QCOMPARE(r.m->synligSide, 0);
        QCOMPARE(r.m->displayBlokSide, 0);
        QVERIFY(r.m->vinkelKnapperSynlige);
        QCOMPARE(r.m->klientBredde, 300);
    }

    void f7MedMemoFokusFlytterKunFokus() {
        Ramme r;
        r.m->FormCreate();
        r.m->visRmBoksX();
        r.m->setUMemoFokus(true);
        QSignalSpy fokus(r.m.get(), &TMainformModel::fokusTilForm);
        QVERIFY(r.m->FormKeyDown(Qt::Key_F7, Qt::NoModifier));
        QCOMPARE(fokus.size(), 1);
        QCOMPARE(r.m->synligSide, 100);
        QVERIFY(!r.m->uMemoHarFokus());
    }

    void f1Emner() {
        Ramme r;
        r.m->FormCreate();
        QSignalSpy info(r.m.get(), &TMainformModel::informationOenskes);
        r.m->visStatistikBoks();
        r.m->FormKeyDown(Qt::Key_F1, Qt::NoModifier);
        r.m->visFormelBoks();
        r.m->FormKeyDown(Qt::Key_F1, Qt::NoModifier);
        QCOMPARE(info.size(), 2);
        QCOMPARE(info.at(0).at(1).toString(), QStringLiteral("Statistik"));
        QCOMPARE(info.at(1).at(1).toString(), QStringLiteral("Formelstruktur"));
        QCOMPARE(info.at(0).at(0).toString(), QStringLiteral("Info.txt"));
    }

    void primtal_data() {
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("tal");
        const int max = 2147483647;
        QTest::newRow("2,6") << 2.6 << 3;
        QTest::newRow("2,4") << 2.4 << max;
        QTest::newRow("1000000000000") << 1e12 << max;
        QTest::newRow("3,5 lige") << 3.5 << 4;
        QTest::newRow("4,5 lige") << 4.5 << 4;
        QTest::newRow("negativ") << -17.0 << max;
        QTest::newRow("-INF") << -HUGE_VAL << max;
        QTest::newRow("INF") << HUGE_VAL << max;
        QTest::newRow("NAN") << std::nan("") << max;
        QTest::newRow("loft") << 2147483647.0 << max;
        QTest::newRow("97") << 97.0 << 97;
    }
    void primtal() {
        QFETCH(double, v);
        QFETCH(int, tal);
        QCOMPARE(TMainformModel::primtalFraVaerdi(v), tal);
    }

    void lukning() {
        Ramme r;
        r.m->FormCreate();
        bool kan = false;
        r.m->setKanLukkes([&] { return kan; });
        QSignalSpy info(r.m.get(), &TMainformModel::visInfform);
        QVERIFY(!r.m->FormCloseQuery());
        QCOMPARE(info.size(), 1);
        QCOMPARE(info.first().first().toString(),
                 QStringLiteral("Der er en process i gang, så programmet kan ikke lukkes.\r"
                                "Afvendt til processen er er fuldført og prøv igen."));
        kan = true;
        QVERIFY(r.m->FormCloseQuery());
        r.m->FormClose();
        QVERIFY(QFile::exists(r.m->optFilnavn()));
    }

    void lukningUdenDatamappe() {
        Ramme r(false);
        r.m->FormCreate();
        QVERIFY(r.beskeder.boxe.isEmpty());
        r.m->FormClose();
        QCOMPARE(r.beskeder.boxe.size(), 1);
        QCOMPARE(r.beskeder.boxe.first().art, QStringLiteral("fejl"));
        QVERIFY(!QFile::exists(r.m->optFilnavn()));
    }

    // Every file that could not be written is named, in one box: those of the
    // windows that saved as they closed, the other windows' and its own.
    void lukkefejlIEnBoks() {
        Ramme r(false);
        r.m->FormCreate();
        r.m->vedLukning([] { throw TFejl(QStringLiteral("Kan ikke skrive filen grafer.txt")); });
        r.m->vedLukning([] {});
        r.m->FormClose({QStringLiteral("Kan ikke skrive filen infor.txt"),
                        QStringLiteral("Kan ikke skrive filen grafer.txt")});
        QCOMPARE(r.beskeder.boxe.size(), 1);
        QCOMPARE(r.beskeder.boxe.first().tekst,
                 QStringLiteral("Indstillingerne kunne ikke gemmes:\r"
                                "Kan ikke skrive filen infor.txt\r"
                                "Kan ikke skrive filen grafer.txt\r"
                                "Kan ikke skrive filen ") +
                     r.m->optFilnavn());
    }

    void hints() {
        Ramme r;
        r.m->FormCreate();
        r.m->showHint(QStringLiteral("Kort|Den lange forklaring"));
        QCOMPARE(r.m->statusInfo, QStringLiteral("Den lange forklaring"));
        r.m->showHint(QStringLiteral("Bestem decimaler"));
        QCOMPARE(r.m->statusInfo, QStringLiteral("Bestem decimaler"));
        r.m->doShowHint = false;
        r.m->showHint(QStringLiteral("Andet"));
        QCOMPARE(r.m->statusInfo, QStringLiteral("Bestem decimaler"));
    }

    // "Send Kritik..." and "Hjemmesiden..." open the address in the
    // desktop's browser; when none starts, a box says so and shows it.
    void webadresser_data() {
        QTest::addColumn<bool>("kritik");
        QTest::addColumn<int>("browser"); // -1 none known, 0 fails, 1 starts
        QTest::newRow("kritik, browser") << true << 1;
        QTest::newRow("kritik, fejler") << true << 0;
        QTest::newRow("hjemmeside, fejler") << false << 0;
        QTest::newRow("hjemmeside, ingen") << false << -1;
    }
    void webadresser() {
        QFETCH(bool, kritik);
        QFETCH(int, browser);
        Ramme r;
        QStringList aabnet;
        if (browser >= 0)
            r.m->setWebAabner([&aabnet, browser](const QString& a) {
                aabnet << a;
                return browser == 1;
            });
        if (kritik)
            r.m->SendKritikClick();
        else
            r.m->HjemmesidenClick();
        const QString adresse = QString::fromLatin1(kritik ? TMainformModel::kritikAdresse()
                                                           : TMainformModel::hjemmesideAdresse());
        QCOMPARE(aabnet, browser >= 0 ? QStringList{adresse} : QStringList());
        if (browser == 1) {
            QVERIFY(r.beskeder.boxe.isEmpty());
            return;
        }
        QCOMPARE(r.beskeder.boxe.size(), 1);
        QCOMPARE(r.beskeder.boxe.first().art, QStringLiteral("information"));
        QCOMPARE(r.beskeder.boxe.first().tekst,
                 QStringLiteral("Der kunne ikke startes en webbrowser.\rÅbn denne adresse i en "
                                "browser:\r") +
                     adresse);
    }

    // A theme name the program does not know: the default look is applied,
    // the one the settings dialog then shows as chosen.
    void ukendtTemaGiverStandard() {
        Ramme r;
        QStringList l = gyldigeLinjer();
        l[0] = QStringLiteral("Pink");
        r.skrivOptioner(l);
        QSignalSpy skift(r.m.get(), &TMainformModel::designAendret);
        r.m->FormCreate();
        QCOMPARE(skift.size(), 1);
        QCOMPARE(skift.first().first().toString(), QStringLiteral("Iceberg Classico"));
        int valgt = -2;
        QCOMPARE(r.m->loadDesign(&valgt).value(valgt), QStringLiteral("Iceberg Classico"));
    }

    void temaer() {
        Ramme r;
        r.m->FormCreate();
        int valgt = -2;
        const QStringList navne = r.m->loadDesign(&valgt);
        QCOMPARE(navne.size(), 8);
        QCOMPARE(navne.at(valgt), QStringLiteral("Iceberg Classico"));
        QSignalSpy luk(r.m.get(), &TMainformModel::lukVinduerForTema);
        QSignalSpy skift(r.m.get(), &TMainformModel::designAendret);
        r.m->newDesign(QStringLiteral("iceberg classico")); // same name, other case: nothing
        QCOMPARE(luk.size(), 0);
        r.m->newDesign(QStringLiteral("Sky"));
        QCOMPARE(luk.size(), 1);
        QCOMPARE(skift.size(), 1);
        QCOMPARE(r.m->designName, QStringLiteral("Sky"));
    }
};

QTEST_GUILESS_MAIN(TstMainformModel)
#include "tst_mainformmodel.moc"
