#include <gtest/gtest.h>

#include "files/projektdatei.h"
#include "projekt_hilfen.h"

namespace dkm {
namespace {

using test::Datei;
using test::Volles_Projekt;
using test::Zeilen;

TEST(Projektdatei_schreiben, StartProjectIs43CrLfLinesInWindows1252EndingInLeer) {
    const std::string datei = Projektdatei_schreiben(Projektdaten{});
    const auto zeilen = Zeilen(datei);
    ASSERT_EQ(zeilen.size(), 43u);
    EXPECT_EQ(datei.substr(datei.size() - 6), "leer\r\n");
    EXPECT_EQ(zeilen[0], "Wertedatei f\xFCr Dachkandelmesser Version 07 08");
    for (const std::string& z : zeilen) EXPECT_EQ(z.find_first_of("\r\n"), std::string::npos);
}

TEST(Projektdatei_schreiben, NumbersAsNumberTextsAndPrintedNumbersWithTrailingBlank) {
    Projektdaten p = Volles_Projekt();
    p.r5_5 = 1000.0 / 3.0;
    p.Index_Abfl_beiwert = -1;
    p.Hoehenkorrektur = -10;
    p.Anzahl_Stutzen = 3;
    const auto z = Zeilen(p);
    EXPECT_EQ(z[8], " 333.333333333333");
    EXPECT_EQ(z[9], " 630");
    EXPECT_EQ(z[11], " 12.5 7 0 0 0 0 0 0");
    EXPECT_EQ(z[12], " 7 6.25 0 0 0 0 0 0");
    EXPECT_EQ(z[14], " .625");
    EXPECT_EQ(z[16], "Faktor f = 2");
    EXPECT_EQ(z[21], "Not\xFC" "berlauf_eineSeite");
    EXPECT_EQ(z[22], " 1 ");
    EXPECT_EQ(z[23], " 0 ");
    EXPECT_EQ(z[24], " 1");
    EXPECT_EQ(z[25], " .85");
    EXPECT_EQ(z[35], " 3");
    EXPECT_EQ(z[38], " 1 ");
    EXPECT_EQ(z[39], "-1 ");
    EXPECT_EQ(z[40], " 2");
    EXPECT_EQ(z[41], "-10 ");
    EXPECT_EQ(z[42], "leer");
}

TEST(Projektdatei_schreiben, LineBreaksInTextsCannotShiftLaterLines) {
    Projektdaten p;
    p.Bemerkungen = "erste Zeile\r\nzweite\ndritte";
    const auto z = Zeilen(p);
    ASSERT_EQ(z.size(), 43u);
    EXPECT_EQ(z[6], "erste Zeile zweite dritte");
    EXPECT_EQ(Projektdatei_lesen(Projektdatei_schreiben(p))->Bemerkungen, "erste Zeile zweite dritte");
}

TEST(Projektdatei_lesen, WhatIsWrittenReadsBackWithBothHeaders) {
    const Projektdaten p = Volles_Projekt();
    auto z = Zeilen(p);
    EXPECT_EQ(Projektdatei_lesen(Datei(z)), p);
    z[0] = "Wertedatei f\xFCr Dachkandelmesser Version 12_05";
    EXPECT_EQ(Projektdatei_lesen(Datei(z)), p);
}

TEST(Projektdatei_lesen, AnyLineEndReadsTheSame) {
    const Projektdaten p = Volles_Projekt();
    const auto z = Zeilen(p);
    EXPECT_EQ(Projektdatei_lesen(Datei(z, "\n")), p);
    EXPECT_EQ(Projektdatei_lesen(Datei(z, "\r")), p);
    std::string ohne_letztes = Datei(z);
    ohne_letztes.resize(ohne_letztes.size() - 2);
    EXPECT_EQ(Projektdatei_lesen(ohne_letztes), p);
}

TEST(Projektdatei_lesen, ListTextsAreTakenWholeWithLeadingBlanksSkipped) {
    auto z = Zeilen(Projektdaten{});
    z[1] = "  Bauherr, mit Komma ";
    z[7] = "   Frankfurt, Main";
    z[10] = "  eigener Belag, C=1";
    z[16] = "Faktor f = 3 ";
    const auto p = Projektdatei_lesen(Datei(z));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Bauherr, "  Bauherr, mit Komma ");
    EXPECT_EQ(p->Combo_Wahl_Regensp, "Frankfurt, Main");
    EXPECT_EQ(p->Combo_Abfl_beiwert, "eigener Belag, C=1");
    EXPECT_EQ(p->Combo_Schutzfaktor, "Faktor f = 3 ");
}

TEST(Projektdatei_lesen, NumberFieldsEndAtBlankCommaOrMinusAfterADigit) {
    auto z = Zeilen(Projektdaten{});
    z[11] = " 10-5 -2.5e1,,1E2\t7 .5 +3";  // the empty field between the commas reads 0
    const auto p = Projektdatei_lesen(Datei(z));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Laenge, (std::array<float, 8>{10, -5, -25, 0, 100, 7, 0.5f, 3}));
}

