// Loading over an open project; damaged project files, current and older layouts: "Datei-Kontrolle" after the boxes
// already shown, and the window keeps its project; values no file can hold are refused at saving, the old file stays.
#include <gtest/gtest.h>

#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

TEST(Kaputt, DamagedFilesEndInDateiKontrolleAndTheWindowKeepsItsProject) {
    const auto voll = Zeilen(Volles_Projekt());
    const auto alt = Mit(Altzeilen(), {{7, "Baustelle"}, {16, "30"}, {17, "10"}, {22, "innenliegend"}});
    const auto bis = [](const std::vector<std::string>& z, size_t n) { return Datei({z.begin(), z.begin() + n}); };
    const auto v = [](size_t n, const std::string& z) { return Volle_Datei({{n, z}}); };
    struct Fall { std::string warum, bytes; Titel titel{}; };  // titel: the older import's boxes before the failure
    std::vector<Fall> faelle = {
        {"a text for a number", v(31, " abc")}, {"a unit", v(15, " 12.5m")}, {"beyond float", v(18, " 1e39")},
        {"beyond float, r(5,5)", v(9, " 1e39")}, {"nan", v(12, " 1 nan 0 0 0 0 0 0")}, {"inf", v(42, " inf ")},
        {"exponent without digits", v(20, " 1e")}, {"a word as index", v(39, "eins")},
        {"beyond 16 bits", v(41, " 32768")}, {"below 16 bits", v(36, "-40000")},
        // finite, but 10^7 or more in its unit: no project comes near
        {"-1e38", v(9, " -1e38")}, {"10^7", v(10, " 10000000")}, {"-10^7 in a segment", v(12, " 1 2 3 4 5 6 7 -1e7")},
        {"1e38", v(19, " 1e38")}, {"9999999.9 is 10^7 as a float", v(20, " 9999999.9")},
        {"3e7 as a switch", v(23, " 3e7 ")}, {"1e7 as an index", v(39, " 1e7 ")}, {"1e300", v(41, " 1e300")},
        {"1e38 as height", v(42, " 1e38 ")},
        // not 0 but below 0.0001 in its unit: no measure either, and its text would run on for dozens of digits
        {"1e-45", v(15, " 1e-45")}, {".00009 in a segment", v(13, " 1 2 3 4 5 6 7 .00009")},
        {"-.00009 as r(5,5)", v(9, "-.00009")}, {"1e-300 as an index", v(40, " 1e-300 ")},
        {"a 600000-digit number", v(15, std::string(600000, '1'))},
        {"a 10 MB remark", v(7, std::string(10u << 20, 'x'))}, {"a million LF", std::string(1000000, '\n')},
        {"beyond the size limit", std::string(Projektdatei_Hoechstgroesse + 1, 'x')},
        {"a program", std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), {Erste}},
        {"zero bytes", std::string(1000000, '\0'), {Erste}},
        {"a million empty lines", Datei(std::vector<std::string>(1000000, ""))}, {"empty", ""},
        {"older, cut after line 10", bis(alt, 10), {Erste}},
        {"older, cut after line 16", bis(alt, 16), {Erste, Baustelle}},
        {"older, cut after line 30", bis(alt, 30), {Erste, Baustelle, Wind, Innen}},
        {"older, last line missing", bis(alt, 37), {Erste, Baustelle, Wind, Innen}},
        {"older, a word for the ratio", Datei(alt, {{21, "schmal"}}), {Erste, Baustelle, Wind}},
        {"older, one line", "kein Projekt\r\n", {Erste}}, {"older, inf", Datei(Altzeilen(), {{36, " inf"}}), {Erste}},
        {"older, beyond float", Datei(Altzeilen(), {{13, " 1e39"}}), {Erste}},
        {"older, nan", Datei(Altzeilen(), {{18, " nan 0 0 0 0 0 0 0"}}), {Erste}},
    };
    for (size_t n = 1; n < 43; ++n) faelle.push_back({"cut after line " + std::to_string(n), bis(voll, n)});

    EXPECT_EQ(Laden("kein Projekt").f[V::Text24], false) << "no project before: the name stays hidden";
    Formular vorher = Laden(Volle_Datei()).f;
    vorher.werte.Einzel_Flaeche = {};  // no question before overwriting
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.warum);
        const Lauf l = Laden(c.bytes, vorher);
        EXPECT_EQ(l.ergebnis, Ladeergebnis::Datei_Kontrolle);
        Titel titel = c.titel;
        titel.push_back(Kontrolle);
        EXPECT_EQ(l.titel, titel);
        EXPECT_EQ(l.boxen.back().text, "Die ausgewählte Datei ist keine Datei mit Daten für die Dachkandelmesser; "
                                       "eventuell ist sie beschädigt.");
        EXPECT_EQ(Dump(l.f, {}), Dump(vorher, {}));  // inputs, results, visibility, the file name
        EXPECT_TRUE(l.f.text == vorher.text && l.f.Sicherheitsfaktor == vorher.Sicherheitsfaktor &&
                    l.f.Winkelfaktor == vorher.Winkelfaktor && !l.f.Ladevorgang && !l.f[V::Hilfe_Text]);
    }
    const Formular knapp = Laden(Volle_Datei({{19, "-1e-4"}, {20, "-9999999"}, {21, " 9999999"}})).f;  // just inside
    EXPECT_EQ(knapp[T::Text2] + knapp[T::Text3] + knapp[T::Text4], "-.0001-9999999 9999999");
}

