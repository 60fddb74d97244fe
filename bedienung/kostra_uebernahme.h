// The own-values window's KOSTRA-DWD-2020 section: a grid cell's values
// stored as one of the five own places and chosen at once.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "calc/standort.h"
#include "model/dialoge.h"
#include "model/eigene_orte.h"
#include "model/formular.h"
#include "model/kostra.h"

namespace dkm {

// The grid cell of what the user typed into "Ort": coordinates or a cell number.
Feldsuche Kostra_Feld_suchen(std::string_view eingabe);

// The row (1..5) a place of this name goes to: the row that has the name already, else the
// first row without a name, else the last.
int Kostra_Zeile_vorschlagen(const Formular& f, std::string_view name);

// Stores `ort` in that row of the own places (name and both values; asking first when the row holds
// another place), notes its cell in f.kostra_orte and hands that list to `merken` (Kostra.dat);
// then as "übernehmen" of that row: the place is chosen, `speichern` writes the five places
// (Regeneig.dat), the window closes and the calculation runs. False when nothing was changed.
bool Kostra_uebernehmen(Formular& f, Dialoge& d, const Kostra_Ort& ort,
                        const std::function<void(const std::vector<Kostra_Ort>&)>& merken,
                        const std::function<void(const Eigene_Orte&)>& speichern);

}  // namespace dkm
