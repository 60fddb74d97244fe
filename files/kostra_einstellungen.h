// Kostra.dat in the settings folder: the KOSTRA-DWD-2020 table the user chose,
// and the cells of the own places taken over from it. Regeneig.dat keeps
// its five places unchanged; this file only says where their values came from.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/erfolg.h"
#include "model/kostra.h"

namespace dkm {

inline constexpr std::string_view Kostra_Dateiname = "Kostra.dat";

struct Kostra_Einstellungen {
    std::filesystem::path tabelle;  // empty: none chosen yet
    std::vector<Kostra_Ort> orte;
};

// Lines "Tabelle;PATH" and "Ort;CELL;R5_5;R5_100;UC5_5;UC5_100;RN|HN;NAME", UTF-8. A line that
// does not read is left out silently, as every settings file is read.
void Kostra_Einstellungen_lesen_aus(std::string_view bytes, Kostra_Einstellungen& e);
Kostra_Einstellungen Kostra_Einstellungen_lesen(const std::filesystem::path& datei);
std::string Kostra_Einstellungen_Inhalt(const Kostra_Einstellungen& e);
// Replaces the file atomically; a German message for the window on failure, the old file intact.
Erfolg<> Kostra_Einstellungen_schreiben(const std::filesystem::path& datei, const Kostra_Einstellungen& e);

}  // namespace dkm
