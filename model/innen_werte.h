// What the internal-gutter sizing finds, as numbers, for the window, the report,
// the correction window and dkm-rechner.
#pragma once

#include <array>
#include <optional>

namespace dkm {

// Where the emergency overflows are (Option3, Option4, Option5).
enum class Notueberlauf { beidseits, eineSeite, Laengsseite };

// One emergency arrangement: the layer above the design depth and the gutter it gives.
struct Querschnitt {
    float Fliesslaenge_mm = 0;   // flow length to the overflow
    float Notabfluss_Schicht_l_s = 0;  // what one emergency layer must carry
    float Notabfluss_l_s = 0;    // flow of one overflow
    float Notstauhoehe_mm = 0;   // h2
    float Kapazitaet_l_s = 0, Kapazitaet_darunter_l_s = 0;  // of the layer at h2 and at h2 - 1 mm
    float Spiegelbreite_oben_mm = 0;  // T2, water surface at the top of the layer
    float Druck_mm = 0;          // available head at the overflow
    // Derived only while the roof has an area.
    bool berechnet = false;
    float Wassertiefe_mm = 0;    // W, total water depth (with the height correction)
    float Freibord_mm = 0;
    float Hoehe_mm = 0;          // Z
    float oben_mm = 0;           // top width
    float unten_mm = 0;          // bottom width B
    float Wand_links_mm = 0, Wand_rechts_mm = 0;
    float Zuschnitt_mm = 0;      // blank width
    float Versatz_links_mm = 0;  // how far the top of the left wall leans out
};

// The round overflow on the long side: a diameter from head and flow, one fixed by its row while the
// head is below the row's threshold, or none above 300 mm.
struct Rundueberlauf {
    enum class Art { keiner, zu_gross, fest, berechnet } art = Art::keiner;
    float Durchmesser_mm = 0;
};

// One outlet of the internal gutter with its downpipe and funnels.
struct Innen_Ablauf {
    float Abfluss_l_s = 0;       // the flow its funnels are sized for
    std::optional<int> Fallrohr_mm;  // none beyond 300 mm
    float Fallrohr_Kapazitaet_l_s = 0;  // of that diameter in the table with funnel
    float Druck_mm = 0;          // available head
    float Trichter_rund_mm = 0;  // d
    float Trichter_L_mm = 0, Trichter_T_mm = 0;
    float frei_mm = 0;           // bottom width beside the pipe
    bool rund_moeglich = false, eckig_moeglich = false;
};

struct Innen_Werte {
    // Design layer, by position (TS 1 empty shifts everything one position down).
    std::array<float, 8> Wassertiefe_TS{}, Druckhoehe_TS{}, Spiegelbreite_TS{};
    // Capacity at the design depth of each position and one millimetre less (0 at a depth of 1 mm).
    std::array<float, 8> Kapazitaet_TS{}, Kapazitaet_darunter_TS{};
    int Positionsversatz = 0;
    int Anzahl_TS_belastet = 0;
    float Bemessungstiefe = 0;
    int Position_massgebend = 0;
    float Spiegelbreite = 0;
    float massgebend_Flaeche_m2 = 0, massgebend_Abfluss_l_s = 0, massgebend_Jahrhundert_l_s = 0;
    float massgebend_Winkelfaktor = 1, massgebend_Laenge_mm = 0;

    // Inputs as the run used them.
    float Rinnenbreite_unten_mm = 0;
    float Winkel_links = 0, Winkel_rechts = 0;  // degrees, after correction
    int Anzahl_Notueberlaeufe = 1;
    float Hoehenkorrektur_mm = 0;
    float Gesamtlaenge_m = 0, Summe_Abfluss_l_s = 0, Summe_Jahrhundert_l_s = 0;
    float Notabfluss_gesamt_l_s = 0;  // D
    float Winkelfaktor_Rinne = 1;

    Querschnitt beidseits, eineSeite, Laengsseite;

    // The chosen arrangement and its emergency overflows.
    std::optional<Notueberlauf> Art;
    float Montagehoehe_mm = 0;   // head pieces = mounting height = Bemessungstiefe
    float Notabfluss_l_s = 0;    // Q_o
    float Notdruck_mm = 0;       // h_v
    float Oeffnung_Breite_mm = 0, Oeffnung_Hoehe_mm = 0;  // long side only
    Rundueberlauf rund;          // long side only

    // Outlets 1..4.
    int Anzahl_Ablaeufe = 0;
    std::array<Innen_Ablauf, 4> Ablauf{};
    float Schutzkorbfaktor = 1;
    bool Fallrohr_unter_75 = false;
    bool Ablaeufe_bemessen = false;  // the outlets were sized in this run

    // A depth search ran to its step limit in this run.
    bool Suchgrenze_erreicht = false;

    const Querschnitt* Gewaehlt() const {
        if (!Art) return nullptr;
        return *Art == Notueberlauf::beidseits ? &beidseits : *Art == Notueberlauf::eineSeite ? &eineSeite : &Laengsseite;
    }
};

}  // namespace dkm
