// Shared by the file tests: recorded boxes, the start window and project files line by line.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/dump.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "model/startzustand.h"

namespace dkm::test {

// A current project file through the one reader; an older one (no header) gives nothing here.
inline std::optional<Projektdaten> Projektdatei_lesen(std::string_view bytes) {
    Gelesenes_Projekt g = Projekt_lesen(bytes, {});
    if (g.alt) return std::nullopt;
    return std::move(g.daten);
}

// Records every box (with the help text beside it when `f` is given); questions
// get `antwort`, except one titled `ja_zu`, which gets Yes.
class Testdialoge : public Aufzeichnung {
public:
    explicit Testdialoge(bool antwort = true, const Formular* f = nullptr, std::string ja_zu = "")
        : Aufzeichnung(f), antwort_(antwort), ja_zu_(std::move(ja_zu)) {}
    bool frage(const std::string& titel, const std::string& text) override {
        Aufzeichnung::frage(titel, text);
        return antwort_ || titel == ja_zu_;
    }
    std::vector<std::string> titel() const {
        std::vector<std::string> v;
        for (const Meldung& m : meldungen) v.push_back(m.titel);
        return v;
    }

private:
    bool antwort_;
    std::string ja_zu_;
};

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

inline std::string Datei(const std::vector<std::string>& zeilen, const std::string& ende = "\r\n") {
    std::string s;
    for (const std::string& z : zeilen) s += z + ende;
    return s;
}
// `zeilen` with the numbered lines (from 1) replaced.
using Neu = std::initializer_list<std::pair<size_t, std::string>>;
inline std::vector<std::string> Mit(std::vector<std::string> zeilen, Neu neu) {
    for (const auto& [n, text] : neu) zeilen[n - 1] = text;
    return zeilen;
}
inline std::string Datei(std::vector<std::string> zeilen, Neu neu) { return Datei(Mit(std::move(zeilen), neu)); }

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

// The start window after loading `inhalt`, which raises no box.
inline Formular Geladen(const std::string& inhalt, const std::string& name = "alt.Dkm") {
    Formular f = Start();
    Testdialoge d;
    EXPECT_EQ(Projekt_laden(f, d, name, inhalt), Ladeergebnis::geladen) << name;
    EXPECT_TRUE(d.meldungen.empty());
    return f;
}

// A fresh folder per test, named after the test.
class Testordner : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = std::filesystem::temp_directory_path() /
                 ("dkm-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(ordner);
        std::filesystem::create_directories(ordner);
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }
    static std::string Inhalt(const std::filesystem::path& p) {
        std::ifstream ein(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), {}};
    }
    static void Schreiben(const std::filesystem::path& p, const std::string& s) {
        std::ofstream(p, std::ios::binary) << s;
    }
    std::filesystem::path ordner;
};

}  // namespace dkm::test
