// Options, mode switches, resets and own rainfall values, clicked as a user does.
#include "fenster_hilfen.h"

namespace dkm::ui {

using Modus_Test = Fenster;

TEST_F(Modus_Test, BeidseitigeAblaeufeBrauchenZweiAbfluesse) {
    tippen("r5_5", "300");
    klick("Option11");
    tippen({{"Text25", "20"}, {"Text26", "200"}, {"Text27", "1"}});
    const std::string flaeche = text("Einzel_Flaeche_1");
    protokoll_leeren();
    klick("Option8");
    EXPECT_EQ(titel(), Titel{"nicht passende Eingabe"});
    EXPECT_TRUE(text("Einzel_Flaeche_1") == flaeche && gewaehlt("Option6")) << "nothing recalculated, nothing kept";

    tippen("Text27", "2");
    protokoll_leeren();
    klick("Option8");
    EXPECT_TRUE(titel().empty() && gewaehlt("Option8"));
    // 200 m² over two outlets at both ends: the first outlet sits at the gutter end
    erwarte_texte({{"Einzel_Flaeche_1", ""}, {"Einzel_Flaeche_2", "100.00 m²"}});
}

// Single values are lost on the way to totals once TS 1 or TS 2 has an area; the way back cuts
// off every outlet beyond the fourth. No keeps the mode.
TEST_F(Modus_Test, UmschaltenFragtNurWennEtwasVerlorenGeht) {
    struct Fall { const char* grund; Paare eingaben; bool frage; };
    const Fall zu_gesamt[] = {{"nothing typed", {}, false},
                              {"TS 1 has an area", {{"Laenge_1", "10"}, {"Breite_1", "5"}}, true},
                              {"only TS 2 has an area", {{"Laenge_2", "10"}, {"Breite_2", "5"}}, true}};
    for (const Fall& fall : zu_gesamt) {
        SCOPED_TRACE(fall.grund);
        p.antworten = {true};
        klick("Command1");
        tippen(fall.eingaben);
        antworten({false});
        klick("Option11");
        EXPECT_EQ(titel(), fall.frage ? Titel{"Auf Gesamtwerte umschalten"} : Titel{});
        EXPECT_TRUE(gewaehlt("Option10") == fall.frage && feld("Text25")->isReadOnly() == fall.frage);
    }
    p.antworten = {true};
    klick("Option11");
    EXPECT_TRUE(gewaehlt("Option11") && feld("Laenge_1")->isReadOnly());

    const Fall zu_einzel[] = {{"four outlets fit", {{"Text27", "4"}}, false}, {"five do not", {{"Text27", "5"}}, true}};
    tippen({{"r5_5", "300"}, {"Text25", "60"}, {"Text26", "600"}});
    for (const Fall& fall : zu_einzel) {
        SCOPED_TRACE(fall.grund);
        p.antworten = {true};
        if (gewaehlt("Option10")) klick("Option11");
        tippen(fall.eingaben);
        const std::string flaeche = text("Einzel_Flaeche_1");
        antworten({false});
        klick("Option10");
        EXPECT_EQ(titel(), fall.frage ? Titel{"Auf Einzelwerte umschalten"} : Titel{});
        EXPECT_TRUE(gewaehlt("Option11") == fall.frage && text("Einzel_Flaeche_1") == flaeche);
    }
}

// The long side needs a count of overflows: one emptied while nothing is recalculated (TS 3 lacks its
// width) becomes 1 again. The sketch of the chosen arrangement is dark blue (0, 0, 64), the other two grey.
TEST_F(Modus_Test, NotueberlaufArtZaehltMindestensEinenUndFaerbtIhrBild) {
    klick({"Option2", "Option5"});
    tippen({{"Laenge_3", "5"}, {"Text30", ""}});
    klick({"Option3", "Option5"});
    EXPECT_EQ(text("Text30"), "1");

    tippen({{"Laenge_3", ""}, {"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}});
    const QColor dunkelblau(0, 0, 64), hellgrau(192, 192, 192);
    for (auto [option, dunkel] : Paare{{"Option3", "Picture27"}, {"Option4", "Picture26"}, {"Option5", "Picture25"}}) {
        klick(option);
        for (const char* bild : {"Picture25", "Picture26", "Picture27"}) {
            EXPECT_EQ(pixel(bild, dunkelblau) > 0, bild == std::string_view(dunkel)) << option << " " << bild;
            EXPECT_EQ(pixel(bild, hellgrau) > 0, bild != std::string_view(dunkel)) << option << " " << bild;
        }
    }
}

// Both resets ask first; Yes gives the values of a new project, hides what belonged to the old one
// and takes back a raised gutter.
TEST_F(Modus_Test, ZuruecksetzenNachBestaetigung) {
    auto innenrinne = [this] {
        klick({"Option2", "Option5"});
        tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}});
    };
    // the gutter of the reset's own values (bottom width 200) without any correction
    p.antworten = {true};
    klick("Command1");
    innenrinne();
    const std::string hoehe = text("Text31");
    for (auto [befehl, frage] : Paare{{"Command1", "Rinnenmaße löschen"}, {"Command7", "Projekt neu anlegen"}}) {
        SCOPED_TRACE(befehl);
        innenrinne();
        tippen("Text1", "0.7");
        klick({"Check2", "Command11", "Command28", "Command31"});
        ASSERT_NE(text("Text31"), hoehe) << "raised by 10 mm";
        p.antworten = {true};
        klick("Option11");
        tippen({{"Text25", "60"}, {"Text26", "600"}, {"Text27", "6"}});
        ASSERT_TRUE(w("Picture37")->isVisible() && w("Text28")->isVisible());
        antworten({false, true});
        klick({befehl, befehl});
        EXPECT_EQ(titel(), Titel(2, frage)) << "no question about the totals";
        erwarte_texte({{"r5_5", "400"}, {"r5_100", "800"}, {"Text2", "200"}, {"Text30", "1"}, {"Text1", ""},
                       {"Text25", ""}, {"Text27", ""}, {"Laenge_1", ""}, {"Einzel_Flaeche_2", ""},
                       {"Belast_Teilrinne_1", ""}, {"Belastung_Fallrohr_1_2", ""}});
        EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString(), "Stadt auswählen");
        EXPECT_TRUE(gewaehlt("Option1") && gewaehlt("Option3") && gewaehlt("Option10") && !gewaehlt("Check2") &&
                    w("Rinne_vorgeh_einzel")->isVisible());
        EXPECT_FALSE(w("Picture37")->isVisible() || w("Text28")->isVisible() || w("Text29")->isVisible());
        innenrinne();
        EXPECT_EQ(text("Text31"), hoehe) << "the next gutter is not raised";
    }
}

