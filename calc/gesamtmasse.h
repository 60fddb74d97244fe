// Total mode: the even split of total length and area, computed apart from
// applying it so that a refused run changes nothing.
#pragma once

#include <string>

#include "model/formular.h"

namespace dkm {

struct Aufteilung {
    float Gesamtlaenge = 0, Gesamtflaeche = 0;
    bool Anzahl_lesbar = true;  // the outlet count fits a 16-bit integer
    int Anzahl_Stutzen = 0;
    float n = 0;                // Anzahl_Teilstrecken
    float laenge_m = 0, flaeche_m2 = 0;
    int erste_ts = 1, letzte_ts = 0;  // placed segments (1-based); none when letzte < erste
    bool Option8_mit_einem_Ablauf = false;
    bool hinweise = false;
    std::string Text28, Text29;
};

Aufteilung Aufteilung_rechnen(const Formular& f);
bool Aufteilung_im_Bereich(const Aufteilung& a);
// Writes the segment boxes, the notes and the working values of the split.
void Aufteilung_anwenden(Formular& f, const Aufteilung& a);

}  // namespace dkm
