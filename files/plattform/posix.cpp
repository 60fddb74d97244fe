// The file layer's system calls on Linux and other POSIX systems.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "files/einstellungsordner.h"
#include "files/plattform/plattform.h"

namespace dkm::plattform {

namespace {

Grund Grund_von(int nummer) {
    switch (nummer) {
        case ENOENT: return Grund::fehlt;
        case EEXIST: return Grund::vorhanden;
        case ELOOP: return Grund::Schleife;
        case ENAMETOOLONG: return Grund::zu_lang;
        case ENOTDIR: return Grund::kein_Ordner;
        default: return Grund::anderer;
    }
}

}  // namespace

Eintrag Ansehen(const fs::path& p, bool folgen) {
    Eintrag e;
    struct stat s {};
    if ((folgen ? stat(p.c_str(), &s) : lstat(p.c_str(), &s)) != 0) {
        if (errno != ENOENT) e.fehler = Grund_von(errno);
        return e;
    }
    e.art = S_ISLNK(s.st_mode)   ? Eintrag::Art::Verweis
            : S_ISREG(s.st_mode) ? Eintrag::Art::Datei
            : S_ISDIR(s.st_mode) ? Eintrag::Art::Ordner
                                 : Eintrag::Art::anderes;
    // the write bits count, also for an administrator, whom access() lets through
    e.schreibbar = (s.st_mode & 0222) != 0 && access(p.c_str(), W_OK) == 0;
    e.rechte = {static_cast<std::uint32_t>(s.st_mode & 0777), s.st_uid, s.st_gid};
    return e;
}

std::optional<Kennung> Kennung_von(const fs::path& p) {
    struct stat s {};
    if (stat(p.c_str(), &s) != 0) return std::nullopt;
    return Kennung{static_cast<std::uint64_t>(s.st_dev), static_cast<std::uint64_t>(s.st_ino)};
}

std::optional<std::string> Lesen(const fs::path& datei, size_t hoechstens) {
    // Devices and pipes could block, never end or act on being opened: only a regular file is
    // opened, without waiting, and what was opened is judged again in case the name changed hands.
    struct stat s {};
    if (stat(datei.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return std::nullopt;
    const int fd = open(datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
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
    return inhalt;
}

long Prozessnummer() { return getpid(); }

bool Prozess_laeuft(long pid) {
    return pid > 0 && pid != getpid() && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

Neue_Datei::~Neue_Datei() {
    if (griff_ >= 0) close(static_cast<int>(griff_));
}

Grund Neue_Datei::anlegen(const fs::path& p) {
    griff_ = open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return griff_ >= 0 ? Grund::keiner : Grund_von(errno);
}

bool Neue_Datei::schreiben(std::string_view inhalt) {
    while (!inhalt.empty()) {
        const ssize_t n = write(static_cast<int>(griff_), inhalt.data(), inhalt.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        inhalt.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

void Neue_Datei::rechte_uebernehmen(const Rechte& r) {
    const int fd = static_cast<int>(griff_);
    (void)fchmod(fd, r.art);
    if (fchown(fd, r.eigner, r.gruppe) != 0) {
        // not allowed: the new file is the saver's, like any file the saver makes
    }
}

bool Neue_Datei::sichern_und_schliessen() {
    const int fd = static_cast<int>(griff_);
    griff_ = -1;
    const bool gesichert = fsync(fd) == 0;
    return close(fd) == 0 && gesichert;
}

bool Ersetzen(const fs::path& neu, const fs::path& ziel) { return rename(neu.c_str(), ziel.c_str()) == 0; }

void Ordner_sichern(const fs::path& ordner) {
    const int fd = open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)fsync(fd);
    close(fd);
}

fs::path Einstellungsordner() {
    return dkm::Einstellungsordner(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace dkm::plattform
