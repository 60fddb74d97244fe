// dkm-rechner as a user calls it: the dumps of the bundled examples, a damaged file, wrong calls, --speichern.
#include <gtest/gtest.h>


#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/befehl.h"
#include "cli/dump.h"
#include "report/seite.h"
#include "files/einstellungen.h"

namespace dkm {
namespace {

namespace fs = std::filesystem;

std::string Inhalt(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Rechner_Programm : public ::testing::Test {
protected:
    void SetUp() override { fs::remove_all(ordner), fs::create_directories(ordner); }
    void TearDown() override { fs::remove_all(ordner); }
    // The real program in the test folder, its settings folder there too, never the user's own.
    std::pair<int, std::string> Starten(const std::string& argumente, const std::string& sprache = "LC_ALL=C") const {
        const std::string befehl = "cd '" + ordner.string() + "' && XDG_CONFIG_HOME='" + konfig.string() + "' " +
                                   sprache + " '" DKM_RECHNER "' " + argumente;
        return test::Ausfuehren(befehl);
    }
    const fs::path ordner = fs::temp_directory_path() /
                            ("dkm-rechner-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    const fs::path konfig = ordner / "konfig";
    const std::string beispiel = DKM_EXAMPLES_DIR "/traufe_einzel.Dkm";
};

// The whole dump of every bundled example, German locale, no own places: any change of a result, a message,
// a visibility or the key order shows up here. werkzeug/erwartet.sh writes them anew after an intended change.
TEST_F(Rechner_Programm, ExamplesGiveTheirExpectedDumps) {
    size_t anzahl = 0;
    for (const auto& e : fs::directory_iterator(DKM_EXAMPLES_DIR)) {
        if (e.path().extension() != ".Dkm" && e.path().extension() != ".Dkl") continue;
        const fs::path erwartet = fs::path(DKM_ERWARTET_DIR) / (e.path().filename().string() + ".json");
        ++anzahl;
        const auto [status, ausgabe] = Starten("'" + e.path().string() + "'", "LC_ALL= LC_NUMERIC= LANG=de_DE.UTF-8");
        EXPECT_EQ(status, 0) << e.path();
        EXPECT_EQ(ausgabe, Inhalt(erwartet)) << e.path();
    }
    EXPECT_GE(anzahl, 6u);
    EXPECT_EQ(Dezimaltrenner("C", "de_DE.UTF-8", "de_DE.UTF-8"), ".") << "LC_ALL decides first";
    EXPECT_EQ(Dezimaltrenner("", "de_DE@euro", "C"), ",") << "an empty variable counts as not set";
}

// The number after `"schluessel": ` that follows `anker` in the dump; NaN when there is none.
double Wert(const std::string& dump, const std::string& anker, const std::string& schluessel) {
    const size_t a = dump.find(anker);
    const size_t k = a == std::string::npos ? a : dump.find("\"" + schluessel + "\": ", a);
    if (k == std::string::npos) return std::nan("");
    return std::strtod(dump.c_str() + k + schluessel.size() + 4, nullptr);
}

// "werte" holds numbers, never texts, with a decimal point whatever the locale; checked by hand.
TEST_F(Rechner_Programm, WerteAreTheNumbersOfTheRun) {
    const std::string innen =
        Starten("'" DKM_EXAMPLES_DIR "/innen_laengsseite.Dkm'", "LC_ALL= LC_NUMERIC= LANG=de_DE.UTF-8").second;
    const std::string werte = innen.substr(innen.find("\"werte\""), innen.find("\"meldungen\"") - innen.find("\"werte\""));
    EXPECT_EQ(werte.find(": \""), std::string::npos) << "a text among the numbers";
    for (size_t i = werte.find(','); i != std::string::npos; i = werte.find(',', i + 1))
        EXPECT_FALSE(i + 1 < werte.size() && std::isdigit(static_cast<unsigned char>(werte[i + 1])))
            << "a decimal comma: " << werte.substr(i - 10, 20);
    // TS 2..5 each 12 m x 15 m = 180 m², gravel C = 0.5, r(5,5) = 331, r(5,100) = 582, f = 1:
    // Q = 0.5 * 331 * 180 / 10000 = 2.979 l/s, Q100 = 582 * 180 / 10000 = 10.476 l/s
    EXPECT_NEAR(Wert(werte, "\"TS\": 3,", "Abfluss_l_s"), 2.979, 1e-5);
    EXPECT_NEAR(Wert(werte, "\"TS\": 3,", "Abfluss_Jahrhundert_l_s"), 10.476, 1e-5);
    // all of the 100-year rain over 3 overflows on the long side: D = 4 * 10.476 = 41.904,
    // each overflow D / 3 = 13.968, each layer D / 6 = 6.984 over 48 m / 6 = 8 m
    EXPECT_NEAR(Wert(werte, "\"innen\"", "Notabfluss_gesamt_l_s"), 41.904, 1e-4);
    EXPECT_NEAR(Wert(werte, "\"Laengsseite\"", "Notabfluss_l_s"), 13.968, 1e-4);
    EXPECT_NEAR(Wert(werte, "\"Laengsseite\"", "Notabfluss_Schicht_l_s"), 6.984, 1e-4);
    EXPECT_EQ(Wert(werte, "\"Laengsseite\"", "Fliesslaenge_mm"), 8000);
    // the opening from the head it gives: 24000 * Q_o / h_v^1.5
    const double h_v = Wert(werte, "\"Notueberlauf\"", "Druck_mm");
    EXPECT_NEAR(Wert(werte, "\"Notueberlauf\"", "Oeffnung_Breite_mm"), 24000 * 13.968 / std::pow(h_v, 1.5), 0.01);
    // the design depth carries 2.979 l/s, a millimetre less does not
    EXPECT_GE(Wert(werte, "\"Bemessungsschicht\"", "Kapazitaet_l_s"), 2.979);
    EXPECT_LT(Wert(werte, "\"Bemessungsschicht\"", "Kapazitaet_darunter_l_s"), 2.979);

    const std::string traufe = Starten("'" + beispiel + "'").second;
    // TS 1: 6 m x 5 m at 331: 0.993 l/s; the 200 semicircle first: W = 48, L/W = 6000 / 48 = 125,
    // F_L = 1e-6 * 125^2 - 0.001451 * 125 + 1.061168 = 0.895418
    EXPECT_NEAR(Wert(traufe, "\"TS 1\"", "Abfluss_l_s"), 0.993, 1e-6);
    EXPECT_EQ(Wert(traufe, "\"TS 1\"", "L_W"), 125);
    EXPECT_NEAR(Wert(traufe, "\"TS 1\"", "Langrinnenfaktor"), 0.895418, 1e-6);
}

// A damaged file: status 1, the older import's box and "Datei-Kontrolle", and the start state with the
// own places, taken over from the working folder on the first start.
TEST_F(Rechner_Programm, DamagedFilePrintsTheStartStateWithStatusOne) {
    Eigene_Orte orte{};
    orte[0] = {"Hof, Saale", 310, 570};
    ASSERT_TRUE(Eigene_Orte_schreiben(ordner / "Regeneig.dat", orte));
    std::ofstream(ordner / "kaputt.Dkm", std::ios::binary) << std::string("\0\x01\x02garbage", 10);
    const auto [status, ausgabe] = Starten("kaputt.Dkm");
    EXPECT_EQ(status, 1);
    for (const char* teil : {"\"Combo_Wahl_Regensp\": \"Hof, Saale\"", "\"r5_5\": \" 310\"",
                             "{\"titel\": \"Daten aus einer älteren Version einlesen\"",
                             "{\"titel\": \"Datei-Kontrolle\""})
        EXPECT_NE(ausgabe.find(teil), std::string::npos) << teil;
    EXPECT_TRUE(fs::exists(konfig / "Dachkandelmesser" / "Regeneig.dat"));
}

// Every text reaches the JSON escaped by hand-written rules: quote and backslash with a backslash,
// every control character as \u00XX, the last of them (0x1F) included.
TEST(Dump, TextsAreEscaped) {
    Formular f;
    f[T::Bauherr] = "Dach \"Süd\" \\ Nord\t\x01\x1F";
    const std::string json = Dump(f, {{"Titel \"1\"", "Zeile\nzwei"}});
    EXPECT_NE(json.find("\"Bauherr\": \"Dach \\\"Süd\\\" \\\\ Nord\\u0009\\u0001\\u001f\""), std::string::npos);
    EXPECT_NE(json.find("{\"titel\": \"Titel \\\"1\\\"\", \"text\": \"Zeile\\u000azwei\"}"), std::string::npos);
}

// A wrong call says in one line what is wrong (status 2); --speichern writes nothing over its source, also through a
// hard link, nor over an existing file without --ersetzen, nor from a damaged project (status 1).
TEST_F(Rechner_Programm, WrongCallsAndUnusableTargetsChangeNothing) {
    const std::string kopie = ordner / "Kopie.Dkm", ziel = ordner / "Ziel.Dkm", kaputt = ordner / "Kaputt.Dkm",
                      hart = ordner / "Hart.Dkm";
    fs::copy_file(beispiel, kopie);
    fs::create_hard_link(kopie, hart);
    std::ofstream(kaputt, std::ios::binary) << "Wertedatei f\xfcr Dachkandelmesser Version 07 08\r\nnur eine Zeile\r\n";
    const std::string aufruf = " (dkm-rechner --help erklärt den Aufruf).\n";
    // meldung: a part of stderr
    const struct { std::vector<std::string> argumente; int status; std::string meldung; } faelle[] = {
        {{}, 2, "dkm-rechner: keine Projektdatei angegeben" + aufruf},
        {{kopie, kopie}, 2, "nur eine Projektdatei je Aufruf, nicht 2"},
        {{"--bogus", kopie}, 2, "dkm-rechner: unbekannte Option \u201E--bogus\u201C" + aufruf},
        {{"--version", kopie}, 2, "--version steht allein"},
        {{"--ersetzen", kopie}, 2, "--ersetzen gilt nur mit --speichern oder --pdf"},
        {{"--bericht", kopie, "--datum", "01.02.2026", "--datum", "02.02.2026"}, 2, "--datum steht doppelt"},
        {{"--speichern", kopie}, 2, "--speichern braucht eine Zieldatei und eine Projektdatei"},
        {{"--pdf", kopie}, 2, "--pdf braucht eine Ausgabedatei und eine Projektdatei"},
        {{"--pdf", "--ersetzen", "a.pdf", kopie}, 2, "--pdf braucht eine Ausgabedatei"},  // no file named --ersetzen
        {{"--bericht", kopie, "--datum", "31.02.2026"}, 2, "Das Datum \u201E31.02.2026\u201C ist kein Datum TT.MM.JJJJ"},
        {{"--bericht", kopie, "--datum", "29.02.1900"}, 2, "ist kein Datum"},  // 1900 was no leap year
        {{"--bericht", kopie, "--datum"}, 2, "--datum braucht ein Datum TT.MM.JJJJ"},
        {{"--datum", "01.02.2026", kopie}, 2, "--datum gilt nur mit --bericht"},
        {{"--bericht", "--pdf", "a.pdf", kopie}, 2, "--bericht, --pdf und --speichern schließen einander aus"},
        {{"--pdf", "a.pdf", kopie}, 2, "kann keine PDF-Dateien schreiben"},  // no PDF writer given here
        {{ordner / "fehlt.Dkm"}, 2, "kann nicht geöffnet werden"},
        {{ordner}, 2, "kann nicht geöffnet werden"},
        {{"--speichern", kopie, "--ersetzen", kopie}, 1, "ist die Projektdatei selbst"},
        {{"--speichern", ordner / "." / "Kopie.Dkm", "--ersetzen", kopie}, 1, "ist die Projektdatei selbst"},
        {{"--speichern", hart, "--ersetzen", kopie}, 1, "ist die Projektdatei selbst"},
        {{"--speichern", kopie, beispiel}, 1, "gibt es schon; --ersetzen überschreibt sie"},
        {{"--speichern", ordner / "fehlt" / "x.Dkm", beispiel}, 2, "nicht existiert"},
        {{"--speichern", ordner / std::string(300, 'x'), beispiel}, 2, "Der Pfad ist länger, als das System erlaubt"},
        {{"--speichern", ziel, kaputt}, 1, "Datei-Kontrolle"},
    };
    for (const auto& c : faelle) {
        const Rechnerlauf lauf = Rechner(c.argumente, ".", konfig);
        EXPECT_EQ(lauf.status, c.status) << lauf.fehler;
        EXPECT_NE(lauf.fehler.find(c.meldung), std::string::npos) << lauf.fehler;
        EXPECT_EQ(std::count(lauf.fehler.begin(), lauf.fehler.end(), '\n'), 1) << "one line: " << lauf.fehler;
        EXPECT_TRUE(lauf.ausgabe.empty());
    }
    EXPECT_EQ(Inhalt(kopie), Inhalt(beispiel)) << "never over the source or an existing file";
    EXPECT_FALSE(fs::exists(ziel)) << "nothing written from a damaged file";
    EXPECT_NE(Rechner({"--help"}, ".").ausgabe.find("Aufruf: dkm-rechner DATEI"), std::string::npos);
    EXPECT_EQ(Rechner({"--version"}, ".").ausgabe, "dkm-rechner 1.0.0\n") << "the number in CMakeLists.txt";
}

// No zeros printed as results: a project whose results are not those of its inputs gives no report,
// as text or PDF; the recalculation's message goes to stderr, status 1, nothing is written.
TEST_F(Rechner_Programm, ReportRefusedWithoutCurrentResults) {
    // file, rows of lengths and widths, changed rows, the start of stderr
    const std::tuple<std::string, std::string, std::string, std::string> faelle[] = {
        {"traufe_einzel.Dkm", " 6 6 4.5 4.5 0 0 0 0\r\n", " 6 6 4.5 4.5 7 0 0 0\r\n",
         "dkm-rechner: Maße fehlen! Bei einer - oder mehreren - Teilstrecken fehlen Maßangaben.\n"},
        {"innen_stirnseiten.Dkm", " 7.5 7.5 7.5 7.5 6 6 0 0\r\n 9 9 9 9 9 9 0 0\r\n",
         " 7.5 7.5 0 0 6 6 0 0\r\n 9 9 0 0 9 9 0 0\r\n",
         "dkm-rechner: Maße fehlen: Bei innenliegenden Rinnen müssen die Teilstrecken von links ab TS 1 durchgehend"},
    };
    int pdf_geschrieben = 0;
    const Pdf_Ausgabe pdf = [&](const bericht::Bericht&, const fs::path&) -> Erfolg<> {
        ++pdf_geschrieben;
        return {};
    };
    for (const auto& [beispiel, laengen, zeile, meldung] : faelle) {
        const fs::path datei = ordner / "projekt.Dkm";
        std::string geaendert = Inhalt(fs::path(DKM_EXAMPLES_DIR) / beispiel);
        ASSERT_NE(geaendert.find(laengen), std::string::npos) << beispiel;
        geaendert.replace(geaendert.find(laengen), laengen.size(), zeile);
        std::ofstream(datei, std::ios::binary) << geaendert;
        for (const auto& aufruf : {std::vector<std::string>{"--bericht", datei.string()},
                                   std::vector<std::string>{"--pdf", (ordner / "b.pdf").string(), datei.string()}}) {
            const Rechnerlauf lauf = Rechner(aufruf, ".", konfig, {}, pdf);
            EXPECT_EQ(lauf.status, 1) << aufruf[0];
            EXPECT_EQ(lauf.fehler.rfind(meldung, 0), 0u) << lauf.fehler;
            EXPECT_TRUE(lauf.ausgabe.empty()) << aufruf[0];
        }
    }
    EXPECT_EQ(pdf_geschrieben, 0);
    // the program itself: its status and nothing on disk
    const auto [status, ausgabe] = Starten("--pdf b.pdf projekt.Dkm 2>&1");
    EXPECT_EQ(status, 1);
    EXPECT_NE(ausgabe.find("Maße fehlen: Bei innenliegenden Rinnen"), std::string::npos);
    EXPECT_FALSE(fs::exists(ordner / "b.pdf"));
}

// A full or closed output is no result: status 2 and a German line on stderr.
TEST_F(Rechner_Programm, AFullOrClosedOutputEndsWithStatusTwo) {
    for (const char* umleitung : {" 2>&1 >/dev/full", " 2>&1 >&-"}) {
        const auto [status, fehler] = Starten("'" + beispiel + "'" + umleitung);
        EXPECT_EQ(status, 2) << umleitung;
        EXPECT_EQ(fehler, "dkm-rechner: Die Ausgabe ließ sich nicht schreiben (Datenträger voll oder Ausgabe "
                          "geschlossen).\n");
    }
}

// An older file is written in the current layout; --ersetzen replaces an existing target.
TEST_F(Rechner_Programm, SpeichernConvertsAndReplacesOnlyWhenAsked) {
    const std::string neu = ordner / "neu.Dkm";
    ASSERT_EQ(Rechner({"--speichern", neu, DKM_EXAMPLES_DIR "/innen_alt.Dkl"}, ".", konfig).status, 0);
    EXPECT_EQ(Inhalt(neu).rfind("Wertedatei f\xfcr Dachkandelmesser Version 07 08\r\n", 0), 0u);
    const std::string umgewandelt = Inhalt(neu);
    EXPECT_EQ(Rechner({"--speichern", neu, "--ersetzen", beispiel}, ".", konfig).status, 0);
    EXPECT_NE(Inhalt(neu), umgewandelt);
}

}  // namespace
}  // namespace dkm
