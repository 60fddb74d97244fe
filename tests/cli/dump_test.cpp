#include <gtest/gtest.h>

#include "cli/dump.h"
#include "json.h"
#include "model/startzustand.h"

namespace dkm {
namespace {

using test::Json;

// "stamm<von> ... stamm<bis>"
std::string R(const std::string& stamm, int von, int bis) {
    std::string v;
    for (int i = von; i <= bis; ++i) v += (i == von ? "" : " ") + stamm + std::to_string(i);
    return v;
}

TEST(Dezimaltrenner, FirstSetVariableDecidesAndOnlyGermanGivesAComma) {
    EXPECT_EQ(Dezimaltrenner(nullptr, nullptr, nullptr), ".");
    EXPECT_EQ(Dezimaltrenner(nullptr, nullptr, "de_DE.UTF-8"), ",");
    EXPECT_EQ(Dezimaltrenner("", "", "de_DE.UTF-8"), ",");
    EXPECT_EQ(Dezimaltrenner("C", nullptr, "de_DE.UTF-8"), ".");
    EXPECT_EQ(Dezimaltrenner(nullptr, "de_DE@euro", "C"), ",");
    EXPECT_EQ(Dezimaltrenner("en_US.UTF-8", nullptr, nullptr), ".");
}

TEST(Dump, EveryKeyInTheListedOrderAndTextsSurviveEscaping) {
    Formular f;
    Startzustand(f, nullptr);
    f[T::Bauherr] = "Dach \"Süd\" \\ Nord\t\x01";
    Bild& b = f.Picture(3);
    b.drucken("Durchm.:", {true, true}, false);
    b.spalte(12);
    b.drucken("148.0 mm");
    b.drucken("zweite");
    const std::string text = Dump(f, {{"Titel \"1\"", "Zeile\nzwei"}, {"Maße fehlen!", "ö"}});
    const Json j = test::Json_lesen(text).value_or(Json{});
    ASSERT_EQ(j.art, Json::Objekt) << text;
    EXPECT_EQ(j.schluessel(), "format eingaben ergebnisse sichtbar aktiv meldungen");
    EXPECT_EQ(j["format"].text, "dkm-rechner/1");
    EXPECT_EQ(j["eingaben"].schluessel(),
              "Bauherr strasse PLZ_Ort Telef Fax Bemerkungen Combo_Wahl_Regensp r5_5 r5_100 Combo_Abfl_beiwert "
              "Combo_Schutzfaktor Combo_Diff_Notueberl " + R("Text", 1, 5) + " Text25 Text26 Text27 Text30 " +
                  R("Laenge_", 1, 8) + " " + R("Breite_", 1, 8) + " " + R("Zusatz_Flaeche_", 1, 8) + " " +
                  R("Option", 1, 8) + " Option10 Option11 " + R("Check", 1, 8) + " Check_Schutzkorb Hoehenkorrektur");
    EXPECT_EQ(j["ergebnisse"].schluessel(),
              R("Einzel_Flaeche_", 1, 8) + " " + R("Belast_Teilrinne_", 1, 8) +
                  " Flaeche_Fallrohr_1_2 Flaeche_Fallrohr_3_4 Flaeche_Fallrohr_5_6 Flaeche_Fallrohr_7_8 "
                  "Belastung_Fallrohr_1_2 Belastung_Fallrohr_3_4 Belastung_Fallrohr_5_6 Belastung_Fallrohr_7_8 "
                  "Text28 Text29 Text31 Text32 " + R("Picture", 1, 4) + " " + R("Picture", 13, 27) + " " +
                  R("Picture", 29, 32) + " Picture34 Picture35");
    EXPECT_EQ(j["sichtbar"].schluessel(),
              "Rinne_vorgeh_einzel Frame6 Rinnen_innenliegend Frame4 Label3 Label6 Label14 Text28 Text29 Picture1 "
              "Picture2 Picture28 " + R("Picture", 29, 32) + " Picture34 Picture35 " + R("Picture", 43, 46));
    EXPECT_EQ(j["aktiv"].schluessel(), R("Option", 3, 8) + " Combo_Diff_Notueberl Text30 Command11");
    EXPECT_EQ(j["eingaben"]["Text1"].text, "0.625");
    EXPECT_TRUE(j["eingaben"]["Option1"].b);
    EXPECT_EQ(j["eingaben"]["Option2"].art, Json::Bool);
    EXPECT_EQ(j["eingaben"]["Hoehenkorrektur"].art, Json::Zahl);
    EXPECT_EQ(j["ergebnisse"]["Einzel_Flaeche_1"].art, Json::Text);
    EXPECT_EQ(j["ergebnisse"]["Picture13"].art, Json::Liste);
    EXPECT_TRUE(j["sichtbar"]["Picture1"].b);
    EXPECT_FALSE(j["aktiv"]["Text30"].b);
    EXPECT_EQ(j["eingaben"]["Bauherr"].text, "Dach \"Süd\" \\ Nord\t\x01");
    ASSERT_EQ(j["ergebnisse"]["Picture3"].liste.size(), 2u);
    EXPECT_EQ(j["ergebnisse"]["Picture3"].liste[0].text, "Durchm.:   148.0 mm");
    EXPECT_EQ(j["ergebnisse"]["Picture3"].liste[1].text, "zweite");
    ASSERT_EQ(j["meldungen"].liste.size(), 2u);
    EXPECT_EQ(j["meldungen"].liste[0]["titel"].text, "Titel \"1\"");
    EXPECT_EQ(j["meldungen"].liste[0]["text"].text, "Zeile\nzwei");
    EXPECT_EQ(j["meldungen"].liste[1].schluessel(), "titel text");
}

}  // namespace
}  // namespace dkm
