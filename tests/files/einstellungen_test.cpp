#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/einstellungen.h"
#include "files/einstellungsordner.h"
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

TEST(Regeneig, AnyBytesStopQuietlyKeepingWhatWasRead) {
    const Eigene_Orte vorher = {{{"a", 1, 2}, {"b", 3, 4}, {"c", 5, 6}, {"d", 7, 8}, {"e", 9, 10}}};
    const struct {
        std::string bytes;
        size_t gelesen;  // places read completely
    } faelle[] = {
        {"", 0},
        {std::string("\0\xFF\r\r\n\x01", 6), 0},
        {"Ort\r\n nan\r\n 1\r\n", 0},
        {"Ort\r\n 1e39\r\n 1\r\n", 0},
        {"Ort\r\n-0\r\n 1\r\nOrt2\r\n 2", 1},
        {std::string(Einstellungsdatei_Hoechstgroesse + 1, '\n'), 0},
    };
    for (const auto& c : faelle) {
        Eigene_Orte orte = vorher;
        Eigene_Orte_lesen_aus(c.bytes, orte);
        for (size_t k = c.gelesen + 1; k < 5; ++k) EXPECT_EQ(orte[k].name, vorher[k].name) << c.bytes.size();
    }
}

class Einstellungsordner_Test : public ::testing::Test {
protected:
    void SetUp() override {
        wurzel = fs::temp_directory_path() /
                 ("dkm-einst-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        arbeit = wurzel / "arbeit";
        ordner = wurzel / "konfig" / "Dachkandelmesser";
        fs::remove_all(wurzel);
        fs::create_directories(arbeit);
    }
    void TearDown() override { fs::remove_all(wurzel); }
    static std::string Inhalt(const fs::path& p) {
        std::ifstream ein(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), {}};
    }
    static void Schreiben(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

    fs::path wurzel, arbeit, ordner;
};

TEST_F(Einstellungsordner_Test, ConfigHomeElseHomeConfigElseRoot) {
    EXPECT_EQ(Einstellungsordner("/x/konfig", "/home/a"), fs::path("/x/konfig/Dachkandelmesser"));
    EXPECT_EQ(Einstellungsordner("/x/konfig/", "/home/a"), fs::path("/x/konfig/Dachkandelmesser"));
    EXPECT_EQ(Einstellungsordner("", "/home/a"), fs::path("/home/a/.config/Dachkandelmesser"));
    EXPECT_EQ(Einstellungsordner(nullptr, "/home/a/"), fs::path("/home/a/.config/Dachkandelmesser"));
    EXPECT_EQ(Einstellungsordner(nullptr, nullptr), fs::path("/.config/Dachkandelmesser"));
}

TEST_F(Einstellungsordner_Test, FirstStartTakesTheWorkingDirectorysFilesOverOnce) {
    Schreiben(arbeit / "Regeneig.dat", "Hof, Saale\r\n 310\r\n 570\r\n");
    Schreiben(arbeit / "Druckwrt.dat", " 12\r\n 1\r\n 2\r\n");
    Einstellungen_uebernehmen(ordner, arbeit);
    EXPECT_EQ(Inhalt(ordner / "Regeneig.dat"), "Hof, Saale\r\n 310\r\n 570\r\n");
    EXPECT_EQ(Inhalt(ordner / "Druckwrt.dat"), " 12\r\n 1\r\n 2\r\n");

    Schreiben(arbeit / "Regeneig.dat", "anders\r\n");
    fs::remove(ordner / "Druckwrt.dat");
    Einstellungen_uebernehmen(ordner, arbeit);
    EXPECT_EQ(Inhalt(ordner / "Regeneig.dat"), "Hof, Saale\r\n 310\r\n 570\r\n") << "the folder's own file wins";
    EXPECT_TRUE(fs::exists(ordner / "Druckwrt.dat")) << "each file on its own";

    fs::remove_all(wurzel / "konfig");
    fs::remove(arbeit / "Regeneig.dat");
    fs::remove(arbeit / "Druckwrt.dat");
    Einstellungen_uebernehmen(ordner, arbeit);
    EXPECT_FALSE(fs::exists(ordner)) << "nothing to take over, nothing created";
}

TEST_F(Einstellungsordner_Test, WritingCreatesTheFolderAndAFailureKeepsTheOldFile) {
    const Eigene_Orte orte = {{{"Frankfurt, Main", 339, 630}, {"Bonn", 1, 2}, {}, {}, {}}};
    ASSERT_FALSE(Eigene_Orte_schreiben(ordner / "Regeneig.dat", orte));
    ASSERT_FALSE(Druckwerte_schreiben(ordner / "Druckwrt.dat", {0, 1, 2}));
    Eigene_Orte gelesen{};
    ASSERT_TRUE(Eigene_Orte_lesen(ordner / "Regeneig.dat", gelesen));
    EXPECT_EQ(gelesen[1].name, "Bonn") << "the comma in place 1 leaves place 2 intact";
    Druckwerte w;
    ASSERT_TRUE(Druckwerte_lesen(ordner / "Druckwrt.dat", w));
    EXPECT_EQ(w.Schriftgroesse, 10.0f);

    // a folder where the file should be: the rename cannot replace it
    fs::create_directories(arbeit / "Druckwrt.dat" / "drin");
    const auto fehler = Druckwerte_schreiben(arbeit / "Druckwrt.dat", {11, 0, 0});
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("Die Druckereinstellungen konnten nicht gespeichert werden"), std::string::npos);
    EXPECT_NE(fehler->find((arbeit / "Druckwrt.dat").string()), std::string::npos) << "the user learns where";
    EXPECT_TRUE(fs::exists(arbeit / "Druckwrt.dat" / "drin"));
    EXPECT_EQ(std::distance(fs::directory_iterator(arbeit), {}), 1) << "no temporary file left";

    // a file where the folder should be
    Schreiben(wurzel / "datei", "x");
    EXPECT_TRUE(Eigene_Orte_schreiben(wurzel / "datei" / "Regeneig.dat", orte));
    EXPECT_EQ(Inhalt(wurzel / "datei"), "x");
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
