// The window on a 1280 x 720 screen: every state whole, nothing moving, results in full.
#include <QStyle>

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
}

}  // namespace
}  // namespace dkm::ui
