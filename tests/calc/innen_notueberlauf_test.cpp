#include <gtest/gtest.h>

#include "calc/innen_schritte.h"
#include "model/zahlen.h"
#include "innen_hilfen.h"

using namespace dkm;
using namespace dkm::innen_test;

TEST(Durchmesser_Text, RowsAndHeadThresholds) {
    // x = Q / h² exactly 0.00082 belongs to the 250 row
    ASSERT_EQ(static_cast<float>(51.25 / (250.0 * 250.0)), 0.00082f);
    EXPECT_EQ(Durchmesser_Text(51.25f, 250), "Durchmesser :  265 mm");
    EXPECT_EQ(Durchmesser_Text(51.26f, 250), "Durchmesser:    300 mm");
    // in the 300 row a head of exactly 280 already takes the general text
    EXPECT_EQ(Durchmesser_Text(0.00085f * 78400, 280), "Durchmesser :  300 mm");
    EXPECT_EQ(Durchmesser_Text(0.00085f * 78400, 279.5f), "Durchmesser:    300 mm");
    EXPECT_EQ(Durchmesser_Text(0.00085f * 78400, 280.25f), "Durchmesser :  300.25 mm");
    EXPECT_EQ(Durchmesser_Text(0.001f * 90000, 300), "Durchmesser    (>300 mm)");
    EXPECT_EQ(Durchmesser_Text(0.0006f * 190.3f * 190.3f, 190.3f), "Durchmesser :  205 mm");
    EXPECT_EQ(Durchmesser_Text(0.0006f * 150 * 150, 150), "Durchmesser:    200 mm");
    EXPECT_EQ(Durchmesser_Text(0.0005f * 145.6f * 145.6f, 145.6f), "Durchmesser :  156 mm");
    EXPECT_EQ(Durchmesser_Text(0.0001f * 95.6f * 95.6f, 95.6f), "Durchmesser :  106 mm");
    EXPECT_EQ(Durchmesser_Text(0.0001f * 80 * 80, 80), "Durchmesser:    100 mm");
}

TEST(Notueberlauf, EndOverflowsShowHeadPieces) {
    Formular f = Innenrinne(3);
    Rechnen(f);
    EXPECT_TRUE(f[V::Picture34]);
    EXPECT_FALSE(f[V::Picture35]);
    EXPECT_EQ(Zeilen(f, 34), (std::vector<std::string>{"Höhe der Kopfstücke", "(bzw. Montagehöhe",
                                                        "des Notüberlaufs):", "50 mm", "Notabfluss: 4.5 l/s",
                                                        "verfügbarer Druck:", "32 mm"}));
    // TS 4 is the first empty one: two outlets
    EXPECT_EQ(f.Notueberlauf_Box_top, 5520);
    EXPECT_TRUE(f[V::Picture30]);
    EXPECT_FALSE(f[V::Picture31]);
    f.dezimaltrenner = ",";
    f[S::Option3] = false;
    f[S::Option4] = true;
    Rechnen(f);
    EXPECT_EQ(Zeilen(f, 34)[4], "Notabfluss: 9,0 l/s");
    EXPECT_EQ(f.Picture(26).vordergrund, Farbe_dunkelblau);
}

TEST(Notueberlauf, LongSideOpeningsNarrowWithTheCorrection) {
    Formular f = Innenrinne(8);
    Laengsseite(f, "2");
    Protokoll p = Rechnen(f);
    EXPECT_TRUE(p.meldungen.empty());
    EXPECT_FALSE(f[V::Picture34]);
    EXPECT_TRUE(f[V::Picture35]);
    EXPECT_EQ(f.Notueberlauf_Box_top, 10200);
    EXPECT_TRUE(f[A::Text30]);
    EXPECT_TRUE(f[A::Command11]);
    const auto ohne = Zeilen(f, 35);
    ASSERT_EQ(ohne.size(), 6u);
    EXPECT_EQ(ohne[0], "Notüberläufe: ( 2 Stück)");
    EXPECT_EQ(ohne[3], "Notabfluss:     12.0 l/s");
    EXPECT_EQ(ohne[5], "Montagehöhe:    50 mm");
    const float b = f.werte.innen.Oeffnung_Breite_mm, Ende = f.werte.innen.beidseits.Wassertiefe_mm;
    EXPECT_EQ(ohne[1], "Breite/Höhe: " + Muster(b, "0") + "/" + Muster(f.werte.innen.Oeffnung_Hoehe_mm, "0 mm"));
    EXPECT_EQ(f[T::Text32], Muster(b, "0 mm"));

    f.Hoehenkorrektur = 20;
    Rechnen(f);
    const Innen_Werte& w = f.werte.innen;
    EXPECT_LT(w.Oeffnung_Breite_mm, b);
    EXPECT_EQ(w.Oeffnung_Hoehe_mm, w.Laengsseite.Notstauhoehe_mm + 20);
    EXPECT_EQ(Zeilen(f, 35).back(), "(Rinnenhöhe +20 mm)");
    EXPECT_EQ(f[T::Text31], Muster(w.Laengsseite.Hoehe_mm, "0 mm") + " (+20)");
    EXPECT_EQ(w.beidseits.Wassertiefe_mm, Ende);  // the end overflows ignore the correction
}
