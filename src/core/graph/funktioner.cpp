#include "core/graph/funktioner.h"

#include "core/common/taltekst.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kInt32Min = double(std::numeric_limits<qint32>::min());
constexpr double kInt32Max = double(std::numeric_limits<qint32>::max());

bool iInt32(double v) {
    return std::isfinite(v) && v >= kInt32Min && v <= kInt32Max;
}

// Floor and ceiling of a / b for b > 0, in 64 bits.
qint64 gulvDiv(qint64 a, qint64 b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
qint64 loftDiv(qint64 a, qint64 b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

} // namespace

// Draws lines given in double pixel positions onto a surface. Segments are cut
// at a wide margin around the picture, so positions far outside it (which
// would not fit the surface's 32-bit coordinates) draw exactly their visible
// part; a point that is not a finite number is skipped and the next point
// starts a new line. Positions inside the margin go to the surface unchanged,
// call for call (for curves: those of the lines that can show).
class TTegner {
public:
    // With `kunSynlige`, a line that lies wholly beside the picture (both ends
    // past the same edge) is not drawn at all: most of a steep curve's samples
    // lie there, and they cost the surface time for nothing.
    TTegner(TLaerred& l, qint32 bredde, qint32 hoejde, bool kunSynlige = false)
        : laerred(l), m_xmin(-kMargen), m_xmax(double(bredde) - 1 + kMargen), m_ymin(-kMargen),
          m_ymax(double(hoejde) - 1 + kMargen), m_bredde(bredde), m_hoejde(hoejde),
          m_kunSynlige(kunSynlige) {}

    TLaerred& laerred;
    double px = 0, py = 0; // the last point reached
    bool gyldig = false;   // px, py hold a point

    void flyt(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) {
            gyldig = false;
            return;
        }
        px = std::clamp(x, -kFjern, kFjern);
        py = std::clamp(y, -kFjern, kFjern);
        gyldig = true;
        m_venter = !inde(px, py);
        if (!m_venter) laerred.MoveTo(qint32(px), qint32(py));
    }

    void linje(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) {
            gyldig = false;
            return;
        }
        if (!gyldig) {
            flyt(x, y);
            return;
        }
        double dx = x - px, dy = y - py;
        const double m = std::max(std::fabs(dx), std::fabs(dy));
        if (m > kFjern) { // keep the direction, shorten the way
            dx *= kFjern / m;
            dy *= kFjern / m;
        }
        if (m_kunSynlige && udenfor(px, py, px + dx, py + dy)) {
            m_venter = true;
            px += dx;
            py += dy;
            return;
        }
        double t0 = 0, t1 = 1;
        if (klip(dx, dy, t0, t1)) {
            if (m_venter || t0 > 0) laerred.MoveTo(rund(px + t0 * dx), rund(py + t0 * dy));
            laerred.LineTo(rund(px + t1 * dx), rund(py + t1 * dy));
            m_venter = t1 < 1;
        } else {
            m_venter = true;
        }
        px += dx;
        py += dy;
    }

    // True when the box around (x, y) with half size r touches the margin.
    bool indenforMargen(double x, double y, double r) const {
        return std::isfinite(x) && std::isfinite(y) && x + r >= m_xmin && x - r <= m_xmax &&
               y + r >= m_ymin && y - r <= m_ymax;
    }

