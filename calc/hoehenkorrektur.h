// Height correction of the long-side overflows: the steps the correction
// window offers, as engine operations so the window and the tests share them.
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

inline constexpr float Hoehenkorrektur_Schritt_mm = 10;

// "Höhe größer": 10 mm more, "Höhe kleiner" becomes possible; recalculates.
void Hoehe_groesser(Formular& f, Dialoge& d);
// "Höhe kleiner": 10 mm less, never below 0; at 0 the button is disabled. Recalculates.
void Hoehe_kleiner(Formular& f, Dialoge& d);
// "auf Null setzen": back to no correction; recalculates.
void Hoehe_null(Formular& f, Dialoge& d);

}  // namespace dkm
