#include <gtest/gtest.h>

#include "files/laden.h"
#include "model/startzustand.h"
#include "projekt_hilfen.h"

namespace dkm {
namespace {

using test::Datei;
using test::Testdialoge;
using test::Volles_Projekt;
using test::Zeilen;

Formular Start() {
    Formular f;
    Startzustand(f, nullptr);
    return f;
}

Projektdaten Gesammelt(const Formular& f) {
    Projektdaten p;
    EXPECT_FALSE(Projektdaten_sammeln(f, p));
    return p;
}

// The start state with one line of the start project changed, applied without a recalculation.
Formular Angewandt(size_t zeile, const std::string& text, float f_vorher = 1) {
    auto z = Zeilen(Projektdaten{});
    z[zeile - 1] = text;
    const auto p = Projektdatei_lesen(Datei(z));
    EXPECT_TRUE(p) << text;
    Formular f = Start();
    f.Sicherheitsfaktor = f_vorher;
    f.Ladevorgang = ja;
    Testdialoge d;
    if (p) Projektdaten_anwenden(f, d, *p);
    return f;
}

void Gleiche_Eingaben(const Formular& a, const Formular& b) {
    EXPECT_EQ(a.text, b.text);
    for (size_t i = 0; i < a.liste.size(); ++i) {
        EXPECT_EQ(a.liste[i].text, b.liste[i].text);
        EXPECT_EQ(a.liste[i].index, b.liste[i].index);
    }
    EXPECT_EQ(a.wahl, b.wahl);
    EXPECT_EQ(a.sichtbar, b.sichtbar);
    EXPECT_EQ(a.Sicherheitsfaktor, b.Sicherheitsfaktor);
    EXPECT_EQ(a.Winkelfaktor, b.Winkelfaktor);
    EXPECT_EQ(a.Hoehenkorrektur, b.Hoehenkorrektur);
}

TEST(Projekt_laden, SaveAndLoadGiveTheSameProject) {
    Formular quelle = Start();
    Testdialoge d;
    ASSERT_EQ(Projekt_laden(quelle, d, "voll.Dkm", Projektdatei_schreiben(Volles_Projekt())), Ladeergebnis::geladen);
    const Projektdaten gespeichert = Gesammelt(quelle);

    Formular ziel = Start();
    ASSERT_EQ(Projekt_laden(ziel, d, "kopie.Dkm", Projektdatei_schreiben(gespeichert)), Ladeergebnis::geladen);
    EXPECT_EQ(Gesammelt(ziel), gespeichert);
    EXPECT_EQ(ziel[T::Bauherr], "Müller & Söhne");
    EXPECT_EQ(ziel[T::Laenge_1], " 12.5");
    EXPECT_EQ(ziel[T::Laenge_3], "");
    EXPECT_TRUE(ziel[S::Check2]);
    EXPECT_EQ(ziel.Ladevorgang, nein);
    EXPECT_EQ(ziel[T::Text24], "kopie.Dkm");
    EXPECT_TRUE(ziel[V::Text24] && ziel[V::Label4]);
    EXPECT_TRUE(d.boxen.empty());
}

TEST(Projektdaten_anwenden, NumbersGoIntoTheirBoxesAsNumberTexts) {
    const struct {
        size_t zeile;
        std::string text;
        T feld;
        std::string erwartet;
    } faelle[] = {
        {12, " 12.5 0 0 0 0 0 0 0", T::Laenge_1, " 12.5"},
        {12, " 12.5 0 0 0 0 0 0 0", T::Laenge_2, ""},
        {12, " 10-5 0 0 0 0 0 0", T::Laenge_2, "-5"},
        {18, " 0", T::Text5, ""},
        {19, " 0", T::Text2, " 0"},
        {34, " 50", T::Text25, " 50"},
        {35, " 12.345", T::Text26, " 12.35"},
        {36, " 3", T::Text27, " 3"},
        {41, " 0", T::Text30, "1"},
        {41, "-3", T::Text30, "1"},
        {41, " 2", T::Text30, " 2"},
    };
    for (const auto& c : faelle) EXPECT_EQ(Angewandt(c.zeile, c.text)[c.feld], c.erwartet) << c.zeile << c.text;
}

TEST(Projektdaten_anwenden, ListsFollowTheirTextsAndIndexes) {
    for (const std::string text : {"Faktor f = 3 ", "Faktor f = 3"}) {
        const Formular f = Angewandt(17, text);
        EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);
        EXPECT_EQ(f[L::Combo_Schutzfaktor].text, "Faktor f = 3 ");
    }
    Formular f = Angewandt(17, "Faktor f = 7", 2);
    EXPECT_EQ(f.Sicherheitsfaktor, 2.0f) << "an unknown text keeps f";
    EXPECT_EQ(f[L::Combo_Schutzfaktor].text, "Faktor f = 7");
    EXPECT_EQ(f[L::Combo_Schutzfaktor].index, -1);

