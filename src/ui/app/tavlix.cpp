#include "ui/app/tavlix.h"

#include "ui/app/egenskabsenhed.h"
#include "ui/app/egenskabsform.h"
#include "ui/app/mainform.h"
#include "ui/app/omform.h"
#include "ui/app/temaer.h"
#include "ui/equations/ligningsenhed.h"
#include "ui/formula/formelenhed.h"
#include "ui/graph/grafenhed.h"
#include "ui/info/infoenhed.h"
#include "ui/info/strukturform.h"
#include "ui/other/andetenhed.h"
#include "ui/other/andetform.h"
#include "ui/primes/primtalenhed.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

Tavlix::Tavlix(QApplication& app, const QString& programdir, Beskeder* beskeder)
    : m_app(app), m_qtBeskeder([this]() -> QWidget* { return m_mainform.get(); }),
      m_statusRute(beskeder ? *beskeder : m_qtBeskeder), m_beskeder(m_statusRute),
      m_regner(m_beskeder, m_meta, m_hukommelse), m_udtryk(m_regner, m_meta),
      m_model(TProgramMapper::fra(programdir), m_beskeder, m_regner, m_hukommelse, m_udtryk) {
    connect(&m_model, &TMainformModel::designAendret, this,
            [this](const QString& navn) { temaer::anvend(m_app, navn); });
    m_statusRute.statusfelt = [this](const QString& tekst) { m_model.visStatus(tekst); };
    m_model.setWebAabner(
        [](const QString& adresse) { return QDesktopServices::openUrl(QUrl(adresse)); });

    // The subsystems in start-up order. The frame reads its options before
    // the main window is made, so the theme is in place before any widget is
    // made and polished; the formula files and the settings come first.
    m_formel =
        std::make_unique<TFormelEnhed>(TFormelEnhed::Behov{m_regner, m_meta, m_beskeder, m_model});
    m_model.FormCreate();
    m_egenskaber = std::make_unique<TEgenskabsEnhed>(TEgenskabsEnhed::Behov{
        m_model, m_hukommelse, m_beskeder, [this]() -> QWidget* { return m_mainform.get(); }});
    m_mainform = std::make_unique<Tmainform>(m_model, m_regner, m_hukommelse, m_meta, m_udtryk);
    m_formel->indsaet(*m_mainform);
    m_info = std::make_unique<TInfoEnhed>(
        TInfoEnhed::Behov{m_app, m_model, m_beskeder, beskeder == nullptr, *m_mainform});
    m_ligninger = std::make_unique<TLigningsEnhed>(
        TLigningsEnhed::Behov{*m_mainform, m_model, m_regner, m_meta, m_hukommelse, m_beskeder});
    m_andet = std::make_unique<TAndetEnhed>(TAndetEnhed::Behov{
        m_model, m_info->infoModel(), m_hukommelse, m_regner, m_beskeder, *m_mainform});
    m_graf = std::make_unique<TGrafEnhed>(TGrafEnhed::Behov{
        m_model, m_hukommelse, m_beskeder, m_ligninger->andengrads(), m_ligninger->ligninger()});
    m_primtal = std::make_unique<TPrimtalEnhed>(
        TPrimtalEnhed::Behov{m_model, m_regner, m_beskeder, *m_mainform});

    connect(&m_model, &TMainformModel::vinduesOenske, this, &Tavlix::visVindue);
    connect(&m_model, &TMainformModel::lukVinduerForTema, this, &Tavlix::lukVinduerForTema);
}

Tavlix::~Tavlix() = default;

void Tavlix::visVindue(TMainformModel::Vindue vindue) {
    switch (vindue) {
    case TMainformModel::Vindue::Graf:
        m_graf->visGrafform();
        break;
    case TMainformModel::Vindue::Andet:
        m_andet->andetform().vis();
        break;
    case TMainformModel::Vindue::Egenskaber:
        m_egenskaber->egenskabsform().vis();
        break;
    case TMainformModel::Vindue::Struktur:
        m_info->strukturform().vis();
        break;
    case TMainformModel::Vindue::Om:
        m_egenskaber->omform().vis();
        break;
    }
}

// A new look is applied with the other windows closed, so that none keeps
// the old one: the browser, the other functions, the graph window with its
// dialogs, and the About box. Each writes its options as it closes.
void Tavlix::lukVinduerForTema() {
    m_info->lukVinduer();
    m_andet->lukVinduer();
    m_graf->lukVinduer();
    m_egenskaber->lukVinduer();
}

void Tavlix::vis() {
    m_mainform->placer();
    m_mainform->show();
}
