#include <gtest/gtest.h>

#include <cmath>

#include "bedienung/anzeige.h"
#include "bedienung/neuberechnung.h"
#include "model/meldungen.h"
#include "calc/traufe.h"
#include "model/zahlen.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

// Reference: the searches stepping 1 mm at a time.
static int D_linear(float q, float L, float wf, float sk, float hindernis) {
    float D = 60;
    for (int k = 0; k < Suchgrenze_Schritte; ++k, D += 1) {
        float A_E = static_cast<float>(3.1415926 * (double(D) * D) / 8) - hindernis;
        if (q <= Kapazitaet_halbrund(A_E <= 0 ? 1 : A_E, D / 2, L, wf, sk)) break;
    }
    return static_cast<int>(D);
}

static int B_linear(float q, float L, float wf, float r, float hindernis) {
    float B = 60;
    for (int k = 0; k < Suchgrenze_Schritte; ++k, B += 1) {
        const float H = r * B, A_E = B * H - hindernis;
        if (q <= Kapazitaet_Kasten(A_E <= 0 ? 1 : A_E, H, B, B, L, wf)) break;
    }
    return static_cast<int>(B);
}

TEST(Traufe, WorkedExampleTenMetresThreeLitres) {
    Skript_Dialoge d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(Zeilen(f, 3), (Texte{"runde Rinne", "Zuschnitt:  400", "bis max.    4.40 l/s"}));
    EXPECT_EQ(Zeilen(f, 4), (Texte{"Kastenrinne", "Zuschnitt:  400", "bis max.    3.66 l/s"}));
    EXPECT_EQ(Zeilen(f, 1), (Texte{"Rinne mit Halbkreis", "als Querschnitt", "Durchm.:    179.0 mm"}));
    EXPECT_EQ(Zeilen(f, 2), (Texte{"Rechteckige Rinne", "Breite:    136.0 mm", "Höhe:      85.0 mm"}));
    EXPECT_EQ(Muster(Kapazitaet_halbrund(10722, 86.5f, 10000, 1, 1), "0.00"), "2.48");  // 333 is too small
    EXPECT_TRUE(d.titel().empty());

    // the leaf guard halves every semicircular capacity and leaves the box alone
    Formular mit = f;
    mit[S::Check_Schutzkorb] = true;
    Pruefen_und_berechnen(mit, d);
    EXPECT_EQ(Zeilen(mit, 3)[1], "Zuschnitt:  500");
    // D = 232: A_E = pi * 232^2 / 8 = 21137, W = 116, L/W = 86.2, F_L = 0.9435;
    // Q = 1e-5 * 0.5 * 0.9 * 2.78 * 21137^1.25 * 0.9435 = 3.008 l/s, at 231 only 2.974
    EXPECT_EQ(Zeilen(mit, 1)[2], "Durchm.:    232.0 mm");
    EXPECT_TRUE(Zeilen(mit, 4) == Zeilen(f, 4) && Zeilen(mit, 2) == Zeilen(f, 2));
}

TEST(Traufe, StandardSizesAndTheGoverningSegment) {
    auto rechnen = [](std::vector<Teilstrecke> ts) {
        Lasten l;
        for (size_t i = 0; i < ts.size(); ++i) l.Teilstreckentabelle[i] = ts[i];
        Formular f = Startformular();
        f.werte.traufe = Traufe_berechnen(l, 0.625f, false);
        Traufe_zeigen(f, f.werte.traufe, 1);
        return f;
    };
    // equal capacity is not enough for a standard size
    const float q400 = Kapazitaet_halbrund(16588, 107, 10000, 1, 1);
    EXPECT_EQ(rechnen({{10, 1, q400, 0, 1}}).werte.traufe.Zuschnitt_halbrund(), 500);
    // 333 and 400 needed: the 400 segment governs with its own capacity
    EXPECT_EQ(Zeilen(rechnen({{10, 1, 2, 0, 1}, {0, 0, 0, 0, 1}, {20, 0, 9, 0, 1}, {10, 1, 3, 0, 1}}), 3),
              (Texte{"runde Rinne", "Zuschnitt:  400", "bis max.    4.40 l/s"}));
    // two beyond 500: the first governs and shows what 500 would carry for it over 20 m:
    // L/W = 147.1, F_L = 0.8694; 1e-5 * 0.9 * 2.78 * 27293^1.25 * 0.8694 = 7.63 l/s
    const Formular f = rechnen({{0, 0, 0, 0, 1}, {20, 1, 50, 0, 1}, {10, 1, 60, 0, 1}});
    EXPECT_EQ(Zeilen(f, 3)[1] + Zeilen(f, 3)[2], "Zuschnitt:  0bis max.    7.63 l/s");
    EXPECT_TRUE(!f.werte.traufe.TS[1].halbrund.groesse && f.werte.traufe.massgebend_halbrund == 1u);
}

