#include "core/app/mainformmodel.h"

#include "core/app/egenskaber.h"
#include "core/calc/hukommelse.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/hjaelp.h"
#include "core/common/optionsfil.h"
#include "core/common/taltekst.h"
#include "core/formula/udtryk.h"

#include <algorithm>
#include <cmath>
#include <QDir>

TMainformModel::TMainformModel(const TProgramMapper& mapper, Beskeder& beskeder, TRegner& regner,
                               THukommelse& hukommelse, TUdtryk& udtryk, QObject* parent)
    : QObject(parent), m_mapper(mapper), m_beskeder(beskeder), m_regner(regner),
      m_hukommelse(hukommelse), m_udtryk(udtryk) {
    designName = standardTema();
}

int TMainformModel::sideBredde(int side) {
    return side == RmSide ? 300 : 221;
}

void TMainformModel::FormCreate() {
    // The formula file list joins here with the formula programs.
    m_hukommelse.Hval = 0;
    m_regner.metaAktivClick(true);
    try {
        HentOpt();
        m_regner.Ny(false);
    } catch (const TFejl& f) {
        // The settings read before the bad line stay; the rest of the start-up
        // steps are skipped, and the program runs on. The window opens centred,
        // as at a first start, rather than at a half-read position.
        centrer = true;
        m_beskeder.fejl(f.tekst());
    }
    m_regner.setTastaturSynligt(erRegnerSide());
    Q_EMIT aendret();
}

void TMainformModel::HentOpt() {
    // Every line is read: a missing or bad line keeps its default and is
    // named in one error box at the end, so the settings after it still
    // apply (and closing writes them back rather than defaults).
    QString fejl;
    if (TOptionsFil::findes(optFilnavn())) {
        TOptionsFil fil = TOptionsFil::laes(optFilnavn());
        fil.anvend(1, [&] { anvendDesign(fil.tekst(1)); });
        anvendVinkel(fil.heltal(7, 0));
        m_regner.disDecimalerChange(fil.heltal(8, 0));
        m_regner.metaAktivClick(fil.flag(9, m_regner.disOn()));
        m_regner.metaIndUdClick(fil.flag(10, m_regner.UdskrivInOut()));
        doShowHint = fil.flag(11, true);
        // The size is clamped and rounded as the settings dialog does it,
        // so that the dialog shows the size in effect.
        fil.anvend(12,
                   [&] { hukFilantal = TEgenskabsModel::hukommelsesStoerrelse(fil.tekst(12)); });
        m_udtryk.setUPanelSynlig(fil.flag(13, m_udtryk.uPanelSynlig()));
        // A position far beyond any screen is no position: centre instead,
        // and never compute with it.
        auto iOmraade = [](qint32 v) { return std::abs(qint64(v)) <= maksKoordinat; };
        const qint32 top = fil.heltal(2, 0);
        vinduesPos.setY(iOmraade(top) ? top : 0);
        const qint32 venstre = fil.heltal(3, 0);
        vinduesPos.setX(iOmraade(venstre) ? venstre : 0);
        rmSide = fil.heltal(4, RmSide);
        // The width with the list leaves the list room and stays a size.
        formWidth = std::clamp(fil.heltal(5, listeBredde), mindsteFormWidth(),
                               std::max(maksKlientBredde, mindsteFormWidth()));
        metaPanelSynlig = fil.flag(6, false);
        fejl = fil.fejlTekst();
        // After a bad line the window opens centred, as at a first start,
        // rather than at a half-read position.
        centrer = !iOmraade(top) || !iOmraade(venstre) || !fejl.isEmpty();
    } else {
        rmSide = RmSide;
        centrer = true;
        metaPanelSynlig = false;
        formWidth = listeBredde;
        anvendVinkel(0);
        m_regner.disDecimalerChange(0);
        doShowHint = true;
        hukFilantal = 16;
        anvendDesign(standardTema());
    }

    miniMetaPanelSynlig = metaPanelSynlig;
    switch (rmSide) {
    case RmSide:
        visRmBoks();
        break;
    case AndengradsSide:
        visAndengradsBoks();
        break;
    case LigningerSide:
        visLigningerBoks();
        break;
    case FormelSide:
        visFormelBoks();
        break;
    case StatistikSide:
        visStatistikBoks();
        break;
    case RmSideX:
        visRmBoksX();
        break;
    default:
        break; // an unknown page number leaves the pages as they are
    }
    anvendVinkel(m_regner.GradIndex());
    m_regner.disDecimalerChange(m_regner.decimalIndex());
    m_regner.metaAktivClick(m_regner.disOn());
    m_regner.metaIndUdClick(m_regner.UdskrivInOut());
    hukFilantal = TEgenskabsModel::hukommelsesStoerrelse(qint64(hukFilantal));
    m_hukommelse.setFilantal(hukFilantal);
    Q_EMIT aendret();
    if (!fejl.isEmpty()) m_beskeder.fejl(fejl);
}

