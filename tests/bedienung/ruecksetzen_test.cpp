// The resets as the user sees them afterwards: every box, tick and note a reset takes back, and
// nothing it must leave; No to the question leaves everything.
#include <gtest/gtest.h>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"

namespace dkm::test {
namespace {

constexpr T Projektfelder[] = {T::Bauherr, T::strasse, T::PLZ_Ort, T::Telef, T::Fax, T::Bemerkungen};

// Every input away from its start value, every box ticked, the file named.
struct Ruecksetzen : ::testing::Test {
    Formular f = Startformular();
    Skript_Dialoge d;
    void SetUp() override {
        for (T t : Projektfelder) f[t] = "Kunde";
        for (int i = 1; i <= 8; ++i) Segment(f, i, "5", "4", "2");
        for (auto [t, text] : {std::pair{T::Text1, "0.7"}, {T::Text2, "250"}, {T::Text3, "80"}, {T::Text4, "85"},
                               {T::Text5, "0.5"}, {T::Text30, "3"}})
            f[t] = text;
        Liste_Click(f, d, L::Combo_Wahl_Regensp, 9);
        Liste_Click(f, d, L::Combo_Schutzfaktor, 2);
        Liste_Click(f, d, L::Combo_Abfl_beiwert, 1);
        for (int i = 1; i <= 8; ++i) Check_Click(f, d, Check(i), true);
        Check_Click(f, d, S::Check_Schutzkorb, true);
        Projekt_gespeichert(f, "/tmp/Halle.Dkm");
        ASSERT_TRUE(f[V::Label14] && f[V::Picture37] && f[V::Text24] && f[S::Check8]);
        d.neu();
    }
};

TEST_F(Ruecksetzen, ValuesResetClearsEveryValueAndTickAndKeepsTheProjectData) {
    d.neu({true});
    Command1_Click(f, d);
    EXPECT_EQ(d.titel(), Texte{"Rinnenmaße löschen"});
    const std::pair<T, const char*> boxen[] = {{T::r5_5, "400"}, {T::r5_100, "800"}, {T::Text1, ""}, {T::Text2, "200"},
                                               {T::Text3, ""},     {T::Text4, ""},      {T::Text5, ""}, {T::Text30, "1"},
                                               {T::Text25, ""},    {T::Text26, ""},     {T::Text27, ""}};
    for (auto [t, text] : boxen) EXPECT_EQ(f[t], text) << Name(t);
    for (int i = 1; i <= 8; ++i) {
        for (T t : {Laenge(i), Breite(i), Zusatz_Flaeche(i), Einzel_Flaeche(i)}) EXPECT_EQ(f[t], "") << Name(t);
        EXPECT_FALSE(f[Check(i)]) << i;
    }
    EXPECT_EQ(f[L::Combo_Wahl_Regensp].text, "Stadt auswählen");
    EXPECT_EQ(f[L::Combo_Schutzfaktor].text, "kein bes. Schutz (f=1)");
    EXPECT_EQ(f[L::Combo_Abfl_beiwert].text, "wasserundurchlässig (C=1)");
    EXPECT_FALSE(f[S::Check_Schutzkorb] || f[V::Label14] || f[V::Picture37]) << "the leaf guard's note goes with it";
    EXPECT_TRUE(f[S::Option1] && f[S::Option3] && f[S::Option6] && f[S::Option10]);
    for (T t : Projektfelder) EXPECT_EQ(f[t], "Kunde");
    EXPECT_TRUE(f[V::Text24]);
}

TEST_F(Ruecksetzen, ProjectDataResetClearsTheSixFieldsOnly) {
    d.neu({true});
    Command9_Click(f, d);
    EXPECT_EQ(d.titel(), Texte{"Projektdaten löschen"});
    for (T t : Projektfelder) EXPECT_EQ(f[t], "") << Name(t);
    EXPECT_EQ(f[T::Laenge_8], "5");
    EXPECT_TRUE(f[S::Check8]);
}

// A new project forgets the file too; No to any of the questions keeps every box as it was.
TEST_F(Ruecksetzen, NewProjectForgetsTheFileAndNoKeepsAll) {
    f[T::Laenge_1] = "6";  // unsaved: the new project asks too
    const Formular vorher = f;
    for (auto befehl : {Command1_Click, Command9_Click, Command7_Click}) {
        d.neu({false});
        befehl(f, d);
        EXPECT_EQ(f.text, vorher.text);
        EXPECT_EQ(f.wahl, vorher.wahl);
    }
    d.neu({true});
    Command7_Click(f, d);
    EXPECT_EQ(d.titel(), Texte{"Projekt neu anlegen"});
    EXPECT_FALSE(f[V::Text24] || f[V::Label4]);
    EXPECT_EQ(f[T::Bemerkungen] + f[T::Laenge_1] + f[T::Zusatz_Flaeche_8], "");
}

}  // namespace
}  // namespace dkm::test
