#include <dlfcn.h>

#include <system_error>

#include "cli/plattform/plattform.h"

namespace dkm {

std::filesystem::path Programmordner() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
}

void* Funktion_laden(const std::filesystem::path& datei, const char* name) {
    void* bibliothek = dlopen(datei.c_str(), RTLD_NOW | RTLD_LOCAL);
    return bibliothek ? dlsym(bibliothek, name) : nullptr;
}

void Ausgaben_unveraendert() {}

}  // namespace dkm
