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
//    named by their accessible name, with the item as their value.
class QComboBox;
class QToolButton;

namespace tilgaengelighed {

// Registers the descriptions with Qt; safe to call many times. Call before
// the first control of these kinds is made.
void installer();

// Marks a tool button with a menu on its arrow as a split button.
void deltKnap(QToolButton* knap);

// Marks a drop-down box that is named by its accessible name.
void navngivetValg(QComboBox* boks);

} // namespace tilgaengelighed
