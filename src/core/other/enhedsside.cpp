#include "core/other/enhedsside.h"

#include "core/calc/hukommelse.h"
#include "core/common/almenx.h"
#include "core/common/taltekst.h"

namespace {
// 2π as the converter has always used it.
constexpr double toPi = 6.283185307179586;
} // namespace

TEnhedsside::TEnhedsside(THukommelse& hukommelse, QObject* parent)
    : QObject(parent), m_hukommelse(hukommelse) {
    enhedsGroupClick(0);
    // The page opens on the first quantity rather than on empty boxes.
    valgboxClick(0);
}

QStringList TEnhedsside::valgboxItems() {
    QStringList l;
    for (const TStoerrelse& s : enhedstabel::stoerrelser())
        l << s.navn;
    return l;
}

QStringList TEnhedsside::enhedsGroupItems() {
    return {QStringLiteral("Temperatur"), QStringLiteral("Vinkel")};
}

QString TEnhedsside::getExtended(const QString& tekst) {
    if (tekst.isEmpty()) return tekst;
    QString ny;
    if (tekst.startsWith(u'-')) ny += u'-';
    bool komma = false;
    for (const QChar c : tekst) {
        if (c >= u'0' && c <= u'9') {
            ny += c;
        } else if (c == u',' && !komma) {
            komma = true;
            ny += c;
        }
    }
    return ny;
}

void TEnhedsside::valgboxClick(int index) {
    if (index < 0 || index >= enhedstabel::stoerrelser().size()) return;
    valgIndex = index;
    LoadFraTilBokse(index);
}

void TEnhedsside::LoadFraTilBokse(int No) {
    const TStoerrelse& s = enhedstabel::stoerrelser().at(No);
    fraboks.clear();
    fraIndex = -1;
    tilboks.clear();
    tilIndex = -1;
    setFraEdit(QString());
    saetTilEdit(QString());
    for (const TEnhed& e : s.enheder)
        fraboks << e.navn;
    fraIndex = 0;
    setFraEdit(QStringLiteral("1"));
    tilboks = s.maalenheder;
    tilboksChange(0);
    Q_EMIT aendret();
}

void TEnhedsside::fraboksChange(int index) {
    if (index == fraIndex) return;
    fraIndex = index;
    UdskrivValues();
    Q_EMIT aendret();
}

void TEnhedsside::tilboksChange(int index) {
    if (index == tilIndex) return;
    tilIndex = index;
    UdskrivValues();
    Q_EMIT aendret();
}

void TEnhedsside::fraEditEdited(const QString& tekst) {
    setFraEdit(getExtended(tekst));
    Q_EMIT aendret();
}

void TEnhedsside::setFraEdit(const QString& tekst) {
    if (tekst == fraEdit) return;
    fraEdit = tekst;
    UdskrivValues();
}

const TEnhed* TEnhedsside::valgtEnhed() const {
    const auto& tabel = enhedstabel::stoerrelser();
    if (valgIndex < 0 || valgIndex >= tabel.size()) return nullptr;
    const auto& enheder = tabel.at(valgIndex).enheder;
    if (fraIndex < 0 || fraIndex >= enheder.size()) return nullptr;
    return &enheder.at(fraIndex);
}

void TEnhedsside::UdskrivValues() {
    const double x = TAlmenX::EditFloat(fraEdit);
    const TEnhed* e = valgtEnhed();
    if (!e) return;
    const double F = (e->faktor2 != 0 && tilIndex == 1) ? e->faktor2 : e->faktor;
    const double y = x * F;
    saetTilEdit((e->ca ? enhedstabel::caPrefix() : QString()) + tal::generel(y));
    if (visEinfo) Q_EMIT enhedsinformationFoelger(e->emne);
}

void TEnhedsside::saetTilEdit(const QString& tekst) {
    tilEdit = tekst;
    Q_EMIT aendret();
}

void TEnhedsside::visEinfoClick(bool tjek) {
    visEinfo = tjek;
    Q_EMIT aendret();
}

void TEnhedsside::enhedsGroupClick(int index) {
    static const char* const labels[2][3] = {{"Celsius", "Kelvin", "Farenheit"},
                                             {"Grad", "Gradian", "Radian"}};
    if (index < 0 || index > 1) return;
    enhedsIndex = index;
    for (int i = 0; i < 3; ++i) {
        feltLabel[i] = QString::fromLatin1(labels[index][i]);
        felt[i].clear();
    }
    Q_EMIT aendret();
}

void TEnhedsside::feltEdited(int nr, const QString& tekst) {
    setFelt(nr, getExtended(tekst));
}

void TEnhedsside::setFelt(int nr, const QString& tekst) {
    if (nr < 1 || nr > 3) return;
    felt[nr - 1] = tekst;
    Q_EMIT aendret();
}

void TEnhedsside::feltGoClick(int nr) {
    if (nr < 1 || nr > 3) return;
    if (felt[nr - 1].isEmpty()) setFelt(nr, QStringLiteral("0"));
    const double v = TAlmenX::EditFloat(felt[nr - 1]);
    auto skriv = [this](int i, double x) { setFelt(i, tal::generel(x)); };
    // The operations stand in the order they have always been done, so the
    // last digit comes out the same.
    if (enhedsIndex == 0) {
        if (nr == 1) {
            skriv(2, v + 273.15);
            skriv(3, v * 9 / 5 + 32);
        } else if (nr == 2) {
            const double c = v - 273.15;
            skriv(1, c);
            skriv(3, c * 1.8 + 32);
        } else {
            const double c = (v - 32) * 5 / 9;
            skriv(1, c);
            skriv(2, TAlmenX::EditFloat(felt[0]) + 273.15);
        }
    } else {
        if (nr == 1) {
            skriv(2, v * 400 / 360);
            skriv(3, v * toPi / 360);
        } else if (nr == 2) {
            const double g = v * 360 / 400;
            skriv(1, g);
            skriv(3, g * toPi / 360);
        } else {
            const double g = v * 360 / toPi;
            skriv(1, g);
            skriv(2, g * 400 / 360);
        }
    }
    if (nr != 1 && visEinfo) Q_EMIT enhedsinformationFoelger(enhedsGroupItems().at(enhedsIndex));
}

void TEnhedsside::feltGoHoejreklik() {
    Q_EMIT enhedsinformationOenskes(enhedsGroupItems().at(enhedsIndex));
}

void TEnhedsside::sendHukKnapClick() {
    if (tilEdit.isEmpty()) return;
    QString tekst = tilEdit;
    if (tekst.startsWith(enhedstabel::caPrefix())) tekst.remove(0, enhedstabel::caPrefix().size());
    saetTilEdit(tekst);
    const double V = tal::laes(tekst);
    const QString navn =
        tilIndex >= 0 && tilIndex < tilboks.size() ? tilboks.at(tilIndex) : QString();
    m_hukommelse.gemFraVindue(navn, V);
}
