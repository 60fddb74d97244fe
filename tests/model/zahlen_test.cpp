#include <gtest/gtest.h>

#include <cmath>

#include "model/tabellen.h"
#include "model/zahlen.h"

using namespace dkm;

TEST(Zahl_lesen, LeadingNumberRule) {
    // a tab comes with a number pasted from a table; d/D is an exponent like e/E
    const std::pair<const char*, double> faelle[] = {
        {"", 0},     {"abc", 0},     {" 12.5", 12.5}, {".625", 0.625}, {"2.5.3", 2.5}, {"-4x", -4},
        {"1e3", 1000}, {"\t12", 12}, {"1d2", 100},   {"1D2", 100},     {"7e", 7},      {".", 0}, {"1e-999", 0},
        {"-1e-999", 0}, {"-1e999", -HUGE_VAL}};
    for (const auto& [text, wert] : faelle) EXPECT_EQ(Zahl_lesen(text), wert) << text;
    EXPECT_TRUE(std::isinf(Zahl_lesen("1e999")));
    EXPECT_FALSE(Zahl_gueltig(Zahl_lesen("1e39")));
    EXPECT_TRUE(Zahl_gueltig(Zahl_lesen("1e38")));
}

// The small end of the input range, in the working precision: below 0.0001 but not 0 is out.
TEST(Zahl_lesen, InputRangeSmallEnd) {
    const std::pair<const char*, bool> faelle[] = {
        {"0", true},       {"-0", true},       {".0001", true},     {"-.0001", true},  {"1e-4", true},
        {".00009", false}, {"-.00009", false}, {".0000999", false}, {"1e-45", false}, {"1e-300", false}};
    for (const auto& [text, drin] : faelle) EXPECT_EQ(Im_Eingaberahmen(Zahl_lesen(text)), drin) << text;
}

TEST(Zahlentext, ShortestFormWithBlank) {
    const std::pair<float, const char*> faelle[] = {
        {12.5f, " 12.5"}, {0.625f, " .625"}, {0.85f, " .85"}, {400.0f, " 400"}, {0.0f, " 0"}, {-0.0f, " 0"},
        {-0.5f, "-.5"}, {1e10f, " 10000000000"}, {1.5e-5f, " .000015"}, {1.0f / 3.0f, " .3333333"}};
    for (const auto& [wert, text] : faelle) EXPECT_EQ(Zahlentext(wert), text);
    EXPECT_EQ(Zahlentext15(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(Zahlentext15(450.0), " 450");
    // Every number text reads back to the same float.
    for (float v : {0.1f, 123456.7f, 3.4e38f, 1e-30f, -7.25f})
        EXPECT_EQ(static_cast<float>(Zahl_lesen(Zahlentext(v))), v) << v;
    EXPECT_EQ(Zahlentext_gerundet(50.0f) + Zahlentext_gerundet(0.5f) + Zahlentext_gerundet(6.666667f), " 50 .5 6.67");
}

TEST(Muster, DisplayPatterns) {
    // half away from zero on the shortest digits; no minus for a zero result
    const std::tuple<float, const char*, const char*> faelle[] = {
        {60.0f, "0.00 m²", "60.00 m²"}, {1.005f, "0.00", "1.01"}, {2.5f, "0", "3"}, {-2.5f, "0", "-3"},
        {0.6f, "0", "1"}, {0.006f, "0.00", "0.01"}, {-0.004f, "0.00", "0.00"}, {0.5f, ".00", ".50"},
        {0.0f, ".00 m", ".00 m"}, {179.0f, "0.0 mm", "179.0 mm"}, {99.96f, "0.0 mm", "100.0 mm"},
        {3.0f, "0 Stück", "3 Stück"}, {0.0f, "0 mm", "0 mm"}, {1e20f, "0", "100000000000000000000"}};
    for (const auto& [wert, muster, text] : faelle) EXPECT_EQ(Muster(wert, muster), text) << wert << " " << muster;
    EXPECT_EQ(Muster(1.8f, "0.00 l/s", ","), "1,80 l/s");
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
