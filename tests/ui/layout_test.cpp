// The window on a 1280 x 720 screen: every state whole, nothing moving, results in full.
#include <QStyle>
#include <algorithm>

#include "model/meldungen.h"

#include "fenster_hilfen.h"
#include "layout_hilfen.h"

namespace dkm::ui {
namespace {

class Layout_Test : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        fenster->resize(layout::Breite, layout::Hoehe);
    }
    // The findings of the state the window shows now, named for the failure message.
    void pruefen(const char* zustand) {
        QApplication::processEvents();
        EXPECT_LE(fenster->width(), layout::Breite) << zustand;
        EXPECT_LE(fenster->height(), layout::Hoehe) << zustand;
        const QStringList fehler = layout::pruefen(fenster.get());
        EXPECT_TRUE(fehler.isEmpty()) << zustand << ":\n" << fehler.join(QLatin1Char('\n')).toStdString();
    }
    void traufe_mit_ergebnissen() {
        tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}, {"Laenge_2", "12"},
                {"Breite_2", "8"}});
    }
    void gesamt_mit_sechs_ablaeufen() {
        p.antworten = {true};
        klick("Option11");
        tippen({{"Text25", "60"}, {"Text26", "600"}, {"Text27", "6"}});
    }
};

TEST_F(Layout_Test, JederZustandPasstUndZeigtAllesGanz) {
    pruefen("start");
    traufe_mit_ergebnissen();
    klick("Check_Schutzkorb");
    ASSERT_TRUE(w("Label14")->isVisible());
    pruefen("eaves gutter, single mode");
    const std::string datei = (ordner / "Projekte" / "Hallendach Nord mit einem langen Namen.Dkm").string();
    std::filesystem::create_directories(ordner / "Projekte");
    p.dateien = {datei, datei};
    klick({"Command2", "Command6"});
    ASSERT_TRUE(w("Text24")->isVisible());
    pruefen("file name row");
    klick("Command15");
    pruefen("project data");
    klick({"Command14", "Command22"});
    pruefen("own values");
    klick({"Command23", "Command19"});
    ASSERT_TRUE(w("Frame5")->isVisible());
    pruefen("printer panel");
    klick("Command21");

    gesamt_mit_sechs_ablaeufen();
    ASSERT_TRUE(w("Text28")->isVisible());
    pruefen("eaves gutter, total mode, notes");
    klick({"Option2", "Option5"});
    tippen("Text30", "2");
    pruefen("internal gutter, total mode, notes");
    klick("Command11");
    ASSERT_TRUE(w("Druckvorsch")->isVisible());
    pruefen("correction panel");
    klick("Command31");
    p.antworten = {true};
    klick("Option10");
    pruefen("internal gutter, single mode");
    klick("Option3");
    pruefen("internal gutter, overflow at both ends");
    klick("Command27");
    for (int i = 0; i < 4; ++i) klick("Command28");
    pruefen("guide, rainfall step");
    // the longest text: steps 5, 6, 8 to 13 of an internal gutter in single mode
    for (int i = 0; i < 8; ++i) klick("Command28");
    ASSERT_EQ(f().Leitfaden_Verlauf[static_cast<size_t>(f().Leitfaden_Zaehler)], "Rinnenlaengen_einzeln");
    pruefen("guide, segment lengths step");
    klick("Command29");
    pruefen("after the guide");
}

