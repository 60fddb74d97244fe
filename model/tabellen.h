// The choice lists of the "Vorgaben" panel.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace dkm {

struct Ort {
    std::string_view name;
    int r5_5;
    int r5_100;
};
struct Abflussbeiwert_Eintrag {
    std::string_view text;
    float C;
};
struct Schutzfaktor_Eintrag {
    std::string_view text;
    float f;
};

extern const std::array<Ort, 94> Orte;
extern const std::array<Abflussbeiwert_Eintrag, 5> Abflussbeiwerte;
extern const std::array<Schutzfaktor_Eintrag, 4> Schutzfaktoren;
extern const std::array<std::string_view, 2> Notueberlauf_Regen_Liste;

inline constexpr std::string_view Ort_Starttext = "Stadt auswählen";

std::string_view ohne_endblanks(std::string_view s);
// C by list index; any other index gives 1.0.
float Abflussbeiwert_nach_Index(int index);
// f by entry text, trailing blanks ignored; nullopt for any other text.
std::optional<float> Schutzfaktor_nach_Text(std::string_view text);
int Schutzfaktor_Index(std::string_view text);
int Abflussbeiwert_Index(std::string_view text);  // -1 when no entry matches

}  // namespace dkm
