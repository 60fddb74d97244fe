#include <gtest/gtest.h>

#include "files/altprojekt.h"
#include "files/kodierung.h"
#include "files/laden.h"
#include "model/tabellen.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

using Titel = std::vector<std::string>;

const std::string Erste = "Daten aus einer älteren Version einlesen", Baustelle = "Nichtübernahme Baustellenwerte",
                  Wind = "Fehlende Funtion", Innen = "Ältere Version, innenliegende Rinne",
                  Kontrolle = "Datei-Kontrolle";

// An eaves project of the old layout, 38 lines, no site data, no wind.
std::vector<std::string> Altzeilen() {
    return {"Bauherr Alt", "Weg 1", "12345 Ort", "0123", "0124", "", "", "", "", "", "Bemerkung",
            "Kassel", " 310", " 578", "wasserundurchl\xE4ssig (C=1)", "0", "0",
            " 10 0 0 0 0 0 0 0", " 6 0 0 0 0 0 0 0", " 0 0 0 0 0 0 0 0", " .625", "vorgehaengt",
            "kein bes. Schutz (f=1)", " 0", " 0", " 90", " 90", "", " 0 ", " 0 ",
            " 1", " 1", " 1", " 1", " 1", " 1", " 1", " 1"};
}

struct Import {
    Formular f;
    Ladeergebnis ergebnis;
    std::vector<Meldung> boxen;
    Titel titel;
};

// `nein`: every question but the one before overwriting is answered No.
Import Importieren(const std::string& datei, Formular vorher = Start(), bool nein = false) {
    Import i{std::move(vorher), {}, {}, {}};
    Testdialoge d(!nein, &i.f, "Daten aufrufen");
    i.ergebnis = Projekt_laden(i.f, d, "alt.Dkl", datei);
    i.boxen = d.meldungen;
    i.titel = d.titel();
    return i;
}
Import Importieren(std::initializer_list<std::pair<size_t, std::string>> neu) {
    return Importieren(Datei(Altzeilen(), neu));
}

// Fields move to the new layout; without site data, wind or internal gutter only the first box.
TEST(Altprojekt, FieldsOfTheOldLayoutAndOnlyTheFirstBox) {
    Import i = Importieren({});
    ASSERT_EQ(i.ergebnis, Ladeergebnis::geladen);
    EXPECT_EQ(i.titel, Titel{Erste});
    EXPECT_EQ(i.f[T::Bauherr], "Bauherr Alt") << "line 1 is the client";
    EXPECT_EQ(i.f[T::Bemerkungen], "Bemerkung");
    EXPECT_EQ(i.f[T::Text2], " 300") << "eaves gutters get 300 without a message";
    EXPECT_EQ(i.f[T::Einzel_Flaeche_1], "60.00 m²");

    i = Importieren({{12, "Frankfurt, Main"}, {18, " 5 6 7 0 0 0 0 0"}, {19, " 2 3 4 0 0 0 0 0"},
                     {20, " 0 0 0 0 0 0 0 1.5"}, {23, "Faktor f = 3 "}, {24, " 12"}, {26, " 80"},
                     {28, "Not\xFC" "berlauf_eineSeite"}, {29, " 1 "}, {32, " .85"}});
    ASSERT_EQ(i.ergebnis, Ladeergebnis::geladen);
    EXPECT_EQ(i.f[L::Combo_Wahl_Regensp].text, "Frankfurt, Main");
    EXPECT_EQ(i.f[T::Laenge_3], " 7");
    EXPECT_EQ(i.f[T::Breite_2], " 3");
    EXPECT_EQ(i.f[T::Zusatz_Flaeche_8], " 1.5");
    EXPECT_EQ(i.f.Sicherheitsfaktor, 3.0f);
    EXPECT_EQ(i.f[T::Text5], " 12");
    EXPECT_EQ(i.f[T::Text3], " 80");
    EXPECT_TRUE(i.f[S::Option4] && i.f[S::Check_Schutzkorb]);
    EXPECT_TRUE(i.f[S::Check2] && !i.f[S::Check1]);
}

