// The three resets as the user sees them afterwards: every box, tick and note a reset takes back and
// nothing it must leave; No to its question leaves everything.
#include <gtest/gtest.h>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"

namespace dkm::test {
namespace {

constexpr T Projektfelder[] = {T::Bauherr, T::strasse, T::PLZ_Ort, T::Telef, T::Fax, T::Bemerkungen};

// Every input away from its start value, every box ticked, the file named, one input not saved since.
Formular Volles_Fenster() {
    Formular f = Startformular();
    Skript_Dialoge d;
    for (T t : Projektfelder) f[t] = "Kunde";
    for (int i = 1; i <= 8; ++i) Segment(f, i, "5", "4", "2");
    for (auto [t, text] : {std::pair{T::Text1, "0.7"}, {T::Text2, "250"}, {T::Text3, "80"}, {T::Text4, "85"},
                           {T::Text5, "0.5"}, {T::Text30, "3"}})
        f[t] = text;
    Liste_Click(f, d, L::Combo_Wahl_Regensp, 9);
    Liste_Click(f, d, L::Combo_Schutzfaktor, 2);
    for (int i = 1; i <= 8; ++i) Check_Click(f, d, Check(i), true);
    Check_Click(f, d, S::Check_Schutzkorb, true);
    Projekt_gespeichert(f, "/tmp/Halle.Dkm");
    f[T::Laenge_1] = "6";
    return f;
}

TEST(Ruecksetzen, EachResetTakesBackItsFieldsAndNoKeepsAll) {
    // the values of a new project: the 24 segment boxes and these
    std::vector<std::pair<T, std::string>> werte = {
        {T::r5_5, "400"}, {T::r5_100, "800"}, {T::Text1, ""},  {T::Text2, "200"}, {T::Text3, ""},  {T::Text4, ""},
        {T::Text5, ""},   {T::Text30, "1"},   {T::Text25, ""}, {T::Text26, ""},   {T::Text27, ""}};
    for (int i = 1; i <= 8; ++i)
        for (T t : {Laenge(i), Breite(i), Zusatz_Flaeche(i), Einzel_Flaeche(i)}) werte.emplace_back(t, "");
    const struct { void (*befehl)(Formular&, Dialoge&); const char* titel; bool masse, projekt; } faelle[] = {
        {Command1_Click, "Rinnenmaße löschen", true, false},
        {Command9_Click, "Projektdaten löschen", false, true},
        {Command7_Click, "Projekt neu anlegen", true, true}};
    for (const auto& c : faelle)
        for (bool ja : {false, true}) {
            Formular f = Volles_Fenster();
            const Formular vorher = f;
            Skript_Dialoge d;
            d.neu({ja});
            c.befehl(f, d);
            EXPECT_EQ(d.titel(), Texte{c.titel});
            const bool masse = ja && c.masse, projekt = ja && c.projekt;
            for (T t : Projektfelder) EXPECT_EQ(f[t], projekt ? "" : "Kunde") << c.titel << ja;
            for (const auto& [t, text] : werte) EXPECT_EQ(f[t], masse ? text : vorher[t]) << Name(t) << c.titel << ja;
            for (int i = 1; i <= 8; ++i) EXPECT_EQ(f[Check(i)], !masse) << i << c.titel << ja;
            EXPECT_EQ(std::make_tuple(f[S::Check_Schutzkorb], f[V::Label14], f[V::Picture37]),
                      std::make_tuple(!masse, !masse, !masse)) << "leaf guard, its note, the sketch: " << c.titel << ja;
            EXPECT_EQ(f[L::Combo_Wahl_Regensp].text + "|" + f[L::Combo_Schutzfaktor].text,
                      masse ? "Stadt auswählen|kein bes. Schutz (f=1)" : "Berlin|Faktor f = 2");
            EXPECT_EQ(f[V::Text24] && f[V::Label4], !(masse && projekt)) << "a new project forgets the file";
        }
}

}  // namespace
}  // namespace dkm::test
