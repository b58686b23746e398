#include "core/info/strukturmaker.h"

#include "core/common/stier.h"

#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/tekstkodning.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Button position -> caption and icon kind.
struct Ikon {
    const char* caption;
    int kind;
};
constexpr Ikon ikoner[] = {
    {"Objekt", 4},   {"Information", 3},  {"Grøn bog", 0}, {"Rød bog", 1}, {"Egenskab", 8},
    {"Eksempel", 2}, {"Rød bog åben", 7}, {"Kategori", 6}, {"Metode", 5},  {"Andet", 9}};

struct Flyt {
    const char* caption;
    int mode;
};
constexpr Flyt flytninger[] = {{"På linie som sidste", TStruktur::EfterSidsteSoskende},
                               {"På linie som første", TStruktur::ForsteSoskende},
                               {"På linie før", TStruktur::Foran},
                               {"Som sidste underpunkt", TStruktur::SidsteBarn},
                               {"Som første underpunkt", TStruktur::ForsteBarn}};

// Names are compared ignoring the case of the letters A to Z only.
QString asciiSmaa(const QString& s) {
    QString t = s;
    for (QChar& c : t)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    return t;
}
bool sammeNavn(const QString& a, const QString& b) {
    return asciiSmaa(a) == asciiSmaa(b);
}

const QString uventetListe =
    QStringLiteral("Der opstod en uventet fejl.\rKontroller mappestrukturene for fejl.");

QString eksistererAllerede(const QString& navn) {
    return QStringLiteral("Filnavnet:\r") + navn + QStringLiteral("\r") +
           QStringLiteral("eksisterer allerede!");
}

} // namespace

TStrukturformModel::TStrukturformModel(const QString& strukturRod, const QString& programdir_,
                                       Beskeder& beskeder, QObject* parent)
    : QObject(parent), programdir(programdir_), m_beskeder(beskeder) {
    strukturDir = strukturRod;
    if (!strukturDir.endsWith(u'/')) strukturDir += u'/';
    ikonboksCaption = QStringLiteral("Element ikon: ") + ikonCaption(2);
}

// ---- tables ------------------------------------------------------------------

QString TStrukturformModel::ikonCaption(int position) {
    if (position < 0 || position >= antalIkoner) return {};
    return QString::fromUtf8(ikoner[position].caption);
}

int TStrukturformModel::ikonKind(int position) {
    if (position < 0 || position >= antalIkoner) return -1;
    return ikoner[position].kind;
}

int TStrukturformModel::ikonPosition(int kind) {
    for (int i = 0; i < antalIkoner; ++i)
        if (ikoner[i].kind == kind) return i;
    return -1;
}

QString TStrukturformModel::flytCaption(int item) {
    if (item < 0 || item >= 5) return {};
    return QString::fromUtf8(flytninger[item].caption);
}

int TStrukturformModel::flytMode(int item) {
    if (item < 0 || item >= 5) return TStruktur::EfterSidsteSoskende;
    return flytninger[item].mode;
}

QString TStrukturformModel::navneFejl(const QString& navn, bool struktur) {
    const QString forbudt = QStringLiteral("\\/:*?\"<>|");
    bool ok = !navn.isEmpty() && navn != QLatin1String(".") && navn != QLatin1String("..") &&
              !navn.front().isSpace() && !navn.back().isSpace();
    for (QChar c : navn)
        if (forbudt.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f) ok = false;
    // Element files get ".html" added; both must fit the file system's 255 bytes.
    const QString fil = struktur ? navn : navn + QStringLiteral(".html");
    if (QFile::encodeName(fil).size() > 255) ok = false;
    if (!ok)
        return QStringLiteral("Navnet \"") + navn +
               QStringLiteral("\" kan ikke bruges som filnavn.\rEt navn må ikke være tomt, "
                              "\".\" eller \"..\", ikke begynde eller slutte med mellemrum, ikke "
                              "indeholde \\ / : * ? \" < > | og højst fylde 255 byte.");
    if (struktur && navn.contains(u'.'))
        return QStringLiteral("Et strukturnavn må ikke indeholde punktum (en filtype): ") + navn;
    return {};
}

