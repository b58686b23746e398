#include "core/common/installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

// Set by the build for this file alone (src/core/CMakeLists.txt).
#ifndef TAVLIX_HJAELPEMAPPE_REL
#define TAVLIX_HJAELPEMAPPE_REL "../libexec/tavlix"
#endif
#ifndef TAVLIX_MODULMAPPE_REL
#define TAVLIX_MODULMAPPE_REL "../lib/tavlix"
#endif

namespace installation {

QString programMappe() {
    return QCoreApplication::applicationDirPath();
}

bool iByggemappen() {
#ifdef TAVLIX_BYGGEMAPPE
    const QString bygge = QDir::cleanPath(QStringLiteral(TAVLIX_BYGGEMAPPE));
    const QString her = QDir::cleanPath(programMappe());
    return !programMappe().isEmpty() && (her == bygge || her.startsWith(bygge + QLatin1Char('/')));
#else
    return false;
#endif
}

QString hjaelpeMappe() {
    return QDir::cleanPath(programMappe() + QLatin1Char('/') +
                           QStringLiteral(TAVLIX_HJAELPEMAPPE_REL));
}

QString modulMappe() {
    return QDir::cleanPath(programMappe() + QLatin1Char('/') +
                           QStringLiteral(TAVLIX_MODULMAPPE_REL));
}

QStringList modulSteder(const QString& navn, const QString& byggeSti) {
    QStringList steder{programMappe() + QLatin1Char('/') + navn,
                       modulMappe() + QLatin1Char('/') + navn};
    if (!byggeSti.isEmpty() && iByggemappen()) steder << byggeSti;
    return steder;
}

void* hentModulSymbol(const QString& navn, const char* symbol, const QString& byggeSti,
                      QString* grund) {
    QString sidste;
    const QStringList steder = modulSteder(navn, byggeSti);
    for (const QString& sti : steder) {
        QLibrary bib(sti);
        if (void* f = reinterpret_cast<void*>(bib.resolve(symbol))) return f;
        // A module that is there but cannot be opened says more than the
        // places where there was none.
        if (sidste.isEmpty() || !bib.errorString().contains(QLatin1String("No such file")))
            sidste = bib.errorString();
    }
    if (grund)
        *grund = QStringLiteral("modulet %1 blev ikke fundet i %2 (%3)")
                     .arg(navn, steder.join(QStringLiteral(", ")), sidste);
    return nullptr;
}

} // namespace installation
