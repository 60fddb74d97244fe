// The program's icon and its command line.
#include "ui/programm.h"

#include "model/version.h"

namespace dkm::ui {

QIcon Programmsymbol() {
    QIcon symbol;
    for (int g : {16, 22, 24, 32, 48, 64, 128, 256})
        symbol.addFile(QStringLiteral(":/symbole/dachkandelmesser_%1.png").arg(g), QSize(g, g));
    return symbol;
}

namespace {

constexpr const char* Hilfe =
    "Aufruf: dachkandelmesser [PROJEKTDATEI]\n"
    "        dachkandelmesser --help | --version\n"
    "\n"
    "Öffnet das Ein- und Ausgabe-Formular des Dachkandelmessers. Mit PROJEKTDATEI (*.Dkm, auch\n"
    "ältere *.Dkl) wird dieses Projekt aufgerufen wie mit \u201Evorh. Projekt aufrufen\u201C; ist die\n"
    "Datei nicht lesbar, meldet das Programm \u201EDatei-Kontrolle\u201C und beginnt ohne Projekt.\n"
    "\n"
    "Eigene Regenspenden (Regeneig.dat), Druckereinstellungen (Druckwrt.dat) und Aussteller liegen\n"
    "im Einstellungsordner ($XDG_CONFIG_HOME/Dachkandelmesser, sonst ~/.config/Dachkandelmesser).\n"
    "\n"
    "  --help     diese Hilfe\n"
    "  --version  Versionsnummer\n"
    "\n"
    "Projekte ohne Fenster berechnen: dkm-rechner --help.\n";

}  // namespace

Programmaufruf Programmaufruf_lesen(const std::vector<std::string>& argumente) {
    Programmaufruf a;
    for (const std::string& s : argumente) {
        if (s == "--help" || s == "-h") return {Programmaufruf::Hilfe, {}, Hilfe};
        if (s == "--version")
            return {Programmaufruf::Version, {},
                    "Dachkandelmesser " + std::string(Programmversion) +
                        "\nLizenz: GNU GPL Version 3 oder neuer (GPL-3.0-or-later)\n"};
    }
    bool nur_dateien = false;
    for (const std::string& s : argumente) {
        if (!nur_dateien && s == "--") {
            nur_dateien = true;
        } else if (!nur_dateien && s.size() > 1 && s[0] == '-') {
            return {Programmaufruf::Fehler, {},
                    "dachkandelmesser: unbekannte Option \u201E" + s + "\u201C (dachkandelmesser --help erklärt den Aufruf).\n"};
        } else if (!a.datei.empty()) {
            return {Programmaufruf::Fehler, {},
                    "dachkandelmesser: nur eine Projektdatei kann aufgerufen werden (dachkandelmesser --help).\n"};
        } else if (s.empty()) {
            return {Programmaufruf::Fehler, {}, "dachkandelmesser: leerer Dateiname.\n"};
        } else {
            a.datei = s;
        }
    }
    return a;
}

}  // namespace dkm::ui
