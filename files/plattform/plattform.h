// The operating system's own file calls behind the file layer: one source per system
// (posix.cpp, windows.cpp), chosen by the build. What a save or a read promises is decided
// in dateizugriff.cpp, once for both.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace dkm::plattform {

namespace fs = std::filesystem;

// Why a name could not be looked at or made; the caller chooses the message.
enum class Grund { keiner, fehlt, vorhanden, Schleife, zu_lang, kein_Ordner, Zugriff, anderer };

// What a replacement takes over from the file it replaces: permissions and owner
// on POSIX, the attributes (hidden, archive, …) on Windows.
struct Rechte {
    std::uint32_t art = 0, eigner = 0, gruppe = 0;
};

// How a name stands on the disk.
struct Eintrag {
    enum class Art { fehlt, Verweis, Datei, Ordner, anderes } art = Art::fehlt;
    bool schreibbar = false;  // by the write bits or attribute and by this process's rights
    Rechte rechte;
    Grund fehler = Grund::keiner;  // set when the name could not be looked at
};

// A final link is followed only when `folgen`; on Windows a link or junction counts as `anderes`.
Eintrag Ansehen(const fs::path& p, bool folgen);

// Device and file number: equal for two names of one file.
struct Kennung {
    std::uint64_t geraet = 0, nummer = 0;
    bool operator==(const Kennung&) const = default;
};
std::optional<Kennung> Kennung_von(const fs::path& p);

// At most `hoechstens` + 1 bytes of a regular file, opened without waiting and judged again once open.
std::optional<std::string> Lesen(const fs::path& datei, size_t hoechstens);

long Prozessnummer();
bool Prozess_laeuft(long pid);

// A new file that did not exist (never one that does, nor through a link), open for writing.
class Neue_Datei {
public:
    Neue_Datei() = default;
    Neue_Datei(const Neue_Datei&) = delete;
    Neue_Datei& operator=(const Neue_Datei&) = delete;
    ~Neue_Datei();
    Grund anlegen(const fs::path& p);
    bool schreiben(std::string_view inhalt);
    void rechte_uebernehmen(const Rechte& r);
    // on the disk and closed: false when either failed
    bool sichern_und_schliessen();

private:
    std::intptr_t griff_ = -1;
};

// Puts `neu` in the place of `ziel` in one step, on the disk when it returns true.
bool Ersetzen(const fs::path& neu, const fs::path& ziel);

// So that the new name in the folder survives a power cut.
void Ordner_sichern(const fs::path& ordner);

// The per-user folder for the program's settings.
fs::path Einstellungsordner();

}  // namespace dkm::plattform
