// The three modes that exclude each other — guide, print preview and height
// correction — with their shared end command and the conflict questions of
// the commands that meet a running mode.
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// The shared end command of guide, preview and height correction ("Leitfaden abbrechen",
// "abbrechen", "auf Null setzen": Command29).
void Modus_beenden(Formular& f, Dialoge& d);
// The other shared buttons, by the active mode: Command28 "Leitfaden weiter" / "blättern" /
// "Höhe größer", Command30 "Leitfaden zurück" / "Höhe kleiner", Command31 "übernehmen".
void Command28_Click(Formular& f, Dialoge& d);
void Command30_Click(Formular& f, Dialoge& d);
void Command31_Click(Formular& f, Dialoge& d);

// Asks whether a running guide may end before `befehl` goes on; false when the
// user keeps it (the command stops). True at once when no guide runs.
bool Leitfaden_Konflikt(Formular& f, Dialoge& d, meldung::Befehl befehl);

// Whether the preview, the printout or the guide may start now; each shows its
// refusal or asks its question first.
bool Druckvorschau_moeglich(Formular& f, Dialoge& d);
bool Druckausgabe_moeglich(Formular& f, Dialoge& d);
bool Leitfaden_moeglich(Formular& f, Dialoge& d);

// Height correction of the long-side overflows.
inline constexpr float Hoehenkorrektur_Schritt_mm = 10;

// "Korr.": opens the correction panel after the guide and preview questions.
void Korrektur_oeffnen(Formular& f, Dialoge& d);
// "übernehmen": closes the panel and keeps the correction.
void Korrektur_uebernehmen(Formular& f, Dialoge& d);
// "Höhe größer": 10 mm more, "Höhe kleiner" becomes possible; recalculates.
void Hoehe_groesser(Formular& f, Dialoge& d);
// "Höhe kleiner": 10 mm less, never below 0; at 0 the button is disabled. Recalculates.
void Hoehe_kleiner(Formular& f, Dialoge& d);
// Back to no correction; recalculates. "auf Null setzen" is Modus_beenden.
void Hoehe_null(Formular& f, Dialoge& d);

}  // namespace dkm
