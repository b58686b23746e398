#include "ui/info/urlform1.h"

#include "core/info/urlliste.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/placering.h"
#include "ui/common/tilgaengelighed.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

Turlform1::Turlform1(TUrlListe& model, QWidget* centrum, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_centrum(centrum) {
    setObjectName(QStringLiteral("Turlform1"));
    setWindowTitle(QStringLiteral("Urlboks"));
    setMinimumSize(300, 200);
    resize(420, 320);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(8, 8, 8, 4);
    auto* overskrift = new QLabel(QStringLiteral("Besøgte sider"), this);
    QFont f = overskrift->font();
    f.setBold(true);
    overskrift->setFont(f);
    l->addWidget(overskrift);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_strukturliste = new QListWidget(splitter);
    m_strukturliste->setObjectName(QStringLiteral("strukturliste"));
    navngiv(m_strukturliste, QStringLiteral("Strukturer"),
            QStringLiteral("Strukturen, siden hører til. Dobbeltklik for at åbne siden"));
    m_urlListe = new QListWidget(splitter);
    m_urlListe->setObjectName(QStringLiteral("urlListe"));
    navngiv(m_urlListe, QStringLiteral("Sider"),
            QStringLiteral("Besøgte sider. Dobbeltklik for at åbne siden"));
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({130, 270});
    l->addWidget(splitter, 1);

    auto* knapper = new QHBoxLayout;
    m_sletKnap = new QPushButton(QStringLiteral("Slet liste"), this);
    m_sletKnap->setObjectName(QStringLiteral("sletKnap"));
    navngiv(m_sletKnap, QStringLiteral("Slet liste"), QStringLiteral("Slet alle urls fra listen"));
    auto* luk = new QPushButton(QStringLiteral("Luk"), this);
    luk->setObjectName(QStringLiteral("lukKnap"));
    navngiv(luk, QStringLiteral("Luk"), QStringLiteral("Luk urlboksen"));
    knapper->addWidget(m_sletKnap);
    knapper->addStretch(1);
    knapper->addWidget(luk);
    l->addLayout(knapper);
    m_infoBar = new QLabel(this);
    tilgaengelighed::vaerdiEtiket(m_infoBar, QStringLiteral("Statuslinje"));
    m_infoBar->setFrameShape(QFrame::StyledPanel);
    l->addWidget(m_infoBar);

    for (QWidget* w : {static_cast<QWidget*>(m_strukturliste), static_cast<QWidget*>(m_urlListe),
                       static_cast<QWidget*>(m_sletKnap), static_cast<QWidget*>(luk)})
        w->installEventFilter(this);

    connect(m_urlListe, &QListWidget::currentRowChanged, this,
            [this](int r) { vedGraensen(this, [&] { m_model.urlListeClick(r); }); });
    connect(m_strukturliste, &QListWidget::currentRowChanged, this,
            [this](int r) { vedGraensen(this, [&] { m_model.strukturlisteClick(r); }); });
    connect(m_urlListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) {
        vedGraensen(this, [&] { m_model.urlListeDblClick(m_urlListe->row(it)); });
    });
    connect(m_strukturliste, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) {
        vedGraensen(this, [&] { m_model.strukturlisteDblClick(m_strukturliste->row(it)); });
    });
    connect(m_sletKnap, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.AsletAlleExecute(); }); });
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_model, &TUrlListe::aendret, this, &Turlform1::opdater);
    opdater();
}

void Turlform1::opdater() {
    auto fyld = [](QListWidget* w, const QStringList& l) {
        QStringList vist;
        for (int i = 0; i < w->count(); ++i)
            vist << w->item(i)->text();
        if (vist != l) {
            const QSignalBlocker b(w);
            w->clear();
            w->addItems(l);
        }
    };
    fyld(m_urlListe, m_model.urlListe);
    fyld(m_strukturliste, m_model.strukturliste);
    for (QListWidget* w : {m_urlListe, m_strukturliste}) {
        if (w->currentRow() != m_model.valgt) {
            const QSignalBlocker b(w);
            w->setCurrentRow(m_model.valgt);
        }
    }
    m_sletKnap->setEnabled(m_model.AsletAlleUpdate());
}

void Turlform1::visVindue() {
    if (!isVisible()) show();
    raise();
    activateWindow();
}

void Turlform1::showEvent(QShowEvent* ev) {
    QWidget::showEvent(ev);
    if (m_placeret) return;
    m_placeret = true;
    if (m_model.formWidth > 0) resize(std::max(m_model.formWidth, 300), height());
    if (m_model.formHeight > 0) resize(width(), std::max(m_model.formHeight, 200));
    if (m_centrum) {
        QRect r = frameGeometry();
        r.moveCenter(m_centrum->frameGeometry().center());
        placerPaaSkaermen(*this, r.topLeft());
    } else {
        placerPaaSkaermen(*this, pos());
    }
}

void Turlform1::closeEvent(QCloseEvent* ev) {
    vedGraensen(this, [&] { m_model.FormClose(width(), height()); });
    QWidget::closeEvent(ev);
}

bool Turlform1::eventFilter(QObject* obj, QEvent* ev) {
    // The hint of the control under the mouse goes to the status line.
    if (ev->type() == QEvent::Enter)
        if (auto* w = qobject_cast<QWidget*>(obj))
            tilgaengelighed::visTekst(m_infoBar, w->toolTip());
    return QWidget::eventFilter(obj, ev);
}
