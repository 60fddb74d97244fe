#include <gtest/gtest.h>

#include <cmath>

#include "model/tabellen.h"
#include "model/zahlen.h"

using namespace dkm;

TEST(Zahl_lesen, LeadingNumberRule) {
    EXPECT_EQ(Zahl_lesen(""), 0.0);
    EXPECT_EQ(Zahl_lesen("abc"), 0.0);
    EXPECT_EQ(Zahl_lesen(" 12.5"), 12.5);
    EXPECT_EQ(Zahl_lesen(".625"), 0.625);
    EXPECT_EQ(Zahl_lesen("2.5.3"), 2.5);
    EXPECT_EQ(Zahl_lesen("-4x"), -4.0);
    EXPECT_EQ(Zahl_lesen("1e3"), 1000.0);
    EXPECT_EQ(Zahl_lesen("\t12"), 12.0);  // pasted from a table
    EXPECT_EQ(Zahl_lesen("1d2") + Zahl_lesen("1D2"), 200.0);
    EXPECT_EQ(Zahl_lesen("7e"), 7.0);
    EXPECT_EQ(Zahl_lesen("."), 0.0);
    EXPECT_TRUE(std::isinf(Zahl_lesen("1e999")));
    EXPECT_EQ(Zahl_lesen("1e-999"), 0.0);
    EXPECT_FALSE(Zahl_gueltig(Zahl_lesen("1e39")));
    EXPECT_TRUE(Zahl_gueltig(Zahl_lesen("1e38")));
}

TEST(Zahlentext, ShortestFormWithBlank) {
    EXPECT_EQ(Zahlentext(12.5f), " 12.5");
    EXPECT_EQ(Zahlentext(0.625f), " .625");
    EXPECT_EQ(Zahlentext(0.85f), " .85");
    EXPECT_EQ(Zahlentext(400.0f), " 400");
    EXPECT_EQ(Zahlentext(0.0f), " 0");
    EXPECT_EQ(Zahlentext(-0.0f), " 0");
    EXPECT_EQ(Zahlentext(-0.5f), "-.5");
    EXPECT_EQ(Zahlentext(1e10f), " 10000000000");
    EXPECT_EQ(Zahlentext(1.5e-5f), " .000015");
    EXPECT_EQ(Zahlentext(1.0f / 3.0f), " .3333333");
    EXPECT_EQ(Zahlentext15(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(Zahlentext15(450.0), " 450");
    // Every number text reads back to the same float.
    for (float v : {0.1f, 123456.7f, 3.4e38f, 1e-30f, -7.25f})
        EXPECT_EQ(static_cast<float>(Zahl_lesen(Zahlentext(v))), v) << v;
    EXPECT_EQ(Zahlentext_gerundet(50.0f), " 50");
    EXPECT_EQ(Zahlentext_gerundet(0.5f), " .5");
    EXPECT_EQ(Zahlentext_gerundet(6.666667f), " 6.67");
}

TEST(Muster, DisplayPatterns) {
    EXPECT_EQ(Muster(60.0f, "0.00 m²"), "60.00 m²");
    EXPECT_EQ(Muster(1.8f, "0.00 l/s", ","), "1,80 l/s");
    EXPECT_EQ(Muster(1.005f, "0.00", ","), "1,01");  // half away on the shortest digits
    EXPECT_EQ(Muster(2.5f, "0"), "3");
    EXPECT_EQ(Muster(0.6f, "0") + Muster(0.006f, "0.00"), "10.01");  // first cut-off digit right after the point
    EXPECT_EQ(Muster(-2.5f, "0"), "-3");
    EXPECT_EQ(Muster(-0.004f, "0.00"), "0.00");       // no minus for a zero result
    EXPECT_EQ(Muster(0.5f, ".00"), ".50");
    EXPECT_EQ(Muster(0.0f, ".00 m"), ".00 m");
    EXPECT_EQ(Muster(179.0f, "0.0 mm"), "179.0 mm");
    EXPECT_EQ(Muster(99.96f, "0.0 mm"), "100.0 mm");
    EXPECT_EQ(Muster(3.0f, "0 Stück"), "3 Stück");
    EXPECT_EQ(Muster(0.0f, "0 mm"), "0 mm");
    EXPECT_EQ(Muster(1e20f, "0"), "100000000000000000000");
}

TEST(Ganzzahl, HalfToEven) {
    EXPECT_EQ(Ganzzahl(2.5), 2);
    EXPECT_EQ(Ganzzahl(3.5), 4);
    EXPECT_EQ(Ganzzahl(-2.5), -2);
    EXPECT_EQ(Ganzzahl(1e300), 9000000000000000000LL);  // clamped, never undefined
    EXPECT_EQ(Ganzzahl16(32767.4).value(), 32767);
    EXPECT_FALSE(Ganzzahl16(32767.5).has_value());
    EXPECT_EQ(Ganzzahl16(-32768.0).value(), -32768);
    EXPECT_FALSE(Ganzzahl16(1e30).has_value());
}

// The choice lists against the DIN 1986-100 tables they were typed from.
TEST(Listen, PlacesFactorsAndCoefficients) {
    int r5 = 0, r100 = 0;
    for (const Ort& o : Orte) r5 += o.r5_5, r100 += o.r5_100;
    EXPECT_EQ(r5, 30440);  // column sums of the 94-row table
    EXPECT_EQ(r100, 56561);
    const std::pair<const char*, float> f[] = {
        {"kein bes. Schutz (f=1)", 1}, {"Faktor f = 1.5", 1.5f}, {"Faktor f = 2", 2}, {"Faktor f = 3 ", 3}};
    for (const auto& [text, wert] : f) EXPECT_EQ(Schutzfaktor_nach_Text(text), wert) << text;
    EXPECT_EQ(Schutzfaktoren[3].text, "Faktor f = 3 ");
    const float C[] = {1.0f, 0.5f, 0.3f, 0.3f, 0.5f};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Abflussbeiwert_nach_Index(i), C[i]) << i;
}
