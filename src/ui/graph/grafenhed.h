#pragma once
// The graph subsystem's wiring: the graph window's model and the cubic,
// zoom-centre, colour and print dialogs' models, made at start; the windows,
// built the first time they are shown; the equation pages sending to and
// exchanging with the graph window.
#include "core/graph/grafformmodel.h"
#include "core/graph/ligning3model.h"
#include "core/graph/optformmodel.h"
#include "core/graph/printformmodel.h"
#include "core/graph/zoomformmodel.h"

#include <memory>
#include <QObject>

class Beskeder;
class TAndengrads;
class TGrafLigningssider;
class THukommelse;
class TLigninger;
class TMainformModel;
class Tform3;
class Tgrafform;
class Toptform;
class Tprintform;
class Tzoomform;

class TGrafEnhed : public QObject {
    Q_OBJECT
public:
    struct Behov {
        TMainformModel& ramme;
        THukommelse& hukommelse;
        Beskeder& beskeder;
        TAndengrads& andengrads;
        TLigninger& ligninger;
    };
    explicit TGrafEnhed(const Behov& behov);
    ~TGrafEnhed() override;

    TGrafformModel& grafModel() { return *m_grafModel; }
    TForm3Model& form3Model() { return *m_form3Model; }
    TZoomformModel& zoomModel() { return *m_zoomModel; }
    TOptformModel& optModel() { return *m_optModel; }
    TPrintformModel& printModel() { return *m_printModel; }
    // The windows, built the first time they are asked for.
    Tgrafform& grafform();
    Tform3& form3();
    Tzoomform& zoomform();
    Toptform& optform();
    Tprintform& printform();
    void visGrafform();
    void visForm3();
    // Closes the graph window and its dialogs before a new look is applied.
    void lukVinduer();

private:
    void vaerktoejer(const Behov& behov);           // the dialogs, printing and pictures
    void aabnDialog(TGrafformModel::Dialog dialog); // the one place a dialog is opened

    std::unique_ptr<TGrafformModel> m_grafModel;
    std::unique_ptr<TForm3Model> m_form3Model;
    std::unique_ptr<TGrafLigningssider> m_grafSider; // the equation pages as the graph sees them
    std::unique_ptr<TZoomformModel> m_zoomModel;
    std::unique_ptr<TOptformModel> m_optModel;
    std::unique_ptr<TPrintformModel> m_printModel;
    std::unique_ptr<Tgrafform> m_grafform;
    // Owned by the graph window.
    Tform3* m_form3 = nullptr;
    Tzoomform* m_zoomform = nullptr;
    Toptform* m_optform = nullptr;
    Tprintform* m_printform = nullptr;
};
