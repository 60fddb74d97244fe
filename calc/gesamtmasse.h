// Total mode: the even split of total length and area over the segments.
#pragma once

#include <cstdint>
#include <optional>

#include "model/rechenwerte.h"

namespace dkm {

struct Aufteilung {
    float Gesamtlaenge = 0, Gesamtflaeche = 0;
    bool Anzahl_lesbar = true;  // the outlet count fits a 16-bit integer
    int Anzahl_Stutzen = 0;
    std::optional<Ablaufanordnung> Anordnung;
    float n = 0;                // Anzahl_Teilstrecken
    float laenge_m = 0, flaeche_m2 = 0;
    int erste_ts = 1, letzte_ts = 0;  // placed segments (1-based); none when letzte < erste
    bool Option8_mit_einem_Ablauf = false;
    bool hinweise = false;      // not all segments fit: the notes Text28 and Text29 say so
};

Aufteilung Aufteilung_rechnen(float gesamtlaenge, float gesamtflaeche, std::optional<int16_t> anzahl_stutzen,
                              std::optional<Ablaufanordnung> anordnung);
bool Aufteilung_im_Bereich(const Aufteilung& a);

}  // namespace dkm
