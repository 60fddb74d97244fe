// The window on the screen it runs on: 1366 x 768 at 100 % here, 1920 x 1080 at 150 % less a task bar in the
// second run (tests/CMakeLists.txt). No command makes it larger than the screen leaves, and none changes its size.
#include <QScreen>

#include "fenster_hilfen.h"

namespace dkm::ui {

// A title bar about 30 logical pixels high: the offscreen frame has thin borders only.
constexpr int Titelleiste = 30;

class Bildschirm_Test : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        QApplication::processEvents();
        start = fenster->size();
    }
    void passt(const std::string& nach) {
        QApplication::processEvents();
        const QRect platz = fenster->screen()->availableGeometry(), rahmen = fenster->frameGeometry();
        EXPECT_TRUE(platz.contains(rahmen)) << nach << ": frame " << rahmen.x() << "," << rahmen.y() << " "
                                            << rahmen.width() << "x" << rahmen.height() << " on " << platz.width()
                                            << "x" << platz.height();
        EXPECT_LE(rahmen.height() + Titelleiste, platz.height()) << nach << ": room for the title bar";
        EXPECT_EQ(fenster->size(), start) << nach << ": " << fenster->width() << "x" << fenster->height();
    }
    QSize start;
};

TEST_F(Bildschirm_Test, KeinBefehlMachtDasFensterGroesser) {
    passt("the start");
    fenster->projekt_aufrufen(DKM_EXAMPLES_DIR "/innen_laengsseite.Dkm");
    passt("an internal gutter");
    klick("Option1");
    passt("the switch to an eaves gutter");
    klick("Option2");
    passt("the switch back to an internal gutter");

    for (const char* datei : {"innen_laengsseite.Dkm", "traufe_gesamt.Dkm", "innen_stirnseiten.Dkm", "traufe_einzel.Dkm",
                              "innen_alt.Dkl", "traufe_alt.Dkl"}) {
        p.antworten = {true, true, true, true};
        p.dateien = {std::string(DKM_EXAMPLES_DIR) + "/" + datei};
        klick("Command6");
        ASSERT_NE(text("Text24").find(datei), std::string::npos);
        passt(std::string("loading ") + datei);
    }
    for (const char* befehl : {"Command1", "Command9", "Command7"}) {
        p.antworten = {true};
        klick(befehl);
        passt(std::string("the reset ") + befehl);
    }

    fenster->projekt_aufrufen(DKM_EXAMPLES_DIR "/innen_laengsseite.Dkm");
    const std::pair<const char*, const char*> panels[] = {
        {"Command11", "Command31"}, {"Command3", "Command29"}, {"Command15", "Command14"},
        {"Command22", "Command23"}, {"Command19", "Command21"}, {"Command27", "Command29"}};
    for (auto [auf, zu] : panels) {
        klick(auf);
        passt(std::string("opening with ") + auf);
        klick(zu);
        passt(std::string("closing with ") + zu);
    }
}

}  // namespace dkm::ui
