// Shared set-up of the engine tests: a window in its start state, and the scripted dialogs.
#pragma once

#include <string>
#include <vector>

#include "common/skript_dialoge.h"
#include "model/dialoge.h"
#include "model/formular.h"
#include "model/startzustand.h"

namespace dkm::test {

using Texte = std::vector<std::string>;

// Start state with r(5,5) = 300 and r(5,100) = 600, C = 1, f = 1.
inline Formular Startformular() {
    Formular f;
    Startzustand(f, nullptr);
    f[T::r5_5] = "300";
    f[T::r5_100] = "600";
    return f;
}

inline void Segment(Formular& f, int i, const std::string& laenge, const std::string& breite,
                    const std::string& zusatz = "") {
    f[Laenge(i)] = laenge;
    f[Breite(i)] = breite;
    f[Zusatz_Flaeche(i)] = zusatz;
}

inline Texte Zeilen(const Formular& f, int bild) { return f.Picture(bild).texte(); }

}  // namespace dkm::test
