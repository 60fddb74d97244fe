#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "cli/plattform/plattform.h"

namespace dkm {

std::filesystem::path Programmordner() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return {};
        if (n < name.size()) return std::filesystem::path(name.substr(0, n)).parent_path();
        name.resize(2 * name.size());
    }
}

void* Funktion_laden(const std::filesystem::path& datei, const char* name) {
    // the library's own DLLs (the toolkit) are looked for in its folder first
    const HMODULE bibliothek = LoadLibraryExW(datei.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return bibliothek ? reinterpret_cast<void*>(GetProcAddress(bibliothek, name)) : nullptr;
}

void Ausgaben_unveraendert() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace dkm
