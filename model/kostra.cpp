#include "model/kostra.h"

#include <algorithm>

#include "model/formular.h"
#include "model/zahlen.h"

namespace dkm {

std::string Feldtext(Rasterfeld f) {
    std::string t = std::to_string(Feldnummer(f));
    return std::string(t.size() < 6 ? 6 - t.size() : 0, '0') + t;
}

std::optional<Rasterfeld> Rasterfeld_aus_Nummer(long long nummer) {
    if (nummer < 0) return std::nullopt;
    const Rasterfeld f{static_cast<int>(std::min(nummer / 1000, 1000000LL)), static_cast<int>(nummer % 1000)};
    if (f.zeile >= Raster_Zeilen || f.spalte >= Raster_Spalten) return std::nullopt;
    return f;
}

void Kostra_Ort_merken(std::vector<Kostra_Ort>& orte, Kostra_Ort ort) {
    std::erase_if(orte, [&](const Kostra_Ort& o) { return o.name == ort.name; });
    orte.push_back(std::move(ort));
    if (orte.size() > Kostra_Orte_hoechstens)
        orte.erase(orte.begin(), orte.end() - static_cast<std::ptrdiff_t>(Kostra_Orte_hoechstens));
}

std::string Kostra_Ortsname(Rasterfeld f) { return "KOSTRA 2020 Feld " + Feldtext(f); }

std::string Regenspende_Band(float r, int uc, std::string_view trenner) {
    // one decimal as the table gives it, none where it is zero
    std::string zahl = Muster(r, "0.0", trenner);
    if (zahl.ends_with(std::string(trenner) + "0")) zahl = Muster(r, "0", trenner);
    std::string band = zahl + " l/(s\u00B7ha)";
    if (uc >= 0) band += " \u00B1 " + std::to_string(uc) + " %";
    return band;
}

const Kostra_Ort* Regen_aus_Rasterfeld(const Formular& f) {
    const float r5_5 = Einzelwert(f[T::r5_5]), r5_100 = Einzelwert(f[T::r5_100]);
    for (const Kostra_Ort& o : f.kostra_orte)
        if (o.name == f[L::Combo_Wahl_Regensp].text && o.werte.r5_5 == r5_5 && o.werte.r5_100 == r5_100) return &o;
    return nullptr;
}

}  // namespace dkm
