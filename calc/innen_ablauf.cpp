// Outlets of an internal gutter: downpipes, heads, round and square funnels.
#include <algorithm>
#include <cmath>

#include "calc/hydraulik.h"
#include "calc/innen_schritte.h"

namespace dkm {

namespace {

// Head at outlet k: the larger of the heads of the positions draining to it.
float Kopf(const Innen_Werte& w, int k) {
    int p1 = 2 * k - 1, p2 = 2 * k;
    if (w.Positionsversatz != 0) {
        // the first outlet sits at the gutter's end and takes one position only
        p1 = k == 1 ? 1 : 2 * k - 2;
        p2 = k == 1 ? 1 : 2 * k - 1;
    }
    return std::max(w.Druckhoehe_TS[static_cast<size_t>(p1 - 1)], w.Druckhoehe_TS[static_cast<size_t>(p2 - 1)]);
}

void Trichter_bemessen(Innen_Ablauf& a, int D, float B, float s) {
    const double Q = std::max(a.Abfluss_l_s, 0.0f), h = a.Druck_mm;
    const float frei = B - 0.1f * static_cast<float>(D);  // bottom width beside the pipe
    a.frei_mm = frei;
    // no water stands above an unsized outlet
    a.rund_moeglich = a.eckig_moeglich = false;
    if (!(h > 0)) return;
    float d = static_cast<float>(7500 * Q / (std::pow(h, 1.5) * s));
    // head above half the diameter: the orifice rule replaces the weir rule
    if (d / 2.0f < a.Druck_mm) d = static_cast<float>(std::sqrt(15000 * Q / (std::pow(h, 0.5) * s)));
    a.Trichter_rund_mm = d;
    a.rund_moeglich = !(frei < d);

    float P = static_cast<float>(24000 * Q / (std::pow(h, 1.5) * s));
    float seite = P / 4.0f;
    if (P > 0 && 2.0 * seite * seite / P < h) {
        const float flaeche = static_cast<float>(12000 * Q / (std::pow(h, 0.5) * s));
        seite = static_cast<float>(std::sqrt(static_cast<double>(flaeche)));
        P = 4.0f * seite;
    }
    float L = seite, T = seite;
    // too wide for the bottom: a rectangle of the same perimeter, longer along the gutter
    if (frei < L) {
        L = frei;
        T = (P - 2.0f * L) / 2.0f;
    }
    a.Trichter_L_mm = L;
    a.Trichter_T_mm = T;
    a.eckig_moeglich = !(L < static_cast<float>(D));
}

}  // namespace

void Ablaeufe_berechnen(Innenlauf& lauf) {
    Innen_Werte& w = lauf.w;
    w.Schutzkorbfaktor = lauf.e.Schutzkorb ? 0.5f : 1.0f;
    w.Fallrohr_unter_75 = false;
    for (int k = 1; k <= 4; ++k) {
        Innen_Ablauf& a = w.Ablauf[static_cast<size_t>(k - 1)];
        const float Q = lauf.l.Belastung_Fallrohr[static_cast<size_t>(k - 1)];
        const Fallrohrgroesse fallrohr = Fallrohr_nachschlagen(Fallrohr_Tabelle_Trichter, Q);
        a.Fallrohr_mm = fallrohr.mm;
        a.Fallrohr_Kapazitaet_l_s = fallrohr.Kapazitaet_l_s;
        if (Q != 0 && a.Fallrohr_mm && *a.Fallrohr_mm < 75) w.Fallrohr_unter_75 = true;
        // an outlet without flow repeats the funnels of the one before it
        if (k >= 2 && Q <= 0) {
            a = w.Ablauf[static_cast<size_t>(k - 2)];
            a.Fallrohr_mm = fallrohr.mm;
            a.Fallrohr_Kapazitaet_l_s = fallrohr.Kapazitaet_l_s;
            continue;
        }
        a.Abfluss_l_s = Q;
        a.Druck_mm = Kopf(w, k);
        Trichter_bemessen(a, fallrohr.mm.value_or(Fallrohr_Durchmesser.back()), w.Rinnenbreite_unten_mm,
                          w.Schutzkorbfaktor);
        // no funnel leads into a pipe that no table has
        if (!fallrohr.mm) a.rund_moeglich = a.eckig_moeglich = false;
    }
}

}  // namespace dkm
