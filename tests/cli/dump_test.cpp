#include <gtest/gtest.h>

#include "cli/dump.h"
#include "json.h"
#include "model/startzustand.h"

namespace dkm {
namespace {

using test::Json;

std::vector<std::string> Reihe(const std::string& stamm, int von, int bis, const std::string& nach = "") {
    std::vector<std::string> v;
    for (int i = von; i <= bis; ++i) v.push_back(stamm + std::to_string(i) + nach);
    return v;
}

std::vector<std::string> Verbunden(std::initializer_list<std::vector<std::string>> teile) {
    std::vector<std::string> v;
    for (const auto& t : teile) v.insert(v.end(), t.begin(), t.end());
    return v;
}

Json Gelesen(const Formular& f, const std::vector<Meldung>& m = {}) {
    const std::string text = Dump(f, m);
    auto j = test::Json_lesen(text);
    EXPECT_TRUE(j) << text;
    return j.value_or(Json{});
}

TEST(Dezimaltrenner, FirstSetVariableDecidesAndOnlyGermanGivesAComma) {
    EXPECT_EQ(Dezimaltrenner(nullptr, nullptr, nullptr), ".");
    EXPECT_EQ(Dezimaltrenner(nullptr, nullptr, "de_DE.UTF-8"), ",");
    EXPECT_EQ(Dezimaltrenner("", "", "de_DE.UTF-8"), ",");
    EXPECT_EQ(Dezimaltrenner("C", nullptr, "de_DE.UTF-8"), ".");
    EXPECT_EQ(Dezimaltrenner(nullptr, "de_DE@euro", "C"), ",");
    EXPECT_EQ(Dezimaltrenner("en_US.UTF-8", nullptr, nullptr), ".");
}

TEST(Dump, EveryKeyIsPresentInTheListedOrder) {
    Formular f;
    Startzustand(f, nullptr);
    const Json j = Gelesen(f);
    EXPECT_EQ(j.schluessel(),
              (std::vector<std::string>{"format", "eingaben", "ergebnisse", "sichtbar", "aktiv", "meldungen"}));
    EXPECT_EQ(j["format"].text, "dkm-rechner/1");
    EXPECT_EQ(j["eingaben"].schluessel(),
              Verbunden({{"Bauherr", "strasse", "PLZ_Ort", "Telef", "Fax", "Bemerkungen", "Combo_Wahl_Regensp",
                          "r5_5", "r5_100", "Combo_Abfl_beiwert", "Combo_Schutzfaktor", "Combo_Diff_Notueberl"},
                         Reihe("Text", 1, 5),
                         {"Text25", "Text26", "Text27", "Text30"},
                         Reihe("Laenge_", 1, 8),
                         Reihe("Breite_", 1, 8),
                         Reihe("Zusatz_Flaeche_", 1, 8),
                         Reihe("Option", 1, 8),
                         {"Option10", "Option11"},
                         Reihe("Check", 1, 8),
                         {"Check_Schutzkorb", "Hoehenkorrektur"}}));
    EXPECT_EQ(j["ergebnisse"].schluessel(),
              Verbunden({Reihe("Einzel_Flaeche_", 1, 8), Reihe("Belast_Teilrinne_", 1, 8),
                         {"Flaeche_Fallrohr_1_2", "Flaeche_Fallrohr_3_4", "Flaeche_Fallrohr_5_6",
                          "Flaeche_Fallrohr_7_8", "Belastung_Fallrohr_1_2", "Belastung_Fallrohr_3_4",
                          "Belastung_Fallrohr_5_6", "Belastung_Fallrohr_7_8", "Text28", "Text29", "Text31", "Text32"},
                         Reihe("Picture", 1, 4), Reihe("Picture", 13, 27), Reihe("Picture", 29, 32),
                         {"Picture34", "Picture35"}}));
    EXPECT_EQ(j["sichtbar"].schluessel(),
              Verbunden({{"Rinne_vorgeh_einzel", "Frame6", "Rinnen_innenliegend", "Frame4", "Label3", "Label6",
                          "Label14", "Text28", "Text29", "Picture1", "Picture2", "Picture28"},
                         Reihe("Picture", 29, 32),
                         {"Picture34", "Picture35"},
                         Reihe("Picture", 43, 46)}));
    EXPECT_EQ(j["aktiv"].schluessel(),
              Verbunden({Reihe("Option", 3, 8), {"Combo_Diff_Notueberl", "Text30", "Command11"}}));
    EXPECT_EQ(j["meldungen"].art, Json::Liste);

    EXPECT_EQ(j["eingaben"]["Text1"].text, "0.625");
    EXPECT_TRUE(j["eingaben"]["Option1"].b);
    EXPECT_EQ(j["eingaben"]["Option2"].art, Json::Bool);
    EXPECT_EQ(j["eingaben"]["Hoehenkorrektur"].art, Json::Zahl);
    EXPECT_EQ(j["ergebnisse"]["Einzel_Flaeche_1"].art, Json::Text);
    EXPECT_EQ(j["ergebnisse"]["Picture13"].art, Json::Liste);
    EXPECT_TRUE(j["sichtbar"]["Picture1"].b);
    EXPECT_FALSE(j["aktiv"]["Text30"].b);
}

TEST(Dump, TextsAndLinesSurviveEscaping) {
    Formular f;
    Startzustand(f, nullptr);
    f[T::Bauherr] = "Dach \"Süd\" \\ Nord\t\x01";
    Bild& b = f.Picture(3);
    b.drucken("Durchm.:", {true, true}, false);
    b.spalte(12);
    b.drucken("148.0 mm");
    b.drucken("zweite");
    const Json j = Gelesen(f, {{"Titel \"1\"", "Zeile\nzwei"}, {"Maße fehlen!", "ö"}});
    EXPECT_EQ(j["eingaben"]["Bauherr"].text, "Dach \"Süd\" \\ Nord\t\x01");
    ASSERT_EQ(j["ergebnisse"]["Picture3"].liste.size(), 2u);
    EXPECT_EQ(j["ergebnisse"]["Picture3"].liste[0].text, "Durchm.:   148.0 mm");
    EXPECT_EQ(j["ergebnisse"]["Picture3"].liste[1].text, "zweite");
    ASSERT_EQ(j["meldungen"].liste.size(), 2u);
    EXPECT_EQ(j["meldungen"].liste[0]["titel"].text, "Titel \"1\"");
    EXPECT_EQ(j["meldungen"].liste[0]["text"].text, "Zeile\nzwei");
    EXPECT_EQ(j["meldungen"].liste[1].schluessel(), (std::vector<std::string>{"titel", "text"}));
}

}  // namespace
}  // namespace dkm
