// The library dkm-pdf: dkm-rechner's PDF writer with the toolkit it needs.
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>

#include "cli/pdf_modul.h"
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

// Found by its name (dkm::Pdf_Funktionsname), so its type is checked here.
extern "C" bool dkm_pdf_schreiben(const dkm::bericht::Bericht& b, const std::filesystem::path& ziel,
                                  std::string& fehler) {
    static_assert(std::is_same_v<decltype(&dkm_pdf_schreiben), dkm::Pdf_Funktion>);
    int argc = 1;
    char name[] = "dkm-rechner";
    char* argv[] = {name, nullptr};
    // Fonts need the toolkit. A report needs no screen: a display that is set but
    // unreachable must not stop it, so it never asks for one. The toolkit ends with
    // the call: at the program's end the library's statics would outlive it.
    qInstallMessageHandler(Qt_Meldung);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const dkm::Erfolg<> geschrieben = dkm::bericht::Pdf_schreiben(b, ziel);
    if (!geschrieben) fehler = geschrieben.fehler().text;
    return static_cast<bool>(geschrieben);
}
