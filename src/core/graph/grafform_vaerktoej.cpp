// The graph window's tools: solving two chosen equations, the choice lists,
// import from and export to the equation pages, and the dialogs of its menu.
// Until those tools join, "Løs" and the import and export items do nothing,
// and the dialogs are asked for by name.
#include "graph/grafformmodel.h"

void TGrafformModel::BeregnKnapClick() {
    LigningsRes();
}

void TGrafformModel::LigningsRes() {}

void TGrafformModel::L1BoxChange(int index) {
    L1Index = index;
    Q_EMIT aendret();
}

void TGrafformModel::L2BoxChange(int index) {
    L2Index = index;
    Q_EMIT aendret();
}

void TGrafformModel::ImporterAL() {}

void TGrafformModel::ImporterLigninger() {}

void TGrafformModel::MExportClick() {}

void TGrafformModel::EgenskaberClick() {
    Q_EMIT dialogOenskes(QStringLiteral("optform"));
}

void TGrafformModel::zoomBoksKnapClick() {
    Q_EMIT dialogOenskes(QStringLiteral("zoomform"));
}

void TGrafformModel::PrinterSetupClick() {
    Q_EMIT dialogOenskes(QStringLiteral("printersetup"));
}

void TGrafformModel::MPrintClick() {
    Q_EMIT dialogOenskes(QStringLiteral("printform"));
}
