// The window's start state as the program builds it on every start.
#pragma once

#include <filesystem>

#include "model/formular.h"

namespace dkm::ui {

// Defaults, flags and the first own place from `orte_datei`; the decimal
// separator of the user's locale.
Formular Startformular(const std::filesystem::path& orte_datei);

}  // namespace dkm::ui
