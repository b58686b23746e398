#include "core/common/reopenfiler.h"

#include "core/common/fejl.h"
#include "core/common/optionsfil.h"

#include <QFile>
#include <QFileInfo>

bool TMenuBeskrivelse::harKolonneBrud() const {
    for (const TMenuPunkt& p : punkter)
        if (p.kolonneBrud()) return true;
    return false;
}

TReopenFiler::TReopenFiler(QObject* parent) : QObject(parent) {}

int TReopenFiler::startNr() const {
    return qMax(0, FMenuStartNr);
}

void TReopenFiler::InsertItem(const QString& FNavn, const QString& MenuCaption) {
    if (FItemtype == itFil && !QFileInfo(FNavn).isFile()) return;
    // Files and folders stand in the list once; other entries may repeat.
    if (FItemtype != itAndet) DeleteItem(FNavn);
    // A negative capacity keeps nothing, like 0.
    const qsizetype antal = qMin(FRopen.size() + 1, qsizetype(qMax(0, FFilantal)));
    FRopen.prepend({MenuCaption, FNavn});
    // Also cuts the list when the capacity was lowered below the old count.
    FRopen.resize(antal);
}

void TReopenFiler::DeleteItem(const QString& FNavn) {
    for (qsizetype i = 0; i < FRopen.size(); ++i) {
        if (FRopen[i].Filnavn == FNavn) {
            FRopen.removeAt(i);
            return;
        }
    }
}

void TReopenFiler::DeleteItemCaption(const QString& CapNavn) {
    for (qsizetype i = 0; i < FRopen.size(); ++i) {
        if (FRopen[i].Caption == CapNavn) {
            FRopen.removeAt(i);
            return;
        }
    }
}

void TReopenFiler::DeleteItem(int Index) {
    if (Index >= 0 && Index < FRopen.size()) FRopen.removeAt(Index);
}

void TReopenFiler::DeleteAllItems() {
    if (!FRopen.isEmpty() && FMainItem) {
        fjernMenuFraStart();
        Q_EMIT menuAendret();
    }
    FRopen.clear();
}

QString TReopenFiler::GetCaption(int Index) const {
    return Index >= 0 && Index < FRopen.size() ? FRopen[Index].Caption : QString();
}

void TReopenFiler::fjernMenuFraStart() {
    QList<TMenuPunkt>& p = FMainItem->punkter;
    if (p.size() > startNr()) p.resize(startNr());
}

// Appends an item to MainItem. The item starts a new column when the number of
// items before it is a whole number of columns; the list's first item never
// does (udenBrud).
void TReopenFiler::indsaetPunkt(TMenuPunkt p, bool udenBrud) {
    QList<TMenuPunkt>& punkter = FMainItem->punkter;
    if (!udenBrud && FBreakNr > 0 && punkter.size() % FBreakNr == 0) p.brud = FBreaktype;
    punkter.append(p);
}

void TReopenFiler::MakeMenu(int aImageIndex) {
    if (!FMainItem) return;
    fjernMenuFraStart();
    if (FRopen.isEmpty()) {
        Q_EMIT menuAendret();
        return;
    }
    // The list's items go right after the owner's; a gap cannot be shown.
    if (FMainItem->punkter.size() < startNr())
        throw TIndeksFejl(QStringLiteral("Menuindeks %1 er uden for området").arg(startNr()));

    int lavet = 0;
    for (qsizetype j = 0; j < FRopen.size(); ++j) {
        const TReopenRec& e = FRopen[j];
        if (FItemtype != itAndet && e.Filnavn.isEmpty()) break;
        TMenuPunkt p;
        p.art = TMenuPunkt::Post;
        p.caption = e.Caption;
        p.hint = e.Filnavn;
        p.imageIndex = aImageIndex >= 0     ? aImageIndex
                       : FOnlyOneImageIndex ? FImageStartNr
                                            : FImageStartNr + int(j);
        indsaetPunkt(p, j == 0);
        ++lavet;
    }
    if (FMedMenuStreg) {
        TMenuPunkt p;
        p.art = TMenuPunkt::Streg;
        p.caption = QStringLiteral("-");
        indsaetPunkt(p, lavet == 0);
    }
    if (!FDeleteItemCap.isEmpty()) {
        TMenuPunkt p;
        p.art = TMenuPunkt::SletAlle;
        p.caption = FDeleteItemCap;
        p.hint = FDeleteItemHint;
        indsaetPunkt(p, lavet == 0);
    }
    Q_EMIT menuAendret();
}

void TReopenFiler::GemReopenFiler() {
    if (FItemfile.isEmpty()) return;
    TOptionsSkriver s;
    s.heltal(FFilantal);
    s.heltal(Antal());
    for (const TReopenRec& e : FRopen) {
        s.tekst(e.Caption);
        s.tekst(e.Filnavn);
    }
    s.gem(FItemfile);
}

void TReopenFiler::HentReopenFiler() {
    DeleteAllItems();
    if (!TOptionsFil::findes(FItemfile)) return;
    FFilantal = 0;
    const TOptionsFil fil = TOptionsFil::laes(FItemfile);
    if (fil.antal() < 2) {
        FFilantal = 10;
        return;
    }
    FFilantal = fil.heltal(1);
    const int antal = fil.heltal(2);
    if (antal < 0)
        throw TKonverteringsFejl(
            QStringLiteral("'%1' er ikke et gyldigt antal").arg(citat(fil.tekst(2))));
    // Read into a new list so that a short file leaves the list empty, not
    // half filled. The count may exceed Filantal; it is not lowered here.
    QList<TReopenRec> ny;
    for (int i = 0; i < antal; ++i)
        ny.append({fil.tekst(2 * i + 3), fil.tekst(2 * i + 4)});
    FRopen = std::move(ny);
}

void TReopenFiler::DeleteItemFile() {
    if (!TOptionsFil::findes(FItemfile)) return;
    DeleteAllItems();
    if (!QFile::remove(FItemfile))
        throw TFilFejl(QStringLiteral("Kan ikke slette filen %1").arg(FItemfile));
    FItemfile.clear();
}

void TReopenFiler::OnClick(int position) {
    // Only the list's own entry items lead here; anything else is ignored.
    if (!FMainItem || position < 0 || position >= FMainItem->punkter.size()) return;
    if (FMainItem->punkter[position].art != TMenuPunkt::Post) return;
    const int i = position - startNr();
    if (i < 0 || i >= FRopen.size()) return;

    TReopenRec& e = FRopen[i];
    const bool vaek = (FItemtype == itFil && !QFileInfo(e.Filnavn).isFile()) ||
                      (FItemtype == itBibliotek && !QFileInfo(e.Filnavn).isDir());
    if (vaek) {
        e.Caption.clear();
        e.Filnavn.clear();
    }
    // Copy first: the handler may change the list.
    const QString navn = e.Filnavn;
    Q_EMIT OnKlik(position, navn);
    if (FItemtype != itAndet && navn.isEmpty()) DeleteItem(QString());
}

void TReopenFiler::OnDeleteAll() {
    DeleteAllItems();
}
