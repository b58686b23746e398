#include "app/tavlix.h"

#include "app/egenskabsform.h"
#include "app/mainform.h"
#include "app/omform.h"
#include "app/temaer.h"
#include "common/graense.h"
#include "info/infform.h"
#include "primes/primtalform.h"
#include "info/infoformen.h"
#include "info/spmform.h"
#include "info/strukturform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

Tavlix::Tavlix(QApplication& app, const QString& programdir, Beskeder* beskeder)
    : m_app(app), m_qtBeskeder([this]() -> QWidget* { return m_mainform.get(); }),
      m_beskeder(beskeder ? *beskeder : m_qtBeskeder), m_regner(m_beskeder, m_meta, m_hukommelse),
      m_udtryk(m_regner, m_meta),
      m_model(TProgramMapper::fra(programdir), m_beskeder, m_regner, m_hukommelse, m_udtryk),
      m_primtal(m_beskeder, [this] { return TMainformModel::primtalFraVaerdi(m_regner.Dval()); }),
      m_egenskaber(m_model, m_hukommelse, m_beskeder),
      m_urlliste(m_model.optDir()), m_infoModel(m_model.mapper(), m_beskeder, m_urlliste) {
    connect(&m_model, &TMainformModel::designAendret, this,
            [this](const QString& navn) { temaer::anvend(m_app, navn); });
    connect(&m_model, &TMainformModel::adresseOenskes, this,
            [](const QString& adresse) { QDesktopServices::openUrl(QUrl(adresse)); });
    m_qtBeskeder.hintModtager = [this](const QString& hint) { m_model.showHint(hint); };

    // The windows, in start-up order; the later windows join here as the
    // program grows.
    // The main window's creation reads its options first, so the theme is in
    // place before any widget is made and polished.
    m_model.FormCreate();
    m_egenskaber.FormCreate();
    m_mainform = std::make_unique<Tmainform>(m_model, m_regner, m_hukommelse, m_meta, m_udtryk);
    m_infform = new Tinfform(m_mainform.get());

    // The information browser and the URL list: their models now, their
    // windows when first shown; they write their options when the program ends.
    m_infoModel.FormCreate();
    m_urlliste.FormCreate();
    m_model.setInfoformen(&m_infoModel);
    m_model.createStrukturPU();
    connect(&m_infoModel, &TInfoformenModel::vis, this, [this] { infoformen().visVindue(); });
    connect(&m_app, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_infoformen && m_infoformen->isVisible()) m_infoformen->close();
    });

    connect(&m_model, &TMainformModel::visInfform, this, [this](const QString& tekst) {
        m_infform->insertTekst(tekst);
        m_infform->exec();
    });
    m_model.setKanLukkes([this] { return m_primtal.kanLukkes(); });
    connect(&m_model, &TMainformModel::primtalOenskes, this, [this](qint32 tal) {
        m_primtal.forudindstil(tal);
        primtalform().vis();
    });
    connect(&m_primtal, &TPrimtalModel::informationOenskes, &m_model, &TMainformModel::HelpInfo);
    connect(&m_model, &TMainformModel::vinduesOenske, this, [this](const QString& vindue) {
        if (vindue == QLatin1String("egenskabsform")) egenskabsform().vis();
        else if (vindue == QLatin1String("omform")) omform().vis();
    });
    connect(&m_model, &TMainformModel::lukVinduerForTema, this, [this] {
        if (m_omform) m_omform->close();
    });

    // The structure editor; with the program's own dialogs it asks its
    // questions in its question window.
    m_spmBeskeder = std::make_unique<TSpmBeskeder>(m_beskeder, [this]() -> QWidget* {
        return m_strukturform ? static_cast<QWidget*>(m_strukturform) : m_mainform.get();
    });
    m_strukturModel = std::make_unique<TStrukturformModel>(
        m_model.strukturDir(), m_model.programdir(), beskeder ? m_beskeder : *m_spmBeskeder);
    m_strukturModel->FormCreate();
    connect(m_strukturModel.get(), &TStrukturformModel::strukturerAendret, this,
            [this](const QStringList& l) { m_infoModel.createStrukturPU(l); });
    connect(m_strukturModel.get(), &TStrukturformModel::informationOenskes, &m_model,
            &TMainformModel::HelpInfo);
    auto indlaes = [this](const QString& navn) {
        m_infoModel.strukturnavn = navn;
        m_infoModel.newNavn = navn;
        m_infoModel.LoadStruktur();
    };
    connect(m_strukturModel.get(), &TStrukturformModel::visIBrowser, this,
            [this, indlaes](const QString& navn, const QString& emne) {
                vedGraensen(m_strukturform, [&] {
                    indlaes(navn);
                    m_infoModel.goToInfo(emne);
                });
            });
    connect(m_strukturModel.get(), &TStrukturformModel::genindlaesIBrowser, this,
            [this, indlaes](const QString& navn) {
                vedGraensen(m_strukturform, [&] {
                    indlaes(navn);
                    infoformen().visVindue();
                });
            });
    connect(&m_model, &TMainformModel::vinduesOenske, this, [this](const QString& vindue) {
        if (vindue == QLatin1String("strukturform")) strukturform().vis();
    });
    connect(&m_app, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_strukturform && m_strukturform->isVisible()) m_strukturform->close();
    });
}

Tstrukturform& Tavlix::strukturform() {
    if (!m_strukturform) m_strukturform = new Tstrukturform(*m_strukturModel, m_mainform.get());
    return *m_strukturform;
}

Tegenskabsform& Tavlix::egenskabsform() {
    if (!m_egenskabsform) m_egenskabsform = new Tegenskabsform(m_egenskaber, m_mainform.get());
    return *m_egenskabsform;
}

TomForm& Tavlix::omform() {
    if (!m_omform) m_omform = new TomForm(m_model, m_mainform.get());
    return *m_omform;
}

TprimtalForm& Tavlix::primtalform() {
    if (!m_primtalform) m_primtalform = new TprimtalForm(m_primtal, m_mainform.get());
    return *m_primtalform;
}

Tavlix::~Tavlix() = default;

Tinfoformen& Tavlix::infoformen() {
    if (!m_infoformen)
        m_infoformen = new Tinfoformen(m_infoModel, m_urlliste, m_mainform.get(), [this] {
            return TMainformModel::temaNavne().indexOf(m_model.designName);
        });
    return *m_infoformen;
}

void Tavlix::vis() {
    m_mainform->placer();
    m_mainform->show();
}
