#include "ui/app/qtdansk.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace qtdansk {

namespace {
QString s_kilde;
}

bool indlaes(QCoreApplication& app) {
    const QStringList mapper{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                             QStringLiteral("/usr/share/qt6/translations")};
    for (const QString& mappe : mapper) {
        auto* t = new QTranslator(&app);
        if (t->load(QStringLiteral("qtbase_da"), mappe) && app.installTranslator(t)) {
            s_kilde = QDir(mappe).filePath(QStringLiteral("qtbase_da.qm"));
            return true;
        }
        delete t;
    }
    return false;
}

QString kilde() {
    return s_kilde;
}

} // namespace qtdansk