TEST(Traufe, SearchesMatchTheOneMillimetreScan) {
    // one obstacle leaves less than 1 mm² just past the floored sizes
    const float knapp = static_cast<float>(3.1415926 * 200.0 * 200.0 / 8) - 0.5f;
    for (float L : {0.0f, 10000.0f, 120000.0f})
        for (float h : {0.0f, 2000.0f, knapp, 60000.0f})
            for (float wf : {1.0f, 0.85f})
                for (float q = 1e-5f; q < 40; q *= 1.9f) {
                    EXPECT_EQ(Durchmesser_nach_Bedarf(q, L, wf, 1, h), D_linear(q, L, wf, 1, h)) << q << " " << L;
                    EXPECT_EQ(Durchmesser_nach_Bedarf(q, L, wf, 0.5f, h), D_linear(q, L, wf, 0.5f, h));
                    EXPECT_EQ(Breite_nach_Bedarf(q, L, wf, 0.625f, h), B_linear(q, L, wf, 0.625f, h)) << q << " " << L;
                    EXPECT_EQ(Breite_nach_Bedarf(q, L, wf, 2.0f, h), B_linear(q, L, wf, 2.0f, h));
                }
    // a flow equal to the capacity at a size stops there; a hair more needs the next size
    for (int D : {60, 179, 233, 4000}) {
        const float q = Kapazitaet_halbrund(static_cast<float>(3.1415926 * double(D) * D / 8), D / 2.0f, 10000, 1, 1);
        EXPECT_EQ(Durchmesser_nach_Bedarf(q, 10000, 1, 1, 0), D);
        EXPECT_EQ(Durchmesser_nach_Bedarf(std::nextafter(q, 1e30f), 10000, 1, 1, 0), D + 1);
    }
    // a negative angle factor or ratio from a file can never be sized
    EXPECT_EQ(Durchmesser_nach_Bedarf(1, 10000, -1, 1, 0), 60 + Suchgrenze_Schritte);
    EXPECT_EQ(Breite_nach_Bedarf(1, 10000, 1, -0.5f, 0), 60 + Suchgrenze_Schritte);
}

TEST(Traufe, MessagesOncePerRun) {
    // Long, lightly loaded segments; the ratio H/B decides which gutter's L/W passes 500.
    const std::tuple<const char*, const char*, const char*, bool> faelle[] = {
        // 0.09 l/s: D = 61, L/W = 30000 / 30.5 = 984; box 60 x 120, L/W = 250
        {"30", ".1", "2", true},
        // 0.03 l/s: D = 60, L/W = 333; box 60 x 18, L/W = 556
        {"10", ".1", ".3", true},
        // box 60 x 37.5: L/W = 267
        {"10", ".1", ".625", false},
    };
    for (const auto& [laenge, breite, verhaeltnis, fehler] : faelle) {
        Skript_Dialoge d;
        Formular f = Startformular();
        Segment(f, 1, laenge, breite);
        Segment(f, 2, laenge, breite);
        f[T::Text1] = verhaeltnis;
        Pruefen_und_berechnen(f, d);
        EXPECT_EQ(d.titel(), fehler ? Texte{"Massfehler!"} : Texte{}) << verhaeltnis;
        EXPECT_EQ(Zeilen(f, 1).size(), 3u);  // results still shown
        if (fehler) {
            EXPECT_EQ(d.texte()[0].rfind("Das Verhältnis von Rinnenlänge zur Wassertiefe ist zu groß.", 0), 0u);
        }
    }

    Skript_Dialoge d2;
    Formular f = Startformular();
    Segment(f, 1, "10", "9999999");  // a flow no gutter within the search carries
    Segment(f, 2, "10", "9999999");
    f[T::r5_5] = "9999999";
    f[T::Text5] = "9999999";
    Pruefen_und_berechnen(f, d2);
    EXPECT_EQ(d2.titel(), Texte{std::string(meldung::Suchgrenze.titel)});
    EXPECT_EQ(Zeilen(f, 1)[2] + Zeilen(f, 2)[1], "Durchm.:    100060.0 mmBreite:    100060.0 mm");
}

