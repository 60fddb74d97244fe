#include <gtest/gtest.h>

#include "calc/engine.h"
#include "calc/modus.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;
using Zeilen_t = std::vector<std::string>;

namespace {

Formular Gesamtmodus(const char* stutzen, Aufzeichnung& d) {
    Formular f = Startformular();
    f[T::Text25] = "40";
    f[T::Text26] = "400";
    f[T::Text27] = stutzen;
    Option11_Click(f, d);
    return f;
}

}  // namespace

TEST(Modus, ToTotalsAsksOnlyWhenTheFirstSegmentsHaveArea) {
    Aufzeichnung d;
    Formular f = Startformular();
    Option11_Click(f, d);
    EXPECT_TRUE(d.fragen.empty());
    EXPECT_EQ(f.Eingabe_Art, "gesamt");
    EXPECT_TRUE(f[S::Option11]);
    EXPECT_FALSE(f[S::Option10]);
    EXPECT_TRUE(f[A::Option6] && f[A::Option7] && f[A::Option8]);

    f = Startformular();
    Segment(f, 1, "10", "5");
    Pruefen_und_berechnen(f, d);
    d.antwort = false;
    Option11_Click(f, d);
    EXPECT_EQ(d.fragen, Zeilen_t{"Auf Gesamtwerte umschalten"});
    EXPECT_EQ(f.Eingabe_Art, "einzel");
    EXPECT_TRUE(f[S::Option10]);
    EXPECT_FALSE(f[S::Option11]);

    d.antwort = true;
    Option11_Click(f, d);
    EXPECT_EQ(f.Eingabe_Art, "gesamt");
}

TEST(Modus, ToTotalsSplitsWhenAllThreeTotalsAreGiven) {
    Aufzeichnung d;
    Formular f = Gesamtmodus("2", d);
    EXPECT_EQ(f[T::Laenge_1], " 10");
    EXPECT_EQ(f[T::Einzel_Flaeche_4], "100.00 m²");

    f = Startformular();
    f[T::Text25] = "40";
    f[T::Text26] = "400";
    Option11_Click(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "");
    EXPECT_EQ(f[T::Laenge_1], "");
}

TEST(Modus, BackToSingleAsksBeyondFourOutlets) {
    Aufzeichnung d;
    Formular f = Gesamtmodus("6", d);
    ASSERT_TRUE(f[V::Text28]);
    d.antwort = false;
    Option10_Click(f, d);
    EXPECT_EQ(d.fragen, Zeilen_t{"Auf Einzelwerte umschalten"});
    EXPECT_EQ(f.Eingabe_Art, "gesamt");
    EXPECT_TRUE(f[S::Option11]);
    EXPECT_TRUE(f[V::Text28]);

    d.antwort = true;
    Option10_Click(f, d);
    EXPECT_EQ(f.Eingabe_Art, "einzel");
    EXPECT_FALSE(f[V::Text28]);
    EXPECT_FALSE(f[A::Option6]);
    // recalculated in single mode from the segments the split left
    EXPECT_EQ(f[T::Text27], " 4");
    EXPECT_EQ(f[T::Text25], " 26.64");  // eight boxes of the rounded 3.33
}

TEST(Modus, BackToSingleWithFourOutletsNeitherAsksNorRecalculates) {
    Aufzeichnung d;
    Formular f = Gesamtmodus("4", d);
    f[T::Einzel_Flaeche_1] = "unberührt";
    Option10_Click(f, d);
    EXPECT_TRUE(d.fragen.empty());
    EXPECT_EQ(f.Eingabe_Art, "einzel");
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "unberührt");
    EXPECT_EQ(f[T::Laenge_1], " 5");  // values stay as the split left them
}
