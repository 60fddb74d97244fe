// Where the two settings files live. A desktop program started from a menu
// has no meaningful working directory, so they are kept in the per-user
// settings folder of an application named "Dachkandelmesser".
#pragma once

#include <filesystem>

#include "model/erfolg.h"

namespace dkm {

inline constexpr const char* Programmname = "Dachkandelmesser";

// $XDG_CONFIG_HOME/Dachkandelmesser, else $HOME/.config/Dachkandelmesser
// (the folder the desktop toolkit names for the application's settings).
// Null or empty variables count as unset; without HOME the root stands in.
std::filesystem::path Einstellungsordner(const char* xdg_config_home, const char* home);
// The same from the environment of this process.
std::filesystem::path Einstellungsordner();

// First start: a settings file that `ordner` lacks but `arbeitsordner` holds
// is copied over, so the places kept beside the program so far are not lost.
// A file that cannot be read there is left as it is, like every reading of these
// files; one that cannot be written gives the message, the others are still copied.
Erfolg<> Einstellungen_uebernehmen(const std::filesystem::path& ordner, const std::filesystem::path& arbeitsordner);

}  // namespace dkm
