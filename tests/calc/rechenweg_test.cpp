// Values the calculation record prints beyond the sizing itself: the utilisation of a standard
// size and the wall angles set to 90 with a message.
#include <gtest/gtest.h>

#include "innen_hilfen.h"

namespace dkm {
namespace {

// One segment of 10 m under 10 m of roof: Q = 300 · 100 / 10 000 = 3.00 l/s.
// Semicircular 285: L/W = 10000 / 72.5 = 137.9, F_L = 0.8801, 0.9 · 2.78e-5 · 7476^1.25 · F_L = 1.531 (too small);
// 333: L/W = 115.6, F_L = 0.9068, 2.477 (too small); 400: L/W = 93.46, F_L = 0.9343,
// 0.9 · 2.78e-5 · 16588^1.25 · 0.9343 = 4.399 l/s, utilisation 3.00 / 4.399 = 68.2 %.
// With 30 m under 10 m (9.00 l/s) none suffices: the largest, 500 (L/W = 220.6, F_L = 0.7898,
// 0.9 · 2.78e-5 · 27293^1.25 · 0.7898 = 6.931 l/s), is loaded to 9.00 / 6.931 = 129.8 %.
TEST(Rechenweg, UtilisationOfTheStandardSize) {
    struct Fall {
        const char* laenge;
        int zuschnitt;
        float prozent;
    };
    for (const Fall& fall : {Fall{"10", 400, 68.2f}, Fall{"30", 500, 129.8f}}) {
        Formular f = test::Startformular();
        test::Segment(f, 1, fall.laenge, "10");
        test::Rechnen(f);
        const Standardwahl& s = f.werte.traufe.TS[0].halbrund;
        EXPECT_EQ(s.versucht[s.anzahl_versucht - 1].Zuschnitt_mm, fall.zuschnitt) << fall.laenge;
        EXPECT_NEAR(s.Auslastung_prozent, fall.prozent, 0.3) << fall.laenge;
    }
}

// An angle above 90 is set to 90 with a message the record repeats; one of 0 or less silently.
TEST(Rechenweg, AngleSetTo90) {
    Formular f = test::Innenrinne();
    f[T::Text3] = "95";
    f[T::Text4] = "0";
    test::Rechnen(f);
    EXPECT_TRUE(f.werte.innen.Winkel_links_auf_90 && !f.werte.innen.Winkel_rechts_auf_90);
    EXPECT_EQ(f.werte.innen.Winkel_links, 90.0f);
    test::Rechnen(f);  // the field now says 90: nothing set any more
    EXPECT_FALSE(f.werte.innen.Winkel_links_auf_90);
}

}  // namespace
}  // namespace dkm