private:
    static constexpr double kMargen = 1 << 20;
    static constexpr double kFjern = 1e150;

    bool inde(double x, double y) const {
        return x >= m_xmin && x <= m_xmax && y >= m_ymin && y <= m_ymax;
    }
    static qint32 rund(double v) { return qint32(tal::rundHalvLige(v)); }
    bool udenfor(double x1, double y1, double x2, double y2) const {
        return (x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) ||
               (x1 > m_bredde - 1 && x2 > m_bredde - 1) || (y1 > m_hoejde - 1 && y2 > m_hoejde - 1);
    }

    // Cuts the segment from (px, py) by (dx, dy) to the margin (Liang-Barsky).
    bool klip(double dx, double dy, double& t0, double& t1) const {
        auto side = [&](double p, double q) {
            if (p == 0) return q >= 0;
            const double r = q / p;
            if (p < 0) {
                if (r > t1) return false;
                if (r > t0) t0 = r;
            } else {
                if (r < t0) return false;
                if (r < t1) t1 = r;
            }
            return true;
        };
        return side(-dx, px - m_xmin) && side(dx, m_xmax - px) && side(-dy, py - m_ymin) &&
               side(dy, m_ymax - py);
    }

    double m_xmin, m_xmax, m_ymin, m_ymax;
    double m_bredde, m_hoejde;
    bool m_kunSynlige;
    bool m_venter = false; // the surface's position is not (px, py)
};

TFunktioner::TFunktioner(QObject* parent) : QObject(parent) {}

void TFunktioner::setStoerrelse(qint32 bredde, qint32 hoejde) {
    bredde = std::max(bredde, 0);
    hoejde = std::max(hoejde, 0);
    if (bredde == m_width && hoejde == m_height) return;
    m_width = bredde;
    m_height = hoejde;
    Q_EMIT Invalidate();
}

void TFunktioner::setColor(TFarve f) {
    if (f == m_color) return;
    m_color = f;
    Q_EMIT Invalidate();
}

// Writes that repaint when the value changed.
#define TAVLIX_SAET_OG_GENTEGN(felt, v)                                                            \
    do {                                                                                           \
        if (felt == (v)) return;                                                                   \
        felt = (v);                                                                                \
        Q_EMIT Invalidate();                                                                       \
    } while (false)

void TFunktioner::setCenterX(qint32 v) {
    TAVLIX_SAET_OG_GENTEGN(FCenterX, v);
}
void TFunktioner::setCenterY(qint32 v) {
    TAVLIX_SAET_OG_GENTEGN(FCenterY, v);
}
void TFunktioner::setColorKS(TFarve f) {
    TAVLIX_SAET_OG_GENTEGN(FColorKS, f);
}
void TFunktioner::setKoordinatsystem(bool v) {
    TAVLIX_SAET_OG_GENTEGN(FKoordinatsystem, v);
}
void TFunktioner::setMedFelter(bool v) {
    TAVLIX_SAET_OG_GENTEGN(FMedFelter, v);
}
void TFunktioner::setMedZoomCenter(bool v) {
    TAVLIX_SAET_OG_GENTEGN(FMedZoomCenter, v);
}
#undef TAVLIX_SAET_OG_GENTEGN

// Equal values do nothing; otherwise the value is kept within its floor.
void TFunktioner::setPixelEnhed(qint32 v) {
    if (v == FPixelEnhed) return;
    FPixelEnhed = std::max(v, 1);
    Q_EMIT Invalidate();
}
void TFunktioner::setMarkEnhed(qint32 v) {
    if (v == FMarkEnhed) return;
    FMarkEnhed = std::max(v, 1);
    Q_EMIT Invalidate();
}
void TFunktioner::setMarkHojde(qint32 v) {
    if (v == FMarkHojde) return;
    FMarkHojde = std::max(v, 0);
    Q_EMIT Invalidate();
}

double TFunktioner::CompToKsX(qint64 i) const {
    return double(i - FCenterX) / FPixelEnhed;
}
double TFunktioner::CompToKsY(qint64 j) const {
    return double(FCenterY - j) / FPixelEnhed;
}
double TFunktioner::KsToCompX(double x) const {
    return tal::rundHalvLige(x * FPixelEnhed + FCenterX);
}
double TFunktioner::KsToCompY(double y) const {
    return tal::rundHalvLige(FCenterY - y * FPixelEnhed);
}

// ---- Text forms ----

