#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/innen_schritte.h"
#include "calc/meldungen.h"
#include "innen_hilfen.h"

using namespace dkm;
using namespace dkm::innen_test;

TEST(Druckhoehenfaktor, KeepsBothValuesAtTenthAndEndsAtKnots) {
    EXPECT_FLOAT_EQ(Druckhoehenfaktor(0.0f), 0.65f);
    EXPECT_FLOAT_EQ(Druckhoehenfaktor(0.1f), 0.612f);
    EXPECT_NEAR(Druckhoehenfaktor(std::nextafter(0.1f, 1.0f)), 0.621f, 1e-5);
    EXPECT_FLOAT_EQ(Druckhoehenfaktor(0.5f), 0.514f);
    EXPECT_NEAR(Druckhoehenfaktor(0.55f), 0.507f, 1e-6);
    EXPECT_FLOAT_EQ(Druckhoehenfaktor(1.0f), 0.471f);
}

TEST(Kapazitaet_Innenrinne, LengthFactorOnlyAboveFifty) {
    const float h = 100, T = 400, B = 300, A = 35000;
    const float kurz = Kapazitaet_Innenrinne(A, h, T, B, 5000, 1, true);
    const float lang = Kapazitaet_Innenrinne(A, h, T, B, 5001, 1, true);
    EXPECT_EQ(kurz, Kapazitaet_Innenrinne(A, h, T, B, 100, 1, true));
    EXPECT_NEAR(lang / kurz, 0.991, 0.001);
}

// The galloping search must land exactly where stepping 1 mm at a time would.
TEST(Tiefe_suchen, SameDepthAsStepwiseSearch) {
    std::mt19937 zufall(7);
    std::uniform_real_distribution<float> breite(1, 2000), winkel(5, 90), exponent(-3, 5), laenge(0, 200000),
        hindernis(0, 50000);
    for (int fall = 0; fall < 300; ++fall) {
        const float B = breite(zufall), L = laenge(zufall), H = hindernis(zufall);
        const float Q = std::pow(10.0f, exponent(zufall));
        const double tl = std::tan(winkel(zufall) * 3.1415926 / 180), tr = std::tan(winkel(zufall) * 3.1415926 / 180);
        auto genuegt = [&](int stufe) {
            const float h = static_cast<float>(stufe);
            const float T = B + static_cast<float>(h / tl) + static_cast<float>(h / tr);
            float A = (T + B) / 2.0f * h - H;
            if (A <= 0) A = 1;
            return Q <= Kapazitaet_Innenrinne(A, h, T, B, L, 0.85f, fall % 2 == 0);
        };
        bool g1 = false, g2 = false;
        ASSERT_EQ(Tiefe_suchen(genuegt, g1), Tiefe_suchen_schrittweise(genuegt, g2)) << "Fall " << fall;
        EXPECT_EQ(g1, g2);
    }
    for (int erste : {1, 2, 3, 1000, 65536, 65537, 99999, 100000, 100001}) {
        bool grenze = false;
        EXPECT_EQ(Tiefe_suchen([&](int h) { return h >= erste; }, grenze), erste);
        EXPECT_EQ(grenze, erste > 100000);
    }
}

TEST(Bemessungsschicht, FirstSegmentEmptyShiftsPositions) {
    Formular f = Innenrinne(0);
    for (int i = 2; i <= 4; ++i) Segment(f, i, "10", "10");
    Protokoll p = Rechnen(f);
    const Innen_Werte& w = f.werte.innen;
    EXPECT_TRUE(p.meldungen.empty());
    EXPECT_EQ(w.Positionsversatz, 1);
    EXPECT_EQ(w.Anzahl_TS_belastet, 3);
    EXPECT_EQ(w.Position_massgebend, 1);  // equal depths: the first stays governing
    EXPECT_EQ(w.Wassertiefe_TS[2], 50);
    EXPECT_EQ(w.Wassertiefe_TS[3], 0);
}

TEST(Bemessungsschicht, ZeroFlowNeedsOneMillimetre) {
    Formular f = Innenrinne(0);
    f.werte.Teilstreckentabelle[0] = {10, 100, 0, 0, 1};
    f.werte.Gesamtlaenge = 10;
    Protokoll p;
    Innen_Werte w;
    Bemessungsschicht(f, p, w);
    EXPECT_EQ(w.Bemessungstiefe, 1);
    EXPECT_EQ(w.Anzahl_TS_belastet, 1);
}

