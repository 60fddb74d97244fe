// The input handlers of the main window on the record: what happens when a
// box is left, or an option, check box or list entry is chosen. The window
// forwards its events here; tests and tools drive the same functions without widgets.
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// Leave handler of a text box; boxes without one are ignored.
void Feld_verlassen(Formular& f, Dialoge& d, T feld);
// The correction command has a leave handler too.
void Command11_verlassen(Formular& f, Dialoge& d);

// Click on an option button: selects it (clearing its group) and runs its handler.
// A refused choice leaves the previous selection.
void Option_Click(Formular& f, Dialoge& d, S option);
// Click on a check box: `an` is its new state.
void Check_Click(Formular& f, Dialoge& d, S check, bool an);
// A list entry chosen with the mouse or the keyboard.
void Liste_Click(Formular& f, Dialoge& d, L liste, int index);

// Selects `option` and clears the rest of its group, without its handler.
void Option_waehlen(Formular& f, S option);

}  // namespace dkm
