// Eaves gutter sizing: standard sizes, sizes to measure, the width buttons.
#pragma once

#include <array>

#include "calc/hydraulik.h"
#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

struct Rinne_halbrund {
    int zuschnitt_mm;
    float A_E_mm2, W_mm;
};
struct Rinne_Kasten {
    int zuschnitt_mm;
    float A_E_mm2, W_mm, T_mm, B_mm;
};
extern const std::array<Rinne_halbrund, 6> Rinnengroesse_Tabelle_halbrund;
extern const std::array<Rinne_Kasten, 5> Rinnengroesse_Tabelle_Kasten;

// Capacities in l/s; L and W in mm, A_E in mm².
float Kapazitaet_halbrund(float A_E, float W, float L, float winkelfaktor, float schutzkorbfaktor);
float Kapazitaet_Kasten(float A_E, float W, float T, float B, float L, float winkelfaktor);

// Searches to measure start here and give up one step beyond the last size tried.
inline constexpr int Suche_Start_mm = 60;

// Smallest semicircular diameter / rectangular width (mm) that carries q,
// exactly as a 1-mm search from 60 mm; 60 + 100000 when none does.
int Durchmesser_nach_Bedarf(float q, float L, float winkelfaktor, float schutzkorbfaktor, float hindernisabzug);
int Breite_nach_Bedarf(float q, float L, float winkelfaktor, float verhaeltnis_hb, float hindernisabzug);

// The ratio as the sizing uses it: Text1, 0 replaced by 0.625.
float Verhaeltnis_HB_lesen(const Formular& f);

// The eaves sizing over the Teilstreckentabelle: Picture1..4, f.werte.traufe.
void Traufe_berechnen(Formular& f, Dialoge& d);

}  // namespace dkm
