// The switch between single and total dimensions.
#include "bedienung/eingabeart.h"

#include "bedienung/neuberechnung.h"
#include "model/zahlen.h"

namespace dkm {

void Panel_einzel(Formular& f) {
    for (A a : {A::Option6, A::Option7, A::Option8}) f[a] = false;
    f[V::Text28] = false;
    f[V::Text29] = false;
    // the notes belong to the last distribution; hidden, they must not outlive it
    f[T::Text28].clear();
    f[T::Text29].clear();
}

void Panel_gesamt(Formular& f) {
    for (A a : {A::Option6, A::Option7, A::Option8}) f[a] = true;
}

void Option10_Click(Formular& f, Dialoge& d) {
    const int stutzen = f.werte.Anzahl_Stutzen;
    if (Ist_gesamt(f) && stutzen >= 5 && !d.frage(meldung::Auf_Einzelwerte)) {
        Eingabe_Art_setzen(f, Masseingabe::gesamt);
        return;
    }
    Eingabe_Art_setzen(f, Masseingabe::einzel);
    Panel_einzel(f);
    if (stutzen > 4) {
        Eingabepruefung(f);
        if (f.Masse_vollstaendig) Neuberechnung(f, d);
        else d.piepton();
    }
}

void Option11_Click(Formular& f, Dialoge& d) {
    const auto& flaeche = f.werte.Einzel_Flaeche;
    if (!Ist_gesamt(f) && (flaeche[0] != 0 || flaeche[1] != 0) && !d.frage(meldung::Auf_Gesamtwerte)) {
        Eingabe_Art_setzen(f, Masseingabe::einzel);
        return;
    }
    Eingabe_Art_setzen(f, Masseingabe::gesamt);
    Panel_gesamt(f);
    if (Zahl_lesen(f[T::Text25]) != 0 && Zahl_lesen(f[T::Text26]) != 0 && Zahl_lesen(f[T::Text27]) != 0) {
        Gesamtmasse_aufteilen(f);
        Neuberechnung(f, d);
    }
}

}  // namespace dkm
