#pragma once
// The information subsystem's wiring: the browser's model (which opens the
// program's help topics), the URL list, the message window and the
// structure editor. The browser and the editor are built the first time
// they are shown.
#include "core/info/infoformenmodel.h"
#include "core/info/strukturmaker.h"
#include "core/info/urlliste.h"

#include <memory>
#include <QObject>

class Beskeder;
class QApplication;
class TMainformModel;
class TSpmBeskeder;
class Tinfform;
class Tinfoformen;
class Tstrukturform;
class QWidget;

class TInfoEnhed : public QObject {
    Q_OBJECT
public:
    struct Behov {
        QApplication& app; // its windows close as it quits
        TMainformModel& ramme;
        Beskeder& beskeder;
        // True with the program's own dialogs: the structure editor then
        // asks its questions in its question window.
        bool spoergIVindue;
        QWidget& hovedvindue; // owns the windows
    };
    explicit TInfoEnhed(const Behov& behov);
    ~TInfoEnhed() override;

    TInfoformenModel& infoModel() { return m_infoModel; }
    TUrlListe& urlliste() { return m_urlliste; }
    TStrukturformModel& strukturModel() { return *m_strukturModel; }
    Tinfform& infform() { return *m_infform; }
    Tinfoformen& infoformen();     // built the first time it is asked for
    Tstrukturform& strukturform(); // built the first time it is asked for
    // Closes the browser before a new look is applied.
    void lukVinduer();

private:
    TMainformModel& m_ramme;
    QWidget& m_hovedvindue;
    TUrlListe m_urlliste;
    TInfoformenModel m_infoModel;
    Tinfform* m_infform = nullptr;       // owned by the main window
    Tinfoformen* m_infoformen = nullptr; // owned by the main window
    std::unique_ptr<TSpmBeskeder> m_spmBeskeder;
    std::unique_ptr<TStrukturformModel> m_strukturModel;
    Tstrukturform* m_strukturform = nullptr; // owned by the main window
};
