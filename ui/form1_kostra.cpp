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
                if (const Erfolg<> e_ = Kostra_Einstellungen_schreiben(einstellungen_ / Kostra_Dateiname, e); !e_)
                    p_.meldung(titel, e_.fehler().text);
            },
            [&](const Eigene_Orte& orte) {
                if (const Erfolg<> e = Eigene_Orte_schreiben(einstellungen_ / Regeneig_Dateiname, orte); !e)
                    p_.meldung(std::string(meldung::Eigene_Werte_Titel), e.fehler().text);
            });
    });
    return uebernommen;
}

}  // namespace dkm::ui
