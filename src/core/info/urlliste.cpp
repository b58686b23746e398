#include "core/info/urlliste.h"

#include "core/common/fejl.h"
#include "core/common/optionsfil.h"

TUrlListe::TUrlListe(const QString& optDir, QObject* parent)
    : QObject(parent), optFilnavn(optDir + QStringLiteral("urlboks1.txt")) {}

int TUrlListe::tilfoej(const QString& struktur, const QString& emne) {
    urlListe << emne;
    strukturliste << struktur;
    valgt = antal() - 1;
    Q_EMIT aendret();
    return valgt;
}

void TUrlListe::vaelg(int raekke) {
    valgt = raekke >= 0 && raekke < antal() ? raekke : -1;
    Q_EMIT aendret();
}

void TUrlListe::urlListeDblClick(int raekke) {
    if (raekke < 0 || raekke >= antal()) return;
    vaelg(raekke);
    Q_EMIT aabnOenskes(raekke);
}

void TUrlListe::AsletAlleExecute() {
    urlListe.clear();
    strukturliste.clear();
    valgt = -1;
    Q_EMIT slettet();
    Q_EMIT aendret();
}

void TUrlListe::FormClose(int bredde, int hoejde) {
    formWidth = bredde;
    formHeight = hoejde;
    gemOpt();
}

void TUrlListe::hentOpt() {
    if (!TOptionsFil::findes(optFilnavn)) return;
    // A short or bad file ends the reading at that line without a message;
    // what was read before stays.
    try {
        const TOptionsFil f = TOptionsFil::laes(optFilnavn);
        formWidth = f.heltal(1);
        formHeight = f.heltal(2);
    } catch (const TFejl&) {
    }
}

void TUrlListe::gemOpt() const {
    TOptionsSkriver s;
    s.heltal(formWidth);
    s.heltal(formHeight);
    s.gem(optFilnavn);
}
