#include "ui/app/tavlix.h"

#include "core/common/fejl.h"
#include "core/equations/grafligningssider.h"
#include "ui/app/egenskabsform.h"
#include "ui/app/mainform.h"
#include "ui/app/omform.h"
#include "ui/app/temaer.h"
#include "ui/common/graense.h"
#include "ui/common/placering.h"
#include "ui/equations/ligningssider.h"
#include "ui/formula/formelpanel.h"
#include "ui/graph/form3.h"
#include "ui/graph/grafform.h"
#include "ui/graph/optform.h"
#include "ui/graph/printform.h"
#include "ui/graph/zoomform.h"
#include "ui/info/infform.h"
#include "ui/info/infoformen.h"
#include "ui/info/spmform.h"
#include "ui/info/strukturform.h"
#include "ui/other/andetform.h"
#include "ui/primes/primtalform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QToolButton>
#include <QUrl>

Tavlix::Tavlix(QApplication& app, const QString& programdir, Beskeder* beskeder)
    : m_app(app), m_qtBeskeder([this]() -> QWidget* { return m_mainform.get(); }),
      m_statusRute(beskeder ? *beskeder : m_qtBeskeder), m_beskeder(m_statusRute),
      m_regner(m_beskeder, m_meta, m_hukommelse), m_udtryk(m_regner, m_meta),
      m_model(TProgramMapper::fra(programdir), m_beskeder, m_regner, m_hukommelse, m_udtryk),
      m_formel(m_regner, m_meta, m_beskeder, m_model.formeldir()),
      m_andengrads(m_beskeder, m_regner, m_meta, m_hukommelse),
      m_ligninger(m_beskeder, m_regner, m_meta, m_hukommelse, &m_andengrads),
      m_statistik(m_beskeder, m_regner, m_meta, m_hukommelse),
      m_primtal(m_beskeder, [this] { return m_regner.Dval(); }),
      m_egenskaber(m_model, m_hukommelse, m_beskeder), m_urlliste(m_model.optDir()),
      m_infoModel(m_model.mapper(), m_beskeder, m_urlliste) {
    connect(&m_model, &TMainformModel::designAendret, this,
            [this](const QString& navn) { temaer::anvend(m_app, navn); });
    m_statusRute.statusfelt = [this](const QString& tekst) { m_model.visStatus(tekst); };
    m_model.setWebAabner(
        [](const QString& adresse) { return QDesktopServices::openUrl(QUrl(adresse)); });

    // The windows, in start-up order, the main window first.
    // The main window's creation reads its options first, so the theme is in
    // place before any widget is made and polished.
    m_formel.LoadFormelFilboks();
    m_model.FormCreate();
    m_egenskaber.FormCreate();
    m_mainform = std::make_unique<Tmainform>(m_model, m_regner, m_hukommelse, m_meta, m_udtryk);
    forbindFormelprogram();
    m_infform = new Tinfform(m_mainform.get());
    indsaetLigningssider(*m_mainform, m_model, m_andengrads, m_ligninger, m_statistik);

    // The information browser and the URL list: their models now, their
    // windows when first shown; they write their options when the program ends.
    m_infoModel.FormCreate();
    m_urlliste.FormCreate();
    m_model.setHjaelp(&m_infoModel);
    m_infoModel.createStrukturPU();
    connect(&m_infoModel, &TInfoformenModel::vis, this, [this] { infoformen().visVindue(); });
    connect(&m_infoModel, &TInfoformenModel::visUdenFokus, this, [this] {
        if (!infoformen().isVisible()) infoformen().visVindue();
    });
    connect(&m_app, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_infoformen && m_infoformen->isVisible()) m_infoformen->close();
    });

    m_andet = std::make_unique<TAndetModel>(
        m_infoModel, [this] { return m_model.doShowHint; }, m_model.mapper(), m_hukommelse,
        m_regner, m_beskeder);
    m_andet->FormCreate();
    m_andetform = new Tandetform(*m_andet, m_mainform.get());
    m_model.vedLukning([this] { m_andet->gemOpt(); });
    connect(&m_model, &TMainformModel::vinduesOenske, this, [this](const QString& vindue) {
        if (vindue == QStringLiteral("andetform")) m_andetform->vis();
    });

    connect(&m_model, &TMainformModel::visInfform, this, [this](const QString& tekst) {
        m_infform->insertTekst(tekst);
        m_infform->exec();
    });

    // The graph window and then the cubic dialog: their models now, their
    // widgets on first show.
    m_grafModel = std::make_unique<TGrafformModel>(m_model.optDir(), m_beskeder);
    m_grafModel->setHukommelse(&m_hukommelse);
    m_grafModel->setBilledMappe(m_model.programdir());
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
    m_model.vedLukning([this] { m_grafModel->gemOpt(); });
    m_model.setKanLukkes([this] { return m_primtal.kanLukkes(); });
    connect(&m_model, &TMainformModel::primtalOenskes, this, [this](qint32 tal) {
        m_primtal.forudindstil(tal);
        primtalform().vis();
    });
    connect(&m_primtal, &TPrimtalModel::informationOenskes, &m_model, &TMainformModel::HelpInfo);
    connect(&m_model, &TMainformModel::vinduesOenske, this, [this](const QString& vindue) {
        if (vindue == QLatin1String("egenskabsform"))
            egenskabsform().vis();
        else if (vindue == QLatin1String("omform"))
            omform().vis();
    });
    // A new look is applied with the other windows closed, so that none
    // keeps the old one: the browser, the other functions, the graph window
    // with its dialogs, and the About box. Each writes its options as it
    // closes.
    connect(&m_model, &TMainformModel::lukVinduerForTema, this, [this] {
        const QList<QWidget*> vinduer{m_infoformen, m_andetform, m_printform, m_zoomform,
                                      m_form3,      m_optform,   m_omform,    m_grafform.get()};
        for (QWidget* w : vinduer)
            if (w && w->isVisible()) w->close();
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

Tgrafform& Tavlix::grafform() {
    if (!m_grafform) m_grafform = std::make_unique<Tgrafform>(*m_grafModel);
    return *m_grafform;
}

Tform3& Tavlix::form3() {
    if (!m_form3) {
        m_form3 = new Tform3(*m_form3Model, &grafform());
        placerPaaSkaermen(*m_form3, TForm3Model::FormCreate(m_grafModel->vinduesPos));
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

// The formula page: its panel, its keys, "[G]", the page button's caption,
// and the calculator with its list shown when a program starts.
void Tavlix::forbindFormelprogram() {
    m_mainform->erstatSide(TMainformModel::FormelSide,
                           new TFormelPanel(m_formel, m_model, m_mainform->centralWidget()));
    m_model.setSideTaster(TMainformModel::FormelSide, [this](int tast, Qt::KeyboardModifiers m) {
        return m_formel.FormKeyDown(tast, m);
    });
    m_model.gentagFormel = [this] { m_formel.formelBeregnClick(); };
    connect(&m_formel, &TFormelProgram::informationOenskes, this,
            [this](const QString& emne) { m_model.Information(emne); });
    connect(&m_formel, &TFormelProgram::visRegnerOenskes, this, [this] {
        m_model.setUMemoFokus(false);
        m_mainform->centralWidget()->setFocus(Qt::OtherFocusReason);
        if (m_model.synligSide != TMainformModel::RmSide) m_model.visRmBoks();
        if (!m_model.metaPanelSynlig) {
            m_model.metaVisClick();
            // Shown beside a page that filled the window, the list would have
            // no room; the protocol must be readable.
            if (m_model.klientBredde <= TMainformModel::sideBredde(TMainformModel::RmSide))
                m_model.FormResize(489);
        }
    });
    auto caption = [this] {
        if (auto* knap = qobject_cast<QToolButton*>(m_mainform->sideskiftKnap(4))) {
            knap->setText(m_formel.sideknapTekst());
            knap->setAccessibleName(m_formel.sideknapTekst());
        }
    };
    connect(&m_formel, &TFormelProgram::aendret, this, caption);
    caption();
}
