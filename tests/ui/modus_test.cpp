// What only the painted window shows of the options and the rainfall: the colour of the chosen
// overflow sketch and the note on default rainfall values right below their boxes.
#include "fenster_hilfen.h"

namespace dkm::ui {

using Modus_Test = Fenster;

// The sketch of the chosen arrangement is painted dark blue (0, 0, 64), the other two grey.
TEST_F(Modus_Test, DieGewaehlteAnordnungIstDunkelblau) {
    klick("Option2");
    tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}});
    const QColor dunkelblau(0, 0, 64), hellgrau(192, 192, 192);
    for (auto [option, dunkel] : Paare{{"Option3", "Picture27"}, {"Option4", "Picture26"}, {"Option5", "Picture25"}}) {
        klick(option);
        for (const char* bild : {"Picture25", "Picture26", "Picture27"}) {
            EXPECT_EQ(pixel(bild, dunkelblau) > 0, bild == std::string_view(dunkel)) << option << " " << bild;
            EXPECT_EQ(pixel(bild, hellgrau) > 0, bild != std::string_view(dunkel)) << option << " " << bild;
        }
    }
}

TEST_F(Modus_Test, VorgabewerteDerRegenspendeSindAlsSolcheBenannt) {
    auto hinweis = [this] { return w("Label_Regenvorgabe")->isVisible(); };
    ASSERT_TRUE(hinweis());
    const QRect feld = im_fenster(w("r5_5")), notiz = im_fenster(w("Label_Regenvorgabe"));
    EXPECT_TRUE(notiz.top() > feld.bottom() && notiz.top() - feld.bottom() < feld.height()) << "right below";
    waehlen("Combo_Wahl_Regensp", 9);
    EXPECT_FALSE(hinweis()) << "Berlin";
}

}  // namespace dkm::ui
