// The own-values window's section "Regenspenden nach KOSTRA-DWD-2020", clicked through as a user does:
// the table chosen once, locations typed, values found and taken over into the calculation and the report.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include "cli/dump.h"
#include "common/kostra_tabelle.h"
#include "fenster_hilfen.h"
#include "files/einstellungen.h"
#include "files/kostra_einstellungen.h"
#include "report/bericht.h"
#include "report/text.h"

namespace dkm::ui {
namespace {

namespace fs = std::filesystem;

class Kostra_Fenster : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        tabelle = test::Kostra_Zip(ordner);
    }
    // "eigene Werte aufrufen", then the tab of the weather service's grid.
    void oeffnen() {
        klick("Command22");
        QTabBar* reiter = w<QTabWidget>("Eigenwerte_Reiter")->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(1).center());
        ASSERT_TRUE(w("Kostra_Rahmen")->isVisible());
    }
    void suchen(const char* ort) {
        feld("Kostra_Ort")->clear();
        QTest::keyClicks(feld("Kostra_Ort"), QString::fromUtf8(ort));
        klick("Kostra_Suchen");
    }
    std::string ergebnis() { return w<QLabel>("Kostra_Ergebnis")->text().toStdString(); }
    // The name shown, its beginning cut where the room is short, and the whole path as its tip.
    void erwarte_tabelle(const fs::path& pfad) {
        EXPECT_TRUE(w<QLabel>("Kostra_Tabelle")->text().endsWith(QStringLiteral("2020_D00005.csv.zip")))
            << w<QLabel>("Kostra_Tabelle")->text().toStdString();
        EXPECT_EQ(w<QLabel>("Kostra_Tabelle")->toolTip().toStdString(), pfad.string());
    }
    std::string letzte_meldung() { return p.protokoll.empty() ? "" : p.protokoll.back().text; }
    fs::path tabelle;
};

TEST_F(Kostra_Fenster, TableChosenOnceValuesFoundAndTakenOverIntoCalculationAndReport) {
    // the about box names the data's source and its licence
    klick("Ueber_Dachkandelmesser");
    EXPECT_NE(letzte_meldung().find("Datenbasis: Deutscher Wetterdienst, KOSTRA-DWD-2020, Lizenz CC BY 4.0"),
              std::string::npos);
    tippen({{"Laenge_1", "10"}, {"Breite_1", "10"}});
    oeffnen();
    suchen("049125");
    EXPECT_EQ(letzte_meldung(), std::string(meldung::Kostra_keine_Tabelle));
    EXPECT_FALSE(w("Kostra_Uebernehmen")->isEnabled());

    p.dateien = {tabelle.string()};
    klick("Kostra_Tabelle_waehlen");
    erwarte_tabelle(tabelle);
    EXPECT_EQ(Kostra_Einstellungen_lesen(ordner / "Kostra.dat").tabelle, tabelle);

    // Essen in degrees, minutes and seconds, confirmed with Enter
    protokoll_leeren();
    feld("Kostra_Ort")->clear();
    QTest::keyClicks(feld("Kostra_Ort"), QString::fromUtf8("51°26'46\" N 7°01'13\" E"));
    QTest::keyClick(feld("Kostra_Ort"), Qt::Key_Return);
    EXPECT_TRUE(p.protokoll.empty());
    EXPECT_EQ(ergebnis(), "Feld 129102 (Zeile 129, Spalte 102)\nr(5,5): 323.3 l/(s\u00B7ha) \u00B1 18 %\n"
                          "r(5,100): 616.7 l/(s\u00B7ha) \u00B1 21 %");
    EXPECT_EQ(text("Kostra_Name"), "KOSTRA 2020 Feld 129102");

    // a cell without data and a text that is no location: a message, nothing to take over
    for (const auto& [ort, meldung] : Paare{{"000000", "Für das Rasterfeld 000000 enthält die Tabelle keine"},
                                            {"abc", "\u201Eabc\u201C ist weder ein Ort"}}) {
        suchen(ort);
        EXPECT_NE(letzte_meldung().find(meldung), std::string::npos) << letzte_meldung();
        EXPECT_EQ(p.protokoll.back().titel, "Regenspenden nach KOSTRA-DWD-2020");
        EXPECT_EQ(ergebnis(), "");
        EXPECT_FALSE(w("Kostra_Uebernehmen")->isEnabled());
    }

    suchen("049125");
    EXPECT_EQ(ergebnis(), "Feld 049125 (Zeile 49, Spalte 125)\nr(5,5): 310 l/(s\u00B7ha) \u00B1 19 %\n"
                          "r(5,100): 563.3 l/(s\u00B7ha) \u00B1 22 %");
    klick("Kostra_Uebernehmen");
    // the first empty row holds the place, which is chosen; the window closes and the calculation runs:
    // 10 m x 10 m = 100 m², 100 m² x 310 l/(s·ha) / 10 000 = 3,10 l/s
    EXPECT_FALSE(w("Frame9")->isVisible());
    EXPECT_EQ(w<QComboBox>("Combo_Wahl_Regensp")->currentText().toStdString(), "KOSTRA 2020 Feld 049125");
    erwarte_texte({{"r5_5", " 310"}, {"r5_100", " 563.3"}, {"Text9", "KOSTRA 2020 Feld 049125"},
                   {"Belast_Teilrinne_1", "3.10 l/s"}});
    const auto orte = Eigene_Orte_lesen(ordner / "Regeneig.dat", {});
    ASSERT_TRUE(orte);
    EXPECT_EQ((*orte)[0].name, "KOSTRA 2020 Feld 049125");
    EXPECT_EQ((*orte)[0].r5_100, 563.3f);

    // the project state names the cell the values came from, and the report names the place as stored
    const Kostra_Ort* herkunft = Regen_aus_Rasterfeld(f());
    ASSERT_NE(herkunft, nullptr);
    EXPECT_EQ(herkunft->werte.feld, (Rasterfeld{49, 125}));
    EXPECT_EQ(herkunft->werte.uc5_5, 19);
    const auto seiten = bericht::Bericht_erstellen(f(), bericht::Vorschauform({}, "01.02.2026"));
    ASSERT_TRUE(seiten);
    const std::string bericht = bericht::Als_Text(*seiten);
    EXPECT_NE(bericht.find("    Niederschlagswerte für KOSTRA 2020 Feld 049125 mit:\n"), std::string::npos) << bericht;

    // a new start knows the table and the cell
    fenster = std::make_unique<Form1>(p, Startformular(ordner / "Regeneig.dat"));
    fenster->setze_einstellungsordner(ordner);
    fenster->show();
    ASSERT_NE(Regen_aus_Rasterfeld(f()), nullptr);
    oeffnen();
    erwarte_tabelle(tabelle);
    // typed by hand, the values no longer come from the grid
    klick("Command23");
    tippen("r5_5", "320");
    EXPECT_EQ(Regen_aus_Rasterfeld(f()), nullptr);
}

