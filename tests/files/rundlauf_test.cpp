// Round trips: whatever loads (current files, older layouts, UTF-8 copies) saves in the
// current layout and loads again to the same window and the same bytes.
#include <gtest/gtest.h>

#include <functional>

#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

// Literal write-backs (the walls' "90" of an internal gutter) read back as number texts (" 90"): one blank apart.
Formular Wie_gelesen(Formular f, const Formular& gelesen) {
    for (size_t i = 0; i < f.text.size(); ++i)
        if (gelesen.text[i] == " " + f.text[i]) f.text[i] = gelesen.text[i];
    return f;
}

// What the window shows: the dump without the numbers of the run, which a factor the file keeps
// beside its check box (saved as the corner's) may change.
std::string Fenster(const Formular& f) {
    const std::string d = Dump(f, {});
    return d.substr(0, d.find("\"werte\"")) + d.substr(d.find("\"meldungen\""));
}

struct Fall {
    std::string warum, bytes;
    Titel titel{};  // the boxes of the first load
    std::vector<std::pair<T, std::string>> felder{};
    std::function<bool(const Lauf&)> gilt{};  // more of what the first load shows
    Neu zeilen{};                             // lines of the saved file
    std::string gespeichert{};                // the whole saved file, when known
};

std::string Leer(const Neu& neu) { return Datei(Zeilen(Projektdaten{}), neu); }
std::string Alt(const Neu& neu) { return Datei(Altzeilen(), neu); }
using F = const Lauf&;

