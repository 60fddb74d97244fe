// The window's behaviour on the record, driven as the window drives it: each input a user makes
// is the text put into its box and the box's leave handler, each click its handler.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"

namespace dkm::test {

class Bedienung : public ::testing::Test {
protected:
    Formular f = Startformular();  // r(5,5) = 300, r(5,100) = 600, C = 1, f = 1
    Skript_Dialoge d{&f};

    void tippen(T feld, const std::string& text) {
        f[feld] = text;
        Feld_verlassen(f, d, feld);
    }
    void tippen(std::initializer_list<std::pair<T, const char*>> eingaben) {
        for (const auto& [feld, text] : eingaben) tippen(feld, text);
    }
    void klick(S option) { Option_Click(f, d, option); }
    void klick(std::initializer_list<S> optionen) {
        for (S o : optionen) klick(o);
    }
    // An internal gutter with one loaded segment, overflows on the long side: 10 m x 8 m at 300 l/(s·ha).
    void innenrinne() {
        klick({S::Option2, S::Option5});
        tippen({{T::Laenge_1, "10"}, {T::Breite_1, "8"}});
    }
    Texte titel() const { return d.titel(); }
    // A fresh log, and the answers to the next questions.
    void antworten(std::initializer_list<std::optional<bool>> ja = {}) { d.neu(ja); }
};

}  // namespace dkm::test
