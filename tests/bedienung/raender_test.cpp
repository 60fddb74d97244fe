// The edges of the stepping controls and the notes that come and go with their condition: what the
// user sees on each side.
#include <gtest/gtest.h>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"

namespace dkm::test {
namespace {

struct Fenster {
    Formular f = Startformular();
    Skript_Dialoge d;
    void tippen(T feld, const std::string& text) {
        f[feld] = text;
        Feld_verlassen(f, d, feld);
    }
    // An internal gutter with overflows on the long side and the segments given, `laenge` by `breite` m.
    void innen(std::initializer_list<int> ts, const char* laenge = "10", const char* breite = "8") {
        Option_Click(f, d, S::Option2);
        Option_Click(f, d, S::Option5);
        f[T::Text2] = "300";
        for (int i : ts) Segment(f, i, laenge, breite);
        Command18_Click(f, d);
    }
};
struct Raender : ::testing::Test, Fenster {};

// "Höhe kleiner" is greyed at 0, from the opening on and when a step reaches it exactly.
TEST_F(Raender, HeightStepsStopAtZero) {
    innen({1});
    Korrektur_oeffnen(f, d);
    EXPECT_FALSE(f[A::Command30]) << "nothing to lower at 0";
    // button 28 "Höhe größer", 30 "Höhe kleiner": the height afterwards and whether 30 can be pressed
    const struct { void (*knopf)(Formular&, Dialoge&); float hoehe; bool kleiner; } schritte[] = {
        {Command28_Click, 10, true}, {Command28_Click, 20, true}, {Command30_Click, 10, true},
        {Command30_Click, 0, false}, {Command30_Click, 0, false}};
    for (const auto& s : schritte) {
        s.knopf(f, d);
        EXPECT_EQ(f.Hoehenkorrektur, s.hoehe);
        EXPECT_EQ(f[A::Command30], s.kleiner) << s.hoehe;
    }
}

// "zurück" is greyed on the introduction and the first step and does nothing there, also when the shared
// button was "Höhe kleiner" of a correction kept just before; the last step's "weiter" ends the guide.
TEST_F(Raender, GuideBackAtTheStartAndNextAtTheEnd) {
    innen({1});
    Korrektur_oeffnen(f, d), Command28_Click(f, d), Command31_Click(f, d);
    Leitfaden_starten(f, d);
    EXPECT_FALSE(f[A::Command30]);
    Command30_Click(f, d);
    const std::string erster(Leitfaden_Schritte().front().key);
    EXPECT_EQ(f.Leitfaden_Schritt, erster);
    Command28_Click(f, d);
    EXPECT_FALSE(f[A::Command30]);
    const std::string danach = f.Leitfaden_Schritt;
    Command30_Click(f, d);
    EXPECT_EQ(f.aktiver_Modus, Modus::Leitfaden);
    EXPECT_EQ(f.Leitfaden_Schritt, danach) << "the first step stays";
    Command28_Click(f, d);
    EXPECT_TRUE(f[A::Command30]);
    int schritte = 0;
    while (f.aktiver_Modus == Modus::Leitfaden && ++schritte < 30) Command28_Click(f, d);
    EXPECT_EQ(f.aktiver_Modus, Modus::keiner);
    EXPECT_FALSE(f[A::Command28] || f[A::Command30]);
}

// Each note shows while its condition holds and goes when it no longer does.
TEST_F(Raender, NotesFollowTheirCondition) {
    Segment(f, 1, "1", "1");  // 1 m² at 300 l/(s·ha): 0.03 l/s, the smallest pipe, under 75 mm
    Command18_Click(f, d);
    EXPECT_TRUE(f[V::Label3]);
    tippen(T::Laenge_1, "20");
    tippen(T::Breite_1, "10");  // 200 m²: 6 l/s needs a pipe of 75 mm or more
    EXPECT_FALSE(f[V::Label3]);
    for (bool an : {true, false, true, false}) {
        Check_Click(f, d, S::Check_Schutzkorb, an);
        EXPECT_EQ(f[V::Label14], an);
    }
    Hilfe_Hover(f, "Label7");
    ASSERT_TRUE(f[V::Hilfe_Text]);
    Command17_Click(f);
    EXPECT_FALSE(f[V::Hilfe_Text]) << "switched off, the help goes at once";

    Fenster innenrinne;
    innenrinne.innen({1}, "1", "1");
    EXPECT_TRUE(innenrinne.f[V::Label6]);
    innenrinne.tippen(T::Laenge_1, "20");
    innenrinne.tippen(T::Breite_1, "10");
    EXPECT_FALSE(innenrinne.f[V::Label6]);
}

// An internal gutter has an outlet for each pair of segments up to the first empty one from TS 2 on,
// and a box for each: TS 1..6 are three, TS 7 brings the fourth.
TEST_F(Raender, OutletBoxesUpToTheFourth) {
    innen({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(f[V::Picture29] && f[V::Picture30] && f[V::Picture31]);
    EXPECT_FALSE(f[V::Picture32]);
    Segment(f, 7, "10", "8");
    Command18_Click(f, d);
    EXPECT_TRUE(f[V::Picture32]);
}

}  // namespace
}  // namespace dkm::test
