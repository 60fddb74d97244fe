// Inputs outside the sensible range: a clear result or a clear message, never inf or nan.
#include <gtest/gtest.h>

#include "calc/meldungen.h"
#include "innen_hilfen.h"

using namespace dkm;
using namespace dkm::innen_test;

TEST(Innen_Eingaben, AnglesAreCorrectedOncePerRun) {
    Formular f = Innenrinne(8);
    f[T::Text3] = "120";
    f[T::Text4] = "1e30";
    Protokoll p = Rechnen(f);
    ASSERT_EQ(p.meldungen.size(), 2u);
    EXPECT_EQ(p.meldungen[0].first, "Maßfehler");
    EXPECT_NE(p.meldungen[0].second.find("(links)"), std::string::npos);
    EXPECT_NE(p.meldungen[1].second.find("(rechts)"), std::string::npos);
    EXPECT_EQ(f[T::Text3], "90");
    EXPECT_EQ(f[T::Text4], "90");

    for (const char* winkel : {"0", "-5", ""}) {
        f[T::Text3] = winkel;
        EXPECT_TRUE(Rechnen(f).meldungen.empty()) << winkel;
        EXPECT_EQ(f[T::Text3], "90");
    }
    // a tiny angle lays the wall almost flat: a huge but finite gutter, or the range message
    f[T::Text3] = "1e-30";
    Protokoll flach = Rechnen(f);
    EXPECT_TRUE(ohne_inf_nan(f));
    EXPECT_LE(flach.meldungen.size(), 1u);
    f[T::Text3] = "1e-40";
    Rechnen(f);
    EXPECT_TRUE(ohne_inf_nan(f));
}

TEST(Innen_Eingaben, BottomWidthEmptyOneOrHuge) {
    Formular f = Innenrinne(2);
    f[T::Text2] = "";
    f[T::Text3] = f[T::Text4] = "45";
    EXPECT_TRUE(Rechnen(f).meldungen.empty());
    EXPECT_EQ(f[T::Text2], "300");
    f[T::Text2] = "1";  // triangular gutter
    EXPECT_TRUE(Rechnen(f).meldungen.empty());
    EXPECT_EQ(Zeilen(f, 27)[5], "unten: 1 mm");
    EXPECT_TRUE(ohne_inf_nan(f));
    f[T::Text2] = "1e30";
    EXPECT_TRUE(Rechnen(f).meldungen.empty());
    EXPECT_EQ(f.werte.innen.Bemessungstiefe, 1);
    EXPECT_TRUE(ohne_inf_nan(f));
    f[T::Text2] = "1e39";
    EXPECT_EQ(Rechnen(f).anzahl(std::string(meldung::zu_gross_Titel)), 1u);
}

TEST(Innen_Eingaben, ObstacleLargerThanEverySectionReachesTheLimit) {
    Formular f = Innenrinne(8);
    Laengsseite(f, "3");
    f[T::Text5] = "1e30";
    Protokoll p = Rechnen(f);
    ASSERT_EQ(p.meldungen.size(), 1u);
    EXPECT_EQ(p.meldungen[0].first, meldung::Suchgrenze_Titel);
    EXPECT_EQ(f.werte.innen.Bemessungstiefe, 100001);
    EXPECT_EQ(f.werte.innen.Laengsseite.Notstauhoehe_mm, 100001);
    EXPECT_EQ(Zeilen(f, 27)[4], "100001 + 100001 = 200002 mm");
    EXPECT_TRUE(ohne_inf_nan(f));
}

TEST(Innen_Eingaben, OverflowCountBounds) {
    Formular f = Innenrinne(2);
    Laengsseite(f, "0");
    Rechnen(f);
    EXPECT_EQ(f[T::Text30], "1");
    f[T::Text30] = "16383";
    EXPECT_TRUE(Rechnen(f).meldungen.empty());
    EXPECT_TRUE(ohne_inf_nan(f));
    const auto vorher = Zeilen(f, 25);
    for (const char* n : {"32767", "1e9"}) {
        f[T::Text30] = n;
        Protokoll p = Rechnen(f);
        ASSERT_EQ(p.meldungen.size(), 1u) << n;
        EXPECT_EQ(p.meldungen[0].first, "Eingabefehler");
        EXPECT_EQ(Zeilen(f, 25), vorher);
    }
}

TEST(Innen_Eingaben, CorrectionFromAFile) {
    Formular f = Innenrinne(2);
    Laengsseite(f, "1");
    f.Hoehenkorrektur = -30;
    Rechnen(f);
    EXPECT_EQ(f.Hoehenkorrektur, 0);
    f.Hoehenkorrektur = 3e38f;
    EXPECT_EQ(Rechnen(f).anzahl(std::string(meldung::zu_gross_Titel)), 1u);
    EXPECT_TRUE(ohne_inf_nan(f));
}
