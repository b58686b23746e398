#pragma once
// What assistive technology (screen readers, the AT-SPI bridge) sees of the
// program's own controls. Qt describes its standard widgets itself; these are
// the few whose description we give:
//  - the read-only text fields (TVisning) and the status-bar fields
//    (TStatusFelt): their name says what they are ("Display", "Info"), their
//    value and text interface hold what they show;
//  - split buttons (a button with a menu on its arrow, like "H" and "#"):
//    Qt offers only "show menu" for them; they get a press action as well;
//  - drop-down boxes without a label beside them: on Linux Qt names a box
//    after its current item and expects a label to say what it is; these are
//    named by their accessible name, with the item as their value;
//  - the program itself: Qt leaves open pop-up menus out of its children,
//    so a screen reader walking the tree would never find them;
//  - labels that show a value (a status line, a count, a verdict): Qt makes
//    a label's text its name, so a label given a name of its own hides what
//    it shows. These are described as the read-only fields are: their name
//    says what they show, their value and text interface hold the text.
class QAccessibleEvent;
class QComboBox;
class QLabel;
class QString;
class QToolButton;

namespace tilgaengelighed {

// Registers the descriptions with Qt; safe to call many times. Call it before
// the application object is made (the screen-reader bridge describes the
// program as soon as it starts) and again after it, before the first control
// of these kinds is made (every helper here does).
void installer();

// Marks a tool button with a menu on its arrow as a split button.
void deltKnap(QToolButton* knap);

// Marks a drop-down box that is named by its accessible name.
void navngivetValg(QComboBox* boks);

// Whether changes are told: while a screen reader listens (the platform's
// bridge is active) or a listener was installed with `lyt`.
bool meldes();

// Tells of a change: to the platform's bridge and to the listener.
void meld(QAccessibleEvent* e);

// Hears every change told from now on, also where the platform has no bridge
// (the tests' platform): to check what a screen reader would hear.
void lyt(void (*lytter)(QAccessibleEvent*));

// Marks a label that shows a value; `navn` says what the value is.
void vaerdiEtiket(QLabel* etiket, const QString& navn);

// Shows `tekst` in a value label or status field and tells screen readers of
// the change (a new verdict, a new count), as the read-only fields do.
void visTekst(QLabel* etiket, const QString& tekst);

} // namespace tilgaengelighed
