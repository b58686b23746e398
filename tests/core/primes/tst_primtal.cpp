#include "beskedoptager.h"
#include "core/primes/primtal.h"

#include <cmath>
#include <QSignalSpy>
#include <QtTest>

namespace {
QList<qint32> langsomt(qint32 n) {
    // The plain trial division from n - 1 down to 3, for comparison.
    QList<qint32> l;
    for (qint32 x = n - 1; x >= 3; --x)
        if (n % x == 0) l.append(x);
    return l;
}
} // namespace

class TstPrimtal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void divisorerSomProevedeling() {
        for (qint32 n = 3; n < 5000; ++n)
            QCOMPARE(TPrimtalModel::divisorer(n), langsomt(n));
        for (qint32 n : {2147483647, 2147483645, 2147483643, 1073741823, 999999999})
            for (qint32 d : TPrimtalModel::divisorer(n))
                QCOMPARE(n % d, 0);
        QVERIFY(TPrimtalModel::divisorer(2147483647).isEmpty());
        // 2147483645 = 5 * 429496729; the square-root search must see the large cofactor.
        QCOMPARE(TPrimtalModel::divisorer(2147483645).last(), 5);
        // A square: its root appears once.
        QCOMPARE(TPrimtalModel::divisorer(49), QList<qint32>{7});
    }

    void test_data() {
        QTest::addColumn<QString>("tal");
        QTest::addColumn<bool>("startet");
        QTest::addColumn<QString>("slut");
        QTest::addColumn<QList<qint32>>("liste");
        QTest::addColumn<QStringList>("beskeder");
        const QString uventet =
            QStringLiteral("Der opstod en uventet fejl.\rLuk boksen og prøv igen.");
        QTest::newRow("3 primtal")
            << "3" << true << "Tallet er et primtal" << QList<qint32>{} << QStringList{};
        QTest::newRow("9") << "9" << true << "Der blev fundet 1 tal, der går op i tallet."
                           << QList<qint32>{3} << QStringList{};
        QTest::newRow("15") << "15" << true << "Der blev fundet 2 tal, der går op i tallet."
                            << QList<qint32>{3, 5} << QStringList{};
        QTest::newRow("største") << "2147483647" << true << "Tallet er et primtal"
                                 << QList<qint32>{} << QStringList{};
        QTest::newRow("lige") << "10" << false << "Et lige tal kan ikke være et primtal!"
                              << QList<qint32>{} << QStringList{};
        QTest::newRow("1") << "1" << false << "" << QList<qint32>{} << QStringList{};
        QTest::newRow("2") << "2" << false << "" << QList<qint32>{} << QStringList{};
        QTest::newRow("tom") << "" << false << "" << QList<qint32>{} << QStringList{};
        QTest::newRow("ikke et tal")
            << "1a3" << false << "" << QList<qint32>{} << QStringList{uventet};
    }
    void test() {
        QFETCH(QString, tal);
        BeskedOptager b;
        TPrimtalModel m(b, [] { return 7; });
        m.primtalListe = {99};
        m.primtalEdit = tal;
        QFETCH(bool, startet);
        QCOMPARE(m.KanProcessenStartes(), startet);
        if (startet) {
            QCOMPARE(m.startInfoLabel, QStringLiteral("Undersøger om tallet er et primtal."));
            QVERIFY(!m.kanLukkes() && m.aktivitet && !m.startKnapAktiv && !m.hentButtonAktiv);
            m.koerSynkront();
            QCOMPARE(m.startInfoLabel, QStringLiteral("Udført"));
        } else {
            QCOMPARE(m.startInfoLabel, QString());
        }
        QFETCH(QString, slut);
        QFETCH(QList<qint32>, liste);
        QFETCH(QStringList, beskeder);
        QCOMPARE(m.slutInfoLabel, slut);
        QCOMPARE(m.primtalListe, liste);
        QCOMPARE(b.tekster(), beskeder);
        QVERIFY(m.kanLukkes() && !m.aktivitet && m.startKnapAktiv && m.hentButtonAktiv);
    }

    // The real road: a task on the thread pool, completion on this thread,
    // and closing refused until it has run.
    void baggrund() {
        BeskedOptager b;
        TPrimtalModel m(b, [] { return 7; });
        QSignalSpy faerdig(&m, &TPrimtalModel::testFaerdig);
        m.primtalEdit = QStringLiteral("2147483643");
        m.startKnapClick();
        QVERIFY(!m.kanLukkes());
        QVERIFY(!m.FormCloseQuery());
        QCOMPARE(b.tekster().last(),
                 QStringLiteral("Der er en process i gang, så programmet kan ikke lukkes.\r"
                                "Afvendt til processen er er fuldført og prøv igen."));
        // Enter and "Hent" while the test runs change nothing.
        m.primtalEdit = QStringLiteral("15");
        m.primtalEditKeyPress();
        m.hentButtonClick();
        QCOMPARE(m.primtalEdit, QStringLiteral("15"));
        QVERIFY(faerdig.wait(5000));
        QCOMPARE(faerdig.count(), 1);
        QVERIFY(m.kanLukkes() && m.FormCloseQuery());
        const QList<qint32> ned = TPrimtalModel::divisorer(2147483643);
        QVERIFY(!ned.isEmpty());
        QCOMPARE(m.primtalListe, QList<qint32>(ned.crbegin(), ned.crend()));
        QCOMPARE(m.MyData.startTal, 2147483643);
    }

    void forStortTal() {
        BeskedOptager b;
        TPrimtalModel m(b, [] { return 7; });
        m.primtalEditChange(QStringLiteral("2147483648"));
        QCOMPARE(m.primtalEdit, QStringLiteral("2147483647"));
        QCOMPARE(b.tekster(), QStringList{QStringLiteral(
                                  "Indførte tal overstiger integer-værdien 2147483647.")});
        m.primtalEditChange(QStringLiteral("2147483647"));
        m.primtalEditChange(QString());
        QCOMPARE(b.boxe.size(), 1);
    }

    void hent() {
        BeskedOptager b;
        TPrimtalModel m(b, [] { return 2147483647; });
        m.primtalEdit = QStringLiteral("9");
        m.startKnapClick();
        QTRY_VERIFY(m.kanLukkes());
        m.hentButtonClick();
        QCOMPARE(m.primtalEdit, QStringLiteral("2147483647"));
        QVERIFY(m.primtalListe.isEmpty());
        QCOMPARE(m.startInfoLabel, QString());
        QCOMPARE(m.slutInfoLabel, QString());
    }

    // "Hent" takes the calculator's value by the window's own rule, not by
    // the "Primtal" button's (which turns values below 3 into 2147483647).
    void hentRegel_data() {
        QTest::addColumn<double>("vaerdi");
        QTest::addColumn<QString>("boks");
        QTest::newRow("2") << 2.0 << "2";
        QTest::newRow("2,4 afrundes") << 2.4 << "2";
        QTest::newRow("2,5 halv til lige") << 2.5 << "2";
        QTest::newRow("0,4 under 1") << 0.4 << "0";
        QTest::newRow("negativ") << -7.0 << "0";
        QTest::newRow("største") << 2147483647.0 << "2147483647";
        QTest::newRow("over største") << 1e12 << "2147483647";
        QTest::newRow("ikke et tal") << std::nan("") << "2147483647";
    }
    void hentRegel() {
        QFETCH(double, vaerdi);
        QFETCH(QString, boks);
        BeskedOptager b;
        TPrimtalModel m(b, [vaerdi] { return vaerdi; });
        m.hentButtonClick();
        QCOMPARE(m.primtalEdit, boks);
    }

    void hjaelp() {
        BeskedOptager b;
        TPrimtalModel m(b, {});
        QSignalSpy info(&m, &TPrimtalModel::informationOenskes);
        m.infoButtonClick();
        QCOMPARE(info.at(0), (QVariantList{QStringLiteral("Info"), QStringLiteral("Primtal")}));
    }
};

QTEST_GUILESS_MAIN(TstPrimtal)
#include "tst_primtal.moc"