QString TFunktioner::formelTekst(QChar opr, double a, double b, double c, double d) {
    const auto N = [](double v) { return tal::generel(v); };
    // "+ v·led", "- |v|·led" or nothing, as for the parabola's and cubic's terms.
    const auto led = [&](double v, const QString& navn) -> QString {
        if (v == 1 && !navn.isEmpty()) return QStringLiteral(" + ") + navn;
        if (v < 0) return QStringLiteral(" - ") + N(-v) + navn;
        if (v > 0) return QStringLiteral(" + ") + N(v) + navn;
        return {};
    };
    const auto foerste = [&](const QString& navn) { return a == 1 ? navn : N(a) + navn; };
    const QString x = QStringLiteral("x");
    const QString y = QStringLiteral("y");
    const QString nul = QStringLiteral(" = 0");
    switch (opr.unicode()) {
    case '+': {
        QString t = foerste(x);
        if (b == 1)
            t += QStringLiteral(" + y");
        else if (b < 0)
            t += QStringLiteral(" - ") + N(-b) + y;
        else
            t += QStringLiteral(" + ") + N(b) + y;
        return t + QStringLiteral(" = ") + N(c);
    }
    case '/':
    case '*': {
        const QString tegn = opr == u'/' ? QStringLiteral(" / ") : QStringLiteral(" * ");
        return foerste(x) + tegn + (b == 1 ? y : N(b) + y) + QStringLiteral(" = ") + N(c);
    }
    case 'a':
        return foerste(QStringLiteral("x^2")) + led(b, x) + led(c, QString()) + nul;
    case '3':
        return foerste(QStringLiteral("x^3")) + led(b, QStringLiteral("x^2")) + led(c, x) +
               led(d, QString()) + nul;
    default:
        return {};
    }
}

// ---- Curves ----

QString TFunktioner::tilfoej(const TLinier& ny, bool Vis, bool medD) {
    int index = -1;
    for (int i = 0; i < m_lin.size(); ++i) {
        const TLinier& l = m_lin.at(i);
        if (l.fa == ny.fa && l.fb == ny.fb && l.fc == ny.fc && l.opr == ny.opr &&
            (!medD || l.fd == ny.fd)) {
            index = i;
            break;
        }
    }
    const bool newGraf = index < 0;
    if (newGraf) {
        TLinier l = ny;
        l.farve = FColorLinie;
        l.formel = formelTekst(l.opr, l.fa, l.fb, l.fc, l.fd);
        m_lin.append(l);
        index = int(m_lin.size()) - 1;
    }
    TLinier& l = m_lin[index];
    l.synlig = Vis;
    if (Vis) {
        if (m_laerred)
            TegnGrafen(*m_laerred, index);
        else
            Q_EMIT Invalidate();
    }
    // Copies, because a receiver may change the list.
    const TLinier kopi = l;
    Q_EMIT OnNyGraf(kopi.formel, kopi.synlig, newGraf, index);
    Q_EMIT OnTegnGraf(kopi.formel, kopi.opr, kopi.fa, kopi.fb, kopi.fc, kopi.fd);
    return kopi.formel;
}

QString TFunktioner::NyGraf(double a, double b, double c, QChar Operator, bool Vis) {
    if (a == 0 || (Operator != u'a' && b == 0)) return {};
    TLinier l;
    l.fa = a;
    l.fb = b;
    l.fc = c;
    l.opr = Operator;
    return tilfoej(l, Vis, false);
}

QString TFunktioner::NyGraf3(double a, double b, double c, double d, bool Vis) {
    if (a == 0) return {};
    TLinier l;
    l.fa = a;
    l.fb = b;
    l.fc = c;
    l.fd = d;
    l.opr = u'3';
    return tilfoej(l, Vis, true);
}

void TFunktioner::Clear(bool medGrafer) {
    if (medGrafer)
        m_lin.clear();
    else
        for (TLinier& l : m_lin)
            l.synlig = false;
    Q_EMIT Invalidate();
}

void TFunktioner::RegulerGraf(int Index, bool DeleteGraf, bool Vis) {
    if (Index < 0 || Index >= m_lin.size()) return;
    if (DeleteGraf)
        m_lin.removeAt(Index);
    else
        m_lin[Index].synlig = Vis;
    Q_EMIT Invalidate();
}

