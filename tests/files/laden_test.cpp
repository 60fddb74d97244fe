// Loading over an open project: the questions before it and what an older file leaves at its start values;
// bytes that are neither Windows-1252 nor valid UTF-8.
#include <gtest/gtest.h>

#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

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
