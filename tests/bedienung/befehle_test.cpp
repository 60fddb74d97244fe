// The commands beside the calculation: resets, panels, own rainfall places, printer panel, help,
// and what the window says about the project as a whole.
#include "bedienung_hilfen.h"
#include "bedienung/kostra_uebernahme.h"
#include "model/hilfe.h"

namespace dkm::test {
namespace {

using Befehle = Bedienung;

// Both resets ask first; Yes gives the values of a new project, hides what belonged to the old one
// and takes back a raised gutter. Only "neues Projekt" also forgets the project data and the file.
TEST_F(Befehle, ResetsAfterTheirQuestion) {
    antworten({true});
    Command1_Click(f, d);
    innenrinne();
    const std::string hoehe = f[T::Text31];  // bottom width 200 of the reset, no correction
    for (auto befehl : {Command1_Click, Command7_Click}) {
        innenrinne();
        tippen(T::Text1, "0.7");
        Check_Click(f, d, S::Check2, true);
        Korrektur_oeffnen(f, d), Command28_Click(f, d), Command31_Click(f, d);
        ASSERT_NE(f[T::Text31], hoehe);
        antworten({true});
        klick(S::Option11);
        tippen({{T::Bauherr, "Meier"}, {T::Text25, "60"}, {T::Text26, "600"}, {T::Text27, "6"}});
        ASSERT_TRUE(f[V::Picture37] && f[V::Text28]);
        f[V::Label4] = f[V::Text24] = true, f[T::Text24] = "alt.Dkm";
        antworten({false, true});
        befehl(f, d), befehl(f, d);
        EXPECT_EQ(titel(), Texte(2, befehl == Command1_Click ? "Rinnenmaße löschen" : "Projekt neu anlegen"));
        for (auto [feld, text] : std::vector<std::pair<T, std::string>>{
                 {T::r5_5, "400"}, {T::r5_100, "800"}, {T::Text2, "200"}, {T::Text30, "1"}, {T::Text1, ""},
                 {T::Text25, ""}, {T::Text27, ""}, {T::Laenge_1, ""}, {T::Einzel_Flaeche_2, ""},
                 {T::Belast_Teilrinne_1, ""}, {T::Belastung_Fallrohr_1_2, ""}})
            EXPECT_EQ(f[feld], text) << Name(feld);
        EXPECT_EQ(f[L::Combo_Wahl_Regensp].text, "Stadt auswählen");
        EXPECT_TRUE(f[S::Option1] && f[S::Option3] && f[S::Option10] && !f[S::Check2] && f[V::Rinne_vorgeh_einzel]);
        EXPECT_FALSE(f[V::Picture37] || f[V::Text28] || f[V::Text29] || f.Hoehenkorrektur != 0);
        const bool neu = befehl == Command7_Click;
        EXPECT_EQ(f[T::Bauherr].empty() && !f[V::Text24] && !Projekt_geaendert(f), neu);
        innenrinne();
        EXPECT_EQ(f[T::Text31], hoehe) << "the next gutter is not raised";
    }
    // the project data alone
    f[T::Bauherr] = "Meier", f[T::Fax] = "1";
    antworten({false, true});
    Command9_Click(f, d), Command9_Click(f, d);
    EXPECT_TRUE(titel() == Texte(2, "Projektdaten löschen") && f[T::Bauherr].empty() && f[T::Fax].empty());
    EXPECT_FALSE(f[T::Einzel_Flaeche_1].empty()) << "the values stay";
    // a new project with nothing unsaved asks nothing
    antworten();
    Command7_Click(f, d);
    Command7_Click(f, d);
    EXPECT_EQ(titel(), Texte{"Projekt neu anlegen"});
}

// Own places: the window opens with what the file gives, "übernehmen" chooses a row, saves the five
// places and recalculates; "abbrechen" throws edits away.
TEST_F(Befehle, OwnRainfallPlaces) {
    Eigene_Orte datei{};
    datei[1] = {"Hof", 310, 590};
    tippen({{T::Laenge_1, "10"}, {T::Breite_1, "10"}});
    Command22_Click(f, &datei);
    EXPECT_TRUE(f.Eigenwerte_offen && f[V::Frame9] && f[T::Text12] == "Hof" && f[T::Text13] == " 310");
    Eigene_Orte gespeichert{};
    Uebernehmen_Click(f, d, 2, [&](const Eigene_Orte& o) { gespeichert = o; });
    EXPECT_TRUE(!f.Eigenwerte_offen && !f[V::Frame9] && gespeichert[1].r5_100 == 590);
    // 100 m² at 310: 3.10 l/s
    EXPECT_EQ(f[L::Combo_Wahl_Regensp].text + f[T::r5_5] + "|" + f[T::Belast_Teilrinne_1], "Hof 310|3.10 l/s");
    EXPECT_FALSE(Regenwerte_vorgegeben(f));
    Command22_Click(f, nullptr);
    f[T::Text13] = "999";
    Command22_Click(f, nullptr);  // the same button closes
    EXPECT_FALSE(f[V::Frame9]);
    Command22_Click(f, &gespeichert);
    EXPECT_EQ(f[T::Text13], " 310");

    // a KOSTRA cell goes into the first row without a name, or the row of its name; another name is asked about
    const Kostra_Ort feld{"KOSTRA 2020 Feld 049125", {{49, 125}, 310, 563.3f, 19, 22}};
    EXPECT_EQ(Kostra_Zeile_vorschlagen(f, feld.name), 1);
    std::vector<Kostra_Ort> gemerkt;
    EXPECT_TRUE(Kostra_uebernehmen(f, d, feld, [&](const std::vector<Kostra_Ort>& o) { gemerkt = o; }, {}));
    EXPECT_TRUE(f[T::Text9] == feld.name && f[T::Text11] == " 563.3" && gemerkt.size() == 1u);
    EXPECT_EQ(f[L::Combo_Wahl_Regensp].text + f[T::r5_5], feld.name + " 310");
    for (int zeile = 0; zeile < 5; ++zeile) f[static_cast<T>(static_cast<int>(T::Text9) + 3 * zeile)] = "voll";
    f[T::Text12] = feld.name;
    EXPECT_EQ(Kostra_Zeile_vorschlagen(f, feld.name), 2) << "the row of its name, without a question";
    int schreiben = 0;
    const auto zaehlen = [&](const Eigene_Orte&) { ++schreiben; };
    antworten({false, true});
    EXPECT_FALSE(Kostra_uebernehmen(f, d, {"Neu", feld.werte}, {}, zaehlen));
    EXPECT_TRUE(titel() == Texte{"Eigenen Ort ersetzen"} && f[T::Text21] == "voll" && schreiben == 0)
        << "the fifth row kept, nothing written";
    EXPECT_TRUE(Kostra_uebernehmen(f, d, {"Neu", feld.werte}, {}, zaehlen));
    EXPECT_TRUE(f[T::Text21] == "Neu" && schreiben == 1);
    antworten();
    f[T::Text13] = "";
    EXPECT_TRUE(Kostra_uebernehmen(f, d, feld, {}, zaehlen));
    EXPECT_TRUE(titel().empty() && f[T::Text13] == " 310" && schreiben == 2) << "its own row, no question";
    antworten();
    EXPECT_FALSE(Kostra_uebernehmen(f, d, {" ", feld.werte}, {}, {}));
    EXPECT_EQ(titel(), Texte{"Regenspenden nach KOSTRA-DWD-2020"}) << "a place needs a name";
}

// The printer panel shows the values in force and keeps the shifts to what is printed; the issuer
// lives in the record; the panels share one place; the help follows the mouse and its switch.
TEST_F(Befehle, PanelsAndHelp) {
    f.aussteller = {"Dachbau Schmidt", "Werkstraße 3", "Kassel", ""};
    Command19_Click(f, [](Druckwerte&, Aussteller&) {});  // no settings files
    EXPECT_EQ(f[T::Text6] + f[T::Text7] + f[T::Text8] + f[T::Aussteller_Name], " 10 0 0Dachbau Schmidt");
    f[T::Text7] = "20", f[T::Text8] = "-7.5", f[T::Aussteller_Ort] = "34117 Kassel";
    Druckwerte werte{};
    Aussteller aussteller;
    Command20_Click(f, [&](const Druckwerte& w, const Aussteller& a) { werte = w, aussteller = a; });
    EXPECT_TRUE(werte.Verschiebung_horizontal == 5 && werte.Verschiebung_vertikal == -5 && !f[V::Frame5]);
    EXPECT_EQ(aussteller.ort + f.aussteller.ort, "34117 Kassel34117 Kassel");
    Command19_Click(f, [](Druckwerte& w, Aussteller&) { w.Schriftgroesse = 12; });
    f[T::Text6] = "8";
    Command21_Click(f);
    EXPECT_TRUE(!f.Druckjustage_offen && f.druckwerte.Schriftgroesse == 12) << "cancelled";
    bool gespeichert = false;
    Command20_Click(f, [&](const Druckwerte&, const Aussteller&) { gespeichert = true; });
    EXPECT_FALSE(gespeichert) << "nothing to take over while the panel is closed";

    Command15_Click(f);
    EXPECT_TRUE(f[V::Frame8] && !f[V::Frame2] && f[A::Command14] && !f[A::Command15]);
    Command14_Click(f);
    EXPECT_TRUE(!f[V::Frame8] && f[V::Frame2] && !f[A::Command14] && f[A::Command15]);

    const Hilfe_Eintrag* winkel = Hilfe_fuer("Check5");  // the corner boxes share one entry
    ASSERT_TRUE(winkel && Hilfe_Hover(f, "Check5"));
    EXPECT_TRUE(f[V::Hilfe_Text] && f.Hilfe_Text == winkel->text && f.Hilfe_top_twips == 120 && f.Hilfe_hoehe_twips == 2000);
    Hilfe_Panel_Hover(f);
    EXPECT_FALSE(f[V::Hilfe_Text]);
    Command17_Click(f);
    EXPECT_TRUE(Hilfe_Hover(f, "Option10") && !f[V::Hilfe_Text] && f.Hilfe_Text == Hilfe_fuer("Option10")->text)
        << "switched off, the text still follows";
    EXPECT_FALSE(Hilfe_Hover(f, "Formulartitel"));
    Command17_Click(f);
    EXPECT_TRUE(f.Hilfe_an && !f[V::Hilfe_Text]) << "shown again at the next hover";
}

// Unsaved input, the title bar and the names the file dialogs propose.
TEST_F(Befehle, WhatTheWindowSaysAboutTheProject) {
    EXPECT_TRUE(Projekt_geaendert(f)) << "the rain typed after the start";
    Stand_merken(f);
    EXPECT_EQ(Fenstertitel(f), "Dachkandelmesser nach DIN EN 12056");
    tippen(T::Laenge_1, "12.5");
    EXPECT_TRUE(Projekt_geaendert(f) && Fenstertitel(f).ends_with("*"));
    Projekt_gespeichert(f, "/ablage/Halle Nord.Dkl");
    EXPECT_EQ(Fenstertitel(f), "Dachkandelmesser nach DIN EN 12056 \u2013 Halle Nord.Dkl");
    EXPECT_EQ(Speichervorschlag(f, "/anders"), "/ablage/Halle Nord.Dkm") << "an older file is saved beside it";
    tippen(T::Laenge_1, " 12.50");
    EXPECT_FALSE(Projekt_geaendert(f)) << "the same number written otherwise";
    Command7_Click(f, d);
    // compared as paths: Windows joins them with its own separator
    EXPECT_EQ(std::filesystem::path(Speichervorschlag(f, "/anders")), std::filesystem::path("/anders/KandProj"));
    EXPECT_EQ(Speichervorschlag(f, ""), "KandProj");
    // rainfall no place and no own value gave is named as default: 400/800 of a new project
    EXPECT_TRUE(Regenwerte_vorgegeben(f));
    Liste_Click(f, d, L::Combo_Wahl_Regensp, 9);
    EXPECT_FALSE(Regenwerte_vorgegeben(f));
    antworten({true});
    Command7_Click(f, d);
    tippen(T::r5_5, "310");
    EXPECT_FALSE(Regenwerte_vorgegeben(f)) << "a value of the user's own";
}

}  // namespace
}  // namespace dkm::test
