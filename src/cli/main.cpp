// tavlix-formel: the calculator's formula language and every other
// computation of the windows, without a display. All the work is in the
// front end (vaerktoejsfront.h) and the models; this only moves text in and
// out (UTF-8).
#include "core/app/vaerktoejstilstande.h"
#include "core/formula/vaerktoejsfront.h"
#include "core/formula/vaerktoejsio.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

// Standard input was longer than the tool reads.
struct ForLangtInput {};

bool skriv(std::FILE* f, const QString& tekst) {
    return vaerktoejsio::skrivHelt(f, tekst.toUtf8());
}

int kanIkkeSkrive() {
    std::fputs("tavlix-formel: kan ikke skrive til standard output\n", stderr);
    return vaerktoej::Besked;
}

// --batch (before any "--") and no --help: the tasks come from standard input.
bool erBatch(const QStringList& a) {
    bool batch = false;
    for (const QString& x : a) {
        if (x == u"--") break;
        if (x == u"-h" || x == u"--help") return false;
        if (x == u"--batch") batch = true;
    }
    return batch;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vaerktoej::tilfoejAlleTilstande();
    const QStringList argumenter = app.arguments().mid(1);
    QFile ind;
    if (erBatch(argumenter)) {
        if (!ind.open(stdin, QIODevice::ReadOnly)) return vaerktoej::Besked;
        QStringList faelles = argumenter;
        faelles.removeAll(QStringLiteral("--batch"));
        bool skrevet = true;
        const int kode = vaerktoej::batch(ind, faelles, [&skrevet](const QString& linje) {
            return skrevet = skriv(stdout, linje);
        });
        return skrevet ? kode : kanIkkeSkrive();
    }
    TVaerktoejsResultat resultat;
    try {
        auto laesInput = [&ind] {
            if (!ind.open(stdin, QIODevice::ReadOnly)) return QString();
            const auto bytes = vaerktoejsio::laesHelt(ind);
            if (!bytes) throw ForLangtInput{};
            return QString::fromUtf8(*bytes);
        };
        resultat = vaerktoej::koer(argumenter, laesInput);
    } catch (const ForLangtInput&) {
        std::fprintf(stderr, "tavlix-formel: standard input er længere end %lld byte (64 MiB)\n",
                     static_cast<long long>(vaerktoejsio::maksInput));
        return vaerktoej::Brugsfejl;
    }
    const bool skrevet = skriv(stdout, resultat.ud);
    skriv(stderr, resultat.fejlUd);
    return skrevet ? resultat.exitKode : kanIkkeSkrive();
}
