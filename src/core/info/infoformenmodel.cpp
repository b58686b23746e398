#include "core/info/infoformenmodel.h"

#include "core/common/stier.h"

#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/tekstkodning.h"
#include "core/info/programstart.h"
#include "core/info/strukturnavne.h"
#include "core/info/urlliste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// HTML editors first, then plain text editors; each gets the file as its one argument.
QStringList standardProgrammer() {
#ifdef Q_OS_WIN
    return {QStringLiteral("C:/Windows/System32/notepad.exe")};
#else
    QStringList l;
    for (const char* p : {"bluefish", "kate", "gedit", "gnome-text-editor", "mousepad", "pluma",
                          "xed", "featherpad", "geany", "leafpad"})
        l << QStringLiteral("/usr/bin/") + QLatin1String(p);
    return l;
#endif
}

// A document's text: by its byte-order mark, else UTF-8 when the bytes are
// valid UTF-8, else Windows-1252.
QString dokumentTekst(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
        bytes.startsWith("\xFE\xFF"))
        return tekst::fraBytes(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8.decode(bytes);
    if (!utf8.hasError()) return t;
    return tekst::fraBytes(bytes);
}

} // namespace

TInfoformenModel::TInfoformenModel(const TProgramMapper& mapper, Beskeder& beskeder,
                                   TUrlListe& urlliste, QObject* parent)
    : QObject(parent), redigeringsProgrammer(standardProgrammer()), m_mapper(mapper),
      m_beskeder(beskeder), m_urlliste(urlliste) {
    Struktur.DataOn = true;
    strukturdir = m_mapper.strukturDir;
    optFilnavn = m_mapper.optDir + QStringLiteral("infor.txt");
    connect(&m_urlliste, &TUrlListe::aabnOenskes, this, &TInfoformenModel::goToStruktur);
    connect(&m_urlliste, &TUrlListe::slettet, this, [this] {
        urlIndex = -1;
        Q_EMIT aendret();
    });
}

// ---- creation, show, close -------------------------------------------------

void TInfoformenModel::FormCreate() {
    strukturnavn = QStringLiteral("Info.txt");
    newNavn = strukturnavn;
    hentOpt();
    opstart = true;
    // The window does not exist on screen yet: a missing or unreadable
    // structure is told when the browser is first shown.
    try {
        LoadStruktur();
    } catch (const TFejl& f) {
        m_startFejl = f.tekst();
    }
    if (m_startFejl.isEmpty() && Struktur.antal() == 0)
        m_startFejl =
            QStringLiteral("Informationsstrukturen \"%1\" blev ikke fundet i mappen %2.")
                .arg(strukturnavne::mappenavn(strukturnavn), QDir::toNativeSeparators(strukturdir));
    oldUrl.clear();
    htmlProgram = checkProgram();
    Q_EMIT aendret();
}

void TInfoformenModel::FormShow() {
    if (!m_startFejl.isEmpty()) {
        const QString t = m_startFejl;
        m_startFejl.clear();
        m_beskeder.information(t);
    }
    if (opstart) {
        opstart = false;
        goToInfo(QStringLiteral("Information"));
    }
}

void TInfoformenModel::FormClose(int top, int left, int bredde, int hoejde, int venstre) {
    formTop = top;
    formLeft = left;
    formWidth = bredde;
    formHeight = hoejde;
    venstreBredde = venstre;
    gemOpt();
}

void TInfoformenModel::hentOpt() {
    if (!TOptionsFil::findes(optFilnavn)) return;
    // A short or damaged file keeps the values read before the bad line.
    try {
        const TOptionsFil f = TOptionsFil::laes(optFilnavn);
        formTop = f.heltal(1);
        formLeft = f.heltal(2);
        formWidth = f.heltal(3);
        formHeight = f.heltal(4);
        venstreBredde = f.heltal(5);
    } catch (const TFejl&) {
    }
}

