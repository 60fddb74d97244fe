// Damaged project files, current and older layouts: "Datei-Kontrolle" after the boxes already shown, and the
// window keeps its project; values no file can hold are refused at saving and the old file stays.
#include <gtest/gtest.h>

#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

TEST(Kaputt, DamagedFilesEndInDateiKontrolleAndTheWindowKeepsItsProject) {
    const std::string Baustelle = "Nichtübernahme Baustellenwerte", Wind = "Fehlende Funtion",
                      Innen = "Ältere Version, innenliegende Rinne";
    const auto voll = Zeilen(Volles_Projekt());
    const auto alt = Mit(Altzeilen(), {{7, "Baustelle"}, {16, "30"}, {17, "10"}, {22, "innenliegend"}});
    const auto bis = [](const std::vector<std::string>& z, size_t n) { return Datei({z.begin(), z.begin() + n}); };
    struct Fall {
        std::string warum, bytes;
        Titel titel{};  // the older import's boxes before "Datei-Kontrolle"
    };
    std::vector<Fall> faelle = {
        {"a text for a number", Volle_Datei({{31, " abc"}})}, {"a unit", Volle_Datei({{15, " 12.5m"}})},
        {"beyond float", Volle_Datei({{18, " 1e39"}})}, {"beyond float, r(5,5)", Volle_Datei({{9, " 1e39"}})},
        {"nan", Volle_Datei({{12, " 1 nan 0 0 0 0 0 0"}})}, {"inf", Volle_Datei({{42, " inf "}})},
        {"exponent without digits", Volle_Datei({{20, " 1e"}})}, {"a word as index", Volle_Datei({{39, "eins"}})},
        {"beyond 16 bits", Volle_Datei({{41, " 32768"}})}, {"below 16 bits", Volle_Datei({{36, "-40000"}})},
        // finite, but 10^7 or more in its unit: no project comes near
        {"-1e38", Volle_Datei({{9, " -1e38"}})}, {"10^7", Volle_Datei({{10, " 10000000"}})},
        {"-10^7 in a segment", Volle_Datei({{12, " 1 2 3 4 5 6 7 -1e7"}})}, {"1e38", Volle_Datei({{19, " 1e38"}})},
        {"9999999.9 is 10^7 as a float", Volle_Datei({{20, " 9999999.9"}})},
        {"3e7 as a switch", Volle_Datei({{23, " 3e7 "}})}, {"1e7 as an index", Volle_Datei({{39, " 1e7 "}})},
        {"1e300", Volle_Datei({{41, " 1e300"}})}, {"1e38 as height", Volle_Datei({{42, " 1e38 "}})},
        {"a 600000-digit number", Volle_Datei({{15, std::string(600000, '1')}})},
        {"a 10 MB remark", Volle_Datei({{7, std::string(10u << 20, 'x')}})},
        {"beyond the size limit", std::string(Projektdatei_Hoechstgroesse + 1, 'x')},
        {"a program", std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), {Erste}},
        {"zero bytes", std::string(1000000, '\0'), {Erste}},
        {"a million empty lines", Datei(std::vector<std::string>(1000000, ""))},
        {"a million LF", std::string(1000000, '\n')},
        {"empty", ""},
        {"older, cut after line 10", bis(alt, 10), {Erste}},
        {"older, cut after line 16", bis(alt, 16), {Erste, Baustelle}},
        {"older, cut after line 30", bis(alt, 30), {Erste, Baustelle, Wind, Innen}},
        {"older, last line missing", bis(alt, 37), {Erste, Baustelle, Wind, Innen}},
        {"older, a word for the ratio", Datei(alt, {{21, "schmal"}}), {Erste, Baustelle, Wind}},
        {"older, one line", "kein Projekt\r\n", {Erste}},
        {"older, beyond float", Datei(Altzeilen(), {{13, " 1e39"}}), {Erste}},
        {"older, nan", Datei(Altzeilen(), {{18, " nan 0 0 0 0 0 0 0"}}), {Erste}},
        {"older, inf", Datei(Altzeilen(), {{36, " inf"}}), {Erste}},
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
        EXPECT_EQ(l.f.text, vorher.text);
        EXPECT_EQ(l.f.Sicherheitsfaktor, vorher.Sicherheitsfaktor);
        EXPECT_EQ(l.f.Winkelfaktor, vorher.Winkelfaktor);
        EXPECT_EQ(l.f.Ladevorgang, nein);
        EXPECT_FALSE(l.f[V::Hilfe_Text]);
    }
    const Formular knapp = Laden(Volle_Datei({{20, "-9999999"}, {21, " 9999999"}})).f;  // just inside
    EXPECT_EQ(knapp[T::Text3] + knapp[T::Text4], "-9999999 9999999");
}

class Abgelehnt : public Testordner {};

// What a box holds but no file could give back is refused, naming the field; the file on disk stays.
TEST_F(Abgelehnt, SavingRefusesWhatNoLoadWouldTakeBack) {
    const struct {
        T feld;
        std::string text, meldung;
    } faelle[] = {
        {T::Laenge_3, "1" + std::string(40, '0'), "Länge der Teilstrecke 3"},
        {T::r5_100, "10000000", "r(5,100)"},
        {T::Text27, "70000", "Anzahl der Abläufe"},
        {T::PLZ_Ort, "00-950 Łódź",  // "€" has a Windows-1252 byte, "Ł" none
         "Das Projekt wurde nicht gespeichert: Das Feld ´PLZ / Ort´ enthält das Zeichen „Ł“, das eine "
         "Projektdatei nicht aufnehmen kann. Bitte ersetzen Sie es."},
    };
    const auto datei = ordner / "KandProj.Dkm";
    for (const auto& c : faelle) {
        Schreiben(datei, "alter Inhalt");
        Formular f = Start();
        f[T::Bemerkungen] = "Preis 12 €";
        f[c.feld] = c.text;
        const auto fehler = Projekt_speichern(f, datei);
        ASSERT_TRUE(fehler) << c.text;
        EXPECT_NE(fehler->find(c.meldung), std::string::npos) << *fehler;
        EXPECT_EQ(Inhalt(datei), "alter Inhalt");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner), {}), 1) << "no temporary file left";
        f[c.feld] = "";
        ASSERT_FALSE(Projekt_speichern(f, datei));
        EXPECT_EQ(Zeilen(Inhalt(datei))[6], "Preis 12 \x80");
    }
    // a UTF-8 file brings such a letter in; it shows as it is and is not saved silently changed
    auto z = Zeilen(Volles_Projekt());
    z[0] = "Wertedatei f\xC3\xBCr Dachkandelmesser Version 07 08";
    z[7] = "Gda\xC5\x84sk";
    const Lauf l = Laden(Datei(z));
    EXPECT_EQ(l.f[L::Combo_Wahl_Regensp].text, "Gdańsk");
    Projektdaten p;
    const auto fehler = Projektdaten_sammeln(l.f, p);
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("´Wahl des Orts für die Regenmenge´ enthält das Zeichen „ń“"), std::string::npos);
}

}  // namespace
}  // namespace dkm::test
