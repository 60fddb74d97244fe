#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/engine.h"
#include "calc/meldungen.h"
#include "calc/traufe.h"
#include "model/zahlen.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;
using Zeilen_t = std::vector<std::string>;

namespace {

// One 10 m segment carrying 3.00 l/s (100 m² at 300 l/(s·ha)).
Formular Zehn_Meter(Aufzeichnung& d, bool laubfang = false) {
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    f[S::Check_Schutzkorb] = laubfang;
    Pruefen_und_berechnen(f, d);
    return f;
}

// Reference: the 1-mm searches exactly as written, step by step.
int D_linear(float q, float L, float wf, float sk, float hindernis) {
    float D = 60;
    for (int k = 0; k < Suche_Schritte; ++k) {
        float A_E = static_cast<float>(3.1415926 * (double(D) * D) / 8) - hindernis;
        if (A_E <= 0) A_E = 1;
        if (q <= Kapazitaet_halbrund(A_E, D / 2, L, wf, sk)) break;
        D += 1;
    }
    return static_cast<int>(D);
}

int B_linear(float q, float L, float wf, float r, float hindernis) {
    float B = 60;
    for (int k = 0; k < Suche_Schritte; ++k) {
        const float H = r * B;
        float A_E = B * H - hindernis;
        if (A_E <= 0) A_E = 1;
        if (q <= Kapazitaet_Kasten(A_E, H, B, B, L, wf)) break;
        B += 1;
    }
    return static_cast<int>(B);
}

}  // namespace

TEST(Traufe, WorkedExampleTenMetresThreeLitres) {
    Aufzeichnung d;
    Formular f = Zehn_Meter(d);
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "3.00 l/s");
    EXPECT_EQ(Zeilen(f, 3), (Zeilen_t{"runde Rinne", "Zuschnitt:  400", "bis max.    4.40 l/s"}));
    EXPECT_EQ(Zeilen(f, 4), (Zeilen_t{"Kastenrinne", "Zuschnitt:  400", "bis max.    3.66 l/s"}));
    EXPECT_EQ(Zeilen(f, 1), (Zeilen_t{"Rinne mit Halbkreis", "als Querschnitt", "Durchm.:    179.0 mm"}));
    EXPECT_EQ(Zeilen(f, 2), (Zeilen_t{"Rechteckige Rinne", "Breite:    136.0 mm", "Höhe:      85.0 mm"}));
    EXPECT_EQ(f.werte.traufe.Label48, "Die Dimensionierung erfolgt nach der un- günstigsten Teilstrecke.");
    EXPECT_TRUE(d.meldungen.empty());
    // 333 is the next smaller size and does not carry the flow.
    EXPECT_EQ(Muster(Kapazitaet_halbrund(10722, 86.5f, 10000, 1, 1), "0.00"), "2.48");
    // The eaves frames are up, the internal-gutter inputs locked.
    EXPECT_TRUE(f[V::Rinne_vorgeh_einzel]);
    EXPECT_FALSE(f[V::Rinnen_innenliegend]);
    EXPECT_FALSE(f[A::Option5]);
    EXPECT_FALSE(f[A::Text30]);
}

TEST(Traufe, LeafGuardHalvesOnlySemicircularCapacity) {
    Aufzeichnung d;
    Formular ohne = Zehn_Meter(d);
    Formular mit = Zehn_Meter(d, true);
    for (const auto& z : Rinnengroesse_Tabelle_halbrund)
        EXPECT_FLOAT_EQ(Kapazitaet_halbrund(z.A_E_mm2, z.W_mm, 10000, 1, 0.5f),
                        Kapazitaet_halbrund(z.A_E_mm2, z.W_mm, 10000, 1, 1) / 2);
    EXPECT_EQ(Zeilen(mit, 3)[1], "Zuschnitt:  500");  // 400 now carries only 2.20 l/s
    EXPECT_EQ(Zeilen(mit, 4), Zeilen(ohne, 4));
    EXPECT_EQ(Zeilen(mit, 2), Zeilen(ohne, 2));
    EXPECT_NE(Zeilen(mit, 1), Zeilen(ohne, 1));
}

