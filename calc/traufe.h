// Eaves gutter sizing: standard sizes, sizes to measure, and the drop outlets the
// governing semicircular size allows.
#pragma once

#include <array>
#include <limits>

#include "calc/hydraulik.h"
#include "model/rechenwerte.h"

namespace dkm {

// Up to `bis_l_s` (inclusive) a drop outlet of `mm` (or either of `mm` and `oder_mm`) fits; a row's
// stages run up to the largest flow its gutter takes; an unused stage has mm 0.
struct Einhang_Stufe {
    float bis_l_s = 0;
    int mm = 0, oder_mm = 0;
};
inline constexpr float Einhang_alles = std::numeric_limits<float>::infinity();

// A semicircular standard size carries the drop outlets it takes, so that no size is without them.
struct Rinne_halbrund {
    int zuschnitt_mm;
    float A_E_mm2, W_mm;
    std::array<Einhang_Stufe, 2> einhangstutzen;
};
struct Rinne_Kasten {
    int zuschnitt_mm;
    float A_E_mm2, W_mm, T_mm, B_mm;
};

inline constexpr auto Rinnengroesse_Tabelle_halbrund = std::to_array<Rinne_halbrund>({
    {200, 3153, 48, {{{1.6f, 60}}}},
    {250, 5274, 62, {{{2.0f, 60}, {2.5f, 80}}}},
    {285, 7476, 72.5f, {{{3.5f, 80}, {4.1f, 100}}}},
    {333, 10722, 86.5f, {{{7.0f, 80, 100}, {7.4f, 100}}}},
    {400, 16588, 107, {{{10.0f, 100}, {12.0f, 125}}}},
    {500, 27293, 136, {{{Einhang_alles, 150}}}},
});

inline constexpr auto Rinnengroesse_Tabelle_Kasten = std::to_array<Rinne_Kasten>({
    {200, 2940, 42, 70, 70},
    {250, 4675, 55, 85, 85},
    {333, 9000, 75, 120, 120},
    {400, 13500, 90, 150, 150},
    {500, 22000, 110, 200, 200},
});

// The standard sizes offered are the rows above, in ascending order; the governing segment is the
// one needing the largest, so a larger row must come later.
template <class Tabelle>
constexpr bool aufsteigend(const Tabelle& t) {
    for (size_t i = 1; i < t.size(); ++i)
        if (!(t[i - 1].zuschnitt_mm < t[i].zuschnitt_mm)) return false;
    return true;
}
constexpr bool mit_Einhangstutzen(const Rinne_halbrund& r) {
    return r.einhangstutzen[0].mm > 0 && r.einhangstutzen[0].bis_l_s > 0;
}
static_assert(aufsteigend(Rinnengroesse_Tabelle_halbrund) && aufsteigend(Rinnengroesse_Tabelle_Kasten));
static_assert(Rinnengroesse_Tabelle_halbrund.size() <= Standardgroessen_hoechstens &&
              Rinnengroesse_Tabelle_Kasten.size() <= Standardgroessen_hoechstens);
static_assert([] {
    for (const Rinne_halbrund& r : Rinnengroesse_Tabelle_halbrund)
        if (!mit_Einhangstutzen(r)) return false;
    return true;
}(), "every semicircular standard size names its drop outlets");

// Capacities in l/s; L and W in mm, A_E in mm².
float Kapazitaet_halbrund(float A_E, float W, float L, float winkelfaktor, float schutzkorbfaktor);
float Kapazitaet_Kasten(float A_E, float W, float T, float B, float L, float winkelfaktor);

// Searches to measure start here and give up one step beyond the last size tried.
inline constexpr int Suche_Start_mm = 60;

// Smallest semicircular diameter / rectangular width (mm) that carries q,
// exactly as a 1-mm search from 60 mm; 60 + 100000 when none does.
int Durchmesser_nach_Bedarf(float q, float L, float winkelfaktor, float schutzkorbfaktor, float hindernisabzug);
int Breite_nach_Bedarf(float q, float L, float winkelfaktor, float verhaeltnis_hb, float hindernisabzug);

// The ratio as the sizing uses it: 0 means 0.625.
float Verhaeltnis_HB(float gelesen);
// The eaves sizing would multiply a value beyond the float range.
bool Traufe_im_Bereich(float verhaeltnis_hb, const Lasten& l, const std::array<float, 8>& winkelfaktor);

// The eaves sizing over the Teilstreckentabelle. `gesamtflaeche` decides nothing here: the
// display shows no size while it is 0.
Traufe_Werte Traufe_berechnen(const Lasten& l, float verhaeltnis_hb, bool schutzkorb);

// The drop outlet the governing semicircular size (a row of its table; none when no size suffices)
// takes for the outlet flow q; none when it takes none.
std::optional<Einhangstutzen> Einhangstutzen_fuer(std::optional<size_t> halbrund, float q);
// The three downpipes of each outlet and the note on pipes below 75 mm.
void Fallrohre_waehlen(Traufe_Werte& tw, const std::array<float, 4>& abfluss);

}  // namespace dkm
