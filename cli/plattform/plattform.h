// What dkm-rechner needs of the system: one source per system (posix.cpp, windows.cpp).
#pragma once

#include <filesystem>

namespace dkm {

// The folder of the running program.
std::filesystem::path Programmordner();

// The function `name` of the library `datei`, loaded now and kept; nullptr when either is missing.
void* Funktion_laden(const std::filesystem::path& datei, const char* name);

// Standard output and error pass the bytes as they are, so that a dump or report is the same file on
// every system (Windows would write each line end as CR LF).
void Ausgaben_unveraendert();

}  // namespace dkm
