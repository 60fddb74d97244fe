// The steps of the internal-gutter sizing and the hydraulics they share. Only the
// internal-gutter files and their tests include this.
#pragma once

#include "calc/engine.h"
#include "calc/hydraulik.h"
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

// The first depth whose capacity carries q, with that capacity and the one a millimetre less.
struct Tiefe {
    int mm = 0;
    float Kapazitaet_l_s = 0, Kapazitaet_darunter_l_s = 0;
};
// The search's bounds are always the depths it looked at last that did and did not carry q,
// so both capacities come without another evaluation.
template <class Kapazitaet>
Tiefe Tiefe_bemessen(float q, Kapazitaet&& kapazitaet, bool& grenze) {
    float reicht = 0, zu_klein = 0;
    const int h = Tiefe_suchen(
        [&](int stufe) {
            const float k = kapazitaet(stufe);
            const bool genuegt = q <= k;
            (genuegt ? reicht : zu_klein) = k;
            return genuegt;
        },
        grenze);
    if (h > Suchgrenze_Schritte) reicht = kapazitaet(h);
    return {h, reicht, h > 1 ? zu_klein : 0.0f};
}

// Both wall angles as the run uses them, read and corrected once.
struct Waende {
    float links_grad = 90, rechts_grad = 90;
    double tan_links = 1, tan_rechts = 1, sin_links = 1, sin_rechts = 1;
};

// What the steps share: the inputs, the loads, and the run they report to.
struct Innenlauf {
    Innenlauf(const Eingaben& e_, const Lasten& l_, Rechenlauf& r_, Innen_Werte& w_) : e(e_), l(l_), r(r_), w(w_) {}
    const Eingaben& e;
    const Lasten& l;
    Rechenlauf& r;
    Innen_Werte& w;
    // The walls, read at their first use: an angle above 90 is corrected with a message,
    // one of 0 or less silently; both go back into their fields as 90.
    const Waende& waende();

private:
    std::optional<Waende> waende_;
};

// Step 3: depth of each loaded segment; the deepest governs. Needs w zeroed.
void Bemessungsschicht(Innenlauf& lauf);
// Step 4: N from Text30; false (after the message) when 2N does not fit 16 bits.
bool Anzahl_Notueberlaeufe_lesen(Innenlauf& lauf);
// Steps 4 to 6: the three emergency arrangements and the gutters they give.
void Notschichten(Innenlauf& lauf);
// The emergency overflows of the chosen arrangement.
void Notueberlauf_berechnen(Innenlauf& lauf);
// The round overflow for flow Q_o (l/s) and head h_v (mm).
Rundueberlauf Rundueberlauf_fuer(float Q_o, float h_v);
// The number of outlets, from the first empty segment.
int Anzahl_Ablaeufe(const Lasten& l);
// Downpipes, heads and funnels of the four outlets.
void Ablaeufe_berechnen(Innenlauf& lauf);

}  // namespace dkm
