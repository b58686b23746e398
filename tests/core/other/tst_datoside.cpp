#include "beskedoptager.h"
#include "core/common/fejl.h"
#include "core/common/shellaabn.h"
#include "core/other/datoside.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A data folder with the date program in its "datediff" folder, where the
// page is told to find it.
struct Mappe {
    QTemporaryDir dir;
    BeskedOptager b;
    TDatoside side{dir.path(), b};

    explicit Mappe(bool medProgram = true) {
        QDir(dir.path()).mkpath(QStringLiteral("datediff"));
        side.programSti = dir.path() + QStringLiteral("/datediff/datediff");
        if (medProgram) QFile::copy(QStringLiteral(TAVLIX_DATEDIFF), side.programFil());
    }
    void skrivProgram(const QByteArray& indhold, QFile::Permissions rettigheder) {
        QFile f(side.programFil());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(indhold);
        f.close();
        QVERIFY(f.setPermissions(rettigheder));
    }
    void saetDatoer(const QString& en, const QString& to) {
        const QStringList d[2] = {en.split(u'-'), to.split(u'-')};
        for (int nr = 1; nr <= 2; ++nr)
            for (int f = 0; f < 3; ++f)
                side.setFelt(nr, f, d[nr - 1].at(f));
    }
};

const QFile::Permissions kanKoeres =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser;

} // namespace

