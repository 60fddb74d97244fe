// The report in the window: preview, printing through the platform, PDF export; the height correction.
#include <QLabel>
#include <fstream>

#include "fenster_hilfen.h"
#include "files/einstellungen.h"
#include "ui/korrektur.h"
#include "ui/vorschauseite.h"

namespace dkm::ui {

class Bericht_Test : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}, {"Laenge_2", "10"},
                {"Breite_2", "8"}});
    }
    Korrektur_Panel* panel() { return w<Korrektur_Panel>("Druckvorsch"); }
    Vorschauseite* seite() { return w<Vorschauseite>("Vorschauseite"); }
    static std::string anfang(const std::filesystem::path& datei) {
        std::string s(5, '\0');
        std::ifstream(datei, std::ios::binary).read(s.data(), 5);
        return s;
    }
};

TEST_F(Bericht_Test, PreviewTurnsPagesAndCloses) {
    klick("Option2");
    tippen({{"Text2", "300"}, {"Text3", "90"}, {"Text4", "80"}});
    protokoll_leeren();
    klick("Command3");
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(knopftext("Command28") + "|" + knopftext("Command29"), "blättern|abbrechen");
    ASSERT_TRUE(seite()->isVisible() && seite()->bericht() && !w("Command30")->isVisible());
    EXPECT_TRUE(seite()->seite() == 1 && seite()->bericht()->schriftgroesse == 8) << "page 1 in 8 point";
    EXPECT_TRUE(seite()->parentWidget()->rect().contains(seite()->geometry())) << "the whole page is on the screen";
    EXPECT_FALSE(im_fenster(seite()).intersects(im_fenster(panel()))) << "the page leaves its buttons free";

    klick("Command28");
    EXPECT_TRUE(seite()->seite() == 2 && seite()->bericht()->seiten[1].zeichnungen.size() == 2u) << "page 2, sketches";
    // a page shows the results as they stand: turning it recalculates nothing
    const Formular vorher = f();
    f()[T::Laenge_2] = "20";
    klick("Command28");
    EXPECT_TRUE(seite()->seite() == 1 && f().werte.Laenge == vorher.werte.Laenge) << "turning twice returns to page 1";
    klick("Command29");
    EXPECT_FALSE(panel()->isVisible() || seite()->isVisible() || w("Command28")->isVisible() || !titel().empty());
}

TEST_F(Bericht_Test, PreviewConflicts) {
    // leaving "Druckansicht" for an input closes the preview; its own buttons do not
    klick("Command3");
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    w("Command28")->setFocus();
    EXPECT_TRUE(panel()->isVisible());
    w("Command3")->setFocus();
    feld("Laenge_3")->setFocus();
    EXPECT_FALSE(panel()->isVisible());

    // the correction panel in the same box is not hidden by leaving "Druckansicht"
    klick({"Option2", "Option5", "Command11", "Command3"});  // refused
    feld("Laenge_3")->setFocus();
    EXPECT_TRUE(panel()->isVisible() && f().aktiver_Modus == Modus::Korrektur);
}

// Yes: one job on the default printer and nothing more asked. No: the dialog's copies, each its own job.
TEST_F(Bericht_Test, PrintingThroughThePlatform) {
    klick("Formular_Print");
    EXPECT_EQ(titel(), Titel{"Standard-Drucker ändern."});
    ASSERT_EQ(p.auftraege.size(), 1u);
    // no settings file: the default size
    EXPECT_TRUE(p.auftraege[0].drucker.empty() && p.auftraege[0].seiten == 2 && p.auftraege[0].schriftgroesse == 10);
    EXPECT_NE(p.auftraege[0].text.find("   - Seite 2 -"), std::string::npos);

    protokoll_leeren(), p.auftraege.clear();
    p.antworten = {false};
    p.druckerwahlen = {bericht::Druckerwahl{"Buero", 2}};
    klick("Formular_Print");
    EXPECT_EQ(titel(), Titel{"Standard-Drucker ändern."}) << "no question about resetting a default printer";
    ASSERT_EQ(p.auftraege.size(), 2u);
    for (const auto& a : p.auftraege) EXPECT_EQ(a.drucker, "Buero");
    p.auftraege.clear(), p.antworten = {false};
    klick("Formular_Print");
    EXPECT_TRUE(p.auftraege.empty()) << "printer dialog cancelled";

    // font size from the settings file, clamped: 14 prints at 12
    ASSERT_TRUE(Druckwerte_schreiben(ordner / "Druckwrt.dat", {14, 0, 0}));
    klick("Formular_Print");
    ASSERT_EQ(p.auftraege.size(), 1u);
    EXPECT_EQ(p.auftraege[0].schriftgroesse, 12);
    EXPECT_NE(p.auftraege[0].text.find(std::string(11, ' ') + std::string(91, '_')), std::string::npos) << "paper";

    // a failing printer is reported, not passed over
    p.druckfehler = "Papierstau.", protokoll_leeren();
    klick("Formular_Print");
    ASSERT_EQ(titel(), (Titel{"Standard-Drucker ändern.", "Projekt drucken"}));
    EXPECT_NE(p.protokoll.back().text.find("Papierstau."), std::string::npos);
}