bool TFunktioner::GetValues(int Index, QChar& opr, double& a, double& b, double& c) const {
    if (Index < 0 || Index >= m_lin.size()) return false;
    const TLinier& l = m_lin.at(Index);
    opr = l.opr;
    a = l.fa;
    b = l.fb;
    c = l.fc;
    return true;
}

// ---- Origin and zoom ----

void TFunktioner::FlytFocus(qint32 fX, qint32 fY) {
    FCenterX = fX;
    FCenterY = fY;
    Q_EMIT Invalidate();
}

void TFunktioner::Zoom() {
    const qint64 p = FPixelEnhed;
    const qint64 q = p + FZoomVal;
    if (q < 1 || q > std::numeric_limits<qint32>::max()) return;
    const double zx = KsToCompX(FZoomX);
    const double zy = KsToCompY(FZoomY);
    double d = zx - FCenterX;
    // Both are below 2^31 (checked above), so exact as doubles.
    const double pD = static_cast<double>(p), qD = static_cast<double>(q);
    const double nyX = FCenterX - tal::rundHalvLige((d / pD) * qD - d);
    d = FCenterY - zy;
    const double nyY = FCenterY + tal::rundHalvLige((d / pD) * qD - d);
    // A centre that no pixel position can hold refuses the step.
    if (!iInt32(nyX) || !iInt32(nyY)) return;
    FCenterX = qint32(nyX);
    FCenterY = qint32(nyY);
    FPixelEnhed = qint32(q);
    Q_EMIT Invalidate();
    Q_EMIT OnZoom(QString::number(FPixelEnhed), QString::number(FCenterX),
                  QString::number(FCenterY));
}

void TFunktioner::SetZoomcenter(qint32 zX, qint32 zY) {
    FZoomX = CompToKsX(zX);
    FZoomY = CompToKsY(zY);
    if (FMedZoomCenter) Q_EMIT Invalidate();
}

QString TFunktioner::MakeZoomCentrum(double fX, double fY, bool centrer) {
    if (centrer) {
        const double nyX = double(FCenterX) + (m_width / 2) - KsToCompX(fX);
        const double nyY = double(FCenterY) + (m_height / 2) - KsToCompY(fY);
        // A point so far away that the origin cannot follow leaves it.
        if (iInt32(nyX) && iInt32(nyY)) {
            FCenterX = qint32(nyX);
            FCenterY = qint32(nyY);
        }
    }
    FZoomX = fX;
    FZoomY = fY;
    Q_EMIT Invalidate();
    return koordinatTekst(fX, fY);
}

QString TFunktioner::koordinatTekst(double x, double y) {
    const auto t = [](double v) {
        QString s = QString::asprintf("%.2f", v);
        return s == QStringLiteral("-0.00") ? QStringLiteral("0.00") : s;
    };
    return t(x) + QStringLiteral(" : ") + t(y);
}

QString TFunktioner::GetXY(qint32 fX, qint32 fY) const {
    return koordinatTekst(CompToKsX(fX), CompToKsY(fY));
}

QString TFunktioner::GetZoomXY() const {
    return koordinatTekst(FZoomX, FZoomY);
}

TFarve TFunktioner::feltFarve(TFarve baggrund) {
    const auto kanal = [](int v) { return v < 220 ? v + 30 : v - 30; };
    return farve::rgb(kanal(farve::roed(baggrund)), kanal(farve::groen(baggrund)),
                      kanal(farve::blaa(baggrund)));
}

// ---- Drawing ----

void TFunktioner::Paint(TLaerred& l) {
    if (m_opstart) {
        m_opstart = false;
        FCenterX = m_width / 2;
        FCenterY = m_height / 2;
        FZoomX = 0;
        FZoomY = 0;
    }
    l.Fyld(m_color);
    TTegner t(l, m_width, m_height);
    if (FMedFelter) TegnFeltLinier(t);
    if (FKoordinatsystem) {
        tegnKoordinatsystem(t);
    } else if (FMedZoomCenter) {
        MakeZoomCenter(t);
    }
    for (int i = 0; i < m_lin.size(); ++i)
        TegnGrafen(l, i);
}

