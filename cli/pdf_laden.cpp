#include "cli/pdf_modul.h"
#include "cli/plattform/plattform.h"
#include "model/meldungen.h"

namespace dkm {

Pdf_Ausgabe Pdf_bei_Bedarf() {
    return [](const bericht::Bericht& b, const std::filesystem::path& ziel) -> Erfolg<> {
        // beside the program in the build folder and on Windows, in its own folder once installed
        const std::filesystem::path ordner = Programmordner();
        Pdf_Funktion schreiben = nullptr;
        for (const std::filesystem::path& wo : {ordner, ordner / DKM_PDF_ORDNER}) {
            schreiben = reinterpret_cast<Pdf_Funktion>(Funktion_laden(wo / DKM_PDF_DATEI, Pdf_Funktionsname));
            if (schreiben) break;
        }
        if (!schreiben) return Fehler{std::string(meldung::Kein_Pdf_Schreiber_Text)};
        std::string fehler;
        if (schreiben(b, ziel, fehler)) return {};
        return Fehler{std::move(fehler)};
    };
}

}  // namespace dkm
