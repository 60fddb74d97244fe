// The weather service's KOSTRA-DWD-2020 table, zipped and bare, in every form the tests can make of it;
// and Kostra.dat, which remembers the table and the cells of places taken over.
#include <gtest/gtest.h>

#include <chrono>

#include "common/kostra_tabelle.h"
#include "files/einstellungen.h"
#include "files/kostra_einstellungen.h"
#include "files/kostra_tabelle.h"

namespace dkm {
namespace {

namespace fs = std::filesystem;
using namespace test;

class Kostra_Datei : public ::testing::Test {
protected:
    void SetUp() override { fs::remove_all(ordner), fs::create_directories(ordner); }
    void TearDown() override { fs::remove_all(ordner); }
    const fs::path ordner = fs::temp_directory_path() /
                            ("dkm_kostra_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

void Erwarte_Feld(const Kostra_Tabelle& t, int nummer, float r5_5, float r5_100, int uc5_5, int uc5_100) {
    const auto w = t.werte(*Rasterfeld_aus_Nummer(nummer));
    ASSERT_TRUE(w) << nummer;
    EXPECT_EQ(w->r5_5, r5_5) << nummer;
    EXPECT_EQ(w->r5_100, r5_100) << nummer;
    EXPECT_EQ(w->uc5_5, uc5_5) << nummer;
    EXPECT_EQ(w->uc5_100, uc5_100) << nummer;
}

// The same table as downloaded (zip), unpacked, with LF ends, with a byte-order mark, and with its
// columns in another order (plus one the program does not know): the same cells, the same values.
TEST_F(Kostra_Datei, EveryFormOfTheTableGivesTheSameCells) {
    const std::string csv = Kostra_csv(Kostra_Spalten(), Kostra_Testfelder());
    std::vector<std::string> anders = Kostra_Spalten();
    std::reverse(anders.begin(), anders.end());
    anders.insert(anders.begin() + 3, "ANMERKUNG");
    // a column the program does not read may hold Windows-1252 text
    std::vector<std::string> mit_text = Kostra_Spalten();
    mit_text.push_back("BEMERKUNG");
    auto felder_mit_text = Kostra_Testfelder();
    for (Kostra_Zeile& z : felder_mit_text) z.werte["BEMERKUNG"] = "Gr\xE4nze \x84Nord\x93";
    const fs::path zip = Kostra_Zip(ordner), bar = ordner / Kostra_Name;
    Datei_schreiben(bar, csv);
    const std::pair<const char*, Kostra_Lesen> formen[] = {
        {"zip", Kostra_Tabelle_lesen(zip)},
        {"csv", Kostra_Tabelle_lesen(bar)},
        {"LF", Kostra_Tabelle_aus(Kostra_csv(Kostra_Spalten(), Kostra_Testfelder(), "\n"), Kostra_Name)},
        {"BOM", Kostra_Tabelle_aus("\xEF\xBB\xBF" + csv, Kostra_Name)},
        {"order", Kostra_Tabelle_aus(Kostra_csv(anders, Kostra_Testfelder()), Kostra_Name)},
        {"1252", Kostra_Tabelle_aus(Kostra_csv(mit_text, felder_mit_text), Kostra_Name)},
    };
    for (const auto& [form, e] : formen) {
        SCOPED_TRACE(form);
        ASSERT_TRUE(e) << e.fehler().text;
        const Kostra_Tabelle& t = *e;
        EXPECT_FALSE(t.aus_hoehen);
        EXPECT_EQ(t.felder_mit_werten, 6u);
        Erwarte_Feld(t, 49125, 310.0f, 563.3f, 19, 22);
        Erwarte_Feld(t, 118111, 370.0f, 696.7f, 17, 21);
        Erwarte_Feld(t, 48122, 301.2f, 540.0f, 19, 22);
        Erwarte_Feld(t, 224148, 280.0f, 500.0f, 20, 23);
        for (int ohne : {0, 299299}) EXPECT_FALSE(t.werte(*Rasterfeld_aus_Nummer(ohne))) << ohne;
    }
    EXPECT_EQ(formen[0].second->dateiname, "StatRR_KOSTRA-DWD-2020_D00005.csv.zip");
}

// Without RN columns the yields come from the depths: r = h · 10000 / (60 · 5), to a tenth:
// 9,3 → 310,0; 16,9 → 563,3; 10,4 → 346,7; 12,0 → 400,0; 25,3 → 843,3 (the facts' conversion).
TEST_F(Kostra_Datei, WithoutYieldColumnsTheDepthsGiveThem) {
    std::vector<std::string> ohne_rn;
    for (const std::string& s : Kostra_Spalten())
        if (!s.starts_with("RN_")) ohne_rn.push_back(s);
    auto felder = Kostra_Testfelder();
    felder.push_back(Feld("100100", {{"HN_005A", "25,3"}, {"HN_100A", "25,3"}}));
    const Kostra_Lesen e = Kostra_Tabelle_aus(Kostra_csv(ohne_rn, felder), Kostra_Name);
    ASSERT_TRUE(e) << e.fehler().text;
    EXPECT_TRUE(e->aus_hoehen);
    Erwarte_Feld(*e, 49125, 310.0f, 563.3f, 19, 22);
    Erwarte_Feld(*e, 134213, 346.7f, 400.0f, 13, 15);
    Erwarte_Feld(*e, 100100, 843.3f, 843.3f, -1, -1);
    EXPECT_TRUE(e->werte(*Rasterfeld_aus_Nummer(49125))->aus_hoehen);
}

// Every other file: refused with a German message that names the file and, for its content, the line.
TEST_F(Kostra_Datei, WrongFilesAreRefusedNamingFileAndLine) {
    const auto spalten = Kostra_Spalten();
    const std::string gut = Kostra_csv(spalten, {Feld_049125()});
    std::string fehlt = gut + "118111;6,9\r\n";
    std::string doppelt = Kostra_csv(spalten, {Feld_049125(), Feld_118111(), Feld_049125()});
    std::string buchstaben = gut;
    buchstaben.replace(buchstaben.find("310,0"), 5, "abc");
    std::vector<std::string> ohne_index(spalten.begin() + 1, spalten.end());
    std::string muell(4000, '\0');
    for (size_t i = 0; i < muell.size(); ++i) muell[i] = static_cast<char>((i * 131 + 7) % 256);
    const struct {
        const char* name;
        std::string inhalt;
        const char* meldung;
    } faelle[] = {
        {"StatRR_KOSTRA-DWD-2020_D00010.csv", gut,
         "Die Datei enthält die Dauerstufe 10 min; gebraucht wird die Tabelle für 5 min (D00005)."},
        {"StatRR_KOSTRA-DWD-2020_D01440.csv", gut, "Dauerstufe 1440 min"},
        {"StatRR_KOSTRA-DWD-2010R_D0005.csv", gut, "Die Datei gehört zur Ausgabe KOSTRA-DWD-2010R."},
        {"StatRR_D0005.csv", gut, "Ausgabe KOSTRA-DWD-2010R"},
        {"regen.csv", gut, "Der Dateiname nennt keine Dauerstufe"},
        {Kostra_Name, fehlt, "Zeile 3: Die Zeile hat 2 Spalten, die Kopfzeile 28."},
        {Kostra_Name, doppelt, "Zeile 4: Das Rasterfeld 049125 stand schon in Zeile 2."},
        {Kostra_Name, buchstaben, "Zeile 2: In der Spalte RN_005A steht \u201Eabc\u201C statt einer Zahl."},
        {Kostra_Name, Kostra_csv(ohne_index, {}), "Zeile 1: Die Kopfzeile hat keine Spalte INDEX_RC"},
        {Kostra_Name, Kostra_csv({"INDEX_RC", "UC_005A"}, {}), "Zeile 1: Die Kopfzeile hat weder"},
        {Kostra_Name, Kostra_csv({"INDEX_RC", "RN_005A", "RN_100A", "RN_005A"}, {}), "Spalte RN_005A steht zweimal"},
        // a number no cell has may stand in a row without data (the test tables' 040477), never with data
        {Kostra_Name, Kostra_csv(spalten, {Feld("040477", {{"RN_005A", "300,0"}, {"RN_100A", "500,0"}})}),
         "Zeile 2: \u201E040477\u201C ist keine Feldnummer"},
        {Kostra_Name, Kostra_csv(spalten, {Feld("49a125", {})}), "Zeile 2: \u201E49a125\u201C ist keine Feldnummer"},
        {Kostra_Name, Kostra_csv(spalten, {Feld("049125", {{"RN_005A", "-5,0"}})}), "Der Wert -5,0 der Spalte RN_005A"},
        {Kostra_Name, Kostra_csv(spalten, {}), "Die Tabelle enthält keine Rasterfelder."},
        {Kostra_Name, muell, "Zeile 1: Die Kopfzeile hat keine Spalte INDEX_RC"},
    };
    for (const auto& f : faelle) {
        const Kostra_Lesen e = Kostra_Tabelle_aus(f.inhalt, f.name);
        EXPECT_FALSE(e) << f.meldung;
        EXPECT_NE(e.fehler().text.find(f.meldung), std::string::npos) << e.fehler().text;
        EXPECT_TRUE(e.fehler().text.starts_with("Die Tabelle \u201E" + std::string(f.name) + "\u201C wird nicht verwendet."))
            << e.fehler().text;
        EXPECT_TRUE(e.fehler().text.ends_with("Es wurde nichts geändert.")) << e.fehler().text;
    }
}

// Zips that are not the download: cut short, holding no table, the 10-minute table under a 5-minute
// name, not a zip at all, a bomb that unpacks beyond the limit; and a file of 1 GB.
TEST_F(Kostra_Datei, BrokenZipsBombsAndHugeFilesGetAClearMessageQuickly) {
    const fs::path zip = Kostra_Zip(ordner);
    std::ifstream ein(zip, std::ios::binary);
    const std::string ganz{std::istreambuf_iterator<char>(ein), {}};
    const std::string zip_name = std::string(Kostra_Name) + ".zip";
    Zip_schreiben(ordner / "text.zip", "liesmich.txt", "Hallo");
    Zip_schreiben(ordner / "zehn.zip", "StatRR_KOSTRA-DWD-2020_D00010.csv", Kostra_csv(Kostra_Spalten(), {}));
    // 65 MB of one byte pack into a few kB
    Zip_schreiben(ordner / "bombe.zip", Kostra_Name, std::string(Kostra_Hoechstgroesse + 1, ';'));
    auto lesen = [&](const char* datei) {
        std::ifstream e(ordner / datei, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(e), {}};
    };
    // the same bomb with a directory that claims 1000 bytes: the unpacking itself stops at the limit
    std::string luegt = lesen("bombe.zip");
    auto setzen = [&](size_t stelle, uint32_t wert) {
        for (int i = 0; i < 4; ++i) luegt[stelle + static_cast<size_t>(i)] = static_cast<char>((wert >> (8 * i)) & 0xFF);
    };
    setzen(22, 1000);                                          // local header: size unpacked
    setzen(luegt.find(std::string("PK\x01\x02", 4)) + 24, 1000);  // central directory: the same
    const std::pair<Kostra_Lesen, const char*> faelle[] = {
        {Kostra_Tabelle_aus(luegt, zip_name), "Ausgepackt wäre die Tabelle in der Zip-Datei größer"},
        {Kostra_Tabelle_aus(ganz.substr(0, ganz.size() / 2), zip_name), "unvollständig oder beschädigt"},
        {Kostra_Tabelle_aus(ganz.substr(0, ganz.size() - 10), zip_name), "unvollständig oder beschädigt"},
        {Kostra_Tabelle_aus("kein zip", zip_name), "unvollständig oder beschädigt"},
        {Kostra_Tabelle_aus(lesen("text.zip"), zip_name), "enthält keine CSV-Tabelle"},
        {Kostra_Tabelle_aus(lesen("zehn.zip"), zip_name), "Dauerstufe 10 min"},
        {Kostra_Tabelle_aus(lesen("bombe.zip"), zip_name), "Ausgepackt wäre die Tabelle in der Zip-Datei größer"},
        {Kostra_Tabelle_lesen(ordner / "fehlt.csv.zip"), "lässt sich nicht öffnen"},
        {Kostra_Tabelle_lesen(ordner), "lässt sich nicht öffnen"},
    };
    for (const auto& [e, teil] : faelle) {
        EXPECT_FALSE(e) << teil;
        EXPECT_NE(e.fehler().text.find(teil), std::string::npos) << e.fehler().text;
    }
    EXPECT_LT(lesen("bombe.zip").size(), 1u << 20);

    // sparse: a gigabyte on the disk's books, nothing written
    const fs::path gross = ordner / Kostra_Name;
    Datei_schreiben(gross, "");
    fs::resize_file(gross, size_t{1} << 30);
    const auto start = std::chrono::steady_clock::now();
    const Kostra_Lesen e = Kostra_Tabelle_lesen(gross);
    EXPECT_FALSE(e);
    EXPECT_NE(e.fehler().text.find("größer als 64 MB"), std::string::npos) << e.fehler().text;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << "the file was read";
}

// Kostra.dat: table and places back as written, names with semicolons whole; lines that do not read
// are left out and the rest kept; the window's start state has the places.
TEST_F(Kostra_Datei, SettingsFileKeepsTableAndCellsOfPlaces) {
    Kostra_Einstellungen e;
    e.tabelle = ordner / "Wetter; Daten" / "StatRR_KOSTRA-DWD-2020_D00005.csv.zip";
    Kostra_Ort_merken(e.orte, {"Halle; Nord", {{49, 125}, 310.0f, 563.3f, 19, 22, false}});
    Kostra_Ort_merken(e.orte, {"Görlitz", {{134, 213}, 346.7f, 400.0f, -1, -1, true}});
    const fs::path datei = ordner / "konfig" / "Kostra.dat";
    ASSERT_TRUE(Kostra_Einstellungen_schreiben(datei, e));
    const Kostra_Einstellungen z = Kostra_Einstellungen_lesen(datei);
    EXPECT_EQ(z.tabelle, e.tabelle);
    ASSERT_EQ(z.orte.size(), 2u);
    EXPECT_EQ(z.orte[0].name, "Halle; Nord");
    EXPECT_EQ(z.orte[0].werte.feld, (Rasterfeld{49, 125}));
    EXPECT_EQ(z.orte[0].werte.r5_100, 563.3f);
    EXPECT_EQ(z.orte[1].werte.uc5_5, -1);
    EXPECT_TRUE(z.orte[1].werte.aus_hoehen);

    Kostra_Einstellungen kaputt;
    Kostra_Einstellungen_lesen_aus(
        "Ort;49125;310;563.3;19;22;RN;fünfstellig\r\nOrt;300000;1;2;3;4;RN;kein Feld\r\nOrt;049125;abc;1;1;1;RN;x\r\n"
        "Unsinn\r\nOrt;118111;370;696.7;17;21;RN;gut\r\n",
        kaputt);
    ASSERT_EQ(kaputt.orte.size(), 1u);
    EXPECT_EQ(kaputt.orte[0].name, "gut");

    // a place taken over again replaces its older cell
    Kostra_Ort_merken(e.orte, {"Halle; Nord", {{50, 125}, 320.0f, 580.0f, 19, 22, false}});
    ASSERT_EQ(e.orte.size(), 2u);
    EXPECT_EQ(e.orte.back().werte.feld, (Rasterfeld{50, 125}));

    Datei_schreiben(ordner / "konfig" / "Regeneig.dat", "");
    EXPECT_EQ(Startformular(ordner / "konfig" / "Regeneig.dat", ",").kostra_orte.size(), 2u);
}

}  // namespace
}  // namespace dkm
