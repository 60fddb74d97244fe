// Downpipes and drop outlets of an eaves gutter.
#pragma once

#include <string_view>

#include "model/formular.h"

namespace dkm {

struct Einhangstutzen_Wahl {
    std::string_view text;  // as printed: a diameter, "80 od. 100" or "nicht mögl."
    int durchmesser_mm;     // 0 where the text is no single diameter
};

// Guide diameter of a drop outlet for the governing semicircular blank width and the outlet flow.
Einhangstutzen_Wahl Einhangstutzen(int zuschnitt_mm, float q);

// The twelve boxes Picture13..24 and Label3 from the four outlet flows.
void Fallrohre_waehlen(Formular& f);

}  // namespace dkm
