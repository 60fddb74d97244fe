// Saving onto real files as an administrator and a careless user meet them: links, special files,
// write protection, a full disk, leftovers of killed saves. The old file stays whole or the new one is there.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <random>

#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

namespace fs = std::filesystem;

class Speicherziel : public Testordner {
protected:
    std::vector<std::string> Namen(const fs::path& wo = {}) const {
        std::vector<std::string> v;
        for (const auto& e : fs::directory_iterator(wo.empty() ? ordner : wo)) v.push_back(e.path().filename());
        std::sort(v.begin(), v.end());
        return v;
    }
    // Refused with a message holding `erwartet`; the folder holds what it held.
    void Abgelehnt(const fs::path& ziel, const std::string& erwartet, const std::string& inhalt = "neu") {
        const auto vorher = Namen(ziel.parent_path());
        const auto fehler = Datei_ersetzen(ziel, inhalt);
        ASSERT_TRUE(fehler) << ziel;
        EXPECT_NE(fehler->find(erwartet), std::string::npos) << *fehler;
        EXPECT_EQ(Namen(ziel.parent_path()), vorher) << "nothing left behind";
    }
    static mode_t Modus(const fs::path& p) {
        struct stat s {};
        stat(p.c_str(), &s);
        return s.st_mode & 0777;
    }
    void SetUp() override {
        Testordner::SetUp();
        datei = ordner / "KandProj.Dkm";
    }
    fs::path datei;
};

TEST_F(Speicherziel, TheProjectIsSavedWithItsAngleFactorsAndLoadsAgain) {
    Formular f = Start();
    f[T::Laenge_1] = "12.5";
    f[S::Check3] = true;
    ASSERT_FALSE(Projekt_speichern(f, datei));
    EXPECT_EQ(Zeilen(Inhalt(datei))[26], " .85") << "saving sets the angle factors from the boxes";
    Formular g = Start();
    Testdialoge d;
    ASSERT_EQ(Projekt_laden_Datei(g, d, datei), Ladeergebnis::geladen);
    EXPECT_TRUE(g[T::Laenge_1] == " 12.5" && g[S::Check3]);
    EXPECT_TRUE(Projekt_speichern(f, ordner / "fehlt" / "x.Dkm"));
}

TEST_F(Speicherziel, ALinkIsWrittenThroughAndStaysALink) {
    fs::create_directories(ordner / "ablage");
    fs::create_symlink("ablage/neu.Dkm", ordner / "verweis.Dkm");  // relative, target not there yet
    fs::create_symlink(ordner / "verweis.Dkm", ordner / "zweiter.Dkm");
    for (const char* name : {"verweis.Dkm", "zweiter.Dkm"}) {
        ASSERT_FALSE(Datei_ersetzen(ordner / name, name));
        EXPECT_TRUE(fs::is_symlink(ordner / name));
        EXPECT_EQ(Inhalt(ordner / "ablage" / "neu.Dkm"), name);
    }
    fs::create_symlink(ordner / "fehlt" / "x.Dkm", ordner / "ins_leere.Dkm");
    Abgelehnt(ordner / "ins_leere.Dkm", "weil ihr Ordner nicht existiert");
    EXPECT_TRUE(fs::is_symlink(ordner / "ins_leere.Dkm"));
    fs::create_symlink("kreis.Dkm", ordner / "kreis.Dkm");
    Abgelehnt(ordner / "kreis.Dkm", "konnte nicht gespeichert werden");
}

TEST_F(Speicherziel, WhatIsNoRegularFileIsNotReplaced) {
    ASSERT_EQ(mkfifo((ordner / "pipe.Dkm").c_str(), 0666), 0);
    fs::create_directories(ordner / "ordner.Dkm" / "inhalt");
    fs::create_symlink(ordner / "pipe.Dkm", ordner / "zur_pipe.Dkm");
    for (const char* name : {"pipe.Dkm", "ordner.Dkm"})
        Abgelehnt(ordner / name, "\u201E" + (ordner / name).string() + "\u201C ist keine gewöhnliche Datei");
    Abgelehnt(ordner / "zur_pipe.Dkm", (ordner / "pipe.Dkm").string() + "\u201C ist keine gewöhnliche Datei");
    Abgelehnt("/dev/null", "\u201E/dev/null\u201C ist keine gewöhnliche Datei");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(fs::status(ordner / "pipe.Dkm").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::exists(ordner / "ordner.Dkm" / "inhalt"));
    // the settings files alike, saying what they are for
    const auto fehler = Druckwerte_schreiben(ordner / "pipe.Dkm", {11, 0, 0});
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->rfind("Die Druckereinstellungen konnten nicht gespeichert werden. \u201E", 0), 0u) << *fehler;
    Schreiben(ordner / "datei", "x");  // a file where the settings folder should be
    EXPECT_TRUE(Eigene_Orte_schreiben(ordner / "datei" / "Regeneig.dat", {}));
    EXPECT_EQ(Inhalt(ordner / "datei"), "x");
}

