// The command line of dkm-rechner and its two report modes (text and PDF).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/dump.h"
#include "model/formular.h"

namespace dkm {

struct Rechneraufruf {
    enum Art { Dump, Hilfe, Version, Bericht, Pdf, Speichern } art = Dump;
    std::string datei, datum, ausgabe;
    bool ersetzen = false;  // --speichern may replace an existing target
    std::string fehler;  // a usage error, German
};

Rechneraufruf Aufruf_lesen(const std::vector<std::string>& argumente);

// After the project is loaded: the report as text or as PDF. `status` is the load's.
Rechnerlauf Bericht_ausgeben(const Rechneraufruf& a, Formular& f, int status,
                             const std::filesystem::path& einstellungsordner, const Pdf_Ausgabe& pdf);

// --speichern before loading: nullopt when the target may be written, else the refusal.
std::optional<Rechnerlauf> Speicherziel_pruefen(const Rechneraufruf& a);
// --speichern after loading: writes the loaded project in the current format. `status` is the load's.
Rechnerlauf Umgewandelt_speichern(const Rechneraufruf& a, Formular& f, int status);

}  // namespace dkm