void TMainformModel::anvendVinkel(int gradIndex) {
    // Checking a radio button runs its click handler, which sets GradIndex:
    // any value other than 0 and 1 checks grads and so becomes 2.
    if (gradIndex == 0)
        m_regner.gradGraderClick();
    else if (gradIndex == 1)
        m_regner.gradRadianerClick();
    else
        m_regner.gradNygraderClick();
}

void TMainformModel::GemOpt() const {
    TOptionsSkriver s;
    s.tekst(designName);
    s.heltal(vinduesPos.y());
    s.heltal(vinduesPos.x());
    s.heltal(rmSide);
    s.heltal(formWidth);
    s.flag(metaPanelSynlig);
    s.heltal(m_regner.GradIndex());
    s.heltal(m_regner.decimalIndex());
    s.flag(m_regner.disOn());
    s.flag(m_regner.UdskrivInOut());
    s.flag(doShowHint);
    s.heltal(hukFilantal);
    s.flag(m_udtryk.uPanelSynlig());
    s.gem(optFilnavn());
}

bool TMainformModel::FormCloseQuery() {
    const bool kan = m_kanLukkes ? m_kanLukkes() : true;
    if (!kan)
        Q_EMIT visInfform(QStringLiteral("Der er en process i gang, så programmet kan ikke "
                                         "lukkes.\rAfvendt til processen er er fuldført og prøv "
                                         "igen."));
    return kan;
}

void TMainformModel::FormClose(const QStringList& andreFejl) {
    QStringList fejl = andreFejl;
    const auto gem = [&](const std::function<void()>& skriv) {
        try {
            skriv();
        } catch (const TFejl& f) {
            fejl << f.tekst();
        } catch (const std::exception& e) {
            fejl << QString::fromLocal8Bit(e.what());
        }
    };
    for (const auto& g : m_vedLukning)
        gem(g);
    gem([this] { GemOpt(); });
    fejl.removeDuplicates();
    if (!fejl.isEmpty())
        m_beskeder.fejl(QStringLiteral("Indstillingerne kunne ikke gemmes:\r") + fejl.join(u'\r'));
}

void TMainformModel::saetKlientBredde(int bredde) {
    // Every change of size runs the resize rule, also those made here.
    if (bredde != klientBredde) FormResize(bredde);
}

void TMainformModel::FormResize(int nyKlientBredde) {
    if (nyKlientBredde == klientBredde) return;
    klientBredde = nyKlientBredde;
    // formWidth is the width with the list; a width without it says nothing
    // about how wide the list was.
    if (metaPanelSynlig) formWidth = nyKlientBredde;
    Q_EMIT aendret();
}

int TMainformModel::mindsteFormWidth() {
    return sideBredde(RmSide) + mindsteListeBredde;
}

void TMainformModel::saetMaksKlientBredde(int bredde) {
    maksKlientBredde = std::max(bredde, sideBredde(RmSide));
    formWidth =
        std::clamp(formWidth, mindsteFormWidth(), std::max(maksKlientBredde, mindsteFormWidth()));
    if (klientBredde > maksKlientBredde) saetKlientBredde(maksKlientBredde);
}

QPoint TMainformModel::placering(const QList<QRect>& skaerme, QSize vindue) {
    if (skaerme.isEmpty()) return vinduesPos;
    // Enough of the window to take hold of it: its top strip, where the
    // title bar is, at least 100 pixels wide.
    auto synlig = [&](const QRect& r) {
        const QRect top(vinduesPos, QSize(vindue.width(), std::min(vindue.height(), 30)));
        const QRect del = r.intersected(top);
        return del.width() >= std::min(vindue.width(), 100) && del.height() >= top.height();
    };
    if (!centrer && std::any_of(skaerme.cbegin(), skaerme.cend(), synlig)) return vinduesPos;
    const QRect& s = skaerme.first();
    QPoint p(s.left() + (s.width() - vindue.width()) / 2,
             s.top() + (s.height() - vindue.height()) / 2);
    // A window larger than the screen keeps its top-left corner on it.
    p.setX(std::max(p.x(), s.left()));
    p.setY(std::max(p.y(), s.top()));
    centrer = false;
    vinduesPos = p;
    return p;
}

