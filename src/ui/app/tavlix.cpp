#include "app/tavlix.h"

#include "app/mainform.h"
#include "app/temaer.h"
#include "common/fejl.h"
#include "graph/form3.h"
#include "graph/grafform.h"
#include "equations/ligningssider.h"
#include "info/infform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

Tavlix::Tavlix(QApplication& app, const QString& programdir, Beskeder* beskeder)
    : m_app(app), m_qtBeskeder([this]() -> QWidget* { return m_mainform.get(); }),
      m_beskeder(beskeder ? *beskeder : m_qtBeskeder), m_regner(m_beskeder, m_meta, m_hukommelse),
      m_udtryk(m_regner, m_meta),
      m_model(TProgramMapper::fra(programdir), m_beskeder, m_regner, m_hukommelse, m_udtryk),
      m_andengrads(m_beskeder, m_regner, m_meta, m_hukommelse),
      m_ligninger(m_beskeder, m_regner, m_meta, m_hukommelse, &m_andengrads),
      m_statistik(m_beskeder, m_regner, m_meta, m_hukommelse) {
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
    indsaetLigningssider(*m_mainform, m_model, m_andengrads, m_ligninger, m_statistik);

    connect(&m_model, &TMainformModel::visInfform, this, [this](const QString& tekst) {
        m_infform->insertTekst(tekst);
        m_infform->exec();
    });

    // The graph window and then the cubic dialog: their models now, their
    // widgets on first show.
    m_grafModel = std::make_unique<TGrafformModel>(m_model.optDir(), m_beskeder);
    m_grafModel->setHintKilde([this] { return m_model.doShowHint; });
    const QScreen* skaerm = QGuiApplication::primaryScreen();
    m_grafModel->FormCreate(skaerm ? skaerm->availableGeometry().size() : QSize(1024, 768));
    m_form3Model = std::make_unique<TForm3Model>(m_grafModel->Graf);
    m_grafModel->setForm3(m_form3Model.get());
    grafvaerktoejer();
    connect(&m_model, &TMainformModel::vinduesOenske, this, [this](const QString& vindue) {
        if (vindue == u"grafform") visGrafform();
    });
    connect(m_grafModel.get(), &TGrafformModel::visOenskes, this, &Tavlix::visGrafform);
    connect(m_grafModel.get(), &TGrafformModel::informationOenskes, this,
            [this](const QString& emne) { m_model.Information(emne); });
    connect(m_grafModel.get(), &TGrafformModel::dialogOenskes, this, [this](const QString& d) {
        if (d == u"form3") visForm3();
    });
    connect(m_grafModel.get(), &TGrafformModel::lukkes, this, [this] {
        if (m_form3) m_form3->hide();
    });
    connect(&m_model, &TMainformModel::gemAndreOptioner, this, [this] {
        try {
            m_grafModel->gemOpt();
        } catch (const TFejl& f) {
            m_beskeder.fejl(f.tekst());
        }
    });
    connect(&m_model, &TMainformModel::lukVinduerForTema, this, [this] {
        if (m_grafform) m_grafform->close();
    });
}

Tgrafform& Tavlix::grafform() {
    if (!m_grafform) m_grafform = std::make_unique<Tgrafform>(*m_grafModel);
    return *m_grafform;
}

Tform3& Tavlix::form3() {
    if (!m_form3) {
        m_form3 = new Tform3(*m_form3Model, &grafform());
        m_form3->move(TForm3Model::FormCreate(m_grafModel->vinduesPos));
    }
    return *m_form3;
}

void Tavlix::visGrafform() {
    grafform().vis();
}

void Tavlix::visForm3() {
    Tform3& f = form3();
    f.show();
    f.raise();
    f.activateWindow();
}

Tavlix::~Tavlix() = default;

void Tavlix::vis() {
    m_mainform->placer();
    m_mainform->show();
}
