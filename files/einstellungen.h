// The two settings files: the user's own rainfall places (Regeneig.dat) and
// the printer adjustment (Druckwrt.dat). The caller names the path, normally
// in the Einstellungsordner (files/einstellungsordner.h).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/druckwerte.h"
#include "model/aussteller.h"
#include "model/eigene_orte.h"
#include "model/erfolg.h"
#include "model/formular.h"

namespace dkm {

inline constexpr std::string_view Regeneig_Dateiname = "Regeneig.dat";
inline constexpr std::string_view Druckwrt_Dateiname = "Druckwrt.dat";
inline constexpr std::string_view Aussteller_Dateiname = "Aussteller.dat";
// Settings files are a few lines; a larger one is not read at all.
inline constexpr size_t Einstellungsdatei_Hoechstgroesse = 1u << 16;

// Creates the folder when needed and replaces a settings file atomically; on failure the old
// file is intact and the German message names `was` ("Die Druckereinstellungen").
Erfolg<> Einstellung_schreiben(const std::filesystem::path& datei, const std::string& inhalt, std::string_view was);

// Reading stops silently at the first error; what was read stays in `orte`,
// the rest keeps its previous value. A failure when the file cannot be read at all.
void Eigene_Orte_lesen_aus(std::string_view bytes, Eigene_Orte& orte);
Erfolg<Eigene_Orte> Eigene_Orte_lesen(const std::filesystem::path& datei, Eigene_Orte vorher);
// The window's start state with the own places of `orte_datei` (defaults when it cannot be read)
// and the other settings files beside it.
Formular Startformular(const std::filesystem::path& orte_datei, std::string dezimaltrenner);
std::string Eigene_Orte_Dateiinhalt(const Eigene_Orte& orte);
// Creates the folder when needed and replaces the file atomically; on failure
// the old file is intact and the German message for the window says why.
Erfolg<> Eigene_Orte_schreiben(const std::filesystem::path& datei, const Eigene_Orte& orte);

// As above; a font size of 0 becomes 10 unless the file is missing.
void Druckwerte_lesen_aus(std::string_view bytes, Druckwerte& werte);
Erfolg<Druckwerte> Druckwerte_lesen(const std::filesystem::path& datei, Druckwerte vorher);
std::string Druckwerte_Dateiinhalt(const Druckwerte& werte);
Erfolg<> Druckwerte_schreiben(const std::filesystem::path& datei, const Druckwerte& werte);

// The folder of the project file saved or loaded last, for the next file dialog: one
// line of UTF-8. Empty when there is none or the folder is gone.
inline constexpr std::string_view Projektordner_Dateiname = "Projektordner.dat";
std::filesystem::path Projektordner_lesen(const std::filesystem::path& datei);
Erfolg<> Projektordner_schreiben(const std::filesystem::path& datei, const std::filesystem::path& ordner);

// The issuer of the report: four lines (firm, street, place, telephone) in
// the file conventions of the other two. Reading stops at a missing line;
// a text too long for one printed line is cut.
inline constexpr size_t Aussteller_Hoechstlaenge = 120;
void Aussteller_lesen_aus(std::string_view bytes, Aussteller& a);
Erfolg<Aussteller> Aussteller_lesen(const std::filesystem::path& datei);
std::string Aussteller_Dateiinhalt(const Aussteller& a);
Erfolg<> Aussteller_schreiben(const std::filesystem::path& datei, const Aussteller& a);

}  // namespace dkm
