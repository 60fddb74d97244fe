// Rain yields of the weather service's KOSTRA-DWD-2020 grid: the cell index,
// the values of one cell and where a place's rain values came from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dkm {

struct Formular;

inline constexpr std::string_view Kostra_Quelle = "KOSTRA-DWD-2020";
// 300 x 300 cells of 5 km; rows count southward, columns eastward.
inline constexpr int Raster_Zeilen = 300, Raster_Spalten = 300;

struct Rasterfeld {
    int zeile = 0;
    int spalte = 0;
    bool operator==(const Rasterfeld&) const = default;
};

// INDEX_RC = row * 1000 + column.
inline int Feldnummer(Rasterfeld f) { return f.zeile * 1000 + f.spalte; }
// Six digits with leading zeros, as the table and the cell sheets print it.
std::string Feldtext(Rasterfeld f);
// The cell of an index; nullopt when row or column lies outside the grid.
std::optional<Rasterfeld> Rasterfeld_aus_Nummer(long long nummer);

// The two yields of one cell in l/(s·ha) and their uncertainties in whole percent (-1: not given).
struct Kostra_Werte {
    Rasterfeld feld;
    float r5_5 = 0;
    float r5_100 = 0;
    int uc5_5 = -1;
    int uc5_100 = -1;
    bool aus_hoehen = false;  // the table had no yields; they are computed from the depths HN
};

// A place the user took over from the grid: the name it was stored under and its cell's values.
struct Kostra_Ort {
    std::string name;
    Kostra_Werte werte;
};

// Adds `ort`, replacing a place of the same name; the oldest go beyond Kostra_Orte_hoechstens.
inline constexpr size_t Kostra_Orte_hoechstens = 100;
void Kostra_Ort_merken(std::vector<Kostra_Ort>& orte, Kostra_Ort ort);

// "KOSTRA 2020 Feld 049125": what a place taken from a cell is called unless the user renames it.
std::string Kostra_Ortsname(Rasterfeld f);
// "310 l/(s·ha) ± 19 %"; without an uncertainty only the yield.
std::string Regenspende_Band(float r, int uc, std::string_view dezimaltrenner);

// The grid cell the rain values in use came from: the taken-over place whose name is the place box's
// text and whose values are those of r5_5 and r5_100. Null when they came from anywhere else or were
// changed since, so a report never credits the grid for values typed by hand.
const Kostra_Ort* Regen_aus_Rasterfeld(const Formular& f);

}  // namespace dkm
