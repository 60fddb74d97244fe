// Switching between single and total dimensions (Option10/Option11).
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// Panel states: which of segment boxes / total boxes are editable, Option6..8, notes.
void Panel_einzel(Formular& f);
void Panel_gesamt(Formular& f);

// Click handlers of "Eingabe von Einzelmaßen" / "Eingabe von Gesamtmaßen".
// They do not consult Ladevorgang; the project load fires them too. A declined
// switch leaves the mode, and the buttons showing it, as they were.
void Option10_Click(Formular& f, Dialoge& d);
void Option11_Click(Formular& f, Dialoge& d);

}  // namespace dkm
