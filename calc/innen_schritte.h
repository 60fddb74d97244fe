// The steps of Innenrinne_berechnen and the hydraulics they share. Only the
// internal-gutter files and their tests include this.
#pragma once

#include <string>
#include <string_view>

#include "model/dialoge.h"
#include "model/formular.h"
#include "model/innen_werte.h"

namespace dkm {

inline constexpr int Suchgrenze_Schritte = 100000;

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

// The plain 1-mm search, for comparison in the tests.
template <class Genuegt>
int Tiefe_suchen_schrittweise(Genuegt&& genuegt, bool& grenze) {
    for (int h = 1; h <= Suchgrenze_Schritte; ++h)
        if (genuegt(h)) return h;
    grenze = true;
    return Suchgrenze_Schritte + 1;
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

// Texts of the messages only the internal gutter raises.
namespace meldung {
inline constexpr std::string_view Luecke_Titel = "Maße fehlen";
inline constexpr std::string_view Luecke_Text =
    "Bei innenliegenden Rinnen müssen die Teilstrecken von links ab TS 1 durchgehend vermaßt werden.";
inline constexpr std::string_view Winkel_Titel = "Maßfehler";
inline constexpr std::string_view Winkel_links_Text =
    "Der Winkel der Rinne (links) liegt außerhalb des gültigen Wertes (>90°). Er wird auf 90° korrigiert.";
inline constexpr std::string_view Winkel_rechts_Text =
    "Der Winkel der Rinne (rechts) liegt außerhalb des gültigen Wertes (>90°). Er wird auf 90° korrigiert.";
inline constexpr std::string_view Notueberlaeufe_Titel = "Eingabefehler";
inline constexpr std::string_view Notueberlaeufe_Text =
    "Die Anzahl der Notüberläufe ist zu groß; es sind höchstens 16383 Notüberläufe möglich. "
    "Die bisherigen Ergebnisse bleiben stehen.";
}  // namespace meldung

}  // namespace dkm
