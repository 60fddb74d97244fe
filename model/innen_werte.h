// What the internal-gutter sizing stores for the report and the correction window.
#pragma once

#include <array>
#include <string>

namespace dkm {

// One emergency arrangement: the layer above the design depth and the gutter it gives.
struct Querschnitt {
    float Fliesslaenge_mm = 0;   // flow length to the overflow
    float Notabfluss_Schicht_l_s = 0;  // what one emergency layer must carry
    float Notabfluss_l_s = 0;    // flow of one overflow
    float Notstauhoehe_mm = 0;   // h2
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

// One outlet of the internal gutter with its downpipe and funnels.
struct Innen_Ablauf {
    float Abfluss_l_s = 0;       // the flow its funnels are sized for
    int Fallrohr_mm = 0;         // diameter, or Fallrohr_zu_gross
    float Druck_mm = 0;          // available head
    float Trichter_rund_mm = 0;  // d
    float Trichter_L_mm = 0, Trichter_T_mm = 0;
    std::string Hinweis_rund, Hinweis_eckig;  // empty when the form is possible
};

struct Innen_Werte {
    // Design layer, by position (TS 1 empty shifts everything one position down).
    std::array<float, 8> Wassertiefe_TS{}, Druckhoehe_TS{};
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

    // The chosen arrangement, copied for the sketch and the report.
    std::string Notueberlauf_Art;  // "Notüberlauf_beidseits", ... or empty
    struct {
        float oben_mm = 0, unten_mm = 0, Hoehe_mm = 0, Wassertiefe_mm = 0, Versatz_links_mm = 0;
    } Auswahl;

    // Emergency overflows of the chosen arrangement.
    float Montagehoehe_mm = 0;   // head pieces = mounting height = Bemessungstiefe
    float Notabfluss_l_s = 0;    // Q_o
    float Notdruck_mm = 0;       // h_v
    float Oeffnung_Breite_mm = 0, Oeffnung_Hoehe_mm = 0;  // long side only
    std::string Durchmesser_Text;  // round overflow, long side only

    // Outlets 1..4 and what the window shows about them.
    int Anzahl_Ablaeufe = 0;
    std::array<Innen_Ablauf, 4> Ablauf{};
    float Schutzkorbfaktor = 1;
    bool Fallrohr_unter_75 = false;
    bool Rinnenkasten_moeglich = true;
    bool Ablaeufe_bemessen = false;  // the outlets were sized in this run

    // A depth search ran to its step limit in this run.
    bool Suchgrenze_erreicht = false;
};

}  // namespace dkm
