// The PDF writer of dkm-rechner lives in a library of its own (dkm-pdf), loaded only by a --pdf call:
// every other call starts without the toolkit and its libraries.
#pragma once

#include <filesystem>
#include <string>

#include "cli/dump.h"

namespace dkm {

// The library's one function: writes the report as a PDF file; false with a German message on failure.
using Pdf_Funktion = bool (*)(const bericht::Bericht& b, const std::filesystem::path& ziel, std::string& fehler);
inline constexpr const char* Pdf_Funktionsname = "dkm_pdf_schreiben";

// Loads the library on its first use; says so when it is missing or broken.
Pdf_Ausgabe Pdf_bei_Bedarf();

}  // namespace dkm
