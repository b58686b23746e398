#pragma once
// The information browser's model ("Strukturer"): the program's help and
// document viewer. It shows one structure read-only as a tree, searches the
// structure's documents for a whole word, keeps the history of visited
// topics in the URL list, and opens topics on request from every window's
// help button and F1 (`visEmne`, `HelpInfo`, `Information`,
// `Enhedsinformation`).
//
// The page view belongs to the window: this model asks it to navigate
// (`naviger`) and the window reports back the location of the page shown
// (`UrlLister`) and the link under the mouse (`linkOver`).
#include "core/common/hjaelp.h"
#include "core/common/programmapper.h"
#include "core/info/struktur.h"

#include <QObject>
#include <QStringList>
#include <QUrl>

class Beskeder;
class TUrlListe;

class TInfoformenModel : public QObject, public THjaelp {
    Q_OBJECT
public:
    TInfoformenModel(const TProgramMapper& mapper, Beskeder& beskeder, TUrlListe& urlliste,
                     QObject* parent = nullptr);

    // State.
    QString strukturnavn = QStringLiteral("Info.txt");
    QString newNavn = strukturnavn;
    QString strukturdir;
    QString Mappe; // the documents' folder, without trailing separator
    QString hjemmeside;
    QString oldUrl;
    int urlIndex = -1;
    bool naviKlikket = false;
    QString htmlProgram;
    QString globalUrl;
    bool opstart = true;
    // Set while a page follows the unit converter: goToInfo then shows the
    // window only if it is hidden and leaves the focus alone.
    bool udenFokus = false;
    QString optFilnavn;
    int formTop = 0, formLeft = 0, formWidth = 0, formHeight = 0, venstreBredde = 0;

    // What the window shows besides the tree.
    QString caption = QStringLiteral("Strukturer");
    QString EditFind;         // search box
    QString Edit;             // address box
    QStringList Findis;       // search results
    QString infobar;          // status bar: the link under the mouse
    QStringList strukturMenu; // structure items of the structure menu

    TStruktur Struktur;
    TUrlListe& urlliste() { return m_urlliste; }

    // Creation, first show and closing.
    void FormCreate();
    void FormShow(); // every show; the first one opens "Information"
    void FormClose(int top, int left, int bredde, int hoejde, int venstre);
    void hentOpt();
    void gemOpt() const;

    // Structures and topics.
    void LoadStruktur();
    // Opens the structure `navn` (a structure the editor names) in place of
    // the one shown.
    void indlaesStruktur(const QString& navn);
    bool goToInfo(const QString& openNodetekst);
    void goToStruktur(int aIndex);
    void StrukturClick();
    void StrukturKlik(TStrukturNode* node); // a click, Enter or space in the tree
    // Shows topic `emne` of structure `navn`: loads the structure when it is
    // not the one loaded, then opens the topic.
    bool visEmne(const QString& navn, const QString& emne);
    void HelpInfo(const QString& sName, const QString& S) override;
    void Information(const QString& S) override { visEmne(QStringLiteral("Info.txt"), S); }
    void Enhedsinformation(const QString& S) {
        visEmne(QStringLiteral("Enhedsinformation.txt"), S);
    }
    // The same with `udenFokus` set to !fokus for this topic only.
    void Enhedsinformation(const QString& S, bool fokus) override;
    // The structure menu: its two fixed items, then one per structure.
    void ProgramInformationClick() { Information(QStringLiteral("Tavlix")); }
    void EnhedsinformationClick() { Enhedsinformation(QStringLiteral("SI-enheder")); }
    void createStrukturPU(const QStringList& strukturer);
    void createStrukturPU(); // the structures found below the structure folder
    void PUonclick(const QString& emne) { HelpInfo(emne, QString()); }

    // History.
    void UrlLister(const QString& url);
    bool AfirstUpdate() const;
    bool AbackUpdate() const;
    bool AforwardUpdate() const;
    bool AlastUpdate() const;
    void AfirstExecute();
    void AbackExecute();
    void AforwardExecute();
    void AlastExecute();

    // Address box.
    bool AgoUpdate() const { return !Edit.isEmpty(); }
    void AgoExecute();
    static QUrl soegeAdresse(const QString& tekst);

    // Search.
    bool aSearchUpdate() const { return !EditFind.isEmpty(); }
    void aSearchExecute() { FindTekst(EditFind); }
    void FindTekst(const QString& tekst);
    void FindisClick(const QString& resultat);
    // True when `tekst` holds `ord` as a whole word, without regard to case.
    static bool indeholderOrd(const QString& tekst, const QString& ord);

    // The link under the mouse and the external editor.
    void linkOver(const QString& adresse);
    bool redigerMuligt() const { return !htmlProgram.isEmpty(); }
    void redigerKnapClick() { runFilname(hjemmeside); }
    void runFilname(const QString& fil);
    QString checkProgram() const;
    void ErrorInfo(int kode);
    // The editors looked for, in order; the first that exists is used.
    QStringList redigeringsProgrammer;

Q_SIGNALS:
    void aendret();                // caption, boxes, lists, status or actions changed
    void vis();                    // show the window
    void visUdenFokus();           // show it if hidden, else leave the focus where it is
    void naviger(const QUrl& url); // the page view loads this
    void fokusTilWeb();
    void strukturMenuAendret();

private:
    TProgramMapper m_mapper;
    Beskeder& m_beskeder;
    TUrlListe& m_urlliste;
    QString m_indlaest; // the structure actually loaded
    QString m_startFejl;
};