QString TStrukturformModel::standardHTML(const QString& T) {
    // The text goes into the page as text, never as markup.
    const QString t = T.toHtmlEscaped();
    const QStringList linjer{
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>") + t + QStringLiteral("</title>"),
        QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; "
                       "charset=windows-1252\">"),
        QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"),
        QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"Design og "
                       "funktioner/design.css\">"),
        QStringLiteral("<script type=\"text/javascript\" src=\"Design og "
                       "funktioner/funktioner.js\"></script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<div class=\"spalteUb1\" style=\"width: 500px;\">"),
        QStringLiteral("<div class=\"overskrift\">") + t + QStringLiteral("</div>"),
        QString(),
        QStringLiteral("</div>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return linjer.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// ---- actions -----------------------------------------------------------------

bool TStrukturformModel::AsletAktiv() const {
    return infostruktur.Selected() && !tekstEdit.isEmpty();
}
bool TStrukturformModel::AclearAktiv() const {
    return (!tekstEdit.isEmpty() || !dataEdit.isEmpty()) && strukturAaben();
}
bool TStrukturformModel::AinsertAktiv() const {
    return insertAktiv && !tekstEdit.isEmpty() && strukturAaben();
}
bool TStrukturformModel::AredigerAktiv() const {
    return infostruktur.Selected() && !tekstEdit.isEmpty() && strukturAaben();
}

// ---- the list of structures -----------------------------------------------------

void TStrukturformModel::FormCreate() {
    infostruktur.DataOn = true;
    LoadStrukturBoks(false);
    setIkon(0);
    side = 0;
    Q_EMIT aendret();
}

void TStrukturformModel::LoadStrukturBoks(bool meld) {
    const QString valgt = strukturboksValgt >= 0 && strukturboksValgt < strukturboks.size()
                              ? strukturboks.at(strukturboksValgt)
                              : QString();
    strukturboks.clear();
    strukturboksValgt = -1;
    const QDir rod(strukturDir);
    if (!rod.exists()) {
        if (meld) m_beskeder.information(uventetListe);
        Q_EMIT aendret();
        return;
    }
    QStringList navne =
        rod.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    // Names with an extension are files of the root, not structures.
    navne.erase(std::remove_if(navne.begin(), navne.end(),
                               [](const QString& n) { return n.contains(u'.'); }),
                navne.end());
    std::sort(navne.begin(), navne.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    strukturboks = navne;
    strukturboksValgt = static_cast<int>(strukturboks.indexOf(valgt));
    Q_EMIT aendret();
}

void TStrukturformModel::createStrukturPU() {
    LoadStrukturBoks();
    Q_EMIT strukturerAendret(strukturboks);
}

bool TStrukturformModel::tilbydGem() {
    // Unsaved changes of the open structure are offered for saving before
    // something else takes the tree. Answers whether the tree was saved.
    if (!strukturAaben() || !infostruktur.Modified) return false;
    if (!m_beskeder.spoerg(QStringLiteral("Strukturen ") + strukturName +
                           QStringLiteral(" er ændret. Skal ændringerne gemmes?")))
        return false;
    return infostruktur.GemStruktur();
}

void TStrukturformModel::opretStruktur() {
    ClearToNew(false);
    const QString navn = navnEdit;
    if (navn.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der mangler et strukturnavn!"));
        return;
    }
    const QString fejl = navneFejl(navn, true);
    if (!fejl.isEmpty()) {
        m_beskeder.information(fejl);
        return;
    }
    for (const QString& s : strukturboks) {
        if (sammeNavn(s, navn)) {
            m_beskeder.information(
                QStringLiteral("Der eksisterer en struktur med samme navn.\rFind på et nyt navn."));
            return;
        }
    }
    const QString D = strukturDir + navn;
    if (QFileInfo::exists(D) || QFileInfo(D).isSymLink()) return;
    tilbydGem();

    QDir().mkpath(D);
    strukturName = navn;
    infostruktur.Infomappe = D + QStringLiteral("/tekstfiler/");
    infostruktur.Htmlmappe = infostruktur.Infomappe + QStringLiteral("Design og funktioner/");
    infostruktur.Billedmappe = D + QStringLiteral("/Billeder/");
    for (const QString& m :
         {infostruktur.Infomappe, infostruktur.Htmlmappe, infostruktur.Billedmappe})
        QDir().mkpath(m);
    infostruktur.Strukturfile = D + QStringLiteral("/struktur.txt");
    infostruktur.Datafile = D + QStringLiteral("/data.txt");
    for (const char* fil : {"design.css", "funktioner.js"}) {
        const QString kilde = programdir + QStringLiteral("/HTML/") + QString::fromLatin1(fil);
        const QString maal = infostruktur.Htmlmappe + QString::fromLatin1(fil);
        if (!QFileInfo(kilde).isFile()) continue;
        QFile::remove(maal);
        QFile::copy(kilde, maal);
    }
    InfoLabel = QStringLiteral("Strukturnavn: ") + navn;
    infostruktur.HentStruktur();
    infostruktur.Modified = false;
    navnEdit.clear();
    side = 1;
    createStrukturPU();
    Q_EMIT aendret();
}

bool TStrukturformModel::hentOgMeld() {
    // A structure that does not load stays closed: its files are left as
    // they are, and the editor shows no structure.
    try {
        infostruktur.HentStruktur();
    } catch (const TFilFejl& e) {
        infostruktur.Strukturfile.clear();
        infostruktur.Datafile.clear();
        infostruktur.Infomappe.clear();
        infostruktur.Modified = false;
        strukturName.clear();
        InfoLabel = QStringLiteral("Strukturnavn: ");
        ClearToNew(false);
        m_beskeder.information(e.tekst());
        return false;
    }
    if (!infostruktur.advarsel().isEmpty()) m_beskeder.information(infostruktur.advarsel());
    return true;
}

bool TStrukturformModel::RedigerStruktur() {
    if (strukturboks.isEmpty() || strukturboksValgt < 0 || strukturboksValgt >= strukturboks.size())
        return false;
    const QString N = strukturboks.at(strukturboksValgt);
    if (!navneFejl(N, true).isEmpty()) return false;
    tilbydGem();
    const QString D = strukturDir + N;
    infostruktur.Strukturfile = D + QStringLiteral("/struktur.txt");
    infostruktur.Datafile = D + QStringLiteral("/data.txt");
    infostruktur.Infomappe = D + QStringLiteral("/tekstfiler/");
    infostruktur.Htmlmappe = infostruktur.Infomappe + QStringLiteral("Design og funktioner/");
    infostruktur.Billedmappe = D + QStringLiteral("/Billeder/");
    if (!hentOgMeld()) return false;
    infostruktur.Modified = false;
    InfoLabel = QStringLiteral("Strukturnavn: ") + N + QStringLiteral(". Antal items: ") +
                QString::number(infostruktur.antal());
    side = 1;
    strukturName = N;
    beforeRediger();
    return true;
}

void TStrukturformModel::DeleteStruktur() {
    if (strukturboks.isEmpty()) return;
    if (strukturboksValgt < 0 || strukturboksValgt >= strukturboks.size()) {
        m_beskeder.information(QStringLiteral("Der er ikke valgt nogen struktur."));
        return;
    }
    const QString N = strukturboks.at(strukturboksValgt);
    const QString D = strukturDir + N;
    const QFileInfo fi(D);
    if (!navneFejl(N, true).isEmpty() || (!fi.exists() && !fi.isSymLink())) {
        m_beskeder.information(D + QStringLiteral(" blev ikke fundet!"));
        return;
    }
    if (sammeNavn(N, QStringLiteral("Info"))) {
        m_beskeder.information(QStringLiteral("Denne fil må ikke slettes!\r") +
                               QStringLiteral("Den anvendes til program information."));
        return;
    }
    if (sammeNavn(N, QStringLiteral("Enhedsinformation"))) {
        m_beskeder.information(
            QStringLiteral("Denne fil må ikke slettes!\r") +
            QStringLiteral("Den anvendes til information til programmets enhedsoplysning."));
        return;
    }
    if (!m_beskeder.spoerg(QStringLiteral("Skal strukturen ") + N +
                           QStringLiteral(" slettes totalt?")))
        return;
    const bool denAabne = strukturAaben() && N == strukturName;
    if (denAabne) {
        infostruktur.ryd();
        infostruktur.Strukturfile.clear();
        infostruktur.Datafile.clear();
        infostruktur.Infomappe.clear();
        infostruktur.Modified = false;
        strukturName.clear();
        InfoLabel = QStringLiteral("Strukturnavn: ");
        ClearToNew(false);
    } else {
        tilbydGem();
    }
    strukturboks.removeAt(strukturboksValgt);
    strukturboksValgt = -1;
    // A folder that is a link is removed as a link: what it points to stays.
    if (fi.isSymLink() || !fi.isDir())
        QFile::remove(D);
    else
        QDir(D).removeRecursively();
    Q_EMIT aendret();
}

// ---- elements ------------------------------------------------------------------

void TStrukturformModel::setIkon(int kind) {
    ikonIndex = kind;
    const int pos = ikonPosition(kind);
    ikonboksValgt = pos;
    // The caption names the kind as the selector's heading does, "Iformation" included.
    ikonboksCaption = kind == 3 ? QStringLiteral("Element ikon: Iformation")
                                : QStringLiteral("Element ikon: ") + ikonCaption(pos);
    Q_EMIT aendret();
}

void TStrukturformModel::ikonboksClick(int position) {
    if (position < 0 || position >= antalIkoner) return;
    ikonIndex = ikonKind(position);
    ikonboksValgt = position;
    ikonboksCaption = QStringLiteral("Element ikon: ") + ikonCaption(position);
    Q_EMIT aendret();
    Q_EMIT fokusTekstEdit();
}

void TStrukturformModel::setFlytMode(int item) {
    flytBox = item;
    infostruktur.Flytmode = flytMode(item);
    Q_EMIT aendret();
}

void TStrukturformModel::ClearToNew(bool focus) {
    tekstEdit.clear();
    dataEdit.clear();
    insertAktiv = true;
    Q_EMIT aendret();
    if (focus) Q_EMIT fokusTekstEdit();
}

void TStrukturformModel::beforeRediger() {
    ClearToNew(false);
    TStrukturNode* n = infostruktur.Selected();
    if (flytmodeBox || !n) return;
    elementEdit = n->tekst;
    tekstEditChange(n->tekst);
    dataEdit = n->data.mid(1);
    setIkon(n->billede);
    Q_EMIT aendret();
}

void TStrukturformModel::tekstEditChange(const QString& t) {
    tekstEdit = t;
    if (EnsNavn) dataEdit = t;
    insertAktiv = true;
    Q_EMIT aendret();
}

QString TStrukturformModel::dokumentSti(const QString& filnavn) const {
    return infostruktur.Infomappe + filnavn + QStringLiteral(".html");
}

bool TStrukturformModel::tjekElementnavn(const QString& navn) {
    const QString fejl = navneFejl(navn, false);
    if (fejl.isEmpty()) return true;
    m_beskeder.information(fejl);
    return false;
}

void TStrukturformModel::efterIndsaetOgRediger() {
    // The tree sorts when "Sorter" is ticked and saves only otherwise; with
    // both ticked the sorted tree is saved as well.
    if (sorterCheck && gemCheck) infostruktur.GemStruktur();
}

bool TStrukturformModel::skrivNySide() {
    // The first steps of "Indsæt" and "Opret fil": the file name, its checks,
    // and the new element's page.
    if (!strukturAaben()) return false;
    if (EnsNavn) dataEdit = tekstEdit;
    if (dataEdit.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der mangler et filnavn!"));
        return false;
    }
    if (!tjekElementnavn(dataEdit)) return false;
    const QString P = dokumentSti(dataEdit);
    if (QFileInfo::exists(P) || QFileInfo(P).isSymLink()) {
        m_beskeder.information(eksistererAllerede(P));
        return false;
    }
    tekst::skrivFil(P, standardHTML(tekstEdit)); // throws when it cannot be written
    return true;
}

void TStrukturformModel::InsertNode() {
    if (!skrivNySide()) return;
    infostruktur.NyNode(tekstEdit, dataEdit, ikonIndex, sorterCheck, gemCheck);
    efterIndsaetOgRediger();
    ClearToNew(true);
}

void TStrukturformModel::opretFil() {
    if (skrivNySide()) ClearToNew(true);
}

void TStrukturformModel::RedigerNode() {
    if (!AredigerAktiv()) return;
    const QString F = dataEdit;
    const QString O = infostruktur.SelectedData();
    if (F.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der mangler et filnavn!"));
        return;
    }
    if (!tjekElementnavn(F)) return;
    if (!sammeNavn(F, O)) {
        if (QFileInfo::exists(dokumentSti(F))) {
            m_beskeder.information(eksistererAllerede(F));
            return;
        }
        if (!m_beskeder.spoerg(QStringLiteral("Der er indført et nyt filnavn, der ikke er "
                                              "anvendt iforvejen. Skal det nye navn anvendes?")))
            return;
    }
    // The document moves first; the tree changes only when it has moved.
    // File names are case-sensitive here, so a new letter case renames too.
    if (F != O && !O.isEmpty() && QFileInfo(dokumentSti(O)).isFile()) {
        const QString fra = dokumentSti(O), til = dokumentSti(F);
        if (!stier::indenfor(infostruktur.Infomappe, fra) ||
            !stier::indenfor(infostruktur.Infomappe, til)) {
            m_beskeder.information(QStringLiteral("Filen ligger ikke i strukturens mappe:\r") +
                                   fra);
            return;
        }
        bool flyttet = QFile::rename(fra, til);
        if (!flyttet && sammeNavn(F, O)) {
            // A file system that ignores case renames through a third name.
            const QString mellem = fra + QStringLiteral(".omdoeb");
            flyttet = QFile::rename(fra, mellem) && QFile::rename(mellem, til);
            if (!flyttet && QFileInfo(mellem).isFile()) QFile::rename(mellem, fra);
        }
        if (!flyttet) {
            m_beskeder.information(QStringLiteral("Filen kunne ikke omdøbes:\r") + fra);
            return;
        }
    }
    infostruktur.RedigerNode(tekstEdit, F, ikonIndex, sorterCheck, gemCheck);
    efterIndsaetOgRediger();
    Q_EMIT fokusTrae();
    ClearToNew(true);
}

void TStrukturformModel::DeleteNode() {
    TStrukturNode* n = infostruktur.Selected();
    if (!n) return;
    QString spm;
    if (n == infostruktur.forsteNode())
        spm = QStringLiteral("Skal hele strukturen slettes?");
    else if (n->antalBoern() > 0)
        spm = QStringLiteral("Skal elementet ") + n->tekst +
              QStringLiteral(" med underelementer slettes?");
    else
        spm = QStringLiteral("Skal elementet ") + n->tekst + QStringLiteral(" slettes?");
    if (!m_beskeder.spoerg(spm)) return;
    infostruktur.SletNode();
    // A document that did not reach the wastebasket stays in its place; the
    // user learns which, rather than believing it is gone.
    if (!infostruktur.ikkeFlyttet().isEmpty()) {
        QStringList filer;
        for (const QString& fil : infostruktur.ikkeFlyttet())
            filer << QDir::toNativeSeparators(fil);
        m_beskeder.information(QStringLiteral("Filen kunne ikke flyttes til papirkurven:\r") +
                               filer.join(u'\r'));
    }
    ClearToNew(true);
}

void TStrukturformModel::ReloadStruktur() {
    if (!hentOgMeld()) {
        Q_EMIT aendret();
        return;
    }
    infostruktur.Modified = false;
    if (!strukturName.isEmpty()) Q_EMIT genindlaesIBrowser(strukturName);
    ClearToNew(true);
}

void TStrukturformModel::KontrollerFilnavn() {
    if (dataEdit.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der er ikke noget aktuelt filnavn!"));
        return;
    }
    const QString N = dataEdit + QStringLiteral(".html");
    const bool findes =
        navneFejl(dataEdit, false).isEmpty() && QFileInfo::exists(infostruktur.Infomappe + N);
    m_beskeder.information(
        QStringLiteral("Filnavnet:\r") + N + QStringLiteral("\r") +
        (findes ? QStringLiteral("eksisterer allerede!") : QStringLiteral("eksisterer ikke!")));
}

void TStrukturformModel::InsertAutoFilnavn() {
    int k = infostruktur.antal();
    while (QFileInfo::exists(dokumentSti(QStringLiteral("dokument") + QString::number(k))))
        ++k;
    dataEdit = QStringLiteral("dokument") + QString::number(k);
    Q_EMIT aendret();
}

void TStrukturformModel::sorterNoder() {
    if (infostruktur.antal() == 0) return;
    if (!m_beskeder.spoerg(QStringLiteral("Skal elementerne i strukturen sorteres alfabetisk?")))
        return;
    infostruktur.sorter();
    Q_EMIT aendret();
}

// ---- handlers ------------------------------------------------------------------

void TStrukturformModel::strukturboksClick(int raekke) {
    strukturboksValgt = raekke;
}

void TStrukturformModel::strukturboksDblClick() {
    if (RedigerStruktur()) ClearToNew(true);
}

void TStrukturformModel::strukturboksEnter() {
    RedigerStruktur();
}

void TStrukturformModel::Button5Click() {
    if (!RedigerStruktur())
        m_beskeder.information(QStringLiteral("Der skal vælges en struktur fra listen."));
    else
        ClearToNew(true);
}

void TStrukturformModel::sletStrukturButtonClick() {
    Q_EMIT informationOenskes(QStringLiteral("Info"), QStringLiteral("Struktur konstruktøren"));
    DeleteStruktur();
    createStrukturPU();
}

void TStrukturformModel::OpdaterInfoButtonClick() {
    createStrukturPU();
}

void TStrukturformModel::infoKnapClick() {
    Q_EMIT informationOenskes(QStringLiteral("Info"), QStringLiteral("Struktur konstruktøren"));
}

void TStrukturformModel::infoButtonClick() {
    Q_EMIT informationOenskes(QStringLiteral("Info"), QStringLiteral("Informationsstruktur"));
}

void TStrukturformModel::infostrukturClick(TStrukturNode* node) {
    if (node) infostruktur.vaelg(node);
    beforeRediger();
    insertAktiv = false;
    Q_EMIT aendret();
}

void TStrukturformModel::infostrukturMusDown(TStrukturNode* node) {
    infostruktur.MusDown(node);
}

void TStrukturformModel::infostrukturMusUp(TStrukturNode* node) {
    infostruktur.MusUp(node, false);
    Q_EMIT aendret();
}

void TStrukturformModel::ExpandKnapClick() {
    if (infostruktur.antal() > 0) infostruktur.FullExpand();
}

void TStrukturformModel::CollapseKnapClick() {
    if (infostruktur.antal() > 0) infostruktur.FullCollapse();
}

void TStrukturformModel::AgemExecute() {
    infostruktur.GemStruktur();
    Q_EMIT aendret();
}

void TStrukturformModel::tbVisStrukturClick() {
    if (!strukturName.isEmpty()) Q_EMIT visIBrowser(strukturName, tekstEdit);
}

void TStrukturformModel::AclearExecute() {
    if (!AclearAktiv()) return;
    ClearToNew(true);
    insertAktiv = true;
}

void TStrukturformModel::tekstEditEnter() {
    if (!autoNavn && !EnsNavn) {
        Q_EMIT fokusDataEdit();
        return;
    }
    if (insertAktiv) {
        if (!AinsertAktiv()) return;
        InsertAutoFilnavn();
        InsertNode();
    } else if (AredigerAktiv()) {
        RedigerNode();
    }
}

void TStrukturformModel::dataEditEnter() {
    if (autoNavn || EnsNavn) return;
    if (dataEdit.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der mangler et filnavn."));
        return;
    }
    if (insertAktiv && AinsertAktiv()) InsertNode();
}

void TStrukturformModel::FormCloseQuery() {
    tilbydGem();
    Q_EMIT aendret();
}
