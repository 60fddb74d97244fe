// Loading a library while the program runs: one source per system (posix.cpp, windows.cpp).
#pragma once

#include <filesystem>

namespace dkm {

// The folder of the running program.
std::filesystem::path Programmordner();

// The function `name` of the library `datei`, loaded now and kept; nullptr when either is missing.
void* Funktion_laden(const std::filesystem::path& datei, const char* name);

}  // namespace dkm
