// The switch between single and total dimensions, and the three modes that exclude each other:
// height correction, print preview, guide, with their shared buttons Command28..31.
#include "bedienung_hilfen.h"

namespace dkm::test {
namespace {

using Modus_Test = Bedienung;

// Single values are lost on the way to totals once TS 1 or TS 2 has an area; the way back cuts off
// every outlet beyond the fourth. No keeps the mode and the buttons that show it.
TEST_F(Modus_Test, SwitchingAsksOnlyWhenSomethingIsLost) {
    const std::vector<std::pair<T, bool>> zu_gesamt = {{T::Laenge_3, false}, {T::Laenge_2, true}, {T::Laenge_1, true}};
    for (const auto& [laenge, frage] : zu_gesamt) {
        f = Startformular();
        tippen({{laenge, "10"}, {static_cast<T>(static_cast<int>(laenge) + 8), "5"}});
        antworten({false});
        klick(S::Option11);
        EXPECT_EQ(titel(), frage ? Texte{"Auf Gesamtwerte umschalten"} : Texte{}) << Name(laenge);
        EXPECT_EQ(Ist_gesamt(f) && f[S::Option11] && f[A::Option6], !frage) << Name(laenge);
    }
    tippen({{T::Text25, "60"}, {T::Text26, "600"}});
    for (const auto& [stutzen, frage] : {std::pair{"4", false}, {"5", true}}) {
        Eingabe_Art_setzen(f, Masseingabe::gesamt);
        tippen(T::Text27, stutzen);
        const std::string flaeche = f[T::Einzel_Flaeche_1];
        antworten({false});
        klick(S::Option10);
        EXPECT_EQ(titel(), frage ? Texte{"Auf Einzelwerte umschalten"} : Texte{}) << stutzen;
        EXPECT_TRUE(Ist_gesamt(f) == frage && f[S::Option11] == frage && f[T::Einzel_Flaeche_1] == flaeche) << stutzen;
    }
    // Yes: the boxes of the split are single values now. TS 1 alone chose one outlet at the end (Option7):
    // 5 outlets give 2 * 5 - 1 = 9 segments of 60 / 9 = 6.67 m in TS 2..8, summed 7 * 6.67 = 46.69 m
    antworten({true});
    klick(S::Option10);
    EXPECT_TRUE(!Ist_gesamt(f) && !f[A::Option6] && !f[V::Text28] && f[T::Text28].empty());
    EXPECT_EQ(f[T::Text25], " 46.69");
}

// "Korr." raises the gutter in steps of 10 mm, never below 0; "übernehmen" keeps it, "auf Null setzen" takes it back.
TEST_F(Modus_Test, HeightCorrection) {
    innenrinne();
    const std::string hoehe = f[T::Text31];
    ASSERT_FALSE(hoehe.empty());
    Korrektur_oeffnen(f, d);
    EXPECT_TRUE(f.aktiver_Modus == Modus::Korrektur && f[V::Druckvorsch] && !f[A::Command11] && !f[A::Command30]);
    EXPECT_EQ(f[T::Text31], hoehe) << "opening does not recalculate";
    for (int i = 0; i < 3; ++i) Command28_Click(f, d);
    Command30_Click(f, d);
    EXPECT_TRUE(f.Hoehenkorrektur == 20 && f[A::Command30] && !f[A::Command11]);
    EXPECT_NE(f[T::Text31].find("(+20)"), std::string::npos) << f[T::Text31];
    Command31_Click(f, d);
    EXPECT_TRUE(f.aktiver_Modus == Modus::keiner && f[A::Command11] && !f[V::Druckvorsch] && f.Hoehenkorrektur == 20);
    Korrektur_oeffnen(f, d);
    EXPECT_TRUE(f[A::Command30]) << "the correction taken over is still there";
    f.Hoehenkorrektur = 5;  // from a file: stops at 0 all the same
    Command30_Click(f, d);
    Command30_Click(f, d);
    EXPECT_TRUE(f.Hoehenkorrektur == 0 && !f[A::Command30]);
    Command28_Click(f, d);
    Modus_beenden(f, d);
    EXPECT_TRUE(f.Hoehenkorrektur == 0 && f[T::Text31] == hoehe && f.aktiver_Modus == Modus::keiner && titel().empty());
}

// While the correction is open, what would change its gutter is refused, also a reset's own switches.
TEST_F(Modus_Test, CorrectionRefusesSwitches) {
    innenrinne();
    Korrektur_oeffnen(f, d);
    antworten({true});
    klick({S::Option1, S::Option3, S::Option4});
    EXPECT_FALSE(Vorschau_oeffnen(f, d));
    Leitfaden_starten(f, d);
    Command1_Click(f, d);
    const std::string vorgehaengt = "Konflikt Umschalten auf vorgehängte Rinne mit Korrektur Rinnenhöhe",
                      beidseits = "Konflikt Umschalten von Überlauf beidseits mit Korrektur Rinnenhöhe";
    EXPECT_EQ(titel(), (Texte{vorgehaengt, beidseits, "Konflikt Umschalten von Überlauf eine Seite mit Korrektur Rinnenhöhe",
                              "Konflikt Druckvorschau mit Korrektur Rinnenhöhe",
                              "Konflikt Leitfaden mit Korrektur Rinnenhöhe", "Rinnenmaße löschen", vorgehaengt, beidseits}));
    EXPECT_TRUE(f[S::Option2] && f[S::Option5] && f[V::Rinnen_innenliegend] && f.aktiver_Modus == Modus::Korrektur);
}

// The preview turns its page and closes without a run: it changed nothing. The guide takes its box over,
// the correction asks first.
TEST_F(Modus_Test, PreviewTurnsAndCloses) {
    ASSERT_TRUE(Vorschau_oeffnen(f, d));
    EXPECT_TRUE(f.aktiver_Modus == Modus::Vorschau && f[V::Druckvorsch] && Vorschau_Seitennummer(f) == 1);
    Command28_Click(f, d);
    EXPECT_EQ(Vorschau_Seitennummer(f), 2);
    Command28_Click(f, d);
    EXPECT_EQ(Vorschau_Seitennummer(f), 1);
    f[T::Laenge_1] = "10", f[T::Breite_1] = "5";  // typed, not yet left
    Modus_beenden(f, d);
    EXPECT_TRUE(f.aktiver_Modus == Modus::keiner && !f[V::Druckvorsch] && f[T::Einzel_Flaeche_1].empty());
    Vorschau_blaettern(f);
    EXPECT_EQ(Vorschau_Seitennummer(f), 1) << "no page to turn outside the preview";

    ASSERT_TRUE(Vorschau_oeffnen(f, d));
    antworten({false});
    Korrektur_oeffnen(f, d);
    EXPECT_TRUE(titel() == Texte{"Konflikt Korrektur Rinnenhöhe mit Druckvorschau."} &&
                f.aktiver_Modus == Modus::Vorschau);
    Leitfaden_starten(f, d);
    EXPECT_EQ(f.aktiver_Modus, Modus::Leitfaden);
    Modus_beenden(f, d);
    ASSERT_TRUE(Vorschau_oeffnen(f, d));
    Vorschau_verweigert(f);  // no report of these inputs: the preview closes again
    EXPECT_FALSE(f[V::Druckvorsch] || f.aktiver_Modus == Modus::Vorschau);
}

}  // namespace
}  // namespace dkm::test
