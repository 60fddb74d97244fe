// What the window knows about the project beyond its inputs: whether anything
// changed since it was last loaded, saved or begun, which file it is, and
// whether the rainfall values are defaults nobody chose.
#pragma once

#include <filesystem>
#include <string>

#include "model/formular.h"

namespace dkm {

bool Projekt_geaendert(const Formular& f);
// The inputs as they stand are the project's saved state (after a load, a save, a new project).
void Stand_merken(Formular& f);
// After saving under `datei` (UTF-8): the window names the file, and nothing is unsaved.
void Projekt_gespeichert(Formular& f, const std::string& datei);

// The name the save dialog proposes: the file in work (an older *.Dkl as *.Dkm), else "KandProj" in the
// folder used last (empty: none), else "KandProj" alone. The open dialog proposes the folder only.
std::string Speichervorschlag(const Formular& f, const std::filesystem::path& letzter_ordner);
std::string Oeffnenvorschlag(const std::filesystem::path& letzter_ordner);

// The title bar: the program, the file in work and an asterisk while something is unsaved.
std::string Fenstertitel(const Formular& f);

// No place chosen and no own values: the rainfall fields hold the defaults of a new
// project (400/800), of the recalculation (450/800) or nothing yet.
bool Regenwerte_vorgegeben(const Formular& f);

}  // namespace dkm
