#include <gtest/gtest.h>

#include <filesystem>

#include "files/einstellungen.h"
#include "files/kodierung.h"

namespace dkm {
namespace {

namespace fs = std::filesystem;

TEST(Regeneig, FifteenLinesWrittenAndReadBackWithWholeNames) {
    const Eigene_Orte orte = {{{"Frankfurt, Main", 339, 630},
                               {"Bad Tölz", 444.5f, 767},
                               {"", 0, 0},
                               {"  Einrückung", 300, 900},
                               {"Zürich", 250.25f, -1}}};
    const fs::path datei = fs::temp_directory_path() / "dkm-test-Regeneig.dat";
    fs::remove(datei);
    Eigene_Orte gelesen{};
    EXPECT_FALSE(Eigene_Orte_lesen(datei, gelesen));
    ASSERT_FALSE(Eigene_Orte_schreiben(datei, orte));
    ASSERT_TRUE(Eigene_Orte_lesen(datei, gelesen));
    fs::remove(datei);
    EXPECT_EQ(Eigene_Orte_Dateiinhalt(orte).substr(0, 39), "Frankfurt, Main\r\n 339\r\n 630\r\nBad T\xF6lz\r\n");
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(gelesen[k].name, k == 3 ? "Einrückung" : orte[k].name) << "leading blanks are skipped";
        EXPECT_EQ(gelesen[k].r5_5, orte[k].r5_5);
        EXPECT_EQ(gelesen[k].r5_100, orte[k].r5_100);
    }
}

TEST(Regeneig, ReadingStopsAtTheFirstErrorKeepingWhatWasRead) {
    Eigene_Orte orte{};
    orte[1] = {"alt", 1, 2};
    orte[2] = {"alt3", 3, 4};
    Eigene_Orte_lesen_aus("Aachen\r\n 266\r\n 463\r\nNeu\r\n 1e39\r\n 5\r\nNeu3\r\n 7\r\n 8\r\n", orte);
    EXPECT_EQ(orte[0].name, "Aachen");
    EXPECT_EQ(orte[0].r5_100, 463.0f);
    EXPECT_EQ(orte[1].name, "Neu");
    EXPECT_EQ(orte[1].r5_5, 1.0f);
    EXPECT_EQ(orte[2].name, "alt3");
}

TEST(Druckwrt, FontSizeZeroBecomesTenUnlessTheFileIsMissing) {
    Druckwerte w;
    Druckwerte_lesen_aus(" 0\r\n 5\r\n-3.5\r\n", w);
    EXPECT_EQ(w.Schriftgroesse, 10.0f);
    EXPECT_EQ(w.Verschiebung_vertikal, -3.5f);
    Druckwerte kaputt{0, 1, 2};
    Druckwerte_lesen_aus(" 12\r\nlinks\r\n 9\r\n", kaputt);
    EXPECT_EQ(kaputt.Schriftgroesse, 12.0f);
    EXPECT_EQ(kaputt.Verschiebung_vertikal, 2.0f);

    const fs::path datei = fs::temp_directory_path() / "dkm-test-Druckwrt.dat";
    fs::remove(datei);
    Druckwerte fehlt;
    EXPECT_FALSE(Druckwerte_lesen(datei, fehlt));
    EXPECT_EQ(fehlt.Schriftgroesse, 0.0f);
    ASSERT_FALSE(Druckwerte_schreiben(datei, {11, 0.5f, -2}));
    Druckwerte zurueck;
    ASSERT_TRUE(Druckwerte_lesen(datei, zurueck));
    fs::remove(datei);
    EXPECT_EQ(zurueck.Schriftgroesse, 11.0f);
    EXPECT_EQ(zurueck.Verschiebung_horizontal, 0.5f);
}

TEST(Kodierung, EveryByteSurvivesTheWayThroughUtf8) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8_nach_Cp1252(Cp1252_nach_Utf8(alle)), alle);
    EXPECT_EQ(Cp1252_nach_Utf8("\x80\xFC\x96"), "€ü–");
    EXPECT_EQ(Utf8_nach_Cp1252("Łódź €"), "?\xF3" "d? \x80");
    EXPECT_EQ(Utf8_nach_Cp1252("a\xC3"), "a?") << "broken UTF-8";
}

}  // namespace
}  // namespace dkm
