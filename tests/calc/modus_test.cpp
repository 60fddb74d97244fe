#include <gtest/gtest.h>

#include "calc/engine.h"
#include "calc/modus.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

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

TEST(Modus, ToTotals) {
    Aufzeichnung d;
    Formular f = Gesamtmodus("2", d);
    EXPECT_TRUE(d.fragen.empty());  // nothing entered yet
    EXPECT_TRUE(f.Eingabe_Art == "gesamt" && f[S::Option11] && !f[S::Option10]);
    EXPECT_TRUE(f[A::Option6] && f[A::Option8]);
    EXPECT_EQ(f[T::Einzel_Flaeche_4], "100.00 m²");

    f = Startformular();
    Segment(f, 1, "10", "5");
    Pruefen_und_berechnen(f, d);
    d.antwort = false;
    Option11_Click(f, d);
    EXPECT_EQ(d.fragen, Texte{"Auf Gesamtwerte umschalten"});
    EXPECT_TRUE(f.Eingabe_Art == "einzel" && f[S::Option10] && !f[S::Option11]);
}

TEST(Modus, BackToSingle) {
    Aufzeichnung d;
    Formular f = Gesamtmodus("6", d);
    d.antwort = false;
    Option10_Click(f, d);
    EXPECT_EQ(d.fragen, Texte{"Auf Einzelwerte umschalten"});
    EXPECT_TRUE(f.Eingabe_Art == "gesamt" && f[S::Option11] && f[V::Text28]);
    d.antwort = true;
    Option10_Click(f, d);
    EXPECT_EQ(f.Eingabe_Art, "einzel");
    EXPECT_FALSE(f[V::Text28] || f[A::Option6]);
    EXPECT_EQ(f[T::Text25], " 26.64");  // recalculated from the eight boxes of the rounded 3.33

    // with four outlets: no question and no recalculation, the split values stay
    Aufzeichnung d2;
    f = Gesamtmodus("4", d2);
    f[T::Einzel_Flaeche_1] = "unberührt";
    Option10_Click(f, d2);
    EXPECT_TRUE(d2.fragen.empty());
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "unberührt");
    EXPECT_EQ(f[T::Laenge_1], " 5");
}
