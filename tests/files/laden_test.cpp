#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#if defined(__linux__)
#include <sys/resource.h>
#endif

#include "files/dateizugriff.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

using Reihe = std::array<float, 8>;

std::optional<Projektdaten> Gelesen(std::initializer_list<std::pair<size_t, std::string>> neu) {
    return Projektdatei_lesen(Datei(Zeilen(Projektdaten{}), neu));
}

TEST(Projektdatei_schreiben, Windows1252LinesWithNumberTextsAndPrintedNumbers) {
    const std::string leer = Projektdatei_schreiben(Projektdaten{});
    ASSERT_EQ(Zeilen(leer).size(), 43u);
    EXPECT_EQ(leer.substr(leer.size() - 6), "leer\r\n");

    Projektdaten p = Volles_Projekt();
    p.r5_5 = 1000.0 / 3.0;
    p.Index_Abfl_beiwert = -1;
    p.Hoehenkorrektur = -10;
    p.Bemerkungen = "erste Zeile\r\nzweite\ndritte\rvierte";  // must not shift later lines
    const auto z = Zeilen(p);
    ASSERT_EQ(z.size(), 43u);
    const std::pair<size_t, std::string> erwartet[] = {
        {1, "Wertedatei f\xFCr Dachkandelmesser Version 07 08"}, {2, "M\xFCller & S\xF6hne"},
        {7, "erste Zeile zweite dritte vierte"}, {9, " 333.333333333333"}, {12, " 12.5 7 0 0 0 0 0 0"}, {15, " .625"},
        {22, "Not\xFC" "berlauf_eineSeite"}, {23, " 1 "}, {24, " 0 "}, {25, " 1"}, {26, " .85"}, {36, " 1"},
        {40, "-1 "}, {41, " 2"}, {42, "-10 "},
    };
    for (const auto& [n, text] : erwartet) EXPECT_EQ(z[n - 1], text) << "line " << n;
}

TEST(Projektdatei_lesen, WhatIsWrittenReadsBackWithEitherHeaderAndAnyLineEnd) {
    const Projektdaten p = Volles_Projekt();
    auto z = Zeilen(p);
    for (const char* ende : {"\r\n", "\n", "\r"}) EXPECT_EQ(Projektdatei_lesen(Datei(z, ende)), p) << ende[0];
    z[0] = "Wertedatei f\xFCr Dachkandelmesser Version 12_05";
    std::string ohne_letztes_zeilenende = Datei(z);
    ohne_letztes_zeilenende.resize(ohne_letztes_zeilenende.size() - 2);
    EXPECT_EQ(Projektdatei_lesen(ohne_letztes_zeilenende), p);
    z[0] = "Wertedatei fuer Dachkandelmesser Version 07 08";
    EXPECT_FALSE(Projektdatei_lesen(Datei(z)));
}

TEST(Projektdatei_lesen, TextsWholeAndNumbersByField) {
    auto p = Gelesen({{2, "  Bauherr, mit Komma "},
                      {8, "   Frankfurt, Main"},
                      {12, " 10-5 -2.5e1,,1E2\t7 .5 +3"},  // ",," holds an empty field: 0
                      {15, " 1e-50"},                      // underflow is 0, not an error
                      {17, "Faktor f = 3 "},
                      {23, "ja"}, {36, " 2.5"}, {39, "leer"}, {40, ""}, {41, " 32767"}});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Bauherr, "  Bauherr, mit Komma ");
    EXPECT_EQ(p->Combo_Wahl_Regensp, "Frankfurt, Main");
    EXPECT_EQ(p->Combo_Schutzfaktor, "Faktor f = 3 ");
    EXPECT_EQ(p->Laenge, (Reihe{10, -5, -25, 0, 100, 7, 0.5f, 3}));
    EXPECT_EQ(p->Verhaeltnis_HB, 0.0f);
    EXPECT_FALSE(p->Check_Schutzkorb);
    EXPECT_EQ(p->Anzahl_Stutzen, 2) << "half to even";
    EXPECT_EQ(p->Index_Diff_Notueberl, 0);
    EXPECT_EQ(p->Index_Abfl_beiwert, 0);
    EXPECT_EQ(p->Anzahl_Notueberlaeufe, 32767);

    p = Gelesen({{23, " 1.0 "}, {39, " 7 "}, {40, "-1e6 "}});
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->Check_Schutzkorb);
    EXPECT_EQ(p->Index_Diff_Notueberl, 7);
    EXPECT_EQ(p->Index_Abfl_beiwert, -1);

    // A number line short of values continues on the next line.
    auto z = Zeilen(Projektdaten{});
    z[11] = " 1 2 3";
    z.insert(z.begin() + 12, " 4 5 6 7 8");
    p = Projektdatei_lesen(Datei(z));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Laenge, (Reihe{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(p->Breite, Reihe{});
}

TEST(Projektdatei_lesen, HugeInputStaysBounded) {
    EXPECT_FALSE(Gelesen({{7, std::string(10u << 20, 'x')}})) << "a 10 MB remark";
    // A header and a million empty lines read as an empty project.
    std::string viele = Datei({"Wertedatei f\xFCr Dachkandelmesser Version 12_05"});
    viele.append(1000000, '\n');
    const auto p = Projektdatei_lesen(viele);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Laenge, Reihe{});
}

