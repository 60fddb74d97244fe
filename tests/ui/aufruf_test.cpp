// The programs started from a shell: the window program's arguments, --help and --version without a display,
// dkm-rechner --pdf; the settings folder.

#include <QCoreApplication>
#include <QStandardPaths>

#include "common/befehl.h"
#include "fenster_hilfen.h"
#include "files/einstellungen.h"
#include "files/einstellungsordner.h"
#include "report/qt/pdf.h"
#include "ui/programm.h"

namespace dkm::ui {

namespace fs = std::filesystem;

TEST(Programmaufruf, ArgumenteWieImMenueOderAufDerKommandozeile) {
    EXPECT_TRUE(Programmaufruf_lesen({}).art == Programmaufruf::Fenster && Programmaufruf_lesen({}).datei.empty());
    EXPECT_EQ(Programmaufruf_lesen({"/home/a/Haus Süd.Dkm"}).datei, "/home/a/Haus Süd.Dkm");
    EXPECT_EQ(Programmaufruf_lesen({"--", "-seltsam.Dkm"}).datei, "-seltsam.Dkm");
    EXPECT_EQ(Programmaufruf_lesen({"a.Dkm", "--help"}).art, Programmaufruf::Hilfe);
    for (std::vector<std::string> falsch : {std::vector<std::string>{"a.Dkm", "b.Dkm"}, {"-x"}, {""}}) {
        const Programmaufruf a = Programmaufruf_lesen(falsch);
        EXPECT_TRUE(a.art == Programmaufruf::Fehler && a.text.starts_with("dachkandelmesser: ")) << a.text;
    }
}

// Without a display the toolkit could not start: these must answer before it does.
TEST(Programmaufruf, HilfeUndVersionOhneBildschirm) {
    auto starten = [](const std::string& argument) {
        return test::Ausfuehren("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " DKM_PROGRAMM " " + argument);
    };
    const auto [status, hilfe] = starten("--help");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(hilfe.rfind("Aufruf: dachkandelmesser [PROJEKTDATEI]\n", 0), 0u) << hilfe;
    EXPECT_NE(hilfe.find("vorh. Projekt aufrufen"), std::string::npos);
    const auto [v_status, version] = starten("--version");
    EXPECT_TRUE(v_status == 0 && version.rfind("Dachkandelmesser 1.0.0\n", 0) == 0) << version;
    EXPECT_EQ(starten("a.Dkm b.Dkm 2>/dev/null").first, 2) << "a usage error, not the toolkit giving up";
}

// The folder computed without Qt is the one the toolkit names for the program.
TEST(Einstellungsordner, IstDerOrdnerDesToolkitsFuerDasProgramm) {
    const QString name_vorher = QCoreApplication::applicationName();
    const QByteArray xdg_vorher = qgetenv("XDG_CONFIG_HOME"), home_vorher = qgetenv("HOME");
    QCoreApplication::setApplicationName(QString::fromUtf8(Programmname));
    const std::pair<const char*, const char*> faelle[] = {
        {"/tmp/konfig", "/home/a"}, {"/tmp/konfig/", "/home/a"}, {"", "/home/b"}, {"", "/home/c/"}, {"", ""}};
    for (auto [xdg, home] : faelle) {
        qputenv("XDG_CONFIG_HOME", xdg);
        qputenv("HOME", home);
        const std::filesystem::path qt =
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
        EXPECT_EQ(Einstellungsordner().lexically_normal(), qt.lexically_normal()) << xdg << " " << home;
    }
    qputenv("XDG_CONFIG_HOME", xdg_vorher);
    qputenv("HOME", home_vorher);
    if (xdg_vorher.isNull()) qunsetenv("XDG_CONFIG_HOME");
    QCoreApplication::setApplicationName(name_vorher);
}

// dkm-rechner writes the paper report: two pages, searchable text, the settings folder's issuer.
TEST(Pdf, CommandLineWritesBothPagesAsText) {
    const fs::path ordner = fs::temp_directory_path() / "dkm-pdf-test";
    fs::remove_all(ordner);
    const fs::path konfig = ordner / "konfig" / "Dachkandelmesser";
    // the largest font size: the page is narrowed to the sheet, the page number stays on it
    ASSERT_TRUE(Aussteller_schreiben(konfig / "Aussteller.dat", {"Rinnenbau Probst", "", "Kassel", ""}));
    ASSERT_TRUE(Druckwerte_schreiben(konfig / "Druckwrt.dat", {1e9f, 0, 0}));
    const fs::path ziel = ordner / "bericht.pdf";
    const auto [status, aus] = test::Ausfuehren(
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME='" + (ordner / "konfig").string() +
        "' '" DKM_RECHNER "' --pdf '" + ziel.string() + "' '" DKM_EXAMPLES_DIR "/innen_stirnseiten.Dkm' 2>&1");
    ASSERT_EQ(status, 0) << aus;
    EXPECT_NE(test::Ausfuehren("pdfinfo '" + ziel.string() + "' | grep '^Pages:'").second.find(" 2\n"),
              std::string::npos);
    const std::string text = test::Ausfuehren("pdftotext -layout '" + ziel.string() + "' -").second;
    for (const char* teil : {"Dachkandelmesser nach DIN EN 12056-3 und DIN 1986-100", "- Seite 2 -",
                             "Rinnenbau Probst, Kassel", "Notüberlauf auf beiden Stirnseiten.", "\f"})
        EXPECT_NE(text.find(teil), std::string::npos) << teil;
    fs::remove_all(ordner);
}

// An item whose column lies left of where the line has got to starts a new line instead of overprinting.
TEST(Pdf, ColumnLeftOfTheWritePositionWrapsTheLine) {
    bericht::Bericht b;
    b.seiten[0].zeilen = {{{{std::string(120, 'x'), 5}, {"ENDE", 80}}}};
    const fs::path ziel = fs::temp_directory_path() / "dkm-pdf-umbruch.pdf";
    ASSERT_TRUE(Pdf_schreiben(b, ziel));
    // word boxes: <word xMin=".." yMin="123.4" ...>ENDE</word>
    const std::string woerter = test::Ausfuehren("pdftotext -bbox '" + ziel.string() + "' -").second;
    auto oben = [&](const std::string& wort) {
        const size_t w = woerter.rfind("yMin=\"", woerter.find(">" + wort + "<"));
        return w == std::string::npos ? -1.0 : std::stod(woerter.substr(w + 6));
    };
    EXPECT_GT(oben("ENDE"), oben(std::string(120, 'x')) + 5) << woerter;
    fs::remove(ziel);
}

}  // namespace dkm::ui
