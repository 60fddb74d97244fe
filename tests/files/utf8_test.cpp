// Project files an editor re-saved in UTF-8, and texts no project file can hold.
#include <gtest/gtest.h>

#include "cli/dump.h"
#include "files/kodierung.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

namespace fs = std::filesystem;

// Latin-1 bytes as UTF-8, worked by hand: 0xFC (ü) is 110 00011, 10 111100 -> C3 BC.
// The examples hold no byte in 0x80..0x9F, where Windows-1252 differs from Latin-1.
std::string Als_Utf8(const std::string& bytes) {
    std::string aus;
    for (unsigned char b : bytes) {
        if (b < 0x80) {
            aus += static_cast<char>(b);
        } else {
            EXPECT_GE(b, 0xA0);
            aus += static_cast<char>(0xC0 | (b >> 6));
            aus += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return aus;
}

std::string Laden_und_Dump(const std::string& inhalt, Ladeergebnis erwartet = Ladeergebnis::geladen) {
    Formular f = Start();
    Aufzeichnung d(&f);
    EXPECT_EQ(Projekt_laden(f, d, "beispiel", inhalt), erwartet);
    return Dump(f, d.meldungen);
}

TEST(Utf8, EveryExampleLoadsAlikeFromAUtf8Copy) {
    EXPECT_EQ(Als_Utf8("f\xFCr"), "f\xC3\xBCr");
    int anzahl = 0;
    for (const auto& e : fs::directory_iterator(DKM_EXAMPLES_DIR)) {
        if (e.path().extension() != ".Dkm" && e.path().extension() != ".Dkl") continue;
        std::ifstream ein(e.path(), std::ios::binary);
        const std::string original{std::istreambuf_iterator<char>(ein), {}};
        const std::string utf8 = Als_Utf8(original);
        ASSERT_NE(utf8, original) << e.path() << " holds umlauts";
        const std::string erwartet = Laden_und_Dump(original);
        EXPECT_EQ(Laden_und_Dump(utf8), erwartet) << e.path();
        EXPECT_EQ(Laden_und_Dump("\xEF\xBB\xBF" + utf8), erwartet) << e.path() << " with byte-order mark";
        ++anzahl;
    }
    EXPECT_GE(anzahl, 6);
}

// Saving what a UTF-8 file gave writes Windows-1252 again, byte for byte as from the original.
TEST(Utf8, SavingWritesWindows1252Again) {
    const std::string original = Datei(Zeilen(Volles_Projekt()));
    Projektdaten a, b;
    const Formular f = Geladen(original), g = Geladen("\xEF\xBB\xBF" + Als_Utf8(original));
    ASSERT_FALSE(Projektdaten_sammeln(f, a));
    ASSERT_FALSE(Projektdaten_sammeln(g, b));
    EXPECT_EQ(Projektdatei_schreiben(b), Projektdatei_schreiben(a));
    EXPECT_EQ(Zeilen(Projektdatei_schreiben(b))[1], "M\xFCller & S\xF6hne");
}

// A stray Windows-1252 byte in a UTF-8 file is kept as the letter it was;
// a header in Windows-1252 after a byte-order mark still counts.
TEST(Utf8, MixedBytesLoseNothing) {
    auto z = Zeilen(Volles_Projekt());
    z[1] = "Stra\xDF" "e und B\xC3\xBCro";
    const Formular f = Geladen(Datei({Als_Utf8(z[0])}) + Datei(std::vector(z.begin() + 1, z.end())));
    EXPECT_EQ(f[T::Bauherr], "Straße und Büro");
    const Formular g = Geladen("\xEF\xBB\xBF" + Datei(Zeilen(Volles_Projekt())));
    EXPECT_EQ(g[T::Bauherr], "Müller & Söhne");
}

// Only well-formed UTF-8 counts as such: an overlong form, a surrogate or a cut sequence
// is read byte by byte as Windows-1252 (0xC0 À, 0xAF ¯, 0xED í, 0xA0 no-break space, 0x80 €).
TEST(Utf8, BrokenSequencesAreWindows1252Bytes) {
    EXPECT_EQ(Utf8_gesaeubert("\xC0\xAF"), "À¯");
    EXPECT_EQ(Utf8_gesaeubert("\xED\xA0\x80"), "í\u00A0€");
    EXPECT_EQ(Utf8_gesaeubert("\xF4\x90\x80\x80"), "ô\u0090€€") << "beyond U+10FFFF";
    EXPECT_EQ(Utf8_gesaeubert("B\xC3\xBCro \xC3"), "Büro Ã");
    EXPECT_TRUE(Ist_Utf8("Gda\xC5\x84sk \xF0\x9F\x8F\xA0"));
    EXPECT_FALSE(Ist_Utf8("M\xFCller"));
    EXPECT_EQ(Erstes_Zeichen_ohne_Cp1252("Œuvre – 5 € ÿ"), std::nullopt);
    EXPECT_EQ(Erstes_Zeichen_ohne_Cp1252("a€Łb"), "Ł");
    EXPECT_EQ(Erstes_Zeichen_ohne_Cp1252("\xF0\x9F\x8F\xA0"), "\xF0\x9F\x8F\xA0");
}

// "€" has a Windows-1252 byte (0x80), "Ł" has none: that save is refused, naming the field.
TEST(Utf8, TextsWindows1252CannotHoldAreRefusedAtSaving) {
    Formular f = Start();
    Projektdaten p;
    f[T::Bemerkungen] = "Preis 12 €";
    ASSERT_FALSE(Projektdaten_sammeln(f, p));
    EXPECT_EQ(Zeilen(Projektdatei_schreiben(p))[6], "Preis 12 \x80");

    f[T::PLZ_Ort] = "00-950 Łódź";
    const auto fehler = Projektdaten_sammeln(f, p);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler,
              "Das Projekt wurde nicht gespeichert: Das Feld ´PLZ / Ort´ enthält das Zeichen „Ł“, das eine "
              "Projektdatei nicht aufnehmen kann. Bitte ersetzen Sie es.");

    // and the file on disk is not touched
    const fs::path datei = fs::temp_directory_path() / "dkm-utf8-ablehnung.Dkm";
    std::ofstream(datei, std::ios::binary) << "alt";
    EXPECT_TRUE(Projekt_speichern(f, datei));
    std::ifstream ein(datei, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ein), {}), "alt");
    fs::remove(datei);

    // a UTF-8 file brings such a letter in; it shows as it is and is not saved silently changed
    auto z = Zeilen(Volles_Projekt());
    z[7] = "Gda\xC5\x84sk";  // ń
    const Formular g = Geladen(Datei({Als_Utf8(z[0])}) + Datei(std::vector(z.begin() + 1, z.end())));
    EXPECT_EQ(g[L::Combo_Wahl_Regensp].text, "Gdańsk");
    const auto zweiter = Projektdaten_sammeln(g, p);
    ASSERT_TRUE(zweiter);
    EXPECT_NE(zweiter->find("´Wahl des Orts für die Regenmenge´ enthält das Zeichen „ń“"), std::string::npos);
}

}  // namespace
}  // namespace dkm::test
