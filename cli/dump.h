// dkm-rechner: a project file in, the window state after loading it out, as JSON.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/dialoge.h"
#include "model/erfolg.h"
#include "model/formular.h"

namespace dkm {

struct Meldung {
    std::string titel, text;
    std::string hilfe{};  // the help box's text while it was visible beside the box
};

// Answers every question Yes and keeps every box in the order shown. With a
// window state, it also notes what the help box showed at that moment (the
// legacy import's site note).
class Aufzeichnung : public Dialoge {
public:
    explicit Aufzeichnung(const Formular* f = nullptr) : f_(f) {}
    void meldung(const std::string& titel, const std::string& text) override { aufnehmen(titel, text); }
    bool frage(const std::string& titel, const std::string& text) override {
        aufnehmen(titel, text);
        return true;
    }
    std::vector<Meldung> meldungen;

private:
    const Formular* f_;
    void aufnehmen(const std::string& titel, const std::string& text) {
        meldungen.push_back({titel, text, f_ && (*f_)[V::Hilfe_Text] ? f_->Hilfe_Text : std::string()});
    }
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

namespace bericht {
struct Bericht;
}
// Writes the paper report as a PDF file. Only a build with the window supplies one.
using Pdf_Ausgabe = std::function<Erfolg<>(const bericht::Bericht&, const std::filesystem::path&)>;

// The whole program without the process around it: arguments after the
// program name, the decimal separator, the folder of Regeneig.dat, and the
// working directory its first start takes the settings files over from
// (empty: none).
Rechnerlauf Rechner(const std::vector<std::string>& argumente, const std::string& dezimaltrenner,
                    const std::filesystem::path& einstellungsordner = ".",
                    const std::filesystem::path& arbeitsordner = {}, const Pdf_Ausgabe& pdf = {});

}  // namespace dkm