void TFunktioner::tegnKoordinatsystem(TTegner& t) const {
    t.laerred.setPenFarve(FColorKS);
    t.flyt(FCenterX, 0);
    t.linje(FCenterX, m_height - 1);
    t.flyt(0, FCenterY);
    t.linje(m_width - 1, FCenterY);
    if (FMarkEnhed > 0) TegnMarkLinier(t);
    if (FMedZoomCenter) MakeZoomCenter(t);
}

// The walks start at the last step before the picture rather than at the
// origin, so an origin far outside costs no more than one inside; the step
// counter keeps its value there, so every MarkEnhed-th step is marked as
// before.
void TFunktioner::TegnMarkLinier(TTegner& t) const {
    t.laerred.setPenFarve(FColorKS);
    const qint64 p = FPixelEnhed, m = FMarkEnhed, h = FMarkHojde;
    const qint64 cx = FCenterX, cy = FCenterY, w = m_width, hh = m_height;
    const auto lodret = [&](qint64 x) {
        t.flyt(double(x), double(cy - h));
        t.linje(double(x), double(cy + h));
    };
    const auto vandret = [&](qint64 y) {
        t.flyt(double(cx - h), double(y));
        t.linje(double(cx + h), double(y));
    };
    // Rightwards: ticks at cx + k·p, k ≥ 1, while the one before lies left of w.
    qint64 k = std::max<qint64>(0, loftDiv(-cx, p) - 1);
    for (qint64 x = cx + k * p; x < w;) {
        ++k;
        x += p;
        if (k % m == 0) lodret(x);
    }
    // Leftwards: ticks at cx - k·p while the one before lies at 0 or right of it.
    k = std::max<qint64>(0, gulvDiv(cx - w, p));
    for (qint64 x = cx - k * p; x >= 0;) {
        ++k;
        x -= p;
        if (k % m == 0) lodret(x);
    }
    // Downwards and upwards along the y-axis.
    k = std::max<qint64>(0, loftDiv(-cy, p) - 1);
    for (qint64 y = cy + k * p; y < hh;) {
        ++k;
        y += p;
        if (k % m == 0) vandret(y);
    }
    k = std::max<qint64>(0, gulvDiv(cy - hh, p));
    for (qint64 y = cy - k * p; y >= 0;) {
        ++k;
        y -= p;
        if (k % m == 0) vandret(y);
    }
}

void TFunktioner::TegnFeltLinier(TTegner& t) const {
    t.laerred.setPenFarve(feltFarve(m_color));
    const qint64 p = FPixelEnhed, m = FMarkEnhed;
    const qint64 cx = FCenterX, cy = FCenterY, w = m_width, h = m_height;
    const auto lodret = [&](qint64 x) {
        t.flyt(double(x), 0);
        t.linje(double(x), double(h - 1));
    };
    const auto vandret = [&](qint64 y) {
        t.flyt(0, double(y));
        t.linje(double(w - 1), double(y));
    };
    // Lines at cx ± k·p for k ≥ 0; the first one lies on the axis.
    for (qint64 k = std::max<qint64>(0, loftDiv(-cx, p)); cx + k * p < w; ++k)
        if (k % m == 0) lodret(cx + k * p);
    for (qint64 k = std::max<qint64>(0, loftDiv(cx - w + 1, p)); cx - k * p >= 0; ++k)
        if (k % m == 0) lodret(cx - k * p);
    for (qint64 k = std::max<qint64>(0, loftDiv(-cy, p)); cy + k * p < h; ++k)
        if (k % m == 0) vandret(cy + k * p);
    for (qint64 k = std::max<qint64>(0, loftDiv(cy - h + 1, p)); cy - k * p >= 0; ++k)
        if (k % m == 0) vandret(cy - k * p);
}

