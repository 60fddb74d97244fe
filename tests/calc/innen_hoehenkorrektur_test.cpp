#include <gtest/gtest.h>

#include "calc/hoehenkorrektur.h"
#include "innen_hilfen.h"

using namespace dkm;
using namespace dkm::innen_test;

TEST(Hoehenkorrektur, ThreeUpOneDownThenBackToZero) {
    Formular f = Innenrinne(4);
    Laengsseite(f, "2");
    Protokoll p;
    Neuberechnung(f, p);
    const Innen_Werte ohne = f.werte.innen;
    const auto box_ohne = Zeilen(f, 35);
    const std::string text31_ohne = f[T::Text31];

    float hoehe = ohne.Laengsseite.Hoehe_mm;
    for (int schritt = 0; schritt < 3; ++schritt) {
        Hoehe_groesser(f, p);
        // the freeboard grows with the water depth: at least 10 mm per step
        EXPECT_GE(f.werte.innen.Laengsseite.Hoehe_mm, hoehe + 10);
        hoehe = f.werte.innen.Laengsseite.Hoehe_mm;
    }
    EXPECT_LT(f.werte.innen.Oeffnung_Breite_mm, ohne.Oeffnung_Breite_mm);
    Hoehe_kleiner(f, p);
    EXPECT_EQ(f.Hoehenkorrektur, 20);
    EXPECT_TRUE(f[A::Command30]);
    EXPECT_EQ(f.werte.innen.Laengsseite.Wassertiefe_mm, ohne.Laengsseite.Wassertiefe_mm + 20);
    EXPECT_EQ(Zeilen(f, 35).back(), "(Rinnenhöhe +20 mm)");
    EXPECT_EQ(f.werte.innen.beidseits.Hoehe_mm, ohne.beidseits.Hoehe_mm);

    Hoehe_null(f, p);
    EXPECT_EQ(f.Hoehenkorrektur, 0);
    EXPECT_FALSE(f[A::Command30]);
    EXPECT_EQ(Zeilen(f, 35), box_ohne);
    EXPECT_EQ(f[T::Text31], text31_ohne);
    EXPECT_TRUE(p.meldungen.empty());
}

TEST(Hoehenkorrektur, NeverBelowZero) {
    Formular f = Innenrinne(2);
    Laengsseite(f, "1");
    Protokoll p;
    Hoehe_groesser(f, p);
    Hoehe_kleiner(f, p);
    EXPECT_EQ(f.Hoehenkorrektur, 0);
    EXPECT_FALSE(f[A::Command30]);
    Hoehe_kleiner(f, p);
    EXPECT_EQ(f.Hoehenkorrektur, 0);
    f.Hoehenkorrektur = 15;  // not a multiple of 10, as a file may hold it
    Hoehe_kleiner(f, p);
    Hoehe_kleiner(f, p);
    EXPECT_EQ(f.Hoehenkorrektur, 0);
    EXPECT_EQ(f[T::Text31].find('+'), std::string::npos);
}

TEST(Hoehenkorrektur, IncompleteSegmentsShowTheMessageInstead) {
    Formular f = Innenrinne(2);
    Laengsseite(f, "1");
    Segment(f, 3, "5", "");
    Protokoll p;
    Hoehe_groesser(f, p);
    EXPECT_EQ(f.Hoehenkorrektur, 10);
    EXPECT_EQ(p.anzahl("Maße fehlen!"), 1u);
}
