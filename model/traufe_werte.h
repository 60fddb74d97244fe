// What the eaves sizing and the downpipe choice store beside the result boxes.
#pragma once

#include <array>
#include <string>

namespace dkm {

struct Traufe_Werte {
    // Per segment: semicircular blank width, sort key, capacity; box the same.
    std::array<std::array<float, 6>, 8> Ergebnisse_TS{};
    float Zuschnitt_halbrund = 0, Kapazitaet_halbrund = 0;
    float Zuschnitt_Kasten = 0, Kapazitaet_Kasten = 0;
    float Durchmesser_nach_Bedarf = 0, Breite_nach_Bedarf = 0, Hoehe_nach_Bedarf = 0;
    float Schutzkorbfaktor = 1;
    // Downpipes per outlet: with funnel, without funnel, drop outlet (as printed).
    std::array<std::string, 4> Fallrohr_mit{}, Fallrohr_ohne{}, Einhangstutzen{};
};

}  // namespace dkm
