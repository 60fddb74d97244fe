// The command line of dkm-rechner and its two report modes (text and PDF).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/dump.h"
#include "model/erfolg.h"
#include "model/formular.h"

namespace dkm {

struct Rechneraufruf {
    enum Art { Dump, Hilfe, Version, Bericht, Pdf, Speichern } art = Dump;
    std::string datei, datum, ausgabe;
    bool ersetzen = false;  // --speichern and --pdf may replace an existing file
};

// A usage error is one German line without the program name; the first fault found is the one said.
Erfolg<Rechneraufruf> Aufruf_lesen(const std::vector<std::string>& argumente);

// After the project is loaded: the report as text or as PDF. `status` is the load's.
Rechnerlauf Bericht_ausgeben(const Rechneraufruf& a, const Formular& f, int status,
                             const std::filesystem::path& einstellungsordner, const Pdf_Ausgabe& pdf);

// --speichern and --pdf before loading: the refusal when the target may not be written (status 0: it
// may). Never the
// project itself (also through a link or a hard link); an existing target only with --ersetzen,
// except a PDF that a report replaces.
Rechnerlauf Ziel_vorab_pruefen(const Rechneraufruf& a);
// The answer of --speichern and --pdf to a project that did not load.
Rechnerlauf Nichts_geschrieben(const Rechneraufruf& a);
// --speichern after loading: writes the loaded project in the current format. `status` is the load's.
Rechnerlauf Umgewandelt_speichern(const Rechneraufruf& a, const Formular& f, int status);

}  // namespace dkm
