// The window's handlers on the record alone, as dkm-rechner would drive them.
#include <gtest/gtest.h>

#include "calc/engine.h"
#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

TEST(Handler, ListsStayStillWhileLoading) {
    Aufzeichnung d;
    Formular f = Startformular();
    f.Ladevorgang = ja;
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 1);
    Check_Click(f, d, S::Check4, true);
    EXPECT_TRUE(f.Abflussbeiwert == 1.0f && f[S::Check4] && f.Winkelfaktor[3] == 1.0f);
    Liste_Click(f, d, L::Combo_Schutzfaktor, 3);  // the safety factor has no such rule
    EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);
    f.Ladevorgang = nein;
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 4);
    EXPECT_TRUE(f.Abflussbeiwert == 0.5f && f[L::Combo_Abfl_beiwert].text == "begr.extensiv <10cm (C=0.5)");
    Liste_Click(f, d, L::Combo_Wahl_Regensp, 93);
    EXPECT_EQ(f[T::r5_5] + f[T::r5_100], " 300 900");
}

TEST(Handler, ResetAndEndWhileCorrecting) {
    Aufzeichnung d;
    Formular f = Startformular();
    Option_Click(f, d, S::Option2);
    Option_Click(f, d, S::Option5);
    Check_Click(f, d, S::Check5, true);
    Segment(f, 1, "10", "6");
    f.Hoehenkorrektur = 30;
    Werte_zuruecksetzen(f, d);
    EXPECT_TRUE(f[S::Option1] && f[S::Option3] && f[S::Option10] && f[S::Option6] && f.Rinnenart == "vorgehaengt");
    EXPECT_TRUE(f.Winkelfaktor[4] == 1.0f && f[T::Text30] == "1" && d.titel.empty());
    EXPECT_EQ(f.Hoehenkorrektur, 0.0f) << "the next project must not inherit the raised gutter";
    // while the correction is open the gutter kind cannot change, not even by a reset
    Option_Click(f, d, S::Option2);
    Option_Click(f, d, S::Option5);
    f.Status_Korrektur = aktiv;
    Werte_zuruecksetzen(f, d);
    EXPECT_TRUE(f[S::Option2] && f[S::Option5]);
    EXPECT_EQ(d.titel.size(), 2u);
    // the end command closes the correction at zero
    f.Hoehenkorrektur = 40;
    f[V::Druckvorsch] = true;
    Modus_beenden(f, d);
    EXPECT_TRUE(f.Status_Korrektur == aus && f.Hoehenkorrektur == 0.0f && !f[V::Druckvorsch] && f[A::Command11]);
    // a guide the user keeps stops the command
    f.Status_Leitfaden = aktiv;
    d.antwort = false;
    f[T::Bauherr] = "Meier";
    Command9_Click(f, d);
    EXPECT_TRUE(f[T::Bauherr] == "Meier" && f.Status_Leitfaden == aktiv);
}

TEST(Handler, OwnValuesAreSavedBeforeTheRun) {
    Aufzeichnung d;
    Formular f = Startformular();
    Command22_Click(f, nullptr);
    f[T::Text9] = "Hof";
    f[T::Text16] = "333";
    f[T::Text17] = "abc";
    Eigene_Orte gespeichert;
    bool gerechnet_vorher = true;
    Uebernehmen_Click(f, d, 3, [&](const Eigene_Orte& o) {
        gespeichert = o;
        gerechnet_vorher = !f[T::r5_100].empty() && f[T::r5_100] != "abc";
    });
    EXPECT_EQ(gespeichert[0].name, "Hof");
    EXPECT_TRUE(gespeichert[2].r5_5 == 333.0f && gespeichert[2].r5_100 == 0.0f);
    EXPECT_FALSE(gerechnet_vorher);
    EXPECT_EQ(f[L::Combo_Wahl_Regensp].text, "");  // row 3 has no name
    EXPECT_EQ(f[T::r5_100], " 800");  // copied as text, read as 0 and replaced
    EXPECT_TRUE(!f[V::Frame9] && f.Status_Eigenwerte == nicht_sichtbar);
}
