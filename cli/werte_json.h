// The numbers of the last recalculation as the JSON object "werte" of dkm-rechner's dump.
#pragma once

#include <string>

#include "model/formular.h"

namespace dkm {

// Appends the object (from "{" to "}") at the indentation of a member of the dump.
void Werte_json(std::string& aus, const Formular& f);

}  // namespace dkm
