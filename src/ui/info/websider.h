#pragma once
// Makes the information browser's page view. Pages are shown by the rich-text
// view (tekstside.h); a page that needs scripts of its own is shown by the web
// engine, a module loaded the first time such a page is opened. Without the
// module such a page, too, is shown by the rich-text view, without scripts.
#include "ui/info/websideflade.h"

#include <QByteArray>

namespace websider {

// Call in main before the application object is made: lets the web engine,
// loaded later, run as root (without its sandbox).
void forbered();

// A page view inside `ejer`. Set TAVLIX_WEBSIDE=tekst in the environment to
// keep the web engine out even for pages with scripts (the tests do, so they
// need no web engine).
TWebSideFlade* lav(QWidget* ejer);

// True when the page at `side` with the text `html` needs the web engine: it
// runs a script other than the shared one of its structure's design.
bool kraeverMotor(const QByteArray& html, const QUrl& side);

// The web engine view alone, whatever TAVLIX_WEBSIDE says; null when the
// module cannot be opened, with the reason in `grund`.
TWebSideFlade* lavWebMotor(QWidget* ejer, QString* grund);

// True when the page shown last is shown by the web engine.
bool erWebMotor();

} // namespace websider
