// Shared set-up of the eaves engine tests: a window in its start state and a
// Dialoge that records what the engine asks and tells.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/dialoge.h"
#include "model/formular.h"
#include "model/startzustand.h"

namespace dkm::test {

struct Aufzeichnung : Dialoge {
    std::vector<std::pair<std::string, std::string>> meldungen;
    std::vector<std::string> fragen;
    bool antwort = true;
    int pieptoene = 0;

    void meldung(const std::string& titel, const std::string& text) override { meldungen.emplace_back(titel, text); }
    bool frage(const std::string& titel, const std::string&) override {
        fragen.push_back(titel);
        return antwort;
    }
    void piepton() override { ++pieptoene; }
    std::vector<std::string> titel() const {
        std::vector<std::string> t;
        for (const auto& m : meldungen) t.push_back(m.first);
        return t;
    }
};

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

inline std::vector<std::string> Zeilen(const Formular& f, int bild) { return f.Picture(bild).texte(); }

}  // namespace dkm::test
