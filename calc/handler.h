// The input handlers of the main window on the record: what happens when a
// box is left, an option, check box or list entry is chosen, a reset or a
// panel command is pressed. The window forwards its events here; tests and
// tools drive the same functions without widgets.
#pragma once

#include <functional>

#include "model/dialoge.h"
#include "model/eigene_orte.h"
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

// The shared end command of guide, preview and height correction.
void Modus_beenden(Formular& f, Dialoge& d);

// Resets, each after the guide question and the confirmation.
void Command9_Click(Formular& f, Dialoge& d);  // "Projektdaten zurücksetzen"
void Command1_Click(Formular& f, Dialoge& d);  // "Werte zurücksetzen"
void Command7_Click(Formular& f, Dialoge& d);  // "neues Projekt anlegen"
void Projektdaten_zuruecksetzen(Formular& f);
void Werte_zuruecksetzen(Formular& f, Dialoge& d);

// Panel exchange and "Monitor neu".
void Command14_Click(Formular& f);  // "Vorgaben öffnen"
void Command15_Click(Formular& f);  // "Projektdaten öffnen"
void Command18_Click(Formular& f, Dialoge& d);

// Asks whether a running guide may end; false when the user keeps it (the command stops).
bool Leitfaden_Konflikt(Formular& f, Dialoge& d, const char* titel, const char* text);

// Own rainfall values window. `orte` is what Regeneig.dat holds (null: unreadable).
void Command22_Click(Formular& f, const Eigene_Orte* orte);
void Command23_Click(Formular& f);
// "übernehmen" of row 1..5: `speichern` writes the five places before the recalculation.
void Uebernehmen_Click(Formular& f, Dialoge& d, int zeile,
                       const std::function<void(const Eigene_Orte&)>& speichern);
Eigene_Orte Eigene_Orte_aus_Formular(const Formular& f);

}  // namespace dkm
