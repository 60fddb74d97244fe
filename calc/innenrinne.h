// Internal gutter: cross-section, emergency overflows, outlets.
#pragma once

#include "calc/engine.h"

namespace dkm {

// The internal-gutter sizing of a run whose loads are in `r.werte`: its values go into
// `r.werte.innen` and `r.stand` becomes `fertig`, unless it stops with a message.
void Innenrinne_berechnen(const Eingaben& e, Rechenlauf& r);

}  // namespace dkm
