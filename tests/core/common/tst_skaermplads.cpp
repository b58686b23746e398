// Secondary windows are kept inside a screen's available area.
#include "core/common/skaermplads.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<QRect>)

class TstSkaermplads : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void indenfor_data() {
        QTest::addColumn<QPoint>("oensket");
        QTest::addColumn<QSize>("vindue");
        QTest::addColumn<QList<QRect>>("skaerme");
        QTest::addColumn<QPoint>("plads");
        // A panel of 30 pixels at the top of a 1280 x 1024 screen.
        const QList<QRect> en{QRect(0, 30, 1280, 994)};
        // Two screens side by side, the right one lower and smaller.
        const QList<QRect> to{QRect(0, 0, 1280, 1024), QRect(1280, 200, 1024, 768)};
        QTest::newRow("inside stays")
            << QPoint(100, 100) << QSize(300, 200) << en << QPoint(100, 100);
        // The structure editor centred on a main window at the left edge.
        QTest::newRow("off the left edge")
            << QPoint(-131, 200) << QSize(760, 636) << en << QPoint(0, 200);
        QTest::newRow("under the panel")
            << QPoint(50, 0) << QSize(300, 200) << en << QPoint(50, 30);
        QTest::newRow("off the bottom right")
            << QPoint(1200, 1000) << QSize(300, 200) << en << QPoint(980, 824);
        QTest::newRow("larger than the screen")
            << QPoint(-50, -50) << QSize(1500, 1100) << en << QPoint(0, 30);
        QTest::newRow("far away from a file")
            << QPoint(2000000000, -2000000000) << QSize(400, 300) << en << QPoint(880, 30);
        QTest::newRow("most on the second screen")
            << QPoint(1200, 300) << QSize(400, 300) << to << QPoint(1280, 300);
        QTest::newRow("across into the gap below the second screen")
            << QPoint(1400, 900) << QSize(400, 300) << to << QPoint(1400, 668);
        QTest::newRow("on no screen: the nearest")
            << QPoint(3000, 50) << QSize(400, 300) << to << QPoint(1904, 200);
        QTest::newRow("no screens")
            << QPoint(-5, -5) << QSize(10, 10) << QList<QRect>{} << QPoint(-5, -5);
    }
    void indenfor() {
        QFETCH(QPoint, oensket);
        QFETCH(QSize, vindue);
        QFETCH(QList<QRect>, skaerme);
        QFETCH(QPoint, plads);
        QCOMPARE(skaermplads::indenfor(oensket, vindue, skaerme), plads);
    }
};

QTEST_GUILESS_MAIN(TstSkaermplads)
#include "tst_skaermplads.moc"
