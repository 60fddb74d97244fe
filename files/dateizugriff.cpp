#include "files/dateizugriff.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

namespace dkm {

namespace fs = std::filesystem;

namespace {

std::string Speicherfehler(const fs::path& datei) {
    return "Die Datei \u201E" + Pfadtext(datei.filename()) +
           "\u201C konnte nicht gespeichert werden. Bitte prüfen Sie, ob der Ordner beschreibbar ist "
           "und genügend Speicherplatz frei ist. Eine bereits vorhandene Datei dieses Namens ist "
           "unverändert geblieben.";
}

// A name no other save is using at the same time, in the folder of the target.
fs::path Temporaerer_Name(const fs::path& datei) {
    static std::atomic<unsigned> zaehler{0};
    const auto jetzt = std::chrono::steady_clock::now().time_since_epoch().count();
    // short, so that a target name near the length limit still gets one
    const std::string name =
        ".dkm-" + std::to_string(jetzt % 1000000007) + "-" + std::to_string(zaehler++) + ".tmp";
    return datei.parent_path() / name;
}

}  // namespace

std::string Pfadtext(const fs::path& p) {
    const std::u8string u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

std::optional<std::string> Datei_lesen(const fs::path& datei, size_t hoechstens) {
    std::error_code ec;
    // Devices and pipes could block or never end.
    if (!fs::is_regular_file(datei, ec)) return std::nullopt;
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) return std::nullopt;
    // Read in blocks up to the limit (plus one byte to tell "too large"),
    // instead of clearing a limit-sized buffer for every small file.
    std::string inhalt;
    char block[16384];
    while (inhalt.size() <= hoechstens) {
        const size_t rest = hoechstens + 1 - inhalt.size();
        ein.read(block, static_cast<std::streamsize>(std::min(rest, sizeof block)));
        if (ein.bad()) return std::nullopt;
        const auto gelesen = ein.gcount();
        if (gelesen <= 0) break;
        inhalt.append(block, static_cast<size_t>(gelesen));
    }
    return inhalt;
}

std::optional<std::string> Datei_ersetzen(const fs::path& name, std::string_view inhalt) {
    std::error_code ec;
    // a link stays a link: the file it points to is the one replaced
    const bool verweis = fs::symlink_status(name, ec).type() == fs::file_type::symlink;
    const fs::path datei = verweis ? fs::weakly_canonical(name, ec) : name;
    if (verweis && ec) return Speicherfehler(name);
    const fs::path temp = Temporaerer_Name(datei);
    {
        std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
        if (!aus) return Speicherfehler(datei);
        aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        aus.flush();
        aus.close();
        if (aus.fail()) {
            fs::remove(temp, ec);
            return Speicherfehler(datei);
        }
    }
    const fs::file_status alt = fs::status(datei, ec);
    if (!ec && fs::is_regular_file(alt)) fs::permissions(temp, alt.permissions(), ec);
    fs::rename(temp, datei, ec);
    if (ec) {
        fs::remove(temp, ec);
        return Speicherfehler(datei);
    }
    return std::nullopt;
}

}  // namespace dkm
