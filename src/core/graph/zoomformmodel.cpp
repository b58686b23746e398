#include "graph/zoomformmodel.h"

#include "common/almenx.h"
#include "common/beskeder.h"
#include "common/taltekst.h"
#include "equations/andengrads.h"
#include "equations/ligninger.h"
#include "graph/grafformmodel.h"

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
    m_graf.zPosLabel = m_graf.Graf.MakeZoomCentrum(x, y, centrerCheck);
    m_graf.yAkseEdit = QString::number(m_graf.Graf.CenterX());
    m_graf.xAkseEdit = QString::number(m_graf.Graf.CenterY());
    Q_EMIT m_graf.aendret();
}

bool TZoomformModel::getAL() {
    TAndengrads* al = m_graf.andengradsSide();
    if (!al) return false;
    for (int i = 0; i < m_graf.formelBox.size(); ++i) {
        if (!m_graf.formelBox.at(i).valgt) continue;
        QChar opr;
        double a, b, c;
        if (!m_graf.Graf.GetValues(i, opr, a, b, c) || opr != u'a') continue;
        al->setAndengradsA(tal::generel(a));
        al->setAndengradsB(tal::generel(b));
        al->setAndengradsC(tal::generel(c));
        al->andengradsBeregnClick();
        return true;
    }
    return false;
}

void TZoomformModel::andengradsRod(bool foerste) {
    if (!getAL()) {
        m_beskeder.information(QStringLiteral("Der er ikke valgt en andengradsligning."));
        return;
    }
    const TAndengrads& al = *m_graf.andengradsSide();
    // A parabola without real roots leaves "Ingen løsning" in the root box,
    // which would read as 0: that is no point to zoom on.
    if (!al.Lon) {
        m_beskeder.information(kIngenLoesning);
        return;
    }
    tagPunkt(foerste ? al.andengradsX1() : al.andengradsX2(), QStringLiteral("0"), kIngenLoesning);
}

void TZoomformModel::ToolButton3Click() {
    const TLigninger* l = m_graf.ligningerSide();
    tagPunkt(l ? l->ligningX1() : QString(), l ? l->ligningY1() : QString(), kIngenLoesning);
}

void TZoomformModel::ToolButton4Click() {
    const TLigninger* l = m_graf.ligningerSide();
    tagPunkt(l ? l->ligningX2() : QString(), l ? l->ligningY2() : QString(),
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
    Q_EMIT m_graf.informationOenskes(QStringLiteral("Zoom og fokusering"));
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
