#include <cstdlib>
#include <iostream>

#include "cli/dump.h"
#include "cli/kostra_aufruf.h"
#include "cli/pdf_modul.h"
#include "cli/plattform/plattform.h"
#include "files/einstellungsordner.h"

int main(int argc, char** argv) {
    dkm::Ausgaben_unveraendert();
    const std::vector<std::string> argumente(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (dkm::Ist_Kostra_Aufruf(argumente)) {
        const dkm::Rechnerlauf k = dkm::Kostra_Rechner(argumente);
        std::cout << k.ausgabe << std::flush;
        std::cerr << k.fehler;
        return k.status;
    }
    const dkm::Rechnerlauf lauf = dkm::Rechner(
        argumente, dkm::Dezimaltrenner(std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")),
        dkm::Einstellungsordner(), ".", dkm::Pdf_bei_Bedarf());
    std::cout << lauf.ausgabe << std::flush;
    // a full disk or a closed output must not pass for a result
    if (!std::cout) {
        std::cerr << "dkm-rechner: Die Ausgabe ließ sich nicht schreiben (Datenträger voll oder Ausgabe "
                     "geschlossen).\n";
        return 2;
    }
    std::cerr << lauf.fehler;
    return lauf.status;
}