TEST(Rundlauf, WhatLoadsSavesAndLoadsAgainToTheSameFileAndWindow) {
    const std::string voll = Volle_Datei();
    Projektdaten umbrueche = Volles_Projekt();
    umbrueche.Bemerkungen = "erste Zeile\r\nzweite\ndritte\rvierte";  // must not shift later lines
    umbrueche.r5_5 = 1000.0 / 3.0;
    umbrueche.Index_Abfl_beiwert = -1;
    umbrueche.Hoehenkorrektur = -10;
    std::string ohne_letztes_ende = Datei(Zeilen(Volles_Projekt()), {{1, std::string(Projektkopf_12_05)}});
    ohne_letztes_ende.resize(ohne_letztes_ende.size() - 2);
    auto gemischt = Zeilen(voll);  // a UTF-8 header, then a stray Windows-1252 byte
    gemischt[0] = Cp1252_nach_Utf8(gemischt[0]);
    gemischt[1] = "Stra\xDF" "e und B\xC3\xBCro";
    auto fortgesetzt = Zeilen(Projektdaten{});  // a number line short of values continues on the next line
    fortgesetzt[11] = " 1 2 3";
    fortgesetzt.insert(fortgesetzt.begin() + 12, " 4 5 6 7 8");
    const T B = T::Belast_Teilrinne_1;
    std::vector<Fall> faelle = {
        {"every field away from its default", voll, {},
         {{T::Bauherr, "Müller & Söhne"}, {T::Laenge_1, " 12.5"}, {T::Laenge_3, ""}, {T::Text3, " 90"},
          {T::Text4, " 45"}, {T::Text24, "alt.Dkm"}},
         {}, {}, voll},
        {"breaks in a text become blanks; numbers are number texts", Projektdatei_schreiben(umbrueche), {}, {}, {},
         {{1, "Wertedatei f\xFCr Dachkandelmesser Version 07 08"}, {2, "M\xFCller & S\xF6hne"},
          {7, "erste Zeile zweite dritte vierte"}, {9, " 333.333333333333"}, {12, " 12.5 7 0 0 0 0 0 0"},
          {15, " .625"}, {22, "Not\xFC" "berlauf_eineSeite"}, {23, " 1 "}, {24, " 0 "}, {25, " 1"}, {26, " .85"},
          {36, " 1"}, {40, "-1 "}, {41, " 2"}, {42, "-10 "}}},
        {"LF line ends", Datei(Zeilen(voll), {}, "\n"), {}, {}, {}, {}, voll},
        {"CR line ends", Datei(Zeilen(voll), {}, "\r"), {}, {}, {}, {}, voll},
        {"header 12_05, no last line end", ohne_letztes_ende, {}, {}, {}, {}, voll},
        {"UTF-8 copy with byte-order mark", "\xEF\xBB\xBF" + Cp1252_nach_Utf8(voll), {}, {}, {}, {}, voll},
        {"UTF-8 copy without", Cp1252_nach_Utf8(voll), {}, {}, {}, {}, voll},
        {"byte-order mark before a Windows-1252 file", "\xEF\xBB\xBF" + voll, {}, {}, {}, {}, voll},
        {"a stray Windows-1252 byte in UTF-8 keeps its letter", Datei(gemischt), {},
         {{T::Bauherr, "Straße und Büro"}}, {}, {{2, "Stra\xDF" "e und B\xFCro"}}},
        {"a header and a million blank lines", Datei({std::string(Projektkopf)}) + std::string(1000000, '\n'), {},
         {{T::Laenge_1, ""}}},
        // each line of the start project reaches its control
        {"texts whole, numbers by field; ',,' is an empty field, 1e-4 the smallest measure, D an exponent as E",
         Leer({{2, "  Bauherr, mit Komma "}, {12, " 10-5 -2.5e1,,1E2\t7 .5 +.3d1"}, {15, " 1e-4"}}), {},
         {{T::Bauherr, "  Bauherr, mit Komma "}, {T::Laenge_2, "-5"}, {T::Laenge_4, ""}, {T::Laenge_7, " .5"}}, {},
         {{12, " 10-5-25 0 100 7 .5 3"}, {15, " .0001"}}},  // number texts side by side, a blank before positive ones
        {"a short number line continues", Datei(fortgesetzt), {}, {{T::Laenge_8, " 8"}, {T::Breite_1, ""}}},
        // no obstacle is an empty box; the left wall angle, not the right; at least one overflow
        {"obstacle, walls, overflows", Leer({{18, " 0"}, {19, " 0"}, {20, " 60"}, {41, " 0"}}), {},
         {{T::Text5, ""}, {T::Text2, " 0"}, {T::Text3, " 60"}, {T::Text4, " 0"}, {T::Text30, " 1"}}},
        {"the total area to two places", Leer({{33, "gesamt"}, {34, " 50"}, {35, " 12.345"}}), {},
         {{T::Text25, " 50"}, {T::Text26, " 12.35"}}, {}, {{35, " 12.35"}}},
        {"a total area from a half hundredth up rounds up", Leer({{33, "gesamt"}, {35, " .006"}}), {},
         {{T::Text26, " .01"}}},
        {"the lowest 16-bit number still loads", Leer({{41, "-32768"}}), {}, {{T::Text30, " 1"}}},
        {"lists and options by their texts",
         Leer({{8, "Frankfurt, Main"}, {16, "innenliegend"}, {17, "Faktor f = 3 "}, {22, "Not\xFC" "berlauf_Laengs"
               "seite"}, {23, " 1.0 "}, {27, " .85"}, {33, "gesamt"}, {37, "beidseits aussen"}, {38, "leer"},
               {39, " 7 "}, {40, " 4 "}}),
         {}, {}, [](F l) {
             return l.f[L::Combo_Wahl_Regensp].text == "Frankfurt, Main" && l.f[S::Option2] && !l.f[S::Option1] &&
                    Ist_innenliegend(l.f) && l.f.Sicherheitsfaktor == 3 &&
                    l.f[L::Combo_Schutzfaktor].index == 3 && l.f[S::Option5] && !l.f[S::Option3] &&
                    !l.f[S::Option4] && l.f[S::Check_Schutzkorb] && l.f[S::Check3] && l.f.Winkelfaktor[2] == 0.85f &&
                    l.f[S::Option11] && !l.f[S::Option10] && Ist_gesamt(l.f) && l.f[S::Option8] &&
                    !l.f[S::Option6] && !l.f[S::Option7] &&
                    l.f[L::Combo_Diff_Notueberl].text == "ohne Berechnungsregen" &&
                    l.f[L::Combo_Abfl_beiwert].text == "begr.extensiv <10cm (C=0.5)";
         }},
        {"the list text with its blank", Leer({{17, "Faktor f = 3"}}), {}, {},
         [](F l) { return l.f[L::Combo_Schutzfaktor].text == "Faktor f = 3 "; }},
        {"unknown texts: f and the runoff text stay, no new option", Leer({{11, "eigen"}, {16, "schief"},
         {17, "Faktor f = 7"}, {40, " 9 "}}), {}, {}, [](F l) {
             return l.f.Sicherheitsfaktor == 2 && l.f[L::Combo_Schutzfaktor].index == -1 && l.f[S::Option1] &&
                    !l.f[S::Option2] && l.f[L::Combo_Abfl_beiwert].index == -1 &&
                    l.f[L::Combo_Abfl_beiwert].text == "eigen";
         }, {{17, "Faktor f = 7"}}},
        {"a stored factor is kept, saving writes the corner's", Leer({{27, " .9"}}), {}, {},
         [](F l) { return l.f[S::Check3] && l.f.Winkelfaktor[2] == 0.9f; }, {{27, " .85"}}},
        {"leaf guard 2 is off", Leer({{23, " 2 "}}), {}, {}, [](F l) { return !l.f[S::Check_Schutzkorb]; }},
        {"leaf guard 'ja' is off", Leer({{23, "ja"}}), {}, {}, [](F l) { return !l.f[S::Check_Schutzkorb]; }},
        // the older layout: its fields move, its boxes say what was left behind
        {"older layout", Datei(Altzeilen()), {Erste},
         {{T::Bauherr, "Bauherr Alt"}, {T::Text2, " 300"}, {T::Einzel_Flaeche_1, "60.00 m²"}}, {},
         {{1, "Wertedatei f\xFCr Dachkandelmesser Version 07 08"}, {2, "Bauherr Alt"}, {19, " 300"}, {33, "einzel"}}},
        {"older layout, fields moved",
         Alt({{12, "Frankfurt, Main"}, {18, " 5 6 7 0 0 0 0 0"}, {19, " 2 3 4 0 0 0 0 0"}, {20, " 0 0 0 0 0 0 0 1.5"},
              {23, "Faktor f = 3 "}, {24, " 12"}, {26, " 80"}, {28, "Not\xFC" "berlauf_eineSeite"}, {29, " 1 "},
              {32, " .85"}}),
         {Erste}, {{T::Laenge_3, " 7"}, {T::Breite_2, " 3"}, {T::Zusatz_Flaeche_8, " 1.5"}, {T::Text5, " 12"}}, {},
         {{8, "Frankfurt, Main"}, {17, "Faktor f = 3 "}, {20, " 80"}, {22, "Not\xFC" "berlauf_eineSeite"},
          {23, " 1 "}, {25, " 1"}, {26, " .85"}}},
        {"older layout, odd but valid bytes",
         Datei(Altzeilen(), {{1, std::string(900000, 'A')}, {18, "-0 -0 -0 0 0 0 0 0"}}, "\r"), {Erste},
         {{T::Laenge_2, ""}}},
        {"older: site note in the help box only while its box is up", Alt({{9, "Ziegel"}}), {Erste, Baustelle}, {},
         [](F l) {
             return l.boxen[0].hilfe == "" && !l.f[V::Hilfe_Text] &&
                    l.boxen[1].hilfe.starts_with(" Übernommen werden vom Projekt: ") &&
                    l.boxen[1].hilfe.ends_with(". Das sind hier:" + std::string(40, ' ') +
                                               "leer  //  leer  //  leer  //  Ziegel  //   leer");
         }},
        {"older: a blank is no empty site text", Alt({{6, "Ort der Baustelle"}, {9, "Ziegel"}, {10, " "}}),
         {Erste, Baustelle}, {},
         [](F l) { return l.boxen[1].hilfe.ends_with("Ort der Baustelle  //  leer  //  leer  //  Ziegel  //    "); }},
        {"older: pitch without rain angle", Alt({{16, "30"}, {17, "0"}, {25, " 450"}}), {Erste}, {{T::Text2, " 300"}}},
        {"older: internal gutter", Alt({{22, "innenliegend"}, {25, " 450"}}), {Erste, Innen}, {{T::Text2, " 300"}},
         [](F l) { return l.f[V::Rinnen_innenliegend]; }},
        // the runoff entry follows the text, as the older layout has no index; 60 m² at 310 l/(s·ha) times C
        {"older: gravel", Alt({{15, "Kiesdach (C=0.5)"}}), {Erste}, {{B, "0.93 l/s"}}, {}, {{40, " 1 "}}},
        {"older: blanks", Alt({{15, "begr.extensiv <10cm (C=0.5)   "}}), {Erste}, {{B, "0.93 l/s"}}, {}, {{40, " 4 "}}},
        {"older: C=0.3", Alt({{15, "begr\xFCnt-intensiv (C=0.3)"}}), {Erste}, {{B, "0.56 l/s"}}, {}, {{40, " 2 "}}},
        {"older: unknown is C=1", Alt({{15, "Blechdach"}}), {Erste}, {{B, "1.86 l/s"}}, {}, {{40, " 0 "}}},
    };
    // a rain angle of 15 brings the wind note only with a pitch: a number, after a tab, with text after it
    for (const auto& [neigung, wind] : {std::pair{"0", false}, {"", false}, {"x", false}, {"30", true}, {"\t30", true},
                                        {"30 Grad", true}})
        faelle.push_back({"older: pitch " + std::string(neigung), Alt({{16, neigung}, {17, "15"}}),
                          wind ? Titel{Erste, Wind} : Titel{Erste}});
    Formular vorher = Start();
    vorher.Sicherheitsfaktor = 2;  // which a file with an unknown factor text keeps
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.warum);
        const Lauf erst = Laden(c.bytes, vorher);
        ASSERT_EQ(erst.ergebnis, Ladeergebnis::geladen);
        EXPECT_EQ(erst.titel, c.titel);
        for (const auto& [feld, text] : c.felder) EXPECT_EQ(erst.f[feld], text) << Name(feld);
        if (c.gilt) { EXPECT_TRUE(c.gilt(erst)); }
        const std::string datei = Gespeichert(erst.f);
        const auto zeilen = Zeilen(datei);
        ASSERT_EQ(zeilen.size(), 43u);
        for (const auto& [n, text] : c.zeilen) EXPECT_EQ(zeilen[n - 1], text) << "line " << n;
        if (!c.gespeichert.empty()) { EXPECT_EQ(datei, c.gespeichert); }

        const Lauf wieder = Laden(datei, vorher);
        ASSERT_EQ(Gespeichert(wieder.f), datei);
        ASSERT_EQ(Fenster(wieder.f), Fenster(Wie_gelesen(erst.f, wieder.f)));
    }
}

}  // namespace
}  // namespace dkm::test
