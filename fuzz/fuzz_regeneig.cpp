// Any bytes as Regeneig.dat: reading stops quietly, and what was read writes
// and reads back to the same file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/einstellungen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    using namespace dkm;
    Eigene_Orte orte{};
    Eigene_Orte_lesen_aus(std::string_view(reinterpret_cast<const char*>(daten), groesse), orte);
    const std::string erste = Eigene_Orte_Dateiinhalt(orte);
    Eigene_Orte zurueck{};
    Eigene_Orte_lesen_aus(erste, zurueck);
    if (Eigene_Orte_Dateiinhalt(zurueck) != erste) std::abort();
    return 0;
}
