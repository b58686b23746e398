#include "core/formula/formelvaerktoej.h"

#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"
#include "core/formula/programvaerktoej.h"
#include "core/formula/udtryk.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace {

QJsonArray somArray(const QStringList& l) {
    QJsonArray a;
    for (const QString& s : l)
        a.append(s);
    return a;
}

TFormelVaerktoej::Resultat forkert(const QString& besked) {
    TFormelVaerktoej::Resultat r;
    r.exitKode = vaerktoej::Brugsfejl;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked + u'\n' + vaerktoej::brug();
    return r;
}

} // namespace

QString TFormelVaerktoej::brug() {
    return vaerktoej::brug();
}

TFormelVaerktoej::Resultat TFormelVaerktoej::koer(const QStringList& argumenter,
                                                  const std::function<QString()>& laesInput) {
    return vaerktoej::koer(argumenter, laesInput);
}

bool TFormelVaerktoej::indstil(TRegner& regner, const vaerktoej::Kald& k, QString& fejl) {
    if (k.har(QStringLiteral("--angle"))) {
        const QString v = k.vaerdi(QStringLiteral("--angle"));
        if (v == u"rad")
            regner.gradRadianerClick();
        else if (v == u"grad")
            regner.gradNygraderClick();
        else if (v != u"deg") {
            fejl = QStringLiteral("--angle kræver deg, rad eller grad");
            return false;
        }
    }
    if (k.har(QStringLiteral("--decimals"))) {
        const int d = k.vaerdi(QStringLiteral("--decimals")).toInt();
        if (d < -1 || d > 4) {
            fejl = QStringLiteral("--decimals kræver et tal fra -1 til 4");
            return false;
        }
        regner.disDecimalerChange(d + 1);
    }
    return true;
}

TFormelVaerktoej::Resultat TFormelVaerktoej::koerTekst(const vaerktoej::Kald& k) {
    const bool taster = k.har(QStringLiteral("--keys"));
    QString tekst;
    if (!k.vaerdier.isEmpty()) {
        tekst = k.vaerdier.first();
    } else {
        tekst = k.laesInput ? k.laesInput() : QString();
        if (taster) {
            // The line break that ends the input is not a key.
            if (tekst.endsWith(u'\n')) tekst.chop(1);
            if (tekst.endsWith(u'\r')) tekst.chop(1);
        }
    }

    OpsamledeBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner(beskeder, meta, huk);
    TUdtryk udtryk(regner, meta);
    QString fejl;
    if (!indstil(regner, k, fejl)) return forkert(fejl);
    if (k.har(QStringLiteral("--io"))) regner.metaIndUdClick(true);
    if (k.har(QStringLiteral("--no-list"))) regner.metaAktivClick(false);

    if (taster) {
        // As typing: an error ends that key only, and the next key goes on.
        for (const QChar c : tekst) {
            try {
                regner.FormKeyPress(c);
            } catch (const TFejl& e) {
                beskeder.fejl(e.tekst());
            }
        }
    } else {
        try {
            udtryk.setUMemo(tekst);
            udtryk.aBeregn();
        } catch (const TFejl& e) {
            beskeder.fejl(e.tekst());
        }
    }

    QJsonObject o;
    o.insert(QStringLiteral("display"), regner.displayTekst());
    o.insert(QStringLiteral("operator"), regner.operatorTekst());
    o.insert(QStringLiteral("expression"), regner.udText());
    o.insert(QStringLiteral("formula"), regner.formelString());
    o.insert(QStringLiteral("list"), somArray(meta.linjer));
    o.insert(QStringLiteral("memory"), tal::generel(huk.Hval));
    o.insert(QStringLiteral("memoryList"), somArray(huk.captions()));
    return vaerktoej::afslut(k,
                             beskeder.tekster.isEmpty() ? vaerktoej::Resultat : vaerktoej::Besked,
                             o, {regner.displayTekst()}, beskeder.tekster);
}
