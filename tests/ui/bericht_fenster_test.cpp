// The report in the window: preview, printing through the platform, PDF export, issuer fields.
#include <QImage>
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
    // With DKM_BILDER set, the window is saved there as a picture of the state under test.
    void bild(const char* name) {
        if (const char* ordner = std::getenv("DKM_BILDER")) fenster->grab().save(QString::fromUtf8(ordner) + "/" + name);
    }
};

TEST_F(Bericht_Test, PreviewTurnsPagesAndCloses) {
    klick("Option2");
    tippen({{"Text2", "300"}, {"Text3", "90"}, {"Text4", "80"}});
    protokoll_leeren();
    klick("Command3");
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(f().Status_Vorschau, "aktiv");
    EXPECT_EQ(knopftext("Command28"), "blättern");
    EXPECT_EQ(knopftext("Command29"), "abbrechen");
    EXPECT_FALSE(w("Command30")->isVisible());
    EXPECT_EQ(seite()->seite(), 1);
    ASSERT_TRUE(seite()->bericht());
    EXPECT_EQ(seite()->bericht()->schriftgroesse, 8);
    EXPECT_TRUE(panel()->parentWidget()->rect().contains(panel()->geometry()));
    EXPECT_TRUE(seite()->isVisible());
    EXPECT_TRUE(seite()->parentWidget()->rect().contains(seite()->geometry())) << "the whole page is on the screen";
    EXPECT_FALSE(seite()->geometry().intersects(
        QRect(panel()->mapTo(seite()->parentWidget(), QPoint(0, 0)), panel()->size())))
        << "the page leaves its buttons free";
    bild("vorschau_seite1.png");

    klick("Command28");
    EXPECT_EQ(seite()->seite(), 2);
    ASSERT_EQ(seite()->bericht()->seiten[1].zeichnungen.size(), 2u) << "schematic and cross-section";
    bild("vorschau_seite2.png");
    klick("Command28");
    EXPECT_EQ(seite()->seite(), 1) << "turning twice returns to page 1";

    // drawing a page recalculates: a value changed meanwhile shows on it
    f()[T::Laenge_2] = "20";
    klick("Command28");
    EXPECT_EQ(f().werte.Laenge[1], 20.0f);
    klick("Command29");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(seite()->isVisible());
    EXPECT_EQ(f().Status_Vorschau, "aus");
    EXPECT_FALSE(w("Command28")->isVisible());
    EXPECT_TRUE(titel().empty());
}

TEST_F(Bericht_Test, PreviewConflicts) {
    // the guide: No keeps it and no preview opens, Yes ends it
    f().Status_Leitfaden = aktiv;
    p.antworten = {false, true};
    klick("Command3");
    EXPECT_EQ(f().Status_Vorschau, "aus");
    klick("Command3");
    EXPECT_EQ(titel(), (Titel{"Konflikt Leitfaden mit der Druckvorschau", "Konflikt Leitfaden mit der Druckvorschau"}));
    EXPECT_EQ(f().Status_Leitfaden, "aus");
    EXPECT_EQ(f().Status_Vorschau, "aktiv");

    // leaving "Druckansicht" for an input closes the preview; its own buttons do not
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    w("Command3")->setFocus();
    w("Command28")->setFocus();
    EXPECT_EQ(f().Status_Vorschau, "aktiv");
    w("Command3")->setFocus();
    feld("Laenge_3")->setFocus();
    EXPECT_EQ(f().Status_Vorschau, "aus");
    EXPECT_FALSE(panel()->isVisible());

    // the correction panel in the same box is not hidden by leaving "Druckansicht"
    protokoll_leeren();
    klick({"Option2", "Option5", "Command11", "Command3"});
    EXPECT_EQ(titel(), Titel{"Konflikt Druckvorschau mit Korrektur Rinnenhöhe"});
    feld("Laenge_3")->setFocus();
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(f().Status_Korrektur, "aktiv");
}

