// The settings files: own places, printer values and the issuer, written and read back, damaged bytes,
// the settings folder and the first start's take-over from the working directory.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

namespace fs = std::filesystem;

std::string Text(const Eigene_Orte& orte) {
    std::ostringstream s;
    s << std::setprecision(9);
    for (const Eigener_Ort& o : orte) s << o.name << ' ' << o.r5_5 << ' ' << o.r5_100 << '/';
    return s.str();
}

// Reading stops quietly at the first error; what was read stays, the rest keeps its value.
// A number at or beyond 10^7, or not 0 but below 0.0001, counts as not given (0).
TEST(Einstellungen, ReadingStopsAtTheFirstErrorKeepingWhatWasRead) {
    const std::string rest = "/d 7 8/e 9 10/";
    const struct { std::string bytes, erwartet; } faelle[] = {
        {"Aachen\r\n 266\r\n 463\r\nNeu\r\n 1e39\r\n 5\r\nNeu3\r\n 3.4e38\r\n 1e-45\r\n",
         "Aachen 266 463/Neu 0 5/Neu3 0 0" + rest},
        {"A\r\n 9999999\r\n 10000000\r\nB\r\n-9999999\r\n-1e7\r\nC\r\n 9999999.9\r\n 1e-38\r\n",
         "A 9999999 0/B -9999999 0/C 0 0" + rest},  // 9999999.9 is 10^7 as a float
        {"  Hof, Saale\r\n 1\r\n 2\r\n", "Hof, Saale 1 2/b 3 4/c 5 6" + rest},
        {std::string("\0\xFF\r\r\n\x01", 6), std::string(1, '\0') + "\xC3\xBF 0 2/b 3 4/c 5 6" + rest},
        {"Ort\r\n nan\r\n 1\r\n", "Ort 1 2/b 3 4/c 5 6" + rest}, {"", "a 1 2/b 3 4/c 5 6" + rest},
        {"Ort\r\n-0\r\n 1\r\nOrt2\r\n 2", "Ort -0 1/Ort2 2 4/c 5 6" + rest},
        {std::string(Einstellungsdatei_Hoechstgroesse + 1, '\n'), "a 1 2/b 3 4/c 5 6" + rest},
    };
    for (const auto& c : faelle) {
        Eigene_Orte orte = {{{"a", 1, 2}, {"b", 3, 4}, {"c", 5, 6}, {"d", 7, 8}, {"e", 9, 10}}};
        Eigene_Orte_lesen_aus(c.bytes, orte);
        EXPECT_EQ(Text(orte), c.erwartet) << c.bytes.substr(0, 40);
    }
    Druckwerte w{0, 1, 2};
    Druckwerte_lesen_aus(" 12\r\nlinks\r\n 9\r\n", w);
    EXPECT_TRUE(w.Schriftgroesse == 12 && w.Verschiebung_horizontal == 1 && w.Verschiebung_vertikal == 2);
    Druckwerte_lesen_aus(" 3.4e38\r\n 1e-45\r\n-2e7\r\n", w);
    EXPECT_TRUE(w.Schriftgroesse == 10 && w.Verschiebung_horizontal == 0 && w.Verschiebung_vertikal == 0)
        << "not given: the default size, no shift";
    // the edge of the small numbers: 0.0001 is taken, 0.00009 is not given, an empty line stays not given
    Eigene_Orte klein{};
    Eigene_Orte_lesen_aus("Klein\r\n .0001\r\n-.00009\r\nLeer\r\n\r\n-.0001\r\n", klein);
    EXPECT_TRUE(klein[0].r5_5 == 0.0001f && klein[0].r5_100 == 0 && klein[1].r5_5 == 0 && klein[1].r5_100 == -0.0001f);
    Druckwerte_lesen_aus(" 9\r\n .00009\r\n .0001\r\n", w);
    EXPECT_TRUE(w.Schriftgroesse == 9 && w.Verschiebung_horizontal == 0 && w.Verschiebung_vertikal == 0.0001f);
}

