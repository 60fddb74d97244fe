// The paper report as a PDF file: both pages as they are printed, with
// searchable text, written to a temporary file and renamed into place.
#pragma once

#include <filesystem>
#include <string>

#include "model/erfolg.h"
#include "report/seite.h"

namespace dkm::bericht {

// The PDF bytes of a paper report.
std::string Pdf_erzeugen(const Bericht& b, const std::string& titel);

// Writes the file atomically; on failure the German message of a project save, the old file intact.
Erfolg<> Pdf_schreiben(const Bericht& b, const std::filesystem::path& ziel);

}  // namespace dkm::bericht
