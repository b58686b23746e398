// The layers hold: src/core includes nothing of ui/ or paint/, src/paint
// nothing of ui/, and a core folder includes only the folders the dependency
// table in docs/architecture.md allows it.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The table's rows: `folder` | `allowed`, `allowed`, ... (anything after the
// names, such as a note, is ignored).
QHash<QString, QSet<QString>> laesTabel(const QString& doc) {
    QHash<QString, QSet<QString>> tabel;
    QFile f(doc);
    if (!f.open(QIODevice::ReadOnly)) return tabel;
    const QString tekst = QString::fromUtf8(f.readAll());
    const qsizetype start = tekst.indexOf(QStringLiteral("| Core folder | May include |"));
    if (start < 0) return tabel;
    static const QRegularExpression raekke(QStringLiteral(R"(^\|\s*`(\w+)`\s*\|([^|]*)\|)"));
    static const QRegularExpression navn(QStringLiteral(R"(`(\w+)`)"));
    const QStringList linjer = tekst.mid(start).split(u'\n');
    for (qsizetype i = 2; i < linjer.size() && linjer[i].startsWith(u'|'); ++i) {
        const auto m = raekke.match(linjer[i]);
        if (!m.hasMatch()) continue;
        QSet<QString>& tilladt = tabel[m.captured(1)];
        for (auto it = navn.globalMatch(m.captured(2)); it.hasNext();)
            tilladt.insert(it.next().captured(1));
    }
    return tabel;
}

// The file an include names, found as the compiler finds it: beside the
// including file, then below src/, then below the library's own folder.
QString findInclude(const QDir& src, const QString& fil, const QString& navn,
                    const QString& biblioteksmappe) {
    for (const QString& base :
         {QFileInfo(fil).absolutePath(), src.absolutePath(), src.filePath(biblioteksmappe),
          src.filePath(QStringLiteral("core"))}) {
        const QString kandidat = QDir::cleanPath(base + u'/' + navn);
        if (QFileInfo(kandidat).isFile()) return src.relativeFilePath(kandidat);
    }
    return {};
}

// Every include that breaks the layers, as "file: include (why)".
QStringList lagbrud(const QString& rod) {
    const QDir src(rod + QStringLiteral("/src"));
    const auto tabel = laesTabel(rod + QStringLiteral("/docs/architecture.md"));
    QStringList brud;
    if (tabel.isEmpty()) return {QStringLiteral("docs/architecture.md: no dependency table")};
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    for (const QString& bibliotek : {QStringLiteral("core"), QStringLiteral("paint")}) {
        QDirIterator it(src.filePath(bibliotek), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString fil = it.next();
            const QString relFil = src.relativeFilePath(fil);
            const QString mappe = relFil.section(u'/', 1, 1);
            QFile f(fil);
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QString tekst = QString::fromUtf8(f.readAll());
            for (auto m = include.globalMatch(tekst); m.hasNext();) {
                const QString navn = m.next().captured(1);
                const QString maal = findInclude(src, fil, navn, bibliotek);
                const QString lag = maal.section(u'/', 0, 0);
                const QString hvad = relFil + QStringLiteral(": ") + navn;
                if (lag == QStringLiteral("ui"))
                    brud << hvad + QStringLiteral(" (the user interface)");
                else if (bibliotek == QStringLiteral("core") && lag == QStringLiteral("paint"))
                    brud << hvad + QStringLiteral(" (the painter)");
                else if (bibliotek == QStringLiteral("core") && lag == QStringLiteral("core")) {
                    const QString til = maal.section(u'/', 1, 1);
                    if (til != mappe && !tabel.value(mappe).contains(til))
                        brud << hvad + QStringLiteral(" (core/%1 may not include core/%2)")
                                           .arg(mappe, til);
                }
            }
        }
    }
    return brud;
}

void skriv(const QDir& rod, const QString& sti, const QByteArray& indhold) {
    rod.mkpath(QFileInfo(rod.filePath(sti)).path());
    QFile f(rod.filePath(sti));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(indhold);
}

} // namespace

class TstLagdeling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kildetraeet() {
        const QStringList brud = lagbrud(QStringLiteral(TAVLIX_KILDEMAPPE));
        QVERIFY2(brud.isEmpty(), qPrintable(brud.join(u'\n')));
    }

    // A small tree with one include per row, in both the root form and the
    // form relative to the library's folder.
    void brudFindes_data() {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("include");
        QTest::addColumn<bool>("brud");
        const auto r = [](const char* navn, const char* fil, const char* inc, bool b) {
            QTest::newRow(navn) << QString::fromLatin1(fil) << QString::fromLatin1(inc) << b;
        };
        r("core -> ui", "core/calc/a.cpp", "ui/app/vindue.h", true);
        r("core -> ui, relative", "core/calc/a.cpp", "../../ui/app/vindue.h", true);
        r("core -> paint", "core/calc/a.h", "paint/laerred.h", true);
        r("paint -> ui", "paint/laerred.cpp", "ui/app/vindue.h", true);
        r("paint -> core", "paint/laerred.cpp", "core/calc/regner.h", false);
        r("core, not in the table", "core/common/b.cpp", "core/calc/regner.h", true);
        r("core, not in the table, old form", "core/common/b.cpp", "calc/regner.h", true);
        r("core, in the table", "core/calc/a.cpp", "core/common/c.h", false);
        r("core, own folder", "core/common/b.cpp", "c.h", false);
        r("unknown and generated files", "core/calc/a.cpp", "a.moc", false);
    }
    void brudFindes() {
        QFETCH(QString, fil);
        QFETCH(QString, include);
        QFETCH(bool, brud);
        QTemporaryDir dir;
        const QDir rod(dir.path());
        skriv(rod, QStringLiteral("docs/architecture.md"),
              "| Core folder | May include |\n|---|---|\n"
              "| `common` | \xe2\x80\x94 |\n| `calc` | `common` |\n");
        for (const char* f : {"src/ui/app/vindue.h", "src/paint/laerred.h",
                              "src/core/calc/regner.h", "src/core/common/c.h"})
            skriv(rod, QString::fromLatin1(f), "#pragma once\n");
        skriv(rod, QStringLiteral("src/") + fil, "#include \"" + include.toUtf8() + "\"\n");
        QCOMPARE(lagbrud(dir.path()).size(), brud ? 1 : 0);
    }

    void udenTabel() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("src/core")));
        QCOMPARE(lagbrud(dir.path()).size(), 1);
    }
};

QTEST_APPLESS_MAIN(TstLagdeling)
#include "tst_lagdeling.moc"
