// Capacity formulas and tables shared by the eaves and the internal gutter.
#pragma once

#include <array>
#include <optional>

#include "model/rechenwerte.h"

namespace dkm {

inline constexpr double Pi = 3.1415926;
// Every search to measure gives up after this many 1-mm steps.
inline constexpr int Suchgrenze_Schritte = 100000;

// Long-gutter factor for x = L/W (both mm). `x_runden` rounds x to float first
// (eaves sizing and the internal design layer); the caller applies it only for x > 50.
double Langrinnenfaktor(double x, bool x_runden = true);

inline constexpr std::array<int, 22> Fallrohr_Durchmesser = {
    50, 60, 70, 80, 90, 100, 110, 120, 125, 130, 140, 150, 160, 170, 180, 190, 200, 220, 240, 260, 280, 300};
extern const std::array<float, 22> Fallrohr_Tabelle_Trichter;
extern const std::array<float, 22> Fallrohr_Tabelle_ohne_Trichter;


// A downpipe diameter with its capacity in the table it was chosen from; no diameter beyond 300 mm.
struct Fallrohrgroesse {
    std::optional<int> mm;
    float Kapazitaet_l_s = 0;
};
// Smallest diameter whose capacity is at least q (single precision).
Fallrohrgroesse Fallrohr_nachschlagen(const std::array<float, 22>& tabelle, float q);

}  // namespace dkm