TEST(Traufe, EqualCapacityNeedsNextStandardSizeButEndsSearch) {
    Formular f = Startformular();
    const float q = Kapazitaet_halbrund(16588, 107, 10000, 1, 1);
    f.werte.Gesamtflaeche = 100;
    f.werte.Teilstreckentabelle[0] = {10, 100, q, 0, 1};
    Aufzeichnung d;
    Traufe_berechnen(f, d);
    EXPECT_EQ(f.werte.traufe.Zuschnitt_halbrund, 500);

    const float am_maß = Kapazitaet_halbrund(static_cast<float>(3.1415926 * 179.0 * 179.0 / 8), 89.5f, 10000, 1, 1);
    EXPECT_EQ(Durchmesser_nach_Bedarf(am_maß, 10000, 1, 1, 0), 179);
    EXPECT_EQ(Durchmesser_nach_Bedarf(std::nextafter(am_maß, 1e9f), 10000, 1, 1, 0), 180);
}

TEST(Traufe, GoverningSegment) {
    const float q333 = 2.0f, q400 = 3.0f;  // 333 carries 2.48, 400 carries 4.40 at 10 m
    {
        Formular f = Startformular();
        f.werte.Gesamtflaeche = 1;
        f.werte.Teilstreckentabelle[0] = {10, 1, q333, 0, 1};
        f.werte.Teilstreckentabelle[3] = {10, 1, q400, 0, 1};
        Aufzeichnung d;
        Traufe_berechnen(f, d);
        EXPECT_EQ(Zeilen(f, 3), (Zeilen_t{"runde Rinne", "Zuschnitt:  400", "bis max.    4.40 l/s"}));
    }
    {   // both beyond 500: the first governs and shows what 500 carries for it
        Formular f = Startformular();
        f.werte.Gesamtflaeche = 1;
        f.werte.Teilstreckentabelle[1] = {10, 1, 50, 0, 1};
        f.werte.Teilstreckentabelle[2] = {20, 1, 60, 0, 1};
        Aufzeichnung d;
        Traufe_berechnen(f, d);
        const float cap500 = Kapazitaet_halbrund(27293, 136, 10000, 1, 1);
        EXPECT_EQ(Zeilen(f, 3), (Zeilen_t{"runde Rinne", "Zuschnitt:  0",
                                          "bis max.    " + Muster(cap500, "0.00 l/s")}));
        EXPECT_EQ(Zeilen(f, 4)[1], "Zuschnitt:  0");
        EXPECT_EQ(f.werte.traufe.Ergebnisse_TS[1][1], 600);
    }
}

TEST(Traufe, NoAreaLeavesBoxesEmpty) {
    Aufzeichnung d;
    Formular f = Zehn_Meter(d);
    Segment(f, 1, "", "");
    Pruefen_und_berechnen(f, d);
    for (int n : {1, 2, 3, 4}) EXPECT_TRUE(Zeilen(f, n).empty()) << n;
    for (int n = 13; n <= 24; ++n) EXPECT_TRUE(Zeilen(f, n).empty()) << n;
}

TEST(Traufe, LongSegmentRaisesMassfehlerOncePerRun) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "30", ".1");
    Segment(f, 2, "30", ".1");
    Pruefen_und_berechnen(f, d);
    ASSERT_EQ(d.titel(), (Zeilen_t{"Massfehler!"}));
    EXPECT_EQ(d.meldungen[0].second.rfind("Das Verhältnis von Rinnenlänge zur Wassertiefe ist zu groß.", 0), 0u);
    EXPECT_FALSE(Zeilen(f, 1).empty());  // results still shown
    EXPECT_GT(f.werte.traufe.x_R, 500);
}

TEST(Traufe, EmptyRatioFallsBackAndIsWrittenBack) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    f[T::Text1] = "";
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(f[T::Text1], " .625");
    EXPECT_EQ(Zeilen(f, 2)[2], "Höhe:      85.0 mm");
}

