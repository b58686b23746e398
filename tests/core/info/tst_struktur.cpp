// The structure tree and its two files: reading and writing the tree file,
// the data file, node operations by attach mode, finding by document, drag
// and drop, deleting with documents to the wastebasket, and encodings.
#include "core/info/struktur.h"

#include "core/common/fejl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "A(B(C)),D": each node's text, its children in parentheses.
QString beskriv(const TNodeListe& noder) {
    QStringList dele;
    for (const auto& n : noder) {
        QString s = n->tekst;
        if (!n->boern.empty()) s += u'(' + beskriv(n->boern) + u')';
        dele << s;
    }
    return dele.join(u',');
}

QByteArray laes(const QString& sti) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void skriv(const QString& sti, const QByteArray& b) {
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

TStrukturNode* find(TStruktur& s, const QString& tekst) {
    for (TStrukturNode* n : s.preorden())
        if (n->tekst == tekst) return n;
    return nullptr;
}

} // namespace

class TstStruktur : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_papirkurv;

    // A structure with DataOn over the files in the temporary folder.
    void forbered(TStruktur& s, const QByteArray& trae, const QByteArray& data = {}) {
        s.Strukturfile = m_dir.filePath(QStringLiteral("struktur.txt"));
        s.Datafile = m_dir.filePath(QStringLiteral("data.txt"));
        s.Infomappe = m_dir.path() + QStringLiteral("/tekstfiler/");
        s.DataOn = true;
        s.papirkurv = [this](const QString& sti) {
            m_papirkurv << QFileInfo(sti).fileName();
            return QFile::remove(sti);
        };
        QFile::remove(s.Datafile);
        skriv(s.Strukturfile, trae);
        if (!data.isEmpty()) skriv(s.Datafile, data);
    }

