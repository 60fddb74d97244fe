#include <cstdlib>
#include <iostream>
#include <memory>

#include "cli/dump.h"
#include "cli/kostra_aufruf.h"
#include "files/einstellungsordner.h"

#ifdef DKM_MIT_PDF
#include <QGuiApplication>

#include "report/qt/pdf.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (dkm::Ist_Kostra_Aufruf(argumente)) {
        const dkm::Rechnerlauf k = dkm::Kostra_Rechner(argumente);
        std::cout << k.ausgabe << std::flush;
        std::cerr << k.fehler;
        return k.status;
    }
    dkm::Pdf_Ausgabe pdf;
#ifdef DKM_MIT_PDF
    std::unique_ptr<QGuiApplication> app;
    pdf = [&](const dkm::bericht::Bericht& b, const std::filesystem::path& ziel) {
        // Fonts need the toolkit; without a display it runs offscreen.
        if (!app) {
            if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
                setenv("QT_QPA_PLATFORM", "offscreen", 1);
            app = std::make_unique<QGuiApplication>(argc, argv);
        }
        return dkm::bericht::Pdf_schreiben(b, ziel);
    };
#endif
    const dkm::Rechnerlauf lauf = dkm::Rechner(
        argumente, dkm::Dezimaltrenner(std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")),
        dkm::Einstellungsordner(), ".", pdf);
    std::cout << lauf.ausgabe << std::flush;
    std::cerr << lauf.fehler;
    return lauf.status;
}
