// The printer adjustment (Druckwrt.dat): font size and the shifts of the drawings.
#pragma once

namespace dkm {

struct Druckwerte {
    float Schriftgroesse = 0;
    float Verschiebung_horizontal = 0;
    float Verschiebung_vertikal = 0;
};

}  // namespace dkm
