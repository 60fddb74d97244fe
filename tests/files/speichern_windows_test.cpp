// Saving on Windows as users meet it there: read-only files, a file another program holds open,
// device names, hidden files, umlauts in names, leftovers of a save whose process died.
#include <windows.h>

#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Namen(const fs::path& ordner) {
    std::vector<std::string> v;
    for (const auto& e : fs::directory_iterator(ordner)) v.push_back(Pfadtext(e.path().filename()));
    std::sort(v.begin(), v.end());
    return v;
}

// Refused with the reason, and the folder holds what it held, each old file its bytes.
TEST_F(Testordner, WindowsRefusalsKeepEverything) {
    const fs::path fest = ordner / "fest.Dkm", offen = ordner / "offen.Dkm";
    for (const fs::path& p : {datei, fest, offen}) Schreiben(p, "alt");
    SetFileAttributesW(fest.c_str(), FILE_ATTRIBUTE_READONLY);
    fs::create_directories(ordner / "ordner.Dkm");
    // a viewer holding the file open without letting it be replaced
    const HANDLE halter = CreateFileW(offen.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(halter, INVALID_HANDLE_VALUE);
    const auto ist = [](const fs::path& p) { return "\u201E" + Pfadtext(p) + "\u201C ist "; };
    const struct { fs::path ziel; std::string meldung; } faelle[] = {
        {fest, ist(fest) + "schreibgeschützt"},
        {ordner / "ordner.Dkm", ist(ordner / "ordner.Dkm") + "keine gewöhnliche Datei"},
        {ordner / "NUL", ist(ordner / "NUL") + "keine gewöhnliche Datei"},
        {ordner / "fehlt" / "x.Dkm", "weil ihr Ordner nicht existiert"},
        {datei / "x.Dkm", "Ein Teil ihres Pfades ist eine Datei, kein Ordner"},
        {offen, "konnte nicht gespeichert werden"},
    };
    const auto vorher = Namen(ordner);
    for (const auto& c : faelle) {
        const Erfolg<> e = Datei_ersetzen(c.ziel, "neu");
        ASSERT_FALSE(e) << c.ziel;
        EXPECT_NE(e.fehler().text.find(c.meldung), std::string::npos) << e.fehler().text;
        EXPECT_EQ(Namen(ordner), vorher) << c.ziel << ": nothing left behind";
    }
    CloseHandle(halter);
    for (const fs::path& p : {datei, fest, offen}) EXPECT_EQ(Inhalt(p), "alt") << p;
    SetFileAttributesW(fest.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A hidden file stays hidden; a name with umlauts is the same name in the folder and in the messages;
// what a dead process's save left goes, another's file stays.
TEST_F(Testordner, WindowsSavesKeepAttributesNamesAndClearDeadLeftovers) {
    const fs::path versteckt = ordner / "versteckt.Dkm", umlaut = ordner / fs::u8path("Prüfung Straße.Dkm");
    Schreiben(versteckt, "alt");
    SetFileAttributesW(versteckt.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(Datei_ersetzen(versteckt, "neu"));
    EXPECT_TRUE(GetFileAttributesW(versteckt.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Inhalt(versteckt), "neu");

    // a process that has ended: its number stands for no running process
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    wchar_t befehl[] = L"cmd.exe /c exit";
    ASSERT_TRUE(CreateProcessW(nullptr, befehl, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi));
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread), CloseHandle(pi.hProcess);
    Schreiben(Temp_Name(umlaut, pi.dwProcessId, 0), "tot");
    Schreiben(ordner / ".dkm-fremd.tmp", "gehört niemandem");
    ASSERT_TRUE(Datei_ersetzen(umlaut, "ä"));
    EXPECT_EQ(*Datei_lesen(umlaut, 10), "ä");
    EXPECT_EQ(Namen(ordner), (std::vector<std::string>{".dkm-fremd.tmp", "Prüfung Straße.Dkm", "versteckt.Dkm"}));
}

}  // namespace
}  // namespace dkm::test
