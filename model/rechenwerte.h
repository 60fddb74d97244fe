// The numbers of the last recalculation: the segment table, the loads, and what
// the sizing found. The engine writes them; the window, the report and
// dkm-rechner read them, each formatting what it shows.
#pragma once

#include <array>

#include "model/innen_werte.h"
#include "model/traufe_werte.h"

namespace dkm {

// One row of the Teilstreckentabelle.
struct Teilstrecke {
    float laenge_m = 0;
    float flaeche_m2 = 0;
    float abfluss_l_s = 0;            // design flow
    float abfluss_jahrhundert_l_s = 0;  // 100-year flow
    float winkelfaktor = 1;
};

// Where the outlets of a gutter entered as totals sit (Option6, Option7, Option8).
enum class Ablaufanordnung { alle_innerhalb, eine_Seite_aussen, beidseits_aussen };

// The loads of a run: what every recalculation computes before it sizes anything.
struct Lasten {
    std::array<Teilstrecke, 8> Teilstreckentabelle{};
    std::array<float, 8> Laenge{}, Breite{}, Zusatz_Flaeche{}, Einzel_Flaeche{}, Belast_Teilrinne{},
        Belast_Jahrhundert{};
    std::array<float, 4> Flaeche_Fallrohr{}, Belastung_Fallrohr{};
    float Gesamtlaenge = 0, Gesamtflaeche = 0;
    float r5_5 = 0, r5_100 = 0;  // l/(s·ha), after 0 became its default
    float Abflussbeiwert = 1, Sicherheitsfaktor = 1;
    float Hindernisabzug = 0;    // mm²
    float Bemessungsspende = 0, Notspende = 0;  // l/(s·m²)
    int Anzahl_Stutzen = 0;
    float Anzahl_Teilstrecken = 0;
};

struct Rechenwerte : Lasten {
    Traufe_Werte traufe;
    Innen_Werte innen;
};

}  // namespace dkm
