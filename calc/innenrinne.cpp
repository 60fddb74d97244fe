#include "calc/innenrinne.h"

namespace dkm {

void Innenrinne_berechnen(Formular&, Dialoge&) {}

}  // namespace dkm