// A wrong table is refused with its message and changes nothing: the table chosen before stays. A table
// without yields gives them from the depths and says so.
TEST_F(Kostra_Fenster, WrongTableKeepsTheOneChosenBefore) {
    oeffnen();
    // the section's own help, not that of the five places around it
    QWidget* bereich = w("Kostra_Rahmen");
    QTest::mouseMove(bereich, QPoint(bereich->width() - 3, 5));
    QApplication::processEvents();
    EXPECT_TRUE(w<QPlainTextEdit>("Hilfe_Text")->toPlainText().startsWith(QStringLiteral("Regenspenden nach KOSTRA")));
    p.dateien = {tabelle.string()};
    klick("Kostra_Tabelle_waehlen");
    const fs::path zehn = ordner / "StatRR_KOSTRA-DWD-2020_D00010.csv.zip";
    test::Zip_schreiben(zehn, "StatRR_KOSTRA-DWD-2020_D00010.csv", test::Kostra_csv(test::Kostra_Spalten(), {}));
    p.dateien = {zehn.string()};
    protokoll_leeren();
    klick("Kostra_Tabelle_waehlen");
    EXPECT_NE(letzte_meldung().find("Die Datei enthält die Dauerstufe 10 min; gebraucht wird die Tabelle für 5 min (D00005)."),
              std::string::npos);
    erwarte_tabelle(tabelle);
    EXPECT_EQ(Kostra_Einstellungen_lesen(ordner / "Kostra.dat").tabelle, tabelle);
    suchen("49125");
    EXPECT_NE(ergebnis().find("Feld 049125"), std::string::npos);

    // a table without yields: they come from the depths, and the section says so
    std::vector<std::string> ohne_rn;
    for (const std::string& s : test::Kostra_Spalten())
        if (!s.starts_with("RN_")) ohne_rn.push_back(s);
    fs::create_directories(ordner / "hn");
    test::Datei_schreiben(ordner / "hn" / test::Kostra_Name, test::Kostra_csv(ohne_rn, test::Kostra_Testfelder()));
    p.dateien = {(ordner / "hn" / test::Kostra_Name).string()};
    klick("Kostra_Tabelle_waehlen");
    suchen("49125");
    EXPECT_EQ(ergebnis(), "Feld 049125 (aus Regenhöhen HN)\nr(5,5): 310 l/(s\u00B7ha) \u00B1 19 %\n"
                          "r(5,100): 563.3 l/(s\u00B7ha) \u00B1 22 %");
}

}  // namespace
}  // namespace dkm::ui
