#include "core/graph/zoomformmodel.h"

#include "core/common/almenx.h"
#include "core/common/beskeder.h"
#include "core/common/taltekst.h"
#include "core/graph/grafformmodel.h"
#include "core/graph/ligningssider.h"

namespace {
const QString kIngenLoesning = QStringLiteral("Der er ikke beregnet nogen løsning!");
}

TZoomformModel::TZoomformModel(const QString& optDir, TGrafformModel& graf, Beskeder& beskeder,
                               QObject* parent)
    : QObject(parent), opt(optDir, QStringLiteral("zoomcenter.txt")), m_graf(graf),
      m_beskeder(beskeder) {}

void TZoomformModel::SetZoomCentrum() {
    const double x = TAlmenX::EditFloat(xEdit);
    const double y = TAlmenX::EditFloat(yEdit);
    m_graf.saetZoomCentrum(x, y, centrerCheck);
}

bool TZoomformModel::getAL() {
    TLigningssider* sider = m_graf.ligningssider();
    if (!sider) return false;
    for (int i = 0; i < m_graf.formelBox().size(); ++i) {
        if (!m_graf.formelBox().at(i).valgt) continue;
        QChar opr;
        double a, b, c;
        if (!m_graf.Graf.GetValues(i, opr, a, b, c) || opr != u'a') continue;
        sider->saetAndengrads(a, b, c);
        m_andengradsLoest = sider->beregnAndengrads();
        return true;
    }
    return false;
}

void TZoomformModel::andengradsRod(bool foerste) {
    if (!getAL()) {
        m_beskeder.information(QStringLiteral("Der er ikke valgt en andengradsligning."));
        return;
    }
    // A parabola without real roots leaves "Ingen løsning" in the root box,
    // which would read as 0: that is no point to zoom on.
    if (!m_andengradsLoest) {
        m_beskeder.information(kIngenLoesning);
        return;
    }
    tagPunkt(m_graf.ligningssider()->andengradsRod(foerste), QStringLiteral("0"), kIngenLoesning);
}

void TZoomformModel::ToolButton3Click() {
    const TLigningssider* l = m_graf.ligningssider();
    tagPunkt(l ? l->loesningX(true) : QString(), l ? l->loesningY(true) : QString(),
             kIngenLoesning);
}

void TZoomformModel::ToolButton4Click() {
    const TLigningssider* l = m_graf.ligningssider();
    tagPunkt(l ? l->loesningX(false) : QString(), l ? l->loesningY(false) : QString(),
             QStringLiteral("Der er ikke beregnet to løsninger!"));
}

void TZoomformModel::ToolButton1Click() {
    tagPunkt(QStringLiteral("0"), QStringLiteral("0"), QString());
}

void TZoomformModel::ToolButton2Click() {
    tagPunkt(tal::generel(m_graf.Graf.ZoomX()), tal::generel(m_graf.Graf.ZoomY()), QString());
}

void TZoomformModel::ToolButton7Click() {
    tagPunkt(m_graf.ligningX1, m_graf.ligningY1, kIngenLoesning);
}

void TZoomformModel::ToolButton8Click() {
    tagPunkt(m_graf.ligningX2, m_graf.ligningY2, kIngenLoesning);
}

void TZoomformModel::zoomSpmClick() {
    Q_EMIT informationOenskes(QStringLiteral("Zoom og fokusering"));
}

void TZoomformModel::tagPunkt(const QString& x, const QString& y, const QString& mangler) {
    if (x.isEmpty() || y.isEmpty()) {
        m_beskeder.information(mangler);
        return;
    }
    xEdit = x;
    yEdit = y;
    Q_EMIT aendret();
    SetZoomCentrum();
}
