// Loading a project into the window: the part of the load command after the
// file dialog.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "files/projektdatei.h"
#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

enum class Ladeergebnis {
    geladen,
    abgelehnt,        // "Daten aufrufen" answered No
    Datei_Kontrolle,  // unreadable or no project file; the inputs are unchanged
};

// Asks before overwriting unsaved input, shows the file name, reads with `inhalt_lesen`
// (a failure: the file cannot be read), applies and recalculates. The file is
// parsed completely before anything is applied; a loaded project counts as saved.
Ladeergebnis Projekt_laden(Formular& f, Dialoge& d, const std::string& dateiname,
                           const std::function<Erfolg<std::string>()>& inhalt_lesen);
Ladeergebnis Projekt_laden(Formular& f, Dialoge& d, const std::string& dateiname, std::string_view inhalt);
Ladeergebnis Projekt_laden_Datei(Formular& f, Dialoge& d, const std::filesystem::path& datei);

// The project in a file's bytes, current or older layout; "Datei-Kontrolle" when it is
// none. Shows the boxes of the older import, with its note in the window's help box.
Erfolg<Projektdaten> Projektinhalt_lesen(std::string_view bytes, Formular& f, Dialoge& d);

// Puts a read project into the controls, in the order the load always used;
// the option handlers of the mode switch fire, the others stay quiet while
// Ladevorgang is "ja".
void Projektdaten_anwenden(Formular& f, Dialoge& d, const Projektdaten& p);

}  // namespace dkm
