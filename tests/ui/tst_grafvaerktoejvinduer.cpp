// The graph window's tools through the windows: sending from the equation
// pages, solving and zooming on the solution, the colour dialog kept after a
// restart, printing into a PDF file and "Gem som billede...".
#include "core/common/fejl.h"
#include "paint/painterlaerred.h"
#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/common/graense.h"
#include "ui/graph/grafform.h"
#include "ui/graph/grafwidget.h"
#include "ui/graph/optform.h"
#include "ui/graph/printform.h"
#include "ui/graph/tryk.h"
#include "ui/graph/trykflade.h"
#include "ui/graph/zoomform.h"

#include <csignal>
#include <memory>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// While it lives, files this process (and a program it starts) writes may
// grow to `bytes` only; a write past that fails as on a full disk. 0: no
// limit set.
class Filgraense {
public:
    explicit Filgraense(qint64 bytes) {
#ifdef Q_OS_UNIX
        if (bytes <= 0) return;
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        getrlimit(RLIMIT_FSIZE, &m_foer);
        rlimit ny = m_foer;
        ny.rlim_cur = rlim_t(bytes);
        m_sat = setrlimit(RLIMIT_FSIZE, &ny) == 0;
#else
        Q_UNUSED(bytes);
#endif
    }
    ~Filgraense() {
#ifdef Q_OS_UNIX
        if (m_sat) setrlimit(RLIMIT_FSIZE, &m_foer);
#endif
    }

private:
#ifdef Q_OS_UNIX
    rlimit m_foer{};
    bool m_sat = false;
#endif
};

struct Program : ProgramFixtur {
    TGrafformModel& graf() { return t->grafEnhed().grafModel(); }
};

// The content streams of a PDF file written by Qt, unpacked.
QList<QByteArray> pdfStroemme(const QByteArray& pdf) {
    QList<QByteArray> ud;
    static const QRegularExpression re(QStringLiteral("/FlateDecode[^>]*>>\\s*stream\\r?\\n"));
    auto it = re.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const auto m = it.next();
        const qsizetype start = m.capturedEnd();
        const qsizetype slut = pdf.indexOf("endstream", start);
        QByteArray data = pdf.mid(start, slut - start);
        QByteArray medLaengde(4, '\0');
        const quint32 gaet = 1 << 20;
        medLaengde[0] = char(gaet >> 24);
        medLaengde[1] = char(gaet >> 16);
        medLaengde[2] = char(gaet >> 8);
        medLaengde[3] = char(gaet);
        ud << qUncompress(medLaengde + data);
    }
    return ud;
}

int pdfSider(const QByteArray& pdf) {
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

} // namespace

