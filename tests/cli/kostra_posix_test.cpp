// dkm-rechner --kostra as a user calls it: one JSON object per cell, a German message and status 1
// where the table or the place gives no values, status 2 for a wrong call.
#include <gtest/gtest.h>

#include "common/befehl.h"
#include "common/kostra_tabelle.h"

namespace dkm {
namespace {

namespace fs = std::filesystem;
using namespace test;

class Kostra_Rechner : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(ordner), fs::create_directories(ordner);
        tabelle = Kostra_Zip(ordner).string();
    }
    void TearDown() override { fs::remove_all(ordner); }
    // Status and standard output; with `fehler`, standard error instead.
    std::pair<int, std::string> Starten(const std::string& argumente, bool fehler = false) const {
        const std::string umleitung = fehler ? " 2>&1 >/dev/null" : " 2>/dev/null";
        return Ausfuehren("cd '" + ordner.string() + "' && LC_ALL=C '" DKM_RECHNER "' " + argumente + umleitung);
    }
    const fs::path ordner = fs::temp_directory_path() /
                            ("dkm-kostra-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::string tabelle;
};

TEST_F(Kostra_Rechner, CellAndPlaceGiveTheObject) {
    const std::string feld_049125 =
        "{\"zelle\": \"049125\", \"zeile\": 49, \"spalte\": 125, \"r5_5\": 310, \"r5_100\": 563.3, \"uc5_5\": 19, "
        "\"uc5_100\": 22, \"quelle\": \"KOSTRA-DWD-2020\"}\n";
    for (const char* aufruf : {"--kostra '%T' --zelle 049125", "--zelle 049125 --kostra '%T'"}) {
        std::string a = aufruf;
        a.replace(a.find("%T"), 2, tabelle);
        EXPECT_EQ(Starten(a), std::make_pair(0, feld_049125)) << aufruf;
    }
    // Essen, in decimal degrees and in degrees, minutes and seconds
    const std::string essen =
        "{\"zelle\": \"129102\", \"zeile\": 129, \"spalte\": 102, \"r5_5\": 323.3, \"r5_100\": 616.7, \"uc5_5\": 18, "
        "\"uc5_100\": 21, \"quelle\": \"KOSTRA-DWD-2020\"}\n";
    EXPECT_EQ(Starten("--kostra '" + tabelle + "' --ort 51.44617 7.020153"), std::make_pair(0, essen));
    EXPECT_EQ(Starten("--kostra '" + tabelle + "' --ort \"51°26'46\\\" N\" \"7°01'13\\\" E\""), std::make_pair(0, essen));

    // from the depths, with a word on standard error
    Datei_schreiben(ordner / Kostra_Name, Kostra_csv(Kostra_Spalten(false), Kostra_Testfelder()));
    EXPECT_EQ(Starten("--kostra " + std::string(Kostra_Name) + " --zelle 049125"), std::make_pair(0, feld_049125));
    EXPECT_NE(Starten("--kostra " + std::string(Kostra_Name) + " --zelle 049125", true)
                  .second.find("aus den Regenhöhen HN umgerechnet"),
              std::string::npos);
}

// One case for each way to no values (the table's cell, --zelle, --ort, the table, the file): the messages
// themselves are the reader's and the location's own, checked there.
TEST_F(Kostra_Rechner, NoValuesGiveStatusOneWithTheMessage) {
    Datei_schreiben(ordner / "StatRR_KOSTRA-DWD-2020_D00010.csv", Kostra_csv(Kostra_Spalten(), Kostra_Testfelder()));
    const std::pair<std::string, const char*> faelle[] = {
        {"--kostra '" + tabelle + "' --zelle 000000", "Für das Rasterfeld 000000 enthält die Tabelle keine Regenspenden"},
        {"--kostra '" + tabelle + "' --zelle 224148x", "ist weder ein Ort"},
        {"--kostra '" + tabelle + "' --ort 91 7", "91° ist keine geographische Breite"},
        {"--kostra StatRR_KOSTRA-DWD-2020_D00010.csv --zelle 049125",
         "Die Datei enthält die Dauerstufe 10 min; gebraucht wird die Tabelle für 5 min (D00005)."},
        {"--kostra fehlt.csv.zip --zelle 049125", "lässt sich nicht öffnen"},
    };
    for (const auto& [aufruf, meldung] : faelle) {
        const auto [status, fehler] = Starten(aufruf, true);
        EXPECT_EQ(status, 1) << aufruf;
        EXPECT_TRUE(fehler.starts_with("dkm-rechner: ")) << fehler;
        EXPECT_NE(fehler.find(meldung), std::string::npos) << aufruf << ": " << fehler;
        EXPECT_EQ(Starten(aufruf).second, "") << "nothing on standard output: " << aufruf;
    }
    for (const std::string& falsch : std::vector<std::string>{"--kostra", "--kostra '" + tabelle + "'", "--kostra '" + tabelle + "' --zelle",
                                      "--kostra '" + tabelle + "' --ort 51", "--kostra '" + tabelle + "' --zelle 1 --zelle 2",
                                      "--kostra '" + tabelle + "' --zelle 1 --ort 51 7", "--kostra x --zelle 1 extra"}) {
        const auto [status, fehler] = Starten(falsch, true);
        EXPECT_EQ(status, 2) << falsch;
        EXPECT_NE(fehler.find("falscher Aufruf"), std::string::npos) << falsch;
    }
}

}  // namespace
}  // namespace dkm
