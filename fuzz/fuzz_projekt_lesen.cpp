// Any bytes as a project file, current or older layout, only read and put into
// a window: the quick target that can run millions of files. What a current
// file gave must write to a file that reads again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/dump.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "model/startzustand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    using namespace dkm;
    static const Formular start = [] {
        Formular f;
        Startzustand(f, nullptr);
        return f;
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    Formular f = start;
    Aufzeichnung d;
    const auto p = Projektinhalt_lesen(bytes, f, d);
    if (!p) return 0;
    Projektdaten_anwenden(f, d, *p);
    const Gelesenes_Projekt wieder = Projekt_lesen(Projektdatei_schreiben(*p), {});
    if (wieder.alt || !wieder.daten) std::abort();
    return 0;
}
