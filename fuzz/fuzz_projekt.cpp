// Any bytes as a project file, current or older layout, through the whole
// load into a window that already shows a project. A refused file leaves the
// window as it was; a loaded one saves and loads again to the same file and state.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/dump.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "model/startzustand.h"

namespace {

using namespace dkm;

// A window with a project in it, so that any partly applied load shows.
const Formular& Vorher() {
    static const Formular f = [] {
        Formular g;
        Startzustand(g, nullptr);
        Projektdaten p;
        p.Bauherr = "Vorher";
        p.Laenge = {6, 4, 0, 0, 0, 0, 0, 0};
        p.Breite = {5, 5, 0, 0, 0, 0, 0, 0};
        p.Rinnenart = "innenliegend";
        p.Eingabe_Art = "einzel";
        p.Rinnenbreite_unten = 250;
        p.Winkel_links = p.Winkel_rechts = 90;
        p.Anzahl_Notueberlaeufe = 2;
        Aufzeichnung d;
        if (Projekt_laden(g, d, "vorher.Dkm", Projektdatei_schreiben(p)) != Ladeergebnis::geladen) std::abort();
        // unsaved input, so that every load asks first
        g[T::Bemerkungen] = "geändert";
        return g;
    }();
    return f;
}

std::string Gespeichert(const Formular& f) {
    const auto p = Projektdaten_sammeln(f);
    return p ? Projektdatei_schreiben(*p) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    Formular f = Vorher();
    Aufzeichnung d(&f);
    const Ladeergebnis e = Projekt_laden(f, d, "fuzz.Dkm", bytes);
    if (d.meldungen.empty() || d.meldungen.front().titel != "Daten aufrufen") std::abort();

    if (e == Ladeergebnis::Datei_Kontrolle) {
        if (Dump(f, {}) != Dump(Vorher(), {})) std::abort();
        return 0;
    }
    // the first save settles what the load corrects ("0" overflows shown as "1" ...); from then on
    // saving and loading change nothing
    const std::string erste = Gespeichert(f);
    if (erste.empty()) return 0;  // a value the window can show but no file hold
    Formular g = Vorher(), h = Vorher();
    Aufzeichnung d2(&g), d3(&h);
    if (Projekt_laden(g, d2, "fuzz.Dkm", erste) != Ladeergebnis::geladen) std::abort();
    const std::string zweite = Gespeichert(g);
    if (zweite != erste) std::abort();
    if (Projekt_laden(h, d3, "fuzz.Dkm", zweite) != Ladeergebnis::geladen) std::abort();
    if (Dump(h, d3.meldungen) != Dump(g, d2.meldungen)) std::abort();
    return 0;
}
