// Round trips: whatever loads (current files, older layouts, UTF-8 copies, generated projects) saves in the
// current layout and loads again to the same window and the same bytes.
#include <gtest/gtest.h>

#include <random>

#include "files/kodierung.h"
#include "model/tabellen.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

namespace fs = std::filesystem;

const char* const Texte[] = {"", "Müller & Söhne", "Frankfurt, Main", "  eingerückt", "Straße 1a; \"Hof\"",
                             "€ 5 – günstig", "x"};

// A project as typed: any text, an empty box, a few decimals or any float, any entry of each list;
// in a quarter of the cases in the older 38-line layout, with site and wind data.
std::string Erzeugt(std::mt19937& g) {
    const auto zahl = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g); };
    const auto wert = [&](float bis) {
        const int art = zahl(0, 6);
        return art == 0 ? 0.0f : art < 5 ? static_cast<float>(zahl(1, static_cast<int>(bis * 100))) / 100
                                         : std::uniform_real_distribution<float>(0, bis)(g);
    };
    const auto wahl = [&](const auto& liste, auto text) { return std::string(text(liste[zahl(0, std::size(liste) - 1)])); };
    const auto selbst = [](auto t) { return t; };
    const auto name = [](auto& o) { return o.name; };
    const auto eintrag = [](auto& o) { return o.text; };
    Projektdaten p;
    for (std::string* t : {&p.Bauherr, &p.strasse, &p.PLZ_Ort, &p.Telef, &p.Fax, &p.Bemerkungen}) *t = wahl(Texte, selbst);
    p.Combo_Wahl_Regensp = zahl(0, 4) ? wahl(Orte, name) : wahl(Texte, selbst);
    p.r5_5 = zahl(0, 1) ? zahl(100, 600) : wert(800);
    p.r5_100 = zahl(0, 1) ? zahl(300, 1200) : wert(1500);
    p.Index_Abfl_beiwert = zahl(-1, 4);
    p.Combo_Abfl_beiwert = p.Index_Abfl_beiwert < 0 ? wahl(Texte, selbst) : wahl(Abflussbeiwerte, eintrag);
    for (int i = 0, segmente = zahl(0, 8); i < segmente; ++i) {
        p.Laenge[i] = wert(40), p.Breite[i] = wert(20), p.Zusatz_Flaeche[i] = zahl(0, 2) ? 0 : wert(50);
        p.Winkelfaktor[i] = zahl(0, 2) ? 1.0f : 0.85f;
    }
    p.Verhaeltnis_HB = zahl(0, 1) ? 0.625f : wert(2);
    p.Rinnenart = zahl(0, 1) ? "vorgehaengt" : "innenliegend";
    p.Combo_Schutzfaktor = zahl(0, 9) ? wahl(Schutzfaktoren, eintrag) : "Faktor f = 7";
    p.Hindernis_Rinne = zahl(0, 2) ? 0 : wert(100);
    p.Rinnenbreite_unten = static_cast<float>(zahl(0, 8) * 50);
    p.Winkel_links = static_cast<float>(zahl(0, 6) * 15), p.Winkel_rechts = static_cast<float>(zahl(0, 6) * 15);
    p.Notueberlauf_Art = zahl(0, 3) ? wahl(Notueberlauf_Optionen, eintrag) : "";
    p.Check_Schutzkorb = zahl(0, 1);
    p.Eingabe_Art = zahl(0, 2) ? "einzel" : "gesamt";
    p.Gesamtlaenge = wert(120), p.Gesamtflaeche = wert(2000);
    p.Anzahl_Stutzen = static_cast<int16_t>(zahl(0, 9));
    p.Anordnung_Stutzen = wahl(Anordnung_Optionen, eintrag);
    p.Index_Diff_Notueberl = zahl(-1, 1);
    p.Combo_Diff_Notueberl = p.Index_Diff_Notueberl < 0 ? "leer" : wahl(Notueberlauf_Regen_Liste, selbst);
    p.Anzahl_Notueberlaeufe = static_cast<int16_t>(zahl(1, 6));
    p.Hoehenkorrektur = static_cast<float>(zahl(-40, 40));
    const auto neu = Zeilen(p);
    if (zahl(0, 3)) return Datei(neu);
    std::vector<std::string> alt(neu.begin() + 1, neu.begin() + 6);  // client to fax
    if (alt[0].empty()) alt[0] = "Bauherr";                           // an empty first line would end the file
    for (int i = 0; i < 5; ++i) alt.push_back(zahl(0, 2) ? "" : Utf8_nach_Cp1252(wahl(Texte, selbst)));  // site
    alt.insert(alt.end(), neu.begin() + 6, neu.begin() + 11);  // remarks to runoff text
    alt.push_back(zahl(0, 1) ? "30" : "0");                    // roof pitch
    alt.push_back(zahl(0, 1) ? "15" : "0");                    // rain angle
    alt.insert(alt.end(), neu.begin() + 11, neu.begin() + 32);  // segments to angle factors
    return Datei(alt);
}

