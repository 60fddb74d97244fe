// Any bytes as Druckwrt.dat: reading stops quietly, the font size is never
// left at 0, and what was read writes and reads back to the same file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/einstellungen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    using namespace dkm;
    Druckwerte w;
    Druckwerte_lesen_aus(std::string_view(reinterpret_cast<const char*>(daten), groesse), w);
    if (w.Schriftgroesse == 0) std::abort();
    const std::string erste = Druckwerte_Dateiinhalt(w);
    Druckwerte zurueck;
    Druckwerte_lesen_aus(erste, zurueck);
    if (Druckwerte_Dateiinhalt(zurueck) != erste) std::abort();
    return 0;
}
