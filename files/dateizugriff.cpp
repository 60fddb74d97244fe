#include "files/dateizugriff.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>
#include <variant>

#include "model/meldungen.h"

namespace dkm {

namespace fs = std::filesystem;

namespace {

std::string Text(std::string_view vorlage, const fs::path& p, const fs::path& q = {}) {
    return meldung::Eingesetzt(vorlage, Pfadtext(p), Pfadtext(q));
}

fs::path Ordner_von(const fs::path& datei) { return datei.has_parent_path() ? datei.parent_path() : fs::path("."); }

// What a save writes to: the file at the end of any links, and how it stands now.
struct Ziel {
    fs::path datei;
    bool vorhanden = false;
    struct stat alt {};
};

// The reason a path cannot take a file, for the errno of a call on it.
std::string Pfadfehler(int fehler, const fs::path& name) {
    switch (fehler) {
        case ELOOP: return Text(meldung::Verweisschleife_Text, name);
        case ENAMETOOLONG: return Text(meldung::Pfad_zu_lang_Text, name);
        case ENOTDIR: return Text(meldung::Datei_als_Ordner_Text, name);
        case ENOENT: return Text(meldung::Ordner_fehlt_Text, name);
        default: return Text(meldung::Speicherfehler_Text, name);
    }
}

// The end of the link chain, or the message why nothing may be written there.
std::variant<Ziel, std::string> Ziel_finden(const fs::path& name) {
    Ziel z{name};
    for (int glied = 0;; ++glied) {
        if (lstat(z.datei.c_str(), &z.alt) != 0) {
            if (errno != ENOENT) return Pfadfehler(errno, name);
            break;
        }
        if (!S_ISLNK(z.alt.st_mode)) {
            z.vorhanden = true;
            break;
        }
        if (glied == 40) return Pfadfehler(ELOOP, name);
        std::error_code ec;
        const fs::path verweis = fs::read_symlink(z.datei, ec);
        if (ec) return Pfadfehler(ec.value(), name);
        z.datei = verweis.is_absolute() ? verweis : Ordner_von(z.datei) / verweis;
    }
    if (z.vorhanden && !S_ISREG(z.alt.st_mode)) return Text(meldung::keine_Datei_Text, z.datei);
    // the write bits count, also for an administrator, whom access() lets through
    if (z.vorhanden && ((z.alt.st_mode & 0222) == 0 || access(z.datei.c_str(), W_OK) != 0))
        return Text(meldung::schreibgeschuetzt_Text, z.datei);
    const fs::path ordner = Ordner_von(z.datei);
    struct stat o {};
    if (stat(ordner.c_str(), &o) != 0) return Pfadfehler(errno, z.datei);
    if (!S_ISDIR(o.st_mode)) return Pfadfehler(ENOTDIR, z.datei);
    if ((o.st_mode & 0222) == 0 || access(ordner.c_str(), W_OK) != 0)
        return Text(meldung::Ordner_schreibgeschuetzt_Text, ordner, z.datei.filename());
    return z;
}

// ".dkm-" and a hash of the target's name: each target has its own pattern,
// whatever the length of its name; then the writing process and a counter.
std::string Temp_Muster(const fs::path& datei) {
    uint64_t h = 14695981039346656037ull;
    for (char c : datei.filename().string()) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char muster[32];
    std::snprintf(muster, sizeof muster, ".dkm-%016llx-", static_cast<unsigned long long>(h));
    return muster;
}

bool Alles_schreiben(int fd, std::string_view inhalt) {
    while (!inhalt.empty()) {
        const ssize_t n = write(fd, inhalt.data(), inhalt.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        inhalt.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Without this a power cut soon after the rename can leave the new name with no data.
void Ordner_sichern(const fs::path& ordner) {
    const int fd = open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)fsync(fd);
    close(fd);
}

bool Prozess_laeuft(std::string_view pid_text) {
    long pid = 0;
    for (char c : pid_text) {
        if (c < '0' || c > '9' || pid > 100000000) return false;
        pid = 10 * pid + (c - '0');
    }
    return pid > 0 && pid != getpid() && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Temporary files of earlier saves of the same target that died before their rename.
void Reste_entfernen(const fs::path& ordner, const std::string& muster) {
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(muster) || !name.ends_with(".tmp")) continue;
        // a save of the same file running right now in another process keeps its file
        const std::string rest = name.substr(muster.size());
        if (Prozess_laeuft(rest.substr(0, rest.find('-')))) continue;
        std::error_code weg;
        if (!it->is_directory(weg)) fs::remove(it->path(), weg);
    }
}

}  // namespace

std::string Pfadtext(const fs::path& p) {
    const std::u8string u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

Erfolg<std::string> Datei_lesen(const fs::path& datei, size_t hoechstens) {
    const Fehler unlesbar{meldung::Eingesetzt(meldung::Datei_unlesbar_Text, Pfadtext(datei))};
    // Devices and pipes could block, never end or act on being opened: only a regular file is
    // opened, without waiting, and what was opened is judged again in case the name changed hands.
    struct stat s {};
    if (stat(datei.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return unlesbar;
    const int fd = open(datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return unlesbar;
    std::optional<std::string> inhalt;
    if (fstat(fd, &s) == 0 && S_ISREG(s.st_mode)) inhalt.emplace();
    // Read in blocks up to the limit (plus one byte to tell "too large"),
    // instead of clearing a limit-sized buffer for every small file.
    char block[16384];
    while (inhalt && inhalt->size() <= hoechstens) {
        const size_t rest = hoechstens + 1 - inhalt->size();
        const ssize_t n = read(fd, block, std::min(rest, sizeof block));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) inhalt.reset();
        if (n <= 0) break;
        inhalt->append(block, static_cast<size_t>(n));
    }
    close(fd);
    if (!inhalt) return unlesbar;
    return std::move(*inhalt);
}

Erfolg<> Ziel_pruefen(const fs::path& datei) {
    auto gefunden = Ziel_finden(datei);
    if (auto* fehler = std::get_if<std::string>(&gefunden)) return Fehler{std::move(*fehler)};
    return {};
}

bool Dieselbe_Datei(const fs::path& a, const fs::path& b) {
    struct stat sa {}, sb {};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

fs::path Temp_Name(const fs::path& datei, long pid, unsigned zaehler) {
    return Ordner_von(datei) / (Temp_Muster(datei) + std::to_string(pid) + "-" + std::to_string(zaehler) + ".tmp");
}

Erfolg<> Datei_ersetzen(const fs::path& name, std::string_view inhalt) {
    auto gefunden = Ziel_finden(name);
    if (auto* fehler = std::get_if<std::string>(&gefunden)) return Fehler{std::move(*fehler)};
    const Ziel& z = std::get<Ziel>(gefunden);
    const fs::path ordner = Ordner_von(z.datei);
    // before writing, so that a dead process's file under this process's id cannot stand in the way
    Reste_entfernen(ordner, Temp_Muster(z.datei));
    fs::path temp;
    int fd = -1;
    // a name that is taken all the same (a folder, another user's file) gives way to the next counter
    for (unsigned zaehler = 0; fd < 0; ++zaehler) {
        temp = Temp_Name(z.datei, getpid(), zaehler);
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || zaehler == 1000)) return Fehler{Pfadfehler(errno, z.datei)};
    }
    bool ok = Alles_schreiben(fd, inhalt);
    if (ok && z.vorhanden) {
        // the replacement keeps the old file's permissions and, where allowed, its owner
        (void)fchmod(fd, z.alt.st_mode & 0777);
        if (fchown(fd, z.alt.st_uid, z.alt.st_gid) != 0) {
            // not allowed: the new file is the saver's, like any file the saver makes
        }
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temp.c_str(), z.datei.c_str()) != 0) {
        unlink(temp.c_str());
        return Fehler{Text(meldung::Speicherfehler_Text, z.datei)};
    }
    Ordner_sichern(ordner);
    return {};
}

}  // namespace dkm