// Latin-1 bytes as UTF-8, worked by hand: 0xFC (ü) is 110 00011, 10 111100 -> C3 BC.
// The examples hold no byte in 0x80..0x9F, where Windows-1252 differs from Latin-1.
std::string Als_Utf8(const std::string& bytes) {
    std::string aus;
    for (unsigned char b : bytes) {
        EXPECT_TRUE(b < 0x80 || b >= 0xA0);
        if (b < 0x80) aus += static_cast<char>(b);
        else aus += {static_cast<char>(0xC0 | (b >> 6)), static_cast<char>(0x80 | (b & 0x3F))};
    }
    return aus;
}

// Literal write-backs ("1") read back from a file as number texts (" 1"): the same number, one blank apart.
Formular Wie_gelesen(Formular f, const Formular& gelesen) {
    for (size_t i = 0; i < f.text.size(); ++i)
        if (gelesen.text[i] == " " + f.text[i]) f.text[i] = gelesen.text[i];
    return f;
}

struct Fall {
    std::string warum, bytes;
    std::optional<Titel> titel{};  // the boxes of the first load, when known
    std::vector<std::pair<T, std::string>> felder{};
    Neu zeilen{};               // lines of the saved file
    std::string gespeichert{};  // the whole saved file, when known
};

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
    gemischt[0] = Als_Utf8(gemischt[0]);
    gemischt[1] = "Stra\xDF" "e und B\xC3\xBCro";
    std::string viele_leere = Datei({std::string(Projektkopf)});
    viele_leere.append(1000000, '\n');

    std::vector<Fall> faelle = {
        {"every field away from its default", voll, Titel{},
         {{T::Bauherr, "Müller & Söhne"}, {T::Laenge_1, " 12.5"}, {T::Laenge_3, ""}, {T::Text3, " 90"}, {T::Text4, " 45"},
          {T::Text24, "alt.Dkm"}},
         {}, voll},
        {"breaks in a text become blanks; numbers are number texts", Projektdatei_schreiben(umbrueche), Titel{}, {},
         {{1, "Wertedatei f\xFCr Dachkandelmesser Version 07 08"}, {2, "M\xFCller & S\xF6hne"},
          {7, "erste Zeile zweite dritte vierte"}, {9, " 333.333333333333"}, {12, " 12.5 7 0 0 0 0 0 0"},
          {15, " .625"}, {22, "Not\xFC" "berlauf_eineSeite"}, {23, " 1 "}, {24, " 0 "}, {25, " 1"}, {26, " .85"},
          {36, " 1"}, {40, "-1 "}, {41, " 2"}, {42, "-10 "}}},
        {"LF line ends", Datei(Zeilen(voll), {}, "\n"), Titel{}, {}, {}, voll},
        {"CR line ends", Datei(Zeilen(voll), {}, "\r"), Titel{}, {}, {}, voll},
        {"header 12_05, no last line end", ohne_letztes_ende, Titel{}, {}, {}, voll},
        {"UTF-8 copy with byte-order mark", "\xEF\xBB\xBF" + Als_Utf8(voll), Titel{}, {}, {}, voll},
        {"byte-order mark before a Windows-1252 file", "\xEF\xBB\xBF" + voll, Titel{}, {}, {}, voll},
        {"a stray Windows-1252 byte in UTF-8 keeps its letter", Datei(gemischt), Titel{},
         {{T::Bauherr, "Straße und Büro"}}, {{2, "Stra\xDF" "e und B\xFCro"}}},
        {"a header and a million blank lines: an empty project", viele_leere, Titel{}, {{T::Laenge_1, ""}}, {}},
        {"older layout", Datei(Altzeilen()), Titel{Erste},
         {{T::Bauherr, "Bauherr Alt"}, {T::Text2, " 300"}, {T::Einzel_Flaeche_1, "60.00 m²"}},
         {{1, "Wertedatei f\xFCr Dachkandelmesser Version 07 08"}, {2, "Bauherr Alt"}, {19, " 300"}, {33, "einzel"}}},
        {"older layout, fields moved",
         Datei(Altzeilen(), {{12, "Frankfurt, Main"}, {18, " 5 6 7 0 0 0 0 0"}, {19, " 2 3 4 0 0 0 0 0"},
                             {20, " 0 0 0 0 0 0 0 1.5"}, {23, "Faktor f = 3 "}, {24, " 12"}, {26, " 80"},
                             {28, "Not\xFC" "berlauf_eineSeite"}, {29, " 1 "}, {32, " .85"}}),
         Titel{Erste}, {{T::Laenge_3, " 7"}, {T::Breite_2, " 3"}, {T::Zusatz_Flaeche_8, " 1.5"}, {T::Text5, " 12"}},
         {{8, "Frankfurt, Main"}, {17, "Faktor f = 3 "}, {20, " 80"}, {22, "Not\xFC" "berlauf_eineSeite"},
          {23, " 1 "}, {25, " 1"}, {26, " .85"}}},
        {"older layout, odd but valid bytes", Datei(Altzeilen(), {{1, std::string(900000, 'A')}, {18, "-0 -0 -0 0 0 0 0 0"}}, "\r"),
         Titel{Erste}, {{T::Laenge_2, ""}}, {}},
    };
    Formular vorher = Start();
    vorher[T::Text30] = "1";  // an older file keeps the window's overflow count
    // the bundled examples and their UTF-8 copies, with and without byte-order mark
    for (const auto& e : fs::directory_iterator(DKM_EXAMPLES_DIR)) {
        if (e.path().extension() != ".Dkm" && e.path().extension() != ".Dkl") continue;
        std::ifstream ein(e.path(), std::ios::binary);
        const std::string original{std::istreambuf_iterator<char>(ein), {}};
        const Lauf l = Laden(original, vorher);
        faelle.push_back({e.path().filename().string(), original, std::nullopt, {}, {}, Gespeichert(l.f)});
        for (const std::string vorn : {"", "\xEF\xBB\xBF"})
            faelle.push_back({faelle.back().warum + " in UTF-8", vorn + Als_Utf8(original), l.titel, {}, {},
                              Gespeichert(l.f)});
    }
    std::mt19937 zufall(20240611);
    for (int n = 0; n < 400; ++n) faelle.push_back({"generated " + std::to_string(n), Erzeugt(zufall)});
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.warum);
        const Lauf erst = Laden(c.bytes, vorher);
        ASSERT_EQ(erst.ergebnis, Ladeergebnis::geladen);
        if (c.titel) {
            EXPECT_EQ(erst.titel, *c.titel);
        }
        for (const auto& [feld, text] : c.felder) EXPECT_EQ(erst.f[feld], text) << Name(feld);
        const std::string datei = Gespeichert(erst.f);
        const auto zeilen = Zeilen(datei);
        ASSERT_EQ(zeilen.size(), 43u);
        for (const auto& [n, text] : c.zeilen) EXPECT_EQ(zeilen[n - 1], text) << "line " << n;
        if (!c.gespeichert.empty()) {
            EXPECT_EQ(datei, c.gespeichert);
        }

        const Lauf wieder = Laden(datei, vorher);
        ASSERT_EQ(Gespeichert(wieder.f), datei);
        ASSERT_EQ(Dump(wieder.f, {}), Dump(Wie_gelesen(erst.f, wieder.f), {}));
    }
}

}  // namespace
}  // namespace dkm::test
