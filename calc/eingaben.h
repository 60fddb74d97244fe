// The inputs of a recalculation, read from the record by the leading-number
// rule: the engine itself never looks at a text box.
#pragma once

#include <array>
#include <optional>

#include "model/erfolg.h"
#include "model/formular.h"
#include "model/rechenwerte.h"

namespace dkm {

// The 24 segment fields as numbers (Teilstrecken_einlesen).
struct Segmentwerte {
    std::array<float, 8> Laenge{}, Breite{}, Zusatz_Flaeche{};
};
Segmentwerte Teilstrecken_einlesen(const Formular& f);

// The segments with a length but no area, or an area but no length (TS 1..8), for Eingabepruefung.
struct Massluecke {
    int ts;
    bool laenge_ohne_flaeche;
};
std::vector<Massluecke> Massluecken(const Segmentwerte& s);

struct Eingaben {
    Rinne Rinnenart = Rinne::vorgehaengt;
    Masseingabe Eingabe_Art = Masseingabe::einzel;
    Segmentwerte segmente;
    // Total mode: the totals and how the outlets sit (none chosen: no segment is placed).
    float Gesamtlaenge = 0, Gesamtflaeche = 0;
    std::optional<int16_t> Anzahl_Stutzen = 0;  // none when the count does not fit 16 bits
    std::optional<Ablaufanordnung> Anordnung = Ablaufanordnung::alle_innerhalb;
    double r5_5 = 0, r5_100 = 0;        // l/(s·ha) as typed; 0 takes the default
    int Abflussbeiwert_Index = 0;
    float Sicherheitsfaktor = 1;        // by the list's text, else the one held so far
    float Verhaeltnis_HB = 0;           // Text1 as typed
    float Rinnenbreite_unten = 0;       // Text2, mm
    float Winkel_links = 0, Winkel_rechts = 0;  // Text3, Text4, degrees
    float Hindernis_cm2 = 0;            // Text5
    double Anzahl_Notueberlaeufe = 0;   // Text30 as typed
    std::optional<Notueberlauf> Notueberlauf_Art = Notueberlauf::beidseits;
    Notregen Notueberlauf_Regen = Notregen::abzueglich;
    bool Schutzkorb = false;
    std::array<float, 8> Winkelfaktor{1, 1, 1, 1, 1, 1, 1, 1};
    float Hoehenkorrektur = 0;          // mm
};

// Every number the user or a file can give the calculation, within the input range; a failure
// (title and text of the message) names the first one that is not.
Erfolg<Eingaben> Eingaben_lesen(const Formular& f);

}  // namespace dkm
