#include <gtest/gtest.h>

#include "cli/dump.h"
#include "json.h"
#include "model/startzustand.h"

namespace dkm {
namespace {

using test::Json;

TEST(Dezimaltrenner, FirstSetVariableDecidesAndOnlyGermanGivesAComma) {
    EXPECT_EQ(Dezimaltrenner(nullptr, nullptr, nullptr), ".");
    EXPECT_EQ(Dezimaltrenner(nullptr, nullptr, "de_DE.UTF-8"), ",");
    EXPECT_EQ(Dezimaltrenner("", "", "de_DE.UTF-8"), ",");
    EXPECT_EQ(Dezimaltrenner("C", nullptr, "de_DE.UTF-8"), ".");
    EXPECT_EQ(Dezimaltrenner(nullptr, "de_DE@euro", "C"), ",");
    EXPECT_EQ(Dezimaltrenner("en_US.UTF-8", nullptr, nullptr), ".");
}

TEST(Dump, TypesOfTheMembersAndTextsSurviveEscaping) {
    Formular f;
    Startzustand(f, nullptr);
    f[T::Bauherr] = "Dach \"Süd\" \\ Nord\t\x01\x1F";
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
    EXPECT_EQ(j["eingaben"]["Text1"].text, "0.625");
    EXPECT_TRUE(j["eingaben"]["Option1"].b);
    EXPECT_EQ(j["eingaben"]["Option2"].art, Json::Bool);
    EXPECT_EQ(j["eingaben"]["Hoehenkorrektur"].art, Json::Zahl);
    EXPECT_EQ(j["ergebnisse"]["Einzel_Flaeche_1"].art, Json::Text);
    EXPECT_EQ(j["ergebnisse"]["Picture13"].art, Json::Liste);
    EXPECT_TRUE(j["sichtbar"]["Picture1"].b);
    EXPECT_FALSE(j["aktiv"]["Text30"].b);
    EXPECT_EQ(j["eingaben"]["Bauherr"].text, "Dach \"Süd\" \\ Nord\t\x01\x1F");
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
