// Saving, loading and ending, with the file dialogs answered by script; a file named on the command line.
#include <QPushButton>

#include "fenster_hilfen.h"
#include "model/zahlen.h"

namespace dkm::ui {

class Projekt_Test : public Fenster {
protected:
    // An internal gutter in single mode with a bit of everything.
    void projekt_tippen() {
        klick("Command15");
        setzen("Bauherr", "Müller, Hans"), setzen("PLZ_Ort", "12345 Frankfurt, Main");
        klick("Command14");
        waehlen("Combo_Wahl_Regensp", 29), waehlen("Combo_Abfl_beiwert", 1), waehlen("Combo_Schutzfaktor", 3);
        klick({"Option2", "Option5"});
        tippen({{"Text30", "2"}, {"Laenge_1", "6"}, {"Breite_1", "8"}, {"Laenge_2", "7.5"}, {"Breite_2", "8"},
                {"Zusatz_Flaeche_2", "12"}});
        klick({"Check2", "Check_Schutzkorb"});
        waehlen("Combo_Diff_Notueberl", 1);
    }
    // Everything a user sees in the controls of `w` but the file name box; numbers by value,
    // since a load writes them as number texts (" .625" for "0.625").
    static std::vector<std::string> bildschirm(Form1& w) {
        std::vector<std::string> v;
        for (QLineEdit* e : w.findChildren<QLineEdit*>()) {
            if (e->objectName().isEmpty() || e->objectName() == QLatin1String("Text24")) continue;
            std::string t = e->text().toStdString();
            if (!t.empty() && t.find_first_not_of(" -.0123456789") == std::string::npos) t = Zahlentext(Einzelwert(t));
            v.push_back(e->objectName().toStdString() + "=" + t);
        }
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            if (b->isCheckable()) v.push_back(b->objectName().toStdString() + (b->isChecked() ? "+" : "-"));
        for (QComboBox* c : w.findChildren<QComboBox*>())
            v.push_back(c->objectName().toStdString() + "=" + c->currentText().toStdString());
        return v;
    }
};

TEST_F(Projekt_Test, SpeichernUndLadenStelltJedesFeldWiederHer) {
    projekt_tippen();
    const auto vorher = bildschirm(*fenster);
    const std::string pfad = (ordner / "Projekt.Dkm").string();
    p.dateien = {pfad};
    klick("Command2");
    EXPECT_EQ(p.protokoll.back().titel + "|" + p.protokoll.back().text, "aktuelles Projekt speichern|KandProj");

    protokoll_leeren();
    klick("Command7");
    EXPECT_EQ(titel(), Titel{}) << "all saved: a new project asks nothing";
    ASSERT_NE(bildschirm(*fenster), vorher);
    protokoll_leeren();
    p.dateien = {pfad};
    klick("Command6");
    EXPECT_EQ(p.protokoll.front().titel, "vorhandenes Projekt aufrufen");
    EXPECT_EQ(titel(), Titel{}) << "nothing to overwrite, nothing to ask";
    EXPECT_EQ(bildschirm(*fenster), vorher);
    EXPECT_TRUE(text("Text24") == pfad && w("Label4")->isVisible());

    // a declined question and cancelled file dialogs leave the changed project on screen
    tippen("Laenge_3", "4");
    const auto geaendert = bildschirm(*fenster);
    antworten({false});
    p.dateien = {pfad};
    klick("Command6");
    EXPECT_EQ(titel(), Titel{"Daten aufrufen"});
    klick({"Command2", "Command6"});
    EXPECT_EQ(bildschirm(*fenster), geaendert);
    EXPECT_FALSE(std::filesystem::exists(ordner / "KandProj.Dkm"));
}

// The title bar shows the file and unsaved input as the behaviour layer says; the folder used last is
// proposed also at the next start, from the settings.
TEST_F(Projekt_Test, GespeichertesProjektHeisstNachSeinerDatei) {
    const std::string programm = "Dachkandelmesser nach DIN EN 12056", pfad = (ordner / "Halle Nord.Dkm").string();
    tippen({{"Laenge_1", "10"}, {"Breite_1", "5"}});
    EXPECT_EQ(fenster->windowTitle().toStdString(), programm + "*");
    p.dateien = {pfad};
    klick("Command2");
    EXPECT_EQ(fenster->windowTitle().toStdString(), programm + " \u2013 Halle Nord.Dkm");
    Form1 naechster_start(p, Startformular(ordner / "Regeneig.dat"));
    naechster_start.setze_einstellungsordner(ordner);
    naechster_start.knopf("Command2")->click();
    EXPECT_EQ(p.protokoll.back().text, (ordner / "KandProj").string()) << "the folder is kept in the settings";
}

// A file named on the command line loads as "vorh. Projekt aufrufen" does (both end in the same load): an older
// file asks and notes what it leaves out. The title bar names the file until a new project drops it.
TEST_F(Projekt_Test, DateiargumentLaedtUndDerTitelNenntDieDatei) {
    const std::string programm = "Dachkandelmesser nach DIN EN 12056";
    EXPECT_EQ(fenster->windowTitle().toStdString(), programm);
    fenster->projekt_aufrufen(DKM_EXAMPLES_DIR "/innen_alt.Dkl");
    EXPECT_EQ(text("Text24"), DKM_EXAMPLES_DIR "/innen_alt.Dkl");
    EXPECT_EQ(titel().size(), 4u) << "asks, and notes what it leaves out";
    EXPECT_EQ(fenster->windowTitle().toStdString(), programm + " \u2013 innen_alt.Dkl");
    klick("Command2");
    EXPECT_EQ(p.protokoll.back().text, DKM_EXAMPLES_DIR "/innen_alt.Dkm") << "an older file is not written over";
    p.antworten = {true};
    klick("Command7");
    EXPECT_EQ(fenster->windowTitle().toStdString(), programm);

    protokoll_leeren();
    klick("Ueber_Dachkandelmesser");
    EXPECT_NE(p.protokoll.back().text.find(ordner.string()), std::string::npos) << "where the settings live";
}

// Yes to "end the program?" keeps the window, from the button, the tool bar and the frame alike.
TEST_F(Projekt_Test, BeendenJaBehaeltDasFensterNeinBeendet) {
    tippen("Laenge_1", "10");
    klick("Command10");
    if (auto* leiste = w<QAction>("Command10")) leiste->trigger();
    EXPECT_FALSE(fenster->close());
    EXPECT_EQ(titel(), Titel(3, "Programm beenden"));
    EXPECT_TRUE(fenster->isVisible() && text("Laenge_1") == "10");

    p.antworten = {false};
    klick("Command10");
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(titel().size(), 4u) << "no further question";
}

}  // namespace dkm::ui