TEST(Projektdatei_lesen, ANumberLineShortOfValuesContinuesOnTheNextLine) {
    auto z = Zeilen(Projektdaten{});
    z[11] = " 1 2 3";
    z.insert(z.begin() + 12, " 4 5 6 7 8");
    const auto p = Projektdatei_lesen(Datei(z));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Laenge, (std::array<float, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(p->Breite, (std::array<float, 8>{}));
}

TEST(Projektdatei_lesen, ValueLinesTakeNumbersOrTexts) {
    auto z = Zeilen(Projektdaten{});
    z[22] = "ja";    // leaf guard: a text clears
    z[38] = "leer";  // indexes: "leer" and empty count 0
    z[39] = "";
    EXPECT_FALSE(Projektdatei_lesen(Datei(z))->Check_Schutzkorb);
    EXPECT_EQ(Projektdatei_lesen(Datei(z))->Index_Diff_Notueberl, 0);
    EXPECT_EQ(Projektdatei_lesen(Datei(z))->Index_Abfl_beiwert, 0);
    z[22] = " 1.0 ";
    z[38] = " 7 ";  // outside every list: nothing selected
    z[39] = "-1 ";
    const auto p = Projektdatei_lesen(Datei(z));
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->Check_Schutzkorb);
    EXPECT_EQ(p->Index_Diff_Notueberl, 7);
    EXPECT_EQ(p->Index_Abfl_beiwert, -1);
    z[39] = "-1e30 ";
    EXPECT_EQ(Projektdatei_lesen(Datei(z))->Index_Abfl_beiwert, -1);
    z[38] = "eins";
    EXPECT_FALSE(Projektdatei_lesen(Datei(z)));
}

TEST(Projektdatei_lesen, IntegerLinesRoundHalfToEvenWithin16Bits) {
    auto z = Zeilen(Projektdaten{});
    z[35] = " 2.5";
    z[40] = " 32767";
    auto p = Projektdatei_lesen(Datei(z));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Anzahl_Stutzen, 2);
    EXPECT_EQ(p->Anzahl_Notueberlaeufe, 32767);
    z[40] = " 32768";
    EXPECT_FALSE(Projektdatei_lesen(Datei(z)));
    z[40] = " 1";
    z[35] = "-40000";
    EXPECT_FALSE(Projektdatei_lesen(Datei(z)));
}

// Every broken file is refused as a whole.
TEST(Projektdatei_lesen, RefusesDamagedFiles) {
    const auto gut = Zeilen(Volles_Projekt());
    auto mit = [&](size_t zeile, std::string text) {
        auto z = gut;
        z[zeile - 1] = std::move(text);
        return Datei(z);
    };
    EXPECT_FALSE(Projektdatei_lesen(mit(15, "abc"))) << "text where a number belongs";
    EXPECT_FALSE(Projektdatei_lesen(mit(15, " 12.5m")));
    EXPECT_FALSE(Projektdatei_lesen(mit(18, " 1e39"))) << "float overflow";
    EXPECT_FALSE(Projektdatei_lesen(mit(9, " 1e39")));
    EXPECT_FALSE(Projektdatei_lesen(mit(12, " 1 nan 0 0 0 0 0 0")));
    EXPECT_FALSE(Projektdatei_lesen(mit(42, " inf ")));
    EXPECT_FALSE(Projektdatei_lesen(mit(20, " 1e")));
    EXPECT_FALSE(Projektdatei_lesen(mit(1, "Wertedatei fuer Dachkandelmesser Version 07 08")));
    EXPECT_FALSE(Projektdatei_lesen(""));
    EXPECT_FALSE(Projektdatei_lesen(std::string("\0\xFF\xFE\x01\r\n\x80", 7)));

    const std::string ganz = Datei(gut);
    for (size_t n = 1; n < 43; ++n) {  // truncated after any line before the end marker
        auto z = gut;
        z.resize(n);
        EXPECT_FALSE(Projektdatei_lesen(Datei(z))) << n << " lines";
    }
    EXPECT_TRUE(Projektdatei_lesen(mit(15, " 1e-50"))) << "underflow is 0, not an error";
}

TEST(Projektdatei_lesen, HugeOrEndlessInputStaysBounded) {
    auto z = Zeilen(Projektdaten{});
    z[6] = std::string(10u << 20, 'x');  // a 10 MB remark
    EXPECT_FALSE(Projektdatei_lesen(Datei(z)));
    z[6].clear();
    z[14] = std::string(600000, '1');  // long but within the size limit: overflow
    EXPECT_FALSE(Projektdatei_lesen(Datei(z)));

    // A header and a million empty lines: everything reads as empty or 0.
    std::string viele = Datei({"Wertedatei f\xFCr Dachkandelmesser Version 12_05"});
    viele.append(1000000, '\n');
    const auto p = Projektdatei_lesen(viele);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Laenge, (std::array<float, 8>{}));
    EXPECT_EQ(p->Winkelfaktor[0], 0.0f);
}

}  // namespace
}  // namespace dkm