private Q_SLOTS:
    void init() {
        QVERIFY(m_dir.isValid());
        m_papirkurv.clear();
        QDir(m_dir.path()).mkpath(QStringLiteral("tekstfiler"));
    }

    void laesTrae_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("trae");
        QTest::newRow("nesting") << "A\r\n\tB\r\n\t\tC\r\nD\r\n" << true << "A(B(C)),D";
        QTest::newRow("back two levels") << "A\n\tB\n\t\tC\n\tE\nD" << true << "A(B(C),E),D";
        QTest::newRow("blanks count as levels") << "A\n B\n  C" << true << "A(B(C))";
        QTest::newRow("first line indented is top") << "\t\tA\n\tB" << true << "A(B)";
        QTest::newRow("two levels deeper fails") << "A\n\t\tB" << false << "";
        QTest::newRow("blank lines are no nodes") << "A\r\n\r\n\t\r\nB" << true << "A,B";
        QTest::newRow("cr only") << "A\r\tB\r" << true << "A(B)";
        QTest::newRow("empty") << "" << true << "";
    }
    void laesTrae() {
        QFETCH(QString, tekst);
        QFETCH(bool, ok);
        QFETCH(QString, trae);
        TNodeListe noder;
        QCOMPARE(TStruktur::laesTrae(tekst, noder), ok);
        QCOMPARE(beskriv(noder), trae);
    }

    void gemSkriverDetLaesteTilbage() {
        TStruktur s;
        const QByteArray trae("A\r\n\tB\r\n\t\tC\r\nD\r\n");
        forbered(s, trae);
        QVERIFY(s.HentStruktur());
        // A missing data file is made from the node texts, icon 0 each.
        QCOMPARE(laes(s.Datafile), QByteArray("0A\r\n0B\r\n0C\r\n0D\r\n"));
        QCOMPARE(find(s, u"C"_s)->billede, 0);
        QVERIFY(!s.Modified);
        QVERIFY(s.GemStruktur());
        QCOMPARE(laes(s.Strukturfile), trae);
        QCOMPARE(laes(s.Datafile), QByteArray("0A\r\n0B\r\n0C\r\n0D\r\n"));
    }

    void manglendeTraefil() {
        TStruktur s;
        forbered(s, "A");
        QVERIFY(s.HentStruktur());
        s.Strukturfile = m_dir.filePath(QStringLiteral("findes-ikke.txt"));
        QVERIFY(!s.HentStruktur());
        QCOMPARE(s.antal(), 0);
    }

    void gemUdenFilnavne() {
        TStruktur s;
        s.NyNode(QStringLiteral("A"), QStringLiteral("A"), 0, false, false);
        QVERIFY(!s.GemStruktur());
        s.Strukturfile = m_dir.filePath(QStringLiteral("x.txt"));
        s.DataOn = true;
        QVERIFY(!s.GemStruktur()); // no data file name
        QVERIFY(!QFile::exists(s.Strukturfile));
    }

    void dataLinjer() {
        // Icons, a line "0" for a node without a document, and a short file.
        TStruktur s;
        forbered(s, "A\n\tB\n\tC\nD", "3a\r\n0\r\nxyz\r\n");
        QVERIFY(s.HentStruktur());
        QCOMPARE(find(s, u"A"_s)->billede, 3);
        QCOMPARE(find(s, u"A"_s)->dataUrl(), QStringLiteral("a"));
        QCOMPARE(find(s, u"B"_s)->dataUrl(), QString());
        QCOMPARE(find(s, u"C"_s)->data, QStringLiteral("0xyz")); // no icon digit: icon 0
        QCOMPARE(find(s, u"D"_s)->data, QStringLiteral("0D"));   // past the end
    }

    void nyNodeEfterFlytmode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("trae");
        QTest::newRow("0 last sibling") << 0 << "A(B(C),E,N),D";
        QTest::newRow("1 first sibling") << 1 << "A(N,B(C),E),D";
        QTest::newRow("2 last child") << 2 << "A(B(C,N),E),D";
        QTest::newRow("3 first child") << 3 << "A(B(N,C),E),D";
        QTest::newRow("4 in front") << 4 << "A(N,B(C),E),D";
    }
    void nyNodeEfterFlytmode() {
        QFETCH(int, mode);
        QFETCH(QString, trae);
        TStruktur s;
        forbered(s, "A\n\tB\n\t\tC\n\tE\nD");
        QVERIFY(s.HentStruktur());
        s.vaelg(find(s, u"B"_s));
        s.Flytmode = mode;
        s.NyNode(QStringLiteral("N"), QStringLiteral("n"), 5, false, false);
        QCOMPARE(beskriv(s.topNoder()), trae);
        QVERIFY(s.Modified);
        QCOMPARE(s.Selected()->tekst, QStringLiteral("B")); // the reference stays chosen
        QCOMPARE(find(s, u"N"_s)->billede, 5);
    }

    // Several inserts in a row all go relative to the same element, so they
    // come out as siblings in the order typed, not as a chain.
    void flereIndsaetninger_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("trae");
        QTest::newRow("0 last sibling") << 0 << "X,A,B,C";
        QTest::newRow("2 last child") << 2 << "X(A,B,C)";
        QTest::newRow("3 first child") << 3 << "X(C,B,A)";
        QTest::newRow("4 in front") << 4 << "A,B,C,X";
    }
    void flereIndsaetninger() {
        QFETCH(int, mode);
        QFETCH(QString, trae);
        TStruktur s;
        forbered(s, "X");
        QVERIFY(s.HentStruktur());
        s.vaelg(s.forsteNode());
        s.Flytmode = mode;
        for (const char* t : {"A", "B", "C"})
            s.NyNode(QString::fromLatin1(t), QString::fromLatin1(t).toLower(), 0, false, false);
        QCOMPARE(beskriv(s.topNoder()), trae);
        QCOMPARE(s.Selected()->tekst, QStringLiteral("X"));
    }

    void nyNodeFoerstOgUdenValg() {
        TStruktur s;
        forbered(s, "");
        s.HentStruktur();
        s.NyNode(QString(), QStringLiteral("x"), 0, false, false); // empty text: nothing
        QCOMPARE(s.antal(), 0);
        s.NyNode(QStringLiteral("Top"), QStringLiteral("top"), 0, false, false);
        QCOMPARE(s.Selected()->tekst, QStringLiteral("Top")); // the first node is chosen
        s.NyNode(QStringLiteral("Alfa"), QStringLiteral("alfa"), 0, true, false); // sorted
        QCOMPARE(beskriv(s.topNoder()), QStringLiteral("Alfa,Top"));
        s.vaelg(nullptr);
        s.Flytmode = TStruktur::SidsteBarn; // without selection: the first node is the reference
        s.NyNode(QStringLiteral("Barn"), QStringLiteral("barn"), 0, false, false);
        QCOMPARE(beskriv(s.topNoder()), QStringLiteral("Alfa(Barn),Top"));
    }

    void nyNodeGemmerOgGemmerData() {
        TStruktur s;
        forbered(s, "Oversigt");
        QVERIFY(s.HentStruktur());
        s.vaelg(s.forsteNode());
        s.Flytmode = TStruktur::SidsteBarn;
        s.NyNode(QStringLiteral("Kapitel"), QStringLiteral("kapitel1"), 3, false, true);
        QVERIFY(!s.Modified);
        QCOMPARE(laes(s.Datafile), QByteArray("0Oversigt\r\n3kapitel1\r\n"));
        QCOMPARE(laes(s.Strukturfile), QByteArray("Oversigt\r\n\tKapitel\r\n"));
        QCOMPARE(find(s, u"Kapitel"_s)->dataUrl(), QStringLiteral("kapitel1"));
        QCOMPARE(s.dokument(find(s, u"Kapitel"_s)), s.Infomappe + QStringLiteral("kapitel1.html"));
    }

    void nodetekstUdenIndrykning() {
        // Leading TABs or blanks in a node text would move it deeper on reload.
        TStruktur s;
        forbered(s, "A\n\tB");
        QVERIFY(s.HentStruktur());
        s.vaelg(find(s, u"B"_s));
        s.RedigerNode(QStringLiteral("\t  B2"), QStringLiteral("b2"), 2, false, true);
        s.NyNode(QStringLiteral(" \tC"), QStringLiteral("c"), 1, false, true);
        QVERIFY(s.HentStruktur());
        QCOMPARE(beskriv(s.topNoder()), QStringLiteral("A(B2,C)"));
        QCOMPARE(find(s, u"B2"_s)->data, QStringLiteral("2b2"));
    }

    void redigerUdenValg() {
        TStruktur s;
        forbered(s, "A");
        QVERIFY(s.HentStruktur());
        s.RedigerNode(QStringLiteral("X"), QStringLiteral("x"), 1, false, false);
        QCOMPARE(s.forsteNode()->tekst, QStringLiteral("A"));
        QVERIFY(!s.Modified);
    }

    void findVedDokument_data() {
        QTest::addColumn<QString>("dataUrl");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("windows path") << "C:\\x\\kapitel1.html"
                                      << "Kapitel";
        QTest::newRow("file name") << "kapitel1.html"
                                   << "Kapitel";
        QTest::newRow("bare name") << "kapitel1"
                                   << "Kapitel";
        QTest::newRow("case differs") << "Kapitel1.html"
                                      << "";
        QTest::newRow("unknown") << "/a/b/ukendt.html"
                                 << "";
    }
    void findVedDokument() {
        QFETCH(QString, dataUrl);
        QFETCH(QString, tekst);
        TStruktur s;
        forbered(s, "Oversigt\n\tKapitel", "0Oversigt\r\n3kapitel1\r\n");
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.getNodeTekst(dataUrl), tekst);
        if (!tekst.isEmpty()) {
            QCOMPARE(s.Selected()->tekst, tekst);
            QVERIFY(!s.setSelected(dataUrl)); // already selected
            s.vaelg(nullptr);
            QVERIFY(s.setSelected(dataUrl));
        } else {
            QVERIFY(!s.setSelected(dataUrl));
        }
        s.DataOn = false;
        QCOMPARE(s.getNodeTekst(QStringLiteral("kapitel1")), QString());
    }

    void valgtIndeks() {
        TStruktur s;
        QCOMPARE(s.getTheSelectedIndex(), -1);
        forbered(s, "A\n\tB\n\t\tC\nD");
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.getTheSelectedIndex(), 3); // none selected: the last node
        s.vaelg(find(s, u"C"_s));
        QCOMPARE(s.getTheSelectedIndex(), 2);
        QCOMPARE(s.InfoFilnavn(QStringLiteral("html")), m_dir.path() + u"/tekstfiler/BC.html"_s);
    }

    void traekOgSlip_data() {
        QTest::addColumn<QString>("fra");
        QTest::addColumn<QString>("til");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("somGrundnode");
        QTest::addColumn<QString>("trae");
        QTest::addColumn<bool>("modified");
        QTest::newRow("first node stays") << "A"
                                          << "D" << 2 << false << "A(B(C)),D" << false;
        QTest::newRow("onto itself") << "B"
                                     << "B" << 2 << false << "A(B(C)),D" << false;
        QTest::newRow("onto own child") << "B"
                                        << "C" << 2 << false << "A(B(C)),D" << false;
        QTest::newRow("after D") << "B"
                                 << "D" << 0 << false << "A,D,B(C)" << true;
        QTest::newRow("child of D") << "C"
                                    << "D" << 3 << false << "A(B),D(C)" << true;
        QTest::newRow("in front of A") << "D"
                                       << "C" << 2 << true << "D,A(B(C))" << true;
        QTest::newRow("no node under mouse") << "B"
                                             << "" << 2 << false << "A(B(C)),D" << false;
    }
    void traekOgSlip() {
        QFETCH(QString, fra);
        QFETCH(QString, til);
        QFETCH(int, mode);
        QFETCH(bool, somGrundnode);
        QFETCH(QString, trae);
        QFETCH(bool, modified);
        TStruktur s;
        forbered(s, "A\n\tB\n\t\tC\nD");
        QVERIFY(s.HentStruktur());
        s.Flytmode = mode;
        s.MusDown(find(s, fra));
        s.MusUp(til.isEmpty() ? nullptr : find(s, til), somGrundnode);
        QCOMPARE(beskriv(s.topNoder()), trae);
        QCOMPARE(s.Modified, modified);
        QVERIFY(!s.traekker());
    }

    void andetTrykAfbryderTraek() {
        TStruktur s;
        forbered(s, "A\nB\nC");
        QVERIFY(s.HentStruktur());
        s.MusDown(find(s, u"B"_s));
        QVERIFY(s.traekker());
        s.MusDown(find(s, u"C"_s)); // a second press cancels
        QVERIFY(!s.traekker());
        s.MusUp(find(s, u"A"_s), false);
        QCOMPARE(beskriv(s.topNoder()), QStringLiteral("A,B,C"));
    }

    void sletFlytterDokumenterTilPapirkurven() {
        TStruktur s;
        forbered(s, "A\n\tB\n\t\tC\nD", "0a\r\n0b\r\n0c\r\n0d\r\n");
        QVERIFY(s.HentStruktur());
        for (const QString& n : {u"a"_s, u"b"_s, u"c"_s, u"d"_s})
            skriv(s.Infomappe + n + u".html"_s, "<p>x</p>");
        s.vaelg(find(s, u"A"_s));
        s.SletNode();
        QCOMPARE(beskriv(s.topNoder()), QStringLiteral("D"));
        QCOMPARE(m_papirkurv, (QStringList{u"b.html"_s, u"a.html"_s}));
        QVERIFY(QFile::exists(s.Infomappe + u"c.html"_s)); // a grandchild's document stays
        QVERIFY(s.Modified);
        QCOMPARE(s.Selected()->tekst, QStringLiteral("D"));
    }

    void papirkurv() {
        TStruktur s;
        forbered(s, "A");
        QVERIFY(!s.FileDeleteRB(m_dir.filePath(u"findes-ikke"_s)));
        QVERIFY(m_papirkurv.isEmpty());
        const QString lang = m_dir.path() + u'/' + QString(260 - m_dir.path().size(), u'x');
        skriv(lang, "x");
        if (QFile::exists(lang)) QVERIFY(!s.FileDeleteRB(lang));
        skriv(m_dir.filePath(u"tekstfiler/kort"_s), "x");
        QVERIFY(s.FileDeleteRB(m_dir.filePath(u"tekstfiler/kort"_s)));
        // Outside the structure's document folder nothing is deleted.
        skriv(m_dir.filePath(u"udenfor"_s), "x");
        QVERIFY(!s.FileDeleteRB(m_dir.filePath(u"udenfor"_s)));
        QVERIFY(!s.FileDeleteRB(m_dir.filePath(u"tekstfiler/../udenfor"_s)));
        QVERIFY(QFile::exists(m_dir.filePath(u"udenfor"_s)));
    }

    // Document names from the data file that could reach outside the folder
    // give their node no document, with one message naming the lines.
    void fjendtligeDokumentnavne() {
        TStruktur s;
        skriv(m_dir.filePath(u"offer.html"_s), "hemmelig");
        forbered(
            s, "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\n",
            "0../offer\r\n1godt navn\r\n2/etc/passwd\r\n0a\\b\r\n0c:d\r\n0x\x01y\r\n0sidste\r\n");
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.antal(), 7);
        QStringList data;
        for (const TStrukturNode* n : s.preorden())
            data << n->data;
        QCOMPARE(data,
                 (QStringList{u""_s, u"1godt navn"_s, u""_s, u""_s, u""_s, u""_s, u"0sidste"_s}));
        QVERIFY(s.advarsel().contains(QStringLiteral("linje 1, 3, 4, 5, 6 i data.txt")));
        // Neither a document path nor a delete leaves the folder.
        for (const TStrukturNode* n : s.preorden())
            QVERIFY(s.dokument(n).isEmpty() || s.dokument(n).startsWith(s.Infomappe));
        s.vaelg(s.forsteNode());
        s.SletNode();
        QVERIFY(QFile::exists(m_dir.filePath(u"offer.html"_s)));
        QVERIFY(m_papirkurv.isEmpty());
    }

    void gyldigtDokumentnavn_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "Side 1" << true;
        QTest::newRow("dots inside a name") << "v1.2" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("parent inside") << "a/../b" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("colon") << "C:x" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("delete char") << "a\x7f" << false;
    }
    void gyldigtDokumentnavn() {
        QFETCH(QString, navn);
        QFETCH(bool, ok);
        QCOMPARE(TStruktur::gyldigtDokumentnavn(navn), ok);
    }

    // A tree file with a level jump does not load: the message names the
    // file and line, and nothing is saved over the files until a load works.
    void niveauspringOverskrivesIkke() {
        TStruktur s;
        const QByteArray trae = "A\r\n\t\tB\r\n";
        forbered(s, trae, "0a\r\n0b\r\n");
        try {
            s.HentStruktur();
            QFAIL("the load should fail");
        } catch (const TFilFejl& f) {
            QCOMPARE(f.tekst(), QStringLiteral("Ugyldigt niveau i linje 2 i ") +
                                    QDir::toNativeSeparators(s.Strukturfile));
        }
        QCOMPARE(s.antal(), 0);
        QVERIFY(s.gemmeSpaerret());
        s.NyNode(QStringLiteral("Ny"), QStringLiteral("ny"), 0, false, true);
        QVERIFY(!s.GemStruktur());
        QCOMPARE(laes(s.Strukturfile), trae);
        QCOMPARE(laes(s.Datafile), QByteArray("0a\r\n0b\r\n"));
        // Mended by hand, it loads and saves again.
        skriv(s.Strukturfile, "A\r\n\tB\r\n");
        QVERIFY(s.HentStruktur());
        QVERIFY(!s.gemmeSpaerret());
        QVERIFY(s.GemStruktur());
    }

    // A save stopped at any step leaves the old pair or the new pair, never
    // a mix; the next load finishes a save that had both new files written.
    void afbrudtGem_data() {
        QTest::addColumn<int>("trin");
        QTest::addColumn<bool>("ny");
        QTest::newRow("before the renames") << 0 << false;
        QTest::newRow("both written") << 1 << true;
        QTest::newRow("between the renames") << 2 << true;
        QTest::newRow("not stopped") << 3 << true;
    }
    void afbrudtGem() {
        QFETCH(int, trin);
        QFETCH(bool, ny);
        struct Stop {};
        {
            TStruktur s;
            forbered(s, "A\r\nB\r\n", "0a\r\n0b\r\n");
            QVERIFY(s.HentStruktur());
            s.vaelg(s.forsteNode());
            s.Flytmode = TStruktur::Foran;
            s.NyNode(QStringLiteral("Ny"), QStringLiteral("ny"), 3, false, false);
            if (trin == 0) {
                // Stopped while the new data file was being written.
                skriv(s.Datafile + QStringLiteral(".ny"), "3ny\r\n0a");
            } else {
                s.gemTrin = [trin](int t) {
                    if (t == trin) throw Stop{};
                };
                try {
                    s.GemStruktur();
                } catch (const Stop&) {
                }
            }
        }
        TStruktur s;
        s.Strukturfile = m_dir.filePath(QStringLiteral("struktur.txt"));
        s.Datafile = m_dir.filePath(QStringLiteral("data.txt"));
        s.Infomappe = m_dir.path() + QStringLiteral("/tekstfiler/");
        s.DataOn = true;
        QVERIFY(s.HentStruktur());
        QStringList par;
        for (const TStrukturNode* n : s.preorden())
            par << n->tekst + u'=' + n->data;
        if (ny)
            QCOMPARE(par, (QStringList{u"Ny=3ny"_s, u"A=0a"_s, u"B=0b"_s}));
        else
            QCOMPARE(par, (QStringList{u"A=0a"_s, u"B=0b"_s}));
        QCOMPARE(s.advarsel().isEmpty(), trin == 0 || trin == 3);
        // No part files are left beside the pair after the next save.
        skriv(s.Strukturfile + QStringLiteral(".Ab12Cd"), "rest");
        QVERIFY(s.GemStruktur());
        const QStringList filer =
            QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(filer.filter(QStringLiteral(".txt.")), QStringList());
    }

    void tegnsaet_data() {
        QTest::addColumn<QByteArray>("fil");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("ny");
        QTest::addColumn<QByteArray>("gemt");
        QTest::newRow("windows-1252 stays")
            << QByteArray("V\xe6gt \x80") << QStringLiteral("Vægt €") << QStringLiteral("Længde")
            << QByteArray("V\xe6gt \x80\r\n\tL\xe6ngde\r\n");
        QTest::newRow("outside 1252 gets utf-8 with mark")
            << QByteArray("A") << QStringLiteral("A") << QStringLiteral("Pil →")
            << QByteArray("\xEF\xBB\xBF"
                          "A\r\n\tPil \xE2\x86\x92\r\n");
        QTest::newRow("a file with mark keeps it")
            << QByteArray("\xEF\xBB\xBF\xC3\xA6") << QStringLiteral("æ") << QStringLiteral("b")
            << QByteArray("\xEF\xBB\xBF\xC3\xA6\r\n\tb\r\n");
    }
    void tegnsaet() {
        QFETCH(QByteArray, fil);
        QFETCH(QString, tekst);
        QFETCH(QString, ny);
        QFETCH(QByteArray, gemt);
        TStruktur s;
        forbered(s, fil);
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.forsteNode()->tekst, tekst);
        s.vaelg(s.forsteNode());
        s.Flytmode = TStruktur::SidsteBarn;
        s.NyNode(ny, QStringLiteral("x"), 0, false, true);
        QCOMPARE(laes(s.Strukturfile), gemt);
        QVERIFY(s.HentStruktur());
        QCOMPARE(find(s, ny) != nullptr, true);
    }

    void udenData() {
        TStruktur s;
        forbered(s, "A\n\tB");
        s.DataOn = false;
        QVERIFY(s.HentStruktur());
        QVERIFY(!QFile::exists(s.Datafile));
        QCOMPARE(find(s, u"A"_s)->billede, -1);
        s.vaelg(find(s, u"B"_s));
        QCOMPARE(s.SelectedData(), QString());
    }
};

QTEST_GUILESS_MAIN(TstStruktur)
#include "tst_struktur.moc"
