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
#include <memory>
#include <random>

#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Namen(const fs::path& ordner) {
    std::vector<std::string> v;
    for (const auto& e : fs::recursive_directory_iterator(ordner)) v.push_back(e.path().lexically_relative(ordner));
    std::sort(v.begin(), v.end());
    return v;
}

// Refused with a message giving the reason; the folder holds what it held, each old file its bytes.
TEST_F(Testordner, RefusedTargetsKeepEverything) {
    const fs::path pipe = ordner / "pipe.Dkm", gesperrt = ordner / "gesperrt.Dkm", nurlesen = ordner / "nurlesen",
                   voll = ordner / "voll";
    for (const fs::path& p : {datei, gesperrt}) Schreiben(p, "alt");
    chmod(gesperrt.c_str(), 0444);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
    fs::create_directories(ordner / "ordner.Dkm" / "inhalt");
    fs::create_symlink(pipe, ordner / "zur_pipe.Dkm");
    fs::create_symlink(ordner / "fehlt" / "x.Dkm", ordner / "ins_leere.Dkm");
    fs::create_symlink("kreis.Dkm", ordner / "kreis.Dkm");
    for (const fs::path& p : {nurlesen, voll}) fs::create_directories(p), Schreiben(p / "KandProj.Dkm", "alt");
    chmod(nurlesen.c_str(), 0555);
    const bool klein = mount("dkm-test", voll.c_str(), "tmpfs", 0, "size=64k") == 0;  // not in every container
    // gone however the test ends: a mount left behind would fail every later test of the folder
    const std::unique_ptr<const fs::path, void (*)(const fs::path*)> aushaengen(
        klein ? &voll : nullptr, [](const fs::path* p) { umount(p->c_str()); });
    Schreiben(voll / "KandProj.Dkm", "alt");
    Schreiben(voll / "fuellung", std::string(40 * 1024, 'f'));
    const auto ist = [](const fs::path& p) { return "\u201E" + p.string() + "\u201C ist "; };
    fs::path lang;  // a path beyond PATH_MAX made of names that are each allowed
    for (int i = 0; i < 20; ++i) lang /= std::string(250, 'o');
    // grenze: the file size limit while saving, a full disk
    const struct { fs::path ziel; std::string meldung, inhalt = "neu"; rlim_t grenze = RLIM_INFINITY; } faelle[] = {
        {ordner / "ins_leere.Dkm", "weil ihr Ordner nicht existiert"},
        {ordner / "fehlt" / "y.Dkm", "weil ihr Ordner nicht existiert"},
        {ordner / "kreis.Dkm", "Ihre Verweise (Symlinks) führen im Kreis"},
        {ordner / "kreis.Dkm" / "x.Dkm", "Ihre Verweise (Symlinks) führen im Kreis"},
        {datei / "x.Dkm", "Ein Teil ihres Pfades ist eine Datei, kein Ordner"},
        {ordner / (std::string(300, 'n') + ".Dkm"), "Der Pfad ist länger, als das System erlaubt"},
        {ordner / lang / "x.Dkm", "Der Pfad ist länger, als das System erlaubt"},
        {pipe, ist(pipe) + "keine gewöhnliche Datei"},
        {ordner / "ordner.Dkm", ist(ordner / "ordner.Dkm") + "keine gewöhnliche Datei"},
        {ordner / "zur_pipe.Dkm", ist(pipe) + "keine gewöhnliche Datei"},
        {"/dev/null", ist("/dev/null") + "keine gewöhnliche Datei"},
        {gesperrt, ist(gesperrt) + "schreibgeschützt"},
        {nurlesen / "KandProj.Dkm", "Der Ordner " + ist(nurlesen) + "schreibgeschützt"},
        {nurlesen / "neu.Dkm", "Der Ordner " + ist(nurlesen) + "schreibgeschützt"},
        {datei, "konnte nicht gespeichert werden", std::string(5000, 'x'), 1024},
        {klein ? voll / "KandProj.Dkm" : "", "genügend Speicherplatz", std::string(40 * 1024, 'n')},
    };
    const auto vorher = Namen(ordner);
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, SIG_IGN);  // beyond the limit a write fails instead
    for (const auto& c : faelle) {
        if (c.ziel.empty()) continue;
        const rlimit grenze{std::min(c.grenze, alt.rlim_max), alt.rlim_max};
        setrlimit(RLIMIT_FSIZE, &grenze);
        const Erfolg<> e = Datei_ersetzen(c.ziel, c.inhalt);
        setrlimit(RLIMIT_FSIZE, &alt);
        ASSERT_FALSE(e) << c.ziel;
        EXPECT_NE(e.fehler().text.find(c.meldung), std::string::npos) << e.fehler().text;
        EXPECT_EQ(Namen(ordner), vorher) << c.ziel << ": nothing left behind";
    }
    for (const fs::path& p : {datei, gesperrt, nurlesen / "KandProj.Dkm", voll / "KandProj.Dkm"})
        EXPECT_EQ(Inhalt(p), "alt") << p;
    EXPECT_TRUE(fs::is_symlink(ordner / "ins_leere.Dkm") && fs::is_character_file("/dev/null") && fs::is_fifo(pipe));
    chmod(nurlesen.c_str(), 0755);
    // the settings files alike, saying what they are for
    const Erfolg<> e = Druckwerte_schreiben(pipe, {11, 0, 0});
    ASSERT_FALSE(e);
    EXPECT_EQ(e.fehler().text.rfind("Die Druckereinstellungen konnten nicht gespeichert werden. \u201E" + pipe.string(), 0),
              0u);
    EXPECT_FALSE(Eigene_Orte_schreiben(datei / "Regeneig.dat", {})) << "a file where the settings folder should be";
}

