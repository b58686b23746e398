#pragma once
// Recent-items list: a bounded list of entries, newest first, shown as the
// sub-items of one menu item. Each entry is a caption (the item's text) and a
// name (a file, a folder or any other text; the item's hint and what a click
// passes on). The calculator memory is one such list.
//
// The model never touches real menus: MakeMenu writes a menu description
// (TMenuBeskrivelse) and emits menuAendret; a view turns the description into
// a QMenu and reports clicks back through OnClick / OnDeleteAll with the
// clicked item's position.
#include <QList>
#include <QObject>
#include <QString>

struct TReopenRec {
    QString Caption; // text of the menu item
    QString Filnavn; // the entry's name; the item's hint

    bool operator==(const TReopenRec&) const = default;
};

enum TItemtype { itFil = 0, itBibliotek = 1, itAndet = 2 };

// Break given to the first item of a new menu column: none, break, or break
// with a vertical bar between the columns.
enum class TBreakType { ingen, brud, bjaelkeBrud };

// One sub-item of the menu item that shows a list.
struct TMenuPunkt {
    enum Art {
        Fremmed, // the owner's own item, before MenuStartNr; left alone
        Post,    // an entry of the list
        Streg,   // separator (caption "-")
        SletAlle // the delete-all item
    };
    Art art = Fremmed;
    QString caption;
    QString hint;
    int imageIndex = -1; // -1: no image
    TBreakType brud = TBreakType::ingen;

    bool kolonneBrud() const { return brud != TBreakType::ingen; }
    bool operator==(const TMenuPunkt&) const = default;
};

// The sub-items of a menu item, in order, as the view should show them. The
// owner may put its own items (art Fremmed) before the list's start position.
struct TMenuBeskrivelse {
    QList<TMenuPunkt> punkter;

    bool harKolonneBrud() const;
};

class TReopenFiler : public QObject {
    Q_OBJECT
    Q_PROPERTY(int BreakNr READ BreakNr WRITE setBreakNr)
    Q_PROPERTY(int ImageStartNr READ ImageStartNr WRITE setImageStartNr)
    Q_PROPERTY(int Filantal READ Filantal WRITE setFilantal)
    Q_PROPERTY(QString DeleteItemCap READ DeleteItemCap WRITE setDeleteItemCap)
    Q_PROPERTY(QString Itemfile READ Itemfile WRITE setItemfile)
    Q_PROPERTY(int MenuStartNr READ MenuStartNr WRITE setMenuStartNr)
    Q_PROPERTY(int Antal READ Antal)
    Q_PROPERTY(bool MedMenuStreg READ MedMenuStreg WRITE setMedMenuStreg)
    Q_PROPERTY(QString DeleteItemHint READ DeleteItemHint WRITE setDeleteItemHint)
    Q_PROPERTY(bool OnlyOneImageIndex READ OnlyOneImageIndex WRITE setOnlyOneImageIndex)

public:
    explicit TReopenFiler(QObject* parent = nullptr);

    // Properties. The setters only store the value; none rebuilds the menu.
    int BreakNr() const { return FBreakNr; } // column length; 0 = never break
    void setBreakNr(int v) { FBreakNr = v; }
    int ImageStartNr() const { return FImageStartNr; }
    void setImageStartNr(int v) { FImageStartNr = v; }
    int Filantal() const { return FFilantal; } // capacity; a negative value keeps nothing
    void setFilantal(int v) { FFilantal = v; }
    QString DeleteItemCap() const { return FDeleteItemCap; } // empty: no delete-all item
    void setDeleteItemCap(const QString& v) { FDeleteItemCap = v; }
    QString Itemfile() const { return FItemfile; } // empty: the list is not kept in a file
    void setItemfile(const QString& v) { FItemfile = v; }
    TBreakType Breaktype() const { return FBreaktype; }
    void setBreaktype(TBreakType v) { FBreaktype = v; }
    TMenuBeskrivelse* MainItem() const { return FMainItem; } // not owned; may be null
    void setMainItem(TMenuBeskrivelse* v) { FMainItem = v; }
    int MenuStartNr() const { return FMenuStartNr; }
    void setMenuStartNr(int v) { FMenuStartNr = v; }
    int Antal() const { return static_cast<int>(FRopen.size()); } // always the list's length
    bool MedMenuStreg() const { return FMedMenuStreg; }
    void setMedMenuStreg(bool v) { FMedMenuStreg = v; }
    QString DeleteItemHint() const { return FDeleteItemHint; }
    void setDeleteItemHint(const QString& v) { FDeleteItemHint = v; }
    TItemtype Itemtype() const { return FItemtype; }
    void setItemtype(TItemtype v) { FItemtype = v; }
    bool OnlyOneImageIndex() const { return FOnlyOneImageIndex; }
    void setOnlyOneImageIndex(bool v) { FOnlyOneImageIndex = v; }

    // The entries, index 0 the newest.
    const QList<TReopenRec>& Ropen() const { return FRopen; }

    // Puts a new entry at the top, dropping the oldest beyond Filantal. With
    // itFil a name that is no existing file is ignored; except with itAndet an
    // older entry of the same name is removed first. Does not rebuild the menu.
    void InsertItem(const QString& FNavn, const QString& MenuCaption);
    // Remove the first entry with that name / that caption / at that index
    // (0 = newest). Nothing happens when there is no such entry.
    void DeleteItem(const QString& FNavn);
    void DeleteItemCaption(const QString& CapNavn);
    void DeleteItem(int Index);
    // Removes every entry, and the list's menu items when there were entries.
    void DeleteAllItems();
    // Caption of entry Index, empty past the last entry (or below 0).
    QString GetCaption(int Index) const;
    // Rebuilds MainItem's sub-items from MenuStartNr on; -1 numbers the images
    // automatically. Throws TIndeksFejl when MainItem holds fewer than
    // MenuStartNr items.
    void MakeMenu(int aImageIndex);

    // The item file: line 1 Filantal, line 2 Antal, then caption and name of
    // each entry, newest first.
    // Writes it anew (nothing happens without Itemfile); TFilFejl on failure.
    void GemReopenFiler();
    // Replaces the entries with the file's; a missing file leaves the list
    // empty. A bad count line throws TKonverteringsFejl, a short file
    // TIndeksFejl; the list is then empty. Does not rebuild the menu.
    void HentReopenFiler();
    // Empties the list, deletes the item file and clears Itemfile, when the
    // file exists. TFilFejl when it cannot be deleted.
    void DeleteItemFile();

    // Click on the menu item at `position` among MainItem's sub-items (the
    // view passes it). With itFil / itBibliotek an entry whose file / folder is
    // gone is cleared, and OnKlik then gets an empty name.
    void OnClick(int position);
    // Click on the delete-all item.
    void OnDeleteAll();

Q_SIGNALS:
    // An entry was clicked: its menu position and its name.
    void OnKlik(int position, const QString& filnavn);
    // MainItem's sub-items were changed.
    void menuAendret();

private:
    int startNr() const;
    void fjernMenuFraStart();
    void indsaetPunkt(TMenuPunkt p, bool udenBrud);

    int FBreakNr = 0;
    int FImageStartNr = 0;
    int FFilantal = 10;
    QString FDeleteItemCap;
    QString FItemfile;
    TBreakType FBreaktype = TBreakType::ingen;
    TMenuBeskrivelse* FMainItem = nullptr;
    int FMenuStartNr = 0;
    bool FMedMenuStreg = false;
    QString FDeleteItemHint;
    TItemtype FItemtype = itFil;
    bool FOnlyOneImageIndex = false;
    QList<TReopenRec> FRopen;
};
