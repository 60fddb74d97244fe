// Options, mode switches, resets and panels, clicked as a user does.
#include "bedienung/handler.h"
#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

using Modus_Test = Fenster;

TEST_F(Modus_Test, BeidseitigeAblaeufeBrauchenZweiAbfluesse) {
    tippen("r5_5", "300");
    klick("Option11");
    tippen({{"Text25", "20"}, {"Text26", "200"}, {"Text27", "1"}});
    const std::string flaeche = text("Einzel_Flaeche_1");
    protokoll_leeren();
    klick("Option8");
    EXPECT_EQ(titel(), Titel{"nicht passende Eingabe"});
    EXPECT_EQ(text("Einzel_Flaeche_1"), flaeche);
    EXPECT_TRUE(gewaehlt("Option6")) << "the refused arrangement is not kept";

    tippen("Text27", "2");
    protokoll_leeren();
    klick("Option8");
    EXPECT_TRUE(titel().empty());
    EXPECT_TRUE(gewaehlt("Option8"));
    // the first outlet sits at the gutter end
    erwarte_texte({{"Einzel_Flaeche_1", ""}, {"Einzel_Flaeche_2", "100.00 m²"}});
}

// Single values are lost on the way to totals, totals of five outlets and more on the way back.
TEST_F(Modus_Test, UmschaltenFragtNurWennEtwasVerlorenGeht) {
    klick({"Option11", "Option10"});
    EXPECT_TRUE(titel().empty());
    tippen({{"Laenge_1", "10"}, {"Breite_1", "5"}});
    for (bool ja : {false, true}) {
        p.antworten = {ja};
        klick("Option11");
        EXPECT_EQ(gewaehlt("Option11"), ja);
        EXPECT_EQ(feld("Laenge_1")->isReadOnly(), ja);
        EXPECT_EQ(feld("Text25")->isReadOnly(), !ja);
    }
    EXPECT_EQ(titel(), Titel(2, "Auf Gesamtwerte umschalten"));

    tippen({{"Text25", "60"}, {"Text26", "600"}, {"Text27", "6"}});
    protokoll_leeren();
    p.antworten = {false};
    klick("Option10");
    EXPECT_EQ(titel(), Titel{"Auf Einzelwerte umschalten"});
    EXPECT_TRUE(gewaehlt("Option11"));

    tippen("Text27", "4");
    protokoll_leeren();
    const std::string flaeche = text("Einzel_Flaeche_1");
    klick("Option10");
    EXPECT_TRUE(titel().empty());
    EXPECT_TRUE(gewaehlt("Option10"));
    EXPECT_EQ(text("Einzel_Flaeche_1"), flaeche);
}

TEST_F(Modus_Test, WerteZuruecksetzenNachBestaetigung) {
    tippen({{"r5_5", "300"}, {"Text1", "0.7"}, {"Laenge_1", "10"}, {"Breite_1", "5"}});
    klick({"Check2", "Option2"});
    p.antworten = {false};
    klick("Command1");
    EXPECT_EQ(titel(), Titel{"Rinnenmaße löschen"});
    EXPECT_EQ(text("Laenge_1"), "10");

    p.antworten = {true};
    klick("Command1");
    erwarte_texte({{"r5_5", "400"}, {"r5_100", "800"}, {"Text2", "200"}, {"Text30", "1"}, {"Text1", ""},
                   {"Laenge_1", ""}});
    EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString(), "Stadt auswählen");
    EXPECT_TRUE(gewaehlt("Option1") && gewaehlt("Option3") && !gewaehlt("Check2"));
    EXPECT_EQ(f().Winkelfaktor[1], 1.0f);
    EXPECT_TRUE(w("Rinne_vorgeh_einzel")->isVisible());
}

TEST_F(Modus_Test, LaufenderLeitfadenWirdVorDemZuruecksetzenUndDruckenGefragt) {
    tippen("Bauherr", "Meier");
    f().Status_Leitfaden = aktiv;
    p.antworten = {false, false};
    klick("Command9");
    if (auto* drucken = w<QAction>("Command8")) drucken->trigger();  // from the tool bar
    EXPECT_EQ(titel(), (Titel{"Konflikt Leitfaden mit ´Projektdaten zurücksetzen´",
                              "Konflikt Leitfaden mit der Druckausgabe"}));
    EXPECT_EQ(text("Bauherr"), "Meier");

    protokoll_leeren();
    p.antworten = {true, true};
    klick("Command7");
    EXPECT_EQ(titel(), (Titel{"Konflikt Leitfaden mit der ´neues Projekt´", "Projekt neu anlegen"}));
    EXPECT_EQ(f().Status_Leitfaden, "aus");
    EXPECT_EQ(text("Bauherr"), "");
    EXPECT_FALSE(w("Text24")->isVisible());
}

TEST_F(Modus_Test, RegenspendenAusDerListeOderEigenenWerten) {
    waehlen("Combo_Wahl_Regensp", 0);
    erwarte_texte({{"r5_5", " 266"}, {"r5_100", " 463"}});
    QTest::keyClicks(w<QComboBox>("Combo_Wahl_Regensp")->lineEdit(), "Oberstdorf");
    EXPECT_EQ(text("r5_5"), " 266");

    klick("Command22");
    tippen({{"Text12", "Hof"}, {"Text13", "310"}, {"Text14", "590"}});
    klick("Command5");
    EXPECT_FALSE(w("Frame9")->isVisible());
    EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString(), "Hof");
    EXPECT_EQ(text("r5_5"), "310");
    EXPECT_TRUE(std::filesystem::exists(ordner / "Regeneig.dat"));

    // edits thrown away with "abbrechen" come back from the file
    klick("Command22");
    tippen("Text13", "999");
    klick({"Command23", "Command22"});
    EXPECT_EQ(text("Text13"), " 310");
}

}  // namespace
}  // namespace dkm::ui
