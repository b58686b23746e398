#include "ui/info/infoenhed.h"

#include "core/app/mainformmodel.h"
#include "ui/common/graense.h"
#include "ui/info/infform.h"
#include "ui/info/infoformen.h"
#include "ui/info/spmform.h"
#include "ui/info/strukturform.h"

#include <QApplication>

TInfoEnhed::TInfoEnhed(const Behov& behov)
    : m_ramme(behov.ramme), m_hovedvindue(behov.hovedvindue), m_urlliste(behov.ramme.optDir()),
      m_infoModel(behov.ramme.mapper(), behov.beskeder, m_urlliste) {
    TMainformModel& ramme = behov.ramme;
    m_infform = new Tinfform(&m_hovedvindue);
    connect(&ramme, &TMainformModel::visInfform, this, [this](const QString& tekst) {
        m_infform->insertTekst(tekst);
        m_infform->exec();
    });

    // The browser and the URL list: their models now, their windows when
    // first shown; they write their options when the program ends.
    m_infoModel.FormCreate();
    m_urlliste.FormCreate();
    ramme.setHjaelp(&m_infoModel);
    m_infoModel.createStrukturPU();
    connect(&m_infoModel, &TInfoformenModel::vis, this, [this] { infoformen().visVindue(); });
    connect(&m_infoModel, &TInfoformenModel::visUdenFokus, this, [this] {
        if (!infoformen().isVisible()) infoformen().visVindue();
    });
    connect(&behov.app, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_infoformen && m_infoformen->isVisible()) m_infoformen->close();
    });

    // The structure editor.
    m_spmBeskeder = std::make_unique<TSpmBeskeder>(behov.beskeder, [this]() -> QWidget* {
        return m_strukturform ? static_cast<QWidget*>(m_strukturform) : &m_hovedvindue;
    });
    m_strukturModel =
        std::make_unique<TStrukturformModel>(ramme.strukturDir(), ramme.programdir(),
                                             behov.spoergIVindue ? *m_spmBeskeder : behov.beskeder);
    m_strukturModel->FormCreate();
    connect(m_strukturModel.get(), &TStrukturformModel::strukturerAendret, this,
            [this](const QStringList& l) { m_infoModel.createStrukturPU(l); });
    connect(m_strukturModel.get(), &TStrukturformModel::informationOenskes, &ramme,
            &TMainformModel::HelpInfo);
    connect(m_strukturModel.get(), &TStrukturformModel::visIBrowser, this,
            [this](const QString& navn, const QString& emne) {
                vedGraensen(m_strukturform, [&] {
                    m_infoModel.indlaesStruktur(navn);
                    m_infoModel.goToInfo(emne);
                });
            });
    connect(m_strukturModel.get(), &TStrukturformModel::genindlaesIBrowser, this,
            [this](const QString& navn) {
                vedGraensen(m_strukturform, [&] {
                    m_infoModel.indlaesStruktur(navn);
                    infoformen().visVindue();
                });
            });
    connect(&behov.app, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_strukturform && m_strukturform->isVisible()) m_strukturform->close();
    });
}

TInfoEnhed::~TInfoEnhed() = default;

Tinfoformen& TInfoEnhed::infoformen() {
    if (!m_infoformen)
        m_infoformen = new Tinfoformen(m_infoModel, m_urlliste, &m_hovedvindue, [this] {
            return TMainformModel::temaNavne().indexOf(m_ramme.designName);
        });
    return *m_infoformen;
}

Tstrukturform& TInfoEnhed::strukturform() {
    if (!m_strukturform) m_strukturform = new Tstrukturform(*m_strukturModel, &m_hovedvindue);
    return *m_strukturform;
}

void TInfoEnhed::lukVinduer() {
    if (m_infoformen && m_infoformen->isVisible()) m_infoformen->close();
}
