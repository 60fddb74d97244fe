// The command buttons of the main window.
#include "calc/engine.h"
#include "calc/handler.h"
#include "calc/hoehenkorrektur.h"
#include "calc/traufe.h"
#include "files/einstellungen.h"
#include "model/meldungen.h"
#include "model/zahlen.h"
#include "ui/form1.h"
#include "report/vorschau.h"
#include "ui/korrektur.h"

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
            bericht::Vorschau_blaettern(f_);
            vorschau_zeichnen();
        }
    });
}

void Form1::Command30() {
    handler([this] {
        if (f_.Status_Korrektur == aktiv) Hoehe_kleiner(f_, p_);
    });
}

void Form1::Command31() {
    handler([this] {
        if (f_.Status_Korrektur == aktiv) Korrektur_uebernehmen(f_, p_);
    });
}

void Form1::Command22() {
    handler([this] {
        // places the file does not give keep what the boxes show
        Eigene_Orte orte = Eigene_Orte_aus_Formular(f_);
        Eigene_Orte_lesen(einstellungen_ / Regeneig_Dateiname, orte);
        Command22_Click(f_, &orte);
    });
}

void Form1::uebernehmen(int zeile) {
    handler([&] {
        Uebernehmen_Click(f_, p_, zeile, [this](const Eigene_Orte& orte) {
            if (auto fehler = Eigene_Orte_schreiben(einstellungen_ / Regeneig_Dateiname, orte))
                p_.meldung("Eigene Werte speichern", *fehler);
        });
    });
}

void Form1::noch_nicht(const char* titel) {
    p_.meldung(titel, "Diese Funktion ist in dieser Programmversion noch nicht enthalten.");
}

void Form1::Command27() {
    handler([this] {
        if (f_.Status_Korrektur == aktiv) {
            p_.meldung("Konflikt Leitfaden mit Korrektur Rinnenhöhe",
                       "Vor dem Aufruf des Leitfadens muss im Fenster zur Korrektur der Rinnenhöhe der Wert "
                       "übernommen oder auf Null gesetzt werden.");
            return;
        }
        noch_nicht("Leitfaden");
    });
}

void Form1::Command17() {
    handler([this] {
        if (f_.Status_Hilfe == nicht_sichtbar) {
            f_.Status_Hilfe = sichtbar;
        } else {
            f_.Status_Hilfe = nicht_sichtbar;
            f_[V::Hilfe_Text] = false;
        }
    });
}

void Form1::Command19() {
    handler([this] {
        if (f_.Status_Druckjustage == sichtbar) {
            Command21();
            return;
        }
        Druckwerte w;
        Druckwerte_lesen(einstellungen_ / Druckwrt_Dateiname, w);
        f_[T::Text6] = Zahlentext(w.Schriftgroesse);
        f_[T::Text7] = Zahlentext(w.Verschiebung_horizontal);
        f_[T::Text8] = Zahlentext(w.Verschiebung_vertikal);
        aussteller_zeigen(aussteller_lesen());
        f_[V::Frame5] = true;
        f_.Status_Druckjustage = sichtbar;
    });
}

void Form1::Command20() {
    handler([this] {
        if (!f_[V::Frame5]) return;
        const Druckwerte w{Einzelwert(f_[T::Text6]), Einzelwert(f_[T::Text7]), Einzelwert(f_[T::Text8])};
        if (auto fehler = Druckwerte_schreiben(einstellungen_ / Druckwrt_Dateiname, w))
            p_.meldung("Drucker justieren", *fehler);
        if (auto fehler = Aussteller_schreiben(einstellungen_ / Aussteller_Dateiname, aussteller_aus_feldern()))
            p_.meldung(std::string(meldung::Aussteller_Fehler_Titel), *fehler);
        f_[V::Frame5] = false;
        f_.Status_Druckjustage = nicht_sichtbar;
    });
}

void Form1::Command21() {
    handler([this] {
        f_[V::Frame5] = false;
        f_.Status_Druckjustage = nicht_sichtbar;
    });
}

}  // namespace dkm::ui
