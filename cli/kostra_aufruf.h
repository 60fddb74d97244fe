// dkm-rechner --kostra TABELLE (--zelle N | --ort BREITE LAENGE): the rain yields of one
// cell of the KOSTRA-DWD-2020 table as a JSON object.
#pragma once

#include <string>
#include <vector>

#include "cli/dump.h"

namespace dkm {

bool Ist_Kostra_Aufruf(const std::vector<std::string>& argumente);
// Status 0 with the object, 1 with the German message when the table or the place gives no
// values, 2 for a wrong call.
Rechnerlauf Kostra_Rechner(const std::vector<std::string>& argumente);

}  // namespace dkm
