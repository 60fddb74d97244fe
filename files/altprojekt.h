// Project files of older versions, which have no header line: 38 lines with
// building-site and wind data the program no longer uses.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "files/projektdatei.h"
#include "files/zeilenleser.h"

namespace dkm {

// The help-box note naming the five site texts (place, street, access,
// material, particulars); an empty one reads "leer".
std::string Baustellenhinweis(std::array<std::string, 5> baustelle);

// Entered when line 1 (`erste_zeile`, already read) is no known header.
// Fields the old layout lacks are taken from `vorgaben`. The boxes the import
// raises come back in `hinweise`, in the order they arise, also when the file
// then turns out damaged (no `daten`).
void Altprojekt_lesen(Zeilenleser& leser, const std::string& erste_zeile, const Projektdaten& vorgaben,
                      Gelesenes_Projekt& ergebnis);

}  // namespace dkm
