// The preview mode on the window state.
#include "bedienung/vorschau.h"

#include "bedienung/modus.h"

namespace dkm {

bool Vorschau_oeffnen(Formular& f, Dialoge& d) {
    if (!Druckvorschau_moeglich(f, d)) return false;
    f.aktiver_Modus = Modus::Vorschau;
    f[V::Druckvorsch] = true;
    f[A::Command28] = f[A::Command29] = true;
    f.Vorschau_Seite = Vorschauseite::eins;
    return true;
}

void Vorschau_verweigert(Formular& f) {
    f.aktiver_Modus = Modus::keiner;
    f[V::Druckvorsch] = false;
}

void Vorschau_blaettern(Formular& f) {
    if (f.aktiver_Modus != Modus::Vorschau) return;
    f.Vorschau_Seite = f.Vorschau_Seite == Vorschauseite::eins ? Vorschauseite::zwei : Vorschauseite::eins;
}

int Vorschau_Seitennummer(const Formular& f) { return f.Vorschau_Seite == Vorschauseite::zwei ? 2 : 1; }

}  // namespace dkm
