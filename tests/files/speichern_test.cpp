// Saving onto real files as an administrator and a careless user meet them:
// links, special files, write protection, a full disk and saves killed midway.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
    std::vector<std::string> Namen() const {
        std::vector<std::string> v;
        for (const auto& e : fs::directory_iterator(ordner)) v.push_back(e.path().filename().string());
        std::sort(v.begin(), v.end());
        return v;
    }
    // Refused with a message holding `erwartet`; the folder holds what it held.
    void Abgelehnt(const fs::path& ziel, const std::string& erwartet) {
        const auto vorher = Namen();
        const auto fehler = Datei_ersetzen(ziel, "neu");
        ASSERT_TRUE(fehler) << ziel;
        EXPECT_NE(fehler->find(erwartet), std::string::npos) << *fehler;
        EXPECT_EQ(Namen(), vorher) << "nothing left behind";
    }
    mode_t Modus(const fs::path& p) const {
        struct stat s {};
        stat(p.c_str(), &s);
        return s.st_mode & 0777;
    }
};

TEST_F(Speicherziel, ALinkIsWrittenThroughAndStaysALink) {
    fs::create_directories(ordner / "ablage");
    fs::create_symlink("ablage/neu.Dkm", ordner / "verweis.Dkm");  // relative, target not there yet
    ASSERT_FALSE(Datei_ersetzen(ordner / "verweis.Dkm", "eins"));
    EXPECT_TRUE(fs::is_symlink(ordner / "verweis.Dkm"));
    EXPECT_EQ(Inhalt(ordner / "ablage" / "neu.Dkm"), "eins");
    // a link to a link
    fs::create_symlink(ordner / "verweis.Dkm", ordner / "zweiter.Dkm");
    ASSERT_FALSE(Datei_ersetzen(ordner / "zweiter.Dkm", "zwei"));
    EXPECT_TRUE(fs::is_symlink(ordner / "zweiter.Dkm"));
    EXPECT_EQ(Inhalt(ordner / "ablage" / "neu.Dkm"), "zwei");

    fs::create_symlink(ordner / "fehlt" / "x.Dkm", ordner / "ins_leere.Dkm");
    Abgelehnt(ordner / "ins_leere.Dkm", "weil ihr Ordner nicht existiert");
    EXPECT_TRUE(fs::is_symlink(ordner / "ins_leere.Dkm"));
    Abgelehnt(ordner / "fehlt" / "y.Dkm", "weil ihr Ordner nicht existiert");
    fs::create_symlink("kreis.Dkm", ordner / "kreis.Dkm");
    Abgelehnt(ordner / "kreis.Dkm", "konnte nicht gespeichert werden");
}

TEST_F(Speicherziel, WhatIsNoRegularFileIsNotReplaced) {
    ASSERT_EQ(mkfifo((ordner / "pipe.Dkm").c_str(), 0666), 0);
    fs::create_directories(ordner / "ordner.Dkm");
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const std::string sockel = (ordner / "sockel.Dkm").string();
    ASSERT_LT(sockel.size(), sizeof adresse.sun_path);
    std::strcpy(adresse.sun_path, sockel.c_str());
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    fs::create_symlink(ordner / "pipe.Dkm", ordner / "zur_pipe.Dkm");

    for (const char* name : {"pipe.Dkm", "ordner.Dkm", "sockel.Dkm"})
        Abgelehnt(ordner / name, "\u201E" + (ordner / name).string() + "\u201C ist keine gewöhnliche Datei");
    Abgelehnt(ordner / "zur_pipe.Dkm", (ordner / "pipe.Dkm").string() + "\u201C ist keine gewöhnliche Datei");
    Abgelehnt("/dev/null", "\u201E/dev/null\u201C ist keine gewöhnliche Datei");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(fs::status(ordner / "pipe.Dkm").type(), fs::file_type::fifo);
    EXPECT_EQ(fs::status(ordner / "sockel.Dkm").type(), fs::file_type::socket);
    close(s);

    // the settings files alike, with what they are for
    const auto fehler = Druckwerte_schreiben(ordner / "pipe.Dkm", {11, 0, 0});
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->rfind("Die Druckereinstellungen konnten nicht gespeichert werden. \u201E", 0), 0u) << *fehler;
    EXPECT_NE(fehler->find("ist keine gewöhnliche Datei"), std::string::npos);
    EXPECT_TRUE(Eigene_Orte_schreiben(ordner / "ordner.Dkm", {}));
}

