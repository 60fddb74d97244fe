#pragma once

#include "model/eigene_orte.h"
#include "model/formular.h"

namespace dkm {

// The window as it opens: defaults, flags, panels, and the first own place
// in the rainfall fields. No calculation runs. `orte` is null when no
// Regeneig.dat could be read: empty names and "0" values then.
void Startzustand(Formular& f, const Eigene_Orte* orte);

// The fifteen boxes of the own-values window from the five places.
void Eigene_Orte_anzeigen(Formular& f, const Eigene_Orte& orte);

}  // namespace dkm
