// The program's own icon and what its command line asks for (a project file, --help, --version).
#pragma once

#include <QIcon>
#include <filesystem>
#include <string>
#include <vector>

namespace dkm::ui {

// All sizes of the icon drawn for this program; the window and every dialog show it.
QIcon Programmsymbol();

struct Programmaufruf {
    enum Art { Fenster, Hilfe, Version, Fehler } art = Fenster;
    std::filesystem::path datei;  // empty: start without a project
    std::string text;             // what to print for Hilfe, Version and Fehler (German)
};

// `argumente` without the program name. --help and --version win wherever they stand,
// so they can be answered before the toolkit needs a display.
Programmaufruf Programmaufruf_lesen(const std::vector<std::string>& argumente);

}  // namespace dkm::ui
