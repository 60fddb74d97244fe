// The command buttons of the main window.
#include "bedienung/bedienung.h"
#include "calc/engine.h"
#include "files/einstellungen.h"
#include "model/version.h"
#include "ui/form1.h"
#include "ui/korrektur.h"
#include "ui/kostra_bereich.h"

namespace dkm::ui {


void Form1::Command1() { handler([this] { Command1_Click(f_, p_); }); }
void Form1::Command7() { handler([this] { Command7_Click(f_, p_); }); }
void Form1::Command9() { handler([this] { Command9_Click(f_, p_); }); }
void Form1::Command12() { handler([this] { Command12_Click(f_, p_); }); }
void Form1::Command13() { handler([this] { Command13_Click(f_, p_); }); }
void Form1::Command14() { handler([this] { Command14_Click(f_); }); }
void Form1::Command15() { handler([this] { Command15_Click(f_); }); }
void Form1::Command18() { handler([this] { Command18_Click(f_, p_); }); }
void Form1::Command23() { handler([this] { Command23_Click(f_); }); }
void Form1::Command11() { handler([this] { Korrektur_oeffnen(f_, p_); }); }
void Form1::Command29() { handler([this] { Modus_beenden(f_, p_); }); }

void Form1::Command28() {
    handler([this] {
        if (f_.Status_Korrektur == aktiv) {
            Hoehe_groesser(f_, p_);
        } else if (f_.Status_Vorschau == aktiv) {
            Vorschau_blaettern(f_);
            vorschau_zeichnen();
        } else if (f_.Status_Leitfaden == aktiv) {
            Leitfaden_weiter(f_, p_);
        }
    });
}

void Form1::Command30() {
    handler([this] {
        if (f_.Status_Korrektur == aktiv) Hoehe_kleiner(f_, p_);
        else if (f_.Status_Leitfaden == aktiv) Leitfaden_zurueck(f_, p_);
    });
}

void Form1::Command31() {
    handler([this] {
        if (f_.Status_Korrektur == aktiv) Korrektur_uebernehmen(f_, p_);
    });
}

void Form1::Command22() {
    handler([this] {
        // places the file does not give keep the values held so far, not unsaved edits in the boxes
        Eigene_Orte orte = f_.eigene_orte;
        Eigene_Orte_lesen(einstellungen_ / Regeneig_Dateiname, orte);
        Command22_Click(f_, &orte);
        if (f_.Status_Eigenwerte == sichtbar) kostra_->oeffnen(einstellungen_);
    });
}

void Form1::uebernehmen(int zeile) {
    handler([&] {
        Uebernehmen_Click(f_, p_, zeile, [this](const Eigene_Orte& orte) {
            if (auto fehler = Eigene_Orte_schreiben(einstellungen_ / Regeneig_Dateiname, orte))
                p_.meldung(std::string(meldung::Eigene_Werte_Titel), *fehler);
        });
    });
}

void Form1::Command27() {
    handler([this] { Leitfaden_starten(f_, p_); });
}

void Form1::Command17() { handler([this] { Command17_Click(f_); }); }

void Form1::Command19() {
    handler([this] {
        Command19_Click(f_, [this](Druckwerte& w) { Druckwerte_lesen(einstellungen_ / Druckwrt_Dateiname, w); });
        if (f_.Status_Druckjustage == sichtbar) aussteller_zeigen(aussteller_lesen());
    });
}

void Form1::Command20() {
    handler([this] {
        Command20_Click(f_, [this](const Druckwerte& w) {
            if (auto fehler = Druckwerte_schreiben(einstellungen_ / Druckwrt_Dateiname, w))
                p_.meldung(std::string(meldung::Drucker_justieren_Titel), *fehler);
            if (auto fehler = Aussteller_schreiben(einstellungen_ / Aussteller_Dateiname, aussteller_aus_feldern()))
                p_.meldung(std::string(meldung::Aussteller_Fehler_Titel), *fehler);
        });
    });
}

void Form1::Ueber() {
    p_.meldung(std::string(meldung::Ueber_Titel),
               meldung::Eingesetzt(meldung::Ueber_Text, Programmversion, einstellungen_.string()));
}

void Form1::Command21() { handler([this] { Command21_Click(f_); }); }

}  // namespace dkm::ui
