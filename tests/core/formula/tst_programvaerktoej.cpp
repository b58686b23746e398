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

using namespace Qt::StringLiterals;

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
    QTest::newRow("rektangel") << QStringList{u"--program"_s, areal,        u"--input"_s,
                                              u"4"_s,         u"--input"_s, u"3"_s}
                               << "Areal af et rektangel\nLængde\nLængde = 4\nBredde\n"
                                  "Bredde = 3\nAreal = 12\nUdført\n\n"
                               << 0;
    QTest::newRow("input mangler") << QStringList{u"--program="_s + areal, u"--input=4"_s}
                                   << "Areal af et rektangel\nLængde\nLængde = 4\nBredde\n"
                                   << 3;
    QTest::newRow("kvadrat") << QStringList{u"--program"_s, x, u"--input"_s, u"5"_s}
                             << "input værdi\ninput værdi = 5\nresultat = 25\nUdført\n\n"
                             << 0;
    QTest::newRow("negativ med punktum") << QStringList{u"--program"_s, x, u"--input=-1.5"_s}
                                         << "input værdi\ninput værdi = -1,5\nresultat = 2,25\n"
                                            "Udført\n\n"
                                         << 0;
    QTest::newRow("tom input tager nul") << QStringList{u"--program"_s, x, u"--input"_s, u""_s}
                                         << "input værdi\ninput værdi = 0\nresultat = 0\n"
                                            "Udført\n\n"
                                         << 0;
    QTest::newRow("decimaler") << QStringList{u"--decimals"_s, u"2"_s,    u"--program"_s, x,
                                              u"--input"_s,    u"0,333"_s}
                               << "input værdi\ninput værdi = 0,333\nresultat = 0,11\nUdført\n\n"
                               << 0;
    QTest::newRow("afbrudt") << QStringList{u"--program"_s, m_dir.path() + u"/fejl.txt"_s,
                                            u"--input"_s, u"1"_s}
                             << "a\na = 1\n"
                             << 1;
    QTest::newRow("ingen formel") << QStringList{u"--program"_s, m_dir.path() + u"/tom.txt"_s}
                                  << u""_s << 1;
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
    const auto r =
        koer({u"--json"_s, u"--program"_s, m_dir.path() + u"/fejl.txt"_s, u"--input"_s, u"1"_s});
    const QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
    QCOMPARE(o.value(u"display"_s).toString(), QStringLiteral("2"));
    QCOMPARE(o.value(u"list"_s).toArray().size(), 2);
    QCOMPARE(o.value(u"status"_s).toString(), QStringLiteral("Afbrudt"));
    QCOMPARE(o.value(u"waiting"_s).toBool(), false);
    const auto tom = koer({u"--json"_s, u"--program"_s, m_dir.path() + u"/tom.txt"_s});
    const QJsonObject t = QJsonDocument::fromJson(tom.ud.toUtf8()).object();
    QCOMPARE(t.value(u"messages"_s).toArray().first().toString(),
             QStringLiteral("Der er ikke aktiveret nogen formel!"));
}

void TestProgramvaerktoej::forkerteValg_data() {
    QTest::addColumn<QStringList>("args");
    const QString x = m_dir.path() + QStringLiteral("/x.txt");
    QTest::newRow("uden fil") << QStringList{u"--program"_s};
    QTest::newRow("input ikke et tal") << QStringList{u"--program"_s, x, u"--input"_s, u"2+3"_s};
    QTest::newRow("kun minus") << QStringList{u"--program"_s, x, u"--input=-"_s};
    QTest::newRow("input uden vaerdi") << QStringList{u"--program"_s, x, u"--input"_s};
    QTest::newRow("andet valg") << QStringList{u"--program"_s, x, u"--keys"_s};
    QTest::newRow("to programmer") << QStringList{u"--program"_s, x, u"--program"_s, x};
    QTest::newRow("forkert vinkel") << QStringList{u"--program"_s, x, u"--angle"_s, u"x"_s};
}

void TestProgramvaerktoej::forkerteValg() {
    QFETCH(QStringList, args);
    const auto r = koer(args);
    QCOMPARE(r.exitKode, 2);
    QVERIFY(r.ud.isEmpty());
    QVERIFY(r.fejlUd.contains(QStringLiteral("--program FIL")));
}

void TestProgramvaerktoej::ulaeseligFil() {
    const auto r = koer({u"--program"_s, m_dir.path() + u"/findes-ikke.txt"_s});
    QCOMPARE(r.exitKode, 1);
    QVERIFY(r.ud.isEmpty());
    QVERIFY(!r.fejlUd.isEmpty());
}

// Each example program, run with typical values, gives the expected last value.
void TestProgramvaerktoej::eksempelprogrammer_data() {
    QTest::addColumn<QString>("fil");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QString>("resultat");
    QTest::newRow("rektangel") << u"Areal af rektangel.txt"_s << QStringList{u"4"_s, u"3"_s}
                               << u"Areal = 12"_s;
    QTest::newRow("cirkel") << u"Cirklens areal.txt"_s << QStringList{u"2"_s}
                            << u"Areal = 12,5663706143592"_s;
    QTest::newRow("pythagoras") << u"Pythagoras.txt"_s << QStringList{u"3"_s, u"4"_s}
                                << u"Hypotenuse c = 5"_s;
    QTest::newRow("rentes rente") << u"Rentes rente.txt"_s
                                  << QStringList{u"1000"_s, u"5"_s, u"10"_s}
                                  << u"Slutbeløb = 1628,89462677744"_s;
    QTest::newRow("moms") << u"Moms.txt"_s << QStringList{u"100"_s, u""_s}
                          << u"Beløb med moms = 125"_s;
    QTest::newRow("bmi") << u"BMI.txt"_s << QStringList{u"80"_s, u"1,8"_s}
                         << u"BMI = 24,6913580246914"_s;
    QTest::newRow("procentvis aendring")
        << u"Procentvis ændring.txt"_s << QStringList{u"80"_s, u"100"_s}
        << u"Ændring i procent = 25"_s;
}

void TestProgramvaerktoej::eksempelprogrammer() {
    QFETCH(QString, fil);
    QFETCH(QStringList, input);
    QFETCH(QString, resultat);
    QVERIFY(!eksempler().isEmpty());
    QStringList args{u"--program"_s, eksempler() + u'/' + fil};
    for (const QString& v : input)
        args << u"--input"_s << v;
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
