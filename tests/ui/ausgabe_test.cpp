// Where reports go: dkm-rechner --pdf never over the project or a file that is no PDF, "Als PDF speichern"
// never over the open project; both programs without a display.
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "common/befehl.h"
#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

namespace fs = std::filesystem;

std::string Inhalt(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void Schreiben(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

// Every name in the folder with what it is: a link's target, a file's bytes, or its kind.
std::map<std::string, std::string> Stand(const fs::path& ordner) {
    std::map<std::string, std::string> m;
    for (const auto& e : fs::directory_iterator(ordner)) {
        const std::string name = e.path().filename();
        if (e.is_symlink()) m[name] = "-> " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file()) m[name] = Inhalt(e.path());
        else m[name] = e.is_directory() ? "Ordner" : "anderes";
    }
    return m;
}

bool Ist_Pdf(const fs::path& p) { return Inhalt(p).starts_with("%PDF-"); }

// Each row runs dkm-rechner in a folder with the project haus.Dkm, a hard link and a link to it, an old
// report, a text file, a damaged project and targets no file can take. Only the rows with status 0 change
// anything, and only their target.
TEST(Pdf_Ziel, NieUeberDasProjektUndNieUeberEineFremdeDatei) {
    const fs::path ordner = fs::temp_directory_path() / "dkm-pdf-ziel";
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    Schreiben(ordner / "haus.Dkm", Inhalt(DKM_EXAMPLES_DIR "/traufe_einzel.Dkm"));
    fs::create_hard_link(ordner / "haus.Dkm", ordner / "hart.Dkm");
    fs::create_symlink("haus.Dkm", ordner / "verweis.pdf");
    fs::create_symlink("kreis.pdf", ordner / "kreis.pdf");
    Schreiben(ordner / "alt.pdf", "%PDF-1.4 alter Bericht");
    Schreiben(ordner / "fest.pdf", "%PDF-1.4 schreibgeschützt");
    chmod((ordner / "fest.pdf").c_str(), 0444);
    Schreiben(ordner / "notiz.txt", "Notiz");
    Schreiben(ordner / "kaputt.Dkm", "Wertedatei f\xfcr Dachkandelmesser Version 07 08\r\nnur eine Zeile\r\n");
    ASSERT_EQ(mkfifo((ordner / "rohr.pdf").c_str(), 0666), 0);
    const struct { std::string argumente; int status; std::string meldung, ziel = ""; } faelle[] = {
        {"--pdf haus.Dkm haus.Dkm", 1, "\u201Ehaus.Dkm\u201C ist die Projektdatei selbst"},
        {"--pdf ./haus.Dkm haus.Dkm", 1, "ist die Projektdatei selbst"},
        {"--pdf verweis.pdf haus.Dkm", 1, "ist die Projektdatei selbst"},
        {"--pdf hart.Dkm --ersetzen haus.Dkm", 1, "ist die Projektdatei selbst"},
        {"--pdf haus.Dkm alt.pdf", 1, "gibt es schon und ist keine PDF-Datei"},  // the arguments swapped
        {"--pdf haus.Dkm --ersetzen alt.pdf", 1, "Datei-Kontrolle"},          // swapped: alt.pdf is no project
        {"--pdf notiz.txt haus.Dkm", 1, "\u201Enotiz.txt\u201C gibt es schon und ist keine PDF-Datei; --ersetzen"},
        {"--pdf neu.pdf kaputt.Dkm", 1, "Datei-Kontrolle: \u201Ekaputt.Dkm\u201C ist keine lesbare Projektdatei"},
        {"--pdf neu.pdf fehlt.Dkm", 2, "kann nicht geöffnet werden"},
        {"--pdf rohr.pdf haus.Dkm", 2, "\u201Erohr.pdf\u201C ist keine gewöhnliche Datei"},
        {"--pdf fest.pdf haus.Dkm", 2, "\u201Efest.pdf\u201C ist schreibgeschützt"},
        {"--pdf kreis.pdf haus.Dkm", 2, "Ihre Verweise (Symlinks) führen im Kreis"},
        {"--pdf alt.pdf haus.Dkm", 0, "", "alt.pdf"},  // an earlier report is replaced without asking
        {"--pdf notiz.txt --ersetzen haus.Dkm", 0, "", "notiz.txt"},
    };
    auto stand = Stand(ordner);
    for (const auto& c : faelle) {
        const auto [status, fehler] =
            test::Ausfuehren("cd '" + ordner.string() + "' && XDG_CONFIG_HOME=konfig '" DKM_RECHNER "' " + c.argumente +
                             " 2>&1");
        EXPECT_EQ(status, c.status) << c.argumente << ": " << fehler;
        EXPECT_NE(fehler.find(c.meldung), std::string::npos) << fehler;
        EXPECT_EQ(std::count(fehler.begin(), fehler.end(), '\n'), c.status ? 1 : 0) << fehler;
        if (!c.ziel.empty()) {
            EXPECT_TRUE(Ist_Pdf(ordner / c.ziel)) << c.argumente;
            stand[c.ziel] = Inhalt(ordner / c.ziel);
        }
        EXPECT_EQ(Stand(ordner), stand) << c.argumente;
    }
    fs::remove_all(ordner);
}

// Neither program stops short for want of a display. dkm-rechner writes its PDF also when DISPLAY names a
// screen that is not there, and says nothing; the window program says in one German line that it cannot open.
TEST(Ohne_Bildschirm, RechnerSchreibtUndDasFensterSagtEsAufDeutsch) {
    const fs::path ziel = fs::temp_directory_path() / "dkm-ohne-bildschirm.pdf";
    for (const char* umgebung : {"env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR",
                                 "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4711",
                                 "env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=:4711"}) {
        fs::remove(ziel);
        const auto [status, aus] = test::Ausfuehren(std::string(umgebung) + " '" DKM_RECHNER "' --pdf '" +
                                                    ziel.string() + "' '" DKM_EXAMPLES_DIR "/traufe_einzel.Dkm' 2>&1");
        EXPECT_EQ(status, 0) << umgebung;
        EXPECT_EQ(aus, "") << umgebung;
        EXPECT_TRUE(Ist_Pdf(ziel)) << umgebung;

        const auto [f_status, f_aus] = test::Ausfuehren(std::string(umgebung) + " " DKM_PROGRAMM " 2>&1");
        EXPECT_EQ(f_status, 1) << umgebung;
        EXPECT_EQ(f_aus, "dachkandelmesser: Kein Bildschirm erreichbar; das Fenster kann nicht geöffnet werden. "
                         "Ohne Bildschirm rechnet dkm-rechner.\n")
            << umgebung;
    }
    fs::remove(ziel);
}

using Pdf_Fenster = Fenster;

// The save dialog asks before replacing any file; the open project it must not replace at all,
// under its own name, through a link or a hard link. Another name takes the report.
TEST_F(Pdf_Fenster, AlsPdfSpeichernNieUeberDasOffeneProjekt) {
    const fs::path haus = ordner / "haus.Dkm";
    Schreiben(haus, Inhalt(DKM_EXAMPLES_DIR "/traufe_einzel.Dkm"));
    fs::create_hard_link(haus, ordner / "hart.Dkm");
    fs::create_symlink(haus, ordner / "verweis.pdf");
    fenster->projekt_aufrufen(haus);
    ASSERT_EQ(text("Text24"), haus.string());
    const std::string vorher = Inhalt(haus);
    p.dateien = {haus.string(), (ordner / "hart.Dkm").string(), (ordner / "verweis.pdf").string(),
                 (ordner / "bericht.pdf").string()};
    protokoll_leeren();
    for (int i = 0; i < 4; ++i) klick("Als_PDF_speichern");
    EXPECT_EQ(titel(), Titel(3, "Als PDF speichern"));
    for (const auto& e : p.protokoll) {
        if (e.art != "meldung") continue;
        EXPECT_NE(e.text.find("ist die Projektdatei selbst und wird nicht überschrieben"), std::string::npos);
    }
    EXPECT_EQ(Inhalt(haus), vorher);
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.pdf") && Ist_Pdf(ordner / "bericht.pdf"));
}

}  // namespace
}  // namespace dkm::ui
