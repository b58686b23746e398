#pragma once
// The application object: creates the models in start-up order, gives each
// the references it needs, and then creates the windows in the same order.
// There are no global windows; everything is reached through this object.
#include "core/app/egenskaber.h"
#include "core/app/mainformmodel.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/statusrute.h"
#include "core/equations/andengrads.h"
#include "core/equations/ligninger.h"
#include "core/equations/statistik.h"
#include "core/formula/formelprogram.h"
#include "core/formula/udtryk.h"
#include "core/graph/grafformmodel.h"
#include "core/graph/ligning3model.h"
#include "core/graph/optformmodel.h"
#include "core/graph/printformmodel.h"
#include "core/graph/zoomformmodel.h"
#include "core/info/infoformenmodel.h"
#include "core/info/strukturmaker.h"
#include "core/info/urlliste.h"
#include "core/other/andetmodel.h"
#include "core/primes/primtal.h"
#include "ui/common/qtbeskeder.h"

#include <memory>
#include <QObject>

class QApplication;
class Tmainform;
class Tinfform;
class TprimtalForm;
class Tegenskabsform;
class TomForm;
class Tstrukturform;
class TSpmBeskeder;
class TGrafLigningssider;
class Tinfoformen;
class Tgrafform;
class Tform3;
class Tandetform;
class Toptform;
class Tprintform;
class Tzoomform;

class Tavlix : public QObject {
    Q_OBJECT
public:
    // `programdir` is the data folder; tests pass a temporary one, and may
    // pass their own Beskeder so that no dialog is shown.
    Tavlix(QApplication& app, const QString& programdir, Beskeder* beskeder = nullptr);
    ~Tavlix() override;

    // Puts the main window in place and shows it.
    void vis();

    TMainformModel& model() { return m_model; }
    TRegner& regner() { return m_regner; }
    THukommelse& hukommelse() { return m_hukommelse; }
    TMetaListe& meta() { return m_meta; }
    TUdtryk& udtryk() { return m_udtryk; }
    TFormelProgram& formelprogram() { return m_formel; }
    TAndengrads& andengrads() { return m_andengrads; }
    TLigninger& ligninger() { return m_ligninger; }
    TStatistik& statistik() { return m_statistik; }
    Tmainform& mainform() { return *m_mainform; }
    Tinfform& infform() { return *m_infform; }
    TPrimtalModel& primtal() { return m_primtal; }
    TprimtalForm& primtalform(); // built the first time it is asked for
    TEgenskabsModel& egenskaber() { return m_egenskaber; }
    Tegenskabsform& egenskabsform(); // built the first time it is asked for
    TomForm& omform();               // built the first time it is asked for
    TStrukturformModel& strukturModel() { return *m_strukturModel; }
    Tstrukturform& strukturform(); // built the first time it is asked for
    TInfoformenModel& infoModel() { return m_infoModel; }
    TUrlListe& urlliste() { return m_urlliste; }
    // The information browser; its window is made the first time it is needed.
    Tinfoformen& infoformen();
    TGrafformModel& grafModel() { return *m_grafModel; }
    TForm3Model& form3Model() { return *m_form3Model; }
    // The graph window and the cubic dialog, built the first time they are shown.
    Tgrafform& grafform();
    Tform3& form3();
    void visGrafform();
    void visForm3();
    TAndetModel& andet() { return *m_andet; }
    Tandetform& andetform() { return *m_andetform; }
    // The graph window's zoom-centre, colour and print dialogs: models made
    // at start, widgets on first show.
    TZoomformModel& zoomModel() { return *m_zoomModel; }
    TOptformModel& optModel() { return *m_optModel; }
    TPrintformModel& printModel() { return *m_printModel; }
    Tzoomform& zoomform();
    Toptform& optform();
    Tprintform& printform();

private:
    void forbindFormelprogram();

    QApplication& m_app;
    TQtBeskeder m_qtBeskeder;
    TStatusRute m_statusRute; // status messages reach the status bar on their own road
    Beskeder& m_beskeder;
    TMetaListe m_meta;
    THukommelse m_hukommelse;
    TRegner m_regner;
    TUdtryk m_udtryk;
    TMainformModel m_model;
    TFormelProgram m_formel;
    TAndengrads m_andengrads;
    TLigninger m_ligninger;
    TStatistik m_statistik;
    std::unique_ptr<TAndetModel> m_andet; // outlives the windows that show it
    TPrimtalModel m_primtal;
    TEgenskabsModel m_egenskaber;
    std::unique_ptr<Tmainform> m_mainform;
    Tinfform* m_infform = nullptr;             // owned by the main window
    TprimtalForm* m_primtalform = nullptr;     // owned by the main window
    Tegenskabsform* m_egenskabsform = nullptr; // owned by the main window
    TomForm* m_omform = nullptr;               // owned by the main window
    TUrlListe m_urlliste;
    TInfoformenModel m_infoModel;
    Tinfoformen* m_infoformen = nullptr; // owned by the main window
    std::unique_ptr<TGrafformModel> m_grafModel;
    std::unique_ptr<TForm3Model> m_form3Model;
    std::unique_ptr<TGrafLigningssider> m_grafSider; // the equation pages as the graph sees them
    std::unique_ptr<Tgrafform> m_grafform;
    Tform3* m_form3 = nullptr;         // owned by the graph window
    Tandetform* m_andetform = nullptr; // owned by the main window
    std::unique_ptr<TZoomformModel> m_zoomModel;
    std::unique_ptr<TOptformModel> m_optModel;
    std::unique_ptr<TPrintformModel> m_printModel;
    // Owned by the graph window.
    Tzoomform* m_zoomform = nullptr;
    Toptform* m_optform = nullptr;
    Tprintform* m_printform = nullptr;
    void grafvaerktoejer();                      // creates and wires the graph window's tools
    std::unique_ptr<TSpmBeskeder> m_spmBeskeder; // the structure editor asks with its own window
    std::unique_ptr<TStrukturformModel> m_strukturModel;
    Tstrukturform* m_strukturform = nullptr; // owned by the main window
};
