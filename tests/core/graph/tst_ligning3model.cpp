#include "core/graph/funktioner.h"
#include "core/graph/ligning3model.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstLigning3Model : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void visSkriverTalTilbage_data() {
        QTest::addColumn<QStringList>("ind");
        QTest::addColumn<QStringList>("ud");
        QTest::addColumn<int>("kurver");
        QTest::newRow("tomme bokse") << QStringList{u""_s, u""_s, u""_s, u""_s}
                                     << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s} << 0;
        QTest::newRow("punktum bliver komma")
            << QStringList{u"1.5"_s, u"-6"_s, u"1x1"_s, u"-6"_s}
            << QStringList{u"1,5"_s, u"-6"_s, u"11"_s, u"-6"_s} << 1;
    }
    void visSkriverTalTilbage() {
        QFETCH(QStringList, ind);
        QFETCH(QStringList, ud);
        QFETCH(int, kurver);
        TFunktioner graf;
        TForm3Model f(graf);
        f.ligningA = ind[0];
        f.ligningB = ind[1];
        f.ligningC = ind[2];
        f.ligningD = ind[3];
        f.ligningDKeyPress(); // Enter in d draws
        QCOMPARE((QStringList{f.ligningA, f.ligningB, f.ligningC, f.ligningD}), ud);
        QCOMPARE(graf.Antal(), kurver);
        if (kurver) QCOMPARE(graf.Lin().first().fd, -6.0);
    }

    void enterKaedeOgTaster() {
        TFunktioner graf;
        TForm3Model f(graf);
        QSignalSpy fokus(&f, &TForm3Model::fokusOenskes);
        f.ligningAKeyPress();
        f.ligningBKeyPress();
        f.ligningCKeyPress();
        f.ligningA = QStringLiteral("2");
        QVERIFY(f.FormKeyDown(Qt::Key_F9));
        QCOMPARE(graf.Antal(), 1);
        // In a box Home is the box's; Ctrl+N is "Ny" anywhere.
        QVERIFY(!f.FormKeyDown(Qt::Key_Home, Qt::NoModifier, true));
        QCOMPARE(f.ligningA, QStringLiteral("2"));
        QVERIFY(f.FormKeyDown(Qt::Key_N, Qt::ControlModifier, true));
        QVERIFY(f.ligningA.isEmpty());
        f.ligningA = QStringLiteral("2");
        QVERIFY(f.FormKeyDown(Qt::Key_Home));
        QVERIFY(f.ligningA.isEmpty());
        QVERIFY(!f.FormKeyDown(Qt::Key_F1));
        QStringList til;
        for (const auto& s : fokus)
            til << s.first().toString();
        QCOMPARE(til, (QStringList{u"ligningB"_s, u"ligningC"_s, u"ligningD"_s, u"ligningA"_s,
                                   u"ligningA"_s}));
        QCOMPARE(TForm3Model::FormCreate(QPoint(100, 50)), QPoint(370, 400));
    }
};

QTEST_GUILESS_MAIN(TstLigning3Model)
#include "tst_ligning3model.moc"