// The start state with one line of the start project changed, applied without a recalculation.
Formular Angewandt(size_t zeile, const std::string& text, float f_vorher = 1) {
    const auto p = Projektdatei_lesen(Datei(Zeilen(Projektdaten{}), {{zeile, text}}));
    EXPECT_TRUE(p) << text;
    Formular f = Start();
    f.Sicherheitsfaktor = f_vorher;
    f.Ladevorgang = ja;
    Testdialoge d;
    if (p) Projektdaten_anwenden(f, d, *p);
    return f;
}

void Gleiche_Eingaben(const Formular& a, const Formular& b) {
    EXPECT_EQ(Dump(a, {}), Dump(b, {}));  // inputs, results, visibility
    EXPECT_EQ(a.text, b.text);
    for (size_t i = 0; i < a.liste.size(); ++i) EXPECT_EQ(a.liste[i].index, b.liste[i].index);
    EXPECT_EQ(a.Sicherheitsfaktor, b.Sicherheitsfaktor);
    EXPECT_EQ(a.Winkelfaktor, b.Winkelfaktor);
}

TEST(Projekt_laden, SaveAndLoadGiveTheSameProject) {
    const Formular ziel = Geladen(Projektdatei_schreiben(Volles_Projekt()), "kopie.Dkm");
    Projektdaten gespeichert, wieder;
    ASSERT_FALSE(Projektdaten_sammeln(ziel, gespeichert));
    ASSERT_FALSE(Projektdaten_sammeln(Geladen(Projektdatei_schreiben(gespeichert)), wieder));
    EXPECT_EQ(wieder, gespeichert);
    EXPECT_EQ(ziel[T::Bauherr], "Müller & Söhne");
    EXPECT_EQ(ziel[T::Laenge_1], " 12.5");
    EXPECT_EQ(ziel[T::Laenge_3], "");
    EXPECT_TRUE(ziel[S::Check2]);
    EXPECT_EQ(ziel.Ladevorgang, nein);
    EXPECT_EQ(ziel[T::Text24], "kopie.Dkm");
    EXPECT_TRUE(ziel[V::Text24] && ziel[V::Label4]);
}

TEST(Projektdaten_anwenden, NumbersGoIntoTheirBoxesAsNumberTexts) {
    const struct {
        size_t zeile;
        std::string text;
        T feld;
        std::string erwartet;
    } faelle[] = {
        {12, " 12.5 0 0 0 0 0 0 0", T::Laenge_1, " 12.5"}, {12, " 12.5 0 0 0 0 0 0 0", T::Laenge_2, ""},
        {12, " 10-5 0 0 0 0 0 0", T::Laenge_2, "-5"},     {18, " 0", T::Text5, ""},
        {19, " 0", T::Text2, " 0"},                        {34, " 50", T::Text25, " 50"},
        {35, " 12.345", T::Text26, " 12.35"},              {36, " 3", T::Text27, " 3"},
        {41, " 0", T::Text30, " 1"},                       {41, "-3", T::Text30, " 1"},
        {41, " 2", T::Text30, " 2"},
    };
    for (const auto& c : faelle) EXPECT_EQ(Angewandt(c.zeile, c.text)[c.feld], c.erwartet) << c.zeile << c.text;
}

