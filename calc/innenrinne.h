// Internal gutter: cross-section, emergency overflows, outlets.
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// Called by Neuberechnung when Rinnenart is "innenliegend".
void Innenrinne_berechnen(Formular& f, Dialoge& d);

}  // namespace dkm
