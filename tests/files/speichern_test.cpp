#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#if defined(__linux__)
#include <sys/resource.h>
#endif

#include "files/dateizugriff.h"
#include "files/laden.h"
#include "model/startzustand.h"
#include "projekt_hilfen.h"

namespace dkm {
namespace {

namespace fs = std::filesystem;

class Speichern : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = fs::temp_directory_path() /
                 ("dkm-speichern-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        datei = ordner / "KandProj.Dkm";
        std::ofstream(datei, std::ios::binary) << "alter Inhalt";
        Startzustand(f, nullptr);
    }
    void TearDown() override { fs::remove_all(ordner); }

    static std::string Inhalt(const fs::path& p) {
        std::stringstream s;
        s << std::ifstream(p, std::ios::binary).rdbuf();
        return s.str();
    }
    // The old file untouched and no temporary file left behind.
    void Unversehrt(const std::optional<std::string>& fehler, const std::string& erwartet) {
        ASSERT_TRUE(fehler);
        EXPECT_NE(fehler->find(erwartet), std::string::npos) << *fehler;
        EXPECT_EQ(Inhalt(datei), "alter Inhalt");
        EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 1);
    }

    fs::path ordner;
    fs::path datei;
    Formular f;
};

TEST_F(Speichern, ReplacesTheOldFileAndLoadsAgain) {
    f[T::Laenge_1] = "12.5";
    f[T::Breite_1] = "7";
    f[S::Check3] = true;
    ASSERT_FALSE(Projekt_speichern(f, datei));
    const auto zeilen = test::Zeilen(Inhalt(datei));
    ASSERT_EQ(zeilen.size(), 43u);
    EXPECT_EQ(zeilen[11], " 12.5 0 0 0 0 0 0 0");
    EXPECT_EQ(zeilen[26], " .85");
    EXPECT_FLOAT_EQ(f.Winkelfaktor[2], 0.85f) << "saving sets the angle factors from the boxes";
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 1);

    Formular g;
    Startzustand(g, nullptr);
    test::Testdialoge d;
    ASSERT_EQ(Projekt_laden_Datei(g, d, datei), Ladeergebnis::geladen);
    EXPECT_EQ(g[T::Laenge_1], " 12.5");
    EXPECT_TRUE(g[S::Check3]);

    fs::create_symlink(datei, ordner / "verweis.Dkm");
    ASSERT_FALSE(Projekt_speichern(f, ordner / "verweis.Dkm"));
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.Dkm")) << "a link stays a link";
}

#if defined(__linux__)
TEST_F(Speichern, FullDiskLeavesTheOldFileIntact) {
    f[T::Bemerkungen] = std::string(5000, 'x');
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = 1024;
    auto* signal_vorher = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    const auto fehler = Projekt_speichern(f, datei);
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signal_vorher);
    Unversehrt(fehler, "konnte nicht gespeichert werden");
}
#endif

TEST_F(Speichern, UnreplaceableTargetLeavesNoTemporaryFile) {
    fs::remove(datei);
    fs::create_directories(datei / "inhalt");  // a folder cannot be replaced by a file
    EXPECT_TRUE(Projekt_speichern(f, datei));
    EXPECT_TRUE(fs::is_directory(datei / "inhalt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 1);
    EXPECT_TRUE(Projekt_speichern(f, ordner / "fehlt" / "x.Dkm"));
}

TEST_F(Speichern, ValueNoFileCouldHoldIsRefusedBeforeWriting) {
    f[T::Laenge_3] = "1" + std::string(40, '0');
    Unversehrt(Projekt_speichern(f, datei), "Länge der Teilstrecke 3");
    f[T::Laenge_3] = "";
    f[T::Text27] = "70000";
    Unversehrt(Projekt_speichern(f, datei), "Anzahl der Abläufe");
}

TEST(Datei_lesen, StopsOneByteBeyondTheLimitAndRefusesWhatIsNoFile) {
    const fs::path p = fs::temp_directory_path() / "dkm-datei-lesen.bin";
    std::ofstream(p, std::ios::binary) << std::string(100, 'a');
    EXPECT_EQ(Datei_lesen(p, 1000)->size(), 100u);
    EXPECT_EQ(Datei_lesen(p, 10)->size(), 11u);
    fs::remove(p);
    EXPECT_FALSE(Datei_lesen(p, 10));
    EXPECT_FALSE(Datei_lesen(fs::temp_directory_path(), 10));
#if defined(__linux__)
    EXPECT_FALSE(Datei_lesen("/dev/zero", 10)) << "a device never ends";
#endif
}

}  // namespace
}  // namespace dkm
