// The printer adjustment (Druckwrt.dat): font size and the shifts of the drawings.
#pragma once

#include <cmath>

namespace dkm {

struct Druckwerte {
    float Schriftgroesse = 0;
    float Verschiebung_horizontal = 0;
    float Verschiebung_vertikal = 0;
};

// The drawings move by at most this much either way; the layout keeps them in
// the room between their text lines all the same.
inline constexpr float Verschiebung_Grenze_mm = 5;
inline float Verschiebung_begrenzen(float mm) {
    if (std::isnan(mm)) return 0;
    return std::fmax(-Verschiebung_Grenze_mm, std::fmin(Verschiebung_Grenze_mm, mm));
}

}  // namespace dkm
