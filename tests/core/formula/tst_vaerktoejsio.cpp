// The command-line tool's input limit and its checked output.
#include "core/formula/vaerktoejsio.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstVaerktoejsIo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inputGraense_data() {
        QTest::addColumn<int>("laengde");
        QTest::addColumn<bool>("laest");
        QTest::newRow("tom") << 0 << true;
        QTest::newRow("under graensen") << 99 << true;
        QTest::newRow("lige paa graensen") << 100 << true;
        QTest::newRow("en byte over") << 101 << false;
        QTest::newRow("langt over") << 5000 << false;
    }
    void inputGraense() {
        QFETCH(int, laengde);
        QFETCH(bool, laest);
        QByteArray data(laengde, 'x');
        QBuffer ind(&data);
        QVERIFY(ind.open(QIODevice::ReadOnly));
        const auto bytes = vaerktoejsio::laesHelt(ind, 100);
        QCOMPARE(bytes.has_value(), laest);
        if (laest) QCOMPARE(*bytes, data);
    }

    // Output that cannot be written is reported, not taken for success.
    void skrivning() {
        QTemporaryDir dir;
        std::FILE* fil = std::fopen(qPrintable(dir.filePath(u"ud.txt"_s)), "w");
        QVERIFY(fil);
        QVERIFY(vaerktoejsio::skrivHelt(fil, QByteArray("14\n")));
        std::fclose(fil);
#ifdef Q_OS_LINUX
        std::FILE* fuld = std::fopen("/dev/full", "w");
        QVERIFY(fuld);
        QVERIFY(!vaerktoejsio::skrivHelt(fuld, QByteArray("14\n")));
        std::fclose(fuld);
#endif
    }
};

QTEST_GUILESS_MAIN(TstVaerktoejsIo)
#include "tst_vaerktoejsio.moc"