void TMainformModel::visSide(int side) {
    rmSide = side;
    synligSide = side;
    const bool regnerSide = erRegnerSide();
    udBoxSynlig = regnerSide;
    if (regnerSide) m_regner.visRmSideNulstil();
    saetKlientBredde(metaPanelSynlig ? formWidth : sideBredde(side));
    if (regnerSide) {
        displayBlokSide = side;
        vinkelKnapperSynlige = side == RmSide;
    }
    m_regner.setTastaturSynligt(regnerSide);
    Q_EMIT aendret();
}

void TMainformModel::visRmBoks() {
    visSide(RmSide);
}
void TMainformModel::visRmBoksX() {
    visSide(RmSideX);
}
void TMainformModel::visAndengradsBoks() {
    visSide(AndengradsSide);
}
void TMainformModel::visLigningerBoks() {
    visSide(LigningerSide);
}
void TMainformModel::visFormelBoks() {
    visSide(FormelSide);
}
void TMainformModel::visStatistikBoks() {
    visSide(StatistikSide);
}

void TMainformModel::visRm2Click() {
    if (m_uMemoFokus) {
        setUMemoFokus(false);
        Q_EMIT fokusTilForm();
        return;
    }
    if (synligSide != RmSide) visRmBoks();
}

void TMainformModel::visStandardClick() {
    if (synligSide != RmSideX) visRmBoksX();
}

void TMainformModel::visGrafboks1Click() {
    Q_EMIT vinduesOenske(Vindue::Graf);
}

void TMainformModel::metaVisClick() {
    if (metaPanelSynlig) {
        miniMetaPanelSynlig = false;
        metaPanelSynlig = false;
        saetKlientBredde(300);
    } else {
        // Showing the list makes room for it: the window grows back to its
        // width with the list, within the screen.
        metaPanelSynlig = true;
        miniMetaPanelSynlig = true;
        const int bredde = std::min(std::max(formWidth, mindsteFormWidth()),
                                    std::max(maksKlientBredde, sideBredde(RmSide)));
        formWidth = bredde;
        saetKlientBredde(bredde);
    }
    Q_EMIT aendret();
}

void TMainformModel::visRegnerMedListe() {
    setUMemoFokus(false);
    Q_EMIT fokusTilForm();
    if (synligSide != RmSide) visRmBoks();
    if (!metaPanelSynlig) {
        metaVisClick();
        // Shown beside a page that filled the window, the list would have
        // no room.
        if (klientBredde <= sideBredde(RmSide)) FormResize(listeBredde);
    }
}

qint32 TMainformModel::primtalFraVaerdi(double v) {
    constexpr qint32 storst = 2147483647;
    if (!(v <= storst)) return storst; // larger, or not a number
    const double r = tal::rundHalvLige(v);
    if (r < 3) return storst;
    return static_cast<qint32>(r);
}

void TMainformModel::Button1Click() {
    Q_EMIT primtalOenskes(primtalFraVaerdi(m_regner.Dval()));
}

void TMainformModel::showHint(const QString& hint) {
    if (!doShowHint) return;
    const qsizetype streg = hint.indexOf(u'|');
    const QString lang = streg >= 0 ? hint.mid(streg + 1) : hint;
    if (lang == statusInfo) return;
    statusInfo = lang;
    Q_EMIT aendret();
}

void TMainformModel::visStatus(const QString& tekst) {
    if (tekst == statusInfo) return;
    statusInfo = tekst;
    Q_EMIT aendret();
}

void TMainformModel::knapBogstav(const QString& bogstav) {
    if (bogstav == statusBogstav) return;
    statusBogstav = bogstav;
    Q_EMIT aendret();
}

void TMainformModel::setUMemoFokus(bool fokus) {
    m_uMemoFokus = fokus;
    m_regner.setUMemoFokus(fokus);
}

