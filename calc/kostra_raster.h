// From a point on the earth to its cell of the KOSTRA-DWD-2020 grid: the
// Lambert azimuthal equal-area projection of Europe (EPSG:3035) on the
// GRS80 ellipsoid, then the 5 km grid of the weather service.
#pragma once

#include <optional>

#include "model/kostra.h"

namespace dkm {

// Latitude and longitude in decimal degrees (ETRS89; WGS84 is the same at this scale), north and east positive.
struct Geopunkt {
    double breite = 0;
    double laenge = 0;
};

// Easting and northing in metres.
struct Laea_Punkt {
    double x = 0;
    double y = 0;
};

// EPSG:3035: origin 52° N 10° E, false easting 4 321 000 m, false northing 3 210 000 m. Not finite
// for the antipode of the origin, where the projection has no value.
Laea_Punkt Laea_Europa(Geopunkt p);

// The cell that holds the point; nullopt outside the 300 x 300 cells.
std::optional<Rasterfeld> Rasterfeld_fuer(Laea_Punkt p);
std::optional<Rasterfeld> Rasterfeld_fuer(Geopunkt p);

}  // namespace dkm