// Writing creates the folder; names keep commas and lose leading blanks and line breaks; missing files read as nothing.
TEST_F(Testordner, WrittenSettingsFilesReadBack) {
    const fs::path konfig = ordner / "konfig" / "Dachkandelmesser";
    const Eigene_Orte orte = {{{"Frankfurt, Main", 339, 630}, {"Bad Tölz", 444.5f, 767}, {"Hof\rSaale\nOst", 0, 0},
                               {"  Einrückung", 300, 900}, {"Zürich", 250.25f, -1}}};
    EXPECT_FALSE(Eigene_Orte_lesen(konfig / "Regeneig.dat", {}));
    EXPECT_FALSE(Druckwerte_lesen(konfig / "Druckwrt.dat", {}));

    ASSERT_TRUE(Eigene_Orte_schreiben(konfig / "Regeneig.dat", orte));
    const auto gelesen = Eigene_Orte_lesen(konfig / "Regeneig.dat", {});
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(Inhalt(konfig / "Regeneig.dat").substr(0, 39), "Frankfurt, Main\r\n 339\r\n 630\r\nBad T\xF6lz\r\n");
    EXPECT_EQ(Text(*gelesen),
              "Frankfurt, Main 339 630/Bad Tölz 444.5 767/Hof Saale Ost 0 0/Einrückung 300 900/Zürich 250.25 -1/");

    ASSERT_TRUE(Druckwerte_schreiben(konfig / "Druckwrt.dat", {0, 0.5f, -2}));
    const auto w = Druckwerte_lesen(konfig / "Druckwrt.dat", {});
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->Schriftgroesse == 10 && w->Verschiebung_horizontal == 0.5f && w->Verschiebung_vertikal == -2);

    // the issuer: four lines, no control characters inside, overlong texts cut, a short file keeps the rest
    const Aussteller a{"Dach & Rinne GmbH\r\nNiederlassung\t1", "Gärtnerweg 2", "34117 Kassel", std::string(500, '9')};
    ASSERT_TRUE(Aussteller_schreiben(konfig / "Aussteller.dat", a));
    EXPECT_EQ(Inhalt(konfig / "Aussteller.dat").substr(0, 64),
              "Dach & Rinne GmbH  Niederlassung 1\r\nG\xE4rtnerweg 2\r\n34117 Kassel\r\n");
    const auto b = Aussteller_lesen(konfig / "Aussteller.dat");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->name + "|" + b->strasse, "Dach & Rinne GmbH  Niederlassung 1|Gärtnerweg 2");
    EXPECT_EQ(b->telefon, std::string(120, '9'));
    Aussteller c{"alt", "alt", "alt", "alt"};
    Aussteller_lesen_aus("Neu\r\nStr\r\n", c);
    EXPECT_EQ(c.name + c.strasse + c.ort + c.telefon, "NeuStraltalt");
    EXPECT_FALSE(Aussteller_lesen(konfig / "fehlt.dat"));
}

TEST_F(Testordner, SettingsFolderAndFirstStartTakingTheWorkingDirectorysFilesOverOnce) {
    const fs::path konfig = ordner / "konfig" / "Dachkandelmesser";
    EXPECT_EQ(Einstellungsordner("/x/konfig/", "/home/a"), fs::path("/x/konfig/Dachkandelmesser"));
    EXPECT_EQ(Einstellungsordner("", "/home/a"), fs::path("/home/a/.config/Dachkandelmesser"));
    EXPECT_EQ(Einstellungsordner(nullptr, "/home/a/"), fs::path("/home/a/.config/Dachkandelmesser"));
    EXPECT_EQ(Einstellungsordner(nullptr, nullptr), fs::path("/.config/Dachkandelmesser"));

    Schreiben(ordner / "Regeneig.dat", "Hof, Saale\r\n 310\r\n 570\r\n");
    Schreiben(ordner / "Druckwrt.dat", " 12\r\n 1\r\n 2\r\n");
    EXPECT_TRUE(Einstellungen_uebernehmen(konfig, ordner));
    EXPECT_EQ(Inhalt(konfig / "Regeneig.dat"), "Hof, Saale\r\n 310\r\n 570\r\n");
    EXPECT_EQ(Inhalt(konfig / "Druckwrt.dat"), " 12\r\n 1\r\n 2\r\n");
    Schreiben(ordner / "Regeneig.dat", "anders\r\n");
    fs::remove(konfig / "Druckwrt.dat");
    EXPECT_TRUE(Einstellungen_uebernehmen(konfig, ordner));
    EXPECT_EQ(Inhalt(konfig / "Regeneig.dat"), "Hof, Saale\r\n 310\r\n 570\r\n") << "the folder's own file wins";
    EXPECT_TRUE(fs::exists(konfig / "Druckwrt.dat")) << "each file on its own";
    for (const char* p : {"konfig", "Regeneig.dat", "Druckwrt.dat"}) fs::remove_all(ordner / p);
    EXPECT_TRUE(Einstellungen_uebernehmen(konfig, ordner));
    EXPECT_FALSE(fs::exists(konfig)) << "nothing to take over, nothing created";
    // a settings folder that cannot be made is said, naming the file not taken over
    Schreiben(ordner / "Regeneig.dat", "Hof\r\n");
    Schreiben(ordner / "konfig", "");
    const Erfolg<> e = Einstellungen_uebernehmen(konfig, ordner);
    ASSERT_FALSE(e);
    EXPECT_NE(e.fehler().text.find("Regeneig.dat"), std::string::npos) << e.fehler().text;
}

// The folder of the last project is one line; a folder that is gone, a relative or garbled line reads as none.
TEST_F(Testordner, TheLastProjectFolderReadsBackWhileItExists) {
    const fs::path datei = ordner / "konfig" / "Projektordner.dat", projekte = ordner / "Projekte Übersicht";
    EXPECT_EQ(Projektordner_lesen(datei), fs::path()) << "no file yet";
    fs::create_directories(projekte);
    ASSERT_TRUE(Projektordner_schreiben(datei, projekte));
    EXPECT_EQ(Inhalt(datei), projekte.string() + "\r\n");
    EXPECT_EQ(Projektordner_lesen(datei), projekte);
    const struct { std::string inhalt; const char* grund; } keiner[] = {
        {(ordner / "fehlt").string() + "\r\n", "a folder that is gone"},
        {"Projekte\r\n", "a relative path"},
        {(ordner / "Regeneig.dat").string(), "a file, not a folder"},
        {std::string(Einstellungsdatei_Hoechstgroesse + 1, '/'), "too long for a settings file"}};
    Schreiben(ordner / "Regeneig.dat", "x");
    for (const auto& k : keiner) {
        Schreiben(datei, k.inhalt);
        EXPECT_EQ(Projektordner_lesen(datei), fs::path()) << k.grund;
    }
}

}  // namespace
}  // namespace dkm::test
