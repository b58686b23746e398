#include "beskedoptager.h"
#include "core/common/tekstkodning.h"
#include "core/info/strukturmaker.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A data folder with a structure root, the two templates and the two
// structures the program needs, plus an editor over it.
struct Mappe {
    QTemporaryDir dir;
    BeskedOptager b;
    std::unique_ptr<TStrukturformModel> m;
    QStringList papirkurv;

    Mappe() {
        QDir d(dir.path());
        d.mkpath(QStringLiteral("Struktur/Info/tekstfiler"));
        d.mkpath(QStringLiteral("Struktur/Enhedsinformation"));
        d.mkpath(QStringLiteral("HTML"));
        skriv(QStringLiteral("HTML/design.css"), "body{}");
        skriv(QStringLiteral("HTML/funktioner.js"), "//");
        skriv(QStringLiteral("Struktur/Info/struktur.txt"), "Tavlix\r\n");
        skriv(QStringLiteral("Struktur/liste.txt"), "x");
        m = std::make_unique<TStrukturformModel>(dir.path() + QStringLiteral("/Struktur"),
                                                 dir.path(), b);
        m->infostruktur.papirkurv = [this](const QString& sti) {
            papirkurv << QFileInfo(sti).fileName();
            return QFile::remove(sti);
        };
        m->FormCreate();
    }
    QString sti(const QString& rel) const { return dir.path() + u'/' + rel; }
    void skriv(const QString& rel, const QByteArray& indhold) {
        QFile f(sti(rel));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(indhold);
    }
    QByteArray laes(const QString& rel) const {
        QFile f(sti(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Creates structure `navn` and leaves it open.
    void opret(const QString& navn) {
        m->navnEdit = navn;
        m->opretStruktur();
    }
    void indsaet(const QString& tekst) {
        m->ClearToNew(false);
        m->tekstEditChange(tekst);
        m->InsertNode();
    }
    QStringList tekster() const {
        QStringList l;
        for (const TStrukturNode* n : m->infostruktur.preorden())
            l << n->tekst;
        return l;
    }
    TStrukturNode* node(const QString& tekst) const {
        for (TStrukturNode* n : m->infostruktur.preorden())
            if (n->tekst == tekst) return n;
        return nullptr;
    }
};

} // namespace

class TstStrukturmaker : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void start() {
        Mappe f;
        // Names with an extension are not structures.
        QCOMPARE(f.m->strukturboks, (QStringList{u"Enhedsinformation"_s, u"Info"_s}));
        QCOMPARE(f.m->ikonIndex, 0);
        QCOMPARE(f.m->ikonboksValgt, 2);
        QCOMPARE(f.m->ikonboksCaption, QStringLiteral("Element ikon: Grøn bog"));
        QVERIFY(f.m->infostruktur.DataOn);
        QVERIFY(f.b.boxe.isEmpty());
    }

    void listeUdenRod() {
        BeskedOptager b;
        QTemporaryDir dir;
        TStrukturformModel m(dir.path() + QStringLiteral("/mangler"), dir.path(), b);
        m.FormCreate(); // start-up goes on quietly
        QVERIFY(b.boxe.isEmpty());
        m.OpdaterInfoButtonClick();
        QCOMPARE(
            b.tekster(),
            QStringList{u"Der opstod en uventet fejl.\rKontroller mappestrukturene for fejl."_s});
    }

    void opret() {
        Mappe f;
        QSignalSpy menu(f.m.get(), &TStrukturformModel::strukturerAendret);
        f.opret(QStringLiteral("Brøker"));
        QVERIFY(f.b.boxe.isEmpty());
        for (const char* rel : {"Struktur/Brøker/tekstfiler/Design og funktioner/design.css",
                                "Struktur/Brøker/tekstfiler/Design og funktioner/funktioner.js"})
            QVERIFY2(QFileInfo(f.sti(QString::fromUtf8(rel))).isFile(), rel);
        QVERIFY(QFileInfo(f.sti(QStringLiteral("Struktur/Brøker/Billeder"))).isDir());
        QCOMPARE(f.m->side, 1);
        QCOMPARE(f.m->strukturName, QStringLiteral("Brøker"));
        QCOMPARE(f.m->InfoLabel, QStringLiteral("Strukturnavn: Brøker"));
        QVERIFY(f.m->strukturAaben());
        QCOMPARE(f.m->infostruktur.antal(), 0);
        QVERIFY(f.m->navnEdit.isEmpty());
        QCOMPARE(menu.count(), 1);
        QVERIFY(menu.at(0).at(0).toStringList().contains(QStringLiteral("Brøker")));
    }

    void opretAfvist_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("besked");
        const QString ugyldigt = QStringLiteral("kan ikke bruges som filnavn");
        QTest::newRow("tom") << ""
                             << "Der mangler et strukturnavn!";
        QTest::newRow("samme navn anden case")
            << "info"
            << "Der eksisterer en struktur med samme navn.\rFind på et nyt navn.";
        QTest::newRow("op en mappe") << "../ud" << ugyldigt;
        QTest::newRow("skråstreg") << "a/b" << ugyldigt;
        QTest::newRow("baglæns") << "a\\b" << ugyldigt;
        QTest::newRow("prikprik") << ".." << ugyldigt;
        QTest::newRow("kolon") << "a:b" << ugyldigt;
        QTest::newRow("stjerne") << "a*" << ugyldigt;
        QTest::newRow("blank foran") << " a" << ugyldigt;
        QTest::newRow("blank bagved") << "a " << ugyldigt;
        QTest::newRow("for langt") << QString(256, u'x') << ugyldigt;
        QTest::newRow("filtype") << "noter.txt"
                                 << "punktum";
    }
    void opretAfvist() {
        Mappe f;
        QFETCH(QString, navn);
        QFETCH(QString, besked);
        const QStringList foer =
            QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        f.opret(navn);
        QCOMPARE(f.b.boxe.size(), 1);
        QVERIFY2(f.b.boxe.at(0).tekst.contains(besked), qPrintable(f.b.boxe.at(0).tekst));
        QCOMPARE(f.m->side, 0);
        QVERIFY(!f.m->strukturAaben());
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), foer);
        QCOMPARE(QDir(f.sti(QStringLiteral("Struktur")))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                     .size(),
                 3);
    }

    void slet_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("besked");
        QTest::newRow("Info")
            << "Info"
            << "Denne fil må ikke slettes!\rDen anvendes til program information.";
        QTest::newRow("Enhedsinformation")
            << "Enhedsinformation"
            << "Denne fil må ikke slettes!\rDen anvendes til information til programmets "
               "enhedsoplysning.";
    }
    void slet() {
        Mappe f;
        QFETCH(QString, navn);
        f.m->strukturboksClick(static_cast<int>(f.m->strukturboks.indexOf(navn)));
        f.m->DeleteStruktur();
        QTEST(f.b.tekster().join(u'|'), "besked");
        QVERIFY(QFileInfo(f.sti(QStringLiteral("Struktur/") + navn)).isDir());
    }

    void sletAnden() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.m->LoadStrukturBoks();
        f.m->strukturboksClick(
            static_cast<int>(f.m->strukturboks.indexOf(QStringLiteral("Noter"))));
        f.m->DeleteStruktur(); // answered "Nej"
        QVERIFY(QFileInfo(f.sti(QStringLiteral("Struktur/Noter"))).isDir());
        f.b.svar.enqueue(true);
        f.m->DeleteStruktur();
        QCOMPARE(f.b.tekster().last(), QStringLiteral("Skal strukturen Noter slettes totalt?"));
        QVERIFY(!QFileInfo::exists(f.sti(QStringLiteral("Struktur/Noter"))));
        QVERIFY(!f.m->strukturboks.contains(QStringLiteral("Noter")));
        QVERIFY(!f.m->strukturAaben()); // it was the open one
        f.m->DeleteStruktur();
        QCOMPARE(f.b.tekster().last(), QStringLiteral("Der er ikke valgt nogen struktur."));
    }

    // Deleting another structure leaves the open tree, after offering to save it.
    void sletIkkeDenAabne() {
        Mappe f;
        f.opret(QStringLiteral("Andet"));
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("Kapitel"));
        f.m->gemCheck = false;
        f.indsaet(QStringLiteral("Afsnit"));
        QVERIFY(f.m->infostruktur.Modified);
        f.m->strukturboksClick(
            static_cast<int>(f.m->strukturboks.indexOf(QStringLiteral("Andet"))));
        f.b.svar << true << true;
        f.m->DeleteStruktur();
        QVERIFY(!QFileInfo::exists(f.sti(QStringLiteral("Struktur/Andet"))));
        QCOMPARE(f.m->strukturName, QStringLiteral("Noter"));
        QCOMPARE(f.tekster(), (QStringList{u"Kapitel"_s, u"Afsnit"_s}));
        QVERIFY(!f.m->infostruktur.Modified);
        QVERIFY(f.laes(QStringLiteral("Struktur/Noter/struktur.txt")).contains("Afsnit"));
    }

    // A structure folder that is a link is removed as a link; its target stays whole.
    void sletLink() {
        Mappe f;
        QTemporaryDir ude;
        QFile(ude.path() + QStringLiteral("/vigtig.txt")).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(ude.path(), f.sti(QStringLiteral("Struktur/Link"))));
        f.m->LoadStrukturBoks();
        f.m->strukturboksClick(static_cast<int>(f.m->strukturboks.indexOf(QStringLiteral("Link"))));
        f.b.svar.enqueue(true);
        f.m->DeleteStruktur();
        QVERIFY(!QFileInfo(f.sti(QStringLiteral("Struktur/Link"))).isSymLink());
        QVERIFY(QFileInfo(ude.path() + QStringLiteral("/vigtig.txt")).isFile());
    }

    void indsaetEnsTekst() {
        Mappe f;
        f.opret(QStringLiteral("Matematik"));
        f.indsaet(QStringLiteral("Brøker"));
        const QString side = QStringLiteral("Struktur/Matematik/tekstfiler/Brøker.html");
        QCOMPARE(tekst::fraBytes(f.laes(side)),
                 TStrukturformModel::standardHTML(QStringLiteral("Brøker")));
        QVERIFY(f.laes(side).contains("Br\xf8ker")); // Windows-1252, as the page says
        QCOMPARE(f.tekster(), QStringList{u"Brøker"_s});
        QCOMPARE(f.m->infostruktur.forsteNode()->data, QStringLiteral("0Brøker"));
        // "Auto gem" is ticked: the tree is on disk already.
        QVERIFY(!f.m->infostruktur.Modified);
        QVERIFY(f.laes(QStringLiteral("Struktur/Matematik/data.txt")).startsWith("0Br\xf8ker"));
        f.indsaet(QStringLiteral("Brøker"));
        QCOMPARE(f.b.tekster().last(), QStringLiteral("Filnavnet:\r") + f.sti(side) +
                                           QStringLiteral("\reksisterer allerede!"));
        QCOMPARE(f.m->infostruktur.antal(), 1);
    }

    void htmlEscaped() {
        const QString side = TStrukturformModel::standardHTML(QStringLiteral("a<b>&\"c\""));
        QVERIFY(side.contains(QStringLiteral("<title>a&lt;b&gt;&amp;&quot;c&quot;</title>")));
        QVERIFY(side.contains(
            QStringLiteral("<div class=\"overskrift\">a&lt;b&gt;&amp;&quot;c&quot;</div>")));
        const QStringList linjer = side.split(QStringLiteral("\r\n"));
        QCOMPARE(linjer.size(), 17); // 16 lines and the final line break
        QCOMPARE(linjer.at(12), QString());
    }

    void elementnavnAfvist() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.m->EnsNavn = false;
        f.m->ClearToNew(false);
        f.m->tekstEditChange(QStringLiteral("Ud"));
        f.m->dataEditChange(QStringLiteral("../../ud"));
        f.m->InsertNode();
        QVERIFY(f.b.tekster().last().contains(QStringLiteral("kan ikke bruges som filnavn")));
        QCOMPARE(f.m->infostruktur.antal(), 0);
        QVERIFY(!QFileInfo::exists(f.sti(QStringLiteral("Struktur/ud.html"))));
        // A dot is fine in an element's file name.
        f.m->dataEditChange(QStringLiteral("kap.1"));
        f.m->InsertNode();
        QVERIFY(QFileInfo(f.sti(QStringLiteral("Struktur/Noter/tekstfiler/kap.1.html"))).isFile());
    }

    void autoNavn_data() {
        QTest::addColumn<bool>("optaget");
        QTest::addColumn<QString>("fil");
        QTest::newRow("ledig") << false << "dokument5.html";
        QTest::newRow("optaget") << true << "dokument6.html";
    }
    void autoNavn() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        for (const char* t : {"a", "b", "c", "d", "e"})
            f.indsaet(QString::fromLatin1(t));
        QCOMPARE(f.m->infostruktur.antal(), 5);
        QFETCH(bool, optaget);
        if (optaget) f.skriv(QStringLiteral("Struktur/Noter/tekstfiler/dokument5.html"), "x");
        f.m->EnsNavn = false;
        f.m->ClearToNew(false);
        f.m->tekstEditChange(QStringLiteral("Sjette"));
        f.m->tekstEditEnter();
        QFETCH(QString, fil);
        QVERIFY(QFileInfo(f.sti(QStringLiteral("Struktur/Noter/tekstfiler/") + fil)).isFile());
        QCOMPARE(f.node(QStringLiteral("Sjette"))->dataUrl(), fil.chopped(5));
    }

    // Enter writes nothing when no structure is open.
    void enterUdenStruktur() {
        Mappe f;
        f.m->tekstEditChange(QStringLiteral("Løs"));
        f.m->tekstEditEnter();
        f.m->EnsNavn = f.m->autoNavn = false;
        f.m->dataEditChange(QStringLiteral("Løs"));
        f.m->dataEditEnter();
        QVERIFY(f.b.boxe.isEmpty());
        QVERIFY(QDir(f.sti(QStringLiteral("Struktur")))
                    .entryList(QStringList{u"*.html"_s}, QDir::Files)
                    .isEmpty());
        QVERIFY(!QFileInfo::exists(f.sti(QStringLiteral("Løs.html"))));
        f.m->dataEditChange(QString());
        f.m->dataEditEnter();
        QCOMPARE(f.b.tekster(), QStringList{u"Der mangler et filnavn."_s});
    }

    void redigerNytNavn() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("Gammel"));
        f.m->infostrukturClick(f.node(QStringLiteral("Gammel")));
        QVERIFY(!f.m->insertAktiv);
        QCOMPARE(f.m->dataEdit, QStringLiteral("Gammel"));
        f.m->tekstEditChange(QStringLiteral("Ny"));
        f.m->RedigerNode(); // answered "Nej"
        QCOMPARE(f.b.tekster().last(),
                 QStringLiteral("Der er indført et nyt filnavn, der ikke er "
                                "anvendt iforvejen. Skal det nye navn anvendes?"));
        QCOMPARE(f.tekster(), QStringList{u"Gammel"_s});
        f.m->infostrukturClick(f.node(QStringLiteral("Gammel")));
        f.m->tekstEditChange(QStringLiteral("Ny"));
        f.b.svar.enqueue(true);
        f.m->RedigerNode();
        QCOMPARE(f.tekster(), QStringList{u"Ny"_s});
        QVERIFY(QFileInfo(f.sti(QStringLiteral("Struktur/Noter/tekstfiler/Ny.html"))).isFile());
        QVERIFY(!QFileInfo::exists(f.sti(QStringLiteral("Struktur/Noter/tekstfiler/Gammel.html"))));
    }

    // A new letter case renames the file without asking: file names are case-sensitive here.
    void redigerStoreBogstaver() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("kapitel"));
        f.m->infostrukturClick(f.node(QStringLiteral("kapitel")));
        f.m->tekstEditChange(QStringLiteral("Kapitel"));
        const int foer = static_cast<int>(f.b.boxe.size());
        f.m->RedigerNode();
        QCOMPARE(f.b.boxe.size(), foer);
        QCOMPARE(f.m->infostruktur.forsteNode()->data, QStringLiteral("0Kapitel"));
        const QStringList filer =
            QDir(f.sti(QStringLiteral("Struktur/Noter/tekstfiler"))).entryList(QDir::Files);
        QCOMPARE(filer, QStringList{u"Kapitel.html"_s});
    }

    void redigerOptagetNavn() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("A"));
        f.indsaet(QStringLiteral("B"));
        f.m->infostrukturClick(f.node(QStringLiteral("A")));
        f.m->tekstEditChange(QStringLiteral("B"));
        f.m->RedigerNode();
        QCOMPARE(f.b.tekster().last(), QStringLiteral("Filnavnet:\rB\reksisterer allerede!"));
        QCOMPARE(f.tekster(), (QStringList{u"A"_s, u"B"_s}));
    }

    void sorterOgGem() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.m->sorterCheck = true;
        for (const char* t : {"Cirkel", "Areal", "Bue"})
            f.indsaet(QString::fromLatin1(t));
        QCOMPARE(f.tekster(), (QStringList{u"Areal"_s, u"Bue"_s, u"Cirkel"_s}));
        QVERIFY(!f.m->infostruktur.Modified);
        QCOMPARE(f.laes(QStringLiteral("Struktur/Noter/struktur.txt")),
                 QByteArray("Areal\r\nBue\r\nCirkel\r\n"));
        // Without "Auto gem" the sorted tree waits for "Gem".
        f.m->gemCheck = false;
        f.indsaet(QStringLiteral("Akse"));
        QVERIFY(f.m->infostruktur.Modified && f.m->AgemAktiv());
        f.m->AgemExecute();
        QVERIFY(!f.m->AgemAktiv());
        QCOMPARE(f.laes(QStringLiteral("Struktur/Noter/struktur.txt")),
                 QByteArray("Akse\r\nAreal\r\nBue\r\nCirkel\r\n"));
    }

    void sorterNoder() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.m->sorterNoder(); // an empty tree: no question
        QVERIFY(f.b.boxe.isEmpty());
        f.indsaet(QStringLiteral("B"));
        f.indsaet(QStringLiteral("A"));
        f.b.svar.enqueue(true);
        f.m->sorterNoder();
        QCOMPARE(f.b.tekster().last(),
                 QStringLiteral("Skal elementerne i strukturen sorteres alfabetisk?"));
        QCOMPARE(f.tekster(), (QStringList{u"A"_s, u"B"_s}));
        QVERIFY(f.m->infostruktur.Modified);
    }

    // Opening another structure offers to save unsaved changes first.
    void aabnAndenMedAendringer() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.m->gemCheck = false;
        f.indsaet(QStringLiteral("Usikret"));
        f.m->strukturboksClick(static_cast<int>(f.m->strukturboks.indexOf(QStringLiteral("Info"))));
        f.b.svar.enqueue(true);
        f.m->Button5Click();
        QCOMPARE(f.b.tekster().last(),
                 QStringLiteral("Strukturen Noter er ændret. Skal ændringerne gemmes?"));
        QVERIFY(f.laes(QStringLiteral("Struktur/Noter/struktur.txt")).contains("Usikret"));
        QCOMPARE(f.m->strukturName, QStringLiteral("Info"));
        QCOMPARE(f.m->InfoLabel, QStringLiteral("Strukturnavn: Info. Antal items: 1"));
        QCOMPARE(f.tekster(), QStringList{u"Tavlix"_s});
        // Closing asks the same once the tree is changed again.
        f.m->infostrukturClick(f.node(QStringLiteral("Tavlix")));
        f.m->gemCheck = false;
        f.indsaet(QStringLiteral("Ny"));
        f.m->FormCloseQuery();
        QCOMPARE(f.b.tekster().last(),
                 QStringLiteral("Strukturen Info er ændret. Skal ændringerne gemmes?"));
    }

    void redigerStrukturUdenValg() {
        Mappe f;
        f.m->Button5Click();
        QCOMPARE(f.b.tekster(), QStringList{u"Der skal vælges en struktur fra listen."_s});
    }

    void sletElement_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("spoergsmaal");
        QTest::newRow("første") << "A"
                                << "Skal hele strukturen slettes?";
        QTest::newRow("med børn") << "B"
                                  << "Skal elementet B med underelementer slettes?";
        QTest::newRow("blad") << "C"
                              << "Skal elementet C slettes?";
    }
    void sletElement() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("A"));
        f.indsaet(QStringLiteral("B"));
        f.m->setFlytMode(3); // as last child
        QCOMPARE(f.m->infostruktur.Flytmode, int(TStruktur::SidsteBarn));
        f.m->infostrukturClick(f.node(QStringLiteral("B"))); // inserts go relative to the chosen
        f.indsaet(QStringLiteral("C"));
        QCOMPARE(f.node(QStringLiteral("C"))->foraelder, f.node(QStringLiteral("B")));
        QFETCH(QString, element);
        f.m->infostrukturClick(f.node(element));
        f.b.svar.enqueue(true);
        f.m->DeleteNode();
        QTEST(f.b.tekster().last(), "spoergsmaal");
        QVERIFY(!f.node(element));
        QVERIFY(f.papirkurv.contains(element + QStringLiteral(".html")));
    }

    // A wastebasket that refuses a document: the element goes, the file
    // stays where it was, and the user is told which file.
    void papirkurvFejlMeldes() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("A"));
        f.indsaet(QStringLiteral("B"));
        f.m->infostruktur.papirkurv = [](const QString&) { return false; };
        f.m->infostrukturClick(f.node(QStringLiteral("B")));
        f.b.svar.enqueue(true);
        f.m->DeleteNode();
        QVERIFY(!f.node(QStringLiteral("B")));
        const QString fil = f.sti(QStringLiteral("Struktur/Noter/tekstfiler/B.html"));
        QVERIFY(QFileInfo(fil).isFile());
        QCOMPARE(f.b.tekster().last(),
                 QStringLiteral("Filen kunne ikke flyttes til papirkurven:\r") +
                     QDir::toNativeSeparators(fil));
    }

    void ikoner() {
        Mappe f;
        f.m->setIkon(3);
        QCOMPARE(f.m->ikonboksCaption, QStringLiteral("Element ikon: Iformation"));
        QCOMPARE(f.m->ikonboksValgt, 1);
        QSignalSpy fokus(f.m.get(), &TStrukturformModel::fokusTekstEdit);
        f.m->ikonboksClick(1);
        QCOMPARE(f.m->ikonboksCaption, QStringLiteral("Element ikon: Information"));
        QCOMPARE(f.m->ikonIndex, 3);
        QCOMPARE(fokus.count(), 1);
        f.m->ikonboksClick(8);
        QCOMPARE(f.m->ikonIndex, 5);
        QCOMPARE(f.m->ikonboksCaption, QStringLiteral("Element ikon: Metode"));
        // An inserted element keeps its kind, and selecting it shows the kind again.
        f.opret(QStringLiteral("Noter"));
        f.m->ikonboksClick(4);
        f.indsaet(QStringLiteral("Egen"));
        f.m->setIkon(0);
        f.m->infostrukturClick(f.node(QStringLiteral("Egen")));
        QCOMPARE(f.m->ikonIndex, 8);
        QCOMPARE(f.m->ikonboksCaption, QStringLiteral("Element ikon: Egenskab"));
        QCOMPARE(f.node(QStringLiteral("Egen"))->billede, 8);
    }

    void arrangerElementer() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("A"));
        f.m->flytmodeBox = true;
        f.m->infostrukturClick(f.node(QStringLiteral("A")));
        QVERIFY(f.m->tekstEdit.isEmpty() && f.m->dataEdit.isEmpty());
    }

    void kontrollerFilnavn() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.m->KontrollerFilnavn();
        f.indsaet(QStringLiteral("Findes"));
        f.m->dataEditChange(QStringLiteral("Findes"));
        f.m->KontrollerFilnavn();
        f.m->dataEditChange(QStringLiteral("Mangler"));
        f.m->KontrollerFilnavn();
        QCOMPARE(f.b.tekster(), (QStringList{u"Der er ikke noget aktuelt filnavn!"_s,
                                             u"Filnavnet:\rFindes.html\reksisterer allerede!"_s,
                                             u"Filnavnet:\rMangler.html\reksisterer ikke!"_s}));
    }

    void opretFil() {
        Mappe f;
        f.opret(QStringLiteral("Noter"));
        f.m->tekstEditChange(QStringLiteral("Kun fil"));
        f.m->opretFil();
        QVERIFY(
            QFileInfo(f.sti(QStringLiteral("Struktur/Noter/tekstfiler/Kun fil.html"))).isFile());
        QCOMPARE(f.m->infostruktur.antal(), 0);
        QVERIFY(f.m->tekstEdit.isEmpty());
    }

    void handlinger() {
        Mappe f;
        f.m->tekstEditChange(QStringLiteral("x"));
        QVERIFY(!f.m->AinsertAktiv() && !f.m->AclearAktiv()); // no structure open
        f.opret(QStringLiteral("Noter"));
        f.m->tekstEditChange(QStringLiteral("x"));
        QVERIFY(f.m->AinsertAktiv() && f.m->AclearAktiv());
        QVERIFY(!f.m->AredigerAktiv() && !f.m->AsletAktiv());
        f.indsaet(QStringLiteral("x"));
        f.m->infostrukturClick(f.node(QStringLiteral("x")));
        QVERIFY(f.m->AredigerAktiv() && f.m->AsletAktiv() && !f.m->AinsertAktiv());
        f.m->AclearExecute();
        QVERIFY(f.m->tekstEdit.isEmpty() && f.m->insertAktiv);
    }

    void browser() {
        Mappe f;
        QSignalSpy vis(f.m.get(), &TStrukturformModel::visIBrowser);
        QSignalSpy genindlaes(f.m.get(), &TStrukturformModel::genindlaesIBrowser);
        QSignalSpy hjaelp(f.m.get(), &TStrukturformModel::informationOenskes);
        f.opret(QStringLiteral("Noter"));
        f.indsaet(QStringLiteral("Emne"));
        f.m->infostrukturClick(f.node(QStringLiteral("Emne")));
        f.m->tbVisStrukturClick();
        QCOMPARE(vis.at(0), (QVariantList{QStringLiteral("Noter"), QStringLiteral("Emne")}));
        f.m->gemCheck = false;
        f.indsaet(QStringLiteral("Tabt"));
        f.m->ReloadStruktur();
        QCOMPARE(f.tekster(), QStringList{u"Emne"_s});
        QCOMPARE(genindlaes.at(0).at(0).toString(), QStringLiteral("Noter"));
        f.m->infoButtonClick();
        f.m->infoKnapClick();
        QCOMPARE(hjaelp.at(0),
                 (QVariantList{QStringLiteral("Info"), QStringLiteral("Informationsstruktur")}));
        QCOMPARE(hjaelp.at(1),
                 (QVariantList{QStringLiteral("Info"), QStringLiteral("Struktur konstruktøren")}));
    }
};

QTEST_GUILESS_MAIN(TstStrukturmaker)
#include "tst_strukturmaker.moc"
