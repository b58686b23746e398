#pragma once
// The application object, the program's composition root: it holds the
// calculator core (the calculation list, the memory, the calculator, the
// expression window), the frame's model and the main window, and one wiring
// unit per subsystem. Each unit owns its models, builds its windows the
// first time they are shown, and is given only what it needs of the core
// and the main window. There are no global windows; everything is reached
// through this object and its units.
#include "core/app/mainformmodel.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/statusrute.h"
#include "core/formula/udtryk.h"
#include "ui/common/qtbeskeder.h"

#include <memory>
#include <QObject>

class QApplication;
class Tmainform;
class TAndetEnhed;
class TEgenskabsEnhed;
class TFormelEnhed;
class TGrafEnhed;
class TInfoEnhed;
class TLigningsEnhed;
class TPrimtalEnhed;

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
    Tmainform& mainform() { return *m_mainform; }

    // The subsystems.
    TFormelEnhed& formelEnhed() { return *m_formel; }
    TLigningsEnhed& ligningsEnhed() { return *m_ligninger; }
    TGrafEnhed& grafEnhed() { return *m_graf; }
    TInfoEnhed& infoEnhed() { return *m_info; }
    TAndetEnhed& andetEnhed() { return *m_andet; }
    TPrimtalEnhed& primtalEnhed() { return *m_primtal; }
    TEgenskabsEnhed& egenskabsEnhed() { return *m_egenskaber; }

private:
    void visVindue(TMainformModel::Vindue vindue);
    void lukVinduerForTema();

    QApplication& m_app;
    TQtBeskeder m_qtBeskeder;
    TStatusRute m_statusRute; // status messages reach the status bar on their own road
    Beskeder& m_beskeder;
    TMetaListe m_meta;
    THukommelse m_hukommelse;
    TRegner m_regner;
    TUdtryk m_udtryk;
    TMainformModel m_model;
    // The units outlive the main window, which owns most of their windows.
    std::unique_ptr<TFormelEnhed> m_formel;
    std::unique_ptr<TEgenskabsEnhed> m_egenskaber;
    std::unique_ptr<TInfoEnhed> m_info;
    std::unique_ptr<TLigningsEnhed> m_ligninger;
    std::unique_ptr<TAndetEnhed> m_andet;
    std::unique_ptr<TGrafEnhed> m_graf;
    std::unique_ptr<TPrimtalEnhed> m_primtal;
    std::unique_ptr<Tmainform> m_mainform;
};
