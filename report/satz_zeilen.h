// Laying out the lines of a report page: items at their tab columns, user texts
// shortened or wrapped at the margin. In report units (twips before the scale).
#pragma once

#include <string>
#include <vector>

#include "report/satz.h"

namespace dkm::bericht {

inline constexpr double unbegrenzt = 1e300;

// A text piece in report units, before the scale is applied.
struct Gesetzt {
    Textstueck t;
    size_t zeile = 0;   // of the report page
    bool frei = false;  // a user's text or what follows it on its line: no part of the fit
    bool sichtbar() const { return t.rechts > t.links; }
};

struct Seitenlage {
    std::vector<Gesetzt> texte;
    std::vector<double> mehr;  // height a line took beyond its one step
    double unten = 0;          // bottom of the lowest visible text
};

// The lines of a page; no text passes `rechts` (unbegrenzt: as they come, for measuring).
Seitenlage Zeilen_setzen(const Bericht& b, const Schriftmass& m, const Seite& s, double rechts);

}  // namespace dkm::bericht
