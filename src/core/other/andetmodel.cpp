#include "core/other/andetmodel.h"

#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/hjaelp.h"
#include "core/common/programmapper.h"

TAndetModel::TAndetModel(THjaelp& hjaelp, std::function<bool()> visHint,
                         const TProgramMapper& mapper, THukommelse& hukommelse, TRegner& regner,
                         Beskeder& beskeder, QObject* parent)
    : QObject(parent), talsystemer(beskeder, [&regner] { return regner.displayTekst(); }),
      datoer(mapper.programdir, beskeder), enheder(hukommelse), m_hjaelp(hjaelp),
      m_visHint(std::move(visHint)), m_beskeder(beskeder) {
    optFilnavn = mapper.optDir + QStringLiteral("andet.txt");
    connect(&talsystemer, &TTalsystemside::informationOenskes, this,
            [this](const QString& emne) { m_hjaelp.Information(emne); });
    connect(&datoer, &TDatoside::informationOenskes, this,
            [this](const QString& emne) { m_hjaelp.Information(emne); });
    connect(&enheder, &TEnhedsside::enhedsinformationOenskes, this,
            [this](const QString& emne) { m_hjaelp.Enhedsinformation(emne, true); });
    connect(&enheder, &TEnhedsside::enhedsinformationFoelger, this,
            [this](const QString& emne) { m_hjaelp.Enhedsinformation(emne, false); });
}

QStringList TAndetModel::sideNavne() {
    return {QStringLiteral("Talsystemer"), QStringLiteral("Datoer"),
            QStringLiteral("Enhedskonvertering")};
}

void TAndetModel::FormCreate() {
    try {
        hentOpt();
    } catch (const TFejl& f) {
        // The lines read before the bad one stay in effect.
        m_beskeder.fejl(f.tekst());
    }
    datoer.FormCreate();
}

void TAndetModel::hentOpt() {
    if (!TOptionsFil::findes(optFilnavn)) {
        centrer = true;
        Q_EMIT aendret();
        return;
    }
    anvendOpt(TOptionsFil::laes(optFilnavn));
}

void TAndetModel::anvendOpt(const TOptionsFil& fil) {
    centrer = false;
    vinduesPos.setY(fil.heltal(1));
    vinduesPos.setX(fil.heltal(2));
    hoejde = fil.heltal(3);
    bogChange(fil.heltal(4));
    enheder.visEinfoClick(fil.heltal(5) != 0);
    Q_EMIT aendret();
}

TOptionsSkriver TAndetModel::optLinjer() const {
    TOptionsSkriver s;
    s.heltal(vinduesPos.y());
    s.heltal(vinduesPos.x());
    s.heltal(hoejde);
    s.heltal(aktivSide);
    s.flag(enheder.visEinfo);
    return s;
}

void TAndetModel::gemOpt() const {
    optLinjer().gem(optFilnavn);
}

void TAndetModel::bogChange(int side) {
    // An index outside the three pages leaves the page as it is.
    if (side < 0 || side > 2) return;
    aktivSide = side;
    Q_EMIT aendret();
}

bool TAndetModel::FormKeyPress(QChar c) {
    if (aktivSide != Talsystemer) return false;
    return talsystemer.FormKeyPress(c);
}

void TAndetModel::showHint(const QString& hint) {
    if (m_visHint && !m_visHint()) return;
    // The long part of a hint "short|long" when there is one.
    const qsizetype streg = hint.indexOf(u'|');
    const QString tekst = streg >= 0 ? hint.mid(streg + 1) : hint;
    if (tekst == infoBar) return;
    infoBar = tekst;
    Q_EMIT aendret();
}
