#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "bedienung/neuberechnung.h"
#include "model/meldungen.h"
#include "bedienung/eingabeart.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

static Formular Gesamt(const char* laenge, const char* stutzen, S anordnung) {
    Formular f = Startformular();
    Eingabe_Art_setzen(f, Masseingabe::gesamt);
    f[T::Text25] = laenge;
    f[T::Text26] = std::string(laenge) + "0";  // 10 m wide
    f[T::Text27] = stutzen;
    f[S::Option6] = false;
    f[anordnung] = true;
    return f;
}

// 'x' for every segment placed.
static std::string Belegung(const Formular& f) {
    std::string s;
    for (int i = 1; i <= 8; ++i) s += f[Laenge(i)].empty() ? '.' : 'x';
    return s;
}

TEST(Neuberechnung, SixByTenMetresAtThreeHundred) {
    Skript_Dialoge d;
    Formular f = Startformular();
    Segment(f, 1, "6", "10");
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1] + f[T::Belast_Teilrinne_1], "60.00 m²1.80 l/s");
    EXPECT_EQ(f[T::Flaeche_Fallrohr_1_2] + f[T::Belastung_Fallrohr_1_2], "60.00 m²1.80 l/s");
    EXPECT_EQ(f[T::Belast_Teilrinne_2] + f[T::Flaeche_Fallrohr_3_4] + f[T::Belastung_Fallrohr_3_4], "");
    EXPECT_TRUE(f[S::Option7] && !f[S::Option6]);
    EXPECT_EQ(f[T::Text25] + f[T::Text26] + f[T::Text27], " 6 60 1");
    EXPECT_TRUE(f[V::Picture43] && !f.Picture(43).zeichnung.leer() && !f[V::Picture44]);
    f.dezimaltrenner = ",";
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Belastung_Fallrohr_1_2], "1,80 l/s");

    // emptied again: every result box and total goes blank
    Segment(f, 1, "", "");
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1] + f[T::Belast_Teilrinne_1] + f[T::Belastung_Fallrohr_1_2], "");
    EXPECT_EQ(f[T::Text25] + f[T::Text26] + f[T::Text27], "");
    EXPECT_TRUE(f.Picture(37).zeichnung.leer() && d.titel().empty());

    // totals are written back rounded; one that rounds to zero empties its box
    Segment(f, 1, "3.333", "2", "0.5");
    Segment(f, 2, "0.5", "1");
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Text25] + f[T::Text26], " 3.83 7.67");
    Segment(f, 1, "0.001", "", "1");
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
        Skript_Dialoge d;
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
    Skript_Dialoge d;
    Formular f = Startformular();
    Segment(f, 1, "10", "10");
    f[T::r5_5] = "";
    f[T::r5_100] = "abc";
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::r5_5] + f[T::r5_100] + f[T::Belast_Teilrinne_1], " 450 8004.50 l/s");
    f[L::Combo_Abfl_beiwert] = {"Kiesdach (C=0.5)", 1};
    f[L::Combo_Schutzfaktor] = {"Faktor f = 3", -1};  // a loaded text without its trailing blank
    f.Winkelfaktor[0] = 0.85f;
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Belast_Teilrinne_1], "6.75 l/s");
    EXPECT_FLOAT_EQ(f.werte.Teilstreckentabelle[0].abfluss_jahrhundert_l_s, 24);  // no C on the 100-year rain
    EXPECT_FLOAT_EQ(f.werte.Teilstreckentabelle[0].winkelfaktor, 0.85f);
    f[L::Combo_Schutzfaktor] = {"Faktor f = 7", -1};  // unknown: f stays
    Neuberechnung(f, d);
    EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);
}

TEST(Neuberechnung, OverflowingInputsAreRefusedWithoutChange) {
    const std::pair<const char*, std::function<void(Formular&)>> faelle[] = {
        {"length", [](Formular& f) { f[T::Laenge_1] = "1e39"; }},
        {"ten million", [](Formular& f) { f[T::Laenge_1] = "10000000"; }},
        {"9999999.9, a float of ten million", [](Formular& f) { f[T::r5_5] = "9999999.9"; }},
        {"length in mm", [](Formular& f) { f[T::Laenge_1] = "1e36"; }},
        {"area", [](Formular& f) { f[T::Breite_1] = "1e30"; f[T::Laenge_1] = "1e30"; }},
        {"rain", [](Formular& f) { f[T::r5_5] = "1e300"; }},
        {"obstacle", [](Formular& f) { f[T::Text5] = "1e37"; }},
        {"ratio", [](Formular& f) { f[T::Text1] = "1e30"; }},
        {"sum", [](Formular& f) { Segment(f, 1, "1", "", "3e38"); Segment(f, 2, "1", "", "3e38"); }},
        {"outlets", [](Formular& f) { Eingabe_Art_setzen(f, Masseingabe::gesamt); f[T::Text25] = "9"; f[T::Text27] = "40000"; }},
    };
    for (const auto& [name, aendern] : faelle) {
        Skript_Dialoge d;
        Formular f = Startformular();
        Segment(f, 1, "10", "10");
        Pruefen_und_berechnen(f, d);
        aendern(f);
        const Formular vorher = f;
        Neuberechnung(f, d);
        EXPECT_EQ(d.titel(), Texte{std::string(meldung::zu_gross.titel)}) << name;
        EXPECT_EQ(f.text, vorher.text) << name;
        for (int n : {1, 2, 3, 4, 13}) EXPECT_EQ(Zeilen(f, n), Zeilen(vorher, n)) << name;
    }
    Skript_Dialoge d;
    Formular f = Startformular();
    Segment(f, 1, "9999999", "1");  // just inside the input range
    Pruefen_und_berechnen(f, d);
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "9999999.00 m²");
    const Texte titel = d.titel();
    EXPECT_EQ(std::count(titel.begin(), titel.end(), std::string(meldung::zu_gross.titel)), 0);
}

