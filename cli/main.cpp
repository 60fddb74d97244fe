#include <cstdlib>
#include <iostream>
#include <memory>

#include "cli/dump.h"
#include "cli/kostra_aufruf.h"
#include "files/einstellungsordner.h"

#ifdef DKM_MIT_PDF
#include <QGuiApplication>

#include "report/qt/pdf.h"

namespace {

// The toolkit's own notes are English and no concern of a command-line user; its one fatal
// fault gets a German line and the status of a failed write instead of an abort.
void Qt_Meldung(QtMsgType art, const QMessageLogContext&, const QString&) {
    if (art != QtFatalMsg) return;
    std::cerr << "dkm-rechner: Die PDF-Ausgabe ließ sich nicht einrichten.\n" << std::flush;
    std::_Exit(2);
}

}  // namespace
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
        // Fonts need the toolkit. A report needs no screen: a display that is set but
        // unreachable must not stop it, so it never asks for one.
        if (!app) {
            qInstallMessageHandler(Qt_Meldung);
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
    // a full disk or a closed output must not pass for a result
    if (!std::cout) {
        std::cerr << "dkm-rechner: Die Ausgabe ließ sich nicht schreiben (Datenträger voll oder Ausgabe "
                     "geschlossen).\n";
        return 2;
    }
    std::cerr << lauf.fehler;
    return lauf.status;
}