// Rainfall values no place and no own value gave are named as defaults right below the fields: without
// own places (0 and 0, which the calculation replaces by 450 and 800) and in a new project (400 and 800).
TEST_F(Modus_Test, VorgabewerteDerRegenspendeSindAlsSolcheBenannt) {
    auto hinweis = [this] { return w("Label_Regenvorgabe")->isVisible(); };
    EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString(), "Stadt auswählen");
    ASSERT_TRUE(hinweis());
    const QRect feld = im_fenster(w("r5_5")), notiz = im_fenster(w("Label_Regenvorgabe"));
    EXPECT_TRUE(notiz.top() > feld.bottom() && notiz.top() - feld.bottom() < feld.height()) << "right below";
    tippen({{"Laenge_1", "10"}, {"Breite_1", "5"}});
    erwarte_texte({{"r5_5", " 450"}, {"r5_100", " 800"}});
    EXPECT_TRUE(hinweis());
    waehlen("Combo_Wahl_Regensp", 9);
    EXPECT_FALSE(hinweis()) << "Berlin";
    p.antworten = {true};
    klick("Command7");
    erwarte_texte({{"r5_5", "400"}, {"r5_100", "800"}});
    EXPECT_TRUE(hinweis()) << "a new project";
    tippen("r5_5", "310");
    EXPECT_FALSE(hinweis()) << "a value of the user's own";
}

TEST_F(Modus_Test, RegenspendenAusDerListeOderEigenenWerten) {
    waehlen("Combo_Wahl_Regensp", 9);  // Berlin: r(5,5) 331, r(5,100) 582
    erwarte_texte({{"r5_5", " 331"}, {"r5_100", " 582"}});

    klick("Command22");
    tippen({{"Text12", "Hof"}, {"Text13", "310"}, {"Text14", "590"}});
    klick("Command5");
    EXPECT_FALSE(w("Frame9")->isVisible());
    EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString() + text("r5_5"), "Hof310");

    // edits thrown away with "abbrechen" come back from the file
    klick("Command22");
    tippen("Text13", "999");
    klick({"Command23", "Command22"});
    EXPECT_EQ(text("Text13"), " 310");
}

}  // namespace dkm::ui