void TInfoformenModel::gemOpt() const {
    TOptionsSkriver s;
    s.heltal(formTop);
    s.heltal(formLeft);
    s.heltal(formWidth);
    s.heltal(formHeight);
    s.heltal(venstreBredde);
    s.gem(optFilnavn);
}

// ---- structures and topics -------------------------------------------------

void TInfoformenModel::LoadStruktur() {
    const QString d = strukturnavne::mappe(strukturdir, strukturnavn);
    // A name from the history or a caller is a folder name, nothing that
    // climbs out of the structures' folder; such a name shows no structure
    // (no paths: nothing to read, search or save).
    const bool inde = stier::indenfor(strukturdir, d);
    const auto under = [&](const QString& navn) { return inde ? d + navn : QString(); };
    Mappe = under(QStringLiteral("/tekstfiler"));
    Struktur.Billedmappe = under(QStringLiteral("/Billeder/"));
    Struktur.Strukturfile = under(QStringLiteral("/struktur.txt"));
    Struktur.Datafile = under(QStringLiteral("/data.txt"));
    Struktur.Infomappe = under(QStringLiteral("/tekstfiler/"));
    Struktur.Htmlmappe = under(QStringLiteral("/tekstfiler/Design og funktioner/"));
    m_indlaest = strukturnavn;
    try {
        Struktur.HentStruktur();
    } catch (...) {
        // The name stays recorded as loaded, so the next request does not
        // try again with every topic.
        caption = strukturnavn;
        Q_EMIT aendret();
        throw;
    }
    caption = strukturnavn;
    Q_EMIT aendret();
    if (!Struktur.advarsel().isEmpty()) m_beskeder.information(Struktur.advarsel());
}

bool TInfoformenModel::goToInfo(const QString& openNodetekst) {
    if (udenFokus)
        Q_EMIT visUdenFokus();
    else
        Q_EMIT vis();
    const auto noder = Struktur.preorden();
    if (noder.empty()) return false;
    const QString emne = openNodetekst.isEmpty() ? noder.front()->tekst : openNodetekst;
    for (TStrukturNode* n : noder) {
        if (n->tekst.compare(emne, Qt::CaseInsensitive) == 0) {
            Struktur.vaelg(n);
            if (!n->boern.empty()) {
                n->udfoldet = true;
                Q_EMIT Struktur.udfoldAendret();
            }
            StrukturClick();
            return true;
        }
    }
    return false;
}

bool TInfoformenModel::visEmne(const QString& navn, const QString& emne) {
    // Compared with the structure actually loaded, so that a request never
    // leaves the browser showing one structure under another's name.
    if (!strukturnavne::samme(navn, m_indlaest)) {
        strukturnavn = navn;
        newNavn = navn;
        LoadStruktur();
    }
    return goToInfo(emne);
}

void TInfoformenModel::Enhedsinformation(const QString& S, bool fokus) {
    const bool foer = udenFokus;
    udenFokus = !fokus;
    try {
        Enhedsinformation(S);
    } catch (...) {
        udenFokus = foer;
        throw;
    }
    udenFokus = foer;
}

void TInfoformenModel::HelpInfo(const QString& sName, const QString& S) {
    EditFind = S;
    Q_EMIT aendret();
    visEmne(sName, S);
    Q_EMIT fokusTilWeb();
}

void TInfoformenModel::StrukturClick() {
    const TStrukturNode* n = Struktur.Selected();
    if (!n || n->data.isEmpty()) return;
    hjemmeside = Struktur.dokument(n);
    Q_EMIT naviger(QUrl::fromLocalFile(hjemmeside));
}

void TInfoformenModel::StrukturKlik(TStrukturNode* node) {
    if (!node) return;
    Struktur.vaelg(node);
    StrukturClick();
}

void TInfoformenModel::createStrukturPU(const QStringList& strukturer) {
    // An empty list keeps the old items; the two fixed items always stay.
    if (strukturer.isEmpty()) return;
    strukturMenu = strukturer;
    Q_EMIT strukturMenuAendret();
}

