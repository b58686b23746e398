#pragma once
// `tavlix --self-test PDF [PAGE]`: checks an installed program without a
// user. It starts the program as usual (the first start lays down the data
// folder), computes a date difference with the installed helper, prints a
// picture through the print module into the PDF file and, when PAGE is
// given, shows that page in the web engine module. One line per check on
// standard output; exit status 0 when every check passed, 1 otherwise.
#include <QStringList>

class QApplication;

namespace selvtest {
int koer(QApplication& app, const QString& programdir, const QStringList& argumenter);
}
