// The report in the window: preview, printing through the platform, PDF export, issuer fields.
#include <fstream>

#include "fenster_hilfen.h"
#include "files/einstellungen.h"
#include "ui/korrektur.h"
#include "ui/vorschauseite.h"

namespace dkm::ui {
namespace {

class Bericht_Test : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        tippen({{"r5_5", "300"}, {"r5_100", "600"}});
        tippen({{"Laenge_1", "10"}, {"Breite_1", "8"}, {"Laenge_2", "10"}, {"Breite_2", "8"}});
        protokoll_leeren();
    }
    Korrektur_Panel* panel() { return w<Korrektur_Panel>("Druckvorsch"); }
    Vorschauseite* seite() { return w<Vorschauseite>("Vorschauseite"); }
    std::string knopftext(const char* name) { return w<QAbstractButton>(name)->text().toStdString(); }
    static std::string anfang(const std::filesystem::path& datei) {
        std::ifstream ein(datei, std::ios::binary);
        std::string s(5, '\0');
        ein.read(s.data(), 5);
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
    EXPECT_FALSE(w("Command30")->isVisible());
    EXPECT_EQ(seite()->seite(), 1);
    ASSERT_TRUE(seite()->isVisible() && seite()->bericht());
    EXPECT_EQ(seite()->bericht()->schriftgroesse, 8);
    EXPECT_TRUE(seite()->parentWidget()->rect().contains(seite()->geometry())) << "the whole page is on the screen";
    EXPECT_FALSE(seite()->geometry().intersects(
        QRect(panel()->mapTo(seite()->parentWidget(), QPoint(0, 0)), panel()->size())))
        << "the page leaves its buttons free";

    klick("Command28");
    EXPECT_EQ(seite()->seite(), 2);
    EXPECT_EQ(seite()->bericht()->seiten[1].zeichnungen.size(), 2u) << "schematic and cross-section";
    // drawing a page recalculates: a value changed meanwhile shows on it
    f()[T::Laenge_2] = "20";
    klick("Command28");
    EXPECT_EQ(seite()->seite(), 1) << "turning twice returns to page 1";
    EXPECT_EQ(f().werte.Laenge[1], 20.0f);
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
    klick({"Option2", "Option5", "Command11", "Command3"});
    EXPECT_EQ(titel(), Titel{"Konflikt Druckvorschau mit Korrektur Rinnenhöhe"});
    feld("Laenge_3")->setFocus();
    EXPECT_TRUE(panel()->isVisible() && f().Status_Korrektur == aktiv);
}

// Yes: one job on the default printer and nothing more asked. No: the dialog's copies, each its own job.
TEST_F(Bericht_Test, PrintingThroughThePlatform) {
    klick("Formular_Print");
    EXPECT_EQ(titel(), Titel{"Standard-Drucker ändern."});
    ASSERT_EQ(p.auftraege.size(), 1u);
    EXPECT_TRUE(p.auftraege[0].drucker.empty() && p.auftraege[0].seiten == 2);
    EXPECT_EQ(p.auftraege[0].schriftgroesse, 10) << "no settings file: the default size";
    EXPECT_NE(p.auftraege[0].text.find("   - Seite 2 -"), std::string::npos);

    protokoll_leeren();
    p.auftraege.clear();
    p.antworten = {false};
    p.druckerwahlen = {bericht::Druckerwahl{"Buero", 2}};
    klick("Formular_Print");
    EXPECT_EQ(titel(), Titel{"Standard-Drucker ändern."}) << "no question about resetting a default printer";
    ASSERT_EQ(p.auftraege.size(), 2u);
    for (const auto& a : p.auftraege) EXPECT_EQ(a.drucker, "Buero");
    p.auftraege.clear();
    p.antworten = {false};
    klick("Formular_Print");
    EXPECT_TRUE(p.auftraege.empty()) << "printer dialog cancelled";

    // font size from the settings file, clamped: 14 prints at 12
    ASSERT_FALSE(Druckwerte_schreiben(ordner / "Druckwrt.dat", {14, 0, 0}));
    klick("Formular_Print");
    ASSERT_EQ(p.auftraege.size(), 1u);
    EXPECT_EQ(p.auftraege[0].schriftgroesse, 12);
    EXPECT_NE(p.auftraege[0].text.find(std::string(11, ' ') + std::string(91, '_')), std::string::npos) << "paper";

    // a failing printer is reported, not passed over
    p.druckfehler = "Papierstau.";
    protokoll_leeren();
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
        setzen("Bauherr", bauherr);
        protokoll_leeren();
        klick("Als_PDF_speichern");  // the dialog cancelled
        ASSERT_EQ(p.protokoll.size(), 1u) << bauherr;
        EXPECT_EQ(p.protokoll[0].text, vorschlag) << bauherr;
    }
    // a folder in the way of the rename is reported; an old file is replaced
    const std::filesystem::path alt = ordner / "alt.pdf";
    std::ofstream(alt, std::ios::binary) << "alter Inhalt";
    std::filesystem::create_directories(ordner / "weg.pdf" / "drin");
    p.dateien = {(ordner / "weg.pdf").string(), alt.string()};
    protokoll_leeren();
    klick("Als_PDF_speichern");
    ASSERT_EQ(titel(), Titel{"Als PDF speichern"});
    EXPECT_NE(p.protokoll[1].text.find("konnte nicht als PDF gespeichert werden"), std::string::npos);
    klick("Als_PDF_speichern");
    EXPECT_EQ(anfang(alt), "%PDF-");
    EXPECT_NE(w<QAction>("Als_PDF"), nullptr) << "the tool bar has the command too";

    // without a printer the program offers the PDF instead
    p.drucker_da = false;
    p.dateien = {(ordner / "bericht.pdf").string()};
    protokoll_leeren();
    klick("Formular_Print");
    EXPECT_EQ(titel(), Titel{"Kein Drucker"});
    EXPECT_EQ(p.protokoll.back().art, "speichern");
    EXPECT_EQ(anfang(ordner / "bericht.pdf"), "%PDF-");
}

}  // namespace
}  // namespace dkm::ui
