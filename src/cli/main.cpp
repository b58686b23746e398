// tavlix-formel: evaluates formula-language text with the calculator engine.
// All the work is in TFormelVaerktoej; this only moves text in and out (UTF-8).
#include "equations/ligningvaerktoej.h"
#include "formula/formelvaerktoej.h"
#include "primes/primtalvaerktoej.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argumenter = app.arguments().mid(1);
    const auto resultat = TLigningVaerktoej::erTilstand(argumenter)
                              ? TLigningVaerktoej::koer(argumenter)
                          : TPrimtalVaerktoej::erValgt(argumenter)
                              ? TPrimtalVaerktoej::koer(argumenter)
                              : TFormelVaerktoej::koer(argumenter, [] {
                                    QFile ind;
                                    if (!ind.open(stdin, QIODevice::ReadOnly)) return QString();
                                    return QString::fromUtf8(ind.readAll());
                                });
    const QByteArray ud = resultat.ud.toUtf8();
    const QByteArray fejlUd = resultat.fejlUd.toUtf8();
    std::fwrite(ud.constData(), 1, static_cast<size_t>(ud.size()), stdout);
    std::fwrite(fejlUd.constData(), 1, static_cast<size_t>(fejlUd.size()), stderr);
    return resultat.exitKode;
}
