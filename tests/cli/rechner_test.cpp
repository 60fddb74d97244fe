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

    struct Lauf {
        int status = -1;
        std::string ausgabe;
        Json json() const { return test::Json_lesen(ausgabe).value_or(Json{}); }
    };
    // The real program, started in the test folder.
    Lauf Starten(const std::string& argumente, const std::string& umgebung = "LC_ALL=C") const {
        // the settings folder inside the test folder, never the user's own
        const std::string befehl = "cd '" + ordner.string() + "' && XDG_CONFIG_HOME='" + konfig().string() + "' " +
                                   umgebung + " '" + DKM_RECHNER + "' " + argumente + " 2>/dev/null";
        Lauf l;
        FILE* p = popen(befehl.c_str(), "r");
        if (!p) return l;
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) l.ausgabe.append(buf, n);
        const int s = pclose(p);
        l.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        return l;
    }
    fs::path konfig() const { return ordner / "konfig"; }
    static std::string Beispiel(const std::string& name) { return "'" DKM_EXAMPLES_DIR "/" + name + "'"; }

    fs::path ordner;
};

TEST_F(Rechner_Programm, SingleModeExample) {
    const Lauf l = Starten(Beispiel("traufe_einzel.Dkm"));
    ASSERT_EQ(l.status, 0) << l.ausgabe;
    const Json j = l.json();
    const Json& e = j["eingaben"];
    EXPECT_EQ(e["Bemerkungen"].text, "Wohnhaus, Traufe Süd");
    EXPECT_EQ(e["Laenge_1"].text, " 6");
    EXPECT_EQ(e["Zusatz_Flaeche_4"].text, " 3");
    EXPECT_TRUE(e["Option10"].b);
    EXPECT_TRUE(e["Check2"].b);
    const Json& r = j["ergebnisse"];
    EXPECT_EQ(r["Einzel_Flaeche_1"].text, "30.00 m²");
    EXPECT_EQ(r["Einzel_Flaeche_4"].text, "25.50 m²");
    EXPECT_EQ(r["Belast_Teilrinne_1"].text, "0.99 l/s");
    EXPECT_EQ(r["Einzel_Flaeche_5"].text, "");
    EXPECT_FALSE(r["Picture1"].liste.empty());
    EXPECT_FALSE(j["sichtbar"]["Text28"].b);
    EXPECT_EQ(j["meldungen"].art, Json::Liste);
    EXPECT_TRUE(j["meldungen"].liste.empty());

    const Lauf deutsch = Starten(Beispiel("traufe_einzel.Dkm"), "LC_ALL= LC_NUMERIC=de_DE.UTF-8");
    EXPECT_EQ(deutsch.json()["ergebnisse"]["Einzel_Flaeche_1"].text, "30,00 m²");
}

TEST_F(Rechner_Programm, TotalModeExampleShowsTheNotes) {
    const Lauf l = Starten(Beispiel("traufe_gesamt.Dkm"));
    ASSERT_EQ(l.status, 0);
    const Json j = l.json();
    EXPECT_TRUE(j["eingaben"]["Option11"].b);
    EXPECT_EQ(j["eingaben"]["Text27"].text, " 5");
    EXPECT_EQ(j["eingaben"]["Laenge_8"].text, " 5");
    EXPECT_TRUE(j["sichtbar"]["Text28"].b);
    EXPECT_EQ(j["ergebnisse"]["Text29"].text, "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5.");
}

