#include "core/graph/grafformmodel.h"

#include "core/common/almenx.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"
#include "core/graph/ligning3model.h"

#include <limits>

namespace {

bool iInt32(qint64 v) {
    return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
}

} // namespace

TGrafformModel::TGrafformModel(const QString& optDir, Beskeder& beskeder, QObject* parent)
    : QObject(parent), optfilnavn(optDir + QStringLiteral("grafer.txt")), m_beskeder(beskeder) {
    // The designed canvas; the options file and realiserOpt then set the values in force.
    saetGraf(Graf, TGrafOptioner());
    connect(&Graf, &TFunktioner::OnNyGraf, this, &TGrafformModel::grafNyGraf);
    connect(&Graf, &TFunktioner::OnTegnGraf, this, &TGrafformModel::grafTegnGraf);
    connect(&Graf, &TFunktioner::OnZoom, this, &TGrafformModel::grafZoom);
}

QStringList TGrafformModel::ligningstyper() {
    return {QStringLiteral("ax + by = c"), QStringLiteral("ax / by = c"),
            QStringLiteral("ax * by = c"), QStringLiteral("ax^2 + bx + c = 0")};
}

QChar TGrafformModel::typeTilOpr(int item) {
    switch (item) {
    case 1:
        return u'/';
    case 2:
        return u'*';
    case 3:
        return u'a';
    default:
        return u'+';
    }
}

int TGrafformModel::oprTilType(QChar opr) {
    switch (opr.unicode()) {
    case '+':
        return 0;
    case '/':
        return 1;
    case '*':
        return 2;
    case 'a':
        return 3;
    default:
        return -1;
    }
}

TFarve TGrafformModel::getFarver(qint32 fIndex) {
    return grafFarve(fIndex);
}

// ---- Options ----

void TGrafformModel::FormCreate(QSize skrivebord) {
    cX = Graf.Width();
    cY = Graf.Height();
    UdskrivValues = true;
    try {
        hentOpt(skrivebord);
    } catch (const TFejl& f) {
        // The lines read before the bad one are in force; the boxes show them.
        realiserOpt();
        m_beskeder.fejl(f.tekst());
    }
}

void TGrafformModel::hentOpt(QSize skrivebord) {
    TGrafOptioner o;
    const auto centrer = [&] {
        if (o.centrer)
            vinduesPos =
                QPoint((skrivebord.width() - o.bredde) / 2, (skrivebord.height() - o.hoejde) / 2);
    };
    if (TOptionsFil::findes(optfilnavn)) {
        try {
            laesGrafOptioner(TOptionsFil::laes(optfilnavn), o);
        } catch (const TFejl&) {
            anvend(o);
            centrer();
            throw;
        }
    }
    anvend(o);
    centrer();
    realiserOpt();
}

void TGrafformModel::anvend(const TGrafOptioner& o) {
    if (!o.centrer) vinduesPos = QPoint(o.left, o.top);
    vinduesStoerrelse = QSize(o.bredde, o.hoejde);
    anvendGraf(o);
}

void TGrafformModel::anvendGraf(const TGrafOptioner& o) {
    saetGraf(Graf, o);
    farveItemIndex = o.farveItemIndex;
    linieItemIndex = o.linieItemIndex;
    kurveItemIndex = o.kurveItemIndex;
}

TGrafOptioner TGrafformModel::optioner() const {
    TGrafOptioner o;
    o.centrer = false;
    o.top = vinduesPos.y();
    o.left = vinduesPos.x();
    o.bredde = vinduesStoerrelse.width();
    o.hoejde = vinduesStoerrelse.height();
    o.MedZoomCenter = Graf.MedZoomCenter();
    o.ZoomVal = Graf.ZoomVal();
    o.Koordinatsystem = Graf.Koordinatsystem();
    o.MarkHojde = Graf.MarkHojde();
    o.MedFelter = Graf.MedFelter();
    o.PixelEnhed = Graf.PixelEnhed();
    o.MarkEnhed = Graf.MarkEnhed();
    o.farveItemIndex = farveItemIndex;
    o.linieItemIndex = linieItemIndex;
    o.kurveItemIndex = kurveItemIndex;
    return o;
}

void TGrafformModel::gemOpt() const {
    skrivGrafOptioner(optioner()).gem(optfilnavn);
}

