#include "app/tavlix.h"

#include "app/mainform.h"
#include "app/temaer.h"
#include "info/infform.h"
#include "info/infoformen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

Tavlix::Tavlix(QApplication& app, const QString& programdir, Beskeder* beskeder)
    : m_app(app), m_qtBeskeder([this]() -> QWidget* { return m_mainform.get(); }),
      m_beskeder(beskeder ? *beskeder : m_qtBeskeder), m_regner(m_beskeder, m_meta, m_hukommelse),
      m_udtryk(m_regner, m_meta),
      m_model(TProgramMapper::fra(programdir), m_beskeder, m_regner, m_hukommelse, m_udtryk),
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
