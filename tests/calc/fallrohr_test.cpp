#include <gtest/gtest.h>

#include "calc/fallrohr.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

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
    // with funnel 13/15/17/19, without 14/16/18/20, drop outlet 21..24
    Formular f = Abfluesse({1.7f, 1.71f, 0.49f, 201}, 500);
    EXPECT_EQ(Zeilen(f, 13), Texte{"50"});  // equal capacity is enough
    EXPECT_EQ(Zeilen(f, 15), Texte{"60"});
    EXPECT_EQ(Zeilen(f, 18), Texte{"50"});
    EXPECT_EQ(Zeilen(f, 19), Texte{">300"});
    EXPECT_EQ(Zeilen(f, 20), Texte{">300"});
    EXPECT_EQ(Zeilen(f, 24), Texte{"150"});
    EXPECT_EQ(Zeilen(Abfluesse({60.97f, 60.98f, 0, 0}, 500), 16), Texte{">300"});

    f = Abfluesse({3.0f, 0, 0, 0}, 400);
    EXPECT_EQ(Zeilen(f, 13), Texte{"70"});
    EXPECT_EQ(Zeilen(f, 14), Texte{"100"});
    EXPECT_EQ(Zeilen(f, 21), Texte{"100"});
    EXPECT_TRUE(f[V::Label3]);
    for (int n : {15, 16, 22, 24}) EXPECT_TRUE(Zeilen(f, n).empty()) << n;
    // only loaded outlets can raise the small-pipe note
    EXPECT_FALSE(Abfluesse({6.0f, 0, 9.0f, 0}, 400)[V::Label3]);
}

TEST(Fallrohr, DropOutletTable) {
    const std::tuple<int, float, const char*> faelle[] = {
        {200, 1.6f, "60"},   {200, 1.61f, "nicht mögl."}, {250, 2.5f, "80"},   {285, 4.1f, "100"},
        {333, 7.0f, "80 od. 100"}, {333, 7.2f, "100"},    {333, 7.5f, "nicht mögl."},
        {400, 12.0f, "125"}, {500, 1000, "150"},          {0, 0.1f, "nicht mögl."},
    };
    for (const auto& [zuschnitt, q, text] : faelle) EXPECT_EQ(Einhangstutzen(zuschnitt, q).text, text) << q;
}
