// The command line of dkm-rechner and its two report modes (text and PDF).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/dump.h"
#include "model/formular.h"

namespace dkm {

struct Rechneraufruf {
    enum Art { Dump, Hilfe, Version, Bericht, Pdf } art = Dump;
    std::string datei, datum, ausgabe;
    std::string fehler;  // a usage error, German
};

Rechneraufruf Aufruf_lesen(const std::vector<std::string>& argumente);

// After the project is loaded: the report as text or as PDF. `status` is the load's.
Rechnerlauf Bericht_ausgeben(const Rechneraufruf& a, Formular& f, int status,
                             const std::filesystem::path& einstellungsordner, const Pdf_Ausgabe& pdf);

}  // namespace dkm
