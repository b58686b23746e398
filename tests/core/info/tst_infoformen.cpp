// The information browser's model: loading structures by name, opening
// topics, the history with its first/back/forward/last actions, the search,
// the address box, the structure menu, the link under the mouse, the external
// editor and the options files of the browser and the URL list.
#include "beskedoptager.h"
#include "core/info/infoformenmodel.h"
#include "core/info/urlliste.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void skriv(const QString& sti, const QByteArray& b) {
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    if (f.open(QIODevice::WriteOnly)) f.write(b);
}

// A structure folder: tree lines "depth:text:document", each document a page
// holding `indhold`.
void lavStruktur(const QString& rod, const QString& navn,
                 const QList<std::tuple<int, QString, QString, QByteArray>>& noder) {
    QByteArray trae, data;
    for (const auto& [dybde, tekst, dok, indhold] : noder) {
        trae += QByteArray(dybde, '\t') + tekst.toLatin1() + "\r\n";
        data += "0" + dok.toLatin1() + "\r\n";
        skriv(rod + u'/' + navn + u"/tekstfiler/"_s + dok + u".html"_s, indhold);
    }
    skriv(rod + u'/' + navn + u"/struktur.txt"_s, trae);
    skriv(rod + u'/' + navn + u"/data.txt"_s, data);
}

} // namespace

