// Internal gutter in the start state: B = 300, both walls vertical, overflows at
// both ends; TS 1..n each 10 m × 10 m (3.00 l/s).
#pragma once

#include "bedienung/neuberechnung.h"
#include "calc/hydraulik.h"
#include "traufe_hilfen.h"

namespace dkm::test {

// The plain 1-mm depth search, against which the engine's faster one is checked.
template <class Genuegt>
int Tiefe_suchen_schrittweise(Genuegt&& genuegt, bool& grenze) {
    for (int h = 1; h <= Suchgrenze_Schritte; ++h)
        if (genuegt(h)) return h;
    grenze = true;
    return Suchgrenze_Schritte + 1;
}

inline Formular Innenrinne(int segmente = 2) {
    Formular f = Startformular();
    Rinnenart_setzen(f, Rinne::innenliegend);
    f[T::Text2] = "300";
    f[T::Text3] = f[T::Text4] = "90";
    for (int i = 1; i <= segmente; ++i) Segment(f, i, "10", "10");
    return f;
}

inline void Laengsseite(Formular& f, const std::string& anzahl) {
    f[S::Option3] = f[S::Option4] = false;
    f[S::Option5] = true;
    f[T::Text30] = anzahl;
}

inline Skript_Dialoge Rechnen(Formular& f) {
    Skript_Dialoge d;
    Neuberechnung(f, d);
    return d;
}

// No box of the internal gutter shows an unusable number.
inline bool ohne_inf_nan(const Formular& f) {
    for (int n : {25, 26, 27, 29, 30, 31, 32, 34, 35})
        for (const std::string& z : Zeilen(f, n))
            if (z.find("inf") != std::string::npos || z.find("nan") != std::string::npos) return false;
    for (const Strich& s : f.Picture(28).zeichnung.striche)
        if (!(s.x1 == s.x1 && s.y1 == s.y1 && s.x2 == s.x2 && s.y2 == s.y2)) return false;
    return f[T::Text31].find("inf") == std::string::npos && f[T::Text32].find("inf") == std::string::npos;
}

}  // namespace dkm::test
