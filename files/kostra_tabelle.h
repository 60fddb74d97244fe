// The weather service's 5-minute table of KOSTRA-DWD-2020,
// StatRR_KOSTRA-DWD-2020_D00005.csv, as downloaded (.csv.zip) or unpacked:
// one header line, a row per grid cell, ";" between fields, decimal comma,
// "-99,9" where a cell has no data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/erfolg.h"
#include "model/kostra.h"

namespace dkm {

// Neither the zip nor the table within it comes near this; a larger file is refused unread.
inline constexpr size_t Kostra_Hoechstgroesse = size_t{64} << 20;

class Kostra_Tabelle {
public:
    struct Feld {
        float r5_5 = -1;    // l/(s·ha); negative: no data
        float r5_100 = -1;
        int16_t uc5_5 = -1;  // percent; -1: not given
        int16_t uc5_100 = -1;
    };

    std::string dateiname;    // the file's name, for the window and messages
    bool aus_hoehen = false;  // no RN columns: the yields come from the depths HN
    size_t felder_mit_werten = 0;

    // The values of `f`, or nullopt when the table has none for it.
    std::optional<Kostra_Werte> werte(Rasterfeld f) const;

    // by INDEX_RC's row * 300 + column; every cell, with or without data
    std::vector<Feld> felder = std::vector<Feld>(Raster_Zeilen * Raster_Spalten);
};

// The table, or the German message naming the file (and the line) why there is none.
using Kostra_Lesen = Erfolg<Kostra_Tabelle>;

// Reads a table file; the duration is taken from the file's name (and the name within a zip).
Kostra_Lesen Kostra_Tabelle_lesen(const std::filesystem::path& datei);
// The same from the file's bytes and name.
Kostra_Lesen Kostra_Tabelle_aus(std::string_view bytes, std::string_view dateiname);

// The message text for a cell the table has no values for.
std::string Kostra_keine_Werte_Text(Rasterfeld f);

}  // namespace dkm
