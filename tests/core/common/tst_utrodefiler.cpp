// Files the program reads may be anything a user put there: pipes, links to
// devices, huge files, names that climb out of their folder. The readers and
// the path rule refuse them, and deleting to the wastebasket either lands in
// a wastebasket or leaves the file where it was.
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/papirkurv.h"
#include "core/common/stier.h"
#include "core/common/tekstkodning.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

using namespace Qt::StringLiterals;
#endif

class TstUtrodeFiler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ikkeAlmindeligeFiler() {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString fifo = dir.filePath(u"x.txt"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString nul = dir.filePath(u"nul.txt"_s);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), nul));
        // Neither blocks nor grows: both fail at once with the usual message.
        for (const QString& sti : {fifo, nul}) {
            try {
                tekst::laesFil(sti);
                QFAIL(qPrintable(sti));
            } catch (const TFilFejl& f) {
                QCOMPARE(f.tekst(), QString::fromUtf8("Kan ikke læse filen %1").arg(sti));
            }
        }
        // A link to a regular file is read as that file.
        const QString fil = dir.filePath(u"fil.txt"_s);
        QFile f(fil);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("abc");
        f.close();
        QVERIFY(QFile::link(fil, dir.filePath(u"link.txt"_s)));
        QCOMPARE(tekst::laesFil(dir.filePath(u"link.txt"_s)), QStringLiteral("abc"));
#else
        QSKIP("pipes and /dev/zero are Unix things");
#endif
    }

    void stoerrelsesgraense() {
        QTemporaryDir dir;
        const QString sti = dir.filePath(u"opt.txt"_s);
        QFile f(sti);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(TOptionsFil::maksStoerrelse, 'x'));
        f.close();
        QCOMPARE(TOptionsFil::laes(sti).linjer().first().size(), TOptionsFil::maksStoerrelse);
        QVERIFY(f.open(QIODevice::Append));
        f.write("\n");
        f.close();
        QVERIFY_THROWS_EXCEPTION(TFilFejl, TOptionsFil::laes(sti));
        // The general bound is larger.
        QCOMPARE(tekst::laesFil(sti).size(), TOptionsFil::maksStoerrelse + 1);
        QVERIFY_THROWS_EXCEPTION(TFilFejl, tekst::laesFil(sti, 10));
    }

    void indenfor_data() {
        QTest::addColumn<QString>("sti");
        QTest::addColumn<bool>("ok");
        QTest::newRow("relative name") << "side.html" << true;
        QTest::newRow("below") << "a/b/side.html" << true;
        QTest::newRow("absolute inside") << "/data/s/tekstfiler/x.html" << true;
        QTest::newRow("up and back in") << "a/../x.html" << true;
        QTest::newRow("the folder itself") << "." << false;
        QTest::newRow("parent") << "../x.html" << false;
        QTest::newRow("deep climb") << "a/../../../../etc/passwd" << false;
        QTest::newRow("absolute outside") << "/etc/passwd" << false;
        QTest::newRow("sibling with same start") << "/data/s/tekstfiler2/x.html" << false;
        QTest::newRow("empty") << "" << false;
    }
    void indenfor() {
        QFETCH(QString, sti);
        QFETCH(bool, ok);
        QCOMPARE(stier::indenfor(QStringLiteral("/data/s/tekstfiler/"), sti), ok);
        QCOMPARE(stier::indenfor(QStringLiteral("/data/s/tekstfiler"), sti), ok);
    }

    void aegteIndenforFoelgerLinks() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(u"mappe"_s);
        QFile f(dir.filePath(u"hemmelig"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QFile g(dir.filePath(u"mappe/side.html"_s));
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.close();
        QVERIFY(QFile::link(dir.filePath(u"hemmelig"_s), dir.filePath(u"mappe/link.html"_s)));
        const QString mappe = dir.filePath(u"mappe"_s);
        QVERIFY(stier::aegteIndenfor(mappe, dir.filePath(u"mappe/side.html"_s)));
        QVERIFY(stier::indenfor(mappe, dir.filePath(u"mappe/link.html"_s)));
        QVERIFY(!stier::aegteIndenfor(mappe, dir.filePath(u"mappe/link.html"_s)));
        QVERIFY(!stier::aegteIndenfor(mappe, dir.filePath(u"mappe/findes-ikke.html"_s)));
    }

    // On an account without ~/.local/share the file must not end up in a
    // "files" folder under the current folder.
    void papirkurvPaaBartHjem() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        QTemporaryDir hjem, arbejde, data;
        const QByteArray gammeltHjem = qgetenv("HOME");
        const QByteArray gammelXdg = qgetenv("XDG_DATA_HOME");
        const QString gammelMappe = QDir::currentPath();
        qputenv("HOME", QFile::encodeName(hjem.path()));
        qunsetenv("XDG_DATA_HOME");
        QDir::setCurrent(arbejde.path());
        const QString fil = data.filePath(u"dokument.html"_s);
        QFile f(fil);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const bool ok = papirkurv::flyt(fil);
        QDir::setCurrent(gammelMappe);
        qputenv("HOME", gammeltHjem);
        if (gammelXdg.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", gammelXdg);
        QVERIFY(ok);
        QVERIFY(!QFile::exists(fil));
        QVERIFY(QFile::exists(hjem.filePath(u".local/share/Trash/files/dokument.html"_s)));
        QVERIFY(QDir(arbejde.path()).isEmpty());
#else
        QSKIP("the freedesktop wastebasket only");
#endif
    }
};

QTEST_GUILESS_MAIN(TstUtrodeFiler)
#include "tst_utrodefiler.moc"
