#include <gtest/gtest.h>

#include "calc/fallrohr.h"
#include "calc/hydraulik.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;
using Zeilen_t = std::vector<std::string>;

namespace {

// Outlet flows as the driver leaves them, under a governing semicircular size.
Formular Abfluesse(std::array<float, 4> q, float zuschnitt) {
    Formular f = Startformular();
    f.werte.Belastung_Fallrohr = q;
    f.werte.traufe.Zuschnitt_halbrund = zuschnitt;
    Fallrohre_waehlen(f);
    return f;
}

}  // namespace

TEST(Fallrohr, TableEdges) {
    Formular f = Abfluesse({1.7f, 1.71f, 0.49f, 201}, 500);
    EXPECT_EQ(Zeilen(f, 13), Zeilen_t{"50"});  // equal capacity is enough
    EXPECT_EQ(Zeilen(f, 15), Zeilen_t{"60"});
    EXPECT_EQ(Zeilen(f, 18), Zeilen_t{"50"});  // 0.49 without funnel
    EXPECT_EQ(Zeilen(f, 19), Zeilen_t{">300"});
    EXPECT_EQ(Zeilen(f, 20), Zeilen_t{">300"});
    EXPECT_EQ(Zeilen(f, 24), Zeilen_t{"150"});
    EXPECT_EQ(f.werte.traufe.Durchmesser_mit[3], Fallrohr_zu_gross);

    f = Abfluesse({60.97f, 60.98f, 200.6f, 0}, 500);
    EXPECT_EQ(Zeilen(f, 14), Zeilen_t{"300"});
    EXPECT_EQ(Zeilen(f, 16), Zeilen_t{">300"});
    EXPECT_EQ(Zeilen(f, 17), Zeilen_t{"300"});
}

TEST(Fallrohr, ThreeLitresUnderFourHundred) {
    Formular f = Abfluesse({3.0f, 0, 0, 0}, 400);
    EXPECT_EQ(Zeilen(f, 13), Zeilen_t{"70"});
    EXPECT_EQ(Zeilen(f, 14), Zeilen_t{"100"});
    EXPECT_EQ(Zeilen(f, 21), Zeilen_t{"100"});
    EXPECT_TRUE(f[V::Label3]);
    // outlets without flow stay empty
    for (int n : {15, 16, 17, 18, 19, 20, 22, 23, 24}) EXPECT_TRUE(Zeilen(f, n).empty()) << n;
}

TEST(Fallrohr, SmallPipeNoteOnlyForLoadedOutlets) {
    EXPECT_FALSE(Abfluesse({0, 0, 0, 0}, 400)[V::Label3]);
    EXPECT_FALSE(Abfluesse({6.0f, 0, 9.0f, 0}, 400)[V::Label3]);
    EXPECT_TRUE(Abfluesse({6.0f, 0, 9.0f, 4.1f}, 400)[V::Label3]);
}

TEST(Fallrohr, DropOutletTable) {
    struct Fall {
        int zuschnitt;
        float q;
        const char* text;
    };
    const Fall faelle[] = {
        {200, 1.6f, "60"},  {200, 1.61f, "nicht mögl."}, {250, 2.0f, "60"},   {250, 2.5f, "80"},
        {250, 2.6f, "nicht mögl."}, {285, 3.5f, "80"},   {285, 4.1f, "100"},  {285, 4.2f, "nicht mögl."},
        {333, 7.0f, "80 od. 100"},  {333, 7.2f, "100"},  {333, 7.5f, "nicht mögl."},
        {400, 10.0f, "100"}, {400, 12.0f, "125"},        {400, 12.1f, "nicht mögl."},
        {500, 1000, "150"},  {0, 0.1f, "nicht mögl."},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(Einhangstutzen(fall.zuschnitt, fall.q).text, fall.text) << fall.zuschnitt << " " << fall.q;
    EXPECT_EQ(Einhangstutzen(333, 7.0f).durchmesser_mm, 0);
    EXPECT_EQ(Einhangstutzen(400, 11).durchmesser_mm, 125);
}
