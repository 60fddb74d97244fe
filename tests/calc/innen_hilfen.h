// Set-up shared by the internal-gutter tests: an internal gutter in the start
// state, and a Dialoge that records the messages in order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/engine.h"
#include "model/dialoge.h"
#include "model/formular.h"
#include "model/startzustand.h"

namespace dkm::innen_test {

struct Protokoll : Dialoge {
    std::vector<std::pair<std::string, std::string>> meldungen;
    void meldung(const std::string& titel, const std::string& text) override { meldungen.emplace_back(titel, text); }
    bool frage(const std::string&, const std::string&) override { return true; }
    size_t anzahl(const std::string& titel) const {
        size_t n = 0;
        for (const auto& m : meldungen) n += m.first == titel;
        return n;
    }
};

// Internal gutter, B = 300, both walls vertical, r(5,5) = 300, r(5,100) = 600,
// overflows at both ends; segments 10 m × 10 m (3.00 l/s each) for TS 1..n.
inline Formular Innenrinne(int segmente = 2) {
    Formular f;
    Startzustand(f, nullptr);
    f[T::r5_5] = "300";
    f[T::r5_100] = "600";
    f[S::Option1] = false;
    f[S::Option2] = true;
    f.Rinnenart = "innenliegend";
    f[T::Text2] = "300";
    f[T::Text3] = "90";
    f[T::Text4] = "90";
    for (int i = 1; i <= segmente; ++i) {
        f[Laenge(i)] = "10";
        f[Breite(i)] = "10";
    }
    return f;
}

inline void Laengsseite(Formular& f, const std::string& anzahl) {
    f[S::Option3] = f[S::Option4] = false;
    f[S::Option5] = true;
    f[T::Text30] = anzahl;
}

inline void Segment(Formular& f, int i, const std::string& laenge, const std::string& breite,
                    const std::string& zusatz = "") {
    f[Laenge(i)] = laenge;
    f[Breite(i)] = breite;
    f[Zusatz_Flaeche(i)] = zusatz;
}

inline Protokoll Rechnen(Formular& f) {
    Protokoll p;
    Neuberechnung(f, p);
    return p;
}

inline std::vector<std::string> Zeilen(const Formular& f, int bild) { return f.Picture(bild).texte(); }

// No box of the internal gutter shows an unusable number.
inline bool ohne_inf_nan(const Formular& f) {
    for (int n : {25, 26, 27, 29, 30, 31, 32, 34, 35})
        for (const std::string& z : f.Picture(n).texte())
            if (z.find("inf") != std::string::npos || z.find("nan") != std::string::npos) return false;
    for (const Strich& s : f.Picture(28).zeichnung.striche)
        if (!(s.x1 == s.x1 && s.y1 == s.y1 && s.x2 == s.x2 && s.y2 == s.y2)) return false;
    return f[T::Text31].find("inf") == std::string::npos && f[T::Text32].find("inf") == std::string::npos;
}

}  // namespace dkm::innen_test
