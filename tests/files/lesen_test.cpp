// Reading project files into the window: numbers by field, lists and options by text, the older layout's
// boxes, and bytes that are neither Windows-1252 nor valid UTF-8.
#include <gtest/gtest.h>

#include <functional>

#include "files/kodierung.h"
#include "model/tabellen.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

using Reihe = std::array<float, 8>;

TEST(Projektdatei_lesen, TextsWholeAndNumbersByField) {
    const auto leer = Zeilen(Projektdaten{});
    auto g = Projekt_lesen(Datei(leer, {{2, "  Bauherr, mit Komma "},
                                        {12, " 10-5 -2.5e1,,1E2\t7 .5 +3"},  // ",," holds an empty field: 0
                                        {15, " 1e-50"},                      // underflow is 0, not an error
                                        {36, " 2.5"}, {40, ""}, {41, " 32767"}}), {});
    ASSERT_TRUE(g.daten && !g.alt);
    EXPECT_EQ(g.daten->Bauherr, "  Bauherr, mit Komma ");
    EXPECT_EQ(g.daten->Laenge, (Reihe{10, -5, -25, 0, 100, 7, 0.5f, 3}));
    EXPECT_EQ(g.daten->Verhaeltnis_HB, 0.0f);
    EXPECT_EQ(g.daten->Anzahl_Stutzen, 2) << "half to even";
    EXPECT_EQ(g.daten->Index_Abfl_beiwert, 0);
    EXPECT_EQ(g.daten->Anzahl_Notueberlaeufe, 32767);
    // a number line short of values continues on the next line
    auto z = leer;
    z[11] = " 1 2 3";
    z.insert(z.begin() + 12, " 4 5 6 7 8");
    g = Projekt_lesen(Datei(z), {});
    ASSERT_TRUE(g.daten);
    EXPECT_EQ(g.daten->Laenge, (Reihe{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(g.daten->Breite, Reihe{});
}

// One line of the start project changed and applied to a window whose safety factor is 2.
TEST(Projektdaten_anwenden, EachLineReachesItsControl) {
    using F = const Formular&;
    const struct {
        size_t zeile;
        std::string text;
        std::function<bool(F)> gilt;
    } faelle[] = {
        {12, " 12.5 0 0 0 0 0 0 0", [](F f) { return f[T::Laenge_1] == " 12.5" && f[T::Laenge_2] == ""; }},
        {18, " 0", [](F f) { return f[T::Text5] == ""; }},  // no obstacle: an empty box
        {19, " 0", [](F f) { return f[T::Text2] == " 0"; }}, {34, " 50", [](F f) { return f[T::Text25] == " 50"; }},
        {35, " 12.345", [](F f) { return f[T::Text26] == " 12.35"; }},  // the total area to two places
        {41, " 0", [](F f) { return f[T::Text30] == " 1"; }},           // at least one overflow
        {41, "-32768", [](F f) { return f[T::Text30] == " 1"; }},       // the lowest 16-bit number still loads
        {41, " 2", [](F f) { return f[T::Text30] == " 2"; }},
        {20, " 60", [](F f) { return f[T::Text3] == " 60" && f[T::Text4] == " 0"; }},  // left wall, not right
        {17, "Faktor f = 3 ", [](F f) { return f.Sicherheitsfaktor == 3 && f[L::Combo_Schutzfaktor].index == 3; }},
        {17, "Faktor f = 3", [](F f) { return f[L::Combo_Schutzfaktor].text == "Faktor f = 3 "; }},
        {17, "Faktor f = 7", [](F f) {  // an unknown text keeps f
             return f.Sicherheitsfaktor == 2 && f[L::Combo_Schutzfaktor].text == "Faktor f = 7" &&
                    f[L::Combo_Schutzfaktor].index == -1;
         }},
        {8, "Frankfurt, Main", [](F f) { return f[L::Combo_Wahl_Regensp].text == "Frankfurt, Main"; }},
        {38, "leer", [](F f) { return f[L::Combo_Diff_Notueberl].text == "ohne Berechnungsregen"; }},
        {39, " 7 ", [](F f) { return f[L::Combo_Diff_Notueberl].index == -1; }},
        {40, " 4 ", [](F f) { return f[L::Combo_Abfl_beiwert].text == "begr.extensiv <10cm (C=0.5)"; }},
        {40, " 9 ", [](F f) {  // outside the list the text of line 11 stays
             return f[L::Combo_Abfl_beiwert].index == -1 && f[L::Combo_Abfl_beiwert].text == "";
         }},
        {16, "innenliegend", [](F f) { return f[S::Option2] && !f[S::Option1] && f.Rinnenart == "innenliegend"; }},
        {16, "schief", [](F f) { return f[S::Option1] && !f[S::Option2]; }},  // an unknown text selects nothing
        {22, "Not\xFC" "berlauf_Laengsseite", [](F f) { return f[S::Option5] && !f[S::Option3] && !f[S::Option4]; }},
        {37, "beidseits aussen", [](F f) { return f[S::Option8] && !f[S::Option6] && !f[S::Option7]; }},
        {33, "gesamt", [](F f) { return f[S::Option11] && !f[S::Option10] && f.Eingabe_Art == "gesamt"; }},
        {27, " .85", [](F f) { return f[S::Check3] && f.Winkelfaktor[2] == 0.85f; }},
        {27, " .9", [](F f) { return f[S::Check3] && f.Winkelfaktor[2] == 0.9f; }},  // the stored factor is kept
        {23, " 1.0 ", [](F f) { return f[S::Check_Schutzkorb]; }},
        {23, " 2 ", [](F f) { return !f[S::Check_Schutzkorb]; }}, {23, "ja", [](F f) { return !f[S::Check_Schutzkorb]; }},
    };
    for (const auto& c : faelle) {
        const auto p = Projekt_lesen(Datei(Zeilen(Projektdaten{}), {{c.zeile, c.text}}), {}).daten;
        ASSERT_TRUE(p) << c.text;
        Formular f = Start();
        f.Sicherheitsfaktor = 2;
        f.Ladevorgang = ja;
        Testdialoge d;
        Projektdaten_anwenden(f, d, *p);
        EXPECT_TRUE(c.gilt(f)) << c.zeile << ": " << c.text;
    }
}

// The user agreed to overwrite; the file's mode wins without asking about the old values.
TEST(Projekt_laden, ModeComesFromTheFileWithoutTheSwitchQuestions) {
    const Lauf l = Laden(Volle_Datei({{33, "gesamt"}}), Laden(Volle_Datei()).f, true);
    EXPECT_EQ(l.titel, Titel{"Daten aufrufen"});
    EXPECT_TRUE(l.f[S::Option11] && !l.f[S::Option10]);
}

TEST(Projekt_laden, NoToTheOverwriteQuestionLeavesEverything) {
    const Formular vorher = Laden(Volle_Datei()).f;
    ASSERT_NE(vorher.werte.Einzel_Flaeche[0], 0.0f);
    Formular f = vorher;
    Testdialoge nein(nullptr, false, "");
    int gelesen = 0;
    const auto lesen = [&] { return ++gelesen, std::optional<std::string>(Projektdatei_schreiben(Projektdaten{})); };
    EXPECT_EQ(Projekt_laden(f, nein, "neu.Dkm", lesen), Ladeergebnis::abgelehnt);
    EXPECT_EQ(Dump(f, {}), Dump(vorher, {})) << "the name alt.Dkm included";
    EXPECT_EQ(gelesen, 0);
    ASSERT_EQ(nein.titel(), Titel{"Daten aufrufen"});
    EXPECT_EQ(nein.meldungen[0].text, "Eventuell im Formular eingegebene Daten werden überschrieben. In Ordnung?");

    f.werte.Einzel_Flaeche = {0, 0, 5, 0, 0, 0, 0, 0};  // only segments 1 and 2 count
    Testdialoge still(nullptr, false);
    EXPECT_EQ(Projekt_laden(f, still, "neu.Dkm", lesen), Ladeergebnis::geladen);
    EXPECT_TRUE(still.meldungen.empty());
}

const std::string Baustelle = "Nichtübernahme Baustellenwerte", Wind = "Fehlende Funtion",
                  Innen = "Ältere Version, innenliegende Rinne";

TEST(Altprojekt, SiteNoteStandsInTheHelpBoxOnlyWhileItsBoxIsUp) {
    Lauf l = Laden(Datei(Altzeilen(), {{9, "Ziegel"}}));  // only the material
    ASSERT_EQ(l.titel, (Titel{Erste, Baustelle}));
    EXPECT_EQ(l.boxen[0].hilfe, "");
    EXPECT_EQ(l.boxen[1].hilfe,
              " Übernommen werden vom Projekt:                                                                     "
              "Name, Straße, PLZ/Ort, Tel/Fax und Bemerkungen.                                   Nicht übernommen "
              "werden die Angaben zur Baustelle (Ort, Straße, Anfahrt, Material, Besonderheiten). Das sind hier:  "
              "                                      leer  //  leer  //  leer  //  Ziegel  //   leer");
    EXPECT_FALSE(l.f[V::Hilfe_Text]) << "hidden again afterwards";
    l = Laden(Datei(Altzeilen(), {{6, "Ort der Baustelle"}, {9, "Ziegel"}, {10, " "}}));  // a blank is not empty
    EXPECT_TRUE(l.boxen[1].hilfe.ends_with("Ort der Baustelle  //  leer  //  leer  //  Ziegel  //    "));
}

TEST(Altprojekt, WindAndInternalGutterMessages) {
    const struct {
        const char *neigung, *winkel, *rinne;
        Titel titel;
    } faelle[] = {
        {"30", "0", "vorgehaengt", {Erste}},         {"0", "15", "vorgehaengt", {Erste}},
        {"", "15", "vorgehaengt", {Erste}},          {"x", "15", "vorgehaengt", {Erste}},
        {"30", "15", "vorgehaengt", {Erste, Wind}},  {"30 Grad", " 15", "vorgehaengt", {Erste, Wind}},
        {"0", "0", "innenliegend", {Erste, Innen}},  {"30", "10", "innenliegend", {Erste, Wind, Innen}},
    };
    for (const auto& c : faelle) {
        const Lauf l = Laden(Datei(Altzeilen(), {{16, c.neigung}, {17, c.winkel}, {22, c.rinne}, {25, " 450"}}));
        EXPECT_EQ(l.titel, c.titel) << c.neigung << " / " << c.winkel << " / " << c.rinne;
        EXPECT_EQ(l.f[T::Text2], " 300") << "the old width is ignored";
        EXPECT_EQ(l.f[V::Rinnen_innenliegend], c.titel.back() == Innen);
    }
}

TEST(Altprojekt, RunoffEntryFollowsTheTextNotTheMissingIndex) {
    const struct {
        const char* text;
        int index;
        const char* belastung;  // 60 m² at 310 l/(s·ha) times C
    } faelle[] = {{"Kiesdach (C=0.5)", 1, "0.93 l/s"}, {"begr.extensiv <10cm (C=0.5)   ", 4, "0.93 l/s"},
                  {"begrünt-intensiv (C=0.3)", 2, "0.56 l/s"}, {"Blechdach", 0, "1.86 l/s"}};
    for (const auto& c : faelle) {
        const Lauf l = Laden(Datei(Altzeilen(), {{15, Utf8_nach_Cp1252(c.text)}}));
        EXPECT_EQ(l.f[L::Combo_Abfl_beiwert].index, c.index) << c.text;
        EXPECT_EQ(l.f[T::Belast_Teilrinne_1], c.belastung) << c.text;
    }
}

// The older layout has no total mode, overflow count or correction: they start as in a new window,
// so the file gives the same window whatever project was open before.
TEST(Altprojekt, MissingFieldsTakeTheirStartValues) {
    const Formular vorher = Laden(Volle_Datei({{33, "gesamt"}, {36, " 6"}, {37, "beidseits aussen"}, {41, " 4"}})).f;
    ASSERT_TRUE(vorher[S::Option11]);
    // six outlets: switching by hand would ask before cutting off segments; the file decides
    const Lauf l = Laden(Datei(Altzeilen()), vorher, true);
    ASSERT_EQ(l.titel, (Titel{"Daten aufrufen", Erste}));
    EXPECT_TRUE(l.f[S::Option10] && !l.f[S::Option11]);
    EXPECT_EQ(l.f.Hoehenkorrektur, 0.0f) << "not the 20 mm of the project before";
    EXPECT_EQ(l.f[L::Combo_Diff_Notueberl].index, 0) << "the old files knew no overflow rain";
    EXPECT_EQ(l.f.text, Laden(Datei(Altzeilen())).f.text);
}

// Only well-formed UTF-8 counts as such: an overlong form, a surrogate or a cut sequence
// is read byte by byte as Windows-1252 (0xC0 À, 0xAF ¯, 0xED í, 0xA0 no-break space, 0x80 €).
TEST(Kodierung, BrokenUtf8IsWindows1252AndEveryByteSurvives) {
    EXPECT_EQ(Utf8_gesaeubert("\xC0\xAF"), "À¯");
    EXPECT_EQ(Utf8_gesaeubert("\xED\xA0\x80"), "í\u00A0€");
    EXPECT_EQ(Utf8_gesaeubert("\xF4\x90\x80\x80"), "ô\u0090€€") << "beyond U+10FFFF";
    EXPECT_EQ(Utf8_gesaeubert("B\xC3\xBCro \xC3"), "Büro Ã");
    EXPECT_TRUE(Ist_Utf8("Gda\xC5\x84sk \xF0\x9F\x8F\xA0"));
    EXPECT_FALSE(Ist_Utf8("M\xFCller"));
    std::string alle;
    for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8_nach_Cp1252(Cp1252_nach_Utf8(alle)), alle);
    EXPECT_EQ(Cp1252_nach_Utf8("\x80\xFC\x96"), "€ü–");
    EXPECT_EQ(Utf8_nach_Cp1252("Łódź €"), "?\xF3" "d? \x80");
}

}  // namespace
}  // namespace dkm::test