TEST(Traufe, WidthButtonsStepTheRatio) {
    Aufzeichnung d;
    Formular f = Zehn_Meter(d);
    const float breit = f.werte.traufe.Breite_nach_Bedarf;
    Command12_Click(f, d);
    EXPECT_EQ(f[T::Text1], " .63");
    for (int i = 0; i < 9; ++i) Command12_Click(f, d);
    EXPECT_LT(f.werte.traufe.Breite_nach_Bedarf, breit);  // higher, so narrower
    f[T::Text1] = " .625";
    Command13_Click(f, d);
    EXPECT_EQ(f[T::Text1], " .62");

    f[T::Text1] = "0";
    Command12_Click(f, d);
    EXPECT_EQ(f[T::Text1], " .63");

    // No press takes the ratio to zero, where nothing can be sized.
    f[T::Text1] = ".005";
    Command13_Click(f, d);
    EXPECT_EQ(f[T::Text1], ".005");
    EXPECT_EQ(d.pieptoene, 1);
    EXPECT_TRUE(d.meldungen.empty());
}

TEST(Traufe, SearchesMatchTheOneMillimetreScan) {
    // Obstacles include one that leaves less than 1 mm² just past the floored sizes.
    const float knapp = static_cast<float>(3.1415926 * 200.0 * 200.0 / 8) - 0.5f;
    for (float L : {0.0f, 3000.0f, 10000.0f, 30000.0f, 120000.0f})
        for (float h : {0.0f, 2000.0f, knapp, 60000.0f})
            for (float wf : {1.0f, 0.85f})
                for (float q = 1e-5f; q < 40; q *= 1.9f) {
                    EXPECT_EQ(Durchmesser_nach_Bedarf(q, L, wf, 1, h), D_linear(q, L, wf, 1, h))
                        << q << " " << L << " " << h;
                    EXPECT_EQ(Durchmesser_nach_Bedarf(q, L, wf, 0.5f, h), D_linear(q, L, wf, 0.5f, h));
                    EXPECT_EQ(Breite_nach_Bedarf(q, L, wf, 0.625f, h), B_linear(q, L, wf, 0.625f, h))
                        << q << " " << L << " " << h;
                    EXPECT_EQ(Breite_nach_Bedarf(q, L, wf, 2.0f, h), B_linear(q, L, wf, 2.0f, h));
                }
    // Flows equal to the capacity at a size, and a hair above it.
    for (int D : {60, 61, 150, 179, 233, 900, 4000}) {
        const float L = 10000;
        const float q = Kapazitaet_halbrund(static_cast<float>(3.1415926 * double(D) * D / 8), D / 2.0f, L, 1, 1);
        EXPECT_EQ(Durchmesser_nach_Bedarf(q, L, 1, 1, 0), D_linear(q, L, 1, 1, 0)) << D;
        const float mehr = std::nextafter(q, 1e30f);
        EXPECT_EQ(Durchmesser_nach_Bedarf(mehr, L, 1, 1, 0), D_linear(mehr, L, 1, 1, 0)) << D;
    }
    // A negative angle factor or ratio from a file takes the plain scan.
    EXPECT_EQ(Durchmesser_nach_Bedarf(1, 10000, -1, 1, 0), 60 + Suche_Schritte);
    EXPECT_EQ(Breite_nach_Bedarf(1, 10000, 1, -0.5f, 0), 60 + Suche_Schritte);
}

TEST(Traufe, SearchLimitIsReportedOnce) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    Segment(f, 2, "10", "10");
    f[T::Text5] = "1e12";  // the obstacle swallows every cross-section
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(d.titel(), (Zeilen_t{std::string(meldung::Suchgrenze_Titel)}));
    EXPECT_EQ(Zeilen(f, 1)[2], "Durchm.:    100060.0 mm");
    EXPECT_EQ(Zeilen(f, 2)[1], "Breite:    100060.0 mm");
    EXPECT_TRUE(f.werte.traufe.Suchgrenze);
}
