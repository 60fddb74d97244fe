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
        klick("Option2");
        klick("Option5");
        tippen("Text30", "2");
        tippen("Laenge_1", "6");
        tippen("Breite_1", "8");
        tippen("Laenge_2", "7.5");
        tippen("Breite_2", "8");
        tippen("Zusatz_Flaeche_2", "12");
        klick("Check2");
        klick("Check_Schutzkorb");
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
    // Everything a user sees in the controls; numbers by value, since a load
    // writes them as number texts (" .625" for "0.625").
    std::vector<std::string> bildschirm() {
        std::vector<std::string> v;
        for (QLineEdit* e : fenster->findChildren<QLineEdit*>()) {
            if (e->objectName().isEmpty()) continue;
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
    const std::vector<std::string> vorher = bildschirm();
    const std::string pfad = speichern("Projekt.Dkm");
    ASSERT_EQ(p.protokoll.back().art, "speichern");
    EXPECT_EQ(p.protokoll.back().titel, "aktuelles Projekt speichern");
    EXPECT_EQ(p.protokoll.back().text, "KandProj");

    p.antworten = {true};
    klick("Command7");
    ASSERT_NE(bildschirm(), vorher);
    protokoll_leeren();
    laden(pfad);
    EXPECT_EQ(p.protokoll.front().titel, "vorhandenes Projekt aufrufen");
    EXPECT_EQ(titel(), std::vector<std::string>{}) << "nothing to overwrite, nothing to ask";

    std::vector<std::string> nachher = bildschirm();
    // only the file name box differs: it now names the file
    std::erase_if(nachher, [](const std::string& s) { return s.rfind("Text24=", 0) == 0; });
    std::vector<std::string> erwartet = vorher;
    std::erase_if(erwartet, [](const std::string& s) { return s.rfind("Text24=", 0) == 0; });
    EXPECT_EQ(nachher, erwartet);
    EXPECT_EQ(text("Text24"), pfad);
    EXPECT_TRUE(w("Label4")->isVisible());
}

TEST_F(Projekt_Test, AbgelehntesAufrufenLaesstAllesStehen) {
    const std::string pfad = speichern("Leer.Dkm");
    projekt_tippen();
    const std::vector<std::string> vorher = bildschirm();
    protokoll_leeren();
    p.antworten = {false};
    laden(pfad);
    EXPECT_EQ(titel(), std::vector<std::string>{"Daten aufrufen"});
    EXPECT_EQ(bildschirm(), vorher);
    EXPECT_EQ(fenster->formular().Ladevorgang, "nein");
    // and the handlers still work
    klick("Check3");
    EXPECT_EQ(fenster->formular().Winkelfaktor[2], 0.85f);
}

TEST_F(Projekt_Test, KaputteDateiMeldetSichUndBehaeltDasProjekt) {
    const std::string gut = speichern("Gut.Dkm");
    laden(gut);
    projekt_tippen();
    const std::vector<std::string> vorher = bildschirm();
    const std::string kaputt = (ordner / "Kaputt.Dkm").string();
    std::ofstream(kaputt, std::ios::binary) << "Wertedatei f\xfcr Dachkandelmesser Version 07 08\r\nnur eine Zeile\r\n";
    protokoll_leeren();
    laden(kaputt);
    ASSERT_FALSE(titel().empty());
    EXPECT_EQ(titel().back(), "Datei-Kontrolle");
    EXPECT_EQ(bildschirm(), vorher);
    EXPECT_EQ(text("Text24"), gut) << "the name of the project still on screen";
}

TEST_F(Projekt_Test, AbbrechenImDateidialogTutNichts) {
    projekt_tippen();
    const std::vector<std::string> vorher = bildschirm();
    klick("Command2");
    klick("Command6");
    EXPECT_EQ(bildschirm(), vorher);
    EXPECT_TRUE(std::filesystem::is_empty(ordner) || !std::filesystem::exists(ordner / "KandProj.Dkm"));
}

TEST_F(Projekt_Test, AlteDateiZeigtDenBaustellenhinweisSolangeSeineMeldungOffenIst) {
    bool sichtbar_dabei = false;
    std::string text_dabei;
    p.beim_zeigen = [&](const Skript_Plattform::Eintrag& e) {
        if (e.titel != "Nichtübernahme Baustellenwerte") return;
        sichtbar_dabei = w("Hilfe_Text")->isVisible();
        text_dabei = w<QPlainTextEdit>("Hilfe_Text")->toPlainText().toStdString();
    };
    laden(DKM_EXAMPLES_DIR "/innen_alt.Dkl");
    EXPECT_TRUE(sichtbar_dabei);
    EXPECT_NE(text_dabei.find("Nicht übernommen werden die Angaben zur Baustelle"), std::string::npos);
    EXPECT_FALSE(w("Hilfe_Text")->isVisible());
    EXPECT_TRUE(w("Rinnen_innenliegend")->isVisible());
}

// The window and dkm-rechner are two faces of one engine.
TEST_F(Projekt_Test, GetipptesProjektGibtDenZustandVonDkmRechner) {
    projekt_tippen();
    // a load leaves the leaf-guard note as it was, so compare without the leaf guard
    klick("Check_Schutzkorb");
    const std::string pfad = speichern("Vergleich.Dkm");
    const std::string fenster_dump = Dump(fenster->formular(), {});
    const Rechnerlauf lauf = Rechner({pfad}, ".", ordner.string());
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    // typed inputs keep the user's spelling ("6", "0.625"), a load writes number texts
    auto ergebnisse = [](const std::string& s) {
        const size_t von = s.find("\"ergebnisse\"");
        return s.substr(von, s.find("\"meldungen\"") - von);
    };
    EXPECT_EQ(ergebnisse(lauf.ausgabe), ergebnisse(fenster_dump));
}

using Beenden_Test = Fenster;

TEST_F(Beenden_Test, JaBehaeltDasFensterNeinBeendet) {
    tippen("Laenge_1", "10");
    p.antworten = {true};
    klick("Command10");
    EXPECT_EQ(titel(), std::vector<std::string>{"Programm beenden"});
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(text("Laenge_1"), "10");

    // closing by the frame asks the same
    p.antworten = {true};
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(fenster->isVisible());

    p.antworten = {false};
    klick("Command10");
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(titel().size(), 3u) << "no further question";
}

TEST_F(Beenden_Test, KnopfleisteDruecktDieKnoepfeDesHauptfensters) {
    p.antworten = {true};
    QAction* beenden = fenster->findChild<QAction*>(QStringLiteral("Command10"));
    ASSERT_NE(beenden, nullptr);
    beenden->trigger();
    EXPECT_EQ(titel(), std::vector<std::string>{"Programm beenden"});
    QAction* drucken = fenster->findChild<QAction*>(QStringLiteral("Command8"));
    ASSERT_NE(drucken, nullptr);
    fenster->formular().Status_Leitfaden = aktiv;
    p.antworten = {false};
    drucken->trigger();
    EXPECT_EQ(titel().back(), "Konflikt Leitfaden mit der Druckausgabe");
}

}  // namespace
}  // namespace dkm::ui
