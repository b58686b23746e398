#include "core/common/fejl.h"
#include "core/common/tekstkodning.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TstTekstkodning : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fraBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("tom") << QByteArray() << QString();
        QTest::newRow("ascii") << QByteArray("a=1\r\n") << "a=1\r\n";
        QTest::newRow("1252 æøå€") << QByteArray("\xE6\xF8\xE5\x80") << QString::fromUtf8("æøå€");
        QTest::newRow("1252 anførselstegn og tankestreg")
            << QByteArray("\x93x\x94\x96\x9F") << QString::fromUtf8("“x”–Ÿ");
        QTest::newRow("udefinerede bytes bevares")
            << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D);
        QTest::newRow("UTF-8 med BOM")
            << QByteArray("\xEF\xBB\xBF\xC3\xA6\xE2\x82\xAC") << QString::fromUtf8("æ€");
        QTest::newRow("UTF-8 uden BOM læses som 1252")
            << QByteArray("\xC3\xA6") << QString::fromUtf8("Ã¦");
        QTest::newRow("UTF-16 LE")
            << QByteArray("\xFF\xFE\xE6\x00\xAC\x20", 6) << QString::fromUtf8("æ€");
        QTest::newRow("UTF-16 BE")
            << QByteArray("\xFE\xFF\x00\xE6\x20\xAC", 6) << QString::fromUtf8("æ€");
        QTest::newRow("kun BOM") << QByteArray("\xEF\xBB\xBF") << QString();
    }
    void fraBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, tekst);
        QCOMPARE(tekst::fraBytes(bytes), tekst);
    }

    void tilBytes_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("æøå€ som 1252")
            << QString::fromUtf8("æøå€") << QByteArray("\xE6\xF8\xE5\x80");
        QTest::newRow("udefineret kodepunkt tilbage til sin byte")
            << QString(QChar(0x8D)) << QByteArray("\x8D");
        QTest::newRow("tegn uden for 1252 giver UTF-8 med BOM")
            << QString::fromUtf8("π€") << QByteArray("\xEF\xBB\xBF\xCF\x80\xE2\x82\xAC");
        QTest::newRow("C1-tegn som 1252 bruger til andet")
            << QString(QChar(0x80)) << QByteArray("\xEF\xBB\xBF\xC2\x80");
        // These would otherwise be mistaken for a byte-order mark when read.
        QTest::newRow("begynder som UTF-16 LE BOM")
            << QString::fromUtf8("ÿþx") << QByteArray("\xEF\xBB\xBF\xC3\xBF\xC3\xBEx");
        QTest::newRow("begynder som UTF-8 BOM")
            << QString::fromUtf8("ï»¿") << QByteArray("\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF");
        QTest::newRow("tom") << QString() << QByteArray();
        // The mark is written once; the text's own U+FEFF follows it and stays.
        QTest::newRow("begynder med U+FEFF") << QChar(0xFEFF) + QStringLiteral("abc")
                                             << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                           "abc");
    }
    void tilBytes() {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, bytes);
        QCOMPARE(tekst::tilBytes(tekst), bytes);
        QCOMPARE(tekst::fraBytes(bytes), tekst);
    }

    void alle1252BytesOverleverEnRundtur() {
        QByteArray alle("a");
        for (int b = 0; b < 256; ++b)
            alle += char(b);
        QCOMPARE(tekst::tilBytes(tekst::fraBytes(alle)), alle);
    }

    void filRundtur() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"f.txt"_s);
        tekst::skrivFil(sti, QStringLiteral("gammel og længere tekst"));
        tekst::skrivFil(sti, QString::fromUtf8("æøå€\r\n"));
        QFile f(sti);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xE6\xF8\xE5\x80\r\n"));
        QCOMPARE(tekst::laesFil(sti), QString::fromUtf8("æøå€\r\n"));
    }

    void uFeffOverleverFilRundtur_data() {
        QTest::addColumn<QByteArray>("bom");
        QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx");
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE\xFF\xFEx\x00", 6);
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\xFE\xFF\x00x", 6);
    }
    void uFeffOverleverFilRundtur() {
        QFETCH(QByteArray, bom);
        QCOMPARE(tekst::fraBytes(bom), QString(QChar(0xFEFF)) + u'x');
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"f.txt"_s);
        tekst::skrivFil(sti, QString(QChar(0xFEFF)) + u'x');
        QCOMPARE(tekst::laesFil(sti), QString(QChar(0xFEFF)) + u'x');
    }

    void manglendeMappeVedSkrivning() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"findesikke/f.txt"_s);
        try {
            tekst::skrivFil(sti, QStringLiteral("x"));
            QFAIL("ingen filfejl");
        } catch (const TFilFejl& f) {
            QCOMPARE(f.tekst(), QStringLiteral("Kan ikke skrive filen %1").arg(sti));
        }
        QVERIFY(!QFileInfo::exists(sti));
    }

    void manglendeFilVedLaesning() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"findesikke.txt"_s);
        try {
            tekst::laesFil(sti);
            QFAIL("ingen filfejl");
        } catch (const TFilFejl& f) {
            QCOMPARE(f.tekst(), QString::fromUtf8("Kan ikke læse filen %1").arg(sti));
        }
        QVERIFY_THROWS_EXCEPTION(TFilFejl, tekst::laesFil(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TstTekstkodning)
#include "tst_tekstkodning.moc"
