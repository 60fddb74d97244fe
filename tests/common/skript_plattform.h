// The platform of the tests and benchmarks: no window opens; questions are
// answered from a queue and everything shown is recorded.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/plattform.h"

namespace dkm::ui {

class Skript_Plattform : public Plattform {
public:
    struct Eintrag {
        std::string art;  // "meldung", "frage", "piepton", "speichern", "oeffnen", "drucker"
        std::string titel;
        std::string text;
    };

    // Yes/No in order, nothing for Escape; Yes when empty.
    std::deque<std::optional<bool>> antworten;
    std::deque<std::optional<std::string>> dateien;   // file dialogs; cancel when empty
    std::vector<Eintrag> protokoll;
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
    std::function<void(const Eintrag&)> beim_zeigen;  // sees each entry as it is shown

    using Plattform::frage;
    void meldung(const std::string& titel, const std::string& text) override;
    bool frage(const std::string& titel, const std::string& text, bool bei_abbruch) override;
    void piepton() override;
    std::optional<std::string> speichern_unter(const Dateidialog& d) override;
    std::optional<std::string> oeffnen(const Dateidialog& d) override;
    bool drucker_vorhanden() override { return drucker_da; }
    std::optional<bericht::Druckerwahl> drucker_waehlen() override;
    Erfolg<> drucken(const bericht::Bericht& b, const std::string& drucker) override;

    std::vector<std::string> titel() const;  // titles of messages and questions, in order

private:
    void zeigen(Eintrag e);
};


}  // namespace dkm::ui
