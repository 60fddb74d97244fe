// The height correction panel over Druckvorsch and what it refuses while open.
#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

class Korrektur_Test : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        tippen({{"r5_5", "300"}, {"r5_100", "600"}});
        klick({"Option2", "Option5"});
        tippen({{"Laenge_1", "10"}, {"Breite_1", "8"}, {"Laenge_2", "10"}, {"Breite_2", "8"}});
        protokoll_leeren();
    }
};

TEST_F(Korrektur_Test, PanelStuftDieHoeheUndUebernimmtSie) {
    const std::string hoehe = text("Text31");
    ASSERT_FALSE(hoehe.empty());
    klick("Command11");
    QWidget* panel = w("Druckvorsch");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->palette().color(QPalette::Base), QColor(255, 255, 128));
    EXPECT_FALSE(w("Command30")->isEnabled()) << "nothing to set back to zero";
    EXPECT_EQ(text("Text31"), hoehe) << "opening does not recalculate";

    klick({"Command28", "Command28", "Command28", "Command30"});
    EXPECT_EQ(f().Hoehenkorrektur, 20.0f);
    EXPECT_NE(text("Text31").find("(+20)"), std::string::npos) << text("Text31");
    EXPECT_TRUE(w("Command30")->isEnabled());

    klick("Command31");
    EXPECT_FALSE(panel->isVisible());
    klick("Command11");
    EXPECT_TRUE(w("Command30")->isEnabled()) << "the correction taken over is still there";
    klick("Command29");
    EXPECT_TRUE(f().Hoehenkorrektur == 0.0f && text("Text31") == hoehe && titel().empty());
}

// While the panel is open, switches that would change its gutter are refused, also those of a reset.
TEST_F(Korrektur_Test, UmschaltungenWerdenVerweigert) {
    klick("Command11");
    p.antworten = {true};
    klick({"Option1", "Option3", "Option4", "Command3", "Command27", "Command1"});
    const char* vorgehaengt = "Konflikt Umschalten auf vorgehängte Rinne mit Korrektur Rinnenhöhe";
    const char* beidseits = "Konflikt Umschalten von Überlauf beidseits mit Korrektur Rinnenhöhe";
    EXPECT_EQ(titel(), (Titel{vorgehaengt, beidseits, "Konflikt Umschalten von Überlauf eine Seite mit Korrektur Rinnenhöhe",
                              "Konflikt Druckvorschau mit Korrektur Rinnenhöhe",
                              "Konflikt Leitfaden mit Korrektur Rinnenhöhe", "Rinnenmaße löschen", vorgehaengt, beidseits}));
    EXPECT_TRUE(gewaehlt("Option2") && gewaehlt("Option5") && w("Rinnen_innenliegend")->isVisible());
    EXPECT_EQ(f().Status_Korrektur, "aktiv");
}

}  // namespace
}  // namespace dkm::ui
