// Whole-file reading with a size limit, and replacing a file without ever
// leaving it half written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/erfolg.h"

namespace dkm {

// A path as UTF-8 text for the window and messages, whatever the system's code page.
std::string Pfadtext(const std::filesystem::path& p);

// At most `hoechstens` + 1 bytes of a regular file, so that a caller can tell
// an oversized file; a failure when it cannot be opened or read.
Erfolg<std::string> Datei_lesen(const std::filesystem::path& datei, size_t hoechstens);

// Writes `inhalt` to a temporary file beside `datei`, syncs it to the disk and
// renames it over `datei`; a link is followed and stays (on Windows it is refused). A target that is no
// regular file, is write-protected or has no folder is refused untouched. On
// failure `datei` is as it was and the German sentence says why, naming it.
// What earlier saves of the same target left behind when their process died is removed first.
Erfolg<> Datei_ersetzen(const std::filesystem::path& datei, std::string_view inhalt);

// The refusal Datei_ersetzen would give `datei` as things stand, without writing.
Erfolg<> Ziel_pruefen(const std::filesystem::path& datei);

// One file on the disk under both names (device and inode), through links and hard links alike;
// false when either cannot be reached.
bool Dieselbe_Datei(const std::filesystem::path& a, const std::filesystem::path& b);

// The temporary file a save of `datei` by process `pid` writes first, the `zaehler`-th it tries.
std::filesystem::path Temp_Name(const std::filesystem::path& datei, long pid, unsigned zaehler);

}  // namespace dkm
