// The steps of Innenrinne_berechnen and the hydraulics they share. Only the
// internal-gutter files and their tests include this.
#pragma once

#include <string>
#include <string_view>

#include "calc/hydraulik.h"
#include "model/dialoge.h"
#include "model/formular.h"
#include "model/innen_werte.h"

namespace dkm {


// Head factor for X = bottom width / water-surface width (0..1).
float Druckhoehenfaktor(float X);

// Capacity in l/s of a trapezoid section: wetted area A (mm²), depth h, surface
// width T, lower width Bu, flow length Lf (mm), angle factor k. The design layer
// rounds Lf/h to float (`x_runden`), the emergency layer does not.
float Kapazitaet_Innenrinne(float A, float h, float T, float Bu, float Lf, float k, bool x_runden);

// First depth 1, 2, 3 ... mm for which `genuegt` holds, as a 1-mm stepping search
// would find it; Suchgrenze_Schritte + 1 (and `grenze` set) when none up to the limit.
// Capacity never falls with depth, so galloping and halving find the same first
// depth; the halving keeps "one less does not suffice" as its invariant.
template <class Genuegt>
int Tiefe_suchen(Genuegt&& genuegt, bool& grenze) {
    if (genuegt(1)) return 1;
    int zu_klein = 1, reicht = 2;
    while (reicht < Suchgrenze_Schritte && !genuegt(reicht)) {
        zu_klein = reicht;
        reicht *= 2;
    }
    if (reicht >= Suchgrenze_Schritte) {
        reicht = Suchgrenze_Schritte;
        if (!genuegt(reicht)) {
            grenze = true;
            return Suchgrenze_Schritte + 1;
        }
    }
    while (reicht - zu_klein > 1) {
        const int mitte = zu_klein + (reicht - zu_klein) / 2;
        (genuegt(mitte) ? reicht : zu_klein) = mitte;
    }
    return reicht;
}

// Both wall angles as one reading uses them.
struct Waende {
    float links_grad = 90, rechts_grad = 90;
    double tan_links = 1, tan_rechts = 1, sin_links = 1, sin_rechts = 1;
};
// Reads Text3/Text4; above 90 is corrected with a message, 0 or less silently,
// both written back as "90".
Waende Winkel_lesen(Formular& f, Dialoge& d);

// Step 3: depth of each loaded segment; the deepest governs. Needs w zeroed.
void Bemessungsschicht(Formular& f, Dialoge& d, Innen_Werte& w);
// Step 4: N from Text30; false (after a message) when 2N does not fit 16 bits.
bool Anzahl_Notueberlaeufe_lesen(Formular& f, Dialoge& d, Innen_Werte& w);
// Steps 4 to 6: the three emergency arrangements and the gutters they give.
void Notschichten(Formular& f, Dialoge& d, Innen_Werte& w);
// Step 7: Picture27, Picture26, Picture25.
void Querschnitte_drucken(Formular& f, const Innen_Werte& w);
// Step 8: the chosen arrangement into w.Auswahl and its sketch into Picture28.
void Querschnitt_skizzieren(Formular& f, Innen_Werte& w);

// Emergency overflows of the chosen arrangement: values, then Picture34/35, Text31/32.
void Notueberlauf_berechnen(const Formular& f, Innen_Werte& w);
void Notueberlauf_drucken(Formular& f, const Innen_Werte& w);
// Outlet boxes shown for the number of outlets, and the overflow box's top.
void Ablaufboxen_anordnen(Formular& f, Innen_Werte& w);
// Round overflow text for flow Q_o (l/s) and head h_v (mm).
std::string Durchmesser_Text(float Q_o, float h_v);

// Downpipes, heads and funnels of the four outlets: values, then Picture29..32, Label6.
void Ablaeufe_berechnen(const Formular& f, Innen_Werte& w);
void Ablaeufe_drucken(Formular& f, const Innen_Werte& w);


}  // namespace dkm
