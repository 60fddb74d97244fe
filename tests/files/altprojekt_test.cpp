#include <gtest/gtest.h>

#include "files/altprojekt.h"
#include "files/kodierung.h"
#include "files/laden.h"
#include "model/tabellen.h"
#include "model/startzustand.h"
#include "projekt_hilfen.h"

namespace dkm {
namespace {

using test::Datei;
using test::Zeilen;

// Notes, besides each box, what the help box showed while it was up.
class Boxen : public Dialoge {
public:
    // `nein`: every question but the one before overwriting is answered No.
    explicit Boxen(const Formular& f, bool nein = false) : f_(f), nein_(nein) {}
    void meldung(const std::string& titel, const std::string&) override {
        titel_.push_back(titel);
        hilfe_.push_back(f_[V::Hilfe_Text] ? f_.Hilfe_Text : "");
    }
    bool frage(const std::string& titel, const std::string& text) override {
        meldung(titel, text);
        return !nein_ || titel == "Daten aufrufen";
    }
    std::vector<std::string> titel_, hilfe_;

private:
    const Formular& f_;
    bool nein_;
};

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

Formular Start() {
    Formular f;
    Startzustand(f, nullptr);
    return f;
}

struct Import {
    Formular f;
    Ladeergebnis ergebnis;
    std::vector<std::string> titel, hilfe;
};

Import Importieren(const std::vector<std::string>& zeilen, Formular vorher = Start(), bool nein = false) {
    Import i{std::move(vorher), {}, {}, {}};
    Boxen d(i.f, nein);
    i.ergebnis = Projekt_laden(i.f, d, "alt.Dkl", Datei(zeilen));
    i.titel = d.titel_;
    i.hilfe = d.hilfe_;
    return i;
}

TEST(Altprojekt, WithoutSiteDataWindOrInternalGutterOnlyTheFirstBox) {
    const Import i = Importieren(Altzeilen());
    ASSERT_EQ(i.ergebnis, Ladeergebnis::geladen);
    EXPECT_EQ(i.titel, std::vector<std::string>{Erste});
    EXPECT_EQ(i.f[T::Bauherr], "Bauherr Alt") << "line 1 is the client";
    EXPECT_EQ(i.f[T::Bemerkungen], "Bemerkung");
    EXPECT_EQ(i.f[T::Text2], " 300") << "eaves gutters get 300 without a message";
    EXPECT_EQ(i.f[T::Laenge_1], " 10");
    EXPECT_EQ(i.f[T::Einzel_Flaeche_1], "60.00 m²");
}

TEST(Altprojekt, SiteNoteStandsInTheHelpBoxOnlyWhileItsBoxIsUp) {
    auto z = Altzeilen();
    z[8] = "Ziegel";  // only the material
    const Import i = Importieren(z);
    ASSERT_EQ(i.titel, (std::vector<std::string>{Erste, Baustelle}));
    EXPECT_EQ(i.hilfe[0], "");
    EXPECT_EQ(i.hilfe[1],
              " Übernommen werden vom Projekt:                                                                     "
              "Name, Straße, PLZ/Ort, Tel/Fax und Bemerkungen.                                   Nicht übernommen "
              "werden die Angaben zur Baustelle (Ort, Straße, Anfahrt, Material, Besonderheiten). Das sind hier:  "
              "                                      leer  //  leer  //  leer  //  Ziegel  //   leer");
    EXPECT_FALSE(i.f[V::Hilfe_Text]) << "hidden again afterwards";

    z[5] = "Ort der Baustelle";
    z[9] = " ";  // a blank is not empty
    EXPECT_TRUE(Importieren(z).hilfe[1].ends_with("Ort der Baustelle  //  leer  //  leer  //  Ziegel  //    "));
}

TEST(Altprojekt, WindMessageOnlyWhenPitchAndRainAngleAreBothGiven) {
    const struct {
        const char *neigung, *winkel;
        bool meldung;
    } faelle[] = {{"30", "0", false}, {"0", "15", false}, {"", "15", false}, {"30", "15", true},
                  {"30 Grad", " 15", true}, {"x", "15", false}};
    for (const auto& c : faelle) {
        auto z = Altzeilen();
        z[15] = c.neigung;
        z[16] = c.winkel;
        const Import i = Importieren(z);
        EXPECT_EQ(i.ergebnis, Ladeergebnis::geladen);
        EXPECT_EQ(i.titel.size(), c.meldung ? 2u : 1u) << c.neigung << " / " << c.winkel;
        EXPECT_EQ(i.titel.back(), c.meldung ? Wind : Erste);
    }
}

TEST(Altprojekt, InternalGutterMessageAfterTheOthersAndWidth300InEveryCase) {
    auto z = Altzeilen();
    z[5] = "Baustelle";
    z[15] = "30";
    z[16] = "10";
    z[21] = "innenliegend";
    z[24] = " 450";
    const Import i = Importieren(z);
    ASSERT_EQ(i.ergebnis, Ladeergebnis::geladen);
    EXPECT_EQ(i.titel, (std::vector<std::string>{Erste, Baustelle, Wind, Innen}));
    EXPECT_EQ(i.f[T::Text2], " 300") << "the old width is ignored";
    EXPECT_TRUE(i.f[S::Option2]);
    EXPECT_TRUE(i.f[V::Rinnen_innenliegend]);
}

TEST(Altprojekt, RunoffEntryFollowsTheTextNotTheMissingIndex) {
    const struct {
        const char* text;
        int index;
    } faelle[] = {{"Kiesdach (C=0.5)", 1}, {"begr.extensiv <10cm (C=0.5)   ", 4},
                  {"begrünt-intensiv (C=0.3)", 2}, {"Blechdach", 0}};
    for (const auto& c : faelle) {
        auto z = Altzeilen();
        z[14] = Utf8_nach_Cp1252(c.text);
        const Import i = Importieren(z);
        EXPECT_EQ(i.f[L::Combo_Abfl_beiwert].index, c.index) << c.text;
        EXPECT_EQ(i.f[L::Combo_Abfl_beiwert].text, Abflussbeiwerte[static_cast<size_t>(c.index)].text);
    }
    auto z = Altzeilen();
    z[14] = "Kiesdach (C=0.5)";
    EXPECT_EQ(Importieren(z).f[T::Belast_Teilrinne_1], "0.93 l/s") << "60 m² at 310 l/(s·ha) with C = 0.5";
    EXPECT_EQ(Importieren(Altzeilen()).f[T::Belast_Teilrinne_1], "1.86 l/s");
}

// The old layout has no total mode, overflow count or correction: the window's stay.
TEST(Altprojekt, SingleModeAfterwardsAndMissingFieldsKeptFromBefore) {
    auto gesamt = Zeilen(test::Volles_Projekt());
    gesamt[32] = "gesamt";
    gesamt[35] = " 6";
    gesamt[36] = "beidseits aussen";
    gesamt[40] = " 4";
    Formular vorher = Start();
    test::Testdialoge d;
    ASSERT_EQ(Projekt_laden(vorher, d, "gesamt.Dkm", Datei(gesamt)), Ladeergebnis::geladen);
    ASSERT_TRUE(vorher[S::Option11]);

    // six outlets: switching by hand would ask before cutting off segments; the file decides
    const Import i = Importieren(Altzeilen(), vorher, true);
    ASSERT_EQ(i.ergebnis, Ladeergebnis::geladen);
    EXPECT_EQ(i.titel, (std::vector<std::string>{"Daten aufrufen", Erste}));
    EXPECT_TRUE(i.f[S::Option10] && !i.f[S::Option11]);
    EXPECT_EQ(i.f.Eingabe_Art, "einzel");
    EXPECT_EQ(i.f[T::Laenge_1], " 10") << "the segments come from the file, not from the total";
    EXPECT_EQ(i.f[T::Laenge_2], "");
    EXPECT_EQ(i.f[T::Text30], " 4");
    EXPECT_EQ(i.f[T::Text25], " 10") << "in single mode the totals follow the segments";
    EXPECT_EQ(i.f.Hoehenkorrektur, 20.0f);
    EXPECT_EQ(i.f[L::Combo_Diff_Notueberl].index, 0) << "the old files knew no overflow rain";
}

TEST(Altprojekt, FieldsOfTheOldLayout) {
    auto z = Altzeilen();
    z[11] = "Frankfurt, Main";
    z[17] = " 5 6 7 0 0 0 0 0";
    z[18] = " 2 3 4 0 0 0 0 0";
    z[19] = " 0 0 0 0 0 0 0 1.5";
    z[22] = "Faktor f = 3 ";
    z[23] = " 12";
    z[25] = " 80";
    z[27] = "Not\xFC" "berlauf_eineSeite";
    z[28] = " 1 ";
    z[31] = " .85";
    const Import i = Importieren(z);
    ASSERT_EQ(i.ergebnis, Ladeergebnis::geladen);
    EXPECT_EQ(i.f[L::Combo_Wahl_Regensp].text, "Frankfurt, Main");
    EXPECT_EQ(i.f[T::Laenge_3], " 7");
    EXPECT_EQ(i.f[T::Breite_2], " 3");
    EXPECT_EQ(i.f[T::Zusatz_Flaeche_8], " 1.5");
    EXPECT_EQ(i.f.Sicherheitsfaktor, 3.0f);
    EXPECT_EQ(i.f[T::Text5], " 12");
    EXPECT_EQ(i.f[T::Text3], " 80");
    EXPECT_TRUE(i.f[S::Option4]);
    EXPECT_TRUE(i.f[S::Check_Schutzkorb]);
    EXPECT_TRUE(i.f[S::Check2] && !i.f[S::Check1]);
}

// Messages already shown stay shown; the window keeps its project.
TEST(Altprojekt, DamagedOldFileEndsInDateiKontrolleAfterItsBoxes) {
    Formular vorher = Start();
    test::Testdialoge d;
    ASSERT_EQ(Projekt_laden(vorher, d, "vorher.Dkm", Projektdatei_schreiben(test::Volles_Projekt())),
              Ladeergebnis::geladen);
    auto z = Altzeilen();
    z[6] = "Baustelle";
    z[15] = "30";
    z[16] = "10";
    z[21] = "innenliegend";
    const struct {
        std::vector<std::string> zeilen;
        std::vector<std::string> titel;
    } faelle[] = {
        {{z.begin(), z.begin() + 10}, {Erste, Kontrolle}},
        {{z.begin(), z.begin() + 16}, {Erste, Baustelle, Kontrolle}},
        {{z.begin(), z.begin() + 30}, {Erste, Baustelle, Wind, Innen, Kontrolle}},
        {{z.begin(), z.end() - 1}, {Erste, Baustelle, Wind, Innen, Kontrolle}},
        {[&] { auto k = z; k[20] = "schmal"; return k; }(), {Erste, Baustelle, Wind, Kontrolle}},
        {{"kein Projekt"}, {Erste, Kontrolle}},
    };
    for (const auto& c : faelle) {
        const Import i = Importieren(c.zeilen, vorher);
        EXPECT_EQ(i.ergebnis, Ladeergebnis::Datei_Kontrolle);
        std::vector<std::string> titel = {"Daten aufrufen"};
        titel.insert(titel.end(), c.titel.begin(), c.titel.end());
        EXPECT_EQ(i.titel, titel) << c.zeilen.size();
        EXPECT_EQ(i.f.text, vorher.text);
        EXPECT_EQ(i.f.wahl, vorher.wahl);
        EXPECT_EQ(i.f.Sicherheitsfaktor, vorher.Sicherheitsfaktor);
        EXPECT_EQ(i.f.Ladevorgang, nein);
        EXPECT_FALSE(i.f[V::Hilfe_Text]);
    }
}

// Whatever a file holds, an old-layout read ends in a project or in "Datei-Kontrolle", never in between.
TEST(Altprojekt, AnyBytesLoadWholeOrNotAtAll) {
    auto mit = [](size_t zeile, std::string text) {
        auto z = Altzeilen();
        z[zeile - 1] = std::move(text);
        return Datei(z);
    };
    const struct {
        std::string inhalt;
        Ladeergebnis ergebnis;
    } faelle[] = {
        {mit(13, " 1e39"), Ladeergebnis::Datei_Kontrolle},
        {mit(18, " nan 0 0 0 0 0 0 0"), Ladeergebnis::Datei_Kontrolle},
        {mit(36, " inf"), Ladeergebnis::Datei_Kontrolle},
        {mit(18, "-0 -0 -0 0 0 0 0 0"), Ladeergebnis::geladen},
        {mit(1, std::string(900000, 'A')), Ladeergebnis::geladen},
        {mit(2, std::string(Projektdatei_Hoechstgroesse, 'A')), Ladeergebnis::Datei_Kontrolle},
        {std::string(1000000, '\0'), Ladeergebnis::Datei_Kontrolle},
        {[] {
             std::string s;
             for (int i = 0; i < 1000000; ++i) s += "\r\n";
             return s;
         }(),
         Ladeergebnis::Datei_Kontrolle},
        {Datei(Altzeilen(), "\n"), Ladeergebnis::geladen},
        {Datei(Altzeilen(), "\r"), Ladeergebnis::geladen},
    };
    for (const auto& c : faelle) {
        Formular f = Start();
        Boxen d(f);
        EXPECT_EQ(Projekt_laden(f, d, "x.Dkl", c.inhalt), c.ergebnis) << c.inhalt.substr(0, 40);
        if (c.ergebnis == Ladeergebnis::Datei_Kontrolle) {
            EXPECT_EQ(f.text, Start().text);
        }
        EXPECT_EQ(d.titel_.front(), c.inhalt.size() > Projektdatei_Hoechstgroesse ? Kontrolle : Erste);
    }
}

TEST(Altprojekt, SavingAnImportedProjectWritesTheCurrentLayout) {
    auto z = Altzeilen();
    z[21] = "innenliegend";
    const Import i = Importieren(z);
    Projektdaten p;
    ASSERT_FALSE(Projektdaten_sammeln(i.f, p));
    const auto gespeichert = Zeilen(Projektdatei_schreiben(p));
    ASSERT_EQ(gespeichert.size(), 43u);
    EXPECT_EQ(gespeichert[0], "Wertedatei f\xFCr Dachkandelmesser Version 07 08");
    EXPECT_EQ(gespeichert[1], "Bauherr Alt");
    EXPECT_EQ(gespeichert[18], " 300");
    EXPECT_EQ(gespeichert[32], "einzel");

    Formular wieder = Start();
    test::Testdialoge d;
    ASSERT_EQ(Projekt_laden(wieder, d, "alt.Dkl", Projektdatei_schreiben(p)), Ladeergebnis::geladen);
    EXPECT_TRUE(d.boxen.empty()) << "a saved import is a current project";
    EXPECT_EQ(i.f[T::Text30], "1") << "the start state's empty overflow count, raised to 1";
    EXPECT_EQ(wieder[T::Text30], " 1") << "the same count read from the file";
    wieder[T::Text30] = "1";
    EXPECT_EQ(wieder.text, i.f.text);
}

}  // namespace
}  // namespace dkm