TEST(Altprojekt, SiteNoteStandsInTheHelpBoxOnlyWhileItsBoxIsUp) {
    Import i = Importieren({{9, "Ziegel"}});  // only the material
    ASSERT_EQ(i.titel, (Titel{Erste, Baustelle}));
    EXPECT_EQ(i.boxen[0].hilfe, "");
    EXPECT_EQ(i.boxen[1].hilfe,
              " Übernommen werden vom Projekt:                                                                     "
              "Name, Straße, PLZ/Ort, Tel/Fax und Bemerkungen.                                   Nicht übernommen "
              "werden die Angaben zur Baustelle (Ort, Straße, Anfahrt, Material, Besonderheiten). Das sind hier:  "
              "                                      leer  //  leer  //  leer  //  Ziegel  //   leer");
    EXPECT_FALSE(i.f[V::Hilfe_Text]) << "hidden again afterwards";
    i = Importieren({{6, "Ort der Baustelle"}, {9, "Ziegel"}, {10, " "}});  // a blank is not empty
    EXPECT_TRUE(i.boxen[1].hilfe.ends_with("Ort der Baustelle  //  leer  //  leer  //  Ziegel  //    "));
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
        const Import i = Importieren({{16, c.neigung}, {17, c.winkel}, {22, c.rinne}, {25, " 450"}});
        EXPECT_EQ(i.ergebnis, Ladeergebnis::geladen);
        EXPECT_EQ(i.titel, c.titel) << c.neigung << " / " << c.winkel << " / " << c.rinne;
        EXPECT_EQ(i.f[T::Text2], " 300") << "the old width is ignored";
        EXPECT_EQ(i.f[V::Rinnen_innenliegend], c.titel.back() == Innen);
    }
}

TEST(Altprojekt, RunoffEntryFollowsTheTextNotTheMissingIndex) {
    const struct {
        const char* text;
        int index;
        const char* belastung;  // 60 m² at 310 l/(s·ha)
    } faelle[] = {{"Kiesdach (C=0.5)", 1, "0.93 l/s"}, {"begr.extensiv <10cm (C=0.5)   ", 4, "0.93 l/s"},
                  {"begrünt-intensiv (C=0.3)", 2, "0.56 l/s"}, {"Blechdach", 0, "1.86 l/s"}};
    for (const auto& c : faelle) {
        const Import i = Importieren({{15, Utf8_nach_Cp1252(c.text)}});
        EXPECT_EQ(i.f[L::Combo_Abfl_beiwert].index, c.index) << c.text;
        EXPECT_EQ(i.f[L::Combo_Abfl_beiwert].text, Abflussbeiwerte[static_cast<size_t>(c.index)].text);
        EXPECT_EQ(i.f[T::Belast_Teilrinne_1], c.belastung) << c.text;
    }
}

// The old layout has no total mode, overflow count or correction: they start as in a new
// window, so the file gives the same results whatever project was open before.
TEST(Altprojekt, SingleModeAfterwardsAndMissingFieldsTakeTheirStartValues) {
    const Formular vorher = Geladen(Datei(
        Zeilen(Volles_Projekt()), {{33, "gesamt"}, {36, " 6"}, {37, "beidseits aussen"}, {41, " 4"}}));
    ASSERT_TRUE(vorher[S::Option11]);
    // six outlets: switching by hand would ask before cutting off segments; the file decides
    const Import i = Importieren(Datei(Altzeilen()), vorher, true);
    ASSERT_EQ(i.ergebnis, Ladeergebnis::geladen);
    EXPECT_EQ(i.titel, (Titel{"Daten aufrufen", Erste}));
    EXPECT_TRUE(i.f[S::Option10] && !i.f[S::Option11]);
    EXPECT_EQ(i.f.Eingabe_Art, "einzel");
    EXPECT_EQ(i.f[T::Laenge_1], " 10") << "the segments come from the file, not from the total";
    EXPECT_EQ(i.f[T::Laenge_2], "");
    EXPECT_EQ(i.f[T::Text30], " 1") << "not the 4 overflows of the project before";
    EXPECT_EQ(i.f[T::Text25], " 10") << "in single mode the totals follow the segments";
    EXPECT_EQ(i.f.Hoehenkorrektur, 0.0f) << "not the 20 mm of the project before";
    // the same file straight after the start gives the same window
    const Import neu = Importieren(Datei(Altzeilen()));
    for (int k = 0; k < static_cast<int>(T::Anzahl); ++k)
        EXPECT_EQ(neu.f.text[static_cast<size_t>(k)], i.f.text[static_cast<size_t>(k)]) << Name(static_cast<T>(k));
    EXPECT_EQ(i.f[L::Combo_Diff_Notueberl].index, 0) << "the old files knew no overflow rain";
}

