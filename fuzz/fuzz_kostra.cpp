// Any bytes as the weather service's table, bare and as a zip: read or refused with a message naming
// the file, and every cell read has a yield within the limits.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/kostra_tabelle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    using namespace dkm;
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    for (const char* name : {"StatRR_KOSTRA-DWD-2020_D00005.csv", "StatRR_KOSTRA-DWD-2020_D00005.csv.zip"}) {
        const Kostra_Lesen e = Kostra_Tabelle_aus(bytes, name);
        // no table without a message naming the file
        if (!e && e.fehler().text.find(name) == std::string::npos) std::abort();
    }
    const Kostra_Lesen e = Kostra_Tabelle_aus(bytes, "StatRR_KOSTRA-DWD-2020_D00005.csv");
    if (!e) return 0;
    for (int n = 0; n < Raster_Zeilen * Raster_Spalten; ++n) {
        const auto w = e->werte({n / Raster_Spalten, n % Raster_Spalten});
        if (w && !(w->r5_5 > 0 && w->r5_5 <= 10000 && w->r5_100 > 0 && w->r5_100 <= 10000)) std::abort();
    }
    return 0;
}
