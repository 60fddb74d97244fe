#include <gtest/gtest.h>

#include "files/projektdatei.h"
#include "projekt_hilfen.h"

namespace dkm {
namespace {

using test::Datei;
using test::Volles_Projekt;
using test::Zeilen;

using Reihe = std::array<float, 8>;

// `zeilen` of the start project with line n (1-based) replaced.
std::string Mit(std::initializer_list<std::pair<size_t, std::string>> zeilen) {
    auto z = Zeilen(Projektdaten{});
    for (const auto& [n, text] : zeilen) z[n - 1] = text;
    return Datei(z);
}

TEST(Projektdatei_schreiben, Windows1252LinesWithNumberTextsAndPrintedNumbers) {
    const std::string leer = Projektdatei_schreiben(Projektdaten{});
    ASSERT_EQ(Zeilen(leer).size(), 43u);
    EXPECT_EQ(leer.substr(leer.size() - 6), "leer\r\n");

    Projektdaten p = Volles_Projekt();
    p.r5_5 = 1000.0 / 3.0;
    p.Index_Abfl_beiwert = -1;
    p.Hoehenkorrektur = -10;
    const auto z = Zeilen(p);
    ASSERT_EQ(z.size(), 43u);
    const std::pair<size_t, std::string> erwartet[] = {
        {1, "Wertedatei f\xFCr Dachkandelmesser Version 07 08"},
        {2, "M\xFCller & S\xF6hne"},
        {9, " 333.333333333333"},
        {12, " 12.5 7 0 0 0 0 0 0"},
        {15, " .625"},
        {22, "Not\xFC" "berlauf_eineSeite"},
        {23, " 1 "},
        {24, " 0 "},
        {25, " 1"},
        {26, " .85"},
        {36, " 1"},
        {40, "-1 "},
        {41, " 2"},
        {42, "-10 "},
    };
    for (const auto& [n, text] : erwartet) EXPECT_EQ(z[n - 1], text) << "line " << n;
}

TEST(Projektdatei_schreiben, LineBreaksInTextsCannotShiftLaterLines) {
    Projektdaten p;
    p.Bemerkungen = "erste Zeile\r\nzweite\ndritte";
    ASSERT_EQ(Zeilen(p).size(), 43u);
    EXPECT_EQ(Projektdatei_lesen(Projektdatei_schreiben(p))->Bemerkungen, "erste Zeile zweite dritte");
}

TEST(Projektdatei_lesen, WhatIsWrittenReadsBackWithEitherHeaderAndAnyLineEnd) {
    const Projektdaten p = Volles_Projekt();
    auto z = Zeilen(p);
    for (const char* ende : {"\r\n", "\n", "\r"}) EXPECT_EQ(Projektdatei_lesen(Datei(z, ende)), p) << ende[0];
    z[0] = "Wertedatei f\xFCr Dachkandelmesser Version 12_05";
    std::string ohne_letztes_zeilenende = Datei(z);
    ohne_letztes_zeilenende.resize(ohne_letztes_zeilenende.size() - 2);
    EXPECT_EQ(Projektdatei_lesen(ohne_letztes_zeilenende), p);
}

TEST(Projektdatei_lesen, TextsWholeAndNumbersByField) {
    auto p = Projektdatei_lesen(Mit({{2, "  Bauherr, mit Komma "},
                                     {8, "   Frankfurt, Main"},
                                     {12, " 10-5 -2.5e1,,1E2\t7 .5 +3"},  // ",," holds an empty field: 0
                                     {17, "Faktor f = 3 "}}));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Bauherr, "  Bauherr, mit Komma ");
    EXPECT_EQ(p->Combo_Wahl_Regensp, "Frankfurt, Main");
    EXPECT_EQ(p->Combo_Schutzfaktor, "Faktor f = 3 ");
    EXPECT_EQ(p->Laenge, (Reihe{10, -5, -25, 0, 100, 7, 0.5f, 3}));

    // A number line short of values continues on the next line.
    auto z = Zeilen(Projektdaten{});
    z[11] = " 1 2 3";
    z.insert(z.begin() + 12, " 4 5 6 7 8");
    p = Projektdatei_lesen(Datei(z));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Laenge, (Reihe{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(p->Breite, Reihe{});
}

TEST(Projektdatei_lesen, ValueIndexAndIntegerLines) {
    auto p = Projektdatei_lesen(Mit({{23, "ja"}, {36, " 2.5"}, {39, "leer"}, {40, ""}, {41, " 32767"}}));
    ASSERT_TRUE(p);
    EXPECT_FALSE(p->Check_Schutzkorb);
    EXPECT_EQ(p->Anzahl_Stutzen, 2) << "half to even";
    EXPECT_EQ(p->Index_Diff_Notueberl, 0);
    EXPECT_EQ(p->Index_Abfl_beiwert, 0);
    EXPECT_EQ(p->Anzahl_Notueberlaeufe, 32767);

    p = Projektdatei_lesen(Mit({{23, " 1.0 "}, {39, " 7 "}, {40, "-1e30 "}}));
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->Check_Schutzkorb);
    EXPECT_EQ(p->Index_Diff_Notueberl, 7);
    EXPECT_EQ(p->Index_Abfl_beiwert, -1);

    EXPECT_FALSE(Projektdatei_lesen(Mit({{39, "eins"}})));
    EXPECT_FALSE(Projektdatei_lesen(Mit({{41, " 32768"}})));
    EXPECT_FALSE(Projektdatei_lesen(Mit({{36, "-40000"}})));
}

TEST(Projektdatei_lesen, RefusesDamagedFilesAsAWhole) {
    const std::pair<size_t, std::string> kaputt[] = {
        {15, "abc"}, {15, " 12.5m"}, {18, " 1e39"}, {9, " 1e39"}, {12, " 1 nan 0 0 0 0 0 0"},
        {42, " inf "}, {20, " 1e"}, {1, "Wertedatei fuer Dachkandelmesser Version 07 08"},
    };
    for (const auto& [n, text] : kaputt) EXPECT_FALSE(Projektdatei_lesen(Mit({{n, text}}))) << n << ": " << text;
    EXPECT_TRUE(Projektdatei_lesen(Mit({{15, " 1e-50"}}))) << "underflow is 0, not an error";
    EXPECT_FALSE(Projektdatei_lesen(""));
    EXPECT_FALSE(Projektdatei_lesen(std::string("\0\xFF\xFE\x01\r\n\x80", 7)));
    for (size_t n = 1; n < 43; ++n) {
        auto z = Zeilen(Volles_Projekt());
        z.resize(n);
        EXPECT_FALSE(Projektdatei_lesen(Datei(z))) << "cut after line " << n;
    }
}

TEST(Projektdatei_lesen, HugeInputStaysBounded) {
    EXPECT_FALSE(Projektdatei_lesen(Mit({{7, std::string(10u << 20, 'x')}}))) << "a 10 MB remark";
    EXPECT_FALSE(Projektdatei_lesen(Mit({{15, std::string(600000, '1')}})));
    // A header and a million empty lines read as an empty project.
    std::string viele = Datei({"Wertedatei f\xFCr Dachkandelmesser Version 12_05"});
    viele.append(1000000, '\n');
    const auto p = Projektdatei_lesen(viele);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Laenge, Reihe{});
}

}  // namespace
}  // namespace dkm