// Results, notes, the file name row and the panels appear without moving any control the user aims at.
TEST_F(Layout_Test, NichtsBewegtSichUnterDerMaus) {
    QApplication::processEvents();
    const auto vorher = layout::orte(fenster.get());
    auto stehen_still = [&](const char* schritt) {
        QApplication::processEvents();
        const auto jetzt = layout::orte(fenster.get());
        for (auto it = jetzt.begin(); it != jetzt.end(); ++it)
            if (vorher.contains(it.key())) {
                EXPECT_EQ(it.value(), vorher[it.key()]) << schritt << ": " << it.key().toStdString();
            }
    };
    traufe_mit_ergebnissen();
    klick("Check_Schutzkorb");
    ASSERT_TRUE(w("Picture37")->isVisible() && w("Label14")->isVisible());
    stehen_still("results, sketch and leaf guard note");
    const std::string datei = (ordner / "Projekt.Dkm").string();
    p.dateien = {datei, datei};
    klick({"Command2", "Command6"});
    ASSERT_TRUE(w("Text24")->isVisible());
    stehen_still("file name row");
    klick({"Command22", "Command19"});
    stehen_still("own values and printer panel");
    klick({"Command21", "Command23"});
    gesamt_mit_sechs_ablaeufen();
    ASSERT_TRUE(w("Text29")->isVisible());
    stehen_still("notes of the total mode");
    tippen({{"r5_5", "300"}, {"Breite_1", "120"}});
    klick({"Option2", "Option5"});
    klick("Command11");
    stehen_still("internal gutter and correction panel");
    klick("Command31");
    klick("Command15");
    stehen_still("project data");
    klick("Command27");
    for (int i = 0; i < 12; ++i) klick("Command28");
    stehen_still("guide");
    klick("Command29");
    stehen_still("after the guide");
}

// The longest realistic results show whole, in text no smaller than the inputs, and the
// correction panel leaves every other control free.
TEST_F(Layout_Test, ErgebnisseZeigenIhrenLaengstenWertGanz) {
    f().dezimaltrenner = ",";
    // 100 m x 120 m = 12000 m²; 12000 m² x 83333 l/(s·ha) / 10000 = 99999.6 l/s, in single precision 99999.59
    tippen({{"r5_5", "83333"}, {"r5_100", "90000"}, {"Laenge_1", "100"}, {"Breite_1", "120"}});
    erwarte_texte({{"Einzel_Flaeche_1", "12000,00 m²"}, {"Belast_Teilrinne_1", "99999,59 l/s"},
                   {"Flaeche_Fallrohr_1_2", "12000,00 m²"}, {"Belastung_Fallrohr_1_2", "99999,59 l/s"}});
    QApplication::processEvents();
    const QFont eingabe = feld("Laenge_1")->font();
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<BildBox*>(w)) continue;
        EXPECT_GE(w->font().pointSizeF(), eingabe.pointSizeF()) << w->objectName().toStdString();
        EXPECT_EQ(layout::abgeschnitten(w), QString()) << w->objectName().toStdString();
    }

    // a flow far beyond any roof (inputs just below the input limit) takes the sizes to measure to the search limit
    tippen({{"r5_5", "9999999"}, {"Breite_1", "9999999"}});
    const Titel gezeigt = titel();
    EXPECT_NE(std::find(gezeigt.begin(), gezeigt.end(), std::string(meldung::Suchgrenze.titel)), gezeigt.end());
    QApplication::processEvents();
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"}) {
        EXPECT_FALSE(w<BildBox>(name)->bild().zeilen().empty()) << name;
        EXPECT_EQ(layout::abgeschnitten(w(name)), QString()) << name;
    }

    tippen({{"r5_5", "300"}, {"Breite_1", "120"}});
    klick({"Option2", "Option5"});
    klick("Command11");
    QApplication::processEvents();
    QWidget* panel = w("Druckvorsch");
    ASSERT_TRUE(panel->isVisible());
    for (QWidget* x : fenster->findChildren<QWidget*>()) {
        const bool bedienbar = qobject_cast<QLineEdit*>(x) || qobject_cast<QAbstractButton*>(x) || qobject_cast<QComboBox*>(x);
        if (bedienbar && x->isVisible() && !panel->isAncestorOf(x)) {
            EXPECT_FALSE(layout::im_fenster(x).intersects(layout::im_fenster(panel))) << x->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace dkm::ui
