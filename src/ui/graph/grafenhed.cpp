#include "ui/graph/grafenhed.h"

#include "core/app/mainformmodel.h"
#include "core/equations/grafligningssider.h"
#include "ui/common/placering.h"
#include "ui/graph/form3.h"
#include "ui/graph/grafform.h"
#include "ui/graph/optform.h"
#include "ui/graph/printform.h"
#include "ui/graph/zoomform.h"

#include <QGuiApplication>
#include <QScreen>

TGrafEnhed::TGrafEnhed(const Behov& behov) {
    TMainformModel& ramme = behov.ramme;
    m_grafModel = std::make_unique<TGrafformModel>(ramme.optDir(), behov.beskeder);
    m_grafModel->setHukommelse(&behov.hukommelse);
    m_grafModel->setBilledMappe(ramme.programdir());
    m_grafModel->setHintKilde([&ramme] { return ramme.doShowHint; });
    const QScreen* skaerm = QGuiApplication::primaryScreen();
    m_grafModel->FormCreate(skaerm ? skaerm->availableGeometry().size() : QSize(1024, 768));
    m_form3Model = std::make_unique<TForm3Model>(m_grafModel->Graf);
    m_grafModel->setForm3(m_form3Model.get());
    vaerktoejer(behov);
    connect(m_grafModel.get(), &TGrafformModel::visOenskes, this, &TGrafEnhed::visGrafform);
    connect(m_grafModel.get(), &TGrafformModel::informationOenskes, this,
            [&ramme](const QString& emne) { ramme.Information(emne); });
    connect(m_grafModel.get(), &TGrafformModel::dialogOenskes, this, &TGrafEnhed::aabnDialog);
    connect(m_grafModel.get(), &TGrafformModel::lukkes, this, [this] {
        for (QWidget* w : {static_cast<QWidget*>(m_form3), static_cast<QWidget*>(m_zoomform),
                           static_cast<QWidget*>(m_optform), static_cast<QWidget*>(m_printform)})
            if (w) w->hide();
    });
    ramme.vedLukning([this] { m_grafModel->gemOpt(); });
}

TGrafEnhed::~TGrafEnhed() = default;

Tgrafform& TGrafEnhed::grafform() {
    if (!m_grafform) m_grafform = std::make_unique<Tgrafform>(*m_grafModel);
    return *m_grafform;
}

Tform3& TGrafEnhed::form3() {
    if (!m_form3) {
        m_form3 = new Tform3(*m_form3Model, &grafform());
        placerPaaSkaermen(*m_form3, TForm3Model::FormCreate(m_grafModel->vinduesPos));
    }
    return *m_form3;
}

void TGrafEnhed::visGrafform() {
    grafform().vis();
}

void TGrafEnhed::visForm3() {
    Tform3& f = form3();
    f.show();
    f.raise();
    f.activateWindow();
}

void TGrafEnhed::lukVinduer() {
    const QList<QWidget*> vinduer{m_printform, m_zoomform, m_form3, m_optform, m_grafform.get()};
    for (QWidget* w : vinduer)
        if (w && w->isVisible()) w->close();
}
