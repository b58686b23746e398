#include "core/formula/programvaerktoej.h"

#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/taltekst.h"
#include "core/formula/formelprogram.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <optional>

namespace {

QJsonArray somArray(const QStringList& l) {
    QJsonArray a;
    for (const QString& s : l)
        a.append(s);
    return a;
}

// Types a value as number text: digits, one comma, a leading "-" as the sign
// key after the digits.
void tastVaerdi(TRegner& regner, const QString& v) {
    const bool negativ = v.startsWith(u'-');
    for (QChar c : QStringView(v).mid(negativ ? 1 : 0))
        regner.FormKeyPress(c);
    if (negativ) regner.FormKeyPress(u'f');
}

} // namespace

TFormelVaerktoej::Resultat TProgramVaerktoej::koer(const vaerktoej::Kald& k) {
    const QString fil = k.vaerdier.value(0);
    const QStringList input = k.alle(QStringLiteral("--input"));
    QStringList linjer;
    try {
        linjer = formelfil::laesFil(fil);
    } catch (const TFejl& e) {
        return vaerktoej::afslut(k, vaerktoej::Besked, {}, {}, {e.tekst()});
    }

    OpsamledeBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner(beskeder, meta, huk);
    TFormelProgram program(regner, meta, beskeder, QString());
    QString fejl;
    if (!TFormelVaerktoej::indstil(regner, k, fejl)) {
        TFormelVaerktoej::Resultat r;
        r.exitKode = vaerktoej::Brugsfejl;
        r.fejlUd = QStringLiteral("tavlix-formel: ") + fejl + u'\n' +
                   vaerktoej::brug(QStringLiteral("--program"));
        return r;
    }

    program.setFormelMemoTekst(linjer.join(u'\n'));
    qsizetype naeste = 0;
    try {
        program.formelBeregnClick();
        while (regner.PformelOn() && naeste < input.size()) {
            tastVaerdi(regner, input[naeste++]);
            regner.FormKeyPress(QChar(13));
        }
    } catch (const TFejl& e) {
        // As the window's event boundary: the error ends that step.
        beskeder.fejl(e.tekst());
    }
    const bool venter = regner.PformelOn();
    // A program that stopped ("Afbrudt") said why in a message or its list.
    const bool stoppet = !beskeder.tekster.isEmpty() || beskeder.status == u"Afbrudt";
    const int kode = venter ? vaerktoej::Venter : stoppet ? vaerktoej::Besked : vaerktoej::Resultat;
    QJsonObject o;
    o.insert(QStringLiteral("display"), regner.displayTekst());
    o.insert(QStringLiteral("operator"), regner.operatorTekst());
    o.insert(QStringLiteral("list"), somArray(meta.linjer));
    o.insert(QStringLiteral("status"), beskeder.status);
    o.insert(QStringLiteral("waiting"), venter);
    o.insert(QStringLiteral("inputsUsed"), static_cast<int>(naeste));
    o.insert(QStringLiteral("memory"), tal::generel(huk.Hval));
    QStringList tekster = beskeder.tekster;
    if (!k.json) {
        if (!beskeder.status.isEmpty()) tekster << beskeder.status;
        if (venter) tekster << QStringLiteral("Programmet venter på en værdi.");
    }
    return vaerktoej::afslut(k, kode, o, meta.linjer, tekster);
}
