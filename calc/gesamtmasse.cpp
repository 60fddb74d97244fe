#include "calc/gesamtmasse.h"

#include <algorithm>
#include <cmath>

namespace dkm {

Aufteilung Aufteilung_rechnen(float gesamtlaenge, float gesamtflaeche, std::optional<int16_t> anzahl_stutzen,
                              std::optional<Ablaufanordnung> anordnung) {
    Aufteilung a;
    a.Gesamtlaenge = gesamtlaenge;
    a.Gesamtflaeche = gesamtflaeche;
    a.Anzahl_lesbar = anzahl_stutzen.has_value();
    a.Anzahl_Stutzen = anzahl_stutzen.value_or(0);
    a.Anordnung = anordnung;
    const float s = static_cast<float>(a.Anzahl_Stutzen);

    // No arrangement chosen (a project file with an unknown text): nothing to place.
    if (!anordnung) return a;
    switch (*anordnung) {
    case Ablaufanordnung::alle_innerhalb: a.n = 2 * s; break;
    case Ablaufanordnung::eine_Seite_aussen: a.n = 2 * s - 1; break;
    case Ablaufanordnung::beidseits_aussen: a.n = 2 * s - 2; break;
    }
    a.Option8_mit_einem_Ablauf = anordnung == Ablaufanordnung::beidseits_aussen && a.Anzahl_Stutzen == 1;
    // One outlet at both gutter ends leaves no segment to divide by: the gutter has none.
    if (!(a.n > 0)) return a;

    a.laenge_m = a.Gesamtlaenge / a.n;
    a.flaeche_m2 = a.Gesamtflaeche / a.n;
    const int n = static_cast<int>(std::min(a.n, 8.0f));
    if (anordnung == Ablaufanordnung::alle_innerhalb) {
        a.erste_ts = 1;
        a.letzte_ts = n;
        a.hinweise = a.n > 8;
    } else {
        a.erste_ts = 2;
        a.letzte_ts = std::min(n + 1, 8);
        a.hinweise = a.n > (anordnung == Ablaufanordnung::eine_Seite_aussen ? 7 : 6);
    }
    return a;
}

bool Aufteilung_im_Bereich(const Aufteilung& a) {
    return a.Anzahl_lesbar && std::isfinite(a.Gesamtlaenge) && std::isfinite(a.Gesamtflaeche) &&
           std::isfinite(a.laenge_m) && std::isfinite(a.flaeche_m2);
}

}  // namespace dkm