void TInfoformenModel::createStrukturPU() {
    createStrukturPU(strukturnavne::alle(strukturdir));
}

// ---- history ---------------------------------------------------------------

void TInfoformenModel::UrlLister(const QString& url) {
    Edit = url;
    if (url.compare(oldUrl, Qt::CaseInsensitive) == 0) {
        Q_EMIT aendret();
        return;
    }
    oldUrl = url;
    // The location of a page outside the structure (a web page's title) names
    // no document here: "Rediger" must not take it for one.
    hjemmeside = stier::indenfor(Struktur.Infomappe, Struktur.Infomappe + url)
                     ? Struktur.Infomappe + url
                     : QString();
    if (naviKlikket) {
        naviKlikket = false;
        m_urlliste.vaelg(urlIndex);
        Q_EMIT aendret();
        return;
    }
    // The tree reduces the location to its document name and selects the node.
    const QString emne = Struktur.getNodeTekst(url);
    // A page that is no document of the structure (a web page) has no topic
    // to return to, so it is not recorded.
    if (emne.isEmpty()) {
        Q_EMIT aendret();
        return;
    }
    bool fundet = false;
    for (int i = 0; i < m_urlliste.antal(); ++i) {
        if (m_urlliste.urlListe[i].compare(emne, Qt::CaseInsensitive) == 0 &&
            strukturnavne::samme(m_urlliste.strukturliste[i], strukturnavn)) {
            urlIndex = i;
            fundet = true;
        }
    }
    if (fundet)
        m_urlliste.vaelg(urlIndex);
    else
        urlIndex = m_urlliste.tilfoej(strukturnavn, emne);
    Q_EMIT aendret();
}

void TInfoformenModel::goToStruktur(int aIndex) {
    if (aIndex < 0 || aIndex >= m_urlliste.antal()) return;
    urlIndex = aIndex;
    const QString struktur = m_urlliste.strukturliste[aIndex];
    const QString emne = m_urlliste.urlListe[aIndex];
    const QString foer = hjemmeside;
    naviKlikket = true;
    const bool fundet = visEmne(struktur, emne);
    // The flag waits for a page change; when the topic is missing or is the
    // page already shown, no change comes, and the flag must not swallow the
    // next visit.
    if (!fundet || QFileInfo(hjemmeside).fileName().compare(oldUrl, Qt::CaseInsensitive) == 0 ||
        hjemmeside == foer) {
        naviKlikket = false;
        if (fundet) m_urlliste.vaelg(urlIndex);
    }
    Q_EMIT aendret();
}

bool TInfoformenModel::AfirstUpdate() const {
    return m_urlliste.antal() >= 2 && urlIndex > 0;
}
bool TInfoformenModel::AbackUpdate() const {
    return urlIndex > 0;
}
bool TInfoformenModel::AforwardUpdate() const {
    return urlIndex < m_urlliste.antal() - 1;
}
bool TInfoformenModel::AlastUpdate() const {
    return m_urlliste.antal() >= 2 && urlIndex < m_urlliste.antal() - 1;
}
void TInfoformenModel::AfirstExecute() {
    goToStruktur(0);
}
void TInfoformenModel::AbackExecute() {
    urlIndex = std::max(urlIndex - 1, 0);
    goToStruktur(urlIndex);
}
void TInfoformenModel::AforwardExecute() {
    urlIndex = std::min(urlIndex + 1, m_urlliste.antal() - 1);
    goToStruktur(urlIndex);
}
void TInfoformenModel::AlastExecute() {
    urlIndex = m_urlliste.antal() - 1;
    goToStruktur(urlIndex);
}

// ---- address box -----------------------------------------------------------

QUrl TInfoformenModel::soegeAdresse(const QString& tekst) {
    return QUrl(QStringLiteral("https://duckduckgo.com/?q=") +
                QString::fromLatin1(QUrl::toPercentEncoding(tekst)));
}