void TFunktioner::MakeZoomCenter(TTegner& t) const {
    const double zx = KsToCompX(FZoomX), zy = KsToCompY(FZoomY);
    if (!t.indenforMargen(zx, zy, 10)) return; // nothing of it could show
    t.laerred.setPenFarve(FColorKS);
    t.flyt(zx - 10, zy);
    t.linje(zx - 2, zy);
    t.flyt(zx + 10, zy);
    t.linje(zx + 2, zy);
    t.flyt(zx, zy + 10);
    t.linje(zx, zy + 2);
    t.flyt(zx, zy - 10);
    t.linje(zx, zy - 2);
    t.laerred.setBrushKlar(true);
    t.laerred.Ellipse(qint32(zx - 10), qint32(zy - 10), qint32(zx + 10), qint32(zy + 10));
    t.laerred.setBrushKlar(false);
}

void TFunktioner::TegnGrafen(TLaerred& l, int index) const {
    if (index < 0 || index >= m_lin.size()) return;
    const TLinier& g = m_lin.at(index);
    if (!g.synlig) return;
    l.setPenFarve(g.farve);
    TTegner t(l, m_width, m_height, true);
    const double p = FPixelEnhed;
    const double a = g.fa, b = g.fb, c = g.fc, d = g.fd;
    const auto punkt = [&](double x, double y, bool flyt) {
        if (flyt)
            t.flyt(KsToCompX(x), KsToCompY(y));
        else
            t.linje(KsToCompX(x), KsToCompY(y));
    };
    switch (g.opr.unicode()) {
    case 'a':
    case '3': {
        const auto f = [&](double x) {
            return g.opr == u'a' ? a * x * x + b * x + c : a * x * x * x + b * x * x + c * x + d;
        };
        const double x0 = -double(FCenterX) / p; // -INT_MIN does not fit an int
        punkt(x0, f(x0), true);
        for (qint64 i = 1; i < m_width; ++i) {
            const double x = double(i - FCenterX) / p;
            punkt(x, f(x), false);
        }
        break;
    }
    case '*': {
        const auto f = [&](double x) { return c / (a * b * x); };
        const qint64 cx = FCenterX, cy = FCenterY, h = m_height;
        // Pixel rows are 32-bit, so a double holds them exactly.
        const double cyD = static_cast<double>(cy), bundD = static_cast<double>(h - 1);
        const qint64 i0 = cx == 0 ? 1 : 0;
        double x = double(i0 - cx) / p;
        punkt(x, f(x), true);
        for (qint64 i = i0 + 1; i < m_width; ++i) {
            if (i == cx - 1) {
                // The left branch runs off to the edge beside the y-axis.
                if (!t.gyldig) continue;
                if (0 < t.py && t.py < cyD)
                    t.linje(double(cx - 1), 0);
                else if (cyD < t.py && t.py < bundD)
                    t.linje(double(cx), double(h - 1));
                else
                    t.linje(t.px, t.py);
            } else if (i == cx) {
                continue;
            } else if (i == cx + 1) {
                // The right branch starts at the edge beside the y-axis.
                x = double(i - cx) / p;
                const double r = KsToCompY(f(x));
                if (0 < r && r < cyD)
                    t.flyt(double(cx), 0);
                else if (cyD < r && r < bundD)
                    t.flyt(double(cx + 1), double(h - 1));
                else
                    punkt(x, f(x), true);
            } else {
                x = double(i - cx) / p;
                punkt(x, f(x), false);
            }
        }
        break;
    }
    case '+':
    case '/': {
        const auto xAf = [&](double y) { return g.opr == u'+' ? (c - b * y) / a : c * b * y / a; };
        const double yTop = FCenterY / p;
        const double yBund = double(qint64(FCenterY) - m_height + 1) / p;
        punkt(xAf(yTop), yTop, true);
        punkt(xAf(yBund), yBund, false);
        break;
    }
    default:
        break;
    }
}
