// The smaller commands of the main window: panel exchange, "Monitor neu",
// the own-values window, the printer panel and the help switch.
#pragma once

#include <functional>

#include "model/dialoge.h"
#include "model/aussteller.h"
#include "model/druckwerte.h"
#include "model/eigene_orte.h"
#include "model/formular.h"

namespace dkm {

// Panel exchange and "Monitor neu".
void Command14_Click(Formular& f);  // "Vorgaben öffnen"
void Command15_Click(Formular& f);  // "Projektdaten öffnen"
void Command18_Click(Formular& f, Dialoge& d);

// Own rainfall values window. `orte` is what Regeneig.dat gives over the places
// held so far (f.eigene_orte); null shows the boxes as they are.
void Command22_Click(Formular& f, const Eigene_Orte* orte);
void Command23_Click(Formular& f);
// "übernehmen" of row 1..5: `speichern` writes the five places before the recalculation.
void Uebernehmen_Click(Formular& f, Dialoge& d, int zeile,
                       const std::function<void(const Eigene_Orte&)>& speichern);
Eigene_Orte Eigene_Orte_aus_Formular(const Formular& f);

// Printer panel "Drucker justieren": opens with the printer adjustment and the issuer of the
// settings files, which `lesen` reads over the values held so far, or closes when it is open.
void Command19_Click(Formular& f, const std::function<void(Druckwerte&, Aussteller&)>& lesen);
// "übernehmen": the panel's values become the record's and go to `speichern` (for Druckwrt.dat
// and Aussteller.dat), then the panel closes; nothing when it is closed.
void Command20_Click(Formular& f, const std::function<void(const Druckwerte&, const Aussteller&)>& speichern);
void Command21_Click(Formular& f);  // "abbrechen"

// "Hilfe ein-/ausschalten".
void Command17_Click(Formular& f);

}  // namespace dkm
