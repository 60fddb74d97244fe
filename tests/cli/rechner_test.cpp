#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

#include "cli/dump.h"
#include "files/einstellungen.h"
#include "json.h"

namespace dkm {
namespace {

namespace fs = std::filesystem;
using test::Json;

class Rechner_Programm : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() /
                 ("dkm-rechner-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }

    // The real program in the test folder, with its settings folder there too, never the user's own.
    std::pair<int, Json> Starten(const std::string& argumente, const std::string& umgebung = "LC_ALL=C") const {
        const std::string befehl = "cd '" + ordner.string() + "' && XDG_CONFIG_HOME='" + konfig().string() + "' " +
                                   umgebung + " '" + DKM_RECHNER + "' " + argumente + " 2>/dev/null";
        std::string ausgabe;
        FILE* p = popen(befehl.c_str(), "r");
        if (!p) return {-1, {}};
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) ausgabe.append(buf, n);
        const int s = pclose(p);
        return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, test::Json_lesen(ausgabe).value_or(Json{})};
    }
    fs::path konfig() const { return ordner / "konfig"; }

    fs::path ordner;
};

std::vector<std::string> Titel(const Json& j) {
    std::vector<std::string> v;
    for (const Json& m : j["meldungen"].liste) v.push_back(m["titel"].text);
    return v;
}

const std::string Erste = "Daten aus einer älteren Version einlesen";

TEST_F(Rechner_Programm, Examples) {
    const struct {
        const char* datei;
        std::vector<std::string> titel;
        std::vector<std::tuple<const char*, const char*, std::string>> texte;  // group, key, text
        std::vector<std::pair<const char*, const char*>> wahr;                 // group, key
    } faelle[] = {
        {"traufe_einzel.Dkm", {},
         {{"eingaben", "Bemerkungen", "Wohnhaus, Traufe Süd"}, {"eingaben", "Laenge_1", " 6"},
          {"eingaben", "Zusatz_Flaeche_4", " 3"}, {"ergebnisse", "Einzel_Flaeche_1", "30.00 m²"},
          {"ergebnisse", "Einzel_Flaeche_4", "25.50 m²"}, {"ergebnisse", "Belast_Teilrinne_1", "0.99 l/s"},
          {"ergebnisse", "Einzel_Flaeche_5", ""}},
         {{"eingaben", "Option10"}, {"eingaben", "Check2"}}},
        {"traufe_gesamt.Dkm", {},
         {{"eingaben", "Text27", " 5"}, {"eingaben", "Laenge_8", " 5"},
          {"ergebnisse", "Text29", "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5."}},
         {{"eingaben", "Option11"}, {"sichtbar", "Text28"}}},
        {"innen_laengsseite.Dkm", {},
         {{"ergebnisse", "Einzel_Flaeche_1", ""}, {"ergebnisse", "Einzel_Flaeche_2", "180.00 m²"},
          {"ergebnisse", "Belast_Teilrinne_5", "2.98 l/s"}, {"ergebnisse", "Belastung_Fallrohr_3_4", "5.96 l/s"}},
         {{"eingaben", "Option5"}, {"sichtbar", "Rinnen_innenliegend"}}},
        {"innen_stirnseiten.Dkm", {},
         {{"ergebnisse", "Einzel_Flaeche_5", "58.00 m²"}, {"ergebnisse", "Belast_Teilrinne_1", "3.04 l/s"}},
         {{"sichtbar", "Rinnen_innenliegend"}}},
        {"traufe_alt.Dkl", {Erste},  // no site data, no wind angle, eaves gutter
         {{"eingaben", "Bauherr", "Familie Schäfer"}, {"eingaben", "Text2", " 300"},
          {"ergebnisse", "Einzel_Flaeche_2", "35.00 m²"}},
         {{"eingaben", "Check2"}}},
        {"innen_alt.Dkl",
         {Erste, "Nichtübernahme Baustellenwerte", "Fehlende Funtion", "Ältere Version, innenliegende Rinne"},
         {{"eingaben", "Combo_Abfl_beiwert", "Kiesdach (C=0.5)"}},
         {{"eingaben", "Option2"}, {"sichtbar", "Rinnen_innenliegend"}}},
    };
    for (const auto& c : faelle) {
        const auto [status, j] = Starten(std::string("'" DKM_EXAMPLES_DIR "/") + c.datei + "'");
        EXPECT_EQ(status, 0) << c.datei;
        EXPECT_EQ(Titel(j), c.titel) << c.datei;
        for (const auto& [gruppe, name, text] : c.texte) EXPECT_EQ(j[gruppe][name].text, text) << c.datei << name;
        for (const auto& [gruppe, name] : c.wahr) EXPECT_TRUE(j[gruppe][name].b) << c.datei << name;
    }
    const Json alt = Starten("'" DKM_EXAMPLES_DIR "/innen_alt.Dkl'").second;
    EXPECT_NE(alt["meldungen"].liste[1]["hilfe"].text.find(
                  "Kassel-Waldau  //  Otto-Hahn-Straße 3  //  Zufahrt über Tor 3  //  leer  //   Kran erforderlich"),
              std::string::npos);
    EXPECT_EQ(alt["meldungen"].liste[0]["hilfe"].art, Json::Null) << "only beside the site box";
    const auto deutsch = Starten("'" DKM_EXAMPLES_DIR "/traufe_einzel.Dkm'", "LC_ALL= LC_NUMERIC=de_DE.UTF-8");
    EXPECT_EQ(deutsch.second["ergebnisse"]["Einzel_Flaeche_1"].text, "30,00 m²");
}

