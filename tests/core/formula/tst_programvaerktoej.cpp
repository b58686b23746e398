// tavlix-formel --program: headless runs of formula programs, and the
// example programs installed in the data folder.
#include "core/app/vaerktoejstilstande.h"
#include "core/formula/formelvaerktoej.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

TFormelVaerktoej::Resultat koer(const QStringList& args) {
    return TFormelVaerktoej::koer(args, [] { return QString(); });
}

QString eksempler() {
    return QStringLiteral(TAVLIX_KILDEMAPPE "/data/Tavlixmappe/Formler");
}

} // namespace

class TestProgramvaerktoej : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void udskrift_data();
    void udskrift();
    void json();
    void forkerteValg_data();
    void forkerteValg();
    void ulaeseligFil();
    void eksempelprogrammer_data();
    void eksempelprogrammer();

private:
    QTemporaryDir m_dir;
    QString skriv(const QString& navn, const QByteArray& bytes);
};

QString TestProgramvaerktoej::skriv(const QString& navn, const QByteArray& bytes) {
    const QString sti = m_dir.path() + u'/' + navn;
    QFile f(sti);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return sti;
}

void TestProgramvaerktoej::initTestCase() {
    vaerktoej::tilfoejAlleTilstande();
    skriv(QStringLiteral("areal.txt"), "!Areal af et rektangel\r\n:L\xe6ngde\r\n:Bredde\r\n"
                                       "*[0]=\r\n:Areal\r\n");
    skriv(QStringLiteral("x.txt"), "x=\r\n");
    skriv(QStringLiteral("fejl.txt"), ":a\r\n+2k=\r\n:b\r\n");
    skriv(QStringLiteral("tom.txt"), "\r\n   \r\n");
}

void TestProgramvaerktoej::udskrift_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("ud");
    QTest::addColumn<int>("kode");
    const QString areal = m_dir.path() + QStringLiteral("/areal.txt");
    const QString x = m_dir.path() + QStringLiteral("/x.txt");
    QTest::newRow("rektangel") << QStringList{"--program", areal, "--input", "4", "--input", "3"}
                               << "Areal af et rektangel\nLængde\nLængde = 4\nBredde\n"
                                  "Bredde = 3\nAreal = 12\nUdført\n\n"
                               << 0;
    QTest::newRow("input mangler") << QStringList{"--program=" + areal, "--input=4"}
                                   << "Areal af et rektangel\nLængde\nLængde = 4\nBredde\n"
                                   << 3;
    QTest::newRow("kvadrat") << QStringList{"--program", x, "--input", "5"}
                             << "input værdi\ninput værdi = 5\nresultat = 25\nUdført\n\n"
                             << 0;
    QTest::newRow("negativ med punktum") << QStringList{"--program", x, "--input=-1.5"}
                                         << "input værdi\ninput værdi = -1,5\nresultat = 2,25\n"
                                            "Udført\n\n"
                                         << 0;
    QTest::newRow("tom input tager nul") << QStringList{"--program", x, "--input", ""}
                                         << "input værdi\ninput værdi = 0\nresultat = 0\n"
                                            "Udført\n\n"
                                         << 0;
    QTest::newRow("decimaler") << QStringList{"--decimals", "2", "--program", x, "--input", "0,333"}
                               << "input værdi\ninput værdi = 0,333\nresultat = 0,11\nUdført\n\n"
                               << 0;
    QTest::newRow("afbrudt") << QStringList{"--program", m_dir.path() + "/fejl.txt", "--input", "1"}
                             << "a\na = 1\n"
                             << 1;
    QTest::newRow("ingen formel") << QStringList{"--program", m_dir.path() + "/tom.txt"} << "" << 1;
}

void TestProgramvaerktoej::udskrift() {
    QFETCH(QStringList, args);
    QFETCH(QString, ud);
    QFETCH(int, kode);
    const auto r = koer(args);
    QCOMPARE(r.ud, ud);
    QCOMPARE(r.exitKode, kode);
}

