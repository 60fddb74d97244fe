// The PDF report: dkm-rechner --pdf without a display, and a file that cannot be written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "calc/engine.h"
#include "cli/dump.h"
#include "files/einstellungen.h"
#include "report/bericht.h"
#include "report/qt/pdf.h"

namespace dkm::bericht {
namespace {

namespace fs = std::filesystem;

std::pair<int, std::string> Ausfuehren(const std::string& befehl) {
    std::string aus;
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return {-1, ""};
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) aus.append(buf, n);
    const int s = pclose(p);
    return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, aus};
}

std::string Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

class Pdf : public ::testing::Test {
protected:
    void SetUp() override {
        // one folder per test: ctest runs them side by side
        ordner = fs::temp_directory_path() /
                 ("dkm-pdf-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    fs::path ordner;
};

// dkm-rechner writes the paper report: two pages, searchable text, the settings folder's issuer.
TEST_F(Pdf, CommandLineWritesBothPagesAsText) {
    const fs::path konfig = ordner / "konfig" / "Dachkandelmesser";
    // the largest font size: the page is narrowed to the sheet, the page number stays on it
    ASSERT_FALSE(Aussteller_schreiben(konfig / "Aussteller.dat", {"Rinnenbau Probst", "", "Kassel", ""}));
    ASSERT_FALSE(Druckwerte_schreiben(konfig / "Druckwrt.dat", {1e9f, 0, 0}));
    const fs::path ziel = ordner / "bericht.pdf";
    const auto [status, aus] =
        Ausfuehren("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME='" + (ordner / "konfig").string() +
                   "' '" DKM_RECHNER "' --pdf '" + ziel.string() + "' '" DKM_EXAMPLES_DIR "/innen_stirnseiten.Dkm' 2>&1");
    ASSERT_EQ(status, 0) << aus;
    const auto [s1, seiten] = Ausfuehren("pdfinfo '" + ziel.string() + "' | grep '^Pages:'");
    EXPECT_NE(seiten.find(" 2\n"), std::string::npos) << seiten;
    const auto [s2, text] = Ausfuehren("pdftotext -layout '" + ziel.string() + "' -");
    EXPECT_NE(text.find("Dachkandelmesser nach DIN EN 12056-3 und DIN 1986-100"), std::string::npos);
    EXPECT_NE(text.find("- Seite 2 -"), std::string::npos);
    EXPECT_NE(text.find("Rinnenbau Probst, Kassel"), std::string::npos);
    EXPECT_NE(text.find("Notüberlauf auf beiden Stirnseiten."), std::string::npos);
    EXPECT_NE(text.find('\f'), std::string::npos);
}

// A file that cannot be written leaves the old one as it was and says so in German.
TEST_F(Pdf, FailedWriteKeepsTheOldFile) {
    Formular f;
    const Bericht b = Bericht_zusammenstellen(f, Papierform(10, 0, 0, {}, "01.02.2026"));
    const fs::path alt = ordner / "alt.pdf";
    std::ofstream(alt, std::ios::binary) << "alter Inhalt";
    fs::permissions(ordner, fs::perms::owner_read | fs::perms::owner_exec);
    const auto fehler = Pdf_schreiben(b, alt);
    fs::permissions(ordner, fs::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anyway
        ASSERT_TRUE(fehler);
        EXPECT_NE(fehler->find("konnte nicht als PDF gespeichert werden"), std::string::npos);
        EXPECT_EQ(Inhalt(alt), "alter Inhalt");
    }
    const auto ordner_fehlt = Pdf_schreiben(b, ordner / "fehlt" / "neu.pdf");
    ASSERT_TRUE(ordner_fehlt);
    EXPECT_NE(ordner_fehlt->find("neu.pdf"), std::string::npos);
    // a folder in the way: rename cannot replace it
    fs::create_directories(ordner / "ordner.pdf" / "drin");
    EXPECT_TRUE(Pdf_schreiben(b, ordner / "ordner.pdf"));
    EXPECT_TRUE(fs::exists(ordner / "ordner.pdf" / "drin"));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 2) << "no temporary file left";
}

}  // namespace
}  // namespace dkm::bericht