class TstGrafvaerktoejVinduer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    // "Send til grafboks" on the quadratic page draws the parabola in the
    // graph window and shows it.
    void sendParabel() {
        Program p;
        p.t->ligningsEnhed().andengrads().setAndengradsA(QStringLiteral("1"));
        p.t->ligningsEnhed().andengrads().setAndengradsB(QStringLiteral("-2"));
        p.t->ligningsEnhed().andengrads().setAndengradsC(QStringLiteral("-3"));
        p.t->ligningsEnhed().andengrads().andengradsSendClick();
        QCOMPARE(p.graf().Graf.Antal(), 1);
        QCOMPARE(p.graf().Graf.Lin().first().opr, QChar(u'a'));
        QVERIFY(p.t->grafEnhed().grafform().isVisible());
        // And the two equations, each as a curve.
        const char* tekster[] = {"1", "1", "4", "1", "-1", "0"};
        for (int i = 0; i < 6; ++i)
            p.t->ligningsEnhed().ligninger().setBoks(TLigninger::Boks(i),
                                                     QString::fromLatin1(tekster[i]));
        p.t->ligningsEnhed().ligninger().ligningerSendClick();
        QCOMPARE(p.graf().Graf.Antal(), 3);
    }

    // Two curves chosen and solved in the window; the zoom dialog centres on
    // the solution.
    void loesOgZoom() {
        Program p;
        p.graf().AddFormelToGraf(u'+', 1, 1, 4);
        p.graf().AddFormelToGraf(u'+', 1, -1, 0);
        Tgrafform& g = p.t->grafEnhed().grafform();
        g.vis();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        const auto vaelg = [&](const QString& navn, int i) {
            auto* c = p.find<QComboBox>(g, navn);
            c->setCurrentIndex(i);
            Q_EMIT c->activated(i);
        };
        vaelg(QStringLiteral("L1Box"), 0);
        vaelg(QStringLiteral("L2Box"), 1);
        p.find<QToolButton>(g, QStringLiteral("BeregnKnap"))->click();
        QCOMPARE(p.find<QLineEdit>(g, QStringLiteral("ligningX1"))->text(), QStringLiteral("2"));
        QCOMPARE(p.find<QLineEdit>(g, QStringLiteral("ligningY1"))->text(), QStringLiteral("2"));

        p.find<QToolButton>(g, QStringLiteral("zoomBoksKnap"))->click();
        Tzoomform& z = p.t->grafEnhed().zoomform();
        QVERIFY(z.isVisible());
        p.find<QCheckBox>(z, QStringLiteral("centrerCheck"))->setChecked(true);
        p.find<QToolButton>(z, QStringLiteral("ToolButton7"))->click();
        QCOMPARE(p.find<QLineEdit>(z, QStringLiteral("xEdit"))->text(), QStringLiteral("2"));
        QCOMPARE(p.graf().zPosLabel, QStringLiteral("2.00 : 2.00"));
        QCOMPARE(p.graf().Graf.KsToCompX(2), double(p.graf().Graf.Width() / 2));
        // The graph window's closing closes the dialog.
        g.close();
        QVERIFY(!z.isVisible());
    }

    // Colours chosen in the dialog stay after a restart.
    void farverEfterGenstart() {
        Program p;
        p.t->grafEnhed().grafform().vis();
        p.graf().EgenskaberClick();
        Toptform& o = p.t->grafEnhed().optform();
        QVERIFY(o.isVisible());
        auto vaelg = [&](const QString& navn, int i) {
            auto* c = p.find<QComboBox>(o, navn);
            c->setCurrentIndex(i);
            Q_EMIT c->activated(i);
        };
        vaelg(QStringLiteral("Farvebox"), 15);
        vaelg(QStringLiteral("Liniebox"), 0);
        vaelg(QStringLiteral("Kurvebox"), 11);
        p.find<QPushButton>(o, QStringLiteral("realiserKnap"))->click();
        QCOMPARE(p.graf().Graf.Color(), farve::rgb(255, 255, 255));
        o.move(77, 66);
        p.genstart();
        QCOMPARE(p.graf().farveItemIndex, 15);
        QCOMPARE(p.graf().Graf.ColorLinie(), farve::rgb(255, 255, 0));
        QCOMPARE(p.t->grafEnhed().optModel().opt.plads.left, 77);
        QCOMPARE(p.find<QComboBox>(p.t->grafEnhed().optform(), QStringLiteral("Farvebox"))
                     ->currentText(),
                 QStringLiteral("Hvid"));
    }

    // Three copies give one document of three pages, the picture on each in
    // the rectangle asked for (printer pixels of the page). The printer is
    // the one chosen in the setup, here printing into a PDF file.
    void udskrivTilPdf() {
        TTrykFlade* t = tryk::flade();
        QVERIFY2(t, "the print module was not found");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("graf.pdf"));
        t->udskrivTilFil(pdf);
        const auto tilbage = qScopeGuard([t] { t->udskrivTilFil(QString()); });
        Program p;
        p.graf().AddFormelToGraf(u'a', 1, 0, -2);
        p.graf().FormResize(300, 200);
        p.graf().MPrintClick();
        Tprintform& f = p.t->grafEnhed().printform();
        QVERIFY(f.isVisible());
        // "Størrelse 2": 3 pixels of a 600 dpi printer per screen pixel, so 6
        // of this 1200 dpi printer: 1800 + 160.
        QCOMPARE(t->oploesning(), 1200);
        QCOMPARE(p.find<QLineEdit>(f, QStringLiteral("EditX2"))->text(), QStringLiteral("1960"));
        auto* kopi = p.find<QLineEdit>(f, QStringLiteral("EditKopi"));
        kopi->selectAll();
        QTest::keyClicks(kopi, QStringLiteral("3"));
        QTest::keyClick(kopi, Qt::Key_U, Qt::ControlModifier);
        QFile fil(pdf);
        QVERIFY(fil.open(QIODevice::ReadOnly));
        const QByteArray data = fil.readAll();
        QCOMPARE(pdfSider(data), 3);
        // Each page draws the picture once: the 300 × 200 picture six times
        // enlarged at (160, 160), in printer pixels (1200 per inch, so 0.06
        // PDF points each): 108 points, 1.5 inches wide.
        int billeder = 0;
        for (const QByteArray& s : pdfStroemme(data)) {
            if (!s.contains(" Do")) continue;
            ++billeder;
            QVERIFY2(s.contains("0.060000000 0 0 -0.060000000 "), s.constData());
            QVERIFY2(s.contains("6 0 0 6 160 160 cm\n300 0 0 -200 0 200 cm /Im"), s.constData());
        }
        QCOMPARE(billeder, 3);
        QVERIFY(f.isVisible()); // the dialog stays open
        QCOMPARE(kopi->text(), QStringLiteral("3"));
    }

    // A print that could not start leaves the chosen printer usable: the
    // next choice in the setup takes effect and prints.
    void printerEfterFejletUdskrift() {
        TTrykFlade* t = tryk::flade();
        QVERIFY2(t, "the print module was not found");
        QTemporaryDir dir;
        const auto tilbage = qScopeGuard([t] { t->udskrivTilFil(QString()); });
        Program p;
        p.graf().AddFormelToGraf(u'+', 1, 1, 4);
        p.graf().FormResize(100, 80);
        TPrintformModel& m = p.t->grafEnhed().printModel();
        p.graf().MPrintClick();
        const auto fejl = [&m]() -> QString {
            try {
                m.udskrivKnapClick();
            } catch (const TFejl& f) {
                return f.tekst();
            }
            return QString();
        };
        if (QPrinterInfo::defaultPrinterName().isEmpty()) {
            // Neither a printer nor a file.
            t->udskrivTilFil(QString());
            QCOMPARE(fejl(), QStringLiteral("Der er ingen printer. Vælg en printer eller en fil "
                                            "under \"Printer setup...\""));
        }
        const QString forkert = dir.filePath(QStringLiteral("ingen mappe/graf.pdf"));
        t->udskrivTilFil(forkert);
        QCOMPARE(fejl(), QStringLiteral("Udskriften kan ikke startes på \"%1\"").arg(forkert));
        const QString pdf = dir.filePath(QStringLiteral("graf.pdf"));
        t->udskrivTilFil(pdf);
        QCOMPARE(fejl(), QString());
        QFile fil(pdf);
        QVERIFY(fil.open(QIODevice::ReadOnly));
        QCOMPARE(pdfSider(fil.readAll()), 1);
    }

    void gemSomBillede_data() {
        QTest::addColumn<QString>("navn");
        QTest::newRow("png") << "graf.png";
        QTest::newRow("svg") << "graf.svg";
        QTest::newRow("pdf") << "graf.PDF";
    }
    void gemSomBillede() {
        QFETCH(QString, navn);
        QTemporaryDir dir;
        Program p;
        Tgrafform& vindue = p.t->grafEnhed().grafform();
        vindue.vis();
        const auto gem = [&p, &vindue](const QString& fil) {
            p.beskeder.filnavne.enqueue(fil);
            for (QAction* a : vindue.menu()->actions())
                if (a->text() == u"Gem som billede...") a->trigger();
            QFile f(fil);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        // The axes alone first, to tell the curve's own lines from theirs.
        const QByteArray akser =
            gem(dir.filePath(QStringLiteral("akser.") + QFileInfo(navn).suffix()));
        QVERIFY(!akser.isEmpty());
        p.graf().AddFormelToGraf(u'*', 1, 1, 2);
        const QByteArray data = gem(dir.filePath(navn));
        QVERIFY(!data.isEmpty());
        if (navn.endsWith(u"png")) {
            QImage b;
            QVERIFY(b.loadFromData(data));
            QCOMPARE(b.size(), vindue.graf()->size());
            QVERIFY(b != QImage::fromData(akser));
        } else if (navn.endsWith(u"svg")) {
            QVERIFY(!data.contains("<image"));
            // The curve is drawn as lines of its own: elements the picture of
            // the axes alone does not hold, with points across the canvas.
            static const QRegularExpression linje(QStringLiteral("<(?:polyline|path)\\b[^>]*>"));
            QSet<QString> kunAkser;
            for (auto m = linje.globalMatch(QString::fromUtf8(akser)); m.hasNext();)
                kunAkser.insert(m.next().captured());
            qsizetype punkter = 0;
            for (auto m = linje.globalMatch(QString::fromUtf8(data)); m.hasNext();) {
                const QString e = m.next().captured();
                if (!kunAkser.contains(e)) punkter += e.count(u',');
            }
            QVERIFY2(punkter >= 20,
                     qPrintable(QStringLiteral("%1 points of the curve").arg(punkter)));
        } else {
            QCOMPARE(pdfSider(data), 1);
            QVERIFY(!data.contains("/Subtype /Image"));
        }
    }

    // A picture that cannot be written whole is reported, in the window and
    // with exit status 1 from tavlix-graf, and the file that stood there is
    // left as it was: a full disk (a file size limit for this process, which
    // fails writes as a full disk does) and a folder in the file's place.
    void gemFejler_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<bool>("fuld");
        for (const char* e : {"png", "pdf", "svg"}) {
#ifdef Q_OS_UNIX
            QTest::addRow("%s full disk", e)
                << QStringLiteral("graf.%1").arg(QString::fromLatin1(e)) << true;
#endif
            QTest::addRow("%s folder", e)
                << QStringLiteral("graf.%1").arg(QString::fromLatin1(e)) << false;
        }
    }
    void gemFejler() {
        QFETCH(QString, navn);
        QFETCH(bool, fuld);
        QTemporaryDir dir;
        const QString fil = dir.filePath(navn);
        if (fuld) {
            QFile gammel(fil);
            QVERIFY(gammel.open(QIODevice::WriteOnly));
            gammel.write("gammel");
        } else {
            QVERIFY(QDir(dir.path()).mkdir(navn));
        }
        const auto uroert = [&] {
            if (!fuld) return QFileInfo(fil).isDir();
            QFile f(fil);
            return f.open(QIODevice::ReadOnly) && f.readAll() == "gammel";
        };

        Program p;
        p.graf().AddFormelToGraf(u'*', 1, 1, 2);
        p.graf().AddFormelToGraf(u'a', 1, 0, -3);
        p.t->grafEnhed().grafform().vis();
        p.beskeder.filnavne.enqueue(fil);
        {
            const Filgraense g(fuld ? 512 : 0);
            p.graf().GemSomBilledeClick();
        }
        QCOMPARE(p.beskeder.boxe.size(), 1);
        QVERIFY2(p.beskeder.boxe.first().tekst.startsWith(
                     QStringLiteral("Billedet kan ikke gemmes i \"%1\"").arg(fil)),
                 qPrintable(p.beskeder.boxe.first().tekst));
        QVERIFY(uroert());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{navn}); // no temporary file left behind

        QProcess graf;
        {
            const Filgraense g(fuld ? 512 : 0);
            graf.start(QStringLiteral(TAVLIX_GRAF),
                       {QStringLiteral("--curve"), QStringLiteral("a 1 0 -3"),
                        QStringLiteral("--curve"), QStringLiteral("* 1 1 2"),
                        QStringLiteral("--out"), fil});
            QVERIFY(graf.waitForStarted());
        }
        QVERIFY(graf.waitForFinished(30000));
        QCOMPARE(graf.exitStatus(), QProcess::NormalExit);
        QCOMPARE(graf.exitCode(), 1);
        QVERIFY2(graf.readAllStandardError().contains("Billedet kan ikke gemmes"), "no message");
        QVERIFY(uroert());
    }

    // "Gem som billede" opens in the data folder, later in the last folder used.
    void billeddialogensMappe() {
        Program p;
        p.beskeder.filnavne.enqueue(QString()); // cancelled
        p.graf().GemSomBilledeClick();
        const QString andet = p.dir.path() + QStringLiteral("/billeder");
        p.beskeder.filnavne.enqueue(andet + QStringLiteral("/graf.bmp"));
        p.graf().GemSomBilledeClick();
        p.graf().GemSomBilledeClick();
        QCOMPARE(p.beskeder.dialogmapper.size(), 3);
        QCOMPARE(QDir::cleanPath(p.beskeder.dialogmapper[0]), QDir::cleanPath(p.dir.path()));
        QCOMPARE(QDir::cleanPath(p.beskeder.dialogmapper[1]), QDir::cleanPath(p.dir.path()));
        QCOMPARE(p.beskeder.dialogmapper[2], andet);
    }

    void ukendtEndelse() {
        Program p;
        p.beskeder.filnavne.enqueue(QStringLiteral("/tmp/graf.bmp"));
        p.graf().GemSomBilledeClick();
        QCOMPARE(p.beskeder.tekster().join(u'|'),
                 QStringLiteral("Billedet gemmes efter filnavnets endelse: .png, .svg eller .pdf"));
    }

    // Every control of the three dialogs has a name, unique within its dialog.
    void tilgaengeligeNavne() {
        Program p;
        p.t->grafEnhed().grafform();
        for (QWidget* d : {static_cast<QWidget*>(&p.t->grafEnhed().zoomform()),
                           static_cast<QWidget*>(&p.t->grafEnhed().optform()),
                           static_cast<QWidget*>(&p.t->grafEnhed().printform())}) {
            QSet<QString> navne;
            const auto ctrls = d->findChildren<QWidget*>();
            for (QWidget* w : ctrls) {
                const bool kontrol = qobject_cast<QAbstractButton*>(w) ||
                                     qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
                // Qt's own helpers (a combo box's popup, a tool bar's hidden
                // overflow button) are not controls of the dialog.
                if (!kontrol || w->isHidden() || w->parentWidget()->inherits("QComboBox")) continue;
                const QString n = w->accessibleName();
                QVERIFY2(!n.isEmpty(), qPrintable(w->objectName()));
                QVERIFY2(!navne.contains(n), qPrintable(n));
                navne.insert(n);
            }
        }
    }
};

QTEST_MAIN(TstGrafvaerktoejVinduer)
#include "tst_grafvaerktoejvinduer.moc"