// Boxes already shown stay shown; the window keeps its project.
TEST(Altprojekt, DamagedOldFileEndsInDateiKontrolleAfterItsBoxes) {
    const Formular vorher = Geladen(Projektdatei_schreiben(Volles_Projekt()));
    const auto z = Mit(Altzeilen(), {{7, "Baustelle"}, {16, "30"}, {17, "10"}, {22, "innenliegend"}});
    const struct {
        std::vector<std::string> zeilen;
        Titel titel;
    } faelle[] = {
        {{z.begin(), z.begin() + 10}, {Erste}},
        {{z.begin(), z.begin() + 16}, {Erste, Baustelle}},
        {{z.begin(), z.begin() + 30}, {Erste, Baustelle, Wind, Innen}},
        {{z.begin(), z.end() - 1}, {Erste, Baustelle, Wind, Innen}},
        {Mit(z, {{21, "schmal"}}), {Erste, Baustelle, Wind}},
        {{"kein Projekt"}, {Erste}},
        {Mit(Altzeilen(), {{13, " 1e39"}}), {Erste}},
        {Mit(Altzeilen(), {{18, " nan 0 0 0 0 0 0 0"}}), {Erste}},
        {Mit(Altzeilen(), {{36, " inf"}}), {Erste}},
    };
    for (const auto& c : faelle) {
        const Import i = Importieren(Datei(c.zeilen), vorher);
        EXPECT_EQ(i.ergebnis, Ladeergebnis::Datei_Kontrolle);
        Titel titel = {"Daten aufrufen"};
        titel.insert(titel.end(), c.titel.begin(), c.titel.end());
        titel.push_back(Kontrolle);
        EXPECT_EQ(i.titel, titel) << c.zeilen.size();
        EXPECT_EQ(Dump(i.f, {}), Dump(vorher, {}));
        EXPECT_EQ(i.f.Sicherheitsfaktor, vorher.Sicherheitsfaktor);
        EXPECT_EQ(i.f.Ladevorgang, nein);
        EXPECT_FALSE(i.f[V::Hilfe_Text]);
    }
}

TEST(Altprojekt, OddButValidBytesLoad) {
    const std::string faelle[] = {
        Datei(Altzeilen(), {{18, "-0 -0 -0 0 0 0 0 0"}}), Datei(Altzeilen(), {{1, std::string(900000, 'A')}}),
        Datei(Altzeilen(), "\n"), Datei(Altzeilen(), "\r")};
    for (const std::string& inhalt : faelle) {
        const Import i = Importieren(inhalt);
        EXPECT_EQ(i.ergebnis, Ladeergebnis::geladen) << inhalt.substr(0, 40);
        EXPECT_EQ(i.titel, Titel{Erste});
        EXPECT_EQ(i.f[T::Laenge_2], "");
    }
}

TEST(Altprojekt, SavingAnImportedProjectWritesTheCurrentLayout) {
    const Import i = Importieren({{22, "innenliegend"}});
    Projektdaten p;
    ASSERT_FALSE(Projektdaten_sammeln(i.f, p));
    const auto gespeichert = Zeilen(Projektdatei_schreiben(p));
    ASSERT_EQ(gespeichert.size(), 43u);
    EXPECT_EQ(gespeichert[0], "Wertedatei f\xFCr Dachkandelmesser Version 07 08");
    EXPECT_EQ(gespeichert[1], "Bauherr Alt");
    EXPECT_EQ(gespeichert[18], " 300");
    EXPECT_EQ(gespeichert[32], "einzel");

    Formular wieder = Start();
    Testdialoge d;
    ASSERT_EQ(Projekt_laden(wieder, d, "alt.Dkl", Projektdatei_schreiben(p)), Ladeergebnis::geladen);
    EXPECT_TRUE(d.meldungen.empty()) << "a saved import is a current project";
    EXPECT_EQ(i.f[T::Text30], " 1") << "the start state's empty overflow count, raised to 1, as a number text";
    EXPECT_EQ(wieder.text, i.f.text);
}

}  // namespace
}  // namespace dkm::test