void TInfoformenModel::AgoExecute() {
    if (Edit.isEmpty()) return;
    // Only documents inside the structure's folder are opened by name; any
    // other text, also a name reaching outside the folder, is searched for.
    const QString fil = QDir::cleanPath(Struktur.Infomappe + Edit);
    if (stier::indenfor(Struktur.Infomappe, fil) && QFileInfo(fil).isFile()) {
        hjemmeside = fil;
        Q_EMIT naviger(QUrl::fromLocalFile(fil));
    } else {
        Q_EMIT naviger(soegeAdresse(Edit));
    }
}

// ---- search ----------------------------------------------------------------

bool TInfoformenModel::indeholderOrd(const QString& tekst, const QString& ord) {
    if (ord.isEmpty()) return false;
    const QRegularExpression re(QStringLiteral("(?<![\\w])") + QRegularExpression::escape(ord) +
                                    QStringLiteral("(?![\\w])"),
                                QRegularExpression::CaseInsensitiveOption |
                                    QRegularExpression::UseUnicodePropertiesOption);
    return re.match(tekst).hasMatch();
}

void TInfoformenModel::FindTekst(const QString& tekst) {
    if (!QFileInfo(Mappe).isDir()) {
        m_beskeder.information(QStringLiteral("Filerne blev ikke fundet."));
        return;
    }
    Findis.clear();
    Q_EMIT aendret();
    if (tekst.isEmpty()) {
        m_beskeder.information(QStringLiteral("Der mangler en søgetekst."));
        return;
    }
    const QDir mappe(Mappe);
    const auto filer = mappe.entryInfoList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                                           QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& fi : filer) {
        // Only regular files of a page's size are searched; a pipe or a link
        // to a device would hold the search for good. A link to a file
        // outside the folder is not the structure's to search.
        if (!stier::aegteIndenfor(Mappe, fi.absoluteFilePath())) continue;
        QByteArray bytes;
        try {
            bytes = tekst::laesBytes(fi.absoluteFilePath());
        } catch (const TFilFejl&) {
            continue;
        }
        if (indeholderOrd(dokumentTekst(bytes), tekst)) Findis << fi.completeBaseName();
    }
    Q_EMIT aendret();
}

void TInfoformenModel::FindisClick(const QString& resultat) {
    if (resultat.isEmpty()) return;
    hjemmeside = Struktur.Infomappe + resultat + QStringLiteral(".html");
    Q_EMIT naviger(QUrl::fromLocalFile(hjemmeside));
}

// ---- link under the mouse, external editor ---------------------------------

void TInfoformenModel::linkOver(const QString& adresse) {
    infobar.clear();
    globalUrl.clear();
    // Tolerant: most help pages have spaces in their names, which the page
    // views hand on unencoded.
    const QUrl url(adresse, QUrl::TolerantMode);
    if (!adresse.isEmpty() && url.isValid()) {
        infobar = adresse;
        globalUrl = adresse;
    }
    Q_EMIT aendret();
}

QString TInfoformenModel::checkProgram() const {
    for (const QString& p : redigeringsProgrammer)
        if (QFileInfo(p).isFile()) return p;
    return {};
}

void TInfoformenModel::runFilname(const QString& fil) {
    if (htmlProgram.isEmpty() || !QFileInfo(fil).isFile()) return;
    // The editor is started on the structure's own documents only.
    if (!stier::aegteIndenfor(Struktur.Infomappe, fil)) {
        m_beskeder.information(QStringLiteral("Filen ligger ikke i strukturens mappe:\r") +
                               QDir::toNativeSeparators(fil));
        return;
    }
    const int kode = programstart::aabn(htmlProgram, {QDir::toNativeSeparators(fil)});
    if (kode <= 32) ErrorInfo(kode);
}

void TInfoformenModel::ErrorInfo(int kode) {
    m_beskeder.fejl(programstart::fejlTekst(kode));
}

void TInfoformenModel::indlaesStruktur(const QString& navn) {
    strukturnavn = navn;
    newNavn = navn;
    LoadStruktur();
}
