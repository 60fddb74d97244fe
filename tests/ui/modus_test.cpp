// Options, mode switches, resets and panels, clicked as a user does.
#include "calc/handler.h"
#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

using Modus_Test = Fenster;


TEST_F(Modus_Test, BeidseitigeAblaeufeBrauchenZweiAbfluesse) {
    tippen("r5_5", "300");
    klick("Option11");
    tippen("Text25", "20");
    tippen("Text26", "200");
    tippen("Text27", "1");
    const std::string flaeche = text("Einzel_Flaeche_1");
    protokoll_leeren();

    klick("Option8");
    EXPECT_EQ(titel(), std::vector<std::string>{"nicht passende Eingabe"});
    EXPECT_EQ(text("Einzel_Flaeche_1"), flaeche);
    EXPECT_TRUE(gewaehlt("Option6")) << "the refused arrangement is not kept";

    tippen("Text27", "2");
    protokoll_leeren();
    klick("Option8");
    EXPECT_TRUE(titel().empty());
    EXPECT_TRUE(gewaehlt("Option8"));
    EXPECT_EQ(text("Einzel_Flaeche_1"), "");  // the first outlet sits at the gutter end
    EXPECT_EQ(text("Einzel_Flaeche_2"), "100.00 m²");
}

TEST_F(Modus_Test, UmschaltenFragtNurWennEtwasVerlorenGeht) {
    klick("Option11");
    EXPECT_TRUE(titel().empty());
    EXPECT_TRUE(gewaehlt("Option11"));
    klick("Option10");
    EXPECT_TRUE(titel().empty());

    tippen("Laenge_1", "10");
    tippen("Breite_1", "5");
    p.antworten = {false};
    klick("Option11");
    EXPECT_EQ(titel(), std::vector<std::string>{"Auf Gesamtwerte umschalten"});
    EXPECT_TRUE(gewaehlt("Option10"));
    EXPECT_FALSE(feld("Laenge_1")->isReadOnly());
    EXPECT_TRUE(feld("Text25")->isReadOnly());

    p.antworten = {true};
    klick("Option11");
    EXPECT_TRUE(gewaehlt("Option11"));
    EXPECT_TRUE(feld("Laenge_1")->isReadOnly());
    EXPECT_FALSE(feld("Text25")->isReadOnly());
}

TEST_F(Modus_Test, ZurueckZuEinzelmassenFragtAbFuenfAbfluessen) {
    klick("Option11");
    tippen("Text25", "60");
    tippen("Text26", "600");
    tippen("Text27", "6");
    protokoll_leeren();
    p.antworten = {false};
    klick("Option10");
    EXPECT_EQ(titel(), std::vector<std::string>{"Auf Einzelwerte umschalten"});
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
    tippen("r5_5", "300");
    tippen("Text1", "0.7");
    tippen("Laenge_1", "10");
    tippen("Breite_1", "5");
    klick("Check2");
    klick("Option2");
    p.antworten = {false};
    klick("Command1");
    EXPECT_EQ(titel(), std::vector<std::string>{"Rinnenmaße löschen"});
    EXPECT_EQ(text("Laenge_1"), "10");

    p.antworten = {true};
    klick("Command1");
    EXPECT_EQ(text("r5_5"), "400");
    EXPECT_EQ(text("r5_100"), "800");
    EXPECT_EQ(text("Text2"), "200");
    EXPECT_EQ(text("Text30"), "1");
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(text("Laenge_1"), "");
    EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString(), "Stadt auswählen");
    EXPECT_TRUE(gewaehlt("Option1"));
    EXPECT_TRUE(gewaehlt("Option3"));
    EXPECT_FALSE(gewaehlt("Check2"));
    EXPECT_EQ(fenster->formular().Winkelfaktor[1], 1.0f);
    EXPECT_TRUE(w("Rinne_vorgeh_einzel")->isVisible());
}

TEST_F(Modus_Test, LaufenderLeitfadenWirdVorDemZuruecksetzenGefragt) {
    tippen("Bauherr", "Meier");
    fenster->formular().Status_Leitfaden = aktiv;
    p.antworten = {false};
    klick("Command9");
    EXPECT_EQ(titel(), std::vector<std::string>{"Konflikt Leitfaden mit ´Projektdaten zurücksetzen´"});
    EXPECT_EQ(text("Bauherr"), "Meier");

    protokoll_leeren();
    p.antworten = {true, true};
    klick("Command7");
    EXPECT_EQ(titel(), (std::vector<std::string>{"Konflikt Leitfaden mit der ´neues Projekt´", "Projekt neu anlegen"}));
    EXPECT_EQ(fenster->formular().Status_Leitfaden, "aus");
    EXPECT_EQ(text("Bauherr"), "");
    EXPECT_FALSE(w("Text24")->isVisible());
}

TEST_F(Modus_Test, DiePanelsTeilenSichEinenPlatz) {
    EXPECT_TRUE(w("Frame2")->isVisible());
    EXPECT_FALSE(w("Frame8")->isVisible());
    klick("Command15");
    EXPECT_TRUE(w("Frame8")->isVisible());
    EXPECT_FALSE(w("Frame2")->isVisible());
    EXPECT_TRUE(w("Command14")->isEnabled());
    EXPECT_FALSE(w("Command15")->isEnabled());
    // every recalculation brings the defaults back
    klick("Command18");
    EXPECT_TRUE(w("Frame2")->isVisible());
}

TEST_F(Modus_Test, LaubfangHinweisNurNachBestandenerPruefung) {
    tippen("Laenge_1", "10");
    klick("Check_Schutzkorb");
    EXPECT_EQ(titel(), std::vector<std::string>{"Maße fehlen!"});
    EXPECT_FALSE(w("Label14")->isVisible());
    tippen("Breite_1", "5");
    klick("Check_Schutzkorb");
    klick("Check_Schutzkorb");
    EXPECT_TRUE(w("Label14")->isVisible());
}

TEST_F(Modus_Test, EigeneWerteWerdenGespeichertUndUebernommen) {
    klick("Command22");
    EXPECT_TRUE(w("Frame9")->isVisible());
    tippen("Text12", "Hof");
    tippen("Text13", "310");
    tippen("Text14", "590");
    klick("Command5");
    EXPECT_FALSE(w("Frame9")->isVisible());
    EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString(), "Hof");
    EXPECT_EQ(text("r5_5"), "310");
    EXPECT_TRUE(std::filesystem::exists(ordner / "Regeneig.dat"));

    // edits thrown away with "abbrechen" come back from the file
    klick("Command22");
    tippen("Text13", "999");
    klick("Command23");
    klick("Command22");
    EXPECT_EQ(text("Text13"), " 310");
}

}  // namespace
}  // namespace dkm::ui
