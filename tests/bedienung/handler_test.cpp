// The input handlers: leaving a box, choosing an option, ticking a box, picking a list entry.
#include "bedienung_hilfen.h"

namespace dkm::test {
namespace {

using Handler = Bedienung;

// A length alone waits for its area silently, an area alone beeps, other boxes say what is missing;
// a number not a measure is refused and the results stay.
TEST_F(Handler, LeavingABoxRecalculatesOrSaysWhy) {
    tippen(T::Laenge_1, "10");
    EXPECT_TRUE(d.protokoll.empty() && f[T::Einzel_Flaeche_1].empty());
    EXPECT_EQ(f.Masse_Hinweis, "Ergebnisse nicht aktuell \u2013 TS 1: Länge ohne Fläche");
    tippen(T::Breite_1, "6");  // 10 m x 6 m = 60 m², 60 * 300 / 10000 = 1.80 l/s
    EXPECT_EQ(f[T::Einzel_Flaeche_1] + f[T::Belast_Teilrinne_1], "60.00 m²1.80 l/s");
    EXPECT_TRUE(f.Ergebnisse_aktuell && f.Masse_Hinweis.empty());
    tippen(T::Breite_2, "5");
    EXPECT_EQ(d.pieptoene(), 1);
    EXPECT_EQ(f[T::Einzel_Flaeche_2], "");
    tippen(T::Text5, "2");
    EXPECT_EQ(titel(), Texte{"Maße fehlen!"});
    tippen({{T::Breite_2, ""}, {T::Zusatz_Flaeche_1, "7"}});  // 60 + 7 = 67 m², 2.01 l/s

    antworten();
    tippen(T::r5_5, "0.00009");
    EXPECT_EQ(titel(), Texte{"Eingabefehler"});
    EXPECT_EQ(d.protokoll[0].text, "Die Eingabe ´Regen 5 min/5 Jahre´ ist für die Berechnung zu klein (weniger als "
                                   "0,0001, aber nicht 0). Bitte prüfen Sie den Wert; die bisherigen Ergebnisse "
                                   "bleiben stehen.");
    EXPECT_TRUE(f[T::Belast_Teilrinne_1] == "2.01 l/s" && !f.Ergebnisse_aktuell);
    EXPECT_EQ(f.Anhaltgrund.titel, "Eingabefehler") << "kept for a report of these inputs";
    tippen(T::r5_5, "0.0001");  // taken: 67 * 0.0001 / 10000 l/s
    EXPECT_TRUE(f[T::Belast_Teilrinne_1] == "0.00 l/s" && f.Ergebnisse_aktuell);
    tippen(T::r5_5, "");  // the default goes back into the box: 67 * 450 / 10000 = 3.015
    EXPECT_EQ(f[T::r5_5] + f[T::Belast_Teilrinne_1], " 4503.02 l/s");
}

// The totals act only in total mode and only all three together; both ends with one outlet cannot be.
TEST_F(Handler, TotalsSplitWhenAllThreeAreGiven) {
    tippen(T::Text25, "20");
    EXPECT_TRUE(f[T::Laenge_1].empty() && d.protokoll.empty()) << "locked in single mode";
    klick(S::Option11);
    tippen(T::Text26, "200");
    EXPECT_TRUE(f[T::Laenge_1].empty()) << "no count yet";
    tippen(T::Text27, "1");  // one outlet inside: two segments of 10 m and 100 m²
    EXPECT_EQ(f[T::Laenge_1] + f[T::Einzel_Flaeche_2], " 10100.00 m²");
    klick(S::Option8);
    EXPECT_EQ(titel(), Texte{"nicht passende Eingabe"});
    EXPECT_TRUE(f[S::Option6] && !f[S::Option8]) << "the choice before stays";
    tippen(T::Text27, "2");
    klick(S::Option8);  // two at both ends: the first outlet at the gutter end, TS 2 and 3
    EXPECT_EQ(f[T::Einzel_Flaeche_1] + "|" + f[T::Einzel_Flaeche_2] + "|" + f[T::Einzel_Flaeche_3],
              "|100.00 m²|100.00 m²");
    tippen(T::Text27, "1");
    EXPECT_EQ(titel(), Texte(2, "nicht passende Eingabe"));
}

// The gutter kind brings its panels and controls; the long side needs a count and the correction.
TEST_F(Handler, GutterKindAndOverflows) {
    tippen({{T::Laenge_1, "10"}, {T::Breite_1, "8"}, {T::Text30, ""}});
    klick(S::Option2);
    EXPECT_TRUE(Ist_innenliegend(f) && f[V::Rinnen_innenliegend] && f[V::Frame4] && !f[V::Rinne_vorgeh_einzel]);
    EXPECT_TRUE(f[A::Option3] && f[A::Option5] && f[A::Combo_Diff_Notueberl] && !f[A::Text30] && !f[A::Command11]);
    EXPECT_EQ(f.Picture(27).vordergrund, Farbe_dunkelblau);
    klick(S::Option5);
    EXPECT_TRUE(f[T::Text30] == "1" && f[A::Text30] && f[A::Command11] && !f[S::Option3]);
    EXPECT_TRUE(f.Picture(25).vordergrund == Farbe_dunkelblau && f.Picture(27).vordergrund == Farbe_hellgrau);
    klick(S::Option4);
    EXPECT_EQ(f.Picture(26).vordergrund, Farbe_dunkelblau);
    klick(S::Option1);
    EXPECT_TRUE(!Ist_innenliegend(f) && f[V::Rinne_vorgeh_einzel] && f[V::Frame6] && !f[V::Rinnen_innenliegend]);
    EXPECT_FALSE(f[A::Option3] || f[A::Option5] || f[A::Combo_Diff_Notueberl] || f[A::Command11]);
    EXPECT_TRUE(titel().empty());
    tippen({{T::Laenge_3, "5"}, {T::Text30, ""}});  // incomplete: no recalculation gives the count back
    klick({S::Option2, S::Option5});
    EXPECT_EQ(f[T::Text30], "1");
}

TEST_F(Handler, ChecksAndLists) {
    tippen({{T::Laenge_1, "10"}, {T::Breite_1, "6"}});
    Check_Click(f, d, S::Check5, true);
    EXPECT_EQ(f.Winkelfaktor[4], 0.85f);
    Check_Click(f, d, S::Check5, false);
    EXPECT_EQ(f.Winkelfaktor[4], 1.0f);
    Check_Click(f, d, S::Check_Schutzkorb, true);
    EXPECT_TRUE(f[V::Label14] && f.werte.traufe.Schutzkorbfaktor == 0.5f);
    tippen(T::Laenge_3, "5");  // incomplete: the leaf guard asks for the measures and changes nothing
    Check_Click(f, d, S::Check_Schutzkorb, false);
    EXPECT_TRUE(titel() == Texte{"Maße fehlen!"} && f[V::Label14]);
    tippen(T::Laenge_3, "");

    // 60 m² at C = 0.5: 0.90 l/s; f = 3: 2.70 l/s; Berlin's 331: 2.979 l/s
    const std::tuple<L, int, std::string, std::string> listen[] = {
        {L::Combo_Abfl_beiwert, 1, "Kiesdach (C=0.5)", "0.90 l/s"},
        {L::Combo_Schutzfaktor, 3, "Faktor f = 3 ", "2.70 l/s"},
        {L::Combo_Wahl_Regensp, 9, "Berlin", "2.98 l/s"},
        {L::Combo_Diff_Notueberl, 1, "Jahrhundertregen voll", "2.98 l/s"},
    };
    for (const auto& [liste, index, text, abfluss] : listen) {
        Liste_Click(f, d, liste, index);
        EXPECT_EQ(f[liste].text + "|" + f[T::Belast_Teilrinne_1], text + "|" + abfluss) << text;
    }
    EXPECT_EQ(f[T::r5_5] + f[T::r5_100], " 331 582");
    EXPECT_EQ(Notueberlauf_Regen(f), Notregen::voll);
}

// A load sets the lists and options itself; their handlers must not derive values over it.
TEST_F(Handler, ListsStayStillWhileLoading) {
    f.Ladevorgang = true;
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 1);
    Check_Click(f, d, S::Check4, true);
    klick(S::Option2);
    EXPECT_TRUE(f.Abflussbeiwert == 1.0f && f[S::Check4] && f.Winkelfaktor[3] == 1.0f && !f[V::Rinnen_innenliegend]);
    Liste_Click(f, d, L::Combo_Schutzfaktor, 3);  // the safety factor has no such rule
    EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);
    f.Ladevorgang = false;
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 4);
    EXPECT_TRUE(f.Abflussbeiwert == 0.5f && f[L::Combo_Abfl_beiwert].text == "begr.extensiv <10cm (C=0.5)");
}

}  // namespace
}  // namespace dkm::test
