#include <gtest/gtest.h>

#include <functional>

#include "calc/engine.h"
#include "calc/meldungen.h"
#include "model/tabellen.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;
using Zeilen_t = std::vector<std::string>;

TEST(Neuberechnung, SixByTenMetresAtThreeHundred) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "6", "10");
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "60.00 m²");
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "1.80 l/s");
    EXPECT_EQ(f[T::Flaeche_Fallrohr_1_2], "60.00 m²");
    EXPECT_EQ(f[T::Belastung_Fallrohr_1_2], "1.80 l/s");
    EXPECT_EQ(f[T::Einzel_Flaeche_2], "");
    EXPECT_EQ(f[T::Belast_Teilrinne_2], "");
    EXPECT_EQ(f[T::Flaeche_Fallrohr_3_4], "");
    EXPECT_EQ(f[T::Belastung_Fallrohr_3_4], "");
    EXPECT_TRUE(f[S::Option7]);
    EXPECT_FALSE(f[S::Option6]);
    EXPECT_EQ(f[T::Text27], " 1");
    EXPECT_EQ(f[T::Text25], " 6");
    EXPECT_EQ(f[T::Text26], " 60");
    EXPECT_TRUE(f[V::Picture43]);
    EXPECT_FALSE(f.Picture(43).zeichnung.leer());
    EXPECT_FALSE(f[V::Picture44]);
    EXPECT_TRUE(f.Picture(44).zeichnung.leer());
    // the window's number format
    f.dezimaltrenner = ",";
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "60,00 m²");
    EXPECT_EQ(f[T::Belastung_Fallrohr_1_2], "1,80 l/s");
    EXPECT_TRUE(d.meldungen.empty());
}

TEST(Neuberechnung, EmptyProjectEmptiesEverything) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "6", "10");
    Neuberechnung(f, d);
    Segment(f, 1, "", "");
    Neuberechnung(f, d);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(f[Einzel_Flaeche(i)], "");
        EXPECT_EQ(f[Belast_Teilrinne(i)], "");
    }
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(f[Flaeche_Fallrohr(k)], "");
        EXPECT_EQ(f[Belastung_Fallrohr(k)], "");
    }
    EXPECT_EQ(f[T::Text25], "");
    EXPECT_EQ(f[T::Text26], "");
    EXPECT_EQ(f[T::Text27], "");
    EXPECT_TRUE(f.Picture(37).zeichnung.leer());
}

TEST(Neuberechnung, TotalsAreWrittenBackRounded) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "3.333", "2", "0.5");
    Segment(f, 2, "0.5", "1");
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Text25], " 3.83");
    EXPECT_EQ(f[T::Text26], " 7.67");  // 6.666 + 0.5 + 0.5
    // a total that rounds to zero empties its box
    Segment(f, 1, "0.001", "", "1");
    Segment(f, 2, "", "");
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Text25], "");
    EXPECT_EQ(f[T::Text26], " 1");
}

TEST(Neuberechnung, ArrangementFollowsTheFilledSegments) {
    struct Fall {
        const char* gefuellt;  // '1' where the segment has a length
        S option;
        const char* anzahl;
    };
    const Fall faelle[] = {
        {"10000000", S::Option7, " 1"}, {"11000000", S::Option6, " 1"}, {"11100000", S::Option7, " 2"},
        {"11110000", S::Option6, " 2"}, {"11111110", S::Option7, " 4"}, {"11111111", S::Option6, " 4"},
        {"01000000", S::Option7, " 1"}, {"01100000", S::Option8, " 2"}, {"01110000", S::Option7, " 2"},
        {"01111110", S::Option8, " 4"}, {"01111111", S::Option7, " 4"}, {"11011111", S::Option6, " 1"},
    };
    for (const Fall& fall : faelle) {
        Aufzeichnung d;
        Formular f = Startformular();
        for (int i = 1; i <= 8; ++i)
            if (fall.gefuellt[i - 1] == '1') Segment(f, i, "5", "4");
        Neuberechnung(f, d);
        EXPECT_TRUE(f[fall.option]) << fall.gefuellt;
        EXPECT_EQ(f[S::Option6] + f[S::Option7] + f[S::Option8], 1) << fall.gefuellt;
        EXPECT_EQ(f[T::Text27], fall.anzahl) << fall.gefuellt;
    }
    // without TS 1 and TS 2 the arrangement stays as it was
    Aufzeichnung d;
    Formular f = Startformular();
    f[S::Option6] = false;
    f[S::Option8] = true;
    Segment(f, 3, "5", "4");
    Neuberechnung(f, d);
    EXPECT_TRUE(f[S::Option8]);
    EXPECT_EQ(f[T::Text27], "");
}

TEST(Neuberechnung, DefaultsReplaceMissingRainAndLists) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    f[T::r5_5] = "";
    f[T::r5_100] = "abc";
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::r5_5], " 450");
    EXPECT_EQ(f[T::r5_100], " 800");
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "4.50 l/s");
    EXPECT_FLOAT_EQ(f.werte.Belast_Jahrhundert[0], 8.0f);

    f[L::Combo_Abfl_beiwert] = {"Kiesdach (C=0.5)", 1};
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "2.25 l/s");
    EXPECT_FLOAT_EQ(f.werte.Belast_Jahrhundert[0], 8.0f);  // C is not applied to the 100-year rain

    f[L::Combo_Schutzfaktor] = {"Faktor f = 3", -1};  // a loaded text without its trailing blank
    Neuberechnung(f, d);
    EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "6.75 l/s");
    f[L::Combo_Schutzfaktor] = {"Faktor f = 7", -1};  // unknown: f stays
    Neuberechnung(f, d);
    EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);

    f[L::Combo_Diff_Notueberl].index = 1;
    Neuberechnung(f, d);
    EXPECT_EQ(f.Notueberlauf_Regen, "voll");
    f[L::Combo_Diff_Notueberl].index = -1;
    Neuberechnung(f, d);
    EXPECT_EQ(f.Notueberlauf_Regen, "Jahrh_abz_Bererechnungsregen");
}

