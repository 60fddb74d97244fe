// The PDF report of dkm-rechner --pdf, without a display.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "files/einstellungen.h"
#include "report/qt/pdf.h"

namespace dkm::bericht {
namespace {

namespace fs = std::filesystem;

std::string Ausgabe(const std::string& befehl, int& status) {
    std::string aus;
    FILE* p = popen(befehl.c_str(), "r");
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) aus.append(buf, n);
    status = pclose(p);
    return aus;
}

// dkm-rechner writes the paper report: two pages, searchable text, the settings folder's issuer.
TEST(Pdf, CommandLineWritesBothPagesAsText) {
    const fs::path ordner = fs::temp_directory_path() / "dkm-pdf-test";
    fs::remove_all(ordner);
    const fs::path konfig = ordner / "konfig" / "Dachkandelmesser";
    // the largest font size: the page is narrowed to the sheet, the page number stays on it
    ASSERT_FALSE(Aussteller_schreiben(konfig / "Aussteller.dat", {"Rinnenbau Probst", "", "Kassel", ""}));
    ASSERT_FALSE(Druckwerte_schreiben(konfig / "Druckwrt.dat", {1e9f, 0, 0}));
    const fs::path ziel = ordner / "bericht.pdf";
    int status = -1;
    const std::string aus = Ausgabe("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME='" +
                                        (ordner / "konfig").string() + "' '" DKM_RECHNER "' --pdf '" + ziel.string() +
                                        "' '" DKM_EXAMPLES_DIR "/innen_stirnseiten.Dkm' 2>&1",
                                    status);
    ASSERT_EQ(status, 0) << aus;
    EXPECT_NE(Ausgabe("pdfinfo '" + ziel.string() + "' | grep '^Pages:'", status).find(" 2\n"), std::string::npos);
    const std::string text = Ausgabe("pdftotext -layout '" + ziel.string() + "' -", status);
    for (const char* teil : {"Dachkandelmesser nach DIN EN 12056-3 und DIN 1986-100", "- Seite 2 -",
                             "Rinnenbau Probst, Kassel", "Notüberlauf auf beiden Stirnseiten.", "\f"})
        EXPECT_NE(text.find(teil), std::string::npos) << teil;
    fs::remove_all(ordner);
}

// An item whose column lies left of where the line has got to starts a new line instead of overprinting.
TEST(Pdf, ColumnLeftOfTheWritePositionWrapsTheLine) {
    Bericht b;
    b.seiten[0].zeilen = {{{{std::string(120, 'x'), 5}, {"ENDE", 80}}}};
    const fs::path ziel = fs::temp_directory_path() / "dkm-pdf-umbruch.pdf";
    ASSERT_FALSE(Pdf_schreiben(b, ziel));
    // word boxes: <word xMin=".." yMin="123.4" ...>ENDE</word>
    int status = -1;
    const std::string woerter = Ausgabe("pdftotext -bbox '" + ziel.string() + "' -", status);
    auto oben = [&](const std::string& wort) {
        const size_t w = woerter.rfind("yMin=\"", woerter.find(">" + wort + "<"));
        return w == std::string::npos ? -1.0 : std::stod(woerter.substr(w + 6));
    };
    EXPECT_GT(oben("ENDE"), oben(std::string(120, 'x')) + 5) << woerter;
    fs::remove(ziel);
}

}  // namespace
}  // namespace dkm::bericht