TEST(Projektdaten_anwenden, ListsOptionsAndCheckBoxesFollowTheirLines) {
    const struct {
        size_t zeile;
        std::string text;
        std::function<bool(const Formular&)> gilt;
    } faelle[] = {
        {17, "Faktor f = 3 ", [](auto& f) { return f.Sicherheitsfaktor == 3 && f[L::Combo_Schutzfaktor].index == 3; }},
        {17, "Faktor f = 3", [](auto& f) { return f[L::Combo_Schutzfaktor].text == "Faktor f = 3 "; }},
        {17, "Faktor f = 7", [](auto& f) {  // an unknown text keeps f
             return f.Sicherheitsfaktor == 2 && f[L::Combo_Schutzfaktor].text == "Faktor f = 7" &&
                    f[L::Combo_Schutzfaktor].index == -1;
         }},
        {8, "Frankfurt, Main", [](auto& f) { return f[L::Combo_Wahl_Regensp].text == "Frankfurt, Main"; }},
        {38, "leer", [](auto& f) { return f[L::Combo_Diff_Notueberl].text == "ohne Berechnungsregen"; }},
        {39, "leer", [](auto& f) { return f[L::Combo_Diff_Notueberl].index == 0; }},
        {40, " 4 ", [](auto& f) { return f[L::Combo_Abfl_beiwert].text == "begr.extensiv <10cm (C=0.5)"; }},
        {40, " 9 ", [](auto& f) {  // outside the list the text of line 11 stays
             return f[L::Combo_Abfl_beiwert].index == -1 && f[L::Combo_Abfl_beiwert].text == "";
         }},
        {16, "innenliegend", [](auto& f) { return f[S::Option2] && !f[S::Option1] && f.Rinnenart == "innenliegend"; }},
        {16, "schief", [](auto& f) { return f[S::Option1] && !f[S::Option2]; }},  // an unknown text selects nothing
        {22, "Not\xFC" "berlauf_Laengsseite",
         [](auto& f) { return f[S::Option5] && !f[S::Option3] && !f[S::Option4]; }},
        {37, "beidseits aussen", [](auto& f) { return f[S::Option8] && !f[S::Option6] && !f[S::Option7]; }},
        {33, "gesamt", [](auto& f) { return f[S::Option11] && !f[S::Option10] && f.Eingabe_Art == "gesamt"; }},
        {27, " .85", [](auto& f) { return f[S::Check3] && f.Winkelfaktor[2] == 0.85f; }},
        {27, " .9", [](auto& f) { return f[S::Check3] && f.Winkelfaktor[2] == 0.9f; }},  // the stored factor is kept
        {23, " 1 ", [](auto& f) { return f[S::Check_Schutzkorb]; }},
        {23, " 2 ", [](auto& f) { return !f[S::Check_Schutzkorb]; }},
    };
    for (const auto& c : faelle) EXPECT_TRUE(c.gilt(Angewandt(c.zeile, c.text, 2))) << c.zeile << ": " << c.text;
}

// A failed load changes nothing: the window keeps its project, its name and its results.
TEST(Projekt_laden, DamagedFileEndsInDateiKontrolleWithInputsUnchanged) {
    Formular leer = Start();
    Testdialoge d;
    EXPECT_EQ(Projekt_laden(leer, d, "x.Dkm", "kein Projekt"), Ladeergebnis::Datei_Kontrolle);
    EXPECT_FALSE(leer[V::Text24] || leer[V::Label4]) << "no project before: the name stays hidden";
    Formular vorher = Geladen(Projektdatei_schreiben(Volles_Projekt()));
    vorher.werte.Einzel_Flaeche = {};  // no question before overwriting

    const auto voll = Zeilen(Volles_Projekt());
    auto mit = [&](size_t n, std::string text) { return Datei(voll, {{n, std::move(text)}}); };
    std::vector<std::pair<std::string, bool>> faelle = {  // bytes, without header (read as an older project)
        {mit(31, " abc"), false}, {mit(15, " 12.5m"), false}, {mit(18, " 1e39"), false},
        {mit(9, " 1e39"), false}, {mit(12, " 1 nan 0 0 0 0 0 0"), false}, {mit(42, " inf "), false},
        {mit(20, " 1e"), false}, {mit(39, "eins"), false}, {mit(41, " 32768"), false},
        {mit(36, "-40000"), false}, {mit(15, std::string(600000, '1')), false},
        {mit(7, std::string(10u << 20, 'x')), false}, {std::string(Projektdatei_Hoechstgroesse + 1, 'x'), false},
        {std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), true}, {std::string(1000000, '\0'), true},
        {Datei(std::vector<std::string>(1000000, "")), false}, {std::string(1000000, '\n'), false}, {"", false},
        // finite, but 10^7 or more in its unit: no project comes near
        {mit(9, " -1e38"), false}, {mit(10, " 10000000"), false}, {mit(12, " 1 2 3 4 5 6 7 -1e7"), false},
        {mit(19, " 1e38"), false}, {mit(20, " 9999999.9"), false}, {mit(42, " 1e38 "), false},
        {mit(23, " 3e7 "), false}, {mit(39, " 1e7 "), false}, {mit(41, " 1e300"), false},
    };
    for (size_t n = 1; n < 43; ++n) faelle.emplace_back(Datei({voll.begin(), voll.begin() + n}), false);
    for (const auto& [inhalt, alt] : faelle) {
        Formular f = vorher;
        Testdialoge dk;
        EXPECT_EQ(Projekt_laden(f, dk, "kaputt.Dkm", inhalt), Ladeergebnis::Datei_Kontrolle) << inhalt.substr(0, 80);
        Gleiche_Eingaben(f, vorher);
        EXPECT_EQ(f[T::Text24], "alt.Dkm");
        EXPECT_EQ(f.Ladevorgang, nein);
        std::vector<std::string> titel = {"Datei-Kontrolle"};
        if (alt) titel.insert(titel.begin(), "Daten aus einer älteren Version einlesen");
        EXPECT_EQ(dk.titel(), titel);
        EXPECT_EQ(dk.meldungen.back().text,
                  "Die ausgewählte Datei ist keine Datei mit Daten für die Dachkandelmesser; eventuell ist sie "
                  "beschädigt.");
    }
}