    EXPECT_EQ(Angewandt(8, "Frankfurt, Main")[L::Combo_Wahl_Regensp].text, "Frankfurt, Main");
    EXPECT_EQ(Angewandt(38, "leer")[L::Combo_Diff_Notueberl].text, "ohne Berechnungsregen");
    f = Angewandt(39, "leer");
    EXPECT_EQ(f[L::Combo_Diff_Notueberl].index, 0);
    f = Angewandt(40, " 4 ");
    EXPECT_EQ(f[L::Combo_Abfl_beiwert].text, "begr.extensiv <10cm (C=0.5)");
    f = Angewandt(40, " 9 ");
    EXPECT_EQ(f[L::Combo_Abfl_beiwert].index, -1);
    EXPECT_EQ(f[L::Combo_Abfl_beiwert].text, "") << "outside the list the text of line 11 stays";
}

TEST(Projektdaten_anwenden, OptionsAndCheckBoxesFollowTheirValues) {
    Formular f = Angewandt(16, "innenliegend");
    EXPECT_TRUE(f[S::Option2] && !f[S::Option1]);
    EXPECT_EQ(f.Rinnenart, "innenliegend");
    f = Angewandt(16, "schief");
    EXPECT_TRUE(f[S::Option1] && !f[S::Option2]) << "an unknown text selects nothing";
    f = Angewandt(22, "Not\xFC" "berlauf_Laengsseite");
    EXPECT_TRUE(f[S::Option5] && !f[S::Option3] && !f[S::Option4]);
    f = Angewandt(37, "beidseits aussen");
    EXPECT_TRUE(f[S::Option8] && !f[S::Option6] && !f[S::Option7]);
    f = Angewandt(33, "gesamt");
    EXPECT_TRUE(f[S::Option11] && !f[S::Option10]);
    EXPECT_EQ(f.Eingabe_Art, "gesamt");
    f = Angewandt(27, " .85");
    EXPECT_TRUE(f[S::Check3]);
    EXPECT_FLOAT_EQ(f.Winkelfaktor[2], 0.85f);
    f = Angewandt(27, " .9");
    EXPECT_TRUE(f[S::Check3]);
    EXPECT_FLOAT_EQ(f.Winkelfaktor[2], 0.9f) << "the stored factor is kept";
    EXPECT_FALSE(Angewandt(23, " 2 ")[S::Check_Schutzkorb]);
    EXPECT_TRUE(Angewandt(23, " 1 ")[S::Check_Schutzkorb]);
}

// A failed load changes nothing: the window keeps its project, its name and its results.
TEST(Projekt_laden, DamagedFileEndsInDateiKontrolleWithInputsUnchanged) {
    Formular vorher = Start();
    Testdialoge d;
    EXPECT_EQ(Projekt_laden(vorher, d, "x.Dkm", "kein Projekt"), Ladeergebnis::Datei_Kontrolle);
    EXPECT_FALSE(vorher[V::Text24] || vorher[V::Label4]) << "no project before: the name stays hidden";
    ASSERT_EQ(Projekt_laden(vorher, d, "alt.Dkm", Projektdatei_schreiben(Volles_Projekt())), Ladeergebnis::geladen);
    vorher.werte.Einzel_Flaeche = {};

    auto kaputt = Zeilen(Volles_Projekt());
    kaputt[30] = " abc";
    const std::string faelle[] = {
        Datei(kaputt),
        Datei({kaputt.begin(), kaputt.begin() + 20}),
        std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10),
        "",
        std::string(Projektdatei_Hoechstgroesse + 1, 'x'),
    };
    for (const std::string& inhalt : faelle) {
        Formular f = vorher;
        Testdialoge dk;
        EXPECT_EQ(Projekt_laden(f, dk, "kaputt.Dkm", inhalt), Ladeergebnis::Datei_Kontrolle);
        Gleiche_Eingaben(f, vorher);
        EXPECT_EQ(f[T::Text24], "alt.Dkm");
        EXPECT_EQ(f.Ladevorgang, nein);
        // without a header the legacy import's first box comes before
        ASSERT_EQ(dk.boxen.size(), inhalt.starts_with("\x7F") ? 2u : 1u);
        EXPECT_EQ(dk.boxen.back().titel, "Datei-Kontrolle");
        EXPECT_EQ(dk.boxen.back().text,
                  "Die ausgewählte Datei ist keine Datei mit Daten für die Dachkandelmesser; eventuell ist sie "
                  "beschädigt.");
    }
}

