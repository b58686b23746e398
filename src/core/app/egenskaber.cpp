#include "core/app/egenskaber.h"

#include "core/app/mainformmodel.h"
#include "core/calc/hukommelse.h"
#include "core/common/almenx.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/optionsfil.h"
#include "core/common/taltekst.h"

#include <algorithm>

TEgenskabsModel::TEgenskabsModel(TMainformModel& hoved, THukommelse& hukommelse, Beskeder& beskeder,
                                 QObject* parent)
    : QObject(parent), m_hoved(hoved), m_hukommelse(hukommelse), m_beskeder(beskeder) {
    optFilnavn = m_hoved.optDir() + QStringLiteral("egenskaber.txt");
}

int TEgenskabsModel::hukommelsesStoerrelse(qint64 antal) {
    const double ottendedele = tal::rundHalvLige(static_cast<double>(antal) / 8.0);
    const qint64 stoerrelse = static_cast<qint64>(ottendedele) * 8;
    return static_cast<int>(std::clamp<qint64>(stoerrelse, mindsteHukommelse, stoersteHukommelse));
}

int TEgenskabsModel::hukommelsesStoerrelse(const QString& heltal) {
    try {
        return hukommelsesStoerrelse(tal::laesHeltal(heltal));
    } catch (const TKonverteringsFejl&) {
        const QString t = heltal.trimmed();
        const qsizetype start = t.startsWith(u'-') || t.startsWith(u'+') ? 1 : 0;
        if (t.size() == start) throw;
        for (qsizetype i = start; i < t.size(); ++i)
            if (t[i] < u'0' || t[i] > u'9') throw;
        return t.startsWith(u'-') ? mindsteHukommelse : stoersteHukommelse;
    }
}

void TEgenskabsModel::FormCreate() {
    designBox = m_hoved.loadDesign(&designIndeks);
    try {
        HentOpt();
    } catch (const TFejl& f) {
        centreret = true;
        m_beskeder.fejl(f.tekst());
    }
}

void TEgenskabsModel::HentOpt() {
    if (!TOptionsFil::findes(optFilnavn)) {
        centreret = true;
        return;
    }
    position = laesPosition(TOptionsFil::laes(optFilnavn));
    centreret = false;
}

QPoint TEgenskabsModel::laesPosition(const TOptionsFil& fil) {
    const int top = fil.heltal(1);
    const int venstre = fil.heltal(2);
    return QPoint(venstre, top);
}

void TEgenskabsModel::GemOpt() const {
    TOptionsSkriver s;
    s.heltal(position.y());
    s.heltal(position.x());
    s.gem(optFilnavn);
}

void TEgenskabsModel::flyttet(QPoint venstreTop) {
    position = venstreTop;
    centreret = false;
}

void TEgenskabsModel::Egenskaber1Click() {
    designBox = m_hoved.loadDesign(&designIndeks);
    FormShow();
}

void TEgenskabsModel::FormShow() {
    const int filantal = m_hoved.hukFilantal;
    const int k = static_cast<int>(tal::rundHalvLige(filantal / 8.0)) - 1;
    if (k > 3) {
        eleGroup = flereIndeks;
        antalEditAktiv = true;
    } else {
        eleGroup = k; // -1 for the smallest sizes: no item
        antalEditAktiv = false;
    }
    antalEdit = QString::number(filantal);
    showHintCheck = m_hoved.doShowHint;
    Q_EMIT aendret();
}

void TEgenskabsModel::eleGroupClick(int indeks) {
    eleGroup = indeks;
    if (indeks == flereIndeks) {
        antalEditAktiv = true;
    } else {
        antalEditAktiv = false;
        antalEdit = QString::number(8 * (indeks + 1));
    }
    Q_EMIT aendret();
}

void TEgenskabsModel::designBoxChange(int indeks) {
    designIndeks = indeks;
}

void TEgenskabsModel::testKnapClick() {
    if (designIndeks >= 0 && designIndeks < designBox.size())
        m_hoved.newDesign(designBox.at(designIndeks));
}

void TEgenskabsModel::gemKnapClick() {
    // EditInteger gives 32 bits; the rounding works in 64, so a size near
    // the limit cannot overflow. A count of more digits than that is simply
    // too large (or too small) and is clamped as any other, so that a slip
    // of the keyboard never drops the other two settings.
    qint64 antal = 0;
    try {
        antal = TAlmenX::EditInteger(antalEdit);
    } catch (const TKonverteringsFejl&) {
        antal = antalEdit.startsWith(u'-') ? 0 : stoersteHukommelse;
    }
    m_hoved.hukFilantal = hukommelsesStoerrelse(antal);
    m_hoved.doShowHint = showHintCheck;
    m_hukommelse.setFilantal(m_hoved.hukFilantal);
    testKnapClick();
    FormShow(); // the dialog shows the size that was applied
}

void TEgenskabsModel::FormClose() {
    try {
        GemOpt();
    } catch (const TFejl& f) {
        m_beskeder.fejl(f.tekst());
    }
    m_beskeder.statusHint(QString());
}
