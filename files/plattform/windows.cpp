// The file layer's system calls on Windows. Paths go to the wide (UTF-16) calls as they are,
// so names with umlauts reach the disk whatever the code page.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>

#include "files/einstellungsordner.h"
#include "files/plattform/plattform.h"

namespace dkm::plattform {

namespace {

constexpr DWORD alle_teilen = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class Griff {
public:
    explicit Griff(HANDLE h) : h_(h) {}
    Griff(const Griff&) = delete;
    Griff& operator=(const Griff&) = delete;
    ~Griff() {
        if (*this) CloseHandle(h_);
    }
    explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE operator*() const { return h_; }

private:
    HANDLE h_;
};

Griff Oeffnen(const fs::path& p, DWORD zugriff, DWORD art) {
    return Griff(CreateFileW(p.c_str(), zugriff, alle_teilen, nullptr, OPEN_EXISTING, art, nullptr));
}

Grund Grund_von(DWORD nummer) {
    switch (nummer) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return Grund::fehlt;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return Grund::vorhanden;
        case ERROR_CANT_RESOLVE_FILENAME: return Grund::Schleife;
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_BUFFER_OVERFLOW: return Grund::zu_lang;
        case ERROR_DIRECTORY: return Grund::kein_Ordner;
        case ERROR_ACCESS_DENIED: return Grund::Zugriff;
        default: return Grund::anderer;
    }
}

}  // namespace

Eintrag Ansehen(const fs::path& p, bool folgen) {
    Eintrag e;
    const DWORD art = FILE_FLAG_BACKUP_SEMANTICS | (folgen ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const Griff h = Oeffnen(p, FILE_READ_ATTRIBUTES, art);
    if (!h) {
        const Grund f = Grund_von(GetLastError());
        if (f != Grund::fehlt) e.fehler = f;
        return e;
    }
    // a device name (NUL, CON, COM1) opens the device in any folder
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (GetFileType(*h) != FILE_TYPE_DISK) {
        e.art = Eintrag::Art::anderes;
        return e;
    }
    if (!GetFileInformationByHandleEx(*h, FileAttributeTagInfo, &info, sizeof info)) {
        e.fehler = Grund_von(GetLastError());
        return e;
    }
    // A link or junction is refused: replacing it would replace the link, not write where it leads.
    // Other reparse points (files of a cloud folder) are files like any other.
    const bool verweis =
        (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(info.ReparseTag);
    e.art = verweis                                           ? Eintrag::Art::anderes
            : (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Eintrag::Art::Ordner
                                                              : Eintrag::Art::Datei;
    e.rechte.art = info.FileAttributes;
    // Windows ignores the read-only attribute of a folder; whether one may be written shows on writing.
    e.schreibbar = e.art == Eintrag::Art::Ordner;
    if (e.art == Eintrag::Art::Datei && !(info.FileAttributes & FILE_ATTRIBUTE_READONLY))
        e.schreibbar = Oeffnen(p, FILE_WRITE_DATA, art) || GetLastError() != ERROR_ACCESS_DENIED;
    return e;
}

std::optional<Kennung> Kennung_von(const fs::path& p) {
    const Griff h = Oeffnen(p, 0, FILE_FLAG_BACKUP_SEMANTICS);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!h || !GetFileInformationByHandle(*h, &info)) return std::nullopt;
    return Kennung{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::optional<std::string> Lesen(const fs::path& datei, size_t hoechstens) {
    // only a file on a disk: a device or pipe could block or never end
    const Griff h = Oeffnen(datei, GENERIC_READ, FILE_ATTRIBUTE_NORMAL);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!h || GetFileType(*h) != FILE_TYPE_DISK || !GetFileInformationByHandle(*h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    std::string inhalt;
    char block[16384];
    while (inhalt.size() <= hoechstens) {
        const size_t rest = hoechstens + 1 - inhalt.size();
        DWORD n = 0;
        if (!ReadFile(*h, block, static_cast<DWORD>(std::min(rest, sizeof block)), &n, nullptr)) return std::nullopt;
        if (n == 0) break;
        inhalt.append(block, n);
    }
    return inhalt;
}

long Prozessnummer() { return static_cast<long>(GetCurrentProcessId()); }

bool Prozess_laeuft(long pid) {
    if (pid <= 0 || pid == Prozessnummer()) return false;
    const HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    // another user's process may not be opened, but it is there
    if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool laeuft = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return laeuft;
}

Neue_Datei::~Neue_Datei() {
    if (griff_ != -1) CloseHandle(reinterpret_cast<HANDLE>(griff_));
}

Grund Neue_Datei::anlegen(const fs::path& p) {
    const HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        griff_ = reinterpret_cast<std::intptr_t>(h);
        return Grund::keiner;
    }
    const Grund f = Grund_von(GetLastError());
    // a folder of that name answers "access denied": the name is taken, not the folder protected
    if (f == Grund::Zugriff && GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES) return Grund::vorhanden;
    return f;
}

bool Neue_Datei::schreiben(std::string_view inhalt) {
    const HANDLE h = reinterpret_cast<HANDLE>(griff_);
    while (!inhalt.empty()) {
        DWORD n = 0;
        const DWORD stueck = static_cast<DWORD>(std::min<size_t>(inhalt.size(), 1u << 24));
        if (!WriteFile(h, inhalt.data(), stueck, &n, nullptr) || n == 0) return false;
        inhalt.remove_prefix(n);
    }
    return true;
}

void Neue_Datei::rechte_uebernehmen(const Rechte& r) {
    // hidden, system, archive and the like; the file's rights come from its folder like those of any new file
    constexpr DWORD setzbar = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                              FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO info{};
    info.FileAttributes = (r.art & setzbar) ? (r.art & setzbar) : FILE_ATTRIBUTE_NORMAL;
    (void)SetFileInformationByHandle(reinterpret_cast<HANDLE>(griff_), FileBasicInfo, &info, sizeof info);
}

bool Neue_Datei::sichern_und_schliessen() {
    const HANDLE h = reinterpret_cast<HANDLE>(griff_);
    griff_ = -1;
    const bool gesichert = FlushFileBuffers(h);
    return CloseHandle(h) && gesichert;
}

bool Ersetzen(const fs::path& neu, const fs::path& ziel) {
    return MoveFileExW(neu.c_str(), ziel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// MOVEFILE_WRITE_THROUGH returns only once the folder's new entry is on the disk.
void Ordner_sichern(const fs::path&) {}

fs::path Einstellungsordner() {
    // where the toolkit keeps an application's settings (its AppConfigLocation): the local application data
    fs::path basis;
    PWSTR ordner = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &ordner) == S_OK) basis = ordner;
    CoTaskMemFree(ordner);
    if (basis.empty()) {
        const wchar_t* umgebung = _wgetenv(L"LOCALAPPDATA");
        basis = umgebung && *umgebung ? fs::path(umgebung) : fs::temp_directory_path();
    }
    return (basis / Programmname).lexically_normal();
}

}  // namespace dkm::plattform