void TGrafformModel::defaultOpt() {
    // The graph's settings only: the window stays where it is.
    anvendGraf(TGrafOptioner());
    realiserOpt();
}

void TGrafformModel::realiserOpt() {
    Graf.setColor(getFarver(farveItemIndex));
    Graf.setColorKS(getFarver(linieItemIndex));
    Graf.setColorLinie(getFarver(kurveItemIndex));
    zPosLabel = Graf.GetZoomXY();
    yAkseEdit = QString::number(Graf.CenterX());
    xAkseEdit = QString::number(Graf.CenterY());
    zoomCenterBox = Graf.MedZoomCenter();
    zoomSpringEdit = QString::number(Graf.ZoomVal());
    visKoordinatsystem = Graf.Koordinatsystem();
    visEnhedsMarks = Graf.MarkHojde() > 0;
    visEnhedskvadrater = Graf.MedFelter();
    pixelEdit = QString::number(Graf.PixelEnhed());
    enhederEdit = QString::number(Graf.MarkEnhed());
    Q_EMIT aendret();
}

// ---- Curves ----

void TGrafformModel::AddFormelToGraf(QChar aOperator, double a, double b, double c) {
    Graf.NyGraf(a, b, c, aOperator, true);
}

void TGrafformModel::InsertKnapClick() {
    const QChar kind = typeTilOpr(ligBox);
    // What the boxes show is what is drawn.
    const auto laes = [](QString& boks) {
        boks = tal::generel(TAlmenX::EditFloat(boks));
        return tal::laes(boks);
    };
    const double a = laes(aEdit);
    const double b = laes(bEdit);
    const double c = laes(cEdit);
    UdskrivValues = false;
    Graf.NyGraf(a, b, c, kind, true);
    // A refused curve raises no event, so the flag is set back here; otherwise
    // the next curve sent from another window would not fill the boxes.
    UdskrivValues = true;
    Q_EMIT aendret();
}

void TGrafformModel::NewKnapClick() {
    aEdit.clear();
    bEdit.clear();
    cEdit.clear();
    Q_EMIT aendret();
    Q_EMIT fokusOenskes(QStringLiteral("aEdit"));
}

void TGrafformModel::grafNyGraf(const QString& Formel, bool visible, bool newGraf, int Index) {
    if (newGraf) {
        m_formelBox.append({Formel, visible, false});
        m_L1Box.append(Formel);
        m_L2Box.append(Formel);
    } else if (Index >= 0 && Index < m_formelBox.size()) {
        // A hidden curve that is entered again is shown, and so is its tick.
        m_formelBox[Index].afkrydset = visible;
    }
    Q_EMIT aendret();
}

void TGrafformModel::grafTegnGraf(const QString&, QChar Operator, double a, double b, double c,
                                  double d) {
    if (!UdskrivValues) {
        UdskrivValues = true;
        return;
    }
    if (Operator == u'3') {
        if (m_form3) m_form3->visKoefficienter(a, b, c, d);
        return;
    }
    aEdit = tal::generel(a);
    bEdit = tal::generel(b);
    cEdit = tal::generel(c);
    ligBox = oprTilType(Operator);
    Q_EMIT aendret();
}

void TGrafformModel::grafZoom(const QString& PenhedStr, const QString& XprocentStr,
                              const QString& YprocentStr) {
    yAkseEdit = XprocentStr;
    xAkseEdit = YprocentStr;
    pixelEdit = PenhedStr;
    Q_EMIT aendret();
}

void TGrafformModel::formelBoxMarkering(const QList<int>& valgte) {
    for (int i = 0; i < m_formelBox.size(); ++i)
        m_formelBox[i].valgt = valgte.contains(i);
}

void TGrafformModel::formelBoxClick() {
    for (int i = 0; i < m_formelBox.size(); ++i) {
        if (!m_formelBox.at(i).valgt) continue;
        QChar opr;
        double a, b, c;
        if (!Graf.GetValues(i, opr, a, b, c)) return;
        aEdit = tal::generel(a);
        bEdit = tal::generel(b);
        cEdit = tal::generel(c);
        if (oprTilType(opr) >= 0) ligBox = oprTilType(opr);
        Q_EMIT aendret();
        return;
    }
}

void TGrafformModel::formelBoxAfkrydset(int raekke, bool afkrydset) {
    if (raekke < 0 || raekke >= m_formelBox.size()) return;
    m_formelBox[raekke].afkrydset = afkrydset;
    Graf.RegulerGraf(raekke, false, afkrydset);
    Q_EMIT aendret();
}

