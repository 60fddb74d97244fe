// The own-values window's KOSTRA-DWD-2020 takeover.
#include "bedienung/kostra_uebernahme.h"
#include "files/einstellungen.h"
#include "files/kostra_einstellungen.h"
#include "ui/form1.h"

namespace dkm::ui {

bool Form1::kostra_uebernehmen(const Kostra_Ort& ort) {
    bool uebernommen = false;
    handler([&] {
        const std::string titel(meldung::Kostra_Titel);
        uebernommen = Kostra_uebernehmen(
            f_, p_, ort,
            [&](const std::vector<Kostra_Ort>& orte) {
                // the chosen table stays as the file names it
                Kostra_Einstellungen e = Kostra_Einstellungen_lesen(einstellungen_ / Kostra_Dateiname);
                e.orte = orte;
                if (auto fehler = Kostra_Einstellungen_schreiben(einstellungen_ / Kostra_Dateiname, e))
                    p_.meldung(titel, *fehler);
            },
            [&](const Eigene_Orte& orte) {
                if (auto fehler = Eigene_Orte_schreiben(einstellungen_ / Regeneig_Dateiname, orte))
                    p_.meldung(std::string(meldung::Eigene_Werte_Titel), *fehler);
            });
    });
    return uebernommen;
}

}  // namespace dkm::ui
