// Guide, preview and height correction: the shared end and the conflict rules.
#include "bedienung/modus.h"

#include "bedienung/leitfaden.h"
#include "bedienung/vorschau.h"
#include "bedienung/neuberechnung.h"

namespace dkm {

void Modus_beenden(Formular& f, Dialoge& d) {
    switch (f.aktiver_Modus) {
    case Modus::Vorschau:
        // the preview changed nothing: no run to repeat
        f.aktiver_Modus = Modus::keiner;
        f[V::Druckvorsch] = false;
        break;
    case Modus::Korrektur:
        f.aktiver_Modus = Modus::keiner;
        f[A::Command11] = true;
        f[V::Druckvorsch] = false;
        Hoehe_null(f, d);
        break;
    case Modus::Leitfaden:
        Leitfaden_beenden(f, d);
        break;
    case Modus::keiner:
        break;
    }
}

void Command28_Click(Formular& f, Dialoge& d) {
    switch (f.aktiver_Modus) {
    case Modus::Korrektur: return Hoehe_groesser(f, d);
    case Modus::Vorschau: return Vorschau_blaettern(f);
    case Modus::Leitfaden: return Leitfaden_weiter(f, d);
    case Modus::keiner: return;
    }
}

void Command30_Click(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus == Modus::Korrektur) Hoehe_kleiner(f, d);
    else if (f.aktiver_Modus == Modus::Leitfaden) Leitfaden_zurueck(f, d);
}

void Command31_Click(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus == Modus::Korrektur) Korrektur_uebernehmen(f, d);
}

bool Leitfaden_Konflikt(Formular& f, Dialoge& d, meldung::Befehl befehl) {
    if (f.aktiver_Modus != Modus::Leitfaden) return true;
    if (!d.frage(meldung::Leitfaden_Konflikt(befehl))) return false;
    Modus_beenden(f, d);
    return true;
}

bool Druckvorschau_moeglich(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus == Modus::Korrektur) {
        d.meldung(meldung::Vorschau_mit_Korrektur);
        return false;
    }
    return Leitfaden_Konflikt(f, d, meldung::Befehl::Druckvorschau);
}

bool Druckausgabe_moeglich(Formular& f, Dialoge& d) {
    return Leitfaden_Konflikt(f, d, meldung::Befehl::Druckausgabe);
}

bool Leitfaden_moeglich(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus != Modus::Korrektur) return true;
    d.meldung(meldung::Leitfaden_mit_Korrektur);
    return false;
}

void Korrektur_oeffnen(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus == Modus::Korrektur) return;
    if (!Leitfaden_Konflikt(f, d, meldung::Befehl::Korrektur_Rinnenhoehe)) return;
    if (f.aktiver_Modus == Modus::Vorschau) {
        if (!d.frage(meldung::Korrektur_mit_Vorschau)) return;
        Modus_beenden(f, d);
    }
    f.aktiver_Modus = Modus::Korrektur;
    f[V::Druckvorsch] = true;
    f[A::Command28] = f[A::Command29] = f[A::Command31] = true;
    f[A::Command30] = f.Hoehenkorrektur != 0;
    f[A::Command11] = false;
    f.Leitfaden_Schritt = "Projektdaten";
}

void Korrektur_uebernehmen(Formular& f, Dialoge& d) {
    f.aktiver_Modus = Modus::keiner;
    f[A::Command11] = true;
    f[V::Druckvorsch] = false;
    Pruefen_und_berechnen(f, d);
}

void Hoehe_groesser(Formular& f, Dialoge& d) {
    f.Hoehenkorrektur = f.Hoehenkorrektur + Hoehenkorrektur_Schritt_mm;
    f[A::Command30] = true;
    Pruefen_und_berechnen(f, d);
}

void Hoehe_kleiner(Formular& f, Dialoge& d) {
    // a value from a file need not be a multiple of 10: stop at 0 all the same
    if (!(f.Hoehenkorrektur > 0)) {
        f.Hoehenkorrektur = 0;
        f[A::Command30] = false;
        return;
    }
    f.Hoehenkorrektur = f.Hoehenkorrektur - Hoehenkorrektur_Schritt_mm;
    if (f.Hoehenkorrektur <= 0) {
        f.Hoehenkorrektur = 0;
        f[A::Command30] = false;
    }
    Pruefen_und_berechnen(f, d);
}

void Hoehe_null(Formular& f, Dialoge& d) {
    f.Hoehenkorrektur = 0;
    f[A::Command30] = false;
    Pruefen_und_berechnen(f, d);
}

}  // namespace dkm
