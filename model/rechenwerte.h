// Working values of the calculation that outlive one procedure: the segment
// table and what the sizing stores for the report and the correction window.
#pragma once

#include <array>
#include <string>

#include "model/innen_werte.h"
#include "model/traufe_werte.h"

namespace dkm {

// Marker for a downpipe flow beyond the 300 mm capacity, as the result values store it.
inline constexpr int Fallrohr_zu_gross = 1111;

// One row of the Teilstreckentabelle.
struct Teilstrecke {
    float laenge_m = 0;
    float flaeche_m2 = 0;
    float abfluss_l_s = 0;            // design flow
    float abfluss_jahrhundert_l_s = 0;  // 100-year flow
    float winkelfaktor = 1;
};

struct Rechenwerte {
    std::array<Teilstrecke, 8> Teilstreckentabelle{};
    // Working values of Neuberechnung, kept for the sizing and the report.
    std::array<float, 8> Laenge{}, Breite{}, Zusatz_Flaeche{}, Einzel_Flaeche{}, Belast_Teilrinne{},
        Belast_Jahrhundert{};
    std::array<float, 4> Flaeche_Fallrohr{}, Belastung_Fallrohr{};
    float Gesamtlaenge = 0, Gesamtflaeche = 0;
    float r5_5 = 0, r5_100 = 0;
    float Hindernisabzug = 0, Bemessungsspende = 0, Notspende = 0;
    int Anzahl_Stutzen = 0;
    float Anzahl_Teilstrecken = 0;
    Traufe_Werte traufe;
    Innen_Werte innen;
};

}  // namespace dkm
