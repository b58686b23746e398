#include "core/primes/primtalvaerktoej.h"

#include "core/primes/primtal.h"

#include "core/common/beskeder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class Opsamler : public TavseBeskeder {
public:
    QStringList tekster;
    void information(const QString& t) override { tekster << t; }
    void fejl(const QString& t) override { tekster << t; }
};

} // namespace

TFormelVaerktoej::Resultat TPrimtalVaerktoej::koer(const vaerktoej::Kald& k) {
    const QString tal = k.vaerdier.value(0);
    Opsamler beskeder;
    TPrimtalModel model(beskeder, {});
    // The number arrives as if typed into the box: too large a number is
    // brought down to the largest with the window's message.
    model.primtalEditChange(tal);
    const bool koert = model.KanProcessenStartes();
    if (koert) model.koerSynkront();

    QStringList tekster = beskeder.tekster;
    // The window says nothing for a number below 3; a script is told why.
    if (!koert && model.slutInfoLabel.isEmpty())
        tekster << QStringLiteral("Tallet skal være mindst 3.");
    QJsonArray divisorer;
    QStringList linjer;
    if (!model.slutInfoLabel.isEmpty()) linjer << model.slutInfoLabel;
    for (qint32 d : model.primtalListe) {
        divisorer.append(d);
        linjer << QString::number(d);
    }
    QJsonObject o;
    o.insert(QStringLiteral("text"), model.slutInfoLabel);
    o.insert(QStringLiteral("divisors"), divisorer);
    return vaerktoej::afslut(k, koert ? vaerktoej::Resultat : vaerktoej::Besked, o, linjer,
                             tekster);
}

// The row of the front end's table for the prime test.
QList<vaerktoej::Tilstand> TPrimtalVaerktoej::tilstande() {
    return {
        {QStringLiteral("--prime"),
         QStringLiteral("N"),
         QStringLiteral("primtalstest som vinduet \"Primtal\": divisorerne eller \"Tallet er et "
                        "primtal\""),
         {vaerktoej::Art::Heltal},
         1,
         1,
         {},
         TPrimtalVaerktoej::koer},
    };
}