TEST(Querschnitt, VerticalWallsGiveTwoHeightsPlusBottom) {
    Formular f = Innenrinne();
    Rechnen(f);
    const Innen_Werte& w = f.werte.innen;
    EXPECT_EQ(w.Bemessungstiefe, 50);
    EXPECT_NEAR(w.Druckhoehe_TS[0] / w.Wassertiefe_TS[0], 0.471, 1e-4);
    const Querschnitt& q = w.beidseits;
    EXPECT_NEAR(q.Zuschnitt_mm, 2 * q.Hoehe_mm + 300, 1e-3);
    EXPECT_NEAR(q.oben_mm, 300, 1e-3);
    EXPECT_EQ(Zeilen(f, 27), (std::vector<std::string>{"zwei Stirnseiten", "oben: 300 mm", "                43 mm",
                                                        "Höhe: 143 mm", "50 + 50 = 100 mm", "unten: 300 mm",
                                                        "143+300+143=586"}));
    EXPECT_EQ(Zeilen(f, 26)[4], "50 + 83 = 133 mm");
    EXPECT_EQ(f.Picture(27).zeilen()[0].stuecke[0].stil.unterstrichen, true);
    EXPECT_EQ(f.Picture(27).zeilen()[1].stuecke[0].stil.fett, true);
    EXPECT_EQ(f.Picture(27).vordergrund, Farbe_dunkelblau);
    EXPECT_EQ(f.Picture(25).vordergrund, Farbe_hellgrau);
    EXPECT_FALSE(f[A::Text30]);
    EXPECT_FALSE(f.Picture(28).zeichnung.leer());
}

TEST(Querschnitt, FreeboardAtItsBounds) {
    // TS 1 carries 0.15 l/s: a shallow gutter whose water depth the correction then sets.
    Formular f = Innenrinne(0);
    Segment(f, 1, "5", "1");
    Laengsseite(f, "1");
    Rechnen(f);
    const float h = f.werte.innen.Bemessungstiefe + f.werte.innen.Laengsseite.Notstauhoehe_mm;
    ASSERT_LT(h, 58);
    auto freibord = [&](float W) {
        f.Hoehenkorrektur = W - h;
        Rechnen(f);
        EXPECT_FLOAT_EQ(f.werte.innen.Laengsseite.Wassertiefe_mm, W);
        return f.werte.innen.Laengsseite.Freibord_mm;
    };
    EXPECT_EQ(freibord(58.32f), 25);
    EXPECT_NEAR(freibord(58.33f), 24.9986, 1e-3);
    EXPECT_NEAR(freibord(175), 75, 1e-4);
    EXPECT_EQ(freibord(176), 75);
}

TEST(Notschicht, FullCenturyRainOrOnlyTheDifference) {
    Formular f = Innenrinne();
    f[T::r5_100] = "300";
    Rechnen(f);
    EXPECT_EQ(f.werte.innen.eineSeite.Notstauhoehe_mm, 1);
    f[L::Combo_Diff_Notueberl].index = 1;  // "Jahrhundertregen voll"
    Rechnen(f);
    EXPECT_FLOAT_EQ(f.werte.innen.Notabfluss_gesamt_l_s, 6);
    EXPECT_GT(f.werte.innen.eineSeite.Notstauhoehe_mm, 1);
}

TEST(Notschicht, LongSideDividesByTwiceTheOverflows) {
    Formular f = Innenrinne();
    Laengsseite(f, "1");
    Rechnen(f);
    const Querschnitt eins = f.werte.innen.Laengsseite;
    f[T::Text30] = "2";
    Rechnen(f);
    const Querschnitt zwei = f.werte.innen.Laengsseite;
    EXPECT_FLOAT_EQ(zwei.Fliesslaenge_mm, eins.Fliesslaenge_mm / 2);
    EXPECT_FLOAT_EQ(zwei.Notabfluss_Schicht_l_s, eins.Notabfluss_Schicht_l_s / 2);
    EXPECT_FLOAT_EQ(zwei.Notabfluss_l_s, 3);
    EXPECT_LT(zwei.Notstauhoehe_mm, eins.Notstauhoehe_mm);
    // one overflow on the long side is fed like two end overflows
    EXPECT_EQ(eins.Notstauhoehe_mm, f.werte.innen.beidseits.Notstauhoehe_mm);
}

TEST(Querschnitt, GapInSegmentsEndsTheRunAndKeepsResults) {
    Formular f = Innenrinne();
    Rechnen(f);
    const auto vorher = Zeilen(f, 27);
    Segment(f, 4, "10", "10");  // TS 3 left empty
    Protokoll p = Rechnen(f);
    ASSERT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(p.meldungen[0].first, "Maße fehlen");
    EXPECT_EQ(Zeilen(f, 27), vorher);

    // a segment with a length but no area in between would leave TS 3 without a depth
    Formular g = Innenrinne(3);
    Segment(g, 2, "10", "-1", "10");
    EXPECT_EQ(Rechnen(g).anzahl("Maße fehlen"), 1u);
}

TEST(Querschnitt, NoRoofAreaClearsEveryBox) {
    Formular f = Innenrinne();
    Rechnen(f);
    for (int i = 1; i <= 2; ++i) Segment(f, i, "", "");
    Protokoll p = Rechnen(f);
    EXPECT_TRUE(p.meldungen.empty());
    for (int n : {25, 26, 27, 29, 34}) EXPECT_TRUE(Zeilen(f, n).empty()) << n;
    EXPECT_TRUE(f.Picture(28).zeichnung.leer());
}