TEST(Projekt_laden, ValuesJustBelowTheInputLimitLoad) {
    const Formular f = Geladen(Datei(Zeilen(Volles_Projekt()), {{20, "-9999999"}, {21, " 9999999"}}));
    EXPECT_EQ(f[T::Text3], "-9999999");
    EXPECT_EQ(f[T::Text4], " 9999999");
}

// The user agreed to overwrite; the file's mode wins without asking about the old values.
TEST(Projekt_laden, ModeComesFromTheFileWithoutTheSwitchQuestions) {
    Formular f = Geladen(Projektdatei_schreiben(Volles_Projekt()));
    ASSERT_TRUE(f[S::Option10]);
    ASSERT_NE(f.werte.Einzel_Flaeche[0], 0.0f) << "switching by hand would ask before spreading these";
    f.Ladevorgang = ja;
    Testdialoge neinsager(false);
    Projektdaten_anwenden(f, neinsager, *Projektdatei_lesen(Datei(Zeilen(Volles_Projekt()), {{33, "gesamt"}})));
    EXPECT_TRUE(f[S::Option11] && !f[S::Option10]);
    EXPECT_EQ(f.Eingabe_Art, "gesamt");
    EXPECT_TRUE(neinsager.meldungen.empty());
}

TEST(Projekt_laden, AsksBeforeOverwritingSegmentOneOrTwoAndNoLeavesEverything) {
    const Formular vorher = Geladen(Projektdatei_schreiben(Volles_Projekt()));
    ASSERT_NE(vorher.werte.Einzel_Flaeche[0], 0.0f);
    Formular f = vorher;
    Testdialoge neinsager(false);
    int gelesen = 0;
    const auto lesen = [&] {
        ++gelesen;
        return std::optional<std::string>(Projektdatei_schreiben(Projektdaten{}));
    };
    EXPECT_EQ(Projekt_laden(f, neinsager, "neu.Dkm", lesen), Ladeergebnis::abgelehnt);
    Gleiche_Eingaben(f, vorher);
    EXPECT_EQ(f[T::Text24], "alt.Dkm");
    EXPECT_EQ(f.Ladevorgang, nein);
    EXPECT_EQ(gelesen, 0);
    ASSERT_EQ(neinsager.titel(), std::vector<std::string>{"Daten aufrufen"});
    EXPECT_EQ(neinsager.meldungen[0].text,
              "Eventuell im Formular eingegebene Daten werden überschrieben. In Ordnung?");

    f.werte.Einzel_Flaeche = {0, 0, 5, 0, 0, 0, 0, 0};  // only segments 1 and 2 count
    Testdialoge still(false);
    EXPECT_EQ(Projekt_laden(f, still, "neu.Dkm", lesen), Ladeergebnis::geladen);
    EXPECT_TRUE(still.meldungen.empty());
}