TEST_F(Rechner_Programm, DamagedFilePrintsTheStartStateWithStatusOne) {
    Eigene_Orte orte{};
    orte[0] = {"Hof, Saale", 310, 570};
    ASSERT_FALSE(Eigene_Orte_schreiben(ordner / "Regeneig.dat", orte));
    std::ofstream(ordner / "kaputt.Dkm", std::ios::binary) << std::string("\0\x01\x02garbage", 10);
    const Lauf l = Starten("kaputt.Dkm");
    EXPECT_EQ(l.status, 1);
    const Json j = l.json();
    ASSERT_EQ(j["meldungen"].liste.size(), 2u) << "no header: read as an older project first";
    EXPECT_EQ(j["meldungen"].liste[0]["titel"].text, "Daten aus einer älteren Version einlesen");
    EXPECT_EQ(j["meldungen"].liste[1]["titel"].text, "Datei-Kontrolle");
    EXPECT_EQ(j["eingaben"]["Combo_Wahl_Regensp"].text, "Hof, Saale") << "taken over from the working folder";
    EXPECT_EQ(j["eingaben"]["r5_5"].text, " 310");
    EXPECT_TRUE(fs::exists(konfig() / "Dachkandelmesser" / "Regeneig.dat"));

    orte[0] = {"Coburg", 290, 540};
    ASSERT_FALSE(Eigene_Orte_schreiben(konfig() / "Dachkandelmesser" / "Regeneig.dat", orte));
    EXPECT_EQ(Starten("kaputt.Dkm").json()["eingaben"]["Combo_Wahl_Regensp"].text, "Coburg")
        << "once the settings folder has the file, the working folder's is ignored";
}

TEST_F(Rechner_Programm, OlderProjectsListTheImportBoxesInOrder) {
    Lauf l = Starten(Beispiel("traufe_alt.Dkl"));
    ASSERT_EQ(l.status, 0) << l.ausgabe;
    Json j = l.json();
    ASSERT_EQ(j["meldungen"].liste.size(), 1u) << "no site data, no wind angle, eaves gutter";
    EXPECT_EQ(j["meldungen"].liste[0]["titel"].text, "Daten aus einer älteren Version einlesen");
    EXPECT_EQ(j["eingaben"]["Bauherr"].text, "Familie Schäfer");
    EXPECT_EQ(j["eingaben"]["Text2"].text, " 300");
    EXPECT_TRUE(j["eingaben"]["Check2"].b);
    EXPECT_EQ(j["ergebnisse"]["Einzel_Flaeche_2"].text, "35.00 m²");

    l = Starten(Beispiel("innen_alt.Dkl"));
    ASSERT_EQ(l.status, 0) << l.ausgabe;
    j = l.json();
    std::vector<std::string> titel;
    for (const Json& m : j["meldungen"].liste) titel.push_back(m["titel"].text);
    EXPECT_EQ(titel, (std::vector<std::string>{"Daten aus einer älteren Version einlesen",
                                               "Nichtübernahme Baustellenwerte", "Fehlende Funtion",
                                               "Ältere Version, innenliegende Rinne"}));
    const std::string hilfe = j["meldungen"].liste[1]["hilfe"].text;
    EXPECT_NE(hilfe.find("Kassel-Waldau  //  Otto-Hahn-Straße 3  //  Zufahrt über Tor 3  //  leer  //   "
                         "Kran erforderlich"),
              std::string::npos)
        << hilfe;
    EXPECT_EQ(j["meldungen"].liste[0]["hilfe"].art, Json::Null) << "only beside the site box";
    EXPECT_EQ(j["eingaben"]["Combo_Abfl_beiwert"].text, "Kiesdach (C=0.5)");
    EXPECT_TRUE(j["eingaben"]["Option2"].b);
    EXPECT_TRUE(j["sichtbar"]["Rinnen_innenliegend"].b);
}

TEST_F(Rechner_Programm, UsageErrorsAndUnreadablePathsGiveStatusTwo) {
    EXPECT_EQ(Starten("--help").status, 0);
    EXPECT_EQ(Starten("").status, 2);
    EXPECT_EQ(Starten("a.Dkm b.Dkm").status, 2);
    EXPECT_EQ(Starten("fehlt.Dkm").status, 2);
    EXPECT_EQ(Starten(".").status, 2);

    EXPECT_NE(Rechner({"--help"}, ".").ausgabe.find("Aufruf: dkm-rechner DATEI"), std::string::npos);
    EXPECT_NE(Rechner({"-x"}, ".").fehler.find("falscher Aufruf"), std::string::npos);
    const Rechnerlauf fehlt = Rechner({"/gibt/es/nicht.Dkm"}, ".");
    EXPECT_TRUE(fehlt.ausgabe.empty());
    EXPECT_NE(fehlt.fehler.find("kann nicht geöffnet werden"), std::string::npos);
}

}  // namespace
}  // namespace dkm