void TGrafformModel::delSelKnapClick() {
    int foerste = -1;
    for (int i = 0; i < m_formelBox.size() && foerste < 0; ++i)
        if (m_formelBox.at(i).valgt) foerste = i;
    if (foerste < 0) return;
    const auto fjernValg = [](int& valg, int raekke) {
        if (valg == raekke)
            valg = -1;
        else if (valg > raekke)
            --valg;
    };
    for (int i = int(m_formelBox.size()) - 1; i >= foerste; --i) {
        if (!m_formelBox.at(i).valgt) continue;
        m_formelBox.removeAt(i);
        Graf.RegulerGraf(i, true, false);
        m_L1Box.removeAt(i);
        m_L2Box.removeAt(i);
        fjernValg(m_L1Index, i);
        fjernValg(m_L2Index, i);
    }
    Q_EMIT aendret();
}

void TGrafformModel::fjernAllKnapClick() {
    bool nogen = false;
    for (int i = 0; i < m_formelBox.size(); ++i) {
        if (!m_formelBox.at(i).valgt) continue;
        nogen = true;
        m_formelBox[i].afkrydset = false;
        Graf.RegulerGraf(i, false, false);
    }
    if (nogen) Q_EMIT aendret();
}

void TGrafformModel::delAllKnapClick() {
    m_formelBox.clear();
    m_L1Box.clear();
    m_L2Box.clear();
    m_L1Index = m_L2Index = -1;
    Graf.Clear(true);
    Q_EMIT aendret();
}

// ---- Axes, scale and grid ----

void TGrafformModel::visAkser() {
    yAkseEdit = QString::number(Graf.CenterX());
    xAkseEdit = QString::number(Graf.CenterY());
    Q_EMIT aendret();
}

void TGrafformModel::flytTil(qint64 x, qint64 y) {
    // An origin beyond the 32-bit pixel range is refused.
    if (iInt32(x) && iInt32(y)) Graf.FlytFocus(qint32(x), qint32(y));
    visAkser();
}

void TGrafformModel::flytOrigo(qint64 dx, qint64 dy) {
    flytTil(Graf.CenterX() + dx, Graf.CenterY() + dy);
}

void TGrafformModel::yAkseEditEnter() {
    const qint32 v = TAlmenX::EditInteger(yAkseEdit);
    yAkseEdit = QString::number(v);
    Graf.setCenterX(v);
    Q_EMIT aendret();
}

void TGrafformModel::xAkseEditEnter() {
    const qint32 v = TAlmenX::EditInteger(xAkseEdit);
    xAkseEdit = QString::number(v);
    Graf.setCenterY(v);
    Q_EMIT aendret();
}

void TGrafformModel::saetPixelEnhed(qint64 v) {
    if (iInt32(v)) Graf.setPixelEnhed(qint32(v));
    pixelEdit = QString::number(Graf.PixelEnhed());
    Q_EMIT aendret();
}

void TGrafformModel::saetMarkEnhed(qint64 v) {
    if (iInt32(v)) Graf.setMarkEnhed(qint32(v));
    enhederEdit = QString::number(Graf.MarkEnhed());
    Q_EMIT aendret();
}

void TGrafformModel::pixelEditEnter() {
    saetPixelEnhed(TAlmenX::EditPosInteger(pixelEdit));
}

void TGrafformModel::enhederEditEnter() {
    saetMarkEnhed(TAlmenX::EditPosInteger(enhederEdit));
}

void TGrafformModel::visKoordinatsystemClick(bool ticked) {
    visKoordinatsystem = ticked;
    Graf.setKoordinatsystem(ticked);
    Q_EMIT aendret();
}

void TGrafformModel::visEnhedsMarksClick(bool ticked) {
    visEnhedsMarks = ticked;
    Graf.setMarkHojde(ticked ? 3 : 0);
    Q_EMIT aendret();
}

void TGrafformModel::visEnhedskvadraterClick(bool ticked) {
    visEnhedskvadrater = ticked;
    Graf.setMedFelter(ticked);
    Q_EMIT aendret();
}

