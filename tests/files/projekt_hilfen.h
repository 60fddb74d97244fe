// Shared by the file tests: the start window, project files line by line, a load with its boxes, a test folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli/dump.h"
#include "common/skript_dialoge.h"
#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "files/einstellungsordner.h"
#include "files/kodierung.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "model/startzustand.h"
#include "model/tabellen.h"

namespace dkm::test {

using Titel = std::vector<std::string>;
inline const std::string Erste = "Daten aus einer älteren Version einlesen", Kontrolle = "Datei-Kontrolle",
                         Baustelle = "Nichtübernahme Baustellenwerte", Wind = "Fehlende Funtion",
                         Innen = "Ältere Version, innenliegende Rinne";

inline Formular Start() {
    Formular f;
    Startzustand(f, nullptr);
    return f;
}

// The lines of a written file without their CR LF (Windows-1252 bytes).
inline std::vector<std::string> Zeilen(const std::string& datei) {
    std::vector<std::string> v;
    size_t a = 0;
    for (size_t e; (e = datei.find("\r\n", a)) != std::string::npos; a = e + 2) v.push_back(datei.substr(a, e - a));
    if (a < datei.size()) v.push_back(datei.substr(a));
    return v;
}
inline std::vector<std::string> Zeilen(const Projektdaten& p) { return Zeilen(Projektdatei_schreiben(p)); }

// `zeilen` with the numbered lines (from 1) replaced, joined with `ende`.
using Neu = std::vector<std::pair<size_t, std::string>>;
inline std::vector<std::string> Mit(std::vector<std::string> zeilen, const Neu& neu) {
    for (const auto& [n, text] : neu) zeilen[n - 1] = text;
    return zeilen;
}
inline std::string Datei(const std::vector<std::string>& zeilen, const Neu& neu = {},
                         const std::string& ende = "\r\n") {
    std::string s;
    for (const std::string& z : Mit(zeilen, neu)) s += z + ende;
    return s;
}

// A project with every field away from its default.
inline Projektdaten Volles_Projekt() {
    return {.Bauherr = "Müller & Söhne", .strasse = "  Hauptstraße 1, Hinterhaus", .PLZ_Ort = "12345 Großstadt",
            .Telef = "0123/45678", .Fax = "0123/45679", .Bemerkungen = "Dach \"Nord\", 2. BA",
            .Combo_Wahl_Regensp = "Frankfurt/Main", .r5_5 = 339.25, .r5_100 = 630,
            .Combo_Abfl_beiwert = "Kiesdach (C=0.5)", .Laenge = {12.5f, 7}, .Breite = {7, 6.25f},
            .Zusatz_Flaeche = {0, 3.5f}, .Verhaeltnis_HB = 0.625f, .Rinnenart = "vorgehaengt",
            .Combo_Schutzfaktor = "Faktor f = 2", .Hindernis_Rinne = 12, .Rinnenbreite_unten = 300,
            .Winkel_links = 90, .Winkel_rechts = 45, .Notueberlauf_Art = "Notüberlauf_eineSeite",
            .Check_Schutzkorb = true, .Winkelfaktor = {1, 0.85f, 1, 1, 1, 1, 1, 1}, .Eingabe_Art = "einzel",
            .Gesamtlaenge = 19.5f, .Gesamtflaeche = 134.75f, .Anzahl_Stutzen = 1, .Anordnung_Stutzen = "alle innerhalb",
            .Combo_Diff_Notueberl = "Jahrhundertregen voll", .Index_Diff_Notueberl = 1, .Index_Abfl_beiwert = 1,
            .Anzahl_Notueberlaeufe = 2, .Hoehenkorrektur = 20};
}
inline std::string Volle_Datei(const Neu& neu = {}) { return Datei(Zeilen(Volles_Projekt()), neu); }

// An eaves project of the older layout, 38 lines without header, no site data, no wind.
inline std::vector<std::string> Altzeilen() {
    return {"Bauherr Alt", "Weg 1", "12345 Ort", "0123", "0124", "", "", "", "", "", "Bemerkung",
            "Kassel", " 310", " 578", "wasserundurchl\xE4ssig (C=1)", "0", "0",
            " 10 0 0 0 0 0 0 0", " 6 0 0 0 0 0 0 0", " 0 0 0 0 0 0 0 0", " .625", "vorgehaengt",
            "kein bes. Schutz (f=1)", " 0", " 0", " 90", " 90", "", " 0 ", " 0 ",
            " 1", " 1", " 1", " 1", " 1", " 1", " 1", " 1"};
}

// Every box in order; questions get `antwort`, except the one titled `ja_zu`, which gets Yes.
struct Lauf { Formular f; Ladeergebnis ergebnis; std::vector<Eintrag> boxen; Titel titel; };
// `bytes` loaded into the window `vorher` as the file "alt.Dkm"; `nein` answers Yes to overwriting
// and No to any later question.
inline Lauf Laden(const std::string& bytes, Formular vorher = Start(), bool nein = false) {
    Lauf l{std::move(vorher), {}, {}, {}};
    Skript_Dialoge d(&l.f);
    if (nein) d.antworten = {true}, d.sonst = false;
    l.ergebnis = Projekt_laden(l.f, d, "alt.Dkm", bytes);
    l.boxen = d.protokoll;
    l.titel = d.titel();
    return l;
}
// What saving the window writes.
inline std::string Gespeichert(const Formular& f) {
    const auto p = Projektdaten_sammeln(f);
    EXPECT_TRUE(p);
    return p ? Projektdatei_schreiben(*p) : std::string();
}

// A fresh folder per test, named after the test; a run of the same test elsewhere (another build, a
// loop by hand) would otherwise clear it halfway.
class Testordner : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = std::filesystem::temp_directory_path() /
                 ("dkm-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                  std::to_string(std::random_device{}()));
        std::filesystem::remove_all(ordner);
        std::filesystem::create_directories(ordner);
        datei = ordner / "KandProj.Dkm";
    }
    void TearDown() override {
        std::filesystem::permissions(ordner, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
        std::filesystem::remove_all(ordner);
    }
    static std::string Inhalt(const std::filesystem::path& p) {
        std::ifstream ein(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), {}};
    }
    static void Schreiben(const std::filesystem::path& p, const std::string& s) {
        std::ofstream(p, std::ios::binary) << s;
    }
    std::filesystem::path ordner, datei;
};

}  // namespace dkm::test
