#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "files/einstellungen.h"
#include "files/einstellungsordner.h"
#include "ui/form1.h"
#include "ui/programm.h"
#include "ui/start.h"

namespace {

std::vector<std::string> argumente(int argc, char** argv) { return {argv + (argc > 0 ? 1 : 0), argv + argc}; }

// While the toolkit looks for a screen: its English notes stay quiet, and finding none ends the
// program with one German line instead of an abort.
void Start_Meldung(QtMsgType art, const QMessageLogContext&, const QString&) {
    if (art != QtFatalMsg) return;
    std::cerr << "dachkandelmesser: Kein Bildschirm erreichbar; das Fenster kann nicht geöffnet werden. "
                 "Ohne Bildschirm rechnet dkm-rechner.\n"
              << std::flush;
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    // answered before the toolkit starts, so they work without a display
    const std::vector<std::string> roh = argumente(argc, argv);
    const dkm::ui::Programmaufruf vorab = dkm::ui::Programmaufruf_lesen(roh);
    if (vorab.art == dkm::ui::Programmaufruf::Hilfe || vorab.art == dkm::ui::Programmaufruf::Version) {
        std::cout << vorab.text << std::flush;
        return 0;
    }
    // two file names are wrong whatever the toolkit makes of its own options; say so before it needs a display
    const bool ohne_optionen = std::none_of(roh.begin(), roh.end(), [](const std::string& s) { return s.starts_with('-'); });
    if (vorab.art == dkm::ui::Programmaufruf::Fehler && ohne_optionen) {
        std::cerr << vorab.text;
        return 2;
    }

    qInstallMessageHandler(Start_Meldung);
    QApplication app(argc, argv);  // takes its own options (-platform, -style) out of argv
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("Dachkandelmesser"));
    QApplication::setWindowIcon(dkm::ui::Programmsymbol());
    // Wayland shells take the window's icon and menu name from the installed menu entry
    QGuiApplication::setDesktopFileName(QStringLiteral("de.dachkandelmesser.Dachkandelmesser"));
    const dkm::ui::Programmaufruf aufruf = dkm::ui::Programmaufruf_lesen(argumente(argc, argv));
    if (aufruf.art == dkm::ui::Programmaufruf::Fehler) {
        std::cerr << aufruf.text;
        return 2;
    }
    QTranslator qt_texte;
    if (qt_texte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_texte);

    // a program started from a menu has no meaningful working directory; a first start takes its files over
    const std::filesystem::path ordner = dkm::Einstellungsordner();
    const dkm::Erfolg<> uebernommen = dkm::Einstellungen_uebernehmen(ordner, ".");
    dkm::ui::Qt_Plattform plattform;
    dkm::ui::Form1 fenster(plattform, dkm::ui::Startformular(ordner / dkm::Regeneig_Dateiname));
    fenster.setze_einstellungsordner(ordner);
    plattform.setze_eltern(&fenster);
    fenster.show();
    if (!uebernommen) plattform.meldung(std::string(dkm::meldung::Eigene_Werte_Titel), uebernommen.fehler().text);
    if (!aufruf.datei.empty()) fenster.projekt_aufrufen(aufruf.datei);
    return QApplication::exec();
}
