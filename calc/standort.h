// The location the user types for the KOSTRA-DWD-2020 grid: latitude and
// longitude in decimal degrees (decimal point or comma) or in degrees,
// minutes and seconds, or the number of a grid cell.
#pragma once

#include <string>
#include <string_view>

#include "calc/kostra_raster.h"
#include "model/erfolg.h"

namespace dkm {

// A cell, or the German message why the text gives none.
using Feldsuche = Erfolg<Rasterfeld>;

// Examples: "51,4462 7,0202", "51.4462, 7.0202", "51°26'46\" N 7°01'13\" E", "N 51° 26,77' O 7° 1,2'",
// "049125", "49125", "Feld 049125". Without a letter the latitude comes first.
Feldsuche Feld_fuer_Eingabe(std::string_view text);
// The same for a point given as two texts (dkm-rechner --ort BREITE LAENGE); no cell number.
Feldsuche Feld_fuer_Ort(std::string_view breite, std::string_view laenge);
// A cell number typed alone, with or without leading zeros.
Feldsuche Feld_fuer_Nummer(std::string_view text);

// The point of a text of two coordinates, or the message why it is none.
Erfolg<Geopunkt> Geopunkt_lesen(std::string_view text);

}  // namespace dkm