bool TMainformModel::FormKeyDown(int qtKey, Qt::KeyboardModifiers mods) {
    const bool ctrl = mods & Qt::ControlModifier;
    switch (qtKey) {
    case Qt::Key_F2:
        visAndengrads1Click();
        return true;
    case Qt::Key_F3:
        visLigninger1Click();
        return true;
    case Qt::Key_F4:
        visFormel1Click();
        return true;
    case Qt::Key_F5:
        visStatistik1Click();
        return true;
    case Qt::Key_F6:
        visGrafboks1Click();
        return true;
    case Qt::Key_F7:
        visRm2Click();
        return true;
    case Qt::Key_F8:
        visStandardClick();
        return true;
    case Qt::Key_F10:
        mAfunkClick();
        return true;
    default:
        break;
    }
    if (ctrl && qtKey == Qt::Key_R) {
        visRm2Click();
        return true;
    }

    if (qtKey == Qt::Key_Home && !ctrl && m_tekstboksFokus) return false;
    if (const auto t = m_sideTaster.constFind(synligSide);
        t != m_sideTaster.constEnd() && (*t)(qtKey, mods))
        return true;
    // The page-dependent keys: the help topics are known already.
    auto emne = [&](const char* e) {
        if (qtKey != Qt::Key_F1) return false;
        Information(QString::fromUtf8(e));
        return true;
    };
    switch (synligSide) {
    case StatistikSide:
        return emne("Statistik");
    case FormelSide:
        return emne("Formelstruktur");
    case AndengradsSide:
        return emne("Andengradsligning");
    case LigningerSide:
        return emne("Ligninger");
    case RmSide:
    case RmSideX:
        return m_regner.FormKeyDown(qtKey, mods);
    default:
        return false;
    }
}

void TMainformModel::mAfunkClick() {
    Q_EMIT vinduesOenske(Vindue::Andet);
}
void TMainformModel::EgenskaberClick() {
    Q_EMIT vinduesOenske(Vindue::Egenskaber);
}
void TMainformModel::Strukturprogram1Click() {
    Q_EMIT vinduesOenske(Vindue::Struktur);
}
void TMainformModel::OmTavlix1Click() {
    Q_EMIT vinduesOenske(Vindue::Om);
}

const char* TMainformModel::hjemmesideAdresse() {
    return "https://www.tavlix.dk/";
}
const char* TMainformModel::kritikAdresse() {
    return "https://www.tavlix.dk/kritik.html";
}

void TMainformModel::aabnAdresse(const QString& adresse) {
    // Without a browser that starts, the user still gets the address.
    if (m_webAabner && m_webAabner(adresse)) return;
    m_beskeder.information(
        QStringLiteral("Der kunne ikke startes en webbrowser.\rÅbn denne adresse i en browser:\r") +
        adresse);
}

void TMainformModel::SendKritikClick() {
    aabnAdresse(QString::fromLatin1(kritikAdresse()));
}

void TMainformModel::HjemmesidenClick() {
    aabnAdresse(QString::fromLatin1(hjemmesideAdresse()));
}

void TMainformModel::Information(const QString& emne) {
    if (m_hjaelp) m_hjaelp->Information(emne);
    Q_EMIT informationOenskes(QStringLiteral("Info.txt"), emne);
}

void TMainformModel::Enhedsinformation(const QString& emne, bool fokus) {
    if (m_hjaelp) m_hjaelp->Enhedsinformation(emne, fokus);
    Q_EMIT informationOenskes(QStringLiteral("Enhedsinformation.txt"), emne);
}

void TMainformModel::HelpInfo(const QString& struktur, const QString& emne) {
    if (m_hjaelp) m_hjaelp->HelpInfo(struktur, emne);
    Q_EMIT informationOenskes(struktur, emne);
}

void TMainformModel::PUonclick(const QString& caption) {
    HelpInfo(caption, QString());
}

QStringList TMainformModel::temaNavne() {
    // The platform's plain look first, then the program's own themes.
    return {QStringLiteral("Windows"),
            QStringLiteral("Aqua Light Slate"),
            QStringLiteral("Carbon"),
            QStringLiteral("Iceberg Classico"),
            QStringLiteral("Sky"),
            QStringLiteral("Smokey Quartz Kamri"),
            QStringLiteral("Windows10 Clear Day"),
            QStringLiteral("Windows11 Modern Light")};
}

QStringList TMainformModel::loadDesign(int* valgt) const {
    const QStringList navne = temaNavne();
    if (valgt) *valgt = static_cast<int>(navne.indexOf(designName));
    return navne;
}

void TMainformModel::anvendDesign(const QString& navn) {
    for (const QString& t : temaNavne()) {
        if (t.compare(navn, Qt::CaseInsensitive) == 0) {
            designName = t;
            Q_EMIT designAendret(t);
            return;
        }
    }
    // An unknown name applies the theme in effect (the default at start-up),
    // which the settings dialog shows as chosen, and the file is mended at
    // closing.
    Q_EMIT designAendret(designName);
    throw TFejl(QStringLiteral("Temaet '%1' findes ikke").arg(citat(navn)));
}

void TMainformModel::newDesign(const QString& valgtNavn) {
    if (valgtNavn.compare(designName, Qt::CaseInsensitive) == 0) return;
    Q_EMIT lukVinduerForTema();
    anvendDesign(valgtNavn);
}