// The file name proposed for the report: the project file's, else the client's, else "Bericht";
// never with a character that would make a folder or a broken name.
TEST_F(Bericht_Test, SaveAsPdf) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Meier", "Meier.pdf"}, {"Meier\\Sohn\tGmbH/Nord", "Meier_Sohn_GmbH_Nord.pdf"}, {"", "Bericht.pdf"}};
    for (auto [bauherr, vorschlag] : faelle) {
        setzen("Bauherr", bauherr), protokoll_leeren();
        klick("Als_PDF_speichern");  // the dialog cancelled
        EXPECT_EQ(p.protokoll.at(0).text, vorschlag) << bauherr;
    }
    // a folder in the way is reported as what it is; an old file is replaced
    const std::filesystem::path alt = ordner / "alt.pdf";
    std::ofstream(alt, std::ios::binary) << "alter Inhalt";
    std::filesystem::create_directories(ordner / "weg.pdf" / "drin");
    p.dateien = {(ordner / "weg.pdf").string(), alt.string()};
    protokoll_leeren();
    klick("Als_PDF_speichern");
    ASSERT_EQ(titel(), Titel{"Als PDF speichern"});
    EXPECT_NE(p.protokoll[1].text.find("weg.pdf\u201C ist keine gewöhnliche Datei"), std::string::npos);
    klick("Als_PDF_speichern");
    EXPECT_EQ(anfang(alt), "%PDF-");
    EXPECT_NE(w<QAction>("Als_PDF"), nullptr) << "the tool bar has the command too";

    // without a printer the program offers the PDF instead
    p.drucker_da = false, p.dateien = {(ordner / "bericht.pdf").string()}, protokoll_leeren();
    klick("Formular_Print");
    EXPECT_TRUE(titel() == Titel{"Kein Drucker"} && p.protokoll.back().art == "speichern");
    EXPECT_EQ(anfang(ordner / "bericht.pdf"), "%PDF-");
}

// The panel names how far the drawings move, and "übernehmen" writes what it keeps to into the file.
TEST_F(Bericht_Test, DruckerpanelSchreibtSeineDatei) {
    klick("Command19");
    EXPECT_TRUE(w("Label_Grenze_Text7")->isVisible() && w<QLabel>("Label_Grenze_Text8")->text().contains(QStringLiteral("5 mm")));
    setzen("Text7", "20");
    klick("Command20");
    const auto gespeichert = Druckwerte_lesen(ordner / "Druckwrt.dat", {});
    ASSERT_TRUE(gespeichert);
    EXPECT_EQ(gespeichert->Verschiebung_horizontal, 5.0f);
}

// No zeros printed as results: while the results are not those of the inputs, preview, printing and
// PDF refuse with the recalculation's message, naming the box of a refused input.
TEST_F(Bericht_Test, RefusedWhileResultsAreNotCurrent) {
    tippen("Laenge_2", "99999999");
    ASSERT_EQ(titel(), Titel{"Eingabefehler"});
    for (const char* befehl : {"Command3", "Formular_Print", "Als_PDF_speichern"}) {
        protokoll_leeren();
        klick(befehl);
        ASSERT_EQ(titel(), Titel{"Eingabefehler"}) << befehl;
        EXPECT_NE(p.protokoll[0].text.find("´Teillänge der Rinne TS 2´ ist für die Berechnung zu groß"), std::string::npos);
        EXPECT_EQ(p.protokoll.size(), 1u) << befehl << ": nothing asked, no file dialog";
    }
    EXPECT_FALSE(seite()->isVisible() || panel()->isVisible() || f().aktiver_Modus == Modus::Vorschau);
    EXPECT_TRUE(p.auftraege.empty());

    tippen({{"Laenge_2", "10"}, {"Laenge_3", "5"}});  // a length without an area
    protokoll_leeren();
    klick("Command3");
    EXPECT_EQ(titel(), Titel{"Maße fehlen!"});
    EXPECT_FALSE(seite()->isVisible());
    tippen("Laenge_3", "");
    klick("Command3");
    EXPECT_TRUE(seite()->isVisible()) << "complete again";
}

// The height correction panel over Druckvorsch: yellow, with its live boxes, "Korr." off while it is open.
TEST_F(Bericht_Test, KorrekturPanel) {
    klick({"Option2", "Option5"});
    klick("Command11");
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->palette().color(QPalette::Base), QColor(255, 255, 128));
    EXPECT_FALSE(w("Command30")->isEnabled() || w("Command11")->isEnabled());
    klick("Command28");
    EXPECT_TRUE(w("Text31")->isVisible() && text("Text31").find("(+10)") != std::string::npos) << text("Text31");
    p.antworten = {true};
    klick("Option1");
    EXPECT_TRUE(gewaehlt("Option2") && !gewaehlt("Option1")) << "a refused click leaves the buttons as they were";
    klick("Command31");
    EXPECT_TRUE(!panel()->isVisible() && w("Command11")->isEnabled());
}

}  // namespace dkm::ui