TEST_F(Testordner, ALinkIsWrittenThroughAndStaysALink) {
    fs::create_directories(ordner / "ablage");
    fs::create_symlink("ablage/neu.Dkm", ordner / "verweis.Dkm");  // relative, target not there yet
    fs::create_symlink(ordner / "verweis.Dkm", ordner / "zweiter.Dkm");
    for (const char* name : {"verweis.Dkm", "zweiter.Dkm"}) {
        ASSERT_TRUE(Datei_ersetzen(ordner / name, name));
        EXPECT_TRUE(fs::is_symlink(ordner / name));
        EXPECT_EQ(Inhalt(ordner / "ablage" / "neu.Dkm"), name);
    }
}

TEST_F(Testordner, TheReplacedFileKeepsItsPermissionsAndOwner) {
    Schreiben(datei, "alt");
    chmod(datei.c_str(), 0640);
    const bool verwalter = geteuid() == 0;  // an administrator saving another user's file leaves it that user's
    if (verwalter) chown(datei.c_str(), 4321, 4322);
    ASSERT_TRUE(Datei_ersetzen(datei, "neu"));
    struct stat s {};
    stat(datei.c_str(), &s);
    EXPECT_EQ(fs::status(datei).permissions(), fs::perms(0640));
    EXPECT_TRUE(!verwalter || (s.st_uid == 4321 && s.st_gid == 4322));
    const mode_t maske = umask(0022);
    ASSERT_TRUE(Datei_ersetzen(ordner / "frisch.Dkm", "x"));
    umask(maske);
    EXPECT_EQ(fs::status(ordner / "frisch.Dkm").permissions(), fs::perms(0644)) << "as any other program makes it";
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

// What saves of a target left when their process died goes before the next save of it writes, whether that
// save succeeds or not; other targets' leftovers, foreign files and the file of a save still running stay.
TEST_F(Testordner, LeftoversOfDeadSavesGoBeforeTheNextSave) {
    Schreiben(ordner / "A.Dkm", "A");
    for (const char* ziel : {"A.Dkm", "B.Dkm"}) Abgebrochen_speichern(ordner / ziel);
    Schreiben(ordner / ".dkm-fremd.tmp", "gehört niemandem");
    const fs::path laufend = Temp_Name(ordner / "A.Dkm", 1, 0);  // process 1 lives
    Schreiben(laufend, "läuft");
    ASSERT_EQ(Namen(ordner).size(), 5u);
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit grenze{std::min<rlim_t>(1024, alt.rlim_max), alt.rlim_max};
    setrlimit(RLIMIT_FSIZE, &grenze);
    EXPECT_FALSE(Datei_ersetzen(ordner / "A.Dkm", std::string(5000, 'a'))) << "too large for the limit";
    setrlimit(RLIMIT_FSIZE, &alt);
    EXPECT_EQ(Namen(ordner).size(), 4u) << "A's dead leftover went all the same";
    EXPECT_TRUE(fs::exists(laufend));
    ASSERT_TRUE(Datei_ersetzen(ordner / "B.Dkm", "B"));
    fs::remove(laufend);
    EXPECT_EQ(Namen(ordner), (std::vector<std::string>{".dkm-fremd.tmp", "A.Dkm", "B.Dkm"}));

    // a dead process's leftover under this process's own id and counter 0: removed, not in the way;
    // where the name is still taken (a folder), the next counter serves
    Schreiben(Temp_Name(datei, getpid(), 0), "tot");
    ASSERT_TRUE(Datei_ersetzen(datei, "eins"));
    fs::create_directory(Temp_Name(datei, getpid(), 0));
    ASSERT_TRUE(Datei_ersetzen(datei, "zwei"));
    EXPECT_EQ(Inhalt(datei), "zwei");
    EXPECT_EQ(Namen(ordner).size(), 5u) << "the folder stays, no temporary file beside it";
}

// Killed at any moment, a save leaves the whole old or the whole new file.
TEST_F(Testordner, KilledSavesLeaveAWholeFile) {
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
    ASSERT_TRUE(Datei_ersetzen(datei, "fertig"));
    EXPECT_EQ(Namen(ordner), std::vector<std::string>{"KandProj.Dkm"});
}

TEST_F(Testordner, ReadingStopsOneByteBeyondTheLimitAndRefusesWhatIsNoFile) {
    Schreiben(datei, std::string(100, 'a'));
    EXPECT_EQ(Datei_lesen(datei, 1000)->size(), 100u);
    EXPECT_EQ(Datei_lesen(datei, 10)->size(), 11u);
    for (const fs::path& p : {ordner / "fehlt", ordner, fs::path("/dev/zero")}) EXPECT_FALSE(Datei_lesen(p, 10)) << p;
}

}  // namespace
}  // namespace dkm::test
