#include "model/feldname.h"

#include <array>
#include <utility>

namespace dkm {

std::string Feldname(T feld) {
    for (int i = 1; i <= 8; ++i) {
        const std::string ts = " TS " + std::to_string(i);
        if (feld == Laenge(i)) return "Teillänge der Rinne" + ts;
        if (feld == Breite(i)) return "Dach-Breite" + ts;
        if (feld == Zusatz_Flaeche(i)) return "zusätzliche Fläche" + ts;
    }
    static constexpr std::array<std::pair<T, const char*>, 11> namen = {{
        {T::r5_5, "Regen 5 min/5 Jahre"},
        {T::r5_100, "Regen 5 min/100 Jahre"},
        {T::Text1, "Verhältnis Höhe/Breite (Kastenrinne)"},
        {T::Text2, "untere Rinnen-Breite (mm)"},
        {T::Text3, "Außenwinkel links (°)"},
        {T::Text4, "Außenwinkel rechts (°)"},
        {T::Text5, "Hindernis im Wasserlauf (cm²)"},
        {T::Text25, "gesamte Länge"},
        {T::Text26, "gesamte Fläche"},
        {T::Text27, "Anzahl der Abläufe"},
        {T::Text30, "Anzahl der Notüberläufe"},
    }};
    for (const auto& [t, name] : namen)
        if (t == feld) return name;
    return std::string(Name(feld));
}

}  // namespace dkm
