#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
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

std::string Datei(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The whole dump of every bundled example, German locale, no own places: any
// change of a result, a message, a visibility or the key order shows up here.
// werkzeug/erwartet.sh writes the expected files anew after an intended change.
TEST_F(Rechner_Programm, ExamplesGiveTheirExpectedDumps) {
    size_t anzahl = 0;
    for (const auto& e : fs::directory_iterator(DKM_EXAMPLES_DIR)) {
        if (e.path().extension() != ".Dkm" && e.path().extension() != ".Dkl") continue;
        const fs::path erwartet = fs::path(DKM_ERWARTET_DIR) / (e.path().filename().string() + ".json");
        ++anzahl;
        ASSERT_TRUE(fs::exists(erwartet)) << erwartet;
        const std::string befehl = "cd '" + ordner.string() + "' && XDG_CONFIG_HOME='" + konfig().string() +
                                   "' LC_ALL= LC_NUMERIC= LANG=de_DE.UTF-8 '" DKM_RECHNER "' '" +
                                   e.path().string() + "' > ausgabe.json";
        ASSERT_EQ(std::system(befehl.c_str()), 0) << e.path();
        EXPECT_EQ(Datei(ordner / "ausgabe.json"), Datei(erwartet)) << e.path();
    }
    EXPECT_GE(anzahl, 6u);
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
    EXPECT_EQ(Rechner({"--version"}, ".").ausgabe, "dkm-rechner 1.0.0\n") << "the number in CMakeLists.txt";
    EXPECT_EQ(Starten("--version x.Dkm").first, 2);
    EXPECT_NE(Rechner({"-x"}, ".").fehler.find("falscher Aufruf"), std::string::npos);
    const std::string beispiel = DKM_EXAMPLES_DIR "/traufe_einzel.Dkm";
    for (const std::vector<std::string>& falsch : {std::vector<std::string>{"--ersetzen", beispiel},
                                                   {"--bericht", beispiel, "--datum", "01.02.2026", "--datum", "02.02.2026"}}) {
        const Rechnerlauf lauf = Rechner(falsch, ".");
        EXPECT_EQ(lauf.status, 2) << falsch[0];
        EXPECT_NE(lauf.fehler.find("falscher Aufruf"), std::string::npos);
    }
    const Rechnerlauf fehlt = Rechner({"/gibt/es/nicht.Dkm"}, ".");
    EXPECT_TRUE(fehlt.ausgabe.empty());
    EXPECT_NE(fehlt.fehler.find("kann nicht geöffnet werden"), std::string::npos);
}

// One line per value, for comparing two dumps; `ohne` is left out (the file name box).
std::vector<std::string> Zeilen(const Json& j, const std::string& weg = "", const std::string& ohne = "Text24") {
    std::vector<std::string> v;
    if (j.art == Json::Objekt) {
        for (const auto& [k, w] : j.felder)
            if (k != ohne)
                for (std::string& z : Zeilen(w, weg + "/" + k, ohne)) v.push_back(std::move(z));
    } else if (j.art == Json::Liste) {
        for (size_t i = 0; i < j.liste.size(); ++i)
            for (std::string& z : Zeilen(j.liste[i], weg + "/" + std::to_string(i), ohne)) v.push_back(std::move(z));
    } else {
        v.push_back(weg + "=" + j.text + (j.b ? "+" : ""));
    }
    return v;
}

TEST_F(Rechner_Programm, SpeichernWandeltJedesAlteBeispielUmUndUeberschreibtNichts) {
    for (const char* alt : {"innen_alt.Dkl", "traufe_alt.Dkl"}) {
        const std::string quelle = fs::path(DKM_EXAMPLES_DIR) / alt, neu = ordner / (std::string(alt) + ".Dkm");
        const Rechnerlauf lauf = Rechner({"--speichern", neu, quelle}, ".", konfig());
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_EQ(Datei(neu).rfind("Wertedatei f\xfcr Dachkandelmesser Version", 0), 0u) << "the current format";
        const auto vorher = test::Json_lesen(Rechner({quelle}, ".", konfig()).ausgabe);
        const auto nachher = test::Json_lesen(Rechner({neu}, ".", konfig()).ausgabe);
        ASSERT_TRUE(vorher && nachher);
        for (const char* teil : {"eingaben", "ergebnisse", "sichtbar", "aktiv"})
            EXPECT_EQ(Zeilen((*nachher)[teil]), Zeilen((*vorher)[teil])) << alt << " " << teil;
        EXPECT_EQ(Titel(*nachher), std::vector<std::string>{}) << "a current file asks nothing";

        const std::string gespeichert = Datei(neu);
        const Rechnerlauf nochmal = Rechner({"--speichern", neu, DKM_EXAMPLES_DIR "/traufe_einzel.Dkm"}, ".", konfig());
        EXPECT_EQ(nochmal.status, 2);
        EXPECT_NE(nochmal.fehler.find("--ersetzen"), std::string::npos);
        EXPECT_EQ(Datei(neu), gespeichert) << "an existing target stays as it was";
        EXPECT_EQ(Rechner({"--speichern", neu, "--ersetzen", DKM_EXAMPLES_DIR "/traufe_einzel.Dkm"}, ".", konfig()).status, 0);
        EXPECT_NE(Datei(neu), gespeichert);
    }

    const std::string kopie = ordner / "Kopie.Dkm", kaputt = ordner / "Kaputt.Dkm", ziel = ordner / "Ziel.Dkm";
    fs::copy_file(DKM_EXAMPLES_DIR "/traufe_einzel.Dkm", kopie);
    const std::string original = Datei(kopie);
    for (const std::string& gleich : {kopie, (ordner / "." / "Kopie.Dkm").string()})
        EXPECT_EQ(Rechner({"--speichern", gleich, "--ersetzen", kopie}, ".", konfig()).status, 2) << gleich;
    EXPECT_EQ(Datei(kopie), original) << "never over the source";

    std::ofstream(kaputt, std::ios::binary) << "Wertedatei f\xfcr Dachkandelmesser Version 07 08\r\nnur eine Zeile\r\n";
    const Rechnerlauf schlecht = Rechner({"--speichern", ziel, kaputt}, ".", konfig());
    EXPECT_EQ(schlecht.status, 1);
    EXPECT_NE(schlecht.fehler.find("Datei-Kontrolle"), std::string::npos);
    EXPECT_FALSE(fs::exists(ziel)) << "nothing written";
    EXPECT_EQ(Rechner({"--speichern", (ordner / "fehlt" / "x.Dkm").string(), kopie}, ".", konfig()).status, 2);
    for (const char* falsch : {"--ersetzen " , "--speichern"}) EXPECT_EQ(Starten(std::string(falsch) + " a.Dkm").first, 2);
}

}  // namespace
}  // namespace dkm