TEST(Neuberechnung, SegmentTableCarriesAngleFactorAndObstacle) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 5, "4", "", "12");
    f.Winkelfaktor[4] = 0.85f;
    f[T::Text5] = "3";
    Neuberechnung(f, d);
    const Teilstrecke& ts = f.werte.Teilstreckentabelle[4];
    EXPECT_FLOAT_EQ(ts.laenge_m, 4);
    EXPECT_FLOAT_EQ(ts.flaeche_m2, 12);
    EXPECT_FLOAT_EQ(ts.abfluss_l_s, 0.36f);
    EXPECT_FLOAT_EQ(ts.abfluss_jahrhundert_l_s, 0.72f);
    EXPECT_FLOAT_EQ(ts.winkelfaktor, 0.85f);
    EXPECT_FLOAT_EQ(f.werte.Hindernisabzug, 600);
    // the sketch labels only loaded segments
    const auto& texte = f.Picture(37).zeichnung.texte;
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].text, "TS 5");
    EXPECT_TRUE(f[V::Picture37]);
    EXPECT_TRUE(f[V::Picture45]);
}

TEST(Eingabepruefung, IncompleteSegmentsStopTheRun) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "6", "10");
    Pruefen_und_berechnen(f, d);
    const std::string vorher = f[T::Einzel_Flaeche_1];

    Segment(f, 3, "5", "");
    Eingabepruefung(f);
    EXPECT_EQ(f.Masse_vollstaendig, "nein");
    f[L::Combo_Abfl_beiwert] = {"Kiesdach (C=0.5)", 1};
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(d.titel(), (Zeilen_t{"Maße fehlen!"}));
    EXPECT_EQ(d.meldungen[0].second, "Bei einer - oder mehreren - Teilstrecken fehlen Maßangaben.");
    EXPECT_EQ(f[T::Einzel_Flaeche_1], vorher);
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "1.80 l/s");

    Segment(f, 3, "", "");
    Segment(f, 2, "", "", "7");
    Eingabepruefung(f);
    EXPECT_EQ(f.Masse_vollstaendig, "nein");
    Segment(f, 2, "3", "", "7");  // a length with only an additional area is complete
    Eingabepruefung(f);
    EXPECT_EQ(f.Masse_vollstaendig, "ja");
    Segment(f, 2, "-3", "2");  // negative values pass
    Eingabepruefung(f);
    EXPECT_EQ(f.Masse_vollstaendig, "ja");
}

TEST(Neuberechnung, OverflowingInputsAreRefusedWithoutChange) {
    struct Fall {
        const char* name;
        std::function<void(Formular&)> aendern;
    };
    const Fall faelle[] = {
        {"length beyond float", [](Formular& f) { f[T::Laenge_1] = "1e39"; }},
        {"length beyond float in mm", [](Formular& f) { f[T::Laenge_1] = "1e36"; }},
        {"area product", [](Formular& f) { f[T::Breite_1] = "1e30"; f[T::Laenge_1] = "1e30"; }},
        {"rain", [](Formular& f) { f[T::r5_5] = "1e300"; }},
        {"obstacle", [](Formular& f) { f[T::Text5] = "1e37"; }},
        {"ratio", [](Formular& f) { f[T::Text1] = "1e30"; }},
        {"sum of areas", [](Formular& f) { Segment(f, 1, "1", "", "3e38"); Segment(f, 2, "1", "", "3e38"); }},
        {"total length", [](Formular& f) { f.Eingabe_Art = "gesamt"; f[T::Text25] = "1e39"; f[T::Text26] = "5"; f[T::Text27] = "2"; }},
        {"outlet count", [](Formular& f) { f.Eingabe_Art = "gesamt"; f[T::Text25] = "10"; f[T::Text26] = "5"; f[T::Text27] = "40000"; }},
    };
    for (const Fall& fall : faelle) {
        Aufzeichnung d;
        Formular f = Startformular();
        Segment(f, 1, "10", "10");
        Pruefen_und_berechnen(f, d);
        fall.aendern(f);
        const Formular vorher = f;
        Neuberechnung(f, d);
        EXPECT_EQ(d.titel(), (Zeilen_t{std::string(meldung::zu_gross_Titel)})) << fall.name;
        EXPECT_EQ(f.text, vorher.text) << fall.name;
        for (int n : {1, 2, 3, 4, 13, 14, 21}) EXPECT_EQ(Zeilen(f, n), Zeilen(vorher, n)) << fall.name;
        EXPECT_EQ(f.werte.Gesamtflaeche, vorher.werte.Gesamtflaeche) << fall.name;
    }
}

TEST(Neuberechnung, InternalGutterLeavesEavesBoxesAlone) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    Neuberechnung(f, d);
    f.Rinnenart = "innenliegend";
    f[T::Text1] = "1e30";  // the eaves ratio does not matter here
    Neuberechnung(f, d);
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(f.werte.Teilstreckentabelle[0].flaeche_m2, 100);
}
