// The window's handlers in the one state no click reaches: the list handlers while a project loads.
#include <gtest/gtest.h>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

// A load sets the lists and options itself; their handlers must not derive values over it.
TEST(Handler, ListsStayStillWhileLoading) {
    Skript_Dialoge d;
    Formular f = Startformular();
    f.Ladevorgang = true;
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 1);
    Check_Click(f, d, S::Check4, true);
    EXPECT_TRUE(f.Abflussbeiwert == 1.0f && f[S::Check4] && f.Winkelfaktor[3] == 1.0f);
    Liste_Click(f, d, L::Combo_Schutzfaktor, 3);  // the safety factor has no such rule
    EXPECT_EQ(f.Sicherheitsfaktor, 3.0f);
    f.Ladevorgang = false;
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 4);
    EXPECT_TRUE(f.Abflussbeiwert == 0.5f && f[L::Combo_Abfl_beiwert].text == "begr.extensiv <10cm (C=0.5)");
}