// An emptied ratio is the default .625; each press moves it by .005, never down to zero.
TEST(Traufe, RatioOfTheRectangle) {
    Skript_Dialoge d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    f[T::Text1] = "";
    Pruefen_und_berechnen(f, d);
    const std::string leer = f[T::Text1];
    Command12_Click(f, d);
    EXPECT_EQ(leer + f[T::Text1], " .625 .63");
    for (int i = 0; i < 9; ++i) Command12_Click(f, d);
    EXPECT_EQ(Zeilen(f, 2)[1], "Breite:    130.0 mm");  // at .675 the box needs 130 instead of 136 mm
    f[T::Text1] = ".005";
    Command13_Click(f, d);
    EXPECT_TRUE(f[T::Text1] == ".005" && d.pieptoene() == 1 && d.titel().empty());
}

TEST(Fallrohr, TableEdges) {
    // the row of the semicircular table with this blank width; none for 0
    auto zeile = [](int zuschnitt) -> std::optional<size_t> {
        for (size_t i = 0; i < Rinnengroesse_Tabelle_halbrund.size(); ++i)
            if (Rinnengroesse_Tabelle_halbrund[i].zuschnitt_mm == zuschnitt) return i;
        return std::nullopt;
    };
    auto abfluesse = [&](std::array<float, 4> q, int zuschnitt) {
        Traufe_Werte tw;
        tw.TS[0].halbrund.groesse = zeile(zuschnitt);
        tw.massgebend_halbrund = 0;
        Fallrohre_waehlen(tw, q);
        Formular f = Startformular();
        Traufe_zeigen(f, tw, 0);
        return f;
    };
    // with funnel: boxes 13/15/17/19, without 14/16/18/20, drop outlet 21..24
    Formular f = abfluesse({1.7f, 1.71f, 0.49f, 201}, 500);
    const std::pair<int, const char*> zeilen[] = {{13, "50"},   {15, "60"},   {18, "50"},
                                                  {19, ">300"}, {20, ">300"}, {24, "150"}};
    for (const auto& [bild, text] : zeilen) EXPECT_EQ(Zeilen(f, bild), Texte{text}) << bild;
    EXPECT_EQ(Zeilen(abfluesse({60.97f, 60.98f, 0, 0}, 500), 16), Texte{">300"});
    EXPECT_EQ(Zeilen(abfluesse({4.3f, 0, 0, 0}, 500), 14), Texte{"120"});  // 110 carries 0.7 * 6.0 = 4.2

    f = abfluesse({3.0f, 0, 0, 0}, 400);
    EXPECT_EQ(Zeilen(f, 13)[0] + Zeilen(f, 14)[0] + Zeilen(f, 21)[0], "70100100");
    EXPECT_TRUE(f[V::Label3]);
    for (int n : {15, 16, 22, 24}) EXPECT_TRUE(Zeilen(f, n).empty()) << n;
    // only loaded outlets can raise the small-pipe note
    EXPECT_FALSE(abfluesse({6.0f, 0, 9.0f, 0}, 400)[V::Label3]);

    const std::tuple<int, float, const char*> stutzen[] = {
        {200, 1.6f, "60"},         {200, 1.61f, "nicht mögl."}, {250, 2.5f, "80"},          {285, 4.1f, "100"},
        {285, 4.2f, "nicht mögl."},
        {333, 7.0f, "80 od. 100"}, {333, 7.2f, "100"},          {333, 7.5f, "nicht mögl."}, {400, 12.0f, "125"},
        {500, 1000, "150"},        {0, 0.1f, "nicht mögl."},
    };
    for (const auto& [zuschnitt, q, text] : stutzen)
        EXPECT_EQ(Einhangstutzen_Text(Einhangstutzen_fuer(zeile(zuschnitt), q)), text) << q;
}
