// dkm-rechner: a project file in, the window state after loading it out, as JSON.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

struct Meldung {
    std::string titel, text;
};

// Answers every question Yes and keeps every box in the order shown.
class Aufzeichnung : public Dialoge {
public:
    void meldung(const std::string& titel, const std::string& text) override { meldungen.push_back({titel, text}); }
    bool frage(const std::string& titel, const std::string& text) override {
        meldungen.push_back({titel, text});
        return true;
    }
    std::vector<Meldung> meldungen;
};

// "," for a German locale, else "."; the first set of LC_ALL, LC_NUMERIC, LANG decides.
std::string Dezimaltrenner(const char* lc_all, const char* lc_numeric, const char* lang);

// The JSON object "dkm-rechner/1" of the window state and the recorded boxes.
std::string Dump(const Formular& f, const std::vector<Meldung>& meldungen);

struct Rechnerlauf {
    int status = 0;      // 0 loaded, 1 "Datei-Kontrolle", 2 usage or unreadable path
    std::string ausgabe;  // stdout
    std::string fehler;   // stderr
};

// The whole program without the process around it: arguments after the
// program name, the decimal separator, and the folder of Regeneig.dat.
Rechnerlauf Rechner(const std::vector<std::string>& argumente, const std::string& dezimaltrenner,
                    const std::string& einstellungsordner = ".");

}  // namespace dkm