class TstInfoformen : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<BeskedOptager> m_beskeder;
    std::unique_ptr<TUrlListe> m_url;
    std::unique_ptr<TInfoformenModel> m_m;
    QList<QUrl> m_navigeret;

    TInfoformenModel& m() { return *m_m; }
    TUrlListe& url() { return *m_url; }

    // The page view stands in: a local document reports its file name back
    // as the location of the page shown, as the real view does on load.
    void lavModel() {
        const auto mapper = TProgramMapper::fra(m_dir->path());
        m_url = std::make_unique<TUrlListe>(mapper.optDir);
        m_m = std::make_unique<TInfoformenModel>(mapper, *m_beskeder, *m_url);
        connect(m_m.get(), &TInfoformenModel::naviger, this, [this](const QUrl& u) {
            m_navigeret << u;
            m().UrlLister(u.isLocalFile() ? u.fileName() : u.toString());
        });
        m().FormCreate();
    }

    QStringList historik() const {
        QStringList l;
        for (int i = 0; i < m_url->antal(); ++i)
            l << m_url->strukturliste[i] + u':' + m_url->urlListe[i];
        return l;
    }
    QString vist() const { return m().hjemmeside.mid(m().hjemmeside.lastIndexOf(u'/') + 1); }
    const TInfoformenModel& m() const { return *m_m; }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("Egenskaber"));
        const QString rod = m_dir->path() + QStringLiteral("/Struktur");
        lavStruktur(rod, QStringLiteral("Info"),
                    {{0, u"Tavlix"_s, u"Tavlix"_s, "<p>Om programmet</p>"},
                     {1, u"Information"_s, u"Information"_s, "<p>Hjælp til hjælpen. FORMEL</p>"},
                     {1, u"Statistik"_s, u"Statistik"_s, "<p>Middelv&aelig;rdi og formel.</p>"},
                     {1, u"Ligninger"_s, u"Ligninger"_s, "<p>To ligninger, formler</p>"},
                     {2, u"Andengradsligning"_s, u"Andengrad"_s, "<p>formel-sprog</p>"}});
        lavStruktur(rod, QStringLiteral("Enhedsinformation"),
                    {{0, u"SI-enheder"_s, u"SI"_s, "<p>meter</p>"},
                     {0, u"Statistik"_s, u"Stat"_s, "<p>ikke den samme</p>"}});
        // A structure beside the structures' folder, which no name may reach.
        lavStruktur(m_dir->path(), QStringLiteral("Ude"),
                    {{0, u"Tavlix"_s, u"Ude"_s, "<p>ude</p>"}});
        m_beskeder = std::make_unique<BeskedOptager>();
        m_navigeret.clear();
        lavModel();
    }

    void opstartOgFoersteVisning() {
        QCOMPARE(m().caption, QStringLiteral("Info.txt"));
        QCOMPARE(m().Struktur.antal(), 5);
        QCOMPARE(m().Mappe, m_dir->path() + u"/Struktur/Info/tekstfiler"_s);
        QSignalSpy vis(&m(), &TInfoformenModel::vis);
        m().FormShow();
        QCOMPARE(vis.count(), 1);
        QCOMPARE(vist(), QStringLiteral("Information.html"));
        QCOMPARE(historik(), QStringList{u"Info.txt:Information"_s});
        m().FormShow(); // later shows keep the page
        QCOMPARE(m_navigeret.size(), 1);
        QVERIFY(m_beskeder->boxe.isEmpty());
    }

    void manglendeStrukturMeldesVedFoersteVisning() {
        QDir(m_dir->path() + u"/Struktur/Info"_s).removeRecursively();
        lavModel();
        QVERIFY(m_beskeder->boxe.isEmpty()); // nothing is shown before the window exists
        m().FormShow();
        QCOMPARE(m_beskeder->boxe.size(), 1);
        QVERIFY(m_beskeder->boxe[0].tekst.contains(QStringLiteral("\"Info\"")));
        m().FormShow();
        QCOMPARE(m_beskeder->boxe.size(), 1);
    }

    void emneAabnes_data() {
        QTest::addColumn<QString>("struktur");
        QTest::addColumn<QString>("emne");
        QTest::addColumn<bool>("fundet");
        QTest::addColumn<QString>("side");
        QTest::newRow("case-insensitive") << "Info.txt"
                                          << "statistik" << true << "Statistik.html";
        QTest::newRow("nested node") << "Info"
                                     << "Andengradsligning" << true << "Andengrad.html";
        QTest::newRow("empty is first") << "Info.txt"
                                        << "" << true << "Tavlix.html";
        QTest::newRow("other structure") << "ENHEDSINFORMATION"
                                         << "SI-enheder" << true << "SI.html";
        QTest::newRow("missing topic") << "Info.txt"
                                       << "Findes ikke" << false << "";
        QTest::newRow("missing structure") << "Ukendt"
                                           << "Tavlix" << false << "";
        QTest::newRow("structure outside the folder") << "../Ude"
                                                      << "Tavlix" << false << "";
    }
    void emneAabnes() {
        QFETCH(QString, struktur);
        QFETCH(QString, emne);
        QFETCH(bool, fundet);
        QFETCH(QString, side);
        QSignalSpy vis(&m(), &TInfoformenModel::vis);
        QCOMPARE(m().visEmne(struktur, emne), fundet);
        QCOMPARE(vis.count(), 1); // shown also when the topic is missing
        QCOMPARE(vist(), side);
        if (fundet)
            QCOMPARE(m().Struktur.Selected()->tekst.toLower(),
                     (emne.isEmpty() ? QStringLiteral("tavlix") : emne.toLower()));
    }

    void strukturnavnMedOgUdenEfternavn() {
        QSignalSpy indlaest(&m().Struktur, &TStruktur::aendret);
        m().visEmne(QStringLiteral("info"), QStringLiteral("Statistik"));
        m().HelpInfo(QStringLiteral("Info.TXT"), QStringLiteral("Tavlix"));
        QCOMPARE(indlaest.count(), 0); // one structure, never reloaded
        QCOMPARE(m().EditFind, QStringLiteral("Tavlix"));
        m().Enhedsinformation(QStringLiteral("Statistik"));
        QCOMPARE(indlaest.count(), 1);
        QCOMPARE(m().caption, QStringLiteral("Enhedsinformation.txt"));
        QCOMPARE(vist(), QStringLiteral("Stat.html"));
        // The request is compared with what is loaded, not with a name
        // another caller left behind.
        m().newNavn = QStringLiteral("Info.txt");
        m().Information(QStringLiteral("Statistik"));
        QCOMPARE(vist(), QStringLiteral("Statistik.html"));
        QCOMPARE(m().strukturnavn, QStringLiteral("Info.txt"));
    }

    // The structure editor opens a structure by name in place of the one shown.
    void indlaesStrukturEfterNavn() {
        QSignalSpy indlaest(&m().Struktur, &TStruktur::aendret);
        m().indlaesStruktur(QStringLiteral("Enhedsinformation.txt"));
        QCOMPARE(indlaest.count(), 1);
        QCOMPARE(m().caption, QStringLiteral("Enhedsinformation.txt"));
        QCOMPARE(m().strukturnavn, QStringLiteral("Enhedsinformation.txt"));
        QCOMPARE(m().newNavn, QStringLiteral("Enhedsinformation.txt"));
        QCOMPARE(m().Struktur.antal(), 2);
        // The program's own topics still find their structure afterwards.
        m().Information(QStringLiteral("Ligninger"));
        QCOMPARE(m().caption, QStringLiteral("Info.txt"));
        QCOMPARE(vist(), QStringLiteral("Ligninger.html"));
    }

    void historikSekvens() {
        m().Information(QStringLiteral("Statistik"));
        m().Information(QStringLiteral("Statistik"));
        QCOMPARE(historik(), QStringList{u"Info.txt:Statistik"_s});
        m().Information(QStringLiteral("Ligninger"));
        m().Enhedsinformation(QStringLiteral("Statistik")); // same topic, other structure
        QCOMPARE(historik(), (QStringList{u"Info.txt:Statistik"_s, u"Info.txt:Ligninger"_s,
                                          u"Enhedsinformation.txt:Statistik"_s}));
        QCOMPARE(m().urlIndex, 2);
        QCOMPARE(url().valgt, 2);

        m().AbackExecute();
        QCOMPARE(vist(), QStringLiteral("Ligninger.html"));
        QCOMPARE(m().urlIndex, 1);
        QCOMPARE(url().valgt, 1);
        m().AbackExecute();
        QCOMPARE(vist(), QStringLiteral("Statistik.html"));
        QCOMPARE(m().caption, QStringLiteral("Info.txt"));
        QCOMPARE(m().urlIndex, 0);
        QVERIFY(!m().AbackUpdate());
        m().AlastExecute();
        QCOMPARE(vist(), QStringLiteral("Stat.html"));
        QCOMPARE(m().caption, QStringLiteral("Enhedsinformation.txt"));
        m().AfirstExecute();
        m().AforwardExecute();
        QCOMPARE(vist(), QStringLiteral("Ligninger.html"));
        QCOMPARE(historik().size(), 3); // navigation added nothing
        QVERIFY(!m().naviKlikket);

        // A page visited again by a click moves the position to its entry.
        m().Information(QStringLiteral("Statistik"));
        QCOMPARE(m().urlIndex, 0);
        QCOMPARE(historik().size(), 3);
    }

    void historikHandlinger_data() {
        QTest::addColumn<int>("antal");
        QTest::addColumn<int>("indeks");
        QTest::addColumn<QString>("aktive"); // first, back, forward, last
        QTest::newRow("empty") << 0 << -1 << "0000";
        QTest::newRow("one entry") << 1 << 0 << "0000";
        QTest::newRow("at start") << 3 << 0 << "0011";
        QTest::newRow("middle") << 3 << 1 << "1111";
        QTest::newRow("at end") << 3 << 2 << "1100";
    }
    void historikHandlinger() {
        QFETCH(int, antal);
        QFETCH(int, indeks);
        QFETCH(QString, aktive);
        for (int i = 0; i < antal; ++i)
            url().tilfoej(QStringLiteral("Info.txt"), QString::number(i));
        m().urlIndex = indeks;
        const QString s = QString::number(m().AfirstUpdate()) + QString::number(m().AbackUpdate()) +
                          QString::number(m().AforwardUpdate()) +
                          QString::number(m().AlastUpdate());
        QCOMPARE(s, aktive);
    }

    void historikStopperIkke() {
        // An entry whose topic has gone, and an entry of the page shown: the
        // navigation flag must not swallow the next visit.
        m().Information(QStringLiteral("Statistik"));
        url().tilfoej(QStringLiteral("Info.txt"), QStringLiteral("Slettet emne"));
        m().goToStruktur(1);
        QVERIFY(!m().naviKlikket);
        m().goToStruktur(0); // the page already shown
        QVERIFY(!m().naviKlikket);
        m().Information(QStringLiteral("Ligninger"));
        QCOMPARE(historik().last(), QStringLiteral("Info.txt:Ligninger"));
    }

    void webSiderOptagesIkke() {
        m().Information(QStringLiteral("Statistik"));
        m().UrlLister(QStringLiteral("Søgeresultater"));
        QCOMPARE(historik(), QStringList{u"Info.txt:Statistik"_s});
        QCOMPARE(m().Edit, QStringLiteral("Søgeresultater"));
    }

    void sletListe() {
        m().Information(QStringLiteral("Statistik"));
        m().Information(QStringLiteral("Ligninger"));
        QVERIFY(url().AsletAlleUpdate());
        url().AsletAlleExecute();
        QCOMPARE(m().urlIndex, -1);
        QVERIFY(!url().AsletAlleUpdate());
        QVERIFY(!m().AbackUpdate() && !m().AforwardUpdate() && !m().AfirstUpdate() &&
                !m().AlastUpdate());
        m().Information(QStringLiteral("Tavlix"));
        QCOMPARE(historik(), QStringList{u"Info.txt:Tavlix"_s});
    }

    void urllisteDobbeltklik() {
        m().Information(QStringLiteral("Statistik"));
        m().Information(QStringLiteral("Ligninger"));
        url().strukturlisteClick(0);
        QCOMPARE(url().valgt, 0);
        url().urlListeDblClick(0);
        QCOMPARE(vist(), QStringLiteral("Statistik.html"));
        QCOMPARE(m().urlIndex, 0);
    }

    void soeg_data() {
        QTest::addColumn<QString>("ord");
        QTest::addColumn<QStringList>("fundet");
        QTest::newRow("whole word, any case")
            << u"formel"_s << QStringList{u"Andengrad"_s, u"Information"_s, u"Statistik"_s};
        QTest::newRow("word ends at hyphen") << u"formel-sprog"_s << QStringList{u"Andengrad"_s};
        QTest::newRow("part of a word is no hit") << "ligning" << QStringList{};
        QTest::newRow("markup is text too") << u"aelig"_s << QStringList{u"Statistik"_s};
        QTest::newRow("special characters") << u"Hjælp til"_s << QStringList{u"Information"_s};
    }
    void soeg() {
        QFETCH(QString, ord);
        QFETCH(QStringList, fundet);
        skriv(m().Mappe + u"/Undermappe/ikke.html"_s, "formel"); // subfolders are not searched
        // Nor is a file elsewhere that a link in the folder leads to.
        skriv(m_dir->path() + u"/ude.html"_s, "formel meter");
        QVERIFY(QFile::link(m_dir->path() + u"/ude.html"_s, m().Mappe + u"/Ude.html"_s));
        m().EditFind = ord;
        QVERIFY(m().aSearchUpdate());
        m().aSearchExecute();
        QCOMPARE(m().Findis, fundet);
        QVERIFY(m_beskeder->boxe.isEmpty());
        if (!fundet.isEmpty()) {
            m().FindisClick(fundet[0]);
            QCOMPARE(m_navigeret.last().fileName(), fundet[0] + u".html"_s);
        }
    }

    void soegFejl() {
        m().FindTekst(QString());
        QCOMPARE(m_beskeder->tekster(), QStringList{u"Der mangler en søgetekst."_s});
        m().Mappe = m_dir->path() + u"/findes-ikke"_s;
        m().FindTekst(QStringLiteral("x"));
        QCOMPARE(m_beskeder->tekster().last(), QStringLiteral("Filerne blev ikke fundet."));
    }

    void adressefelt_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("adresse");
        QTest::newRow("document") << "Statistik.html"
                                  << "Statistik.html";
        QTest::newRow("search") << "sin & cos"
                                << "https://duckduckgo.com/?q=sin%20%26%20cos";
        QTest::newRow("outside the folder") << "../data.txt"
                                            << "https://duckduckgo.com/?q=..%2Fdata.txt";
    }
    void adressefelt() {
        QFETCH(QString, tekst);
        QFETCH(QString, adresse);
        m().Edit = tekst;
        QVERIFY(m().AgoUpdate());
        m().AgoExecute();
        const QUrl u = m_navigeret.last();
        QCOMPARE(u.isLocalFile() ? u.fileName() : u.toString(QUrl::FullyEncoded), adresse);
    }

    void strukturMenu() {
        m().createStrukturPU();
        QCOMPARE(m().strukturMenu, (QStringList{u"Enhedsinformation"_s, u"Info"_s}));
        m().createStrukturPU(QStringList{}); // an empty list keeps the items
        QCOMPARE(m().strukturMenu.size(), 2);
        m().PUonclick(QStringLiteral("Enhedsinformation"));
        QCOMPARE(vist(), QStringLiteral("SI.html"));
        m().ProgramInformationClick();
        QCOMPARE(vist(), QStringLiteral("Tavlix.html"));
        m().EnhedsinformationClick();
        QCOMPARE(vist(), QStringLiteral("SI.html"));
    }

    void linkUnderMusen_data() {
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<bool>("vises");
        QTest::newRow("web") << QStringLiteral("https://example.org/side.html") << true;
        // Help pages are named after their topic, spaces and all, and the page
        // views hand the address on as it reads.
        QTest::newRow("side med mellemrum")
            << QStringLiteral("file:///hjem/Tavlixmappe/Struktur/Info/Zoom og fokusering.html")
            << true;
        QTest::newRow("æøå") << QStringLiteral("file:///hjem/Struktur/Info/Døgn på år.html")
                             << true;
        QTest::newRow("ugyldig vært") << QStringLiteral("http://[ugyldig") << false;
        QTest::newRow("tom") << QString() << false;
    }
    void linkUnderMusen() {
        QFETCH(QString, adresse);
        QFETCH(bool, vises);
        m().linkOver(QStringLiteral("https://example.org/forrige.html"));
        m().linkOver(adresse);
        QCOMPARE(m().infobar, vises ? adresse : QString());
        QCOMPARE(m().globalUrl, m().infobar);
    }

    void eksternRedigering() {
        m().redigeringsProgrammer = {m_dir->path() + u"/ingen"_s, m_dir->path() + u"/Egenskaber"_s};
        QCOMPARE(m().checkProgram(), QString()); // a folder is no program
        m().htmlProgram = m_dir->path() + u"/ingen"_s;
        m().Information(QStringLiteral("Statistik"));
        m().redigerKnapClick();
        QCOMPARE(m_beskeder->tekster(), QStringList{u"Den specificerede fil blev ikke fundet."_s});
        skriv(m_dir->path() + u"/ikke-koerbar"_s, "x");
        m().htmlProgram = m_dir->path() + u"/ikke-koerbar"_s;
        m().redigerKnapClick();
        QCOMPARE(m_beskeder->tekster().last(),
                 QStringLiteral("Operationssystemet forbød adgang til filen."));
        m().ErrorInfo(99);
        QCOMPARE(m_beskeder->tekster().last(),
                 QStringLiteral("Meningsløs operation eller ukendt fejl."));
        // The browser's own wording of code 31 differs from the date page's.
        m().ErrorInfo(31);
        QCOMPARE(m_beskeder->tekster().last(),
                 QStringLiteral("Der er ikke associeret noget program til givne filefternavn."));
    }

    // The external editor gets the structure's own documents only: not a
    // document that is a link out of the folder, nor a path elsewhere, nor
    // the location of a page that is no document (its title).
    void redigeringKunStrukturensFiler() {
        const QString hemmelig = m_dir->path() + u"/hemmelig.html"_s;
        skriv(hemmelig, "<p>hemmelig</p>");
        const QString link = m_dir->path() + u"/Struktur/Info/tekstfiler/Link.html"_s;
        QVERIFY(QFile::link(hemmelig, link));
        m().htmlProgram = m_dir->path() + u"/ingen"_s; // a start would say u"ikke fundet"_s
        for (const QString& fil : {link, hemmelig}) {
            m_beskeder->boxe.clear();
            m().runFilname(fil);
            QCOMPARE(m_beskeder->tekster(),
                     QStringList{u"Filen ligger ikke i strukturens mappe:\r"_s +
                                 QDir::toNativeSeparators(fil)});
        }
        m().Information(QStringLiteral("Statistik"));
        m().UrlLister(QStringLiteral("../../hemmelig.html"));
        QVERIFY(m().hjemmeside.isEmpty());
        m_beskeder->boxe.clear();
        m().redigerKnapClick();
        QVERIFY(m_beskeder->boxe.isEmpty());
    }

    void indstillinger() {
        m().FormClose(10, 20, 900, 700, 260);
        lavModel();
        QCOMPARE(m().formTop, 10);
        QCOMPARE(m().formLeft, 20);
        QCOMPARE(m().formWidth, 900);
        QCOMPARE(m().formHeight, 700);
        QCOMPARE(m().venstreBredde, 260);
    }

    void urlboksIndstillinger() {
        url().FormClose(400, 300);
        TUrlListe ny(m_dir->path() + u"/Egenskaber/"_s);
        ny.FormCreate();
        QCOMPARE(ny.formWidth, 400);
        QCOMPARE(ny.formHeight, 300);
        skriv(ny.optFilnavn, "350\r\n");
        TUrlListe kort(m_dir->path() + u"/Egenskaber/"_s);
        kort.FormCreate(); // one line: the width only, no message
        QCOMPARE(kort.formWidth, 350);
        QCOMPARE(kort.formHeight, 0);
    }
};

QTEST_GUILESS_MAIN(TstInfoformen)
#include "tst_infoformen.moc"
