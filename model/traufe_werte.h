// What the eaves sizing and the downpipe choice store beside the result boxes.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace dkm {

inline constexpr std::string_view Label48_Text = "Die Dimensionierung erfolgt nach der un- günstigsten Teilstrecke.";

struct Traufe_Werte {
    // Per segment: semicircular blank width, sort key, capacity; box the same.
    std::array<std::array<float, 6>, 8> Ergebnisse_TS{};
    float Zuschnitt_halbrund = 0, Kapazitaet_halbrund = 0;
    float Zuschnitt_Kasten = 0, Kapazitaet_Kasten = 0;
    float Durchmesser_nach_Bedarf = 0, Breite_nach_Bedarf = 0, Hoehe_nach_Bedarf = 0;
    float Verhaeltnis_HB = 0.625f;
    float Schutzkorbfaktor = 1;
    // L/W of the last loaded segment's sizes to measure (semicircle, rectangle).
    float x_R = 0, x_K = 0;
    bool Massfehler = false;   // L/W above 500
    bool Suchgrenze = false;   // a search to measure ran to its step limit
    std::string Label48;
    // Downpipes per outlet: with funnel, without funnel, drop outlet (as printed;
    // empty for an outlet without flow).
    std::array<std::string, 4> Fallrohr_mit{}, Fallrohr_ohne{}, Einhangstutzen{};
    // The same diameters as numbers: 0 without flow, Fallrohr_zu_gross beyond 300 mm;
    // the drop outlet 0 where the text is no single diameter.
    std::array<int, 4> Durchmesser_mit{}, Durchmesser_ohne{}, Durchmesser_Einhang{};
    bool Fallrohr_unter_75 = false;  // Label3 shown
};

}  // namespace dkm
