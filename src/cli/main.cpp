// tavlix-formel: evaluates formula-language text with the calculator engine.
// All the work is in TFormelVaerktoej; this only moves text in and out (UTF-8).
#include "equations/ligningvaerktoej.h"
#include "formula/formelvaerktoej.h"
#include "primes/primtalvaerktoej.h"
#include "formula/vaerktoejsio.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

// Standard input was longer than the tool reads.
struct ForLangtInput {};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argumenter = app.arguments().mid(1);
    TFormelVaerktoej::Resultat resultat;
    try {
        auto laesInput = [] {
            QFile ind;
            if (!ind.open(stdin, QIODevice::ReadOnly)) return QString();
            const auto bytes = vaerktoejsio::laesHelt(ind);
            if (!bytes) throw ForLangtInput{};
            return QString::fromUtf8(*bytes);
        };
        resultat = TLigningVaerktoej::erTilstand(argumenter)  ? TLigningVaerktoej::koer(argumenter)
                   : TPrimtalVaerktoej::erValgt(argumenter) ? TPrimtalVaerktoej::koer(argumenter)
                                                            : TFormelVaerktoej::koer(argumenter, laesInput);
    } catch (const ForLangtInput&) {
        std::fprintf(stderr, "tavlix-formel: standard input er længere end %lld byte (64 MiB)\n",
                     static_cast<long long>(vaerktoejsio::maksInput));
        return 2;
    }
    const QByteArray ud = resultat.ud.toUtf8();
    const QByteArray fejlUd = resultat.fejlUd.toUtf8();
    const bool skrevet = vaerktoejsio::skrivHelt(stdout, ud);
    vaerktoejsio::skrivHelt(stderr, fejlUd);
    if (!skrevet) {
        std::fputs("tavlix-formel: kan ikke skrive til standard output\n", stderr);
        return 1;
    }
    return resultat.exitKode;
}
