// Project files of older versions, which have no header line.
#pragma once

#include <optional>
#include <string>

#include "files/projektdatei.h"
#include "files/zeilenleser.h"
#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// Entered by the load when line 1 (`erste_zeile`, already read) is no known
// header. Fields the old layout lacks come from `vorher`, the window before the
// load. nullopt ends the load in "Datei-Kontrolle".
std::optional<Projektdaten> Altprojekt_lesen(Zeilenleser& leser, const std::string& erste_zeile,
                                             const Formular& vorher, Dialoge& d);

}  // namespace dkm
