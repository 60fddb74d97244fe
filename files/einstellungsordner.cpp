#include "files/einstellungsordner.h"

#include <string_view>
#include <system_error>

#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "files/plattform/plattform.h"
#include "model/meldungen.h"

namespace dkm {

namespace fs = std::filesystem;

namespace {
bool gesetzt(const char* wert) { return wert && *wert; }
}  // namespace

fs::path Einstellungsordner(const char* xdg_config_home, const char* home) {
    const fs::path basis =
        gesetzt(xdg_config_home) ? fs::path(xdg_config_home) : fs::path(gesetzt(home) ? home : "/") / ".config";
    return (basis / Programmname).lexically_normal();
}

fs::path Einstellungsordner() { return plattform::Einstellungsordner(); }

Erfolg<> Einstellungen_uebernehmen(const fs::path& ordner, const fs::path& arbeitsordner) {
    Erfolg<> alle;
    for (const std::string_view name : {Regeneig_Dateiname, Druckwrt_Dateiname}) {
        std::error_code ec;
        // a dangling link counts as present: the user put it there
        if (fs::exists(fs::symlink_status(ordner / name, ec))) continue;
        const auto inhalt = Datei_lesen(arbeitsordner / name, Einstellungsdatei_Hoechstgroesse);
        if (!inhalt || inhalt->size() > Einstellungsdatei_Hoechstgroesse) continue;
        fs::create_directories(ordner, ec);
        Erfolg<> kopiert = ec ? Fehler{meldung::Eingesetzt(meldung::Speicherfehler_Text, Pfadtext(ordner / name))}
                              : Datei_ersetzen(ordner / name, *inhalt);
        if (!kopiert && alle) alle = std::move(kopiert);
    }
    return alle;
}

}  // namespace dkm