// The user agreed to overwrite; the file's mode wins without asking about the old values.
TEST(Projekt_laden, ModeComesFromTheFileWithoutTheSwitchQuestions) {
    Formular f = Start();
    Testdialoge d;
    ASSERT_EQ(Projekt_laden(f, d, "einzel.Dkm", Projektdatei_schreiben(Volles_Projekt())), Ladeergebnis::geladen);
    ASSERT_TRUE(f[S::Option10]);
    ASSERT_NE(f.werte.Einzel_Flaeche[0], 0.0f) << "switching by hand would ask before spreading these";

    auto gesamt = Zeilen(Volles_Projekt());
    gesamt[32] = "gesamt";
    f.Ladevorgang = ja;
    Testdialoge nein(false);
    Projektdaten_anwenden(f, nein, *Projektdatei_lesen(Datei(gesamt)));
    EXPECT_TRUE(f[S::Option11] && !f[S::Option10]);
    EXPECT_EQ(f.Eingabe_Art, "gesamt");
    EXPECT_TRUE(nein.boxen.empty());
}

TEST(Projekt_laden, AsksBeforeOverwritingSegmentOneOrTwoAndNoLeavesEverything) {
    Formular vorher = Start();
    Testdialoge d;
    ASSERT_EQ(Projekt_laden(vorher, d, "alt.Dkm", Projektdatei_schreiben(Volles_Projekt())), Ladeergebnis::geladen);
    ASSERT_NE(vorher.werte.Einzel_Flaeche[0], 0.0f);

    Formular f = vorher;
    Testdialoge nein_sager(false);
    int gelesen = 0;
    const auto lesen = [&] {
        ++gelesen;
        return std::optional<std::string>(Projektdatei_schreiben(Projektdaten{}));
    };
    EXPECT_EQ(Projekt_laden(f, nein_sager, "neu.Dkm", lesen), Ladeergebnis::abgelehnt);
    Gleiche_Eingaben(f, vorher);
    EXPECT_EQ(f.Ladevorgang, nein);
    EXPECT_EQ(gelesen, 0);
    ASSERT_EQ(nein_sager.boxen.size(), 1u);
    EXPECT_EQ(nein_sager.boxen[0].titel, "Daten aufrufen");
    EXPECT_EQ(nein_sager.boxen[0].text, "Eventuell im Formular eingegebene Daten werden überschrieben. In Ordnung?");

    f.werte.Einzel_Flaeche = {0, 0, 5, 0, 0, 0, 0, 0};  // only segments 1 and 2 count
    Testdialoge still(false);
    EXPECT_EQ(Projekt_laden(f, still, "neu.Dkm", lesen), Ladeergebnis::geladen);
    EXPECT_TRUE(still.boxen.empty());
}

}  // namespace
}  // namespace dkm
