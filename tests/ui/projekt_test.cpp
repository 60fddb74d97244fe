// Saving, loading and ending, with the file dialogs answered by script.
#include <QPlainTextEdit>
#include <fstream>

#include "cli/dump.h"
#include "model/zahlen.h"
#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

class Projekt_Test : public Fenster {
protected:
    // An internal gutter in single mode with a bit of everything.
    void projekt_tippen() {
        klick("Command15");
        setzen("Bauherr", "Müller, Hans");
        setzen("PLZ_Ort", "12345 Frankfurt, Main");
        klick("Command14");
        waehlen("Combo_Wahl_Regensp", 29);
        waehlen("Combo_Abfl_beiwert", 1);
        waehlen("Combo_Schutzfaktor", 3);
        klick({"Option2", "Option5"});
        tippen({{"Text30", "2"}, {"Laenge_1", "6"}, {"Breite_1", "8"}, {"Laenge_2", "7.5"}, {"Breite_2", "8"},
                {"Zusatz_Flaeche_2", "12"}});
        klick({"Check2", "Check_Schutzkorb"});
        waehlen("Combo_Diff_Notueberl", 1);
    }
    std::string speichern(const char* name) {
        const std::string pfad = (ordner / name).string();
        p.dateien = {pfad};
        klick("Command2");
        return pfad;
    }
    void laden(const std::string& pfad) {
        p.dateien = {pfad};
        klick("Command6");
    }
    // Everything a user sees in the controls but the box `ohne`; numbers by value,
    // since a load writes them as number texts (" .625" for "0.625").
    std::vector<std::string> bildschirm(const char* ohne = "") {
        std::vector<std::string> v;
        for (QLineEdit* e : fenster->findChildren<QLineEdit*>()) {
            if (e->objectName().isEmpty() || e->objectName() == QLatin1String(ohne)) continue;
            std::string t = e->text().toStdString();
            if (!t.empty() && t.find_first_not_of(" -.0123456789") == std::string::npos)
                t = Zahlentext(Einzelwert(t));
            v.push_back(e->objectName().toStdString() + "=" + t);
        }
        for (QAbstractButton* b : fenster->findChildren<QAbstractButton*>())
            if (b->isCheckable()) v.push_back(b->objectName().toStdString() + (b->isChecked() ? "+" : "-"));
        for (QComboBox* c : fenster->findChildren<QComboBox*>())
            v.push_back(c->objectName().toStdString() + "=" + c->currentText().toStdString());
        return v;
    }
};

TEST_F(Projekt_Test, SpeichernUndLadenStelltJedesFeldWiederHer) {
    projekt_tippen();
    const auto vorher = bildschirm("Text24");  // the file name box names the file after a load
    const std::string pfad = speichern("Projekt.Dkm");
    const auto dialog = p.protokoll.back();
    EXPECT_EQ(dialog.art + "|" + dialog.titel + "|" + dialog.text, "speichern|aktuelles Projekt speichern|KandProj");

    p.antworten = {true};
    klick("Command7");
    ASSERT_NE(bildschirm("Text24"), vorher);
    protokoll_leeren();
    laden(pfad);
    EXPECT_EQ(p.protokoll.front().titel, "vorhandenes Projekt aufrufen");
    EXPECT_EQ(titel(), Titel{}) << "nothing to overwrite, nothing to ask";
    EXPECT_EQ(bildschirm("Text24"), vorher);
    EXPECT_EQ(text("Text24"), pfad);
    EXPECT_TRUE(w("Label4")->isVisible());
}

// A damaged file, a declined question and a cancelled file dialog all leave the project on screen.
TEST_F(Projekt_Test, KaputteAbgelehnteOderAbgebrocheneDateiLaesstAllesStehen) {
    const std::string gut = speichern("Gut.Dkm");
    laden(gut);
    projekt_tippen();
    const auto vorher = bildschirm();
    const std::string kaputt = (ordner / "Kaputt.Dkm").string();
    std::ofstream(kaputt, std::ios::binary) << "Wertedatei f\xfcr Dachkandelmesser Version 07 08\r\nnur eine Zeile\r\n";
    protokoll_leeren();
    laden(kaputt);
    ASSERT_FALSE(titel().empty());
    EXPECT_EQ(titel().back(), "Datei-Kontrolle");
    EXPECT_EQ(bildschirm(), vorher);
    EXPECT_EQ(text("Text24"), gut) << "the name of the project still on screen";

    protokoll_leeren();
    p.antworten = {false};
    laden(gut);
    EXPECT_EQ(titel(), Titel{"Daten aufrufen"});
    EXPECT_EQ(bildschirm(), vorher);
    EXPECT_EQ(f().Ladevorgang, "nein");

    klick({"Command2", "Command6"});  // file dialogs left without a file
    EXPECT_EQ(bildschirm(), vorher);
    EXPECT_FALSE(std::filesystem::exists(ordner / "KandProj.Dkm"));
    klick("Check3");  // and the handlers still work
    EXPECT_EQ(f().Winkelfaktor[2], 0.85f);
}

TEST_F(Projekt_Test, AlteDateiZeigtDenBaustellenhinweisSolangeSeineMeldungOffenIst) {
    std::string text_dabei;
    p.beim_zeigen = [&](const Skript_Plattform::Eintrag& e) {
        if (e.titel == "Nichtübernahme Baustellenwerte" && w("Hilfe_Text")->isVisible())
            text_dabei = w<QPlainTextEdit>("Hilfe_Text")->toPlainText().toStdString();
    };
    laden(DKM_EXAMPLES_DIR "/innen_alt.Dkl");
    EXPECT_NE(text_dabei.find("Nicht übernommen werden die Angaben zur Baustelle"), std::string::npos);
    EXPECT_FALSE(w("Hilfe_Text")->isVisible());
    EXPECT_TRUE(w("Rinnen_innenliegend")->isVisible());
}

// The window and dkm-rechner are two faces of one engine.
TEST_F(Projekt_Test, GetipptesProjektGibtDenZustandVonDkmRechner) {
    projekt_tippen();
    klick("Check_Schutzkorb");  // a load leaves the leaf-guard note as it was
    const std::string pfad = speichern("Vergleich.Dkm");
    const std::string fenster_dump = Dump(f(), {});
    const Rechnerlauf lauf = Rechner({pfad}, ".", ordner.string());
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    // only the results: typed inputs keep the user's spelling, a load writes number texts
    auto ergebnisse = [](const std::string& s) {
        const size_t von = s.find("\"ergebnisse\"");
        return s.substr(von, s.find("\"meldungen\"") - von);
    };
    EXPECT_EQ(ergebnisse(lauf.ausgabe), ergebnisse(fenster_dump));
}

using Beenden_Test = Fenster;

// Yes to "end the program?" keeps the window, from the button, the tool bar and the frame alike.
TEST_F(Beenden_Test, JaBehaeltDasFensterNeinBeendet) {
    tippen("Laenge_1", "10");
    klick("Command10");
    if (auto* leiste = w<QAction>("Command10")) leiste->trigger();
    EXPECT_FALSE(fenster->close());
    EXPECT_EQ(titel(), Titel(3, "Programm beenden"));
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(text("Laenge_1"), "10");

    p.antworten = {false};
    klick("Command10");
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(titel().size(), 4u) << "no further question";
}

}  // namespace
}  // namespace dkm::ui
