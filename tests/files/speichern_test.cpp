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
                 ("dkm-speichern-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        Startzustand(f, nullptr);
    }
    void TearDown() override { fs::remove_all(ordner); }

    static std::string Inhalt(const fs::path& p) {
        std::ifstream ein(p, std::ios::binary);
        std::stringstream s;
        s << ein.rdbuf();
        return s.str();
    }
    void Alte_Datei(const fs::path& p) { std::ofstream(p, std::ios::binary) << "alter Inhalt"; }
    size_t Dateien() const { return static_cast<size_t>(std::distance(fs::directory_iterator(ordner), {})); }

    fs::path ordner;
    Formular f;
};

TEST_F(Speichern, ReplacesTheOldFileAndLeavesNoTemporaryFile) {
    const fs::path datei = ordner / "KandProj.Dkm";
    Alte_Datei(datei);
    f[T::Laenge_1] = "12.5";
    f[T::Breite_1] = "7";
    f[S::Check3] = true;
    ASSERT_FALSE(Projekt_speichern(f, datei));
    const auto zeilen = test::Zeilen(Inhalt(datei));
    ASSERT_EQ(zeilen.size(), 43u);
    EXPECT_EQ(zeilen[11], " 12.5 0 0 0 0 0 0 0");
    EXPECT_EQ(zeilen[12], " 7 0 0 0 0 0 0 0");
    EXPECT_EQ(zeilen[26], " .85");
    EXPECT_FLOAT_EQ(f.Winkelfaktor[2], 0.85f) << "saving sets the angle factors from the boxes";
    EXPECT_EQ(Dateien(), 1u);

    Formular g;
    Startzustand(g, nullptr);
    test::Testdialoge d;
    ASSERT_EQ(Projekt_laden_Datei(g, d, datei), Ladeergebnis::geladen);
    EXPECT_EQ(g[T::Laenge_1], " 12.5");
    EXPECT_EQ(g[T::Laenge_2], "");
    EXPECT_TRUE(g[S::Check3]);
}

TEST_F(Speichern, ThroughALinkTheLinkedFileIsReplaced) {
    const fs::path datei = ordner / "echt.Dkm";
    Alte_Datei(datei);
    fs::create_symlink(datei, ordner / "verweis.Dkm");
    ASSERT_FALSE(Projekt_speichern(f, ordner / "verweis.Dkm"));
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.Dkm"));
    EXPECT_EQ(test::Zeilen(Inhalt(datei)).size(), 43u);
    EXPECT_EQ(Dateien(), 2u);
}

TEST_F(Speichern, FolderThatDoesNotExistGivesAGermanMessage) {
    const auto fehler = Projekt_speichern(f, ordner / "fehlt" / "x.Dkm");
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("konnte nicht gespeichert werden"), std::string::npos);
}

#if defined(__linux__)
// A full disk: the temporary file cannot be written completely.
TEST_F(Speichern, WriteFailureLeavesTheOldFileIntact) {
    const fs::path datei = ordner / "KandProj.Dkm";
    Alte_Datei(datei);
    f[T::Bemerkungen] = std::string(5000, 'x');
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = 1024;
    auto* vorher = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    const auto fehler = Projekt_speichern(f, datei);
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, vorher);
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("unverändert"), std::string::npos);
    EXPECT_EQ(Inhalt(datei), "alter Inhalt");
    EXPECT_EQ(Dateien(), 1u);
}
#endif

TEST_F(Speichern, RenameFailureLeavesTheTargetAndNoTemporaryFile) {
    const fs::path ziel = ordner / "Projekt.Dkm";
    fs::create_directories(ziel / "inhalt");  // a folder of that name cannot be replaced by a file
    EXPECT_TRUE(Projekt_speichern(f, ziel));
    EXPECT_TRUE(fs::is_directory(ziel / "inhalt"));
    EXPECT_EQ(Dateien(), 1u);
}

TEST_F(Speichern, ValueNoFileCouldHoldIsRefusedBeforeWriting) {
    const fs::path datei = ordner / "KandProj.Dkm";
    Alte_Datei(datei);
    f[T::Laenge_3] = "1" + std::string(40, '0');
    auto fehler = Projekt_speichern(f, datei);
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("Länge der Teilstrecke 3"), std::string::npos) << *fehler;
    EXPECT_EQ(Inhalt(datei), "alter Inhalt");

    f[T::Laenge_3] = "";
    f[T::Text27] = "70000";
    fehler = Projekt_speichern(f, datei);
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("Anzahl der Abläufe"), std::string::npos);
    EXPECT_EQ(Inhalt(datei), "alter Inhalt");
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
    EXPECT_FALSE(Datei_lesen("/dev/zero", 10));
#endif
}

}  // namespace
}  // namespace dkm
