// The height correction panel over Druckvorsch and what it refuses while open.
#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

class Korrektur_Test : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        tippen("r5_5", "300");
        tippen("r5_100", "600");
        klick("Option2");
        klick("Option5");
        tippen("Laenge_1", "10");
        tippen("Breite_1", "8");
        tippen("Laenge_2", "10");
        tippen("Breite_2", "8");
        protokoll_leeren();
    }
};

TEST_F(Korrektur_Test, PanelOeffnetGelbMitSeinenKnoepfen) {
    const std::string hoehe = text("Text31");
    ASSERT_FALSE(hoehe.empty());
    klick("Command11");
    QWidget* panel = w("Druckvorsch");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->palette().color(QPalette::Base), QColor(255, 255, 128));
    EXPECT_TRUE(panel->parentWidget()->rect().contains(panel->geometry())) << "the whole panel can be reached";
    EXPECT_EQ(w<QPushButton>("Command28")->text().toStdString(), "Höhe größer");
    EXPECT_EQ(w<QPushButton>("Command30")->text().toStdString(), "Höhe kleiner");
    EXPECT_EQ(w<QPushButton>("Command31")->text().toStdString(), "übernehmen");
    EXPECT_EQ(w<QPushButton>("Command29")->text().toStdString(), "auf Null setzen");
    EXPECT_FALSE(w("Command30")->isEnabled());
    EXPECT_TRUE(w("Text31")->isVisible());
    EXPECT_EQ(text("Text31"), hoehe);  // opening does not recalculate

    klick("Command28");
    klick("Command28");
    klick("Command28");
    klick("Command30");
    EXPECT_EQ(fenster->formular().Hoehenkorrektur, 20.0f);
    EXPECT_NE(text("Text31").find("(+20)"), std::string::npos) << text("Text31");
    EXPECT_TRUE(w("Command30")->isEnabled());

    klick("Command31");
    EXPECT_FALSE(w("Druckvorsch")->isVisible());
    EXPECT_EQ(fenster->formular().Status_Korrektur, "aus");
    EXPECT_EQ(fenster->formular().Hoehenkorrektur, 20.0f);

    klick("Command11");
    EXPECT_TRUE(w("Command30")->isEnabled());
    klick("Command29");
    EXPECT_EQ(fenster->formular().Hoehenkorrektur, 0.0f);
    EXPECT_EQ(text("Text31"), hoehe);
    EXPECT_TRUE(titel().empty());
}

TEST_F(Korrektur_Test, WaehrendDerKorrekturWerdenUmschaltungenVerweigert) {
    klick("Command11");
    klick("Option1");
    klick("Option3");
    klick("Option4");
    EXPECT_EQ(titel(), (std::vector<std::string>{
                           "Konflikt Umschalten auf vorgehängte Rinne mit Korrektur Rinnenhöhe",
                           "Konflikt Umschalten von Überlauf beidseits mit Korrektur Rinnenhöhe",
                           "Konflikt Umschalten von Überlauf eine Seite mit Korrektur Rinnenhöhe"}));
    EXPECT_TRUE(gewaehlt("Option2"));
    EXPECT_TRUE(gewaehlt("Option5"));
    EXPECT_TRUE(w("Rinnen_innenliegend")->isVisible());

    protokoll_leeren();
    klick("Command3");
    klick("Command27");
    EXPECT_EQ(titel(), (std::vector<std::string>{"Konflikt Druckvorschau mit Korrektur Rinnenhöhe",
                                                 "Konflikt Leitfaden mit Korrektur Rinnenhöhe"}));
    EXPECT_EQ(fenster->formular().Status_Korrektur, "aktiv");
}

TEST_F(Korrektur_Test, LaufenderLeitfadenWirdVorDemOeffnenGefragt) {
    fenster->formular().Status_Leitfaden = aktiv;
    p.antworten = {false};
    klick("Command11");
    EXPECT_EQ(titel(), std::vector<std::string>{"Konflikt Korrektur Rinnenhöhe mit Leitfaden."});
    EXPECT_EQ(fenster->formular().Status_Korrektur, "aus");
    p.antworten = {true};
    klick("Command11");
    EXPECT_EQ(fenster->formular().Status_Leitfaden, "aus");
    EXPECT_EQ(fenster->formular().Status_Korrektur, "aktiv");
}

}  // namespace
}  // namespace dkm::ui