void TestProgramvaerktoej::json() {
    const auto r = koer({"--json", "--program", m_dir.path() + "/fejl.txt", "--input", "1"});
    const QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
    QCOMPARE(o.value("display").toString(), QStringLiteral("2"));
    QCOMPARE(o.value("list").toArray().size(), 2);
    QCOMPARE(o.value("status").toString(), QStringLiteral("Afbrudt"));
    QCOMPARE(o.value("waiting").toBool(), false);
    const auto tom = koer({"--json", "--program", m_dir.path() + "/tom.txt"});
    const QJsonObject t = QJsonDocument::fromJson(tom.ud.toUtf8()).object();
    QCOMPARE(t.value("messages").toArray().first().toString(),
             QStringLiteral("Der er ikke aktiveret nogen formel!"));
}

void TestProgramvaerktoej::forkerteValg_data() {
    QTest::addColumn<QStringList>("args");
    const QString x = m_dir.path() + QStringLiteral("/x.txt");
    QTest::newRow("uden fil") << QStringList{"--program"};
    QTest::newRow("input ikke et tal") << QStringList{"--program", x, "--input", "2+3"};
    QTest::newRow("kun minus") << QStringList{"--program", x, "--input=-"};
    QTest::newRow("input uden vaerdi") << QStringList{"--program", x, "--input"};
    QTest::newRow("andet valg") << QStringList{"--program", x, "--keys"};
    QTest::newRow("to programmer") << QStringList{"--program", x, "--program", x};
    QTest::newRow("forkert vinkel") << QStringList{"--program", x, "--angle", "x"};
}

void TestProgramvaerktoej::forkerteValg() {
    QFETCH(QStringList, args);
    const auto r = koer(args);
    QCOMPARE(r.exitKode, 2);
    QVERIFY(r.ud.isEmpty());
    QVERIFY(r.fejlUd.contains(QStringLiteral("--program FIL")));
}

void TestProgramvaerktoej::ulaeseligFil() {
    const auto r = koer({"--program", m_dir.path() + "/findes-ikke.txt"});
    QCOMPARE(r.exitKode, 1);
    QVERIFY(r.ud.isEmpty());
    QVERIFY(!r.fejlUd.isEmpty());
}

// Each example program, run with typical values, gives the expected last value.
void TestProgramvaerktoej::eksempelprogrammer_data() {
    QTest::addColumn<QString>("fil");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QString>("resultat");
    QTest::newRow("rektangel") << "Areal af rektangel.txt" << QStringList{"4", "3"} << "Areal = 12";
    QTest::newRow("cirkel") << "Cirklens areal.txt" << QStringList{"2"}
                            << "Areal = 12,5663706143592";
    QTest::newRow("pythagoras") << "Pythagoras.txt" << QStringList{"3", "4"} << "Hypotenuse c = 5";
    QTest::newRow("rentes rente") << "Rentes rente.txt" << QStringList{"1000", "5", "10"}
                                  << "Slutbeløb = 1628,89462677744";
    QTest::newRow("moms") << "Moms.txt" << QStringList{"100", ""} << "Beløb med moms = 125";
    QTest::newRow("bmi") << "BMI.txt" << QStringList{"80", "1,8"} << "BMI = 24,6913580246914";
    QTest::newRow("procentvis aendring")
        << "Procentvis ændring.txt" << QStringList{"80", "100"} << "Ændring i procent = 25";
}

void TestProgramvaerktoej::eksempelprogrammer() {
    QFETCH(QString, fil);
    QFETCH(QStringList, input);
    QFETCH(QString, resultat);
    QVERIFY(!eksempler().isEmpty());
    QStringList args{"--program", eksempler() + u'/' + fil};
    for (const QString& v : input)
        args << "--input" << v;
    const auto r = koer(args);
    QCOMPARE(r.exitKode, 0);
    const QStringList linjer = r.ud.split(u'\n');
    QVERIFY2(linjer.size() >= 4, qPrintable(r.ud + r.fejlUd));
    QCOMPARE(linjer.at(linjer.size() - 4), resultat);
    QCOMPARE(linjer.at(linjer.size() - 3), QStringLiteral("Udført"));
    QVERIFY(r.fejlUd.isEmpty());
}

QTEST_GUILESS_MAIN(TestProgramvaerktoej)
#include "tst_programvaerktoej.moc"