TEST(Gesamtmasse, NotesWhenSegmentsDoNotFit) {
    const std::string rinne = "Die Rinnenabmes- sungen gelten auch für die hier nicht wiedergegebenen Teilstrecke";
    const std::tuple<const char*, const char*, S, const char*, const char*, const char*, T, const char*> faelle[] = {
        {"50", "5", S::Option6, "xxxxxxxx", "n 9 und 10.", "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5.",
         T::Einzel_Flaeche_8, "50.00 m²"},
        {"50", "5", S::Option8, ".xxxxxxx", " 8.", "Die Maße von Ablauf 5  ensprechen Abfluss 1.", T::Laenge_3, " 6.25"},
        {"100", "8", S::Option8, ".xxxxxxx", "n 8 bis 14.",
         "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis 7, Ablauf 8 enspricht Abfluss 1.", T::Laenge_3, " 7.14"},
        {"100", "6", S::Option7, ".xxxxxxx", "n 8 bis 11.", "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 und 6.",
         T::Laenge_3, " 9.09"},
        {"60", "4", S::Option8, ".xxxxxx.", "", "", T::Flaeche_Fallrohr_7_8, "100.00 m²"},  // fits: old notes go
        {"70", "4", S::Option7, ".xxxxxxx", "", "", T::Laenge_8, " 10"},  // 2 * 4 - 1 = 7 segments of 10 m
    };
    for (const auto& [laenge, stutzen, anordnung, belegung, teilstrecken, ablaeufe, feld, wert] : faelle) {
        Skript_Dialoge d;
        Formular f = Gesamt(laenge, stutzen, anordnung);
        f[V::Text28] = true;
        Neuberechnung(f, d);
        EXPECT_EQ(Belegung(f), belegung) << stutzen;
        EXPECT_TRUE(d.titel().empty()) << stutzen;
        EXPECT_EQ(f[feld], wert) << stutzen;
        EXPECT_EQ(f[V::Text28] && f[V::Text29], *teilstrecken != 0) << stutzen;
        if (*teilstrecken) {
            EXPECT_EQ(f[T::Text28] + "|" + f[T::Text29], rinne + teilstrecken + "|" + ablaeufe);
        }
    }
    Skript_Dialoge d;
    Formular f = Gesamt("10", "3", S::Option6);  // six segments, calculated unrounded
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Laenge_1] + f[T::Zusatz_Flaeche_1], " 1.67 16.67");
    const Teilstrecke& ts = f.werte.Teilstreckentabelle[0];
    EXPECT_TRUE(ts.laenge_m == 10.0f / 6 && ts.flaeche_m2 == 100.0f / 6);
    EXPECT_EQ(f[T::Text27], "3");  // not rewritten in total mode
}

TEST(Gesamtmasse, NoOutletsNoSegments) {
    for (const char* stutzen : {"", "0", "-2", "0.4"})
        for (S anordnung : {S::Option6, S::Option7, S::Option8}) {
            Skript_Dialoge d;
            Formular f = Gesamt("50", stutzen, anordnung);
            Segment(f, 1, "4", "4");
            Neuberechnung(f, d);
            EXPECT_EQ(Belegung(f) + f[T::Einzel_Flaeche_1], "........") << stutzen;
            EXPECT_TRUE(Zeilen(f, 3).empty() && Zeilen(f, 1).empty() && d.titel().empty()) << stutzen;
        }
    // one outlet at both ends leaves nothing to divide by: refused, nothing placed
    Skript_Dialoge d;
    Formular f = Gesamt("50", "1", S::Option8);
    Neuberechnung(f, d);
    EXPECT_EQ(d.titel(), Texte{std::string(meldung::nicht_passend.titel)});
    EXPECT_EQ(Belegung(f), "........");
    EXPECT_EQ(f.werte.Belastung_Fallrohr[0], 0);
    f[T::Text27] = "1.5";  // half to even: two outlets
    Neuberechnung(f, d);
    EXPECT_EQ(Belegung(f), ".xx.....");
}
