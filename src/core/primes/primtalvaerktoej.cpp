#include "primes/primtalvaerktoej.h"

#include "primes/primtal.h"

#include "common/beskeder.h"

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

TFormelVaerktoej::Resultat forkert(const QString& besked) {
    TFormelVaerktoej::Resultat r;
    r.exitKode = 2;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked +
               QStringLiteral("\nBrug: tavlix-formel --prime N [--json]\n");
    return r;
}

} // namespace

bool TPrimtalVaerktoej::erValgt(const QStringList& argumenter) {
    for (const QString& a : argumenter)
        if (a == QLatin1String("--prime") || a.startsWith(QLatin1String("--prime="))) return true;
    return false;
}

TFormelVaerktoej::Resultat TPrimtalVaerktoej::koer(const QStringList& argumenter) {
    bool json = false;
    QString tal;
    bool harTal = false;
    for (qsizetype i = 0; i < argumenter.size(); ++i) {
        const QString& a = argumenter.at(i);
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--prime")) {
            if (i + 1 >= argumenter.size())
                return forkert(QStringLiteral("--prime mangler et tal"));
            tal = argumenter.at(++i);
            harTal = true;
        } else if (a.startsWith(QLatin1String("--prime="))) {
            tal = a.mid(8);
            harTal = true;
        } else {
            return forkert(QStringLiteral("ukendt valg: ") + a);
        }
    }
    if (!harTal) return forkert(QStringLiteral("--prime mangler et tal"));

    Opsamler beskeder;
    TPrimtalModel model(beskeder, {});
    // The number arrives as if typed into the box: too large a number is
    // brought down to the largest with the window's message.
    model.primtalEditChange(tal);
    const bool koert = model.KanProcessenStartes();
    if (koert) model.koerSynkront();

    TFormelVaerktoej::Resultat r;
    r.exitKode = koert ? 0 : 1;
    if (json) {
        QJsonArray divisorer;
        for (qint32 d : model.primtalListe)
            divisorer.append(d);
        QJsonArray beskedListe;
        for (const QString& t : beskeder.tekster)
            beskedListe.append(t);
        QJsonObject o;
        o.insert(QStringLiteral("text"), model.slutInfoLabel);
        o.insert(QStringLiteral("divisors"), divisorer);
        o.insert(QStringLiteral("messages"), beskedListe);
        r.ud = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
    } else {
        r.ud = model.slutInfoLabel + u'\n';
        for (qint32 d : model.primtalListe)
            r.ud += QString::number(d) + u'\n';
        for (QString t : beskeder.tekster)
            r.fejlUd += t.replace(u'\r', u'\n') + u'\n';
    }
    return r;
}
