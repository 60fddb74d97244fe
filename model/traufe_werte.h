// What the eaves sizing and the downpipe choice find, as numbers: the window,
// the report and dkm-rechner each format them their own way.
#pragma once

#include <array>
#include <optional>

namespace dkm {

// The most rows a standard size table has (semicircular 6, box 5).
inline constexpr size_t Standardgroessen_hoechstens = 6;

// One standard size tried for one segment.
struct Groesse_versucht {
    int Zuschnitt_mm = 0;    // blank width, the name of the size
    float W_mm = 0;          // water depth of the size
    float L_W = 0;           // segment length over water depth
    float Langrinnenfaktor = 1;  // 1 up to L/W 50
    float Kapazitaet_l_s = 0;
};

// The standard sizes of one table for one segment: each size tried in ascending order up
// to the first whose capacity exceeds the flow, or all of them when none does.
struct Standardwahl {
    std::array<Groesse_versucht, Standardgroessen_hoechstens> versucht{};
    size_t anzahl_versucht = 0;
    std::optional<size_t> groesse;  // row of the table; none when no standard size suffices
    // The capacity shown for it: the chosen size's, or the largest size's when none suffices.
    float Kapazitaet_l_s() const { return anzahl_versucht ? versucht[anzahl_versucht - 1].Kapazitaet_l_s : 0; }
    // Its blank width; 0 tells that no standard size suffices.
    int Zuschnitt_mm() const { return groesse ? versucht[*groesse].Zuschnitt_mm : 0; }
};

// A gutter made to measure for one segment: the first size in 1-mm steps from 60 mm that carries the flow.
struct Mass_nach_Bedarf {
    float mm = 0;               // semicircle: diameter; rectangle: width
    float W_mm = 0;             // water depth at that size
    float L_W = 0;
    float Kapazitaet_l_s = 0;   // at that size
    float Kapazitaet_darunter_l_s = 0;  // one millimetre smaller, 0 where that is below 60 mm
};

struct Traufe_TS {
    bool belastet = false;   // has an area
    float L_mm = 0;
    float Abfluss_l_s = 0;
    float Winkelfaktor = 1;
    Standardwahl halbrund, kasten;
    Mass_nach_Bedarf rund, rechteckig;
};

// The guide diameter of a drop outlet: `mm`, or either of `mm` and `oder_mm` ("80 od. 100").
struct Einhangstutzen {
    int mm = 0;
    int oder_mm = 0;
    float bis_l_s = 0;  // the largest flow its row of the table takes
    bool operator==(const Einhangstutzen&) const = default;
};

// The three downpipe variants of one outlet; a diameter is missing beyond 300 mm, a drop outlet where none fits.
struct Fallrohr_Wahl {
    float Abfluss_l_s = 0;
    std::optional<int> mit_Trichter_mm, ohne_Trichter_mm;
    float mit_Trichter_Kapazitaet_l_s = 0, ohne_Trichter_Kapazitaet_l_s = 0;  // of the diameter chosen
    std::optional<Einhangstutzen> Einhang;
};

struct Traufe_Werte {
    std::array<Traufe_TS, 8> TS{};
    // The segment whose standard size governs (0-based), separately for both tables; none without a loaded segment.
    std::optional<size_t> massgebend_halbrund, massgebend_Kasten;
    float Durchmesser_nach_Bedarf = 0, Breite_nach_Bedarf = 0, Hoehe_nach_Bedarf = 0;
    float Verhaeltnis_HB = 0.625f;
    float Schutzkorbfaktor = 1;
    // L/W of the last loaded segment's sizes to measure (semicircle, rectangle).
    float x_R = 0, x_K = 0;
    bool Massfehler = false;   // L/W above 500
    bool Suchgrenze = false;   // a search to measure ran to its step limit
    std::array<Fallrohr_Wahl, 4> Fallrohr{};
    bool Fallrohr_unter_75 = false;  // a loaded outlet's downpipe with funnel is below 75 mm

    // The standard sizes of the governing segments (rows of their tables); none when no standard size
    // suffices. Their capacities are those shown: the largest size's when none suffices.
    std::optional<size_t> Standard_halbrund() const { return Wahl(massgebend_halbrund, &Traufe_TS::halbrund).groesse; }
    std::optional<size_t> Standard_Kasten() const { return Wahl(massgebend_Kasten, &Traufe_TS::kasten).groesse; }
    float Kapazitaet_halbrund() const { return Wahl(massgebend_halbrund, &Traufe_TS::halbrund).Kapazitaet_l_s(); }
    float Kapazitaet_Kasten() const { return Wahl(massgebend_Kasten, &Traufe_TS::kasten).Kapazitaet_l_s(); }
    int Zuschnitt_halbrund() const { return Wahl(massgebend_halbrund, &Traufe_TS::halbrund).Zuschnitt_mm(); }
    int Zuschnitt_Kasten() const { return Wahl(massgebend_Kasten, &Traufe_TS::kasten).Zuschnitt_mm(); }

private:
    Standardwahl Wahl(std::optional<size_t> ts, Standardwahl Traufe_TS::*tabelle) const {
        return ts ? TS[*ts].*tabelle : Standardwahl{};
    }
};

}  // namespace dkm
