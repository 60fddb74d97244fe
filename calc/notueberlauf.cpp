// Emergency overflows of an internal gutter: head pieces at the ends, or openings in the long side.
#include <cmath>
#include <limits>

#include "calc/innen_schritte.h"

namespace dkm {

namespace {

// Rows of the round overflow, from the largest flow per head down.
struct Rundzeile {
    float x_ab;  // row applies above this x (l/s per mm²)
    float fest_mm;  // diameter while the head is below the threshold
    float schwelle, zuschlag;
    bool runden;
};
constexpr Rundzeile Rundzeilen[] = {
    {0.00082f, 300, 280, 20, false},
    {0.000675f, 250, 235, 15, false},
    {0.000579f, 200, 185, 15, true},
    {0.0004938f, 150, 140, 10, true},
    {-std::numeric_limits<float>::infinity(), 100, 90, 10, true},
};

}  // namespace

Rundueberlauf Rundueberlauf_fuer(float Q_o, float h_v) {
    using Art = Rundueberlauf::Art;
    const float x = static_cast<float>(static_cast<double>(Q_o) / (static_cast<double>(h_v) * h_v));
    if (x > 0.0009157f) return {Art::zu_gross, 0};
    for (const Rundzeile& z : Rundzeilen) {
        if (!(x > z.x_ab)) continue;
        if (h_v < z.schwelle) return {Art::fest, z.fest_mm};
        float d = h_v + z.zuschlag;
        if (z.runden) d = static_cast<float>(std::floor(static_cast<double>(d) + 0.5));
        return {Art::berechnet, d};
    }
    return {};
}

int Anzahl_Ablaeufe(const Lasten& l) {
    int k = 2;
    while (k <= 8 && l.Teilstreckentabelle[static_cast<size_t>(k - 1)].laenge_m != 0) ++k;
    // the first empty segment from TS 2 on tells the number of outlets
    static constexpr int nach_k[] = {1, 1, 2, 2, 3, 3, 4, 4};
    return nach_k[k - 2];
}

void Notueberlauf_berechnen(Innenlauf& lauf) {
    Innen_Werte& w = lauf.w;
    w.Art = lauf.e.Notueberlauf_Art;
    const Querschnitt* q = w.Gewaehlt();
    if (!q) return;
    w.Montagehoehe_mm = w.Bemessungstiefe;
    w.Notabfluss_l_s = q->Notabfluss_l_s;
    w.Notdruck_mm = q->Druck_mm;
    if (q != &w.Laengsseite) return;
    const double h_v = w.Notdruck_mm;
    w.Oeffnung_Breite_mm = static_cast<float>(24000 * static_cast<double>(w.Notabfluss_l_s) / std::pow(h_v, 1.5));
    w.Oeffnung_Hoehe_mm = w.Laengsseite.Notstauhoehe_mm + w.Hoehenkorrektur_mm;
    w.rund = Rundueberlauf_fuer(w.Notabfluss_l_s, w.Notdruck_mm);
}

}  // namespace dkm
