// The graph window's tools: the equation pages send to and exchange with the
// graph window, and the zoom-centre, colour and print dialogs, "Printer
// setup..." and "Gem som billede...".
#include "core/app/mainformmodel.h"
#include "core/common/fejl.h"
#include "core/equations/andengrads.h"
#include "core/equations/grafligningssider.h"
#include "core/equations/ligninger.h"
#include "core/graph/bitmapprint.h"
#include "paint/grafeksport.h"
#include "paint/painterlaerred.h"
#include "ui/common/placering.h"
#include "ui/graph/grafenhed.h"
#include "ui/graph/grafform.h"
#include "ui/graph/optform.h"
#include "ui/graph/printform.h"
#include "ui/graph/tryk.h"
#include "ui/graph/trykflade.h"
#include "ui/graph/zoomform.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

namespace {

TTrykFlade& trykModul() {
    TTrykFlade* t = tryk::flade();
    if (!t)
        throw TFejl(QStringLiteral("Udskrivning er ikke mulig: udskriftsmodulet mangler.\r") +
                    tryk::mangler());
    return *t;
}

// Puts a dialog where its options file says, or centred on the desktop.
void placer(QWidget& w, const TDialogPlads& p) {
    if (!p.centrer) {
        placerPaaSkaermen(w, QPoint(p.left, p.top));
        return;
    }
    if (const QScreen* s = QGuiApplication::primaryScreen())
        centrerPaaSkaermen(w, s->availableGeometry().center());
}

void visDialog(QWidget& w) {
    w.show();
    w.raise();
    w.activateWindow();
}

} // namespace

void TGrafEnhed::vaerktoejer(const Behov& behov) {
    TMainformModel& ramme = behov.ramme;
    // The pages were made before the graph window: they get it now.
    behov.andengrads.setGrafModtager(m_grafModel.get());
    behov.ligninger.setGrafModtager(m_grafModel.get());
    behov.ligninger.setGrafSynlig([this] { return m_grafform && m_grafform->isVisible(); });
    m_grafSider = std::make_unique<TGrafLigningssider>(behov.andengrads, behov.ligninger);
    m_grafModel->setLigningssider(m_grafSider.get());

    m_zoomModel = std::make_unique<TZoomformModel>(ramme.optDir(), *m_grafModel, behov.beskeder);
    m_zoomModel->FormCreate();
    connect(m_zoomModel.get(), &TZoomformModel::informationOenskes, this,
            [&ramme](const QString& emne) { ramme.Information(emne); });
    m_optModel = std::make_unique<TOptformModel>(ramme.optDir(), *m_grafModel, behov.beskeder);
    m_optModel->FormCreate();
    m_printModel = std::make_unique<TPrintformModel>(m_grafModel->Graf, behov.beskeder);
    m_printModel->setPrinterKilde([this] {
        TTrykFlade& t = trykModul();
        return t.printer(grafBillede(m_grafModel->Graf));
    });
    m_printModel->setOploesningKilde([] { return trykModul().oploesning(); });
    m_grafModel->setBilledGemmer([this](const QString& fil) {
        QString fejl;
        const auto svg = [](QIODevice* ud, QSize s) { return trykModul().svg(ud, s); };
        if (!grafeksport::gem(m_grafModel->Graf, fil, svg, fejl)) throw TFejl(fejl);
    });

    connect(m_printModel.get(), &TPrintformModel::visOenskes, this,
            [this] { visDialog(printform()); });
    connect(m_grafModel.get(), &TGrafformModel::grafStoerrelse, this, [this] {
        if (m_printform && m_printform->isVisible())
            m_printModel->ValuesClick(m_printModel->Values);
    });
    ramme.vedLukning([this] { m_zoomModel->gemOpt(); });
    ramme.vedLukning([this] { m_optModel->gemOpt(); });
}

void TGrafEnhed::aabnDialog(TGrafformModel::Dialog dialog) {
    switch (dialog) {
    case TGrafformModel::Dialog::Tredjegrads:
        visForm3();
        break;
    case TGrafformModel::Dialog::Zoomcenter:
        visDialog(zoomform());
        break;
    case TGrafformModel::Dialog::Farver:
        visDialog(optform());
        break;
    case TGrafformModel::Dialog::Udskriv:
        printform(); // built before the model fills it
        m_printModel->MPrintClick();
        break;
    case TGrafformModel::Dialog::Printeropsaetning:
        trykModul().printerSetup(&grafform());
        break;
    }
}

Tzoomform& TGrafEnhed::zoomform() {
    if (!m_zoomform) {
        m_zoomform = new Tzoomform(*m_zoomModel, &grafform());
        placer(*m_zoomform, m_zoomModel->opt.plads);
    }
    return *m_zoomform;
}

Toptform& TGrafEnhed::optform() {
    if (!m_optform) {
        m_optform = new Toptform(*m_optModel, &grafform());
        placer(*m_optform, m_optModel->opt.plads);
    }
    return *m_optform;
}

Tprintform& TGrafEnhed::printform() {
    if (!m_printform) {
        m_printform = new Tprintform(*m_printModel, &grafform());
        placerPaaSkaermen(*m_printform, m_grafModel->vinduesPos + QPoint(370, 450));
    }
    return *m_printform;
}
