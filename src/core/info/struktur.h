#pragma once
// Information and structures: a structure is a named table of contents over a
// folder of HTML documents. TStruktur holds one structure as a tree and owns
// its two files: the tree file "struktur.txt" (node texts, nesting by leading
// TABs) and the data file "data.txt" (per node an icon digit and the name of
// its document), both one line per node in pre-order, lines ending in CR LF.
//
// The information browser (TInfoformen) shows a structure read-only; the
// structure editor changes it with the node operations here. Views show the
// tree and forward clicks and drags to these operations.
#include <functional>
#include <memory>
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

struct TStrukturNode {
    QString tekst;
    QString data;     // icon digit + document name; empty when the node has none
    int billede = -1; // image index (the icon digit), -1 without data
    bool udfoldet = false;
    TStrukturNode* foraelder = nullptr;
    std::vector<std::unique_ptr<TStrukturNode>> boern;

    // The document name (`DataUrl`): the data string after the icon digit.
    QString dataUrl() const { return data.mid(1); }
    int antalBoern() const { return int(boern.size()); }
};

using TNodeListe = std::vector<std::unique_ptr<TStrukturNode>>;

class TStruktur : public QObject {
    Q_OBJECT
public:
    // Where new and moved nodes go relative to the reference node.
    enum Flyt {
        EfterSidsteSoskende = 0, // after it, as the last sibling
        ForsteSoskende = 1,      // as its parent's first child
        SidsteBarn = 2,          // as its last child
        ForsteBarn = 3,          // as its first child
        Foran = 4,               // inserted in front of it
    };

    explicit TStruktur(QObject* parent = nullptr);
    ~TStruktur() override;

    // Published properties.
    QString Strukturfile;
    QString Datafile;
    QString Infomappe; // ends with a folder separator
    QString Billedmappe;
    QString Htmlmappe;
    bool DataOn = false;
    bool Modified = false;
    int Flytmode = EfterSidsteSoskende;

    // Moves a file to the wastebasket; tests replace it with a recorder.
    std::function<bool(const QString&)> papirkurv;
    // Called between the steps of a save (1: both new files written, 2: the
    // new data file in place, before the tree file); tests use it to stop a
    // save halfway, as a kill would.
    std::function<void(int trin)> gemTrin;

    // The tree.
    const TNodeListe& topNoder() const { return m_rod; }
    std::vector<TStrukturNode*> preorden() const;
    int antal() const;
    TStrukturNode* forsteNode() const { return m_rod.empty() ? nullptr : m_rod.front().get(); }
    TStrukturNode* Selected() const { return m_valgt; }
    void vaelg(TStrukturNode* node); // select a node (nullptr: none)
    void ryd();
    void FullExpand();
    void FullCollapse();
    // The document file of a node: Infomappe + DataUrl + ".html" (empty without data).
    QString dokument(const TStrukturNode* node) const;

    // Files. A tree file that does not load (an invalid level) throws
    // TFilFejl naming the file and the line; the structure is then empty and
    // nothing is saved over its files until a load succeeds.
    bool HentStruktur();
    bool GemStruktur();
    bool gemmeSpaerret() const { return m_spaerret; }
    // What the last load left out or repaired, for one message (empty: nothing).
    QString advarsel() const { return m_advarsel; }
    // True when a document name read from a file may be used: the same rule
    // as for typed names, so the document stays in the structure's folder.
    static bool gyldigtDokumentnavn(const QString& navn);

    // Node operations.
    void NyNode(const QString& Tekst, const QString& Data, int Index, bool sorter, bool gem);
    void RedigerNode(const QString& Tekst, const QString& Data, int Index, bool sorter, bool gem);
    void SletNode();
    // The documents the last SletNode could not move to the wastebasket;
    // they stay where they were.
    const QStringList& ikkeFlyttet() const { return m_ikkeFlyttet; }
    QString SelectedData() const;
    QString getNodeTekst(const QString& DataUrl);
    bool setSelected(const QString& DataUrl);
    QString InfoFilnavn(const QString& Filefternavn) const;
    int getTheSelectedIndex() const;

    // Drag and drop: the view finds the node under the mouse (nullptr: none).
    void MusDown(TStrukturNode* node);
    void MusUp(TStrukturNode* node, bool somGrundnode);
    bool traekker() const { return m_mouseDown; }
    // Moves `node` with its subtree relative to `maal` by `mode`. A node moved
    // onto itself or into its own subtree stays where it is (false).
    bool flyt(TStrukturNode* node, TStrukturNode* maal, int mode);

    // Sorts the whole tree by node text at every level and marks it modified.
    void sorter();

    bool FileDeleteRB(const QString& AFileName);

    // The tree file's text: reading (false with the 1-based line of an
    // invalid level) and writing. Pure, so they can be fuzzed and tested alone.
    static bool laesTrae(const QString& tekst, TNodeListe& ud, int* fejlLinje = nullptr);
    static QString skrivTrae(const TNodeListe& noder);

Q_SIGNALS:
    void aendret();      // nodes added, removed, moved, renamed or reloaded
    void valgtAendret(); // the selected node changed
    void udfoldAendret();
    void haandMarkoer(bool haand); // a drag started (true) or ended (false)

private:
    TStrukturNode* indsaet(std::unique_ptr<TStrukturNode> ny, TStrukturNode* ref, int mode);
    std::unique_ptr<TStrukturNode> tagUd(TStrukturNode* node);
    TNodeListe& soskende(TStrukturNode* node);
    void saetData(TStrukturNode* node, const QString& Data, int Index);
    void efterAendring(bool sorter, bool gem);
    void sletDokument(TStrukturNode* node);
    static QByteArray filBytes(const QString& tekst, bool bom);
    void fuldfoerAfbrudtGem();

    TNodeListe m_rod;
    TStrukturNode* m_valgt = nullptr;
    bool m_mouseDown = false;
    TStrukturNode* m_nodeDown = nullptr;
    TStrukturNode* m_nodeUp = nullptr;
    bool m_traeBom = false; // the files were read with a byte-order mark
    bool m_dataBom = false;
    bool m_spaerret = false; // the last load failed: no save over the files
    QString m_advarsel;
    QStringList m_ikkeFlyttet;
};