TEST_F(Rechner_Programm, DamagedFilePrintsTheStartStateWithStatusOne) {
    Eigene_Orte orte{};
    orte[0] = {"Hof, Saale", 310, 570};
    ASSERT_FALSE(Eigene_Orte_schreiben(ordner / "Regeneig.dat", orte));
    std::ofstream(ordner / "kaputt.Dkm", std::ios::binary) << std::string("\0\x01\x02garbage", 10);
    const auto [status, j] = Starten("kaputt.Dkm");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(Titel(j), (std::vector<std::string>{Erste, "Datei-Kontrolle"})) << "no header: an older project";
    EXPECT_EQ(j["eingaben"]["Combo_Wahl_Regensp"].text, "Hof, Saale") << "taken over from the working folder";
    EXPECT_EQ(j["eingaben"]["r5_5"].text, " 310");
    EXPECT_TRUE(fs::exists(konfig() / "Dachkandelmesser" / "Regeneig.dat"));

    orte[0] = {"Coburg", 290, 540};
    ASSERT_FALSE(Eigene_Orte_schreiben(konfig() / "Dachkandelmesser" / "Regeneig.dat", orte));
    EXPECT_EQ(Starten("kaputt.Dkm").second["eingaben"]["Combo_Wahl_Regensp"].text, "Coburg")
        << "once the settings folder has the file, the working folder's is ignored";
}

TEST_F(Rechner_Programm, UsageErrorsAndUnreadablePathsGiveStatusTwo) {
    for (const char* argumente : {"", "a.Dkm b.Dkm", "fehlt.Dkm", "."}) EXPECT_EQ(Starten(argumente).first, 2);
    EXPECT_EQ(Starten("--help").first, 0);
    EXPECT_NE(Rechner({"--help"}, ".").ausgabe.find("Aufruf: dkm-rechner DATEI"), std::string::npos);
    EXPECT_NE(Rechner({"-x"}, ".").fehler.find("falscher Aufruf"), std::string::npos);
    const Rechnerlauf fehlt = Rechner({"/gibt/es/nicht.Dkm"}, ".");
    EXPECT_TRUE(fehlt.ausgabe.empty());
    EXPECT_NE(fehlt.fehler.find("kann nicht geöffnet werden"), std::string::npos);
}

}  // namespace
}  // namespace dkm