TEST_F(Speicherziel, WriteProtectionIsRespectedAndPermissionsKept) {
    Schreiben(datei, "alt");
    chmod(datei.c_str(), 0444);
    Abgelehnt(datei, "\u201E" + datei.string() + "\u201C ist schreibgeschützt");
    EXPECT_EQ(Inhalt(datei), "alt");
    chmod(datei.c_str(), 0640);
    const bool verwalter = geteuid() == 0;  // an administrator saving another user's file leaves it that user's
    if (verwalter) chown(datei.c_str(), 4321, 4322);
    ASSERT_FALSE(Datei_ersetzen(datei, "neu"));
    struct stat s {};
    stat(datei.c_str(), &s);
    EXPECT_EQ(Modus(datei), 0640u) << "the replaced file keeps the old bits";
    EXPECT_TRUE(!verwalter || (s.st_uid == 4321 && s.st_gid == 4322)) << "and its owner";
    const mode_t maske = umask(0022);
    ASSERT_FALSE(Datei_ersetzen(ordner / "frisch.Dkm", "x"));
    umask(maske);
    EXPECT_EQ(Modus(ordner / "frisch.Dkm"), 0644u) << "a new file as any other program makes it";
    chmod(ordner.c_str(), 0555);
    Abgelehnt(datei, "Der Ordner \u201E" + ordner.string() + "\u201C ist schreibgeschützt");
    Abgelehnt(ordner / "neu.Dkm", "ist schreibgeschützt");
    chmod(ordner.c_str(), 0755);
    EXPECT_EQ(Inhalt(datei), "neu");
}

// The disk runs full while writing, once as a small file system, once as a file size limit.
TEST_F(Speicherziel, AFullDiskKeepsTheOldFile) {
    Schreiben(datei, "alter Inhalt");
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = 1024;
    auto* signal_vorher = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    Abgelehnt(datei, "konnte nicht gespeichert werden", std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signal_vorher);
    EXPECT_EQ(Inhalt(datei), "alter Inhalt");

    const fs::path voll = ordner / "klein";
    fs::create_directories(voll);
    if (mount("dkm-test", voll.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(errno);
    Schreiben(voll / "KandProj.Dkm", "alter Inhalt");
    Schreiben(voll / "fuellung", std::string(40 * 1024, 'f'));
    Abgelehnt(voll / "KandProj.Dkm", "genügend Speicherplatz", std::string(40 * 1024, 'n'));
    const std::string danach = Inhalt(voll / "KandProj.Dkm");
    umount(voll.c_str());
    EXPECT_EQ(danach, "alter Inhalt");
}

// A child saving to `ziel` that dies from the file size limit while writing, leaving its temporary file.
void Abgebrochen_speichern(const fs::path& ziel) {
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        rlimit r{0, 0};
        setrlimit(RLIMIT_CORE, &r);
        r = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &r);
        std::signal(SIGXFSZ, SIG_DFL);
        (void)Datei_ersetzen(ziel, std::string(100000, 'k'));
        _exit(0);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
}

TEST_F(Speicherziel, ASuccessfulSaveRemovesItsOwnLeftoversOnly) {
    Schreiben(ordner / "A.Dkm", "A");
    for (const char* ziel : {"A.Dkm", "A.Dkm", "B.Dkm"}) Abgebrochen_speichern(ordner / ziel);
    Schreiben(ordner / ".dkm-fremd.tmp", "gehört niemandem");
    ASSERT_EQ(Namen().size(), 5u);
    EXPECT_EQ(Inhalt(ordner / "A.Dkm"), "A");
    ASSERT_FALSE(Datei_ersetzen(ordner / "A.Dkm", "A2"));
    EXPECT_EQ(Namen().size(), 3u) << "B's leftover and the foreign file stay";
    ASSERT_FALSE(Datei_ersetzen(ordner / "B.Dkm", "B"));
    EXPECT_EQ(Namen(), (std::vector<std::string>{".dkm-fremd.tmp", "A.Dkm", "B.Dkm"}));
}

// Killed at any moment, a save leaves the whole old or the whole new file.
TEST_F(Speicherziel, KilledSavesLeaveAWholeFile) {
    const std::string x(300000, 'x'), y(200000, 'y');
    Schreiben(datei, x);
    std::mt19937 zufall(7);
    for (int runde = 0; runde < 60; ++runde) {
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0)
            for (int i = 0;; ++i) (void)Datei_ersetzen(datei, i % 2 ? x : y);
        usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(zufall));
        kill(kind, SIGKILL);
        waitpid(kind, nullptr, 0);
        const std::string jetzt = Inhalt(datei);
        ASSERT_TRUE(jetzt == x || jetzt == y) << "round " << runde << ": " << jetzt.size() << " bytes";
    }
    ASSERT_FALSE(Datei_ersetzen(datei, "fertig"));
    EXPECT_EQ(Namen(), std::vector<std::string>{"KandProj.Dkm"});
}

TEST_F(Speicherziel, ReadingStopsOneByteBeyondTheLimitAndRefusesWhatIsNoFile) {
    Schreiben(datei, std::string(100, 'a'));
    EXPECT_EQ(Datei_lesen(datei, 1000)->size(), 100u);
    EXPECT_EQ(Datei_lesen(datei, 10)->size(), 11u);
    EXPECT_FALSE(Datei_lesen(ordner / "fehlt", 10));
    EXPECT_FALSE(Datei_lesen(ordner, 10));
    EXPECT_FALSE(Datei_lesen("/dev/zero", 10)) << "a device never ends";
}

}  // namespace
}  // namespace dkm::test
