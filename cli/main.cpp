#include <cstdlib>
#include <iostream>

#include "cli/dump.h"
#include "files/einstellungsordner.h"

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + (argc > 0 ? 1 : 0), argv + argc);
    const dkm::Rechnerlauf lauf = dkm::Rechner(
        argumente, dkm::Dezimaltrenner(std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")),
        dkm::Einstellungsordner(), ".");
    std::cout << lauf.ausgabe << std::flush;
    std::cerr << lauf.fehler;
    return lauf.status;
}
