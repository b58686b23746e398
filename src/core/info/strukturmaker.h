#pragma once
// The structure editor "Strukturkonstruktøren": creates, opens and deletes
// structures (folders below the structure root with their tree file, data
// file, document folder and picture folder) and edits a structure's elements
// with their HTML documents. The tree and its files are TStruktur; this
// model holds everything around it: the list of structures, the text and
// file-name fields, the icon choice, the insert-and-move mode and the
// messages and questions. Names typed by the user become file names, so they
// are checked before anything is written, and nothing is ever written, moved
// or deleted outside the structure's own folder.
#include "core/info/struktur.h"

#include <QObject>
#include <QStringList>

class Beskeder;

class TStrukturformModel : public QObject {
    Q_OBJECT
public:
    // `strukturRod` is the main window's structure folder, `programdir` the
    // data folder (its "HTML" folder holds the templates a new structure gets).
    TStrukturformModel(const QString& strukturRod, const QString& programdir, Beskeder& beskeder,
                       QObject* parent = nullptr);

    // The icon selector: per button position its caption and icon kind.
    static constexpr int antalIkoner = 10;
    static QString ikonCaption(int position);
    static int ikonKind(int position);
    static int ikonPosition(int kind); // -1 outside 0..9
    // The insert-and-move choice: per item of flytBox its caption and Flytmode.
    static QString flytCaption(int item);
    static int flytMode(int item);

    // Why a name cannot be a file name in a structure (empty when it can).
    // `struktur`: a structure (folder) name, which may not have an extension.
    static QString navneFejl(const QString& navn, bool struktur);
    // The page a new element gets.
    static QString standardHTML(const QString& T);

    TStruktur infostruktur;
    QString strukturDir; // ends with '/'
    QString programdir;
    QString strukturName;
    int ikonIndex = 0;
    bool insertAktiv = false;

    // What the window shows.
    int side = 0; // 0: "Ny struktur | Rediger struktur", 1: "Informationsstruktur"
    QStringList strukturboks;
    int strukturboksValgt = -1;
    QString navnEdit;
    QString elementEdit;
    QString tekstEdit;
    QString dataEdit;
    QString InfoLabel = QStringLiteral("Strukturnavn: ");
    QString ikonboksCaption;
    int ikonboksValgt = 2; // button position
    bool gemCheck = true;
    bool sorterCheck = false;
    bool autoNavn = true;
    bool EnsNavn = true;
    bool flytmodeBox = false;
    int flytBox = 0;

    // Loads the structure whose files are set; false (and a message) when it
    // does not load, which leaves the editor without a structure.
    bool hentOgMeld();
    bool strukturAaben() const { return !infostruktur.Strukturfile.isEmpty(); }
    // The actions' Update handlers.
    bool AsletAktiv() const;
    bool AgemAktiv() const { return infostruktur.Modified; }
    bool AclearAktiv() const;
    bool AinsertAktiv() const;
    bool AredigerAktiv() const;

    // Operations.
    void FormCreate();
    // `meld`: a folder that cannot be listed is reported (not at start-up,
    // where the program goes on without structures).
    void LoadStrukturBoks(bool meld = true);
    void opretStruktur();
    bool RedigerStruktur();
    void DeleteStruktur();
    void beforeRediger();
    void ClearToNew(bool focus);
    void InsertNode();
    void RedigerNode();
    void DeleteNode();
    void ReloadStruktur();
    void KontrollerFilnavn();
    void InsertAutoFilnavn();
    void opretFil(); // "Opret fil": the element's page only
    void setIkon(int kind);
    void setFlytMode(int item);
    void sorterNoder();

    // Handlers.
    void strukturboksClick(int raekke);
    void strukturboksDblClick();
    void strukturboksEnter();
    void Button5Click();
    void sletStrukturButtonClick();
    void OpdaterInfoButtonClick();
    void navnEditChange(const QString& t) { navnEdit = t; }
    void opretKnapClick() { opretStruktur(); }
    void infoKnapClick();
    void infoButtonClick();
    void infostrukturClick(TStrukturNode* node);
    void infostrukturMusDown(TStrukturNode* node);
    void infostrukturMusUp(TStrukturNode* node);
    void ExpandKnapClick();
    void CollapseKnapClick();
    void AgemExecute();
    void tbVisStrukturClick();
    void ikonboksClick(int position);
    void tekstEditChange(const QString& t);
    void dataEditChange(const QString& t) { dataEdit = t; }
    void tekstEditEnter();
    void dataEditEnter();
    void AclearExecute();
    // Closing: unsaved changes are offered for saving first.
    void FormCloseQuery();

Q_SIGNALS:
    void aendret();
    void fokusTekstEdit();
    void fokusDataEdit();
    void fokusTrae();
    // The structures changed: the browser's structure menu is rebuilt from this list.
    void strukturerAendret(const QStringList& strukturer);
    // Help topics: structure and topic.
    void informationOenskes(const QString& struktur, const QString& emne);
    // The browser shows structure `navn` at topic `emne` ("Vis strukturen i information").
    void visIBrowser(const QString& navn, const QString& emne);
    // The browser reloads structure `navn` and shows itself ("Genindlæs").
    void genindlaesIBrowser(const QString& navn);

private:
    QString dokumentSti(const QString& filnavn) const;
    bool tjekElementnavn(const QString& navn);
    bool skrivNySide();
    void efterIndsaetOgRediger();
    bool tilbydGem();
    void createStrukturPU();

    Beskeder& m_beskeder;
};
