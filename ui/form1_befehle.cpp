// The command buttons of the main window.
#include "bedienung/bedienung.h"
#include "bedienung/neuberechnung.h"
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
        Command28_Click(f_, p_);
        if (f_.aktiver_Modus == Modus::Vorschau) vorschau_zeichnen();
    });
}

void Form1::Command30() { handler([this] { Command30_Click(f_, p_); }); }
void Form1::Command31() { handler([this] { Command31_Click(f_, p_); }); }

void Form1::Command22() {
    handler([this] {
        // places the file does not give keep the values held so far, not unsaved edits in the boxes
        const Eigene_Orte orte =
            Eigene_Orte_lesen(einstellungen_ / Regeneig_Dateiname, f_.eigene_orte).wert_oder(f_.eigene_orte);
        Command22_Click(f_, &orte);
        if (f_.Eigenwerte_offen) kostra_->oeffnen(einstellungen_);
    });
}

void Form1::uebernehmen(int zeile) {
    handler([&] {
        Uebernehmen_Click(f_, p_, zeile, [this](const Eigene_Orte& orte) {
            if (const Erfolg<> e = Eigene_Orte_schreiben(einstellungen_ / Regeneig_Dateiname, orte); !e)
                p_.meldung(std::string(meldung::Eigene_Werte_Titel), e.fehler().text);
        });
    });
}

void Form1::Command27() {
    handler([this] { Leitfaden_starten(f_, p_); });
}

void Form1::Command17() { handler([this] { Command17_Click(f_); }); }

void Form1::Command19() {
    handler([this] {
        Command19_Click(f_, [this](Druckwerte& w, Aussteller& a) {
            // without a file the panel shows what it held last
            w = Druckwerte_lesen(einstellungen_ / Druckwrt_Dateiname, w).wert_oder(w);
            a = Aussteller_lesen(einstellungen_ / Aussteller_Dateiname).wert_oder(a);
        });
    });
}

void Form1::Command20() {
    handler([this] {
        Command20_Click(f_, [this](const Druckwerte& w, const Aussteller& a) {
            if (const Erfolg<> e = Druckwerte_schreiben(einstellungen_ / Druckwrt_Dateiname, w); !e)
                p_.meldung(std::string(meldung::Drucker_justieren_Titel), e.fehler().text);
            if (const Erfolg<> e = Aussteller_schreiben(einstellungen_ / Aussteller_Dateiname, a); !e)
                p_.meldung(std::string(meldung::Aussteller_Fehler_Titel), e.fehler().text);
        });
    });
}

void Form1::Ueber() {
    p_.meldung(std::string(meldung::Ueber_Titel),
               meldung::Eingesetzt(meldung::Ueber_Text, Programmversion, einstellungen_.string()));
}

void Form1::Command21() { handler([this] { Command21_Click(f_); }); }

}  // namespace dkm::ui