// Yes: one job on the default printer and nothing more asked. No: the dialog's copies, each its own job.
TEST_F(Bericht_Test, PrintingThroughThePlatform) {
    klick("Formular_Print");
    EXPECT_EQ(titel(), Titel{"Standard-Drucker ändern."});
    ASSERT_EQ(p.auftraege.size(), 1u);
    EXPECT_EQ(p.auftraege[0].drucker, "");
    EXPECT_EQ(p.auftraege[0].seiten, 2);
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

    // cancelled dialog: nothing printed
    p.auftraege.clear();
    p.antworten = {false};
    klick("Formular_Print");
    EXPECT_TRUE(p.auftraege.empty());

    // font size from the settings file, clamped: 14 prints at 12
    ASSERT_FALSE(Druckwerte_schreiben(ordner / "Druckwrt.dat", {14, 0, 0}));
    protokoll_leeren();
    klick("Formular_Print");
    ASSERT_EQ(p.auftraege.size(), 1u);
    EXPECT_EQ(p.auftraege[0].schriftgroesse, 12);
    EXPECT_NE(p.auftraege[0].text.find(std::string(11, ' ') + std::string(91, '_')), std::string::npos) << "paper";

    // a failing printer is reported, not passed over
    p.auftraege.clear();
    p.druckfehler = "Papierstau.";
    protokoll_leeren();
    klick("Formular_Print");
    ASSERT_EQ(titel(), (Titel{"Standard-Drucker ändern.", "Projekt drucken"}));
    EXPECT_NE(p.protokoll.back().text.find("Papierstau."), std::string::npos);
}

// Without a printer the program offers the PDF instead; the file is written where the user says.
TEST_F(Bericht_Test, NoPrinterOffersPdf) {
    p.drucker_da = false;
    const std::filesystem::path ziel = ordner / "bericht.pdf";
    p.dateien = {ziel.string()};
    klick("Formular_Print");
    EXPECT_EQ(titel(), Titel{"Kein Drucker"});
    EXPECT_EQ(p.protokoll.back().art, "speichern");
    std::ifstream ein(ziel, std::ios::binary);
    std::string anfang(5, '\0');
    ein.read(anfang.data(), 5);
    EXPECT_EQ(anfang, "%PDF-");
}

TEST_F(Bericht_Test, SaveAsPdf) {
    tippen("Bauherr", "Meier");
    const std::filesystem::path alt = ordner / "alt.pdf";
    std::ofstream(alt, std::ios::binary) << "alter Inhalt";
    protokoll_leeren();
    // a folder in the way of the rename
    std::filesystem::create_directories(ordner / "weg.pdf" / "drin");
    p.dateien = {(ordner / "weg.pdf").string(), alt.string()};
    klick("Als_PDF_speichern");
    ASSERT_EQ(p.protokoll.size(), 2u);
    EXPECT_EQ(p.protokoll[0].text, "Meier.pdf") << "proposes the client's name without a project file";
    EXPECT_EQ(p.protokoll[1].titel, "Als PDF speichern");
    EXPECT_NE(p.protokoll[1].text.find("konnte nicht als PDF gespeichert werden"), std::string::npos);
    klick("Als_PDF_speichern");
    std::ifstream ein(alt, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ein), {}).substr(0, 5), "%PDF-");
    // the tool bar has the command too
    EXPECT_NE(w<QAction>("Als_PDF"), nullptr);
}

// The issuer fields open with the printer settings and are kept in their own file.
TEST_F(Bericht_Test, IssuerFields) {
    klick("Command19");
    ASSERT_TRUE(feld("Aussteller_Name")->isVisible());
    EXPECT_EQ(text("Aussteller_Name"), "");
    feld("Aussteller_Name")->setText(QStringLiteral("Dachbau Ost"));
    feld("Aussteller_Telefon")->setText(QStringLiteral("0341 1"));
    klick("Command20");
    Aussteller a;
    ASSERT_TRUE(Aussteller_lesen(ordner / "Aussteller.dat", a));
    EXPECT_EQ(a.name, "Dachbau Ost");
    protokoll_leeren();
    klick("Formular_Print");
    ASSERT_EQ(p.auftraege.size(), 1u);
    EXPECT_NE(p.auftraege[0].text.find("Dachbau Ost, Tel.: 0341 1\n"), std::string::npos);
    // cancel keeps the file
    klick("Command19");
    feld("Aussteller_Name")->setText(QStringLiteral("anders"));
    klick("Command21");
    ASSERT_TRUE(Aussteller_lesen(ordner / "Aussteller.dat", a));
    EXPECT_EQ(a.name, "Dachbau Ost");
}

}  // namespace
}  // namespace dkm::ui
