// The rich-text page view of the information browser: a page reads only the
// files of its own structure, and the view picks the web engine only for a
// page that runs scripts of its own.
#include "ui/info/tekstside.h"
#include "ui/info/websider.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

void skriv(const QString& sti, const QByteArray& data) {
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Makes the loader's protected entry point reachable.
class Side : public TTekstSide {
public:
    using TTekstSide::loadResource;
    Side() : TTekstSide(nullptr) {}
};

} // namespace

class TstTekstside : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kunStrukturensFiler_data() {
        QTest::addColumn<QString>("navn"); // relative to the page shown
        QTest::addColumn<bool>("laeses");
        QTest::newRow("picture beside the page") << "billede.png" << true;
        QTest::newRow("stylesheet in the design folder")
            << "Design%20og%20funktioner/design.css" << true;
        QTest::newRow("picture of the structure") << "../Billeder/b.png" << true;
        QTest::newRow("up and out of the structure") << "../../hemmelig.txt" << false;
        QTest::newRow("absolute path elsewhere") << "file:///etc/passwd" << false;
        QTest::newRow("link inside pointing out") << "ud.txt" << false;
        QTest::newRow("folder") << "Design%20og%20funktioner" << false;
        QTest::newRow("missing file") << "mangler.png" << false;
        QTest::newRow("network") << "http://example.invalid/x.png" << false;
    }
    void kunStrukturensFiler() {
        QFETCH(QString, navn);
        QFETCH(bool, laeses);
        QTemporaryDir dir;
        const QString rod = dir.path() + QStringLiteral("/Struktur/S");
        const QString tekst = rod + QStringLiteral("/tekstfiler/");
        skriv(tekst + QStringLiteral("side.html"), "<html><body><p>Hej</p></body></html>");
        skriv(tekst + QStringLiteral("billede.png"), "png");
        skriv(tekst + QStringLiteral("Design og funktioner/design.css"), "p{}");
        skriv(rod + QStringLiteral("/Billeder/b.png"), "png");
        skriv(dir.path() + QStringLiteral("/hemmelig.txt"), "hemmelig");
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/hemmelig.txt"),
                            tekst + QStringLiteral("ud.txt")));

        Side s;
        s.setMappe(rod);
        s.naviger(QUrl::fromLocalFile(tekst + QStringLiteral("side.html")));
        QCOMPARE(s.toPlainText(), QStringLiteral("Hej"));
        const QVariant data = s.loadResource(QTextDocument::ImageResource, QUrl(navn));
        QCOMPARE(data.isValid() && !data.toByteArray().isEmpty(), laeses);
    }

    // A page outside the structure is not shown, and the page shown stays.
    void sideUdenforVisesIkke() {
        QTemporaryDir dir;
        const QString rod = dir.path() + QStringLiteral("/S");
        skriv(rod + QStringLiteral("/tekstfiler/a.html"), "<p>A</p>");
        skriv(dir.path() + QStringLiteral("/b.html"), "<p>B</p>");
        Side s;
        s.setMappe(rod);
        int vist = 0;
        s.setHaendelser({[&](const QUrl&, const QString&) { ++vist; }, {}});
        s.naviger(QUrl::fromLocalFile(rod + QStringLiteral("/tekstfiler/a.html")));
        s.naviger(QUrl::fromLocalFile(dir.path() + QStringLiteral("/b.html")));
        QCOMPARE(vist, 1);
        QCOMPARE(s.toPlainText(), QStringLiteral("A"));
        QCOMPARE(s.url().fileName(), QStringLiteral("a.html"));
    }

    void kraeverMotor_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<bool>("motor");
        QTest::newRow("no script") << QByteArray("<p>x</p>") << false;
        QTest::newRow("shared design script")
            << QByteArray("<script src=\"Design%20og%20funktioner/funktioner.js\"></script>")
            << false;
        QTest::newRow("shared script, other case and quotes")
            << QByteArray(
                   "<SCRIPT type='text/javascript' src='Design og funktioner/funktioner.js'>")
            << false;
        QTest::newRow("inline script") << QByteArray("<script>alert(1)</script>") << true;
        QTest::newRow("other local script")
            << QByteArray("<script src=\"mine.js\"></script>") << true;
        QTest::newRow("shared name in another folder")
            << QByteArray("<script src=\"../Design%20og%20funktioner/funktioner.js\"></script>")
            << true;
        QTest::newRow("remote script")
            << QByteArray("<script src=\"https://example.invalid/x.js\"></script>") << true;
        QTest::newRow("shared then inline")
            << QByteArray("<script src=\"Design%20og%20funktioner/funktioner.js\"></script>"
                          "<script>1</script>")
            << true;
    }
    void kraeverMotor() {
        QFETCH(QByteArray, html);
        QFETCH(bool, motor);
        QCOMPARE(websider::kraeverMotor(
                     html, QUrl::fromLocalFile(QStringLiteral("/s/Info/tekstfiler/side.html"))),
                 motor);
    }

    // The shipped help needs no web engine.
    void denMedfoelgendeHjaelpIkkeMotor() {
        QDirIterator it(QStringLiteral(TAVLIX_KILDEMAPPE "/data/Tavlixmappe/Struktur"),
                        {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
        int sider = 0;
        while (it.hasNext()) {
            const QString sti = it.next();
            QFile f(sti);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(!websider::kraeverMotor(f.readAll(), QUrl::fromLocalFile(sti)),
                     qPrintable(sti));
            ++sider;
        }
        QVERIFY(sider > 10);
    }
};

QTEST_MAIN(TstTekstside)
#include "tst_tekstside.moc"