namespace fs = std::filesystem;

class Speichern : public Testordner {
protected:
    void SetUp() override {
        Testordner::SetUp();
        Schreiben(datei = ordner / "KandProj.Dkm", "alter Inhalt");
    }
    size_t Dateien() const { return static_cast<size_t>(std::distance(fs::directory_iterator(ordner), {})); }
    // The old file untouched and no temporary file left behind.
    void Unversehrt(const std::optional<std::string>& fehler, const std::string& erwartet) {
        ASSERT_TRUE(fehler);
        EXPECT_NE(fehler->find(erwartet), std::string::npos) << *fehler;
        EXPECT_EQ(Inhalt(datei), "alter Inhalt");
        EXPECT_EQ(Dateien(), 1u);
    }

    fs::path datei;
    Formular f = Start();
};

TEST_F(Speichern, ReplacesTheOldFileAndLoadsAgain) {
    f[T::Laenge_1] = "12.5";
    f[S::Check3] = true;
    ASSERT_FALSE(Projekt_speichern(f, datei));
    const auto zeilen = Zeilen(Inhalt(datei));
    ASSERT_EQ(zeilen.size(), 43u);
    EXPECT_EQ(zeilen[11], " 12.5 0 0 0 0 0 0 0");
    EXPECT_EQ(zeilen[26], " .85");
    EXPECT_FLOAT_EQ(f.Winkelfaktor[2], 0.85f) << "saving sets the angle factors from the boxes";
    EXPECT_EQ(Dateien(), 1u);

    Formular g = Start();
    Testdialoge d;
    ASSERT_EQ(Projekt_laden_Datei(g, d, datei), Ladeergebnis::geladen);
    EXPECT_EQ(g[T::Laenge_1], " 12.5");
    EXPECT_TRUE(g[S::Check3]);

    fs::create_symlink(datei, ordner / "verweis.Dkm");
    ASSERT_FALSE(Projekt_speichern(f, ordner / "verweis.Dkm"));
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.Dkm")) << "a link stays a link";
}

TEST_F(Speichern, FailureLeavesTheOldFileIntact) {
    f[T::Laenge_3] = "1" + std::string(40, '0');  // values no file could hold are refused before writing
    Unversehrt(Projekt_speichern(f, datei), "Länge der Teilstrecke 3");
    f[T::Laenge_3] = "";
    f[T::r5_100] = "10000000";  // a file could hold it, but no load would take it back
    Unversehrt(Projekt_speichern(f, datei), "r(5,100)");
    f[T::r5_100] = "9999999";
    f[T::Text4] = "-9999999.4";
    ASSERT_FALSE(Projekt_speichern(f, datei));
    Schreiben(datei, "alter Inhalt");
    f[T::Text27] = "70000";
    Unversehrt(Projekt_speichern(f, datei), "Anzahl der Abläufe");
    f[T::Text27] = "";
#if defined(__linux__)
    f[T::Bemerkungen] = std::string(5000, 'x');  // a full disk
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = 1024;
    auto* signal_vorher = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    const auto fehler = Projekt_speichern(f, datei);
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signal_vorher);
    Unversehrt(fehler, "konnte nicht gespeichert werden");
#endif
    fs::remove(datei);
    fs::create_directories(datei / "inhalt");  // a folder cannot be replaced by a file
    EXPECT_TRUE(Projekt_speichern(f, datei));
    EXPECT_TRUE(fs::is_directory(datei / "inhalt"));
    EXPECT_EQ(Dateien(), 1u);
    EXPECT_TRUE(Projekt_speichern(f, ordner / "fehlt" / "x.Dkm"));
}

TEST(Datei_lesen, StopsOneByteBeyondTheLimitAndRefusesWhatIsNoFile) {
    const fs::path p = fs::temp_directory_path() / "dkm-datei-lesen.bin";
    std::ofstream(p, std::ios::binary) << std::string(100, 'a');
    EXPECT_EQ(Datei_lesen(p, 1000)->size(), 100u);
    EXPECT_EQ(Datei_lesen(p, 10)->size(), 11u);
    fs::remove(p);
    EXPECT_FALSE(Datei_lesen(p, 10));
    EXPECT_FALSE(Datei_lesen(fs::temp_directory_path(), 10));
#if defined(__linux__)
    EXPECT_FALSE(Datei_lesen("/dev/zero", 10)) << "a device never ends";
#endif
}

}  // namespace
}  // namespace dkm::test
