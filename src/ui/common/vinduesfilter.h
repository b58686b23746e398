#pragma once
// Event filters that see a window's own widgets only. A window that must see
// keys and mouse moves before its controls installs its filter on itself and
// on every widget inside it, also on those that join later. A filter on the
// whole application would be handed every object of the process, the web
// engine's among them, and a cast of such an object is undefined behaviour
// that the sanitizers stop the program for.
class QEvent;
class QObject;
class QWidget;

namespace vinduesfilter {

// Installs `filter` on `vindue` and on every widget below it, now and later.
void installer(QWidget* vindue, QObject* filter);
// Called first by the filter's eventFilter: a widget that joins a filtered
// widget is filtered too.
void foelg(QObject* filter, QObject* obj, QEvent* ev);

// A box the user types text into: there Home moves the caret. Call it for the
// window's own widgets only (`isAncestorOf` first).
bool skriverTekst(const QWidget* w);

} // namespace vinduesfilter
