#include <gtest/gtest.h>

#include <functional>

#include "calc/engine.h"
#include "calc/meldungen.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

TEST(Neuberechnung, SixByTenMetresAtThreeHundred) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "6", "10");
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "60.00 m²");
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "1.80 l/s");
    EXPECT_EQ(f[T::Flaeche_Fallrohr_1_2], "60.00 m²");
    EXPECT_EQ(f[T::Belastung_Fallrohr_1_2], "1.80 l/s");
    EXPECT_EQ(f[T::Belast_Teilrinne_2] + f[T::Flaeche_Fallrohr_3_4] + f[T::Belastung_Fallrohr_3_4], "");
    EXPECT_TRUE(f[S::Option7] && !f[S::Option6]);
    EXPECT_EQ(f[T::Text27], " 1");
    EXPECT_EQ(f[T::Text25] + f[T::Text26], " 6 60");
    EXPECT_TRUE(f[V::Picture43] && !f.Picture(43).zeichnung.leer());
    EXPECT_FALSE(f[V::Picture44]);
    f.dezimaltrenner = ",";
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Belastung_Fallrohr_1_2], "1,80 l/s");

    // emptied again: every result box and total goes blank
    Segment(f, 1, "", "");
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1] + f[T::Belast_Teilrinne_1] + f[T::Belastung_Fallrohr_1_2], "");
    EXPECT_EQ(f[T::Text25] + f[T::Text26] + f[T::Text27], "");
    EXPECT_TRUE(f.Picture(37).zeichnung.leer());
    EXPECT_TRUE(d.titel.empty());
}

TEST(Neuberechnung, TotalsAreWrittenBackRounded) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "3.333", "2", "0.5");
    Segment(f, 2, "0.5", "1");
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Text25], " 3.83");
    EXPECT_EQ(f[T::Text26], " 7.67");
    Segment(f, 1, "0.001", "", "1");  // a total that rounds to zero empties its box
    Segment(f, 2, "", "");
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Text25], "");
}

TEST(Neuberechnung, ArrangementFollowsTheFilledSegments) {
    const std::tuple<const char*, S, const char*> faelle[] = {
        {"11000000", S::Option6, " 1"}, {"11100000", S::Option7, " 2"}, {"11111111", S::Option6, " 4"},
        {"01000000", S::Option7, " 1"}, {"01100000", S::Option8, " 2"}, {"01111111", S::Option7, " 4"},
        {"11011111", S::Option6, " 1"}, {"00111111", S::Option8, ""},  // without TS 1 and 2 it stays
    };
    for (const auto& [gefuellt, option, anzahl] : faelle) {
        Aufzeichnung d;
        Formular f = Startformular();
        f[S::Option6] = false;
        f[S::Option8] = true;
        for (int i = 1; i <= 8; ++i)
            if (gefuellt[i - 1] == '1') Segment(f, i, "5", "4");
        Neuberechnung(f, d);
        EXPECT_TRUE(f[option]) << gefuellt;
        EXPECT_EQ(f[S::Option6] + f[S::Option7] + f[S::Option8], 1) << gefuellt;
        EXPECT_EQ(f[T::Text27], anzahl) << gefuellt;
    }
}

TEST(Neuberechnung, RainAndFactors) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    f[T::r5_5] = "";
    f[T::r5_100] = "abc";
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::r5_5] + f[T::r5_100], " 450 800");
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "4.50 l/s");
    f[L::Combo_Abfl_beiwert] = {"Kiesdach (C=0.5)", 1};
    f[L::Combo_Schutzfaktor] = {"Faktor f = 3", -1};  // a loaded text without its trailing blank
    f.Winkelfaktor[0] = 0.85f;
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "6.75 l/s");
    const Teilstrecke& ts = f.werte.Teilstreckentabelle[0];
    EXPECT_FLOAT_EQ(ts.abfluss_jahrhundert_l_s, 24);  // no C on the 100-year rain
    EXPECT_FLOAT_EQ(ts.winkelfaktor, 0.85f);
    f[L::Combo_Schutzfaktor] = {"Faktor f = 7", -1};  // unknown: f stays
    Neuberechnung(f, d);
    EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);
}

TEST(Neuberechnung, IncompleteSegmentsStopTheRun) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "6", "10");
    Pruefen_und_berechnen(f, d);
    Segment(f, 3, "5", "");
    f[L::Combo_Abfl_beiwert] = {"Kiesdach (C=0.5)", 1};
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(d.titel, Texte{"Maße fehlen!"});
    EXPECT_EQ(d.texte, Texte{"Bei einer - oder mehreren - Teilstrecken fehlen Maßangaben."});
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "1.80 l/s");

    Segment(f, 3, "", "", "7");
    Eingabepruefung(f);
    EXPECT_EQ(f.Masse_vollstaendig, "nein");
    Segment(f, 3, "-3", "", "7");  // a length with only an additional area; negative values pass
    Eingabepruefung(f);
    EXPECT_EQ(f.Masse_vollstaendig, "ja");
}

TEST(Neuberechnung, OverflowingInputsAreRefusedWithoutChange) {
    const std::pair<const char*, std::function<void(Formular&)>> faelle[] = {
        {"length", [](Formular& f) { f[T::Laenge_1] = "1e39"; }},
        {"length in mm", [](Formular& f) { f[T::Laenge_1] = "1e36"; }},
        {"area", [](Formular& f) { f[T::Breite_1] = "1e30"; f[T::Laenge_1] = "1e30"; }},
        {"rain", [](Formular& f) { f[T::r5_5] = "1e300"; }},
        {"obstacle", [](Formular& f) { f[T::Text5] = "1e37"; }},
        {"ratio", [](Formular& f) { f[T::Text1] = "1e30"; }},
        {"sum", [](Formular& f) { Segment(f, 1, "1", "", "3e38"); Segment(f, 2, "1", "", "3e38"); }},
        {"outlets", [](Formular& f) { f.Eingabe_Art = "gesamt"; f[T::Text25] = "9"; f[T::Text27] = "40000"; }},
    };
    for (const auto& [name, aendern] : faelle) {
        Aufzeichnung d;
        Formular f = Startformular();
        Segment(f, 1, "10", "10");
        Pruefen_und_berechnen(f, d);
        aendern(f);
        const Formular vorher = f;
        Neuberechnung(f, d);
        EXPECT_EQ(d.titel, Texte{std::string(meldung::zu_gross_Titel)}) << name;
        EXPECT_EQ(f.text, vorher.text) << name;
        for (int n : {1, 2, 3, 4, 13}) EXPECT_EQ(Zeilen(f, n), Zeilen(vorher, n)) << name;
    }
}
