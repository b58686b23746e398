#pragma once
// Makes the information browser's page view: the web engine module when it
// can be loaded, otherwise a plain text browser that shows the same local
// pages without scripts.
#include "info/websideflade.h"

namespace websider {

// Call in main before the application object is made: lets the web engine,
// loaded later, run as root (without its sandbox).
void forbered();

// A page view inside `ejer`. Set TAVLIX_WEBSIDE=tekst in the environment to
// get the plain text browser (the tests do, so they need no web engine).
TWebSideFlade* lav(QWidget* ejer);

// The web engine view alone, whatever TAVLIX_WEBSIDE says; null when the
// module cannot be opened, with the reason in `grund`.
TWebSideFlade* lavWebMotor(QWidget* ejer, QString* grund);

// True when the last view made is the web engine.
bool erWebMotor();

} // namespace websider