// What a box holds but no file could give back is refused, naming the field; the file on disk stays.
TEST_F(Testordner, SavingRefusesWhatNoLoadWouldTakeBack) {
    const struct { T feld; std::string text, meldung; } faelle[] = {
        {T::Laenge_3, "1" + std::string(40, '0'), "Länge der Teilstrecke 3"}, {T::r5_100, "10000000", "r(5,100)"},
        {T::Text27, "70000", "Anzahl der Abläufe"},
        {T::Breite_2, ".00009", "Die Eingabe ´Dachbreite der Teilstrecke 2´ ist für die Berechnung zu klein"},
        {T::PLZ_Ort, "00-950 Łódź",  // "€" has a Windows-1252 byte, "Ł" none
         "Das Projekt wurde nicht gespeichert: Das Feld ´PLZ / Ort´ enthält das Zeichen „Ł“, das eine "
         "Projektdatei nicht aufnehmen kann. Bitte ersetzen Sie es."},
    };
    for (const auto& c : faelle) {
        Schreiben(datei, "alter Inhalt");
        Formular f = Start();
        f[T::Bemerkungen] = "Preis 12 €";
        f[c.feld] = c.text;
        const Erfolg<> gespeichert = Projekt_speichern(f, datei);
        ASSERT_FALSE(gespeichert) << c.text;
        EXPECT_NE(gespeichert.fehler().text.find(c.meldung), std::string::npos) << gespeichert.fehler().text;
        EXPECT_EQ(Inhalt(datei), "alter Inhalt");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner), {}), 1) << "no temporary file left";
        f[c.feld] = "";
        ASSERT_TRUE(Projekt_speichern(f, datei));
        EXPECT_EQ(Zeilen(Inhalt(datei))[6], "Preis 12 \x80");
    }
    // a UTF-8 file brings such a letter in; it shows as it is and is not saved silently changed
    auto z = Zeilen(Volles_Projekt());
    z[0] = "Wertedatei f\xC3\xBCr Dachkandelmesser Version 07 08";
    z[7] = "Gda\xC5\x84sk";
    const Lauf l = Laden(Datei(z));
    EXPECT_EQ(l.f[L::Combo_Wahl_Regensp].text, "Gdańsk");
    const auto p = Projektdaten_sammeln(l.f);
    ASSERT_FALSE(p);
    EXPECT_NE(p.fehler().text.find("´Wahl des Orts für die Regenmenge´ enthält das Zeichen „ń“"), std::string::npos);
}

// A project with unsaved input: the user agreed to overwrite it, and the file's mode wins without asking
// about the old values.
TEST(Projekt_laden, ModeComesFromTheFileWithoutTheSwitchQuestions) {
    Formular geaendert = Laden(Volle_Datei()).f;
    geaendert[T::Laenge_3] = "4";
    const Lauf l = Laden(Volle_Datei({{33, "gesamt"}}), geaendert, true);
    EXPECT_EQ(l.titel, Titel{"Daten aufrufen"});
    EXPECT_TRUE(l.f[S::Option11] && !l.f[S::Option10]);
}

// The question comes only when something changed since the last load, and No leaves everything.
TEST(Projekt_laden, NoToTheOverwriteQuestionLeavesEverything) {
    Formular vorher = Laden(Volle_Datei()).f;
    vorher[T::Bauherr] = "Neu";
    Formular f = vorher;
    Skript_Dialoge nein;
    nein.sonst = false;
    int gelesen = 0;
    const auto lesen = [&] { return ++gelesen, Erfolg<std::string>(Projektdatei_schreiben(Projektdaten{})); };
    EXPECT_EQ(Projekt_laden(f, nein, "neu.Dkm", lesen), Ladeergebnis::abgelehnt);
    EXPECT_EQ(Dump(f, {}), Dump(vorher, {})) << "the name alt.Dkm included";
    EXPECT_EQ(gelesen, 0);
    ASSERT_EQ(nein.protokoll.size(), 1u);
    EXPECT_EQ(nein.protokoll[0].titel + ": " + nein.protokoll[0].text, "Daten aufrufen: "
              "Eventuell im Formular eingegebene Daten werden überschrieben. In Ordnung?");

    // typed back as it was loaded (" 12.5" as "12.5"): nothing unsaved
    f[T::Bauherr] = Laden(Volle_Datei()).f[T::Bauherr];
    f[T::Laenge_1] = f[T::Laenge_1].substr(1);
    Skript_Dialoge still;
    still.sonst = false;
    EXPECT_EQ(Projekt_laden(f, still, "neu.Dkm", lesen), Ladeergebnis::geladen);
    EXPECT_TRUE(still.protokoll.empty());
}

// The older layout has no total mode, overflow count or correction: they start as in a new window,
// so the file gives the same window whatever project was open before.
TEST(Altprojekt, MissingFieldsTakeTheirStartValues) {
    const Formular vorher = Laden(Volle_Datei({{33, "gesamt"}, {36, " 6"}, {37, "beidseits aussen"}, {41, " 4"}})).f;
    ASSERT_TRUE(vorher[S::Option11]);
    // six outlets: switching by hand would ask before cutting off segments; the file decides
    const Lauf l = Laden(Datei(Altzeilen()), vorher, true);
    ASSERT_EQ(l.titel, (Titel{Erste})) << "nothing unsaved to ask about";
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
