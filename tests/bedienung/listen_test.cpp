// Every entry of the choice lists once, and every row of the own rainfall places: what the boxes show and
// what the flow of one segment of 10 m x 10 m becomes (300 l/(s·ha) on 100 m²: 3 l/s times C times f).
#include <gtest/gtest.h>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"
#include "model/zahlen.h"

namespace dkm::test {
namespace {

struct Listen : ::testing::Test {
    Formular f = Startformular();
    Skript_Dialoge d;
    void SetUp() override {
        Segment(f, 1, "10", "10");
        Command18_Click(f, d);
    }
    std::string Abfluss() const { return f[T::Belast_Teilrinne_1]; }
};

TEST_F(Listen, FactorsAndCoefficientsEntryByEntry) {
    const std::tuple<int, const char*, const char*> faktoren[] = {
        {0, "kein bes. Schutz (f=1)", "3.00 l/s"}, {1, "Faktor f = 1.5", "4.50 l/s"},
        {2, "Faktor f = 2", "6.00 l/s"},           {3, "Faktor f = 3 ", "9.00 l/s"}};
    for (int runde = 0; runde < 2; ++runde)  // upwards and back down, so each entry follows another
        for (size_t k = 0; k < std::size(faktoren); ++k) {
            const auto [index, text, abfluss] = faktoren[runde ? std::size(faktoren) - 1 - k : k];
            Liste_Click(f, d, L::Combo_Schutzfaktor, index);
            EXPECT_EQ(f[L::Combo_Schutzfaktor].text, text);
            EXPECT_EQ(Abfluss(), abfluss) << text;
        }
    const std::tuple<int, const char*, const char*> beiwerte[] = {
        {1, "Kiesdach (C=0.5)", "1.50 l/s"},           {2, "begrünt-intensiv (C=0.3)", "0.90 l/s"},
        {3, "begr. extensiv >10cm (C=0.3)", "0.90 l/s"}, {4, "begr.extensiv <10cm (C=0.5)", "1.50 l/s"},
        {0, "wasserundurchlässig (C=1)", "3.00 l/s"}};
    for (auto [index, text, abfluss] : beiwerte) {
        Liste_Click(f, d, L::Combo_Abfl_beiwert, index);
        EXPECT_EQ(f[L::Combo_Abfl_beiwert].text, text);
        EXPECT_EQ(Abfluss(), abfluss) << text;
    }
    for (auto [index, text] : {std::pair{1, "Jahrhundertregen voll"}, {0, "ohne Berechnungsregen"}}) {
        Liste_Click(f, d, L::Combo_Diff_Notueberl, index);
        EXPECT_EQ(f[L::Combo_Diff_Notueberl].text, text);
    }
}

// The first, a middle and the last place of the list (values of DIN 1986-100 annex A); 266 l/(s·ha)
// on 100 m² are 2.66 l/s.
TEST_F(Listen, PlacesFirstToLast) {
    const std::tuple<int, const char*, const char*, const char*> orte[] = {
        {0, "Aachen", " 266", " 463"}, {9, "Berlin", " 331", " 582"}, {93, "Schweiz gesamt", " 300", " 900"}};
    for (auto [index, name, r5, r100] : orte) {
        Liste_Click(f, d, L::Combo_Wahl_Regensp, index);
        EXPECT_EQ(f[L::Combo_Wahl_Regensp].text, name);
        EXPECT_EQ(f[T::r5_5] + f[T::r5_100], std::string(r5) + r100) << name;
    }
    Liste_Click(f, d, L::Combo_Wahl_Regensp, 0);
    EXPECT_EQ(Abfluss(), "2.66 l/s");
}

// Each row's "übernehmen" chooses that row and saves all five; the window shows all five rows as read,
// so that saving never loses one.
TEST_F(Listen, EachOwnRowIsTakenAndNoneIsLost) {
    Eigene_Orte gelesen;
    for (size_t k = 0; k < 5; ++k) gelesen[k] = {"Ort " + std::to_string(k + 1), 100.0f * (k + 1), 200.0f * (k + 1)};
    Command22_Click(f, &gelesen);
    EXPECT_EQ(f[T::Text21] + "|" + f[T::Text22] + "|" + f[T::Text23], "Ort 5| 500| 1000");
    for (int zeile = 1; zeile <= 5; ++zeile) {
        Command22_Click(f, nullptr);
        Eigene_Orte gespeichert{};
        Uebernehmen_Click(f, d, zeile, [&](const Eigene_Orte& o) { gespeichert = o; });
        EXPECT_EQ(f[L::Combo_Wahl_Regensp].text, "Ort " + std::to_string(zeile));
        EXPECT_EQ(Zahl_lesen(f[T::r5_5]), 100 * zeile);
        EXPECT_FALSE(f[V::Frame9]);
        for (size_t k = 0; k < 5; ++k)
            EXPECT_TRUE(gespeichert[k].name == gelesen[k].name && gespeichert[k].r5_100 == gelesen[k].r5_100) << k;
    }
    EXPECT_EQ(Abfluss(), "5.00 l/s") << "row 5: 500 l/(s·ha) on 100 m²";
}

}  // namespace
}  // namespace dkm::test
