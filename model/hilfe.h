// The hover help: one entry per control (or group of like controls) with the
// top and height of the help box in twips and the text it shows.
#pragma once

#include <string_view>
#include <vector>

namespace dkm {

struct Hilfe_Eintrag {
    std::vector<std::string_view> steuerelemente;
    int top_twips;
    int hoehe_twips;
    std::string_view text;
};

const std::vector<Hilfe_Eintrag>& Hilfe_Eintraege();
// The entry of a control, by its name; null when it has none.
const Hilfe_Eintrag* Hilfe_fuer(std::string_view steuerelement);
// The panels whose background hides the help box.
const std::vector<std::string_view>& Hilfe_Panels();

}  // namespace dkm
