// The scripted platform: answers from a queue, records what it was shown.
#include "skript_plattform.h"

#include "report/text.h"

namespace dkm::ui {

void Skript_Plattform::zeigen(Eintrag e) {
    vorher();
    protokoll.push_back(e);
    if (beim_zeigen) beim_zeigen(protokoll.back());
}

void Skript_Plattform::meldung(const std::string& titel, const std::string& text) {
    zeigen({"meldung", titel, text});
}

bool Skript_Plattform::frage(const std::string& titel, const std::string& text, bool bei_abbruch) {
    zeigen({"frage", titel, text});
    if (antworten.empty()) return true;
    const std::optional<bool> a = antworten.front();
    antworten.pop_front();
    return a.value_or(bei_abbruch);
}

void Skript_Plattform::piepton() { zeigen({"piepton", "", ""}); }

namespace {
std::optional<std::string> naechste(std::deque<std::optional<std::string>>& dateien) {
    if (dateien.empty()) return std::nullopt;
    std::optional<std::string> p = dateien.front();
    dateien.pop_front();
    return p;
}
}  // namespace

std::optional<std::string> Skript_Plattform::speichern_unter(const Dateidialog& d) {
    zeigen({"speichern", d.titel, d.vorschlag});
    return naechste(dateien);
}

std::optional<std::string> Skript_Plattform::oeffnen(const Dateidialog& d) {
    zeigen({"oeffnen", d.titel, d.vorschlag});
    return naechste(dateien);
}

std::optional<bericht::Druckerwahl> Skript_Plattform::drucker_waehlen() {
    zeigen({"drucker", "Drucken", ""});
    if (druckerwahlen.empty()) return std::nullopt;
    auto w = druckerwahlen.front();
    druckerwahlen.pop_front();
    return w;
}

Erfolg<> Skript_Plattform::drucken(const bericht::Bericht& b, const std::string& drucker) {
    if (druckfehler) return Fehler{*druckfehler};
    auftraege.push_back({drucker, static_cast<int>(b.seiten.size()), b.schriftgroesse, bericht::Als_Text(b)});
    return {};
}

std::vector<std::string> Skript_Plattform::titel() const {
    std::vector<std::string> v;
    for (const Eintrag& e : protokoll)
        if (e.art == "meldung" || e.art == "frage") v.push_back(e.titel);
    return v;
}

}  // namespace dkm::ui
