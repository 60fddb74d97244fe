// The command line of the window program: arguments, --help and --version without a display.
#include <sys/wait.h>

#include <cstdio>

#include "fenster_hilfen.h"
#include "ui/programm.h"

namespace dkm::ui {
namespace {

TEST(Programmaufruf, ArgumenteWieImMenueOderAufDerKommandozeile) {
    EXPECT_TRUE(Programmaufruf_lesen({}).art == Programmaufruf::Fenster && Programmaufruf_lesen({}).datei.empty());
    EXPECT_EQ(Programmaufruf_lesen({"/home/a/Haus Süd.Dkm"}).datei, "/home/a/Haus Süd.Dkm");
    EXPECT_EQ(Programmaufruf_lesen({"--", "-seltsam.Dkm"}).datei, "-seltsam.Dkm");
    EXPECT_EQ(Programmaufruf_lesen({"a.Dkm", "--help"}).art, Programmaufruf::Hilfe);
    for (std::vector<std::string> falsch : {std::vector<std::string>{"a.Dkm", "b.Dkm"}, {"-x"}, {""}}) {
        const Programmaufruf a = Programmaufruf_lesen(falsch);
        EXPECT_EQ(a.art, Programmaufruf::Fehler);
        EXPECT_EQ(a.text.rfind("dachkandelmesser: ", 0), 0u) << a.text;
    }
}

// Without a display the toolkit could not start: these must answer before it does.
TEST(Programmaufruf, HilfeUndVersionOhneBildschirm) {
    auto starten = [](const std::string& argument, int& status) {
        const std::string befehl = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " DKM_PROGRAMM " " + argument;
        FILE* rohr = popen(befehl.c_str(), "r");
        std::string aus;
        char puffer[256];
        while (size_t n = fread(puffer, 1, sizeof puffer, rohr)) aus.append(puffer, n);
        status = pclose(rohr);
        return aus;
    };
    int status = -1;
    const std::string hilfe = starten("--help", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(hilfe.rfind("Aufruf: dachkandelmesser [PROJEKTDATEI]\n", 0), 0u) << hilfe;
    EXPECT_NE(hilfe.find("vorh. Projekt aufrufen"), std::string::npos);
    EXPECT_EQ(starten("--version", status).rfind("Dachkandelmesser 1.0.0\n", 0), 0u);
    EXPECT_EQ(status, 0);
    starten("a.Dkm b.Dkm 2>/dev/null", status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << "a usage error, not the toolkit giving up";
}

}  // namespace
}  // namespace dkm::ui