void TGrafformModel::centrerXYakseKnapClick() {
    flytTil(Graf.Width() / 2, Graf.Height() / 2);
}
void TGrafformModel::Kvadrant1Click() {
    flytTil(0, qint64(Graf.Height()) - 1);
}
void TGrafformModel::Kvadrant2Click() {
    flytTil(qint64(Graf.Width()) - 1, qint64(Graf.Height()) - 1);
}
void TGrafformModel::Kvadrant3Click() {
    flytTil(qint64(Graf.Width()) - 1, 0);
}
void TGrafformModel::Kvadrant4Click() {
    flytTil(0, 0);
}

// ---- Zoom ----

void TGrafformModel::zoomSpringEditChange(const QString& tekst) {
    try {
        zoomSpringEdit = QString::number(TAlmenX::EditPosInteger(tekst));
    } catch (const TFejl&) {
        Q_EMIT aendret(); // the box shows its former value again
        throw;
    }
    Q_EMIT aendret();
}

void TGrafformModel::zoomTrin(int fortegn) {
    qint32 v = TAlmenX::EditPosInteger(zoomSpringEdit);
    if (v == 0) {
        v = 1;
        zoomSpringEdit = QStringLiteral("1");
    }
    Graf.setZoomVal(fortegn * v);
    Graf.Zoom();
    Q_EMIT aendret();
}

void TGrafformModel::saetZoomCentrum(double x, double y, bool centrer) {
    zPosLabel = Graf.MakeZoomCentrum(x, y, centrer);
    yAkseEdit = QString::number(Graf.CenterX());
    xAkseEdit = QString::number(Graf.CenterY());
    Q_EMIT aendret();
}

void TGrafformModel::zoomCenterBoxClick(bool ticked) {
    zoomCenterBox = ticked;
    Graf.setMedZoomCenter(ticked);
    zPosLabel = Graf.GetZoomXY();
    Q_EMIT aendret();
}

// ---- The canvas ----

void TGrafformModel::GrafMouseMove(qint32 x, qint32 y) {
    posLabel = Graf.GetXY(x, y);
    Q_EMIT aendret();
}

void TGrafformModel::GrafMouseDown(Qt::MouseButton knap, qint32 x, qint32 y) {
    if (knap == Qt::LeftButton) {
        Graf.FlytFocus(x, y);
        visAkser();
    } else if (knap == Qt::RightButton) {
        Graf.SetZoomcenter(x, y);
        zPosLabel = Graf.GetXY(x, y);
        Q_EMIT aendret();
    }
}

void TGrafformModel::GrafPaint(TLaerred& l) {
    const bool foerste = Graf.Opstart();
    Graf.Paint(l);
    if (foerste) visAkser();
}

void TGrafformModel::FormResize(qint32 bredde, qint32 hoejde) {
    Graf.setStoerrelse(bredde, hoejde);
    // The origin keeps its place relative to the canvas; a canvas that had no
    // size before gives no proportion to keep.
    if (cX > 0 && cY > 0) {
        const double x = tal::rundHalvLige(double(qint64(Graf.CenterX()) * bredde) / cX);
        const double y = tal::rundHalvLige(double(qint64(Graf.CenterY()) * hoejde) / cY);
        flytTil(qint64(x), qint64(y));
    }
    cX = bredde;
    cY = hoejde;
    Q_EMIT grafStoerrelse();
}

// ---- Keys and hints ----

bool TGrafformModel::FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) {
    if (mods & Qt::ControlModifier) {
        switch (qtKey) {
        case Qt::Key_E:
            EgenskaberClick();
            return true;
        case Qt::Key_I:
            InsertKnapClick();
            return true;
        case Qt::Key_L:
            BeregnKnapClick();
            return true;
        case Qt::Key_N:
            NewKnapClick();
            return true;
        case Qt::Key_Z:
            zoomBoksKnapClick();
            return true;
        default:
            return false;
        }
    }
    switch (qtKey) {
    case Qt::Key_Home:
        if (tekstboksFokus) return false;
        NewKnapClick();
        return true;
    case Qt::Key_F1:
        InformationClick();
        return true;
    case Qt::Key_F9:
        BeregnKnapClick();
        return true;
    default:
        return false;
    }
}

void TGrafformModel::showHint(const QString& hint) {
    if (m_doShowHint && !m_doShowHint()) return;
    const qsizetype streg = hint.indexOf(u'|');
    const QString lang = streg >= 0 ? hint.mid(streg + 1) : hint;
    if (lang == statusTekst) return;
    statusTekst = lang;
    Q_EMIT aendret();
}
