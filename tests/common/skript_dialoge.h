// The one recorder of the tests: questions answered from a script, everything shown kept in
// order. Skript_Dialoge serves the behaviour layer, Skript_Plattform the window.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm::test {

struct Eintrag {
    std::string art;  // "meldung", "frage", "piepton", "speichern", "oeffnen", "drucker"
    std::string titel;
    std::string text;
    std::string hilfe{};  // what the help box showed beside it, with a window state to look at
};

class Skript_Aufnahme {
public:
    // Yes/No in order, nothing for Escape; `sonst` once the script is used up.
    std::deque<std::optional<bool>> antworten;
    bool sonst = true;
    std::vector<Eintrag> protokoll;
    std::function<void(const Eintrag&)> beim_zeigen;  // sees each entry as it is shown
    const Formular* fenster = nullptr;

    std::vector<std::string> titel() const { return Teil(&Eintrag::titel); }  // of messages and questions
    std::vector<std::string> texte() const { return Teil(&Eintrag::text); }
    int pieptoene() const {
        int n = 0;
        for (const Eintrag& e : protokoll) n += e.art == "piepton";
        return n;
    }
    // A fresh log, and the answers to the next questions.
    void neu(std::initializer_list<std::optional<bool>> ja = {}) {
        protokoll.clear();
        antworten.assign(ja.begin(), ja.end());
    }

protected:
    void aufnehmen(Eintrag e) {
        if (fenster && (*fenster)[V::Hilfe_Text]) e.hilfe = fenster->Hilfe_Text;
        protokoll.push_back(std::move(e));
        if (beim_zeigen) beim_zeigen(protokoll.back());
    }
    bool antwort(bool bei_abbruch) {
        if (antworten.empty()) return sonst;
        const std::optional<bool> a = antworten.front();
        antworten.pop_front();
        return a.value_or(bei_abbruch);
    }

private:
    std::vector<std::string> Teil(std::string Eintrag::*teil) const {
        std::vector<std::string> v;
        for (const Eintrag& e : protokoll)
            if (e.art == "meldung" || e.art == "frage") v.push_back(e.*teil);
        return v;
    }
};

class Skript_Dialoge : public Dialoge, public Skript_Aufnahme {
public:
    explicit Skript_Dialoge(const Formular* f = nullptr) { fenster = f; }
    using Dialoge::frage;
    using Dialoge::meldung;
    void meldung(const std::string& titel, const std::string& text) override { aufnehmen({"meldung", titel, text}); }
    bool frage(const std::string& titel, const std::string& text) override {
        aufnehmen({"frage", titel, text});
        return antwort(false);
    }
    void piepton() override { aufnehmen({"piepton", "", ""}); }
};

}  // namespace dkm::test
