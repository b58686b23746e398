#pragma once
// Qt's own texts in Danish: the file, print setup and message dialogs, the
// standard buttons and the edit boxes' context menus speak the program's
// language. The translations come with Qt (Debian's qt6-translations-l10n);
// without them Qt's texts stay English and nothing else changes.
class QCoreApplication;
class QString;

namespace qtdansk {

// Loads "qtbase_da" from Qt's translations folder (or, for a Qt of its own,
// from the system's) and installs it in `app`. True when it was found.
bool indlaes(QCoreApplication& app);
// Where it was found; empty before indlaes() or when it was not found.
QString kilde();

} // namespace qtdansk
