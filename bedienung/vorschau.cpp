// The preview mode on the window state.
#include "bedienung/vorschau.h"

#include "bedienung/modus.h"

namespace dkm {

bool Vorschau_oeffnen(Formular& f, Dialoge& d) {
    if (!Druckvorschau_moeglich(f, d)) return false;
    f.Status_Vorschau = aktiv;
    f[V::Druckvorsch] = true;
    f[A::Command28] = f[A::Command29] = true;
    f.Vorschau_Seite = "Seite eins";
    return true;
}

void Vorschau_verweigert(Formular& f) {
    f.Status_Vorschau = aus;
    f[V::Druckvorsch] = false;
}

void Vorschau_blaettern(Formular& f) {
    if (f.Status_Vorschau != aktiv) return;
    f.Vorschau_Seite = f.Vorschau_Seite == "Seite eins" ? "Seite zwei" : "Seite eins";
}

int Vorschau_Seitennummer(const Formular& f) { return f.Vorschau_Seite == "Seite zwei" ? 2 : 1; }

}  // namespace dkm