class TstDatoside : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resultatTekster_data() {
        QTest::addColumn<QStringList>("linjer");
        QTest::addColumn<QString>("edit1");
        QTest::addColumn<QString>("edit2");
        QTest::newRow("ental") << QStringList{u"1"_s, u"1"_s, u"1"_s, u"365"_s}
                               << u"1 år, 1 måned samt 1 dag."_s << u"365 dage ialt."_s;
        QTest::newRow("flertal") << QStringList{u"0"_s, u"2"_s, u"10"_s, u"71"_s}
                                 << "0 år, 2 måneder samt 10 dage."
                                 << "71 dage ialt.";
        QTest::newRow("blank før 1 er flertal")
            << QStringList{u"0"_s, u" 1"_s, u"0"_s, u"31"_s} << u"0 år,  1 måneder samt 0 dage."_s
            << u"31 dage ialt."_s;
    }
    void resultatTekster() {
        QFETCH(QStringList, linjer);
        QFETCH(QString, edit1);
        QFETCH(QString, edit2);
        QCOMPARE(TDatoside::resultatTekst1(linjer[0], linjer[1], linjer[2]), edit1);
        QCOMPARE(TDatoside::resultatTekst2(linjer[3]), edit2);
    }

    void fejlkoder_data() {
        QTest::addColumn<int>("kode");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0") << 0
                           << "Operationssystemet er løbet tør for hukommelse eller resourcer.";
        QTest::newRow("2") << 2 << "Den specificerede fil blev ikke fundet.";
        QTest::newRow("3") << 3 << "Stien blev ikke fundet.";
        QTest::newRow("5") << 5 << "Operationssystemet forbød adgang til filen.";
        QTest::newRow("8") << 8 << "Der var ikke hukommelse nok til at fuldføre operationen.";
        QTest::newRow("11")
            << 11 << "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).";
        QTest::newRow("26") << 26 << "Der opstod en \"sharing violation\".";
        QTest::newRow("27") << 27 << "Filnavnsassociatonen er ukomplet eller invalid";
        QTest::newRow("28")
            << 28 << "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".";
        QTest::newRow("29") << 29 << "\"DDE transaction\" mislykkedes.";
        QTest::newRow("30") << 30
                            << "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke "
                               "fuldføres\rfordi andre \"DDE transactions\" skulle udføres.";
        QTest::newRow("31") << 31 << "Der er ikke associeret noget program med givne filefternavn.";
        QTest::newRow("32") << 32
                            << "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.";
        QTest::newRow("1") << 1 << "Meningsløs operation eller ukendt fejl.";
        QTest::newRow("7") << 7 << "Meningsløs operation eller ukendt fejl.";
    }
    void fejlkoder() {
        QFETCH(int, kode);
        QFETCH(QString, tekst);
        Mappe m;
        m.side.ErrorInfo(kode);
        QCOMPARE(m.b.boxe.size(), 1);
        QCOMPARE(m.b.boxe[0].art, QStringLiteral("information"));
        QCOMPARE(m.b.boxe[0].tekst, tekst);
    }

    void startfejl() {
        QTemporaryDir dir;
        QProcess p;
        const QString f = dir.path() + QStringLiteral("/prog");
        QCOMPARE(shellaabn::aabn(p, f, {}, dir.path()), int(shellaabn::IkkeFundet));
        QCOMPARE(shellaabn::aabn(p, dir.path() + QStringLiteral("/nej/prog"), {}, {}),
                 int(shellaabn::StiIkkeFundet));
        QFile fil(f);
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write("\x01\x02\x03 ikke et program");
        fil.close();
        QCOMPARE(shellaabn::aabn(p, f, {}, dir.path()), int(shellaabn::AdgangNaegtet));
        QVERIFY(fil.setPermissions(kanKoeres));
        QCOMPARE(shellaabn::aabn(p, f, {}, dir.path()), int(shellaabn::IkkeProgram));
        QCOMPARE(shellaabn::aabn(p, QStringLiteral(TAVLIX_DATEDIFF), {}, dir.path() + u"/x"_s),
                 int(shellaabn::StiIkkeFundet));
    }

    void kalenderensRegler() {
        TKalender k;
        QVERIFY(k.setDato(QDate(2013, 1, 31)));
        QVERIFY(k.flytMaaned(1));
        QCOMPARE(k.dato(), QDate(2013, 2, 28));
        QVERIFY(k.setDato(QDate(2012, 2, 29)));
        QVERIFY(k.flytAar(1));
        QCOMPARE(k.dato(), QDate(2013, 2, 28));
        QVERIFY(k.setDato(QDate(2012, 2, 29)));
        QVERIFY(k.flytAar(-1));
        QCOMPARE(k.dato(), QDate(2011, 2, 28));
        // Ignored values.
        QVERIFY(k.setDato(QDate(2013, 10, 30)));
        QVERIFY(!k.setDag(0));
        QVERIFY(!k.setDag(32));
        QVERIFY(!k.setMaaned(13));
        QVERIFY(!k.setAar(0));
        QVERIFY(!k.setDag(30));
        QCOMPARE(k.dato(), QDate(2013, 10, 30));
        // A combination that is no date.
        QVERIFY(k.setDag(31));
        QVERIFY_THROWS_EXCEPTION(TFejl, k.setMaaned(11));
        QCOMPARE(k.dato(), QDate(2013, 10, 31));
        QVERIFY(!k.flytAar(8000)); // beyond year 9999
    }

    void opdater_data() {
        QTest::addColumn<QDate>("kalender");
        QTest::addColumn<QStringList>("felter");
        QTest::addColumn<QDate>("bliver");
        QTest::addColumn<QStringList>("vist");
        QTest::newRow("almindelig")
            << QDate(2013, 10, 30) << QStringList{u"15"_s, u"3"_s, u"2020"_s} << QDate(2020, 3, 15)
            << QStringList{u"15"_s, u"3"_s, u"2020"_s};
        QTest::newRow("nuller og bogstaver")
            << QDate(2013, 10, 30) << QStringList{u"07"_s, u"x"_s, u"2014"_s} << QDate(2014, 10, 7)
            << QStringList{u"7"_s, u"10"_s, u"2014"_s};
        // Valid dates are set at once, whatever month the calendar shows.
        QTest::newRow("30 marts fra februar")
            << QDate(2013, 2, 10) << QStringList{u"30"_s, u"3"_s, u"2013"_s} << QDate(2013, 3, 30)
            << QStringList{u"30"_s, u"3"_s, u"2013"_s};
        QTest::newRow("skuddag fra marts 2013")
            << QDate(2013, 3, 5) << QStringList{u"29"_s, u"2"_s, u"2012"_s} << QDate(2012, 2, 29)
            << QStringList{u"29"_s, u"2"_s, u"2012"_s};
    }
    void opdater() {
        QFETCH(QDate, kalender);
        QFETCH(QStringList, felter);
        QFETCH(QDate, bliver);
        QFETCH(QStringList, vist);
        Mappe m;
        m.side.dato[1].kalender.setDato(kalender);
        for (int f = 0; f < 3; ++f)
            m.side.setFelt(2, f, felter[f]);
        m.side.opdaterKnapClick(2);
        QCOMPARE(m.side.dato[1].kalender.dato(), bliver);
        const auto& d = m.side.dato[1];
        QCOMPARE((QStringList{d.dayEdit, d.monthEdit, d.yearEdit}), vist);
    }

    void opdaterUgyldigGaarEfterReglerne() {
        Mappe m;
        m.side.dato[0].kalender.setDato(QDate(2013, 10, 30));
        m.side.setFelt(1, 0, QStringLiteral("31"));
        m.side.setFelt(1, 1, QStringLiteral("2"));
        m.side.setFelt(1, 2, QStringLiteral("2013"));
        QVERIFY_THROWS_EXCEPTION(TFejl, m.side.opdaterKnapClick(1));
        QCOMPARE(m.side.dato[0].kalender.dato(), QDate(2013, 10, 31));
        QCOMPARE(m.side.dato[0].monthEdit, QStringLiteral("10"));
    }

    void knapperOgIDag() {
        Mappe m;
        m.side.FormCreate();
        const QDate idag = QDate::currentDate();
        QCOMPARE(m.side.idagCaption, QStringLiteral("I dag: ") + idag.toString(u"dd-MM-yyyy"_s));
        QCOMPARE(m.side.dato[0].dayEdit, QString::number(idag.day()));
        m.side.dato[0].kalender.setDato(QDate(2013, 1, 31));
        m.side.mNextClick(1);
        QCOMPARE(m.side.dato[0].monthEdit, QStringLiteral("2"));
        QCOMPARE(m.side.dato[0].dayEdit, QStringLiteral("28"));
        m.side.yPrevClick(1);
        m.side.mPrevClick(1);
        QCOMPARE(m.side.dato[0].kalender.dato(), QDate(2012, 1, 28));
        m.side.yNextClick(1);
        QCOMPARE(m.side.dato[0].yearEdit, QStringLiteral("2013"));
        m.side.kalenderKlik(1, QDate(2001, 5, 6));
        QCOMPARE(m.side.dato[0].yearEdit, QStringLiteral("2001"));
        m.side.datoLabelClick(1);
        QCOMPARE(m.side.dato[0].kalender.dato(), idag);
        QCOMPARE(m.side.dato[0].yearEdit, QString::number(idag.year()));
    }

    void parameterteksten() {
        Mappe m;
        m.saetDatoer(QStringLiteral("30-10-2013"), QStringLiteral("1-1-2020"));
        QCOMPARE(m.side.parameterTekst(), QStringLiteral("30-10-2013 1-1-2020"));
    }

    // Each run reads its own answer: a result file of the fixed name
    // "datediff.txt" and the answer of the run before stay out of it, and the
    // fields are empty from the start of a run until its own answer is read.
    void beregnMedProgrammet() {
        Mappe m;
        QFile fremmed(m.side.resultatMappe() + QStringLiteral("/datediff.txt"));
        QVERIFY(fremmed.open(QIODevice::WriteOnly));
        fremmed.write("9\r\n9\r\n9\r\n9\r\n");
        fremmed.close();
        m.saetDatoer(QStringLiteral("1-1-2019"), QStringLiteral("2-2-2020"));
        m.side.beregnKnapClick();
        QVERIFY(m.side.venter());
        const QString foerste = m.side.resultatFil();
        QVERIFY(foerste.startsWith(m.side.resultatMappe() + QStringLiteral("/datediff-")));
        m.side.koerTilEnde();
        QCOMPARE(m.side.Edit1, QStringLiteral("1 år, 1 måned samt 1 dag."));
        QCOMPARE(m.side.Edit2, QStringLiteral("397 dage ialt."));

        // 1-1-2019 to 3-3-2021: 365 + 366 + 31 + 28 + 2 = 792 days.
        m.saetDatoer(QStringLiteral("1-1-2019"), QStringLiteral("3-3-2021"));
        m.side.beregnKnapClick();
        QVERIFY(m.side.venter());
        QCOMPARE(m.side.Edit1, QString());
        QCOMPARE(m.side.Edit2, QString());
        const QString anden = m.side.resultatFil();
        QVERIFY(anden.startsWith(m.side.resultatMappe() + QStringLiteral("/datediff-")));
        QVERIFY(anden != foerste);
        m.side.koerTilEnde();
        QCOMPARE(m.side.resultat, (QStringList{u"2"_s, u"2"_s, u"2"_s, u"792"_s}));
        QCOMPARE(m.side.Edit1, QStringLiteral("2 år, 2 måneder samt 2 dage."));
        QCOMPARE(m.side.Edit2, QStringLiteral("792 dage ialt."));
        QVERIFY(m.b.boxe.isEmpty());
        // Each run's own file is removed once read; the other file is not touched.
        QVERIFY(!QFile::exists(foerste));
        QVERIFY(!QFile::exists(anden));
        QCOMPARE(QDir(m.side.resultatMappe()).entryList(QDir::Files),
                 (QStringList{u"datediff"_s, u"datediff.txt"_s}));
        QVERIFY(fremmed.open(QIODevice::ReadOnly));
        QCOMPARE(fremmed.readAll(), QByteArray("9\r\n9\r\n9\r\n9\r\n"));
    }

    // Twenty pages on one data folder at once (two windows, or a window and
    // scripts): each reads its own answer.
    void mangeSamtidigt() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("datediff"));
        BeskedOptager b;
        std::vector<std::unique_ptr<TDatoside>> sider;
        for (int i = 0; i < 20; ++i) {
            sider.push_back(std::make_unique<TDatoside>(dir.path(), b));
            TDatoside& s = *sider.back();
            QCOMPARE(s.programSti, QStringLiteral(TAVLIX_DATEDIFF));
            // 1-1-2000 to i+1 days, months and years later: no two alike.
            s.setFelt(1, 0, QStringLiteral("1"));
            s.setFelt(1, 1, QStringLiteral("1"));
            s.setFelt(1, 2, QStringLiteral("2000"));
            s.setFelt(2, 0, QString::number(i % 27 + 2));
            s.setFelt(2, 1, QString::number(i % 11 + 2));
            s.setFelt(2, 2, QString::number(2001 + i));
            s.beregnKnapClick();
        }
        for (int i = 0; i < 20; ++i) {
            TDatoside& s = *sider[static_cast<std::size_t>(i)];
            s.koerTilEnde();
            const QString forventet = TDatoside::resultatTekst1(
                QString::number(i + 1), QString::number(i % 11 + 1), QString::number(i % 27 + 1));
            QCOMPARE(s.Edit1, forventet);
            const qint64 dage = QDate(2000, 1, 1).daysTo(QDate(2001 + i, i % 11 + 2, i % 27 + 2));
            QCOMPARE(s.Edit2, QStringLiteral("%1 dage ialt.").arg(dage));
        }
        QVERIFY(b.boxe.isEmpty());
        QVERIFY(QDir(dir.path() + QStringLiteral("/datediff")).entryList(QDir::Files).isEmpty());
    }

    void beregnMedTimeren() {
        Mappe m;
        m.saetDatoer(QStringLiteral("28-2-2020"), QStringLiteral("1-3-2020"));
        m.side.beregnKnapClick();
        QTRY_VERIFY_WITH_TIMEOUT(!m.side.venter(), 10000);
        QCOMPARE(m.side.Edit1, QStringLiteral("0 år, 0 måneder samt 2 dage."));
        QCOMPARE(m.side.Edit2, QStringLiteral("2 dage ialt."));
    }

    void manglendeProgram() {
        Mappe m(false);
        m.side.beregnKnapClick();
        QCOMPARE(m.b.tekster(), QStringList{u"Der mangler en fil!"_s});
        QVERIFY(!m.side.venter());
    }

    void programmetAfviserDatoen() {
        Mappe m;
        m.saetDatoer(QStringLiteral("31-2-2013"), QStringLiteral("1-1-2020"));
        // A result of earlier dates would read as the answer for these.
        m.side.Edit1 = QStringLiteral("1 år, 0 måneder samt 0 dage.");
        m.side.Edit2 = QStringLiteral("365 dage ialt.");
        m.side.beregnKnapClick();
        m.side.koerTilEnde();
        QCOMPARE(m.b.tekster(), QStringList{u"Ugyldig dato: 31-2-2013"_s});
        QCOMPARE(m.side.Edit1, QString());
        QCOMPARE(m.side.Edit2, QString());
        QVERIFY(m.side.resultatFil().isEmpty());
        QCOMPARE(QDir(m.side.resultatMappe()).entryList(QDir::Files), QStringList{u"datediff"_s});
    }

    void startfejlViserBesked() {
        Mappe m(false);
        m.skrivProgram("ikke et program", QFile::ReadOwner | QFile::WriteOwner);
        m.side.beregnKnapClick();
        QCOMPARE(m.b.tekster(), QStringList{u"Operationssystemet forbød adgang til filen."_s});
        QVERIFY(!m.side.venter());
    }

    void ventetidenErBegraenset() {
#ifdef Q_OS_UNIX
        Mappe m(false);
        m.skrivProgram("#!/bin/sh\nsleep 30\n", kanKoeres);
        m.side.ventegraense = 2;
        m.side.beregnKnapClick();
        QVERIFY(m.side.venter());
        m.side.scriptTimerTimer();
        QVERIFY(m.side.venter());
        m.side.scriptTimerTimer();
        QVERIFY(!m.side.venter());
        QCOMPARE(m.b.tekster(),
                 QStringList{u"Datoberegningen blev ikke færdig i tide og er stoppet."_s});
#endif
    }

    void kortResultatfilGiverFejl() {
#ifdef Q_OS_UNIX
        Mappe m(false);
        m.skrivProgram("#!/bin/sh\nprintf '1\\r\\n2\\r\\n' > \"$3\"\n", kanKoeres);
        m.side.beregnKnapClick();
        QVERIFY_THROWS_EXCEPTION(TIndeksFejl, m.side.koerTilEnde());
        QVERIFY(!m.side.venter());
#endif
    }
};

QTEST_GUILESS_MAIN(TstDatoside)
#include "tst_datoside.moc"
