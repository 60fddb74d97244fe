// The name a message gives an input box: the words of its label in the window.
#pragma once

#include <string>

#include "model/formular.h"

namespace dkm {

// "Teillänge der Rinne TS 3", "Hindernis im Wasserlauf (cm²)", …; the control name for a box without a label.
std::string Feldname(T feld);

}  // namespace dkm
