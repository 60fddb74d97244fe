// The window's platform in the tests and benchmarks: no window opens; questions are
// answered from the script and everything shown is recorded (Skript_Aufnahme).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "skript_dialoge.h"
#include "ui/plattform.h"

namespace dkm::ui {

class Skript_Plattform : public Plattform, public test::Skript_Aufnahme {
public:
    using Eintrag = test::Eintrag;

    std::deque<std::optional<std::string>> dateien;   // file dialogs; cancel when empty
    // Printers: whether there is one, the printer dialog's answers (cancel when
    // empty), a failure every job reports, and the jobs printed.
    bool drucker_da = true;
    std::deque<std::optional<bericht::Druckerwahl>> druckerwahlen;
    std::optional<std::string> druckfehler;
    struct Auftrag {
        std::string drucker;
        int seiten;
        int schriftgroesse;
        std::string text;  // both pages as dkm-rechner prints them
    };
    std::vector<Auftrag> auftraege;

    using Plattform::frage;
    void meldung(const std::string& titel, const std::string& text) override;
    bool frage(const std::string& titel, const std::string& text, bool bei_abbruch) override;
    void piepton() override;
    std::optional<std::string> speichern_unter(const Dateidialog& d) override;
    std::optional<std::string> oeffnen(const Dateidialog& d) override;
    bool drucker_vorhanden() override { return drucker_da; }
    std::optional<bericht::Druckerwahl> drucker_waehlen() override;
    Erfolg<> drucken(const bericht::Bericht& b, const std::string& drucker) override;

private:
    void zeigen(Eintrag e);
};

}  // namespace dkm::ui