TEST_F(Speicherziel, WriteProtectionIsRespectedAndPermissionsKept) {
    const fs::path datei = ordner / "KandProj.Dkm";
    Schreiben(datei, "alt");
    chmod(datei.c_str(), 0444);
    Abgelehnt(datei, "\u201E" + datei.string() + "\u201C ist schreibgeschützt");
    EXPECT_EQ(Inhalt(datei), "alt");

    chmod(datei.c_str(), 0640);
    ASSERT_FALSE(Datei_ersetzen(datei, "neu"));
    EXPECT_EQ(Inhalt(datei), "neu");
    EXPECT_EQ(Modus(datei), 0640u) << "the replaced file keeps the old bits";
    if (geteuid() == 0) {  // an administrator saving another user's file leaves it that user's
        ASSERT_EQ(chown(datei.c_str(), 4321, 4322), 0);
        ASSERT_FALSE(Datei_ersetzen(datei, "neu"));
        struct stat s {};
        stat(datei.c_str(), &s);
        EXPECT_EQ(s.st_uid, 4321u);
        EXPECT_EQ(s.st_gid, 4322u);
        EXPECT_EQ(Modus(datei), 0640u);
    }
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

// The file system runs full while writing: the old file stays whole and nothing is left.
TEST_F(Speicherziel, AFullFileSystemKeepsTheOldFile) {
    const fs::path klein = ordner / "klein";
    fs::create_directories(klein);
    if (mount("dkm-test", klein.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << "); the full disk is "
                     << "also covered through a file size limit in Speichern.FailureLeavesTheOldFileIntact";
    const fs::path datei = klein / "KandProj.Dkm";
    Schreiben(datei, "alter Inhalt");
    Schreiben(klein / "fuellung", std::string(40 * 1024, 'f'));
    const auto fehler = Datei_ersetzen(datei, std::string(40 * 1024, 'n'));
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(klein)) namen.push_back(e.path().filename().string());
    const std::string alt = Inhalt(datei);
    umount(klein.c_str());
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("genügend Speicherplatz"), std::string::npos) << *fehler;
    EXPECT_EQ(alt, "alter Inhalt");
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"KandProj.Dkm", "fuellung"}));
}

// A child saving `inhalt` to `ziel` that dies from the file size limit while writing,
// leaving its temporary file as a crash would.
void Abgebrochen_speichern(const fs::path& ziel, size_t groesse) {
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        rlimit r{0, 0};
        setrlimit(RLIMIT_CORE, &r);
        r = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &r);
        std::signal(SIGXFSZ, SIG_DFL);
        (void)Datei_ersetzen(ziel, std::string(groesse, 'k'));
        _exit(0);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
}

TEST_F(Speicherziel, ASuccessfulSaveRemovesItsOwnLeftoversOnly) {
    Schreiben(ordner / "A.Dkm", "A");
    Abgebrochen_speichern(ordner / "A.Dkm", 100000);
    Abgebrochen_speichern(ordner / "A.Dkm", 100000);
    Abgebrochen_speichern(ordner / "B.Dkm", 100000);
    Schreiben(ordner / ".dkm-fremd.tmp", "gehört niemandem");
    auto vorher = Namen();
    ASSERT_EQ(vorher.size(), 5u);
    for (const auto& n : vorher) EXPECT_TRUE(n.ends_with(".Dkm") || (n.starts_with(".dkm-") && n.ends_with(".tmp")));
    EXPECT_EQ(Inhalt(ordner / "A.Dkm"), "A");

    ASSERT_FALSE(Datei_ersetzen(ordner / "A.Dkm", "A2"));
    const auto nachher = Namen();
    ASSERT_EQ(nachher.size(), 3u) << "B's leftover and the foreign file stay";
    EXPECT_EQ(nachher[1], ".dkm-fremd.tmp");
    ASSERT_FALSE(Datei_ersetzen(ordner / "B.Dkm", "B"));
    EXPECT_EQ(Namen(), (std::vector<std::string>{".dkm-fremd.tmp", "A.Dkm", "B.Dkm"}));
}

// Killed at any moment, a save leaves the whole old or the whole new file.
TEST_F(Speicherziel, KilledSavesLeaveAWholeFile) {
    const fs::path datei = ordner / "KandProj.Dkm";
    const std::string x(300000, 'x'), y(200000, 'y');
    Schreiben(datei, x);
    std::mt19937 zufall(7);
    for (int runde = 0; runde < 60; ++runde) {
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            for (int i = 0;; ++i) (void)Datei_ersetzen(datei, i % 2 ? x : y);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(zufall));
        kill(kind, SIGKILL);
        waitpid(kind, nullptr, 0);
        const std::string jetzt = Inhalt(datei);
        ASSERT_TRUE(jetzt == x || jetzt == y) << "round " << runde << ": " << jetzt.size() << " bytes";
    }
    ASSERT_FALSE(Datei_ersetzen(datei, "fertig"));
    EXPECT_EQ(Namen(), std::vector<std::string>{"KandProj.Dkm"});
}

}  // namespace
}  // namespace dkm::test
