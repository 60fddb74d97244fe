#include <gtest/gtest.h>

#include <cmath>

#include "calc/hydraulik.h"
#include "calc/innen_schritte.h"
#include "innen_hilfen.h"

using namespace dkm;
using namespace dkm::innen_test;

namespace {

// Outlet 1 with flow q at head h over a bottom of width B.
Innen_Ablauf Ablauf_1(float q, float h, float B, bool laubfang = false) {
    Formular f = Innenrinne(0);
    f[S::Check_Schutzkorb] = laubfang;
    f.werte.Belastung_Fallrohr = {q, 0, 0, 0};
    Innen_Werte w;
    w.Rinnenbreite_unten_mm = B;
    w.Druckhoehe_TS[0] = h;
    Ablaeufe_berechnen(f, w);
    return w.Ablauf[0];
}

}  // namespace

TEST(Trichter, LeafGuardSizesForTwiceTheFlow) {
    const Innen_Ablauf mit = Ablauf_1(2, 30, 2000, true), doppelt = Ablauf_1(4, 30, 2000);
    EXPECT_FLOAT_EQ(mit.Trichter_rund_mm, doppelt.Trichter_rund_mm);
    EXPECT_FLOAT_EQ(mit.Trichter_L_mm, doppelt.Trichter_L_mm);
    EXPECT_GT(mit.Trichter_rund_mm, Ablauf_1(2, 30, 2000).Trichter_rund_mm);
}

TEST(Trichter, OrificeRuleAboveHalfTheDiameter) {
    // a low head keeps the weir rule, a high one switches to the orifice rule
    EXPECT_NEAR(Ablauf_1(3, 10, 2000).Trichter_rund_mm, 7500 * 3 / std::pow(10.0, 1.5), 0.01);
    EXPECT_NEAR(Ablauf_1(1, 100, 2000).Trichter_rund_mm, std::sqrt(15000 / 10.0), 0.01);
    EXPECT_NEAR(Ablauf_1(1, 100, 2000).Trichter_L_mm, std::sqrt(12000 / 10.0), 0.01);
}

TEST(Trichter, NarrowBottomGivesRectangleOrNothing) {
    const Innen_Ablauf breit = Ablauf_1(6, 24, 2000);
    const Innen_Ablauf schmal = Ablauf_1(6, 24, 300);  // D = 90: 291 mm beside the pipe
    EXPECT_FLOAT_EQ(schmal.Trichter_L_mm, 291);
    EXPECT_NEAR(2 * schmal.Trichter_L_mm + 2 * schmal.Trichter_T_mm, 4 * breit.Trichter_L_mm, 0.01);
    EXPECT_EQ(schmal.Hinweis_rund, "rund nicht mögl.");
    EXPECT_EQ(schmal.Hinweis_eckig, "");
    EXPECT_EQ(Ablauf_1(6, 24, 95).Hinweis_eckig, "eckig nicht möglich");
    // beyond 300 mm the marker 1111 stands for the pipe
    const Innen_Ablauf riesig = Ablauf_1(250, 200, 700);
    EXPECT_EQ(riesig.Fallrohr_mm, Fallrohr_zu_gross);
    EXPECT_EQ(riesig.Hinweis_rund, "rund nicht mögl.");
}

TEST(Ablaeufe, HeadsFollowThePositions) {
    Formular f = Innenrinne(0);
    f.werte.Belastung_Fallrohr = {1, 1, 1, 1};
    Innen_Werte w;
    w.Rinnenbreite_unten_mm = 300;
    w.Druckhoehe_TS = {10, 20, 30, 40, 50, 60, 70, 80};
    Ablaeufe_berechnen(f, w);
    EXPECT_EQ(w.Ablauf[0].Druck_mm, 20);
    EXPECT_EQ(w.Ablauf[3].Druck_mm, 80);
    w.Positionsversatz = 1;
    Ablaeufe_berechnen(f, w);
    EXPECT_EQ(w.Ablauf[0].Druck_mm, 10);
    EXPECT_EQ(w.Ablauf[1].Druck_mm, 30);
    EXPECT_EQ(w.Ablauf[3].Druck_mm, 70);
}

TEST(Ablaeufe, BoxesOfOutletsWithAndWithoutFlow) {
    Formular f = Innenrinne(0);
    Segment(f, 1, "10", "2");
    Segment(f, 2, "10", "2");
    Rechnen(f);
    const auto eins = Zeilen(f, 29);
    EXPECT_EQ(eins, (std::vector<std::string>{"Fallrohr 1:  D = 50", "Rinnenauslass:", "verf. Druck: 10 mm",
                                               "Trichtermaße:", "D oben = H = 289 mm", "L=H=231, T=231 mm",
                                               "Rinnenkasten möglich"}));
    // outlet 2 has no flow: no pipe line, and outlet 1's funnel with the shorter label
    const auto zwei = Zeilen(f, 30);
    ASSERT_EQ(zwei.size(), 6u);
    EXPECT_EQ(zwei[3], "D oben = H =289 mm");
    EXPECT_FALSE(f[V::Picture30]);
    EXPECT_TRUE(f[V::Label6]);

    Formular g = Innenrinne(2);
    Rechnen(g);
    EXPECT_EQ(Zeilen(g, 29)[0], "Fallrohr 1:  D = 90");
    EXPECT_FALSE(g[V::Label6]);
    g[T::r5_5] = "20000";
    g[T::r5_100] = "40000";
    Rechnen(g);
    EXPECT_EQ(Zeilen(g, 29)[0], "Fallrohr 1:  D > 300 ");
}
