#include "core/common/fejl.h"
#include "core/common/optionsfil.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
#endif

namespace {
QByteArray indhold(const QString& sti) {
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
}
void skrivBytes(const QString& sti, const QByteArray& b) {
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}
} // namespace

class TstOptionsFil : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rundtur() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"mainform.txt"_s);
        TOptionsSkriver s;
        s.tekst(QString::fromUtf8("Iceberg Classico æ"));
        s.heltal(-5);
        s.tal(1.5);
        s.flag(true);
        s.flag(false);
        s.tekst(QString());
        s.gem(sti);
        QCOMPARE(indhold(sti), QByteArray("Iceberg Classico \xE6\r\n-5\r\n1,5\r\n1\r\n0\r\n\r\n"));

        const TOptionsFil f = TOptionsFil::laes(sti);
        QCOMPARE(f.antal(), 6);
        QCOMPARE(f.tekst(1), QString::fromUtf8("Iceberg Classico æ"));
        QCOMPARE(f.heltal(2), -5);
        QCOMPARE(f.tal(3), 1.5);
        QVERIFY(f.flag(4));
        QVERIFY(!f.flag(5));
        QCOMPARE(f.tekst(6), QString());
    }

    void linjeskift_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("linjer");
        QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("LF uden sidste skift") << QByteArray("a\nb") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("tom linje i midten")
            << QByteArray("a\r\n\r\nb") << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("LF efterfulgt af CRLF")
            << QByteArray("a\n\r\nb") << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("tom fil") << QByteArray() << QStringList{};
        QTest::newRow("kun et linjeskift") << QByteArray("\r\n") << QStringList{u""_s};
        QTest::newRow("blanke bevares") << QByteArray(" 1 \r\n") << QStringList{u" 1 "_s};
    }
    void linjeskift() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, linjer);
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"f.txt"_s);
        skrivBytes(sti, bytes);
        QCOMPARE(TOptionsFil::laes(sti).linjer(), linjer);
    }

    void manglendeLinje_data() {
        QTest::addColumn<int>("linje");
        QTest::newRow("efter sidste") << 3;
        QTest::newRow("nul") << 0;
        QTest::newRow("negativ") << -1;
    }
    void manglendeLinje() {
        QFETCH(int, linje);
        const TOptionsFil f(QStringList{u"1"_s, u"2"_s});
        try {
            f.tekst(linje);
            QFAIL("ingen indeksfejl");
        } catch (const TIndeksFejl& e) {
            QCOMPARE(e.tekst(), QStringLiteral("Linje %1 mangler i filen").arg(linje));
        }
        QVERIFY_THROWS_EXCEPTION(TIndeksFejl, f.heltal(linje));
        QVERIFY_THROWS_EXCEPTION(TIndeksFejl, f.tal(linje));
        QVERIFY_THROWS_EXCEPTION(TIndeksFejl, f.flag(linje));
    }

    void ikkeEtTal() {
        const TOptionsFil f(QStringList{u"abc"_s, u"1.5"_s, u"1,5"_s});
        QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, f.heltal(1));
        QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, f.tal(1));
        QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, f.tal(2)); // decimal point is not the format
        QVERIFY_THROWS_EXCEPTION(TKonverteringsFejl, f.heltal(3));
        QCOMPARE(f.tal(3), 1.5);
    }

    void flag_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("sand");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("tom") << "" << false;
        QTest::newRow("2") << "2" << false;
        QTest::newRow("blank foran") << " 1" << false;
        QTest::newRow("blank efter") << "1 " << false;
        QTest::newRow("ord") << "true" << false;
    }
    void flag() {
        QFETCH(QString, tekst);
        QFETCH(bool, sand);
        QCOMPARE(TOptionsFil(QStringList{tekst}).flag(1), sand);
    }

    void linjeskiftITekstFlytterIkkeLinjer() {
        TOptionsSkriver s;
        s.tekst(QStringLiteral("a\r\nb"));
        s.flag(true);
        QCOMPARE(s.linjer(), (QStringList{u"a  b"_s, u"1"_s}));
    }

    void manglendeMappeVedSkrivning() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"Egenskaber/grafer.txt"_s);
        TOptionsSkriver s;
        s.heltal(1);
        try {
            s.gem(sti);
            QFAIL("ingen filfejl");
        } catch (const TFilFejl& e) {
            QCOMPARE(e.tekst(), QStringLiteral("Kan ikke skrive filen %1").arg(sti));
        }
        QVERIFY(!QFileInfo::exists(sti));
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void eksisterendeFilErstattesHelt() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"f.txt"_s);
        skrivBytes(sti, "1\r\n2\r\n3\r\n4\r\n");
        TOptionsSkriver s;
        s.heltal(9);
        s.gem(sti);
        QCOMPARE(indhold(sti), QByteArray("9\r\n"));
    }

    // A write that fails (here: the file size limit, as a full disk would)
    // is reported, and the old file stays as it was.
    void fuldDiskBevarerDenGamleFil() {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"mainform.txt"_s);
        skrivBytes(sti, "gammel\r\n");
        TOptionsSkriver s;
        for (int i = 0; i < 13; ++i)
            s.heltal(1000000 + i);
        struct rlimit foer {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &foer), 0);
        const auto signalFoer = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit graense = foer;
        graense.rlim_cur = 20;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &graense), 0);
        bool fejl = false;
        try {
            s.gem(sti);
        } catch (const TFilFejl& e) {
            fejl = e.tekst() == QStringLiteral("Kan ikke skrive filen %1").arg(sti);
        }
        setrlimit(RLIMIT_FSIZE, &foer);
        std::signal(SIGXFSZ, signalFoer);
        QVERIFY(fejl);
        QCOMPARE(indhold(sti), QByteArray("gammel\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"mainform.txt"_s});
#else
        QSKIP("needs a file size limit");
#endif
    }

    // A name that leads to a pipe is reported and left as it is.
    void linkTilFifoErstattesIkke() {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString fifo = dir.filePath(u"fifo"_s);
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString sti = dir.filePath(u"mainform.txt"_s);
        QVERIFY(QFile::link(fifo, sti));
        TOptionsSkriver s;
        s.heltal(1);
        QVERIFY_THROWS_EXCEPTION(TFilFejl, s.gem(sti));
        QVERIFY(QFileInfo(sti).isSymLink());
        QCOMPARE(QFileInfo(sti).symLinkTarget(), fifo);
        QVERIFY(!QFileInfo(fifo).isFile());
        QVERIFY(!TOptionsFil::findes(sti)); // and reading treats it as no options file
#else
        QSKIP("needs a named pipe");
#endif
    }

    // Every line is read; bad ones keep their defaults and are all named.
    void lempeligLaesning() {
        TOptionsFil fil = TOptionsFil::fraTekst(QStringLiteral("abc\r\n7\r\n1\r\nx\r\n"));
        QCOMPARE(fil.heltal(1, 5), 5);
        QCOMPARE(fil.heltal(2, 5), 7);
        QCOMPARE(fil.flag(3, false), true);
        QCOMPARE(fil.tekst(4, QStringLiteral("d")), QStringLiteral("x"));
        QCOMPARE(fil.flag(6, true), true);
        fil.anvend(4, [] { throw TFejl(QStringLiteral("Temaet 'x' findes ikke")); });
        QVERIFY(fil.fejlILinje(1) && fil.fejlILinje(4) && fil.fejlILinje(6));
        QVERIFY(!fil.fejlILinje(2));
        QCOMPARE(fil.fejlTekst(), QStringLiteral("Fejl i filen:\n"
                                                 "Linje 1: 'abc' er ikke en gyldig heltalsværdi\n"
                                                 "Linje 6 mangler i filen\n"
                                                 "Linje 4: Temaet 'x' findes ikke"));
    }

    void laesFejl() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"findesikke.txt"_s);
        QVERIFY(!TOptionsFil::findes(sti));
        QVERIFY(!TOptionsFil::findes(dir.path())); // a folder is not an options file
        QVERIFY_THROWS_EXCEPTION(TFilFejl, TOptionsFil::laes(sti));
    }
};

QTEST_GUILESS_MAIN(TstOptionsFil)
#include "tst_optionsfil.moc"
